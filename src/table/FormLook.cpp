#include "table/FormLook.h"

#include "handout/CardImages.h"

#include <QFrame>
#include <QLabel>

namespace quillmere {

void setFormColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

QLabel* waitLine(const QString& objectName, const QString& text, const QRect& geometry, const QMargins& margins,
                 QFrame* panel)
{
    auto* label = new QLabel(text, panel);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setContentsMargins(margins);
    setFormColours(label, programColours::kFormGrey, programColours::kFormText);
    return label;
}

} // namespace

QFrame* makeWaitPanel(QWidget* parent, const WaitPanelLayout& layout)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("picMessage"));
    panel->setGeometry(layout.panel);
    setFormColours(panel, programColours::kWaitYellow, programColours::kWaitFrameText);
    waitLine(QStringLiteral("lblWait"), QStringLiteral("Please Wait ..."), layout.title, layout.margins, panel)
        ->setFont(verdanaFont(layout.titlePoints, true));
    waitLine(QStringLiteral("lblWaitText"), QStringLiteral("Quillmere Software is generating the Tarot result...."),
             layout.text, layout.margins, panel);
    panel->hide();
    return panel;
}

} // namespace quillmere
