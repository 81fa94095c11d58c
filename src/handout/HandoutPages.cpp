#include "handout/HandoutPages.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"
#include "handout/CardImages.h"
#include "handout/ReadingLines.h"
#include "handout/SpreadPicture.h"
#include "look/ProgramColours.h"
#include "storage/FileAccess.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <memory>

namespace quillmere {

namespace {

constexpr qreal kLegendPoints = 8.5;
// A rule block of the reading text, drawn as a line across the page.
constexpr int kRuleBlock = 1;

// Lengths on the device, from millimetres.
class Units
{
public:
    explicit Units(const QPaintDevice& device)
        : m_dotsPerMm(device.logicalDpiY() / 25.4)
    { }
    qreal mm(qreal millimetres) const { return millimetres * m_dotsPerMm; }

private:
    qreal m_dotsPerMm;
};

// The reading text as a document: its lines as paragraphs, separators as rule blocks, addresses as links.
std::unique_ptr<QTextDocument> readingDocument(const StyledText& text)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentMargin(0);
    document->setDefaultFont(verdanaFont(10));
    QTextCursor cursor(document.get());
    bool first = true;
    for (const ReadingLine& line : readingLines(text)) {
        QTextBlockFormat block;
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        if (line.isRule) {
            cursor.block().setUserState(kRuleBlock);
            QTextCharFormat ruleFormat;
            ruleFormat.setForeground(programColours::fromRgb(line.ruleColour));
            cursor.setBlockCharFormat(ruleFormat);
            continue;
        }
        for (const LineSegment& segment : line.segments) {
            QTextCharFormat format;
            format.setFontWeight(segment.style.bold ? QFont::Bold : QFont::Normal);
            format.setForeground(programColours::fromRgb(segment.style.colour));
            format.setFontUnderline(segment.style.underline || !segment.link.isEmpty());
            if (!segment.link.isEmpty()) {
                format.setAnchor(true);
                format.setAnchorHref(segment.link.toString());
            }
            cursor.insertText(segment.style.text, format);
        }
    }
    return document;
}

// Where each page of the laid-out text begins, the text laid out in one long column. A page ends before the first
// card block (the blocks from one rule to the next) that would not fit on it whole; a block taller than a page is
// cut between paragraphs, and a paragraph taller than a page between its lines.
QList<qreal> pageTops(const QTextDocument& document, qreal pageHeight)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    QList<qreal> tops{0};
    const auto fits = [&](qreal bottom) { return bottom - tops.last() <= pageHeight + 0.5; };
    const auto startPageAt = [&](qreal top) {
        if (top > tops.last())
            tops.append(top);
    };
    QTextBlock groupStart = document.begin();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.userState() != kRuleBlock && block.next().isValid())
            continue;
        // Blank lines at the top of a group stay on the page before.
        while (groupStart != block && groupStart.text().isEmpty() && groupStart.userState() != kRuleBlock)
            groupStart = groupStart.next();
        const qreal groupTop = layout->blockBoundingRect(groupStart).top();
        const qreal groupBottom = layout->blockBoundingRect(block).bottom();
        if (!fits(groupBottom)) {
            if (groupBottom - groupTop <= pageHeight) {
                startPageAt(groupTop);
            } else {
                for (QTextBlock paragraph = groupStart; paragraph.isValid() && paragraph != block.next();
                     paragraph = paragraph.next()) {
                    const QRectF rect = layout->blockBoundingRect(paragraph);
                    if (fits(rect.bottom()))
                        continue;
                    if (rect.height() <= pageHeight) {
                        startPageAt(rect.top());
                        continue;
                    }
                    const QTextLayout* lines = paragraph.layout();
                    for (int i = 0; i < lines->lineCount(); ++i) {
                        const QRectF line = lines->lineAt(i).rect().translated(rect.topLeft());
                        if (!fits(line.bottom()))
                            startPageAt(line.top());
                    }
                }
            }
        }
        groupStart = block.next();
    }
    return tops;
}

