#include "handout/SpreadPicture.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "content/Twips.h"
#include "handout/CardImages.h"
#include "look/ProgramColours.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace quillmere {

namespace {

// Where a card lies when its spread is unknown: two rows of five, as the table's boxes start.
TwipsPoint fallbackPlace(int position)
{
    constexpr int lefts[] = {240, 2280, 4560, 6600, 8640};
    return {lefts[position % 5], position < 5 ? 1320 : 5000};
}

// The number of position 7 stands a little to the right, as on the table.
constexpr qreal kSeventhNumberOffset = 8;

void paintNumber(QPainter& painter, const QRectF& box, int position)
{
    QFont font = positionLabelFont();
    // The table's 14.25 pt at its 96 pixels per inch.
    font.setPixelSize(19);
    QPainterPath outline;
    const qreal left = box.left() + 1 + (position == 6 ? kSeventhNumberOffset : 0);
    outline.addText(QPointF(left, box.top() + QFontMetricsF(font).ascent()), font, QString::number(position + 1));
    painter.setPen(QPen(programColours::kHandoutPositionNumberHalo, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.fillPath(outline, programColours::kHandoutPositionNumber);
}

void paintEmptyFrame(QPainter& painter, const SpreadPicture::PlacedCard& card)
{
    painter.setPen(QPen(programColours::kSpreadPictureCardFrame, 1.5));
    painter.setBrush(programColours::kEmptyCardFace);
    painter.drawRect(card.box.adjusted(0.75, 0.75, -0.75, -0.75));
    if (!Deck::isValidIndex(card.cardIndex))
        return;
    QString name = Deck::instance().name(card.cardIndex);
    if (card.reversed)
        name += QStringLiteral("\n(reversed)");
    painter.setPen(programColours::kEmptyCardName);
    QFont font = verdanaFont(8, true);
    font.setPixelSize(12);
    painter.setFont(font);
    painter.drawText(card.box.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, name);
}

} // namespace

SpreadPicture::SpreadPicture(const ReadingHandout& handout, const DeckFolder& deck, qreal devicePixelRatio)
{
    const Spread* spread = handout.spread();
    QList<TwipsPoint> places;
    for (int k = 0; k < handout.cards.size() && k < kMaxCardsInSpread; ++k) {
        const HandoutCard& card = handout.cards[k];
        const SpreadPosition* position = spread ? spread->position(k) : nullptr;
        const TwipsPoint place = position ? position->place : fallbackPlace(k);
        places.append(place);
        if (!Deck::isValidIndex(card.cardIndex))
            continue;
        PlacedCard placed;
        placed.position = k;
        placed.cardIndex = card.cardIndex;
        placed.crossing = spread && spread->isCrossingCard(k);
        placed.reversed = card.reversed && !placed.crossing;
        QImage picture = loadCardPicture(deck, card.cardIndex, devicePixelRatio);
        if (placed.crossing)
            picture = rotatePicture90(picture);
        else if (placed.reversed)
            picture = rotatePicture180(picture);
        QSizeF size = picture.isNull() ? QSizeF(kCardPictureSize) : QSizeF(logicalSize(picture));
        if (picture.isNull() && placed.crossing)
            size.transpose();
        placed.box = QRectF(QPointF(twipsToPixels(place.left), twipsToPixels(place.top)), size);
        placed.picture = picture;
        m_cards.append(placed);
    }
    const TwipsSize table = cardTableSize(spread, places);
    m_tableSize = QSizeF(twipsToPixels(table.width), twipsToPixels(table.height));
}

QRectF SpreadPicture::cardsBounds() const
{
    QRectF bounds;
    for (const PlacedCard& card : m_cards)
        bounds = bounds.united(card.box);
    return bounds;
}

int SpreadPicture::pictureCount() const
{
    return static_cast<int>(
        std::count_if(m_cards.cbegin(), m_cards.cend(), [](const PlacedCard& card) { return !card.picture.isNull(); }));
}

void SpreadPicture::paint(QPainter& painter, const QRectF& source, QPointF origin, qreal scale) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(origin);
    painter.scale(scale, scale);
    painter.translate(-source.topLeft());
    // Higher positions lie above lower ones where cards overlap, as on the table.
    for (const PlacedCard& card : m_cards) {
        if (card.picture.isNull()) {
            paintEmptyFrame(painter, card);
        } else {
            painter.drawImage(card.box, card.picture);
            painter.setPen(QPen(programColours::kSpreadPictureCardFrame, 0.75));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(card.box);
        }
        paintNumber(painter, card.box, card.position);
    }
    painter.restore();
}

QImage cardTableImage(const ReadingHandout& handout, const DeckFolder& deck, qreal scale)
{
    const SpreadPicture spread(handout, deck, scale);
    const QRectF bounds = spread.cardsBounds();
    const QSizeF size = spread.tableSize().expandedTo(QSizeF(bounds.right(), bounds.bottom()));
    QImage image((size * scale).toSize(), QImage::Format_RGB32);
    image.fill(programColours::kSpreadPictureGround);
    QPainter painter(&image);
    spread.paint(painter, QRectF(QPointF(0, 0), size), QPointF(0, 0), scale);
    painter.end();
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace quillmere
