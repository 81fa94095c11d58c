#include "Artwork.h"
#include "Emblems.h"

#include "content/SpreadCatalogue.h"
#include "content/Twips.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRegion>

namespace quillmere::artwork {

namespace {

// A single card would fill the whole picture; this keeps it looking like a card on a table.
constexpr qreal kMostPixelsPerTwip = 0.034;
constexpr qreal kPictureMargin = 10;

void drawCloth(QPainter& p, const QRectF& area)
{
    QLinearGradient cloth(area.topLeft(), area.bottomRight());
    cloth.setColorAt(0, QColor(30, 38, 86));
    cloth.setColorAt(1, colour::kNightDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(cloth);
    p.drawRect(area);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::kGold, 1.4));
    p.drawRect(area.adjusted(3, 3, -3, -3));
    p.setPen(QPen(colour::kGoldDark, 0.8));
    p.drawRect(area.adjusted(5.5, 5.5, -5.5, -5.5));
}

void drawOutline(QPainter& p, const QRectF& card)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(card.translated(1.2, 1.2), 1.5, 1.5);
    p.setBrush(colour::kStock);
    p.setPen(QPen(colour::kEdge, 0.8));
    p.drawRoundedRect(card, 1.5, 1.5);
    if (std::min(card.width(), card.height()) >= 14) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour::kGold, 0.9));
        p.drawRect(card.adjusted(2.2, 2.2, -2.2, -2.2));
    }
}

// The largest rectangle of a card that no later card covers: where its number stays readable.
QRect visiblePart(const QList<QRectF>& cards, int k)
{
    QRegion visible(cards[k].toAlignedRect());
    for (int later = k + 1; later < cards.size(); ++later)
        visible -= QRegion(cards[later].toAlignedRect());
    QRect best;
    for (const QRect& part : visible) {
        if (part.width() * part.height() > best.width() * best.height())
            best = part;
    }
    return best.isEmpty() ? cards[k].toAlignedRect() : best;
}

} // namespace

QImage renderSpreadPicture(const Spread& spread)
{
    QImage image(kSpreadPictureSize, QImage::Format_RGB32);
    image.fill(colour::kNightDeep);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF area(QPointF(0, 0), QSizeF(kSpreadPictureSize));
    drawCloth(p, area);
    if (spread.positions.isEmpty())
        return image;

    // Every card box takes the size of its picture; the crossing card lies turned a quarter.
    const qreal cardWidth = pixelsToTwips(kCardFaceSize.width());
    const qreal cardHeight = pixelsToTwips(kCardFaceSize.height());
    QList<QRectF> places;
    QRectF bounds;
    for (int k = 0; k < spread.cardCount(); ++k) {
        const TwipsPoint place = spread.positions[k].place;
        const bool turned = isCrossingCard(spread.name, k);
        const QRectF box(place.left, place.top, turned ? cardHeight : cardWidth, turned ? cardWidth : cardHeight);
        places.append(box);
        bounds = k == 0 ? box : bounds.united(box);
    }

    const QRectF room = area.adjusted(kPictureMargin, kPictureMargin, -kPictureMargin, -kPictureMargin);
    const qreal scale = std::min({room.width() / bounds.width(), room.height() / bounds.height(), kMostPixelsPerTwip});
    const QPointF origin = room.center() - QPointF(bounds.width() * scale / 2, bounds.height() * scale / 2);
    QList<QRectF> cards;
    for (const QRectF& place : places)
        cards.append(QRectF(origin + (place.topLeft() - bounds.topLeft()) * scale, place.size() * scale));

    // Higher positions lie above lower ones, as on the card table.
    for (const QRectF& card : cards)
        drawOutline(p, card);

    for (int k = 0; k < cards.size(); ++k) {
        const QRect visible = visiblePart(cards, k);
        const qreal fontSize = std::clamp(
            std::min(std::min(cards[k].width(), cards[k].height()) * 0.55, visible.height() * 0.95), 7.0, 22.0);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(qRound(fontSize));
        font.setBold(true);
        p.setFont(font);
        p.setPen(colour::kInk);
        p.drawText(QRectF(visible), Qt::AlignCenter, QString::number(k + 1));
    }
    return image;
}

} // namespace quillmere::artwork
