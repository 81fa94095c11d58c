#pragma once

#include "look/FormGeometry.h"
#include "look/ProgramColours.h"

#include <QMargins>
#include <QRect>

class QFrame;
class QWidget;

namespace quillmere {

// Paints the widget's own background in one colour and its text in another; its children take both.
void setFormColours(QWidget* widget, const QColor& background, const QColor& text);

// Where a screen puts its wait panel and how it sets its two lines; the places are in pixels, the lines' inside
// the panel.
struct WaitPanelLayout
{
    QRect panel;
    QRect title;
    QRect text;
    // The title's size in points, bold; the text keeps the screen's font.
    qreal titlePoints = 8.25;
    // The lines' inner margins.
    QMargins margins;
};

// The yellow "Please Wait ..." panel that covers a screen while the cards are drawn, hidden until shown. It is
// named `picMessage`, its lines `lblWait` and `lblWaitText`.
QFrame* makeWaitPanel(QWidget* parent, const WaitPanelLayout& layout);

} // namespace quillmere
