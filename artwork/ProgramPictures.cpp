#include "Artwork.h"
#include "Emblems.h"

#include "content/Deck.h"
#include "content/PictureCards.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quillmere::artwork {

namespace {

int cardIndexByName(const char* name)
{
    const auto& names = cardNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (qstrcmp(names[i], name) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

void drawStarrySky(QPainter& p, const QRectF& area, quint32 seed, int count)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, colour::kNightDeep);
    sky.setColorAt(0.6, colour::kNight);
    sky.setColorAt(1, QColor(60, 34, 92));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRect(area);
    StarSeed random(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.next() * area.width(), area.top() + random.next() * area.height());
        const qreal size = 0.4 + random.next() * 1.2;
        QColor star = i % 4 == 0 ? colour::kGoldLight : colour::kSilver;
        star.setAlpha(100 + static_cast<int>(random.next() * 150));
        if (size > 1.3) {
            drawSparkle(p, at, size * 2.2, star);
        } else {
            p.setBrush(star);
            p.drawEllipse(at, size, size);
        }
    }
}

void drawMoonAt(QPainter& p, QPointF centre, qreal radius)
{
    QRadialGradient halo(centre, radius * 2.4);
    halo.setColorAt(0, QColor(246, 238, 200, 120));
    halo.setColorAt(1, QColor(246, 238, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius * 2.4, radius * 2.4);
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.85, radius * 0.85);
    p.setBrush(QColor(246, 236, 196));
    p.drawPath(disc.subtracted(bite));
}

// Draws a rendered card (or back) turned by angle about pivot, its bottom centre lying radius above the pivot,
// with a soft shadow: a fan of cards shares one pivot.
void drawCardImage(QPainter& p, const QImage& card, QPointF pivot, QSizeF size, qreal angle, qreal radius = 0)
{
    p.save();
    p.translate(pivot);
    p.rotate(angle);
    p.translate(0, -radius);
    const QRectF box(-size.width() / 2, -size.height(), size.width(), size.height());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRect(box.translated(2, 2));
    p.drawImage(box, card);
    p.restore();
}

void drawGoldFrame(QPainter& p, const QRectF& area)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::kGold, 1.4));
    p.drawRect(area.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(colour::kGoldDark, 0.8));
    p.drawRect(area.adjusted(5, 5, -5, -5));
}

} // namespace

QImage renderCardBack(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour::kStock);
    QPainter p(&image);
    drawCardBack(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QImage renderDetailsPicture()
{
    QImage image(kDetailsPictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(QPointF(0, 0), QSizeF(kDetailsPictureSize));
    drawStarrySky(p, area, 0x5eedu, 60);
    drawMoonAt(p, QPointF(28, 26), 13);
    const QSizeF cardSize(54, 93);
    const QPointF pivot(area.center().x() + 6, area.bottom() + 40);
    const char* const fan[] = {"The Moon", "The Star", "The Sun"};
    for (int i = 0; i < 3; ++i)
        drawCardImage(p, renderCardFace(cardIndexByName(fan[i])), pivot, cardSize, -15.0 + i * 15.0, 50);
    drawGoldFrame(p, area);
    return image;
}

QImage renderOptionsPicture()
{
    QImage image(kOptionsPictureSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF area(QPointF(0, 0), QSizeF(kOptionsPictureSize));
    // A reader's cloth: the deck fanned out face down above three cards turned up.
    QRadialGradient velvet(area.center(), area.height() * 0.75);
    velvet.setColorAt(0, QColor(118, 32, 56));
    velvet.setColorAt(1, QColor(54, 12, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(velvet);
    p.drawRect(area);
    StarSeed random(0xc10e);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(area.left() + 8 + random.next() * (area.width() - 16), 8 + random.next() * 52);
        drawSparkle(p, at, 1.2 + random.next() * 2.2,
                    QColor(246, 224, 150, 90 + static_cast<int>(random.next() * 140)));
    }
    drawMoonAt(p, QPointF(area.center().x(), 26), 10);

    const QImage back = renderCardBack(kLargeBackSize);
    const QPointF fanPivot(area.center().x(), 146);
    for (int i = 0; i < 9; ++i)
        drawCardImage(p, back, fanPivot, QSizeF(48, 83), -44.0 + i * 11.0);

    for (const PictureCard& card : optionsPictureCards(area.size())) {
        const QPointF foot(card.box.center().x(), card.box.bottom());
        drawCardImage(p, renderCardFace(card.cardIndex), foot, card.box.size(), 0);
    }
    drawGoldFrame(p, area);
    return image;
}

QImage renderIcon(int pixels)
{
    QImage image(QSize(pixels, pixels), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal s = pixels / 256.0;
    p.scale(s, s);

    QLinearGradient tile(0, 0, 0, 256);
    tile.setColorAt(0, QColor(44, 50, 118));
    tile.setColorAt(1, QColor(64, 28, 96));
    p.setPen(QPen(colour::kGold, 8));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

    // One card, turned slightly, with the star of hope on a night sky.
    p.translate(128, 132);
    p.rotate(-8);
    const QRectF card(-62, -104, 124, 208);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(card.translated(6, 6), 10, 10);
    p.setPen(QPen(colour::kEdge, 3));
    p.setBrush(colour::kStock);
    p.drawRoundedRect(card, 10, 10);
    const QRectF panel = card.adjusted(12, 12, -12, -12);
    QLinearGradient night(panel.topLeft(), panel.bottomLeft());
    night.setColorAt(0, colour::kNightDeep);
    night.setColorAt(1, QColor(58, 30, 92));
    p.setPen(QPen(colour::kGold, 4));
    p.setBrush(night);
    p.drawRect(panel);
    QRadialGradient glow(QPointF(0, -8), 70);
    glow.setColorAt(0, QColor(246, 224, 150, 160));
    glow.setColorAt(1, QColor(246, 224, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(0, -8), 70, 70);
    QLinearGradient gold(-50, 0, 50, 0);
    gold.setColorAt(0, colour::kGoldDark);
    gold.setColorAt(0.4, colour::kGoldLight);
    gold.setColorAt(1, colour::kGold);
    p.setPen(QPen(colour::kGoldDark, 3));
    p.setBrush(gold);
    p.drawPath(starPath(QPointF(0, -8), 50, 17, 8));
    p.setBrush(colour::kGoldLight);
    p.drawPath(starPath(QPointF(0, -8), 20, 8, 8, -67.5));
    QPainterPath moon;
    moon.addEllipse(QPointF(-26, 62), 14, 14);
    QPainterPath bite;
    bite.addEllipse(QPointF(-20, 58), 12, 12);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kSilver);
    p.drawPath(moon.subtracted(bite));
    drawSparkle(p, QPointF(24, 60), 9, colour::kSilver);
    return image;
}

} // namespace quillmere::artwork
