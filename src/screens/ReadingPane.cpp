#include "screens/ReadingPane.h"

#include "engine/TextLinks.h"
#include "screens/FormSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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

} // namespace

ReadingPane::ReadingPane(UrlOpener& urlOpener, QWidget* parent)
    : QTextBrowser(parent)
    , m_urlOpener(urlOpener)
{
    setObjectName(QStringLiteral("rtbDisp1"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDefaultFont(verdanaFont(9));
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
        format.setForeground(QColor(run.colour.red, run.colour.green, run.colour.blue));
        format.setFontUnderline(run.underline);
        cursor.insertText(toDisplay(run.text), format);
    }
    cursor.endEditBlock();
    markLinks();
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
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