void drawRules(QPainter& painter, const QTextDocument& document, const QRectF& visible, qreal thickness)
{
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.userState() != kRuleBlock)
            continue;
        const QRectF rect = layout->blockBoundingRect(block);
        if (!rect.intersects(visible))
            continue;
        const qreal y = rect.center().y();
        painter.setPen(QPen(block.charFormat().foreground().color(), thickness));
        painter.drawLine(QPointF(0, y), QPointF(document.textWidth(), y));
    }
}

QFont fontOf(qreal points, bool bold = false)
{
    return verdanaFont(points, bold);
}

// Draws text wrapped into the width from the top-left corner; returns its height.
qreal drawWrapped(QPainter& painter, const QRectF& area, const QString& text, int flags = Qt::AlignLeft)
{
    const QRectF needed = painter.boundingRect(area, flags | Qt::TextWordWrap, text);
    painter.drawText(QRectF(area.topLeft(), QSizeF(area.width(), needed.height())), flags | Qt::TextWordWrap, text);
    return needed.height();
}

class HandoutPainter
{
public:
    HandoutPainter(const ReadingHandout& handout, const DeckFolder& deck, QPagedPaintDevice& device)
        : m_handout(handout)
        , m_deck(deck)
        , m_device(device)
        , m_units(device)
    { }

    int paint()
    {
        const QRect paintRect = m_device.pageLayout().paintRectPixels(m_device.logicalDpiY());
        m_page = QRectF(QPointF(0, 0), QSizeF(paintRect.size()));
        m_body = m_page.adjusted(0, 0, 0, -m_units.mm(9));
        std::unique_ptr<QTextDocument> text = readingDocument(m_handout.text);
        text->documentLayout()->setPaintDevice(&m_device);
        text->setTextWidth(m_body.width());
        const QList<qreal> tops = m_handout.text.isEmpty() ? QList<qreal>() : pageTops(*text, m_body.height());
        const int textPages = static_cast<int>(tops.size());
        m_pageCount = 1 + textPages;

        QPainter painter;
        if (!painter.begin(&m_device))
            return 0;
        paintSpreadPage(painter);
        paintFooter(painter, 1);
        for (int page = 0; page < textPages; ++page) {
            m_device.newPage();
            const qreal top = tops[page];
            const qreal bottom = page + 1 < textPages ? tops[page + 1] : top + m_body.height();
            const QRectF visible(0, top, m_body.width(), bottom - top);
            painter.save();
            painter.translate(0, -top);
            painter.setClipRect(visible);
            QAbstractTextDocumentLayout::PaintContext context;
            context.clip = visible;
            context.palette.setColor(QPalette::Text, programColours::kHandoutText);
            text->documentLayout()->draw(&painter, context);
            drawRules(painter, *text, visible, m_units.mm(0.3));
            painter.restore();
            paintFooter(painter, page + 2);
        }
        painter.end();
        return m_pageCount;
    }

private:
    void paintSpreadPage(QPainter& painter)
    {
        qreal y = 0;
        painter.setPen(programColours::kHandoutTitle);
        painter.setFont(fontOf(20, true));
        const QString title = m_handout.querentName.trimmed().isEmpty()
            ? QStringLiteral("Tarot Reading")
            : QStringLiteral("Tarot Reading for %1").arg(m_handout.querentName.trimmed());
        y += drawWrapped(painter, QRectF(0, y, m_page.width(), 0), title);
        if (const QString spread = handoutSpreadTitle(m_handout); !spread.isEmpty()) {
            y += m_units.mm(1);
            painter.setPen(programColours::kHandoutSpreadName);
            painter.setFont(fontOf(13, true));
            y += drawWrapped(painter, QRectF(0, y, m_page.width(), 0), spread);
        }
        y += m_units.mm(4);
        y = paintDetails(painter, y);
        y += m_units.mm(3);
        painter.setPen(QPen(programColours::kHandoutTitle, m_units.mm(0.4)));
        painter.drawLine(QPointF(0, y), QPointF(m_page.width(), y));
        y += m_units.mm(6);

        const qreal legendHeight = this->legendHeight(painter);
        const QRectF spreadArea(0, y, m_page.width(), m_body.bottom() - legendHeight - m_units.mm(6) - y);
        paintSpread(painter, spreadArea);
        paintLegend(painter, QRectF(0, m_body.bottom() - legendHeight, m_page.width(), legendHeight));
    }

