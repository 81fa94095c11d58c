#pragma once

#include "content/Twips.h"
#include "table/CardPicture.h"
#include "table/DialogFlags.h"

#include <QColor>
#include <QFont>
#include <QMargins>
#include <QRect>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace quillmere {

// The size of every screen that opens inside the workspace (details, spread selection, About).
inline constexpr int kFormWidthTwips = 7545;
inline constexpr int kFormHeightTwips = 6000;

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

namespace formColours {
inline const QColor kDarkGrey{64, 64, 64};
inline const QColor kStrip{0, 0, 64};
inline const QColor kNavy{0, 0, 128};
inline const QColor kGold{255, 199, 6};
inline const QColor kLightYellow{255, 255, 192};
} // namespace formColours

// The inner margin of text on the coloured panels, so it does not touch their edges; the panels keep their size.
inline constexpr QMargins kPanelTextMargins{4, 2, 4, 2};

// Paints the widget's own background in one colour and its text in another.
void setFormColours(QWidget* widget, const QColor& background, const QColor& text);

// Opens a screen as a child window of the workspace with a fixed size and no minimise or maximise boxes.
// The child window is deleted when it closes, and the screen with it.
QMdiSubWindow* openFormInWorkspace(QMdiArea* workspace, QWidget* form);

// Places a child window centred across the workspace and at one third of its free height, the way the
// screens place themselves. The place is remembered, so the window follows later resizes of the workspace
// until the user moves it.
void placeFormInWorkspace(QMdiSubWindow* window);
// Re-places every child window still at the place given by placeFormInWorkspace.
void replaceFormsAfterResize(QMdiArea* workspace);

// Closes a screen, together with its child window when it lives in the workspace.
void closeForm(QWidget* form);

// The open screen or table of the workspace with the given objectName, nullptr when none is open.
QWidget* openForm(QMdiArea* workspace, const QString& objectName);

// Places a top-level dialog centred across the screen and at one third of the free height.
void placeDialogOnScreen(QWidget* dialog, QWidget* reference);

} // namespace quillmere
