#include "screens/ReadingPane.h"

#include "engine/TextLinks.h"
#include "screens/FormSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWheelEvent>

#include <algorithm>

namespace quillmere {

namespace {

// Line breaks stay inside one paragraph as line separators, each carrying its run's attributes, so the
// shown text maps back to the runs character for character.
constexpr QChar kLineBreak = QChar::LineSeparator;

QString toDisplay(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(kLineBreak));
    text.replace(QLatin1Char('\r'), kLineBreak);
    text.replace(QLatin1Char('\n'), kLineBreak);
    return text;
}

// The zoom step a key asks for: +1, -1, 0 for the normal size, nothing for any other key. Shift and the
// keypad are ignored, since plus needs Shift on many keyboards.
std::optional<int> zoomStepOf(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    if (modifiers != Qt::ControlModifier)
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
        return -1;
    case Qt::Key_0:
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

ReadingPane::ReadingPane(UrlOpener& urlOpener, QWidget* parent)
    : QTextBrowser(parent)
    , m_urlOpener(urlOpener)
{
    setObjectName(QStringLiteral("rtbDisp1"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    applyPointSize(kNormalPointSize);
    QPalette paper = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paper.setColor(group, QPalette::Base, programColours::kPaper);
        paper.setColor(group, QPalette::Text, programColours::kPaperText);
    }
    setPalette(paper);
    connect(this, &QTextBrowser::anchorClicked, this, &ReadingPane::onAnchorClicked);
}

void ReadingPane::setStyledText(const StyledText& text)
{
    clear();
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (const TextRun& run : text.runs()) {
        QTextCharFormat format;
        format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
        format.setForeground(programColours::fromRgb(run.colour));
        format.setFontUnderline(run.underline);
        cursor.insertText(toDisplay(run.text), format);
    }
    cursor.endEditBlock();
    markLinks();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

void ReadingPane::zoomBy(int steps)
{
    applyPointSize(std::clamp(m_pointSize + steps, kMinPointSize, kMaxPointSize));
}

void ReadingPane::resetZoom()
{
    applyPointSize(kNormalPointSize);
}

void ReadingPane::applyPointSize(int pointSize)
{
    // The document's own font is resized rather than using the text edit's zoom, which would put the widget's
    // font in its place and lose the reading's family.
    m_pointSize = pointSize;
    document()->setDefaultFont(verdanaFont(pointSize));
}

bool ReadingPane::event(QEvent* event)
{
    // The zoom keys belong to the pane while it has the focus, whatever shortcuts the window holds.
    if (event->type() == QEvent::ShortcutOverride && zoomStepOf(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QTextBrowser::event(event);
}

void ReadingPane::keyPressEvent(QKeyEvent* event)
{
    const std::optional<int> step = zoomStepOf(*event);
    if (!step) {
        QTextBrowser::keyPressEvent(event);
        return;
    }
    if (*step == 0)
        resetZoom();
    else
        zoomBy(*step);
    event->accept();
}

void ReadingPane::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QTextBrowser::wheelEvent(event);
        return;
    }
    constexpr int kStep = QWheelEvent::DefaultDeltasPerStep;
    m_wheelRemainder += event->angleDelta().y();
    const int steps = m_wheelRemainder / kStep;
    m_wheelRemainder -= steps * kStep;
    zoomBy(steps);
    event->accept();
}

StyledText ReadingPane::displayedText() const
{
    StyledText shown;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        if (block != document()->begin())
            shown.append(TextRun{QStringLiteral("\r\n")});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QColor colour = format.foreground().color();
            TextRun run;
            run.text = fragment.text();
            run.text.replace(kLineBreak, QStringLiteral("\r\n"));
            run.bold = format.fontWeight() >= QFont::Bold;
            run.colour = Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                             static_cast<std::uint8_t>(colour.blue())};
            run.underline = format.fontUnderline();
            shown.append(run);
        }
    }
    return shown;
}

void ReadingPane::paintEvent(QPaintEvent* event)
{
    QTextBrowser::paintEvent(event);
    // A separator is a long run of underlined blanks. Blanks at the end of a wrapped line hang past the margin
    // and the text layout draws nothing for them, so the rule they stand for is drawn here, across the pane.
    QPainter painter(viewport());
    const QPointF scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    const qreal right = viewport()->width() - document()->documentMargin();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QPointF origin = document()->documentLayout()->blockBoundingRect(block).topLeft() - scroll;
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            const QString lineText = block.text().mid(line.textStart(), line.textLength());
            if (lineText.count(QLatin1Char(' ')) < 2 || !lineText.trimmed().isEmpty())
                continue;
            QTextCursor cursor(document());
            cursor.setPosition(block.position() + line.textStart() + 1);
            const QTextCharFormat format = cursor.charFormat();
            if (!format.fontUnderline())
                continue;
            const qreal y = origin.y() + line.y() + line.ascent() + 1.5;
            painter.setPen(QPen(format.foreground().color(), 1));
            painter.drawLine(QPointF(origin.x() + line.x(), y), QPointF(right, y));
        }
    }
}

void ReadingPane::markLinks()
{
    // The pane's link keeps the address as written; where it leads is decided again when it is clicked.
    const QString text = document()->toRawText();
    for (const TextLink& found : findTextLinks(text)) {
        QTextCursor cursor(document());
        cursor.setPosition(static_cast<int>(found.start));
        cursor.setPosition(static_cast<int>(found.start + found.length), QTextCursor::KeepAnchor);
        QTextCharFormat link;
        link.setAnchor(true);
        link.setAnchorHref(text.mid(found.start, found.length));
        link.setFontUnderline(true);
        cursor.mergeCharFormat(link);
    }
}

std::optional<QUrl> ReadingPane::openableUrl(const QString& linkText)
{
    return quillmere::openableUrl(linkText);
}

void ReadingPane::onAnchorClicked(const QUrl& link)
{
    if (const std::optional<QUrl> url = openableUrl(link.toString()))
        m_urlOpener.open(*url);
}

} // namespace quillmere