    qreal paintDetails(QPainter& painter, qreal y)
    {
        const QList<std::pair<QString, QString>> details = {
            {QStringLiteral("Name:"), detailOrNotMentioned(m_handout.querentName)},
            {QStringLiteral("Date of Birth:"), detailOrNotMentioned(m_handout.birthDate)},
            {QStringLiteral("Question:"), detailOrNotMentioned(m_handout.question)},
            {QStringLiteral("Date:"), QStringList{m_handout.date, m_handout.time}.join(QStringLiteral(", ")).trimmed()},
        };
        const QFont label = fontOf(10.5, true);
        const QFont value = fontOf(10.5);
        qreal labelWidth = 0;
        for (const auto& [name, text] : details)
            labelWidth = std::max(labelWidth, QFontMetricsF(label, &m_device).horizontalAdvance(name));
        labelWidth += m_units.mm(3);
        for (const auto& [name, text] : details) {
            painter.setFont(label);
            painter.setPen(programColours::kHandoutDetailLabel);
            painter.drawText(QRectF(0, y, labelWidth, m_units.mm(10)), Qt::AlignLeft | Qt::AlignTop, name);
            painter.setFont(value);
            painter.setPen(programColours::kHandoutText);
            y += drawWrapped(painter, QRectF(labelWidth, y, m_page.width() - labelWidth, 0), text);
            y += m_units.mm(1);
        }
        return y;
    }

    void paintSpread(QPainter& painter, const QRectF& area)
    {
        if (area.height() <= 0)
            return;
        // Pictures with as many pixels as the deck has, so the cards print sharp.
        const SpreadPicture spread(m_handout, m_deck, 2);
        const QRectF bounds = spread.cardsBounds();
        if (bounds.isEmpty())
            return;
        // A small spread is not blown up past cards of about six centimetres.
        const qreal widest = m_units.mm(60) / kCardPictureSize.width();
        const qreal scale = std::min({area.width() / bounds.width(), area.height() / bounds.height(), widest});
        const QSizeF shown = bounds.size() * scale;
        const QPointF origin(area.left() + (area.width() - shown.width()) / 2,
                             area.top() + (area.height() - shown.height()) / 2);
        spread.paint(painter, bounds, origin, scale);
    }

    struct LegendLayout
    {
        int columns = 1;
        int rows = 0;
        qreal rowHeight = 0;
    };

    LegendLayout legendLayout() const
    {
        LegendLayout layout;
        const int cards = static_cast<int>(m_handout.cards.size());
        layout.columns = cards > 5 ? 2 : 1;
        layout.rows = (cards + layout.columns - 1) / layout.columns;
        layout.rowHeight = QFontMetricsF(fontOf(kLegendPoints), &m_device).lineSpacing() * 1.35;
        return layout;
    }

    qreal legendHeight(QPainter&) const
    {
        const LegendLayout layout = legendLayout();
        return layout.rows * layout.rowHeight;
    }

