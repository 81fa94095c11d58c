#pragma once

#include <QRect>

class QAbstractButton;

namespace quillmere {

// A command laid out below a screen's visible area keeps its place in the tab order, but while it has the
// keyboard focus it stands at shownGeometry, inside the visible area, and goes back to its own place when the
// focus leaves it. So the Tab key never puts the focus on something the user cannot see, and Space never runs a
// command the user did not see selected.
void showWhileFocused(QAbstractButton* command, const QRect& shownGeometry);

} // namespace quillmere
