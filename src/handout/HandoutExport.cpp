#include "handout/HandoutExport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"
#include "handout/CardImages.h"
#include "handout/ReadingLines.h"
#include "handout/SpreadPicture.h"
#include "storage/FileAccess.h"

#include <QBuffer>
#include <QImageWriter>

namespace quillmere {

namespace {

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString titleOf(const ReadingHandout& handout)
{
    const QString name = handout.querentName.trimmed();
    return name.isEmpty() ? QStringLiteral("Tarot Reading") : QStringLiteral("Tarot Reading for %1").arg(name);
}

QString dateText(const ReadingHandout& handout)
{
    return QStringList{handout.date, handout.time}.join(QStringLiteral(", ")).trimmed();
}

// A card's line of the list of positions: "The Crossing — Three of Cups, reversed".
QString positionLine(const ReadingHandout& handout, int k)
{
    const HandoutCard& card = handout.cards[k];
    QString line = shortPositionTitle(handout.spread(), k);
    if (Deck::isValidIndex(card.cardIndex)) {
        if (!line.isEmpty())
            line += QStringLiteral(" \u2014 ");
        line += Deck::instance().name(card.cardIndex);
        if (card.reversed)
            line += QStringLiteral(", reversed");
    }
    return line;
}

// A picture as a data: address: PNG where it has transparency, JPEG (small, as photographs are) otherwise.
QString dataAddress(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const bool png = picture.hasAlphaChannel();
    QImageWriter writer(&buffer, png ? "png" : "jpeg");
    if (!png)
        writer.setQuality(90);
    if (!writer.write(picture))
        return {};
    return QStringLiteral("data:image/%1;base64,").arg(png ? QStringLiteral("png") : QStringLiteral("jpeg"))
        + QString::fromLatin1(bytes.toBase64());
}

QString styleOf(const TextRun& run)
{
    QString style = QStringLiteral("color:") + run.colour.name();
    if (run.bold)
        style += QStringLiteral(";font-weight:bold");
    if (run.underline)
        style += QStringLiteral(";text-decoration:underline");
    return style;
}

QString spreadHtml(const ReadingHandout& handout, const DeckFolder& deck)
{
    const SpreadPicture spread(handout, deck, 2);
    const QRectF bounds = spread.cardsBounds();
    if (bounds.isEmpty())
        return {};
    QString html = QStringLiteral("<div class=\"spread\" style=\"width:%1px;height:%2px\">\n")
                       .arg(qRound(bounds.width()))
                       .arg(qRound(bounds.height()));
    for (const SpreadPicture::PlacedCard& card : spread.cards()) {
        const QRectF box = card.box.translated(-bounds.topLeft());
        const QString place = QStringLiteral("left:%1px;top:%2px;width:%3px;height:%4px")
                                  .arg(qRound(box.left()))
                                  .arg(qRound(box.top()))
                                  .arg(qRound(box.width()))
                                  .arg(qRound(box.height()));
        const QString name
            = escaped(cardBoxAccessibleName(handout.spread(), card.position, card.cardIndex, card.reversed));
        const QString address = card.picture.isNull() ? QString() : dataAddress(card.picture);
        if (address.isEmpty()) {
            QString shown = escaped(Deck::instance().name(card.cardIndex));
            if (card.reversed)
                shown += QStringLiteral("<br>(reversed)");
            html += QStringLiteral("<div class=\"card missing\" style=\"%1\" title=\"%2\"><span>%3</span>")
                        .arg(place, name, shown);
        } else {
            html += QStringLiteral("<div class=\"card\" style=\"%1\"><img src=\"%2\" alt=\"%3\" title=\"%3\" "
                                   "width=\"%4\" height=\"%5\">")
                        .arg(place, address, name)
                        .arg(qRound(box.width()))
                        .arg(qRound(box.height()));
        }
        html += QStringLiteral("<b class=\"number\"%1>%2</b></div>\n")
                    .arg(card.position == 6 ? QStringLiteral(" style=\"left:9px\"") : QString())
                    .arg(card.position + 1);
    }
    html += QStringLiteral("</div>\n");
    return html;
}

// Markdown's own characters, so the reading's text stays text.
QString markdownEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (QStringLiteral("\\`*_[]<>#|~").contains(c))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString markdownSegment(const LineSegment& segment)
{
    const QString& text = segment.style.text;
    if (!segment.link.isEmpty()) {
        const QString href = segment.link.toString();
        return href == text ? QStringLiteral("<%1>").arg(text)
                            : QStringLiteral("[%1](%2)").arg(markdownEscaped(text), href);
    }
    if (!segment.style.bold || text.trimmed().isEmpty())
        return markdownEscaped(text);
    // Emphasis may neither begin nor end with a blank, so the blanks stay outside the markers.
    qsizetype start = 0;
    while (start < text.size() && text[start].isSpace())
        ++start;
    const QString trimmed = text.trimmed();
    const qsizetype end = start + trimmed.size();
    return text.left(start) + QStringLiteral("**") + markdownEscaped(trimmed) + QStringLiteral("**") + text.mid(end);
}

} // namespace

QString readingTextHtml(const StyledText& text)
{
    QString html = QStringLiteral("<div style=\"font-family:Verdana,'DejaVu Sans',sans-serif;font-size:10pt\">\n");
    for (const ReadingLine& line : readingLines(text)) {
        if (line.isRule) {
            html += QStringLiteral("<hr style=\"border:0;border-top:1px solid %1\">\n").arg(line.ruleColour.name());
            continue;
        }
        html += QStringLiteral("<p style=\"margin:0;white-space:pre-wrap\">");
        if (line.text().isEmpty())
            html += QStringLiteral("&nbsp;");
        for (const LineSegment& segment : line.segments) {
            QString piece = QStringLiteral("<span style=\"%1\">%2</span>")
                                .arg(styleOf(segment.style), escaped(segment.style.text));
            if (!segment.link.isEmpty())
                piece = QStringLiteral("<a href=\"%1\">%2</a>").arg(escaped(segment.link.toString()), piece);
            html += piece;
        }
        html += QStringLiteral("</p>\n");
    }
    html += QStringLiteral("</div>\n");
    return html;
}

QString handoutHtml(const ReadingHandout& handout, const DeckFolder& deck)
{
    QString html
        = QStringLiteral(
              "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>%1</title>\n<style>\n"
              "body{background:#fff;color:#000;font-family:Verdana,'DejaVu Sans',sans-serif;margin:2em auto;"
              "max-width:50em;padding:0 1em}\n"
              "h1{color:#000080;font-size:1.7em;margin-bottom:0.1em}\n"
              "p.spread-name{color:#800080;font-weight:bold;font-size:1.2em;margin-top:0}\n"
              "table.details th{color:#008000;text-align:left;padding-right:1em;vertical-align:top}\n"
              "div.spread{position:relative;margin:2em auto}\n"
              "div.card{position:absolute;box-sizing:border-box;border:1px solid #969696;background:#fff}\n"
              "div.card img{display:block;width:100%;height:100%}\n"
              "div.missing span{display:flex;align-items:center;justify-content:center;height:100%;text-align:center;"
              "font-size:12px;font-weight:bold;color:#3c3c3c;padding:0 8px}\n"
              "b.number{position:absolute;left:1px;top:0;color:#f0f;font:900 19px 'Arial Black','DejaVu "
              "Sans',sans-serif;"
              "-webkit-text-stroke:1px #fff;paint-order:stroke fill}\n"
              "ol.positions li::marker{color:#f0f;font-weight:bold}\n"
              "hr.end{border:0;border-top:2px solid #000080}\n"
              "</style>\n</head>\n<body>\n")
              .arg(escaped(titleOf(handout)));
    html += QStringLiteral("<h1>%1</h1>\n").arg(escaped(titleOf(handout)));
    if (const QString spread = handoutSpreadTitle(handout); !spread.isEmpty())
        html += QStringLiteral("<p class=\"spread-name\">%1</p>\n").arg(escaped(spread));
    html += QStringLiteral("<table class=\"details\">\n");
    const QList<std::pair<QString, QString>> details = {
        {QStringLiteral("Name:"), detailOrNotMentioned(handout.querentName)},
        {QStringLiteral("Date of Birth:"), detailOrNotMentioned(handout.birthDate)},
        {QStringLiteral("Question:"), detailOrNotMentioned(handout.question)},
        {QStringLiteral("Date:"), dateText(handout)},
    };
    for (const auto& [label, value] : details)
        html += QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(escaped(label), escaped(value));
    html += QStringLiteral("</table>\n<hr class=\"end\">\n");
    html += spreadHtml(handout, deck);
    html += QStringLiteral("<ol class=\"positions\">\n");
    for (int k = 0; k < handout.cards.size(); ++k)
        html += QStringLiteral("<li>%1</li>\n").arg(escaped(positionLine(handout, k)));
    html += QStringLiteral("</ol>\n<hr class=\"end\">\n");
    html += readingTextHtml(handout.text);
    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

QString handoutMarkdown(const ReadingHandout& handout)
{
    QString md = QStringLiteral("# %1\n\n").arg(markdownEscaped(titleOf(handout)));
    if (const QString spread = handoutSpreadTitle(handout); !spread.isEmpty())
        md += QStringLiteral("**%1**\n\n").arg(markdownEscaped(spread));
    md += QStringLiteral("- **Name:** %1\n").arg(markdownEscaped(detailOrNotMentioned(handout.querentName)));
    md += QStringLiteral("- **Date of Birth:** %1\n").arg(markdownEscaped(detailOrNotMentioned(handout.birthDate)));
    md += QStringLiteral("- **Question:** %1\n").arg(markdownEscaped(detailOrNotMentioned(handout.question)));
    md += QStringLiteral("- **Date:** %1\n\n").arg(markdownEscaped(dateText(handout)));
    if (!handout.cards.isEmpty()) {
        md += QStringLiteral("| # | Position | Card |\n|---:|---|---|\n");
        for (int k = 0; k < handout.cards.size(); ++k) {
            const HandoutCard& card = handout.cards[k];
            QString name = Deck::isValidIndex(card.cardIndex) ? Deck::instance().name(card.cardIndex) : QString();
            if (card.reversed && !name.isEmpty())
                name += QStringLiteral(", reversed");
            md += QStringLiteral("| %1 | %2 | %3 |\n")
                      .arg(k + 1)
                      .arg(markdownEscaped(shortPositionTitle(handout.spread(), k)), markdownEscaped(name));
        }
        md += QStringLiteral("\n---\n\n");
    }
    // Lines one after another stay lines (a hard break); a blank line ends a paragraph.
    QStringList paragraph;
    const auto endParagraph = [&] {
        if (!paragraph.isEmpty())
            md += paragraph.join(QStringLiteral("  \n")) + QStringLiteral("\n\n");
        paragraph.clear();
    };
    for (const ReadingLine& line : readingLines(handout.text)) {
        if (line.isRule) {
            endParagraph();
            md += QStringLiteral("---\n\n");
            continue;
        }
        if (line.text().trimmed().isEmpty()) {
            endParagraph();
            continue;
        }
        QString text;
        for (const LineSegment& segment : line.segments)
            text += markdownSegment(segment);
        paragraph.append(text.trimmed());
    }
    endParagraph();
    return md;
}

QByteArray cardTablePng(const ReadingHandout& handout, const DeckFolder& deck)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!cardTableImage(handout, deck, 2).save(&buffer, "PNG"))
        return {};
    return bytes;
}

StorageResult writeExport(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return StorageResult::failure(QStringLiteral("Could not write %1: there was nothing to write.").arg(path));
    return writeWholeFile(path, bytes);
}

} // namespace quillmere