    void paintLegend(QPainter& painter, const QRectF& area)
    {
        const LegendLayout layout = legendLayout();
        const qreal columnWidth = area.width() / layout.columns;
        const QFont numberFont = fontOf(kLegendPoints, true);
        const QFont titleFont = fontOf(kLegendPoints);
        const QFont cardFont = fontOf(kLegendPoints, true);
        const qreal numberWidth = QFontMetricsF(numberFont, &m_device).horizontalAdvance(QStringLiteral("10")) * 1.5;
        for (int k = 0; k < m_handout.cards.size(); ++k) {
            const int column = k / layout.rows;
            const int row = k % layout.rows;
            const QRectF cell(area.left() + column * columnWidth, area.top() + row * layout.rowHeight,
                              columnWidth - m_units.mm(2), layout.rowHeight);
            painter.setFont(numberFont);
            painter.setPen(programColours::kHandoutPositionNumber);
            painter.drawText(QRectF(cell.left(), cell.top(), numberWidth, cell.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, QString::number(k + 1));
            const HandoutCard& card = m_handout.cards[k];
            const QString title = shortPositionTitle(m_handout.spread(), k);
            QString name = Deck::isValidIndex(card.cardIndex) ? Deck::instance().name(card.cardIndex) : QString();
            if (card.reversed && !name.isEmpty())
                name += QStringLiteral(", reversed");
            qreal x = cell.left() + numberWidth;
            const qreal right = cell.right();
            if (!title.isEmpty()) {
                painter.setFont(titleFont);
                painter.setPen(programColours::kHandoutText);
                const QString shown = QFontMetricsF(titleFont, &m_device)
                                          .elidedText(title + QStringLiteral(": "), Qt::ElideRight, right - x);
                painter.drawText(QRectF(x, cell.top(), right - x, cell.height()), Qt::AlignLeft | Qt::AlignVCenter,
                                 shown);
                x += QFontMetricsF(titleFont, &m_device).horizontalAdvance(shown);
            }
            painter.setFont(cardFont);
            painter.setPen(programColours::kHandoutCardName);
            const QString shownName = QFontMetricsF(cardFont, &m_device).elidedText(name, Qt::ElideRight, right - x);
            painter.drawText(QRectF(x, cell.top(), std::max<qreal>(0, right - x), cell.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, shownName);
        }
    }

    void paintFooter(QPainter& painter, int page)
    {
        painter.save();
        painter.setClipping(false);
        painter.setFont(fontOf(8));
        painter.setPen(programColours::kHandoutFooter);
        const QRectF footer(0, m_body.bottom(), m_page.width(), m_page.bottom() - m_body.bottom());
        painter.drawText(footer, Qt::AlignHCenter | Qt::AlignBottom,
                         QStringLiteral("Page %1 of %2").arg(page).arg(m_pageCount));
        painter.restore();
    }

    const ReadingHandout& m_handout;
    const DeckFolder& m_deck;
    QPagedPaintDevice& m_device;
    Units m_units;
    QRectF m_page;
    QRectF m_body;
    int m_pageCount = 1;
};

} // namespace

QPageSize handoutPageSize(const QLocale& locale)
{
    // The countries whose usual paper is Letter.
    static const QList<QLocale::Territory> letter
        = {QLocale::UnitedStates, QLocale::Canada,    QLocale::Mexico,   QLocale::Philippines,
           QLocale::PuertoRico,   QLocale::Chile,     QLocale::Colombia, QLocale::Venezuela,
           QLocale::CostaRica,    QLocale::Guatemala, QLocale::Panama,   QLocale::DominicanRepublic,
           QLocale::ElSalvador,   QLocale::Nicaragua, QLocale::Honduras, QLocale::Belize};
    return QPageSize(letter.contains(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

QPageLayout handoutPageLayout(const QLocale& locale)
{
    return QPageLayout(handoutPageSize(locale), QPageLayout::Portrait, QMarginsF(18, 16, 18, 12),
                       QPageLayout::Millimeter);
}

int paintHandout(const ReadingHandout& handout, const DeckFolder& deck, QPagedPaintDevice& device)
{
    return HandoutPainter(handout, deck, device).paint();
}

QByteArray handoutPdf(const ReadingHandout& handout, const DeckFolder& deck, const QLocale& locale)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageLayout(handoutPageLayout(locale));
        writer.setCreator(QStringLiteral("Quillmere"));
        writer.setTitle(handout.querentName.isEmpty()
                            ? QStringLiteral("Tarot Reading")
                            : QStringLiteral("Tarot Reading for %1").arg(handout.querentName));
        if (paintHandout(handout, deck, writer) == 0)
            return {};
    }
    return bytes;
}

StorageResult writeHandoutPdf(const QString& path, const ReadingHandout& handout, const DeckFolder& deck,
                              const QLocale& locale)
{
    const QByteArray pdf = handoutPdf(handout, deck, locale);
    if (pdf.isEmpty())
        return StorageResult::failure(QStringLiteral("Could not write %1: the pages could not be laid out.").arg(path));
    return writeWholeFile(path, pdf);
}

} // namespace quillmere
