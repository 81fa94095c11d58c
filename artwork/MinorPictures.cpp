#include "Emblems.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quillmere::artwork {

namespace {

// Colours of the scenes behind the pips; they stay pale so the pips keep the eye.
const QColor kSkin(238, 206, 170);
const QColor kSkinLine(120, 80, 50);
const QColor kWater(120, 176, 214);
const QColor kWaterDeep(60, 118, 170);
const QColor kGrass(150, 190, 110);
const QColor kGrassDark(84, 128, 60);
const QColor kStone(176, 168, 160);
const QColor kStoneDark(104, 96, 96);
const QColor kCloud(250, 250, 252);
const QColor kWood(150, 96, 50);

bool isSlender(Suit suit)
{
    return suit == Suit::Swords || suit == Suit::Wands;
}

// One pip centred at centre, size units tall, turned by angle degrees.
void pip(QPainter& p, Suit suit, QPointF centre, qreal size, qreal angle = 0)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    drawSuitEmblem(p, suit, QRectF(-size / 2, -size / 2, size, size));
    p.restore();
}

// The places of a playing card's pips, columns and rows in fractions of the free area.
QList<QPointF> pipPlaces(int rank)
{
    constexpr qreal l = 0.2, c = 0.5, r = 0.8;
    switch (rank) {
    case 2:
        return {{c, 0}, {c, 1}};
    case 3:
        return {{c, 0}, {c, 0.5}, {c, 1}};
    case 4:
        return {{l, 0}, {r, 0}, {l, 1}, {r, 1}};
    case 5:
        return {{l, 0}, {r, 0}, {c, 0.5}, {l, 1}, {r, 1}};
    case 6:
        return {{l, 0}, {r, 0}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
    case 7:
        return {{l, 0}, {r, 0}, {c, 0.25}, {l, 0.5}, {r, 0.5}, {l, 1}, {r, 1}};
    case 8:
        return {{l, 0}, {r, 0}, {c, 0.25}, {l, 0.5}, {r, 0.5}, {c, 0.75}, {l, 1}, {r, 1}};
    case 9:
        return {{l, 0}, {r, 0}, {l, 1.0 / 3}, {r, 1.0 / 3}, {c, 0.5}, {l, 2.0 / 3}, {r, 2.0 / 3}, {l, 1}, {r, 1}};
    default:
        return {{l, 0},       {r, 0},       {c, 1.0 / 6}, {l, 1.0 / 3}, {r, 1.0 / 3},
                {l, 2.0 / 3}, {r, 2.0 / 3}, {c, 5.0 / 6}, {l, 1},       {r, 1}};
    }
}

// The centres of the usual pip layout in canvas units.
QList<QPointF> pipCentres(int rank, qreal size, qreal halfHeight, qreal inset = 0)
{
    const qreal top = -halfHeight + size / 2 + 2 + inset;
    const qreal bottom = halfHeight - size / 2 - 2 - inset;
    QList<QPointF> centres;
    for (const QPointF& place : pipPlaces(rank))
        centres.append(QPointF(-50 + place.x() * 100, top + place.y() * (bottom - top)));
    return centres;
}

void drawPips(QPainter& p, Suit suit, const QList<QPointF>& centres, qreal size, qreal angle = 0)
{
    for (const QPointF& centre : centres)
        pip(p, suit, centre, size, angle);
}

// Ground from y down to the bottom of the picture, gently rolling.
void ground(QPainter& p, qreal y, qreal halfHeight, const QColor& fill, qreal roll = 4)
{
    QPainterPath land;
    land.moveTo(-52, halfHeight + 2);
    land.lineTo(-52, y + roll);
    land.cubicTo(-20, y - roll, 20, y + roll * 1.5, 52, y - roll / 2);
    land.lineTo(52, halfHeight + 2);
    land.closeSubpath();
    p.setPen(outlinePen(fill.darker(125), 1));
    p.setBrush(fill);
    p.drawPath(land);
}

void water(QPainter& p, qreal y, qreal halfHeight)
{
    QLinearGradient sea(0, y, 0, halfHeight);
    sea.setColorAt(0, kWater);
    sea.setColorAt(1, kWaterDeep);
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawRect(QRectF(-52, y, 104, halfHeight - y + 2));
    p.setPen(outlinePen(QColor(230, 244, 250), 1.2));
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        const qreal wy = y + 5 + row * 7;
        for (int i = 0; i < 4; ++i) {
            const qreal x = -44 + i * 26 + (row % 2) * 12;
            p.drawArc(QRectF(x, wy, 12, 4), 0, 180 * 16);
        }
    }
}

void mountains(QPainter& p, qreal y, const QColor& fill)
{
    QPainterPath peaks;
    peaks.moveTo(-52, y + 20);
    peaks.lineTo(-52, y + 8);
    peaks.lineTo(-30, y - 14);
    peaks.lineTo(-14, y + 2);
    peaks.lineTo(6, y - 22);
    peaks.lineTo(30, y + 4);
    peaks.lineTo(42, y - 8);
    peaks.lineTo(52, y + 2);
    peaks.lineTo(52, y + 20);
    peaks.closeSubpath();
    p.setPen(outlinePen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawPath(peaks);
}

void crescentMoon(QPainter& p, QPointF centre, qreal radius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.5, -radius * 0.25), radius * 0.85, radius * 0.85);
    p.setPen(outlinePen(QColor(150, 140, 90), 1));
    p.setBrush(QColor(250, 240, 190));
    p.drawPath(disc.subtracted(bite));
}

void heart(QPainter& p, QPointF centre, qreal size, const QColor& fill)
{
    QPainterPath path;
    const qreal s = size / 2;
    path.moveTo(centre + QPointF(0, s * 0.9));
    path.cubicTo(centre + QPointF(-s * 1.25, s * 0.05), centre + QPointF(-s * 0.9, -s * 1.05),
                 centre + QPointF(0, -s * 0.4));
    path.cubicTo(centre + QPointF(s * 0.9, -s * 1.05), centre + QPointF(s * 1.25, s * 0.05),
                 centre + QPointF(0, s * 0.9));
    QRadialGradient shine(centre + QPointF(-s * 0.3, -s * 0.3), size);
    shine.setColorAt(0, fill.lighter(150));
    shine.setColorAt(1, fill);
    p.setPen(outlinePen(fill.darker(170), 2));
    p.setBrush(shine);
    p.drawPath(path);
}

void flower(QPainter& p, QPointF centre, qreal radius, const QColor& petals, const QColor& heart)
{
    p.setPen(outlinePen(petals.darker(140), 0.6));
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(72.0 * i - 90);
        p.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.6, radius * 0.55, radius * 0.55);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(heart);
    p.drawEllipse(centre, radius * 0.4, radius * 0.4);
}

void leaf(QPainter& p, QPointF base, qreal angle, qreal length, const QColor& fill = kGrassDark)
{
    p.save();
    p.translate(base);
    p.rotate(angle);
    QPainterPath shape;
    shape.moveTo(0, 0);
    shape.cubicTo(length * 0.3, -length * 0.4, length * 0.75, -length * 0.3, length, 0);
    shape.cubicTo(length * 0.75, length * 0.3, length * 0.3, length * 0.4, 0, 0);
    p.setPen(outlinePen(fill.darker(150), 0.8));
    p.setBrush(fill);
    p.drawPath(shape);
    p.restore();
}

void tower(QPainter& p, QRectF body, const QColor& fill)
{
    p.setPen(outlinePen(fill.darker(150), 1));
    p.setBrush(fill);
    p.drawRect(body);
    const qreal merlon = body.width() / 5;
    for (int i = 0; i < 5; i += 2)
        p.drawRect(QRectF(body.left() + i * merlon, body.top() - merlon, merlon, merlon));
}

// A small hand reaching out of a cloud, its palm at palm; the cloud lies toward angle + 180 degrees.
void handFromCloud(QPainter& p, QPointF palm, qreal angle, qreal size)
{
    p.save();
    p.translate(palm);
    p.rotate(angle);
    // The design reaches to the right, out of a cloud on the left.
    p.setPen(outlinePen(kSkinLine, 1.2));
    p.setBrush(kSkin);
    p.drawRoundedRect(QRectF(-size * 0.9, -size * 0.22, size * 0.8, size * 0.44), size * 0.2, size * 0.2);
    p.drawEllipse(QPointF(0, 0), size * 0.3, size * 0.34);
    p.drawEllipse(QPointF(size * 0.05, -size * 0.36), size * 0.1, size * 0.16);
    drawCloud(p, QPointF(-size * 1.1, 0), size * 1.3, kCloud);
    p.restore();
}

// A simple standing or walking person seen from afar: head, cloak and legs.
void person(QPainter& p, QPointF feet, qreal height, const QColor& cloak, bool bent = false)
{
    const qreal h = height;
    p.save();
    p.translate(feet);
    if (bent)
        p.rotate(25);
    p.setPen(outlinePen(cloak.darker(160), 1));
    p.setBrush(cloak);
    QPainterPath body;
    body.moveTo(-h * 0.16, -h * 0.15);
    body.lineTo(-h * 0.1, -h * 0.78);
    body.cubicTo(-h * 0.05, -h * 0.82, h * 0.05, -h * 0.82, h * 0.1, -h * 0.78);
    body.lineTo(h * 0.16, -h * 0.15);
    body.closeSubpath();
    p.drawPath(body);
    p.setPen(outlinePen(cloak.darker(180), h * 0.07));
    p.drawLine(QPointF(-h * 0.06, -h * 0.15), QPointF(-h * 0.08, 0));
    p.drawLine(QPointF(h * 0.06, -h * 0.15), QPointF(h * 0.08, 0));
    p.setPen(outlinePen(kSkinLine, 0.8));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(0, -h * 0.88), h * 0.11, h * 0.12);
    p.restore();
}

// ---- Cups ----

void cupsScene(QPainter& p, int rank, qreal H)
{
    const Suit s = Suit::Cups;
    switch (rank) {
    case 2: {
        // The caduceus crowned by the winged lion's head between the pledged cups.
        const qreal size = 40;
        pip(p, s, {-22, 38}, size, 8);
        pip(p, s, {22, 38}, size, -8);
        p.setPen(outlinePen(colour::kGoldDark, 2));
        p.drawLine(QPointF(0, -50), QPointF(0, 8));
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath snake;
            snake.moveTo(0, 6);
            for (int i = 0; i < 4; ++i) {
                const qreal y = 6 - (i + 1) * 12;
                snake.quadTo(side * (i % 2 == 0 ? 9 : -9), y + 6, 0, y);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(outlinePen(side < 0 ? QColor(60, 130, 70) : QColor(170, 50, 50), 2.2));
            p.drawPath(snake);
        }
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath wing;
            wing.moveTo(0, -50);
            wing.cubicTo(side * 10, -66, side * 30, -66, side * 38, -58);
            wing.cubicTo(side * 28, -56, side * 20, -50, 0, -46);
            p.setPen(outlinePen(QColor(140, 100, 40), 1));
            p.setBrush(QColor(230, 190, 120));
            p.drawPath(wing);
        }
        p.setPen(outlinePen(QColor(120, 60, 20), 1.2));
        p.setBrush(QColor(220, 130, 50));
        p.drawEllipse(QPointF(0, -52), 7, 7);
        p.setBrush(QColor(250, 214, 150));
        p.drawEllipse(QPointF(0, -51), 4, 4);
        break;
    }
    case 3: {
        // Three cups raised together over the harvest.
        ground(p, 42, H, kGrass);
        for (int i = 0; i < 3; ++i) {
            p.setPen(outlinePen(QColor(150, 80, 20), 1));
            p.setBrush(QColor(230, 140, 40));
            p.drawEllipse(QPointF(-30 + i * 30, 58 - (i % 2) * 4), 9, 7);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 60, 140));
        for (int i = 0; i < 6; ++i)
            p.drawEllipse(QPointF(-14 + (i % 3) * 4 + (i / 3) * 2, 56 + (i / 3) * 4), 2.4, 2.4);
        pip(p, s, {-26, -18}, 36, -18);
        pip(p, s, {26, -18}, 36, 18);
        pip(p, s, {0, -40}, 36, 0);
        for (const QPointF& arm : {QPointF(-26, 0), QPointF(26, 0), QPointF(0, -22)}) {
            p.setPen(outlinePen(kSkinLine, 5));
            p.drawLine(arm, arm + QPointF(arm.x() * 0.2, 16));
            p.setPen(outlinePen(kSkin, 3.4));
            p.drawLine(arm, arm + QPointF(arm.x() * 0.2, 16));
        }
        break;
    }
    case 4: {
        // Three cups on the grass, and a fourth held out from a cloud.
        ground(p, 52, H, kGrass);
        for (int i = 0; i < 3; ++i)
            pip(p, s, {-32.0 + i * 32, 46}, 30);
        pip(p, s, {-6, -18}, 30, 0);
        handFromCloud(p, QPointF(-4, -2), -150, 18);
        break;
    }
    case 5: {
        // Three cups spilled, two still standing.
        ground(p, 50, H, QColor(160, 170, 130));
        const QColor wine(150, 40, 60);
        for (const QPointF& at : {QPointF(-30, -40), QPointF(8, -12), QPointF(-26, 16)}) {
            p.setPen(outlinePen(wine.darker(140), 1));
            p.setBrush(wine);
            p.drawEllipse(at + QPointF(18, 9), 14, 3.5);
            pip(p, s, at, 30, 100);
        }
        pip(p, s, {-22, 50}, 30);
        pip(p, s, {22, 50}, 30);
        // The mourner's black cloak, between the spilled cups and the standing ones.
        QPainterPath cloak;
        cloak.moveTo(28, 34);
        cloak.lineTo(34, -40);
        cloak.cubicTo(38, -56, 50, -56, 52, -40);
        cloak.lineTo(52, 34);
        cloak.closeSubpath();
        p.setPen(outlinePen(QColor(10, 10, 16), 1));
        p.setBrush(QColor(34, 32, 44));
        p.drawPath(cloak);
        break;
    }
    case 6: {
        // Cups filled with flowers, given as in childhood.
        const qreal size = 36;
        const QList<QPointF> centres = pipCentres(6, size, H, 4);
        for (const QPointF& c : centres) {
            pip(p, s, c, size);
            for (int i = -1; i <= 1; ++i) {
                p.setPen(outlinePen(kGrassDark, 1));
                p.drawLine(c + QPointF(i * 6, -12), c + QPointF(i * 7, -18));
                flower(p, c + QPointF(i * 7, -19 - (i == 0 ? 3 : 0)), 5, QColor(255, 255, 255), colour::kGold);
            }
        }
        break;
    }
    case 7: {
        // Seven cups in a cloud, each holding its vision.
        drawCloud(p, QPointF(-14, -40), 80, kCloud);
        drawCloud(p, QPointF(16, 10), 84, kCloud);
        drawCloud(p, QPointF(-10, 52), 80, kCloud);
        const qreal size = 31;
        const QList<QPointF> centres = pipCentres(7, size, H);
        for (int i = 0; i < centres.size(); ++i) {
            const QPointF c = centres[i];
            pip(p, s, c, size);
            const QPointF v = c + QPointF(0, -5);
            switch (i) {
            case 0: // a fair head
                p.setPen(outlinePen(kSkinLine, 0.8));
                p.setBrush(kSkin);
                p.drawEllipse(v, 4.5, 5);
                break;
            case 1: // the veiled, glowing figure
                p.setPen(outlinePen(QColor(200, 180, 120), 0.8));
                p.setBrush(QColor(255, 250, 230));
                p.drawPath(starPath(v, 6, 3, 3));
                break;
            case 2: // a serpent
                p.setBrush(Qt::NoBrush);
                p.setPen(outlinePen(QColor(60, 130, 60), 2));
                p.drawPolyline(
                    QList<QPointF>{v + QPointF(-5, 3), v + QPointF(-2, -3), v + QPointF(2, 3), v + QPointF(5, -3)});
                break;
            case 3: // a castle on a rock
                tower(p, QRectF(v.x() - 4, v.y() - 3, 8, 8), kStone);
                break;
            case 4: // a heap of jewels
                p.setPen(Qt::NoPen);
                for (int j = 0; j < 4; ++j) {
                    p.setBrush(j % 2 == 0 ? colour::kRuby : colour::kSapphire);
                    p.drawEllipse(v + QPointF(-4 + j * 2.7, (j % 2) * -2.5), 2.3, 2.3);
                }
                break;
            case 5: // a laurel wreath
                p.setBrush(Qt::NoBrush);
                p.setPen(outlinePen(kGrassDark, 2));
                p.drawEllipse(v, 5, 5);
                break;
            default: // a dragon
                p.setPen(outlinePen(QColor(120, 20, 20), 0.8));
                p.setBrush(QColor(200, 50, 40));
                p.drawPath(starPath(v, 6, 2.5, 5));
                break;
            }
        }
        break;
    }
    case 8: {
        // Eight stacked cups left behind for the mountains under the moon.
        mountains(p, 20, QColor(170, 160, 180));
        crescentMoon(p, QPointF(0, -58), 9);
        person(p, QPointF(6, 30), 22, QColor(160, 40, 40));
        const qreal size = 28;
        const QList<QPointF> stack
            = {{-38, 56}, {-18, 56}, {2, 56}, {-28, 36}, {-8, 36}, {-18, 16}, {30, 56}, {40, 38}};
        for (const QPointF& c : stack)
            pip(p, s, c, size);
        break;
    }
    case 9: {
        // The wish fulfilled: nine cups on a curved, draped shelf.
        QPainterPath drape;
        drape.moveTo(-48, -10);
        drape.cubicTo(-30, -46, 30, -46, 48, -10);
        drape.lineTo(48, 8);
        drape.cubicTo(30, -26, -30, -26, -48, 8);
        drape.closeSubpath();
        p.setPen(outlinePen(QColor(30, 60, 110), 1));
        p.setBrush(QColor(70, 110, 180));
        p.drawPath(drape);
        const qreal size = 24;
        for (int i = 0; i < 5; ++i) {
            const qreal angle = qDegreesToRadians(200 + i * 35.0);
            pip(p, s, QPointF(0, 4) + QPointF(std::cos(angle) * 40, std::sin(angle) * 40 - 4), size);
        }
        for (int i = 0; i < 4; ++i)
            pip(p, s, QPointF(-33 + i * 22, 30), size);
        person(p, QPointF(0, H - 2), 30, QColor(200, 60, 60));
        p.setPen(outlinePen(QColor(200, 60, 60).darker(150), 4));
        p.drawLine(QPointF(-6, H - 16), QPointF(6, H - 16));
        p.setPen(outlinePen(kSkinLine, 0.8));
        p.drawEllipse(QPointF(0, H - 28.5), 3, 2);
        break;
    }
    default: {
        // The rainbow of ten cups over the family's home.
        const QColor bands[] = {QColor(220, 70, 60), QColor(240, 160, 50), QColor(240, 220, 80), QColor(90, 170, 80),
                                QColor(70, 120, 200)};
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(bands[i], 4.2, Qt::SolidLine, Qt::FlatCap));
            const qreal r = 48 - i * 4;
            p.drawArc(QRectF(-r, 6 - r, 2 * r, 2 * r), 0, 180 * 16);
        }
        ground(p, 46, H, kGrass);
        p.setPen(outlinePen(QColor(120, 60, 40), 1));
        p.setBrush(QColor(230, 220, 200));
        p.drawRect(QRectF(18, 38, 12, 9));
        p.setBrush(QColor(180, 70, 50));
        QPainterPath roof;
        roof.moveTo(16, 38);
        roof.lineTo(24, 31);
        roof.lineTo(32, 38);
        roof.closeSubpath();
        p.drawPath(roof);
        person(p, QPointF(-28, 66), 20, QColor(60, 90, 160));
        person(p, QPointF(-18, 66), 20, QColor(190, 60, 60));
        person(p, QPointF(0, 68), 12, QColor(220, 170, 60));
        person(p, QPointF(8, 68), 12, QColor(120, 170, 90));
        const qreal size = 17;
        for (int i = 0; i < 10; ++i) {
            const qreal angle = qDegreesToRadians(180 + i * 20.0);
            pip(p, s, QPointF(0, 6) + QPointF(std::cos(angle), std::sin(angle)) * 40, size,
                qRadiansToDegrees(angle) + 90);
        }
        break;
    }
    }
}

// ---- Pentacles ----

void pentaclesScene(QPainter& p, int rank, qreal H)
{
    const Suit s = Suit::Pentacles;
    switch (rank) {
    case 2: {
        // Two coins juggled in the endless figure of eight, ships on the waves behind.
        water(p, 40, H);
        QPainterPath ribbon;
        for (int i = 0; i <= 72; ++i) {
            const qreal t = 2 * M_PI * i / 72;
            const qreal d = 1 + std::sin(t) * std::sin(t);
            const QPointF point(46 * std::sin(t) * std::cos(t) / d * 1.4, 66 * std::cos(t) / d);
            if (i == 0)
                ribbon.moveTo(point);
            else
                ribbon.lineTo(point);
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(QColor(30, 80, 40), 6.5));
        p.drawPath(ribbon);
        p.setPen(outlinePen(QColor(100, 170, 90), 4));
        p.drawPath(ribbon);
        pip(p, s, {0, -34}, 34);
        pip(p, s, {0, 34}, 34);
        break;
    }
    case 3: {
        // The cathedral arch where the mason works: three coins carved in the vault.
        QPainterPath arch;
        arch.moveTo(-42, H + 2);
        arch.lineTo(-42, -20);
        arch.quadTo(-42, -64, 0, -72);
        arch.quadTo(42, -64, 42, -20);
        arch.lineTo(42, H + 2);
        arch.lineTo(30, H + 2);
        arch.lineTo(30, -18);
        arch.quadTo(30, -52, 0, -60);
        arch.quadTo(-30, -52, -30, -18);
        arch.lineTo(-30, H + 2);
        arch.closeSubpath();
        p.setPen(outlinePen(kStoneDark, 1));
        p.setBrush(kStone);
        p.drawPath(arch);
        pip(p, s, {0, -36}, 26);
        pip(p, s, {-14, -12}, 26);
        pip(p, s, {14, -12}, 26);
        // The mason's bench.
        p.setPen(outlinePen(kWood.darker(150), 1));
        p.setBrush(kWood);
        p.drawRect(QRectF(-26, 40, 52, 6));
        p.drawRect(QRectF(-22, 46, 4, 20));
        p.drawRect(QRectF(18, 46, 4, 20));
        person(p, QPointF(0, 38), 30, QColor(200, 170, 110));
        break;
    }
    case 4: {
        // The miser's city at his back.
        for (int i = 0; i < 7; ++i) {
            const qreal height = 18 + (i * 37) % 22;
            tower(p, QRectF(-50 + i * 14.5, 50 - height, 13, height + 30), QColor(170, 176, 190));
        }
        // One coin on his crown, one gripped to his chest, two under his feet.
        person(p, QPointF(0, 58), 100, QColor(170, 60, 50));
        p.setPen(outlinePen(colour::kGoldDark, 1.2));
        p.setBrush(colour::kGold);
        QPainterPath crown;
        crown.moveTo(-8, -30);
        crown.lineTo(-10, -40);
        crown.lineTo(-4, -34);
        crown.lineTo(0, -42);
        crown.lineTo(4, -34);
        crown.lineTo(10, -40);
        crown.lineTo(8, -30);
        crown.closeSubpath();
        p.drawPath(crown);
        pip(p, s, {0, -54}, 26);
        pip(p, s, {0, 4}, 32);
        pip(p, s, {-22, 60}, 26);
        pip(p, s, {22, 60}, 26);
        break;
    }
    case 5: {
        // The lit church window above two figures in the snow.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 74, 96));
        p.drawRect(QRectF(-52, -H - 2, 104, 2 * H + 4));
        QPainterPath window;
        window.moveTo(-32, 6);
        window.lineTo(-32, -44);
        window.quadTo(-32, -70, 0, -72);
        window.quadTo(32, -70, 32, -44);
        window.lineTo(32, 6);
        window.closeSubpath();
        QRadialGradient light(QPointF(0, -30), 50);
        light.setColorAt(0, QColor(255, 240, 170));
        light.setColorAt(1, QColor(230, 160, 60));
        p.setPen(outlinePen(QColor(40, 30, 20), 2));
        p.setBrush(light);
        p.drawPath(window);
        p.setPen(outlinePen(QColor(80, 60, 40), 1));
        p.drawLine(QPointF(0, -72), QPointF(0, 6));
        p.drawLine(QPointF(-32, -20), QPointF(32, -20));
        pip(p, s, {-16, -44}, 22);
        pip(p, s, {16, -44}, 22);
        pip(p, s, {0, -26}, 22);
        pip(p, s, {-16, -6}, 22);
        pip(p, s, {16, -6}, 22);
        ground(p, 50, H, QColor(240, 244, 250), 2);
        person(p, QPointF(-18, 66), 34, QColor(110, 90, 70), true);
        person(p, QPointF(16, 66), 30, QColor(90, 100, 80), true);
        p.setPen(outlinePen(QColor(80, 60, 40), 1.6));
        p.drawLine(QPointF(-30, 66), QPointF(-24, 40));
        StarSeed snow(5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 220));
        for (int i = 0; i < 40; ++i)
            p.drawEllipse(QPointF(-50 + snow.next() * 100, 8 + snow.next() * 60), 1.1, 1.1);
        break;
    }
    case 6: {
        // The merchant's scales between the columns of coins.
        const qreal size = 34;
        drawPips(p, s, pipCentres(6, size, H, 4), size);
        p.setPen(outlinePen(colour::kGoldDark, 2));
        p.drawLine(QPointF(0, -34), QPointF(0, 30));
        p.drawLine(QPointF(-12, -28), QPointF(12, -28));
        p.setBrush(colour::kGold);
        for (qreal side : {-1.0, 1.0}) {
            p.setPen(outlinePen(colour::kGoldDark, 1));
            p.drawLine(QPointF(side * 12, -28), QPointF(side * 7, -10));
            p.drawLine(QPointF(side * 12, -28), QPointF(side * 17, -10));
            p.drawChord(QRectF(side * 12 - 7, -16, 14, 12), 180 * 16, 180 * 16);
        }
        p.drawEllipse(QPointF(0, -35), 2.5, 2.5);
        p.drawRect(QRectF(-8, 30, 16, 4));
        break;
    }
    case 7: {
        // Coins growing on a leafy vine.
        QPainterPath vine;
        vine.moveTo(0, H);
        vine.cubicTo(-30, 40, 30, 10, 0, -20);
        vine.cubicTo(-24, -40, 20, -60, 0, -H);
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(QColor(70, 110, 40), 4));
        p.drawPath(vine);
        for (int i = 0; i < 12; ++i) {
            const QPointF at = vine.pointAtPercent(0.04 + i * 0.08);
            leaf(p, at, i % 2 == 0 ? -30 : 210, 14, kGrassDark);
        }
        const qreal size = 31;
        drawPips(p, s, pipCentres(7, size, H), size);
        break;
    }
    case 8: {
        // The apprentice's post: coins hung up one by one as they are finished.
        p.setPen(outlinePen(kWood.darker(150), 1.2));
        p.setBrush(kWood);
        p.drawRect(QRectF(-3, -H, 6, 2 * H - 10));
        p.drawRect(QRectF(-16, H - 12, 32, 8));
        const qreal size = 27;
        for (int row = 0; row < 4; ++row) {
            const qreal y = -54 + row * 32;
            p.setPen(outlinePen(kWood.darker(150), 1));
            p.setBrush(kWood.lighter(115));
            p.drawRect(QRectF(-32, y - 15, 64, 3));
            for (qreal side : {-1.0, 1.0})
                pip(p, s, QPointF(side * 18, y), size);
        }
        break;
    }
    case 9: {
        // The hooded falcon in the vineyard.
        for (int i = 0; i < 6; ++i) {
            const QPointF bunch(-40 + (i % 3) * 40, -10 + (i / 3) * 48);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 70, 150, 170));
            for (int g = 0; g < 6; ++g)
                p.drawEllipse(bunch + QPointF(-3 + (g % 3) * 3, (g / 3) * 3 + (g % 3 == 1 ? 1 : 0)), 2, 2);
        }
        const qreal size = 27;
        drawPips(p, s, pipCentres(9, size, H), size);
        const QPointF falcon(0, -58);
        p.setPen(outlinePen(QColor(60, 40, 20), 1));
        p.setBrush(QColor(150, 110, 70));
        p.drawEllipse(falcon + QPointF(0, 4), 6, 9);
        p.setBrush(QColor(170, 40, 40));
        p.drawEllipse(falcon + QPointF(0, -7), 4.5, 4.5);
        p.setBrush(QColor(230, 190, 60));
        QPainterPath beak;
        beak.moveTo(falcon + QPointF(3.5, -7));
        beak.lineTo(falcon + QPointF(7, -5));
        beak.lineTo(falcon + QPointF(3.5, -4.5));
        beak.closeSubpath();
        p.drawPath(beak);
        p.setPen(outlinePen(kSkinLine, 3));
        p.drawLine(falcon + QPointF(-8, 14), falcon + QPointF(8, 14));
        break;
    }
    default: {
        // The archway of the family estate with the coins laid out as the tree of life.
        QPainterPath arch;
        arch.moveTo(-48, H + 2);
        arch.lineTo(-48, -40);
        arch.arcTo(QRectF(-48, -H - 2, 96, 70), 180, -180);
        arch.lineTo(48, H + 2);
        arch.lineTo(40, H + 2);
        arch.lineTo(40, -38);
        arch.arcTo(QRectF(-40, -H + 6, 80, 60), 0, 180);
        arch.lineTo(-40, H + 2);
        arch.closeSubpath();
        p.setPen(outlinePen(kStoneDark, 1));
        p.setBrush(kStone);
        p.drawPath(arch);
        const QList<QPointF> tree
            = {{0, -56}, {-22, -40}, {22, -40}, {-22, -10}, {22, -10}, {0, 4}, {-22, 22}, {22, 22}, {0, 38}, {0, 60}};
        p.setPen(outlinePen(colour::kGold, 1.6));
        const int paths[][2] = {{0, 1}, {0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 5}, {3, 6}, {4, 7},
                                {5, 8}, {6, 8}, {7, 8}, {8, 9}, {1, 2}, {3, 4}, {6, 7}, {0, 5}};
        for (const auto& pair : paths)
            p.drawLine(tree[pair[0]], tree[pair[1]]);
        for (const QPointF& c : tree)
            pip(p, s, c, 20);
        break;
    }
    }
}

// ---- Swords ----

void swordsScene(QPainter& p, int rank, qreal H)
{
    const Suit s = Suit::Swords;
    switch (rank) {
    case 2: {
        // Two blades crossed over the heart, the sea and the new moon behind.
        water(p, 34, H);
        crescentMoon(p, QPointF(32, -58), 8);
        pip(p, s, {0, -6}, 96, -38);
        pip(p, s, {0, -6}, 96, 38);
        QPainterPath blindfold;
        p.setPen(outlinePen(QColor(170, 170, 180), 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(-10, -12, 20, 6), 3, 3);
        break;
    }
    case 3: {
        // Three swords through a heart under the rain.
        drawCloud(p, QPointF(-20, -62), 50, QColor(200, 204, 214));
        drawCloud(p, QPointF(22, -64), 50, QColor(200, 204, 214));
        p.setPen(outlinePen(QColor(150, 160, 190), 1));
        for (int i = 0; i < 14; ++i) {
            const qreal x = -46 + i * 7;
            for (qreal y : {-46.0, 40.0, 56.0})
                p.drawLine(QPointF(x + (i % 2) * 3, y + (i % 3) * 4),
                           QPointF(x - 2 + (i % 2) * 3, y + 6 + (i % 3) * 4));
        }
        heart(p, QPointF(0, 6), 66, QColor(200, 40, 60));
        pip(p, s, {0, 0}, 100, 180);
        pip(p, s, {0, 0}, 92, 145);
        pip(p, s, {0, 0}, 92, 215);
        break;
    }
    case 4: {
        // The knight at rest on his tomb: three blades on the wall above, one beneath.
        p.setPen(outlinePen(kStoneDark, 1.2));
        p.setBrush(kStone);
        p.drawRect(QRectF(-46, 30, 92, 36));
        p.setBrush(kStone.lighter(110));
        p.drawRect(QRectF(-48, 26, 96, 6));
        // The effigy, hands joined in prayer.
        p.setPen(outlinePen(QColor(90, 90, 110), 1));
        p.setBrush(QColor(200, 200, 215));
        p.drawRoundedRect(QRectF(-34, 16, 62, 11), 5, 5);
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(34, 20), 6, 6);
        QPainterPath hands;
        hands.moveTo(6, 16);
        hands.lineTo(9, 8);
        hands.lineTo(12, 16);
        hands.closeSubpath();
        p.drawPath(hands);
        pip(p, s, {-28, -34}, 58, 180);
        pip(p, s, {0, -38}, 58, 180);
        pip(p, s, {28, -34}, 58, 180);
        pip(p, s, {0, 48}, 60, 90);
        break;
    }
    case 5: {
        // The victor gathers three blades while two lie on the ground, under a torn sky.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 204, 220));
        for (int i = 0; i < 3; ++i) {
            QPainterPath rag;
            const qreal y = -66 + i * 12;
            rag.moveTo(-52, y);
            rag.lineTo(10 + i * 12, y - 4);
            rag.lineTo(-6 + i * 10, y + 3);
            rag.lineTo(30 + i * 8, y + 4);
            rag.lineTo(-52, y + 7);
            rag.closeSubpath();
            p.drawPath(rag);
        }
        ground(p, 44, H, QColor(176, 176, 150));
        pip(p, s, {-24, -6}, 64, -12);
        pip(p, s, {-12, -8}, 64, 0);
        pip(p, s, {0, -6}, 64, 12);
        person(p, QPointF(22, 58), 40, QColor(190, 80, 60));
        pip(p, s, {-18, 58}, 44, 90);
        pip(p, s, {30, 66}, 40, -80);
        break;
    }
    case 6: {
        // The ferry carrying six upright blades across to calmer water.
        water(p, 26, H);
        QPainterPath boat;
        boat.moveTo(-44, 30);
        boat.lineTo(44, 30);
        boat.cubicTo(36, 46, -36, 46, -44, 30);
        boat.closeSubpath();
        person(p, QPointF(-8, 32), 26, QColor(120, 100, 140), true);
        person(p, QPointF(36, 32), 34, QColor(80, 70, 60));
        for (int i = 0; i < 6; ++i)
            pip(p, s, QPointF(-34 + i * 11, -2 + (i % 2) * 4), 58);
        p.setPen(outlinePen(QColor(80, 40, 20), 1.2));
        p.setBrush(kWood);
        p.drawPath(boat);
        p.setPen(outlinePen(QColor(80, 40, 20), 2));
        p.drawLine(QPointF(40, 24), QPointF(26, 60));
        break;
    }
    case 7: {
        // Five blades carried off from the camp, two left standing.
        ground(p, 44, H, QColor(200, 190, 140));
        const QColor tents[] = {QColor(200, 80, 60), QColor(80, 120, 180), QColor(220, 180, 70)};
        for (int i = 0; i < 3; ++i) {
            QPainterPath tent;
            const qreal x = -44 + i * 18;
            tent.moveTo(x, 52);
            tent.lineTo(x + 8, 36);
            tent.lineTo(x + 16, 52);
            tent.closeSubpath();
            p.setPen(outlinePen(tents[i].darker(150), 1));
            p.setBrush(tents[i]);
            p.drawPath(tent);
        }
        for (int i = 0; i < 5; ++i)
            pip(p, s, QPointF(-22 + i * 7, -22 + i * 2), 62, -30 + i * 4);
        pip(p, s, {30, 34}, 52, 180);
        pip(p, s, {42, 30}, 52, 180);
        break;
    }
    case 8: {
        // The bound and blindfolded woman among the planted blades, the way out open behind her.
        ground(p, 56, H, QColor(150, 150, 130), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kWater);
        p.drawEllipse(QPointF(-20, 64), 10, 2.5);
        p.drawEllipse(QPointF(24, 66), 12, 2.5);
        for (qreal x : {-42.0, -28.0, 28.0, 42.0})
            for (qreal y : {-36.0, 24.0})
                pip(p, s, QPointF(x, y + (std::abs(x) > 35 ? 6 : 0)), 50, 180);
        QPainterPath gown;
        gown.moveTo(-10, 62);
        gown.lineTo(-8, -12);
        gown.cubicTo(-6, -20, 6, -20, 8, -12);
        gown.lineTo(10, 62);
        gown.closeSubpath();
        p.setPen(outlinePen(QColor(120, 30, 30), 1));
        p.setBrush(QColor(190, 60, 60));
        p.drawPath(gown);
        p.setPen(outlinePen(QColor(240, 230, 200), 1.6));
        for (int i = 0; i < 5; ++i)
            p.drawLine(QPointF(-9, -4 + i * 12), QPointF(9, 2 + i * 12));
        p.setPen(outlinePen(kSkinLine, 0.8));
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(0, -26), 7, 8);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(-7.5, -29, 15, 4));
        break;
    }
    case 9: {
        // Nine blades across the dark wall above the sleepless one sitting up in bed.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 24, 34));
        p.drawRect(QRectF(-52, -H - 2, 104, H + 40));
        for (int i = 0; i < 9; ++i) {
            const qreal y = -64 + i * 9.5;
            drawSlimSword(p, QPointF(-42, y), QPointF(44, y), 3.4);
        }
        p.setPen(outlinePen(kWood.darker(150), 1));
        p.setBrush(kWood);
        p.drawRect(QRectF(-48, 30, 6, 40));
        p.drawRect(QRectF(-48, 50, 96, 8));
        // The quilt of roses and signs.
        for (int i = 0; i < 8; ++i) {
            p.setBrush(i % 2 == 0 ? colour::kRuby : colour::kSapphire);
            p.drawRect(QRectF(-42 + i * 11, 40, 11, 10));
        }
        p.setPen(outlinePen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(220, 220, 230));
        p.drawRoundedRect(QRectF(-18, 14, 22, 28), 6, 6);
        p.setPen(outlinePen(kSkinLine, 0.8));
        p.setBrush(kSkin);
        p.drawEllipse(QPointF(-7, 8), 7, 8);
        p.drawEllipse(QPointF(-7, 10), 8, 3.5);
        break;
    }
    default: {
        // Ten blades in the back of a figure lying face down, the dawn breaking beyond.
        QLinearGradient sky(0, -H, 0, 30);
        sky.setColorAt(0, QColor(20, 20, 34));
        sky.setColorAt(0.7, QColor(40, 40, 70));
        sky.setColorAt(1, QColor(250, 200, 90));
        p.setPen(Qt::NoPen);
        p.setBrush(sky);
        p.drawRect(QRectF(-52, -H - 2, 104, H + 32));
        water(p, 30, H);
        ground(p, 50, H, QColor(60, 60, 60), 1);
        // The figure: head to the left, a red cloth over the legs.
        p.setPen(outlinePen(QColor(20, 20, 20), 1));
        p.setBrush(QColor(40, 40, 44));
        p.drawRoundedRect(QRectF(-34, 42, 76, 11), 5, 5);
        p.setBrush(QColor(180, 40, 40));
        p.drawRoundedRect(QRectF(6, 44, 40, 10), 4, 4);
        p.setBrush(kSkin);
        p.setPen(outlinePen(kSkinLine, 0.8));
        p.drawEllipse(QPointF(-40, 48), 7, 6);
        for (int i = 0; i < 10; ++i) {
            const qreal x = -28 + i * 6.6;
            drawSlimSword(p, QPointF(x, -40 + (i % 2) * 8), QPointF(x, 46), 3.6);
        }
        break;
    }
    }
}

// ---- Wands ----

void wandsScene(QPainter& p, int rank, qreal H)
{
    const Suit s = Suit::Wands;
    switch (rank) {
    case 2: {
        // The globe held on the battlements, between two tall staves.
        water(p, 30, H);
        p.setPen(outlinePen(kStoneDark, 1));
        p.setBrush(kStone);
        p.drawRect(QRectF(-52, 44, 104, 32));
        for (int i = 0; i < 7; ++i)
            p.drawRect(QRectF(-50 + i * 16, 38, 8, 7));
        pip(p, s, {-30, -8}, 110);
        pip(p, s, {30, -8}, 110);
        QRadialGradient globe(QPointF(-4, -6), 16);
        globe.setColorAt(0, QColor(140, 190, 240));
        globe.setColorAt(1, QColor(40, 90, 160));
        p.setPen(outlinePen(QColor(20, 40, 80), 1.2));
        p.setBrush(globe);
        p.drawEllipse(QPointF(0, -2), 12, 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 80));
        p.drawEllipse(QPointF(-4, -6), 5, 3.5);
        p.drawEllipse(QPointF(5, 3), 4, 5);
        break;
    }
    case 3: {
        // Three staves planted on the cliff over a sea with ships sailing home.
        water(p, 30, H);
        for (int i = 0; i < 2; ++i) {
            const QPointF ship(-28 + i * 40, 46 + i * 10);
            p.setPen(outlinePen(QColor(60, 40, 20), 1));
            p.setBrush(kWood);
            p.drawChord(QRectF(ship.x() - 9, ship.y() - 4, 18, 8), 180 * 16, 180 * 16);
            p.setBrush(Qt::white);
            QPainterPath sail;
            sail.moveTo(ship + QPointF(0, -2));
            sail.lineTo(ship + QPointF(0, -16));
            sail.lineTo(ship + QPointF(8, -3));
            sail.closeSubpath();
            p.drawPath(sail);
        }
        ground(p, 62, H, QColor(180, 140, 90), 2);
        pip(p, s, {-30, -20}, 100);
        pip(p, s, {0, -24}, 100);
        pip(p, s, {30, -20}, 100);
        break;
    }
    case 4: {
        // Four staves crowned with a garland, the castle beyond.
        ground(p, 48, H, kGrass);
        tower(p, QRectF(-8, 36, 16, 18), kStone);
        tower(p, QRectF(-22, 42, 10, 12), kStone);
        tower(p, QRectF(12, 42, 10, 12), kStone);
        for (int i = 0; i < 4; ++i)
            pip(p, s, QPointF(-38 + i * 25.3, -6), 110);
        QPainterPath garland;
        garland.moveTo(-38, -50);
        garland.quadTo(-25, -34, -12.7, -50);
        garland.quadTo(0, -34, 12.7, -50);
        garland.quadTo(25, -34, 38, -50);
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(kGrassDark, 4));
        p.drawPath(garland);
        for (int i = 0; i < 9; ++i)
            flower(p, garland.pointAtPercent(i / 8.0), 3.4, i % 2 == 0 ? colour::kRuby : QColor(250, 220, 90),
                   colour::kGold);
        break;
    }
    case 5: {
        // Five staves crossed in a scuffle.
        ground(p, 50, H, QColor(200, 180, 120));
        const qreal angles[] = {-34, 28, -8, 40, -46};
        const QPointF centres[] = {{-22, -20}, {20, -22}, {2, 4}, {-16, 26}, {22, 26}};
        for (int i = 0; i < 5; ++i)
            pip(p, s, centres[i], 86, angles[i]);
        break;
    }
    case 6: {
        // The victor's wreath borne on one of six staves.
        for (int i = 0; i < 6; ++i) {
            const qreal x = -40 + i * 16;
            pip(p, s, QPointF(x, 8 - (i == 3 ? 10 : 0) + (i % 2) * 6), 110);
        }
        const QPointF top(8, -52);
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(kGrassDark, 2.5));
        p.drawEllipse(top, 10, 10);
        for (int i = 0; i < 10; ++i) {
            const qreal angle = i * 36.0;
            const QPointF at
                = top + QPointF(std::cos(qDegreesToRadians(angle)), std::sin(qDegreesToRadians(angle))) * 10;
            leaf(p, at, angle + 60, 7, kGrassDark);
        }
        p.setPen(outlinePen(colour::kRuby, 2));
        p.drawLine(top + QPointF(0, 10), top + QPointF(-4, 20));
        p.drawLine(top + QPointF(0, 10), top + QPointF(4, 20));
        break;
    }
    case 7: {
        // One staff held high on the hill against six rising from below.
        QPainterPath hill;
        hill.moveTo(-52, 10);
        hill.cubicTo(-20, -14, 20, -14, 52, 10);
        hill.lineTo(52, H + 2);
        hill.lineTo(-52, H + 2);
        hill.closeSubpath();
        p.setPen(outlinePen(kGrassDark, 1));
        p.setBrush(kGrass);
        p.drawPath(hill);
        pip(p, s, {0, -30}, 90, 0);
        person(p, QPointF(10, 6), 34, QColor(60, 110, 60));
        for (int i = 0; i < 6; ++i) {
            const qreal x = -40 + i * 16;
            pip(p, s, QPointF(x, 48), 54, -x * 0.5);
        }
        break;
    }
    case 8: {
        // Eight staves in flight over open country.
        ground(p, 46, H, kGrass);
        p.setPen(outlinePen(QColor(110, 150, 200), 3));
        p.setBrush(Qt::NoBrush);
        QPainterPath river;
        river.moveTo(-52, 66);
        river.cubicTo(-10, 56, 10, 70, 52, 58);
        p.drawPath(river);
        for (int i = 0; i < 8; ++i)
            pip(p, s, QPointF(-30 + i * 8.5, -30 + i * 9.5), 74, 56);
        break;
    }
    case 9: {
        // Eight staves standing like a fence behind the guarded ninth.
        ground(p, 46, H, QColor(190, 170, 120));
        for (int i = 0; i < 8; ++i)
            pip(p, s, QPointF(-42 + i * 12, -16), 96);
        pip(p, s, {-26, 18}, 110, 6);
        // The wounded guard, his head bandaged.
        person(p, QPointF(6, 68), 62, QColor(120, 80, 60));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(0.5, 10, 11, 3));
        break;
    }
    default: {
        // The bundle of ten staves carried, bent over, toward a far town.
        ground(p, 50, H, kGrass);
        tower(p, QRectF(30, 40, 10, 14), kStone);
        tower(p, QRectF(40, 44, 8, 10), kStone);
        for (int i = 0; i < 10; ++i)
            pip(p, s, QPointF(-22 + i * 4.2, -14 + (i % 3) * 3), 100, 18);
        person(p, QPointF(-2, 70), 60, QColor(170, 80, 40), true);
        p.setPen(outlinePen(colour::kRuby, 3));
        p.drawLine(QPointF(-24, -6), QPointF(22, 10));
        break;
    }
    }
}

// ---- Aces ----

void aceScene(QPainter& p, Suit suit, qreal H, const Scheme& scheme)
{
    QRadialGradient halo(QPointF(0, -10), 58);
    halo.setColorAt(0, QColor(255, 250, 225, 180));
    halo.setColorAt(1, QColor(255, 250, 225, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, -10), 58, 58);
    for (int i = 0; i < 24; ++i) {
        const qreal angle = qDegreesToRadians(i * 15.0 - 90);
        const QPointF direction(std::cos(angle), std::sin(angle));
        QColor ray = scheme.line;
        ray.setAlpha(i % 2 == 0 ? 150 : 80);
        p.setPen(outlinePen(ray, i % 2 == 0 ? 1.2 : 0.8));
        p.drawLine(QPointF(0, -10) + direction * 44, QPointF(0, -10) + direction * (i % 2 == 0 ? 54 : 49));
    }
    switch (suit) {
    case Suit::Cups: {
        // Five streams falling from the cup into the lotus pool; the dove above.
        water(p, 50, H);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            QPainterPath stream;
            stream.moveTo(-18 + i * 9, -40);
            stream.cubicTo(-30 + i * 15, -30, -38 + i * 19, 20, -40 + i * 20, 52);
            p.setPen(outlinePen(QColor(90, 150, 200), 2.4));
            p.drawPath(stream);
            p.setPen(outlinePen(QColor(220, 240, 250), 1));
            p.drawPath(stream);
        }
        break;
    }
    case Suit::Pentacles: {
        // The garden below, its hedge opening on a path to the mountains.
        mountains(p, 44, QColor(170, 170, 190));
        ground(p, 52, H, kGrass, 1);
        p.setPen(outlinePen(kGrassDark.darker(130), 1));
        p.setBrush(kGrassDark);
        p.drawRect(QRectF(-52, 46, 42, 12));
        p.drawRect(QRectF(10, 46, 42, 12));
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(kGrassDark, 5));
        p.drawArc(QRectF(-10, 34, 20, 24), 0, 180 * 16);
        for (int i = 0; i < 5; ++i)
            flower(p, QPointF(-44 + i * 22, 64), 3.2, QColor(250, 250, 250), colour::kGold);
        break;
    }
    case Suit::Swords:
        mountains(p, 52, QColor(180, 180, 200));
        break;
    case Suit::Wands: {
        ground(p, 50, H, kGrass);
        tower(p, QRectF(24, 38, 10, 14), kStone);
        tower(p, QRectF(34, 42, 8, 10), kStone);
        break;
    }
    }
    const qreal half = isSlender(suit) ? 46 : 36;
    const QPointF centre(0, -10);
    pip(p, suit, centre, 2 * half);
    switch (suit) {
    case Suit::Cups: {
        // The dove descending with the wafer.
        const QPointF dove(0, -64);
        p.setPen(outlinePen(QColor(150, 150, 170), 0.8));
        p.setBrush(Qt::white);
        p.drawEllipse(dove, 6, 3.5);
        QPainterPath wings;
        wings.moveTo(dove);
        wings.lineTo(dove + QPointF(-12, -6));
        wings.lineTo(dove + QPointF(-4, 1));
        wings.moveTo(dove);
        wings.lineTo(dove + QPointF(12, -6));
        wings.lineTo(dove + QPointF(4, 1));
        p.drawPath(wings);
        handFromCloud(p, QPointF(0, 32), -90, 14);
        break;
    }
    case Suit::Swords: {
        // The crown on the point, hung with the olive and the palm.
        const QPointF tip(0, -56);
        p.setPen(outlinePen(colour::kGoldDark, 1.2));
        p.setBrush(colour::kGold);
        QPainterPath crown;
        crown.moveTo(tip + QPointF(-11, 6));
        crown.lineTo(tip + QPointF(-13, -6));
        crown.lineTo(tip + QPointF(-6, 0));
        crown.lineTo(tip + QPointF(0, -9));
        crown.lineTo(tip + QPointF(6, 0));
        crown.lineTo(tip + QPointF(13, -6));
        crown.lineTo(tip + QPointF(11, 6));
        crown.closeSubpath();
        p.drawPath(crown);
        leaf(p, tip + QPointF(-10, 6), 120, 16);
        leaf(p, tip + QPointF(10, 6), 60, 16);
        handFromCloud(p, QPointF(0, 38), 180, 14);
        break;
    }
    case Suit::Wands: {
        // Leaves falling from the living staff.
        for (int i = 0; i < 6; ++i)
            leaf(p, QPointF(i % 2 == 0 ? -26 - i * 2 : 24 + i * 2, -44 + i * 12), 90 + i * 20, 9);
        handFromCloud(p, QPointF(-6, 26), 200, 14);
        break;
    }
    case Suit::Pentacles:
        handFromCloud(p, QPointF(0, 30), -90, 14);
        break;
    }
}

// ---- Courts ----

// The court figure: a Page bareheaded in a cap, a Queen with long hair and a round crown, a King bearded with
// a pointed crown. The Knight rides, so his figure is drawn over the horse by knightScene.
void courtFigure(QPainter& p, int rank, QPointF head, const QColor& robe, qreal scale = 1)
{
    const qreal r = 9 * scale;
    p.save();
    // Long hair behind the Queen's shoulders.
    if (rank == 13) {
        QPainterPath hair;
        hair.moveTo(head + QPointF(-r * 1.1, -r * 0.2));
        hair.cubicTo(head + QPointF(-r * 1.5, r * 1.5), head + QPointF(-r * 1.3, r * 2.4),
                     head + QPointF(-r * 1.6, r * 3));
        hair.lineTo(head + QPointF(r * 1.6, r * 3));
        hair.cubicTo(head + QPointF(r * 1.3, r * 2.4), head + QPointF(r * 1.5, r * 1.5),
                     head + QPointF(r * 1.1, -r * 0.2));
        hair.closeSubpath();
        p.setPen(outlinePen(QColor(90, 50, 20), 1));
        p.setBrush(QColor(150, 90, 40));
        p.drawPath(hair);
    }
    // Robe: a King's broad and square-shouldered with an ermine collar, a Queen's narrow and flowing.
    QPainterPath body;
    const qreal shoulder = rank == 14 ? r * 2.6 : rank == 13 ? r * 1.7 : r * 1.9;
    const qreal hem = rank == 13 ? r * 3.2 : r * 2.9;
    body.moveTo(head + QPointF(-shoulder, r * 1.6));
    body.lineTo(head + QPointF(-hem, r * 8));
    body.lineTo(head + QPointF(hem, r * 8));
    body.lineTo(head + QPointF(shoulder, r * 1.6));
    body.quadTo(head + QPointF(0, r * 0.6), head + QPointF(-shoulder, r * 1.6));
    QLinearGradient cloth(head.x() - hem, 0, head.x() + hem, 0);
    cloth.setColorAt(0, robe.darker(130));
    cloth.setColorAt(0.4, robe.lighter(115));
    cloth.setColorAt(1, robe.darker(130));
    p.setPen(outlinePen(robe.darker(170), 1.2));
    p.setBrush(cloth);
    p.drawPath(body);
    if (rank == 14) {
        p.setPen(outlinePen(QColor(150, 150, 150), 0.8));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(head.x() - shoulder, head.y() + r * 1.2, shoulder * 2, r * 0.9), r * 0.4, r * 0.4);
        p.setBrush(Qt::black);
        for (int i = -2; i <= 2; ++i)
            p.drawEllipse(QPointF(head.x() + i * shoulder * 0.4, head.y() + r * 1.65), 0.7 * scale, 0.7 * scale);
    }
    if (rank == 13) {
        p.setPen(outlinePen(colour::kGold, 1.4));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(head.x() - r * 0.9, head.y() + r * 0.6, r * 1.8, r * 1.6), 200 * 16, 140 * 16);
    }
    // The face.
    p.setPen(outlinePen(kSkinLine, 1));
    p.setBrush(kSkin);
    p.drawEllipse(head, r * 0.85, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(head + QPointF(-r * 0.32, -r * 0.1), r * 0.12, r * 0.12);
    p.drawEllipse(head + QPointF(r * 0.32, -r * 0.1), r * 0.12, r * 0.12);
    if (rank == 14) {
        // The King's white beard is what tells him from the Queen at a glance.
        QPainterPath beard;
        beard.moveTo(head + QPointF(-r * 0.85, r * 0.05));
        beard.cubicTo(head + QPointF(-r * 0.8, r * 1.4), head + QPointF(-r * 0.3, r * 2.1), head + QPointF(0, r * 2.3));
        beard.cubicTo(head + QPointF(r * 0.3, r * 2.1), head + QPointF(r * 0.8, r * 1.4),
                      head + QPointF(r * 0.85, r * 0.05));
        beard.cubicTo(head + QPointF(r * 0.5, r * 0.5), head + QPointF(-r * 0.5, r * 0.5),
                      head + QPointF(-r * 0.85, r * 0.05));
        p.setPen(outlinePen(QColor(150, 150, 160), 0.8));
        p.setBrush(QColor(246, 246, 250));
        p.drawPath(beard);
    } else {
        p.setPen(outlinePen(QColor(170, 60, 60), 1));
        p.drawLine(head + QPointF(-r * 0.2, r * 0.45), head + QPointF(r * 0.2, r * 0.45));
    }
    // Headgear.
    p.setPen(outlinePen(colour::kGoldDark, 1));
    if (rank == 14) {
        QPainterPath crown;
        crown.moveTo(head + QPointF(-r * 0.95, -r * 0.6));
        crown.lineTo(head + QPointF(-r * 1.1, -r * 2.1));
        crown.lineTo(head + QPointF(-r * 0.45, -r * 1.3));
        crown.lineTo(head + QPointF(0, -r * 2.4));
        crown.lineTo(head + QPointF(r * 0.45, -r * 1.3));
        crown.lineTo(head + QPointF(r * 1.1, -r * 2.1));
        crown.lineTo(head + QPointF(r * 0.95, -r * 0.6));
        crown.closeSubpath();
        p.setBrush(colour::kGold);
        p.drawPath(crown);
        p.setBrush(colour::kRuby);
        p.drawEllipse(head + QPointF(0, -r * 0.95), r * 0.2, r * 0.2);
    } else if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(head + QPointF(-r * 0.9, -r * 0.55));
        crown.cubicTo(head + QPointF(-r * 1.1, -r * 1.6), head + QPointF(-r * 0.4, -r * 1.9),
                      head + QPointF(0, -r * 1.5));
        crown.cubicTo(head + QPointF(r * 0.4, -r * 1.9), head + QPointF(r * 1.1, -r * 1.6),
                      head + QPointF(r * 0.9, -r * 0.55));
        crown.closeSubpath();
        p.setBrush(colour::kGold);
        p.drawPath(crown);
        p.setBrush(colour::kSilver);
        p.setPen(outlinePen(QColor(130, 130, 150), 0.6));
        p.drawEllipse(head + QPointF(0, -r * 1.75), r * 0.3, r * 0.3);
    } else {
        p.setPen(outlinePen(robe.darker(170), 1));
        p.setBrush(robe.darker(115));
        p.drawChord(QRectF(head.x() - r, head.y() - r * 1.3, r * 2, r * 1.6), 0, 180 * 16);
        p.setPen(outlinePen(colour::kRuby, 1.4));
        p.drawLine(head + QPointF(r * 0.4, -r * 1.1), head + QPointF(r * 1.4, -r * 2));
    }
    p.restore();
}

QColor robeColour(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return QColor(60, 120, 170);
    case Suit::Pentacles:
        return QColor(90, 130, 60);
    case Suit::Swords:
        return QColor(110, 100, 170);
    case Suit::Wands:
        break;
    }
    return QColor(200, 110, 40);
}

void throne(QPainter& p, const QColor& tone)
{
    QPainterPath back;
    back.moveTo(-34, 40);
    back.lineTo(-34, -36);
    back.quadTo(-34, -62, 0, -64);
    back.quadTo(34, -62, 34, -36);
    back.lineTo(34, 40);
    back.closeSubpath();
    p.setPen(outlinePen(tone.darker(150), 1.2));
    p.setBrush(tone);
    p.drawPath(back);
}

void courtScene(QPainter& p, Suit suit, int rank, qreal H)
{
    const QColor robe = robeColour(suit);
    const Scheme& scheme = suitScheme(suit);
    if (rank == 12) {
        // The Knight on his horse, its gait and coat his own.
        Gait gait = Gait::Walking;
        QColor coat(245, 245, 245);
        switch (suit) {
        case Suit::Cups:
            water(p, 50, H);
            ground(p, 58, H, kGrass, 1);
            break;
        case Suit::Pentacles:
            gait = Gait::Standing;
            coat = QColor(40, 36, 36);
            ground(p, 44, H, QColor(140, 110, 70), 1);
            p.setPen(outlinePen(QColor(100, 76, 46), 1.4));
            for (int i = 0; i < 5; ++i)
                p.drawLine(QPointF(-52, 52 + i * 5), QPointF(52, 48 + i * 5));
            break;
        case Suit::Swords: {
            gait = Gait::Galloping;
            ground(p, 52, H, QColor(170, 176, 150), 1);
            for (int i = 0; i < 2; ++i) {
                const QPointF trunk(-40 + i * 76, 54);
                p.setPen(outlinePen(kWood.darker(140), 2));
                p.drawLine(trunk, trunk + QPointF(-8, -28));
                p.setPen(Qt::NoPen);
                p.setBrush(kGrassDark);
                p.drawEllipse(trunk + QPointF(-14, -32), 9, 6);
            }
            p.setPen(outlinePen(QColor(200, 206, 226), 2));
            for (int i = 0; i < 4; ++i)
                p.drawLine(QPointF(-50, -60 + i * 10), QPointF(-10 + i * 8, -62 + i * 10));
            break;
        }
        case Suit::Wands: {
            gait = Gait::Rearing;
            coat = QColor(220, 150, 70);
            ground(p, 52, H, QColor(230, 200, 140), 1);
            for (int i = 0; i < 3; ++i) {
                QPainterPath pyramid;
                const qreal x = -40 + i * 34;
                pyramid.moveTo(x - 10, 54);
                pyramid.lineTo(x, 38 - (i % 2) * 4);
                pyramid.lineTo(x + 10, 54);
                pyramid.closeSubpath();
                p.setPen(outlinePen(QColor(150, 110, 60), 1));
                p.setBrush(QColor(220, 180, 110));
                p.drawPath(pyramid);
            }
            break;
        }
        }
        const QPointF chest = gait == Gait::Rearing ? QPointF(14, 26) : QPointF(18, 30);
        drawHorse(p, chest, 1.15, coat, true, gait);
        // The rider: armoured body on the saddle, helmet with a plume, the suit held out before him.
        const QPointF seat = gait == Gait::Rearing ? QPointF(-8, 18) : QPointF(-6, 22);
        p.setPen(outlinePen(QColor(60, 60, 80), 1.2));
        p.setBrush(QColor(200, 204, 216));
        p.drawRoundedRect(QRectF(seat.x() - 7, seat.y() - 32, 14, 30), 5, 5);
        p.setBrush(robe);
        p.drawRect(QRectF(seat.x() - 7, seat.y() - 14, 14, 10));
        p.setBrush(QColor(210, 214, 226));
        p.drawEllipse(seat + QPointF(0, -40), 7, 8);
        p.setBrush(QColor(40, 40, 50));
        p.drawRect(QRectF(seat.x() - 1, seat.y() - 42, 8, 3));
        p.setPen(outlinePen(colour::kRuby.darker(140), 1));
        p.setBrush(colour::kRuby);
        QPainterPath plume;
        plume.moveTo(seat + QPointF(0, -47));
        plume.cubicTo(seat + QPointF(-6, -60), seat + QPointF(-18, -58), seat + QPointF(-22, -50));
        plume.cubicTo(seat + QPointF(-14, -52), seat + QPointF(-8, -50), seat + QPointF(0, -45));
        p.drawPath(plume);
        p.setPen(outlinePen(QColor(200, 204, 216), 4));
        p.drawLine(seat + QPointF(4, -26), seat + QPointF(18, -34));
        const qreal size = isSlender(suit) ? 58 : 30;
        pip(p, suit, seat + QPointF(24, suit == Suit::Swords || suit == Suit::Wands ? -44 : -42), size,
            suit == Suit::Swords ? 10 : 0);
        return;
    }

    // The scene behind the throne or the page.
    switch (suit) {
    case Suit::Cups:
        water(p, 40, H);
        break;
    case Suit::Pentacles:
        ground(p, 40, H, kGrass);
        break;
    case Suit::Swords:
        drawCloud(p, QPointF(-30, -56), 40, kCloud);
        drawCloud(p, QPointF(30, -40), 40, kCloud);
        ground(p, 44, H, QColor(190, 190, 170));
        break;
    case Suit::Wands:
        ground(p, 44, H, QColor(230, 200, 140));
        break;
    }
    if (rank == 11) {
        // The Page stands in the open holding the suit up to study it.
        if (suit == Suit::Wands) {
            for (int i = 0; i < 2; ++i) {
                QPainterPath pyramid;
                const qreal x = -36 + i * 72;
                pyramid.moveTo(x - 12, 48);
                pyramid.lineTo(x, 30);
                pyramid.lineTo(x + 12, 48);
                pyramid.closeSubpath();
                p.setPen(outlinePen(QColor(150, 110, 60), 1));
                p.setBrush(QColor(220, 180, 110));
                p.drawPath(pyramid);
            }
        }
        if (suit == Suit::Swords) {
            p.setPen(outlinePen(QColor(60, 60, 80), 1.2));
            for (int i = 0; i < 4; ++i) {
                const QPointF bird(-30 + i * 14, -64 + (i % 2) * 6);
                p.drawLine(bird, bird + QPointF(3, 2));
                p.drawLine(bird + QPointF(3, 2), bird + QPointF(6, 0));
            }
        }
        courtFigure(p, 11, QPointF(-6, -22), robe, 1.2);
        p.setPen(outlinePen(robe.darker(170), 4));
        p.drawLine(QPointF(-8, 62), QPointF(-10, 72));
        p.drawLine(QPointF(4, 62), QPointF(6, 72));
        const qreal size = isSlender(suit) ? 90 : 34;
        const QPointF held = isSlender(suit) ? QPointF(28, -6) : QPointF(26, -4);
        pip(p, suit, held, size);
        if (suit == Suit::Cups) {
            // The fish peeking out of the Page's cup.
            p.setPen(outlinePen(QColor(30, 80, 110), 1));
            p.setBrush(QColor(120, 200, 220));
            p.drawEllipse(held + QPointF(0, -18), 6, 4);
            p.setBrush(Qt::black);
            p.drawEllipse(held + QPointF(3, -19), 0.9, 0.9);
        }
        return;
    }

    // Queens and Kings sit enthroned.
    throne(p, scheme.deep.lighter(140));
    if (rank == 14 && suit == Suit::Cups) {
        // The King's ship and leaping fish on the restless sea.
        p.setPen(outlinePen(QColor(60, 40, 20), 1));
        p.setBrush(kWood);
        p.drawChord(QRectF(36, 48, 14, 7), 180 * 16, 180 * 16);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(42, 38, 4, 10));
        p.setBrush(QColor(120, 200, 220));
        p.drawEllipse(QPointF(-42, 52), 5, 3);
    }
    const QPointF head(0, -30);
    courtFigure(p, rank, head, robe, 1.25);
    const qreal size = isSlender(suit) ? 92 : 34;
    if (isSlender(suit))
        pip(p, suit, QPointF(22, 0), size, suit == Suit::Swords ? 0 : 0);
    else
        pip(p, suit, QPointF(0, 18), size);
    // One token of each ruler's traditional scene.
    if (rank == 13) {
        switch (suit) {
        case Suit::Cups: // the closed, ornate cup's lid
            p.setPen(outlinePen(colour::kGoldDark, 1));
            p.setBrush(colour::kGold);
            p.drawChord(QRectF(-12, -2, 24, 10), 0, 180 * 16);
            p.drawEllipse(QPointF(0, -3), 2.5, 2.5);
            break;
        case Suit::Pentacles: { // the rabbit at her feet
            const QPointF rabbit(-30, 60);
            p.setPen(outlinePen(QColor(110, 90, 70), 0.8));
            p.setBrush(QColor(200, 180, 150));
            p.drawEllipse(rabbit, 7, 5);
            p.drawEllipse(rabbit + QPointF(6, -4), 3.5, 3);
            p.drawEllipse(rabbit + QPointF(6, -10), 1.4, 4);
            for (int i = 0; i < 4; ++i)
                flower(p, QPointF(24 + (i % 2) * 12, 52 + (i / 2) * 10), 3.5, colour::kRuby, colour::kGold);
            break;
        }
        case Suit::Swords: // her raised, open hand
            p.setPen(outlinePen(kSkinLine, 1));
            p.setBrush(kSkin);
            p.drawEllipse(QPointF(-22, -6), 4, 5);
            for (int i = 0; i < 3; ++i)
                drawSparkle(p, QPointF(-40 + i * 8, -50 + i * 22), 3, QColor(200, 120, 200));
            break;
        case Suit::Wands: { // the sunflower in her hand and the black cat at her feet
            flower(p, QPointF(-22, -4), 7, QColor(250, 200, 40), QColor(100, 60, 20));
            const QPointF cat(-28, 60);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 20, 24));
            p.drawEllipse(cat, 7, 6);
            p.drawEllipse(cat + QPointF(0, -9), 4.5, 4.5);
            QPainterPath ears;
            ears.moveTo(cat + QPointF(-4, -11));
            ears.lineTo(cat + QPointF(-3, -16));
            ears.lineTo(cat + QPointF(-1, -12));
            ears.moveTo(cat + QPointF(4, -11));
            ears.lineTo(cat + QPointF(3, -16));
            ears.lineTo(cat + QPointF(1, -12));
            p.drawPath(ears);
            p.setBrush(QColor(240, 220, 60));
            p.drawEllipse(cat + QPointF(-1.6, -9), 0.9, 0.9);
            p.drawEllipse(cat + QPointF(1.6, -9), 0.9, 0.9);
            break;
        }
        }
    } else {
        switch (suit) {
        case Suit::Cups: // the sceptre of the calm ruler
            p.setPen(outlinePen(colour::kGoldDark, 2));
            p.drawLine(QPointF(-22, 30), QPointF(-22, -8));
            p.setBrush(colour::kGold);
            p.drawEllipse(QPointF(-22, -10), 3, 3);
            break;
        case Suit::Pentacles: { // the bulls' heads on the throne and the grapevine of his robe
            for (qreal side : {-1.0, 1.0}) {
                const QPointF bull(side * 26, -54);
                p.setPen(outlinePen(QColor(60, 40, 20), 0.8));
                p.setBrush(QColor(140, 100, 60));
                p.drawEllipse(bull, 5, 6);
                p.setPen(outlinePen(QColor(240, 230, 210), 1.6));
                p.drawArc(QRectF(bull.x() - 8, bull.y() - 10, 16, 10), 0, 180 * 16);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 60, 140));
            for (int i = 0; i < 8; ++i)
                p.drawEllipse(QPointF(-18 + (i % 4) * 4 + (i / 4) * 20, 40 + (i / 4) * 8 + (i % 2) * 2), 2, 2);
            break;
        }
        case Suit::Swords: // the birds of clear thought in his sky
            p.setPen(outlinePen(QColor(60, 60, 80), 1.2));
            for (int i = 0; i < 3; ++i) {
                const QPointF bird(-44 + i * 8, -66 + (i % 2) * 6);
                p.drawLine(bird, bird + QPointF(3, 2));
                p.drawLine(bird + QPointF(3, 2), bird + QPointF(6, 0));
            }
            break;
        case Suit::Wands: { // the salamander at his feet
            QPainterPath salamander;
            salamander.moveTo(-40, 62);
            salamander.cubicTo(-30, 54, -20, 70, -10, 62);
            p.setBrush(Qt::NoBrush);
            p.setPen(outlinePen(QColor(200, 70, 20), 3));
            p.drawPath(salamander);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 70, 20));
            p.drawEllipse(QPointF(-10, 62), 3, 2.4);
            break;
        }
        }
    }
}

} // namespace

void drawMinorPicture(QPainter& painter, Suit suit, int rank, const QRectF& box)
{
    PictureCanvas canvas(painter, box);
    const qreal H = canvas.halfHeight();
    if (rank == 1) {
        aceScene(painter, suit, H, suitScheme(suit));
        return;
    }
    if (rank >= 11) {
        courtScene(painter, suit, rank, H);
        return;
    }
    switch (suit) {
    case Suit::Cups:
        cupsScene(painter, rank, H);
        break;
    case Suit::Pentacles:
        pentaclesScene(painter, rank, H);
        break;
    case Suit::Swords:
        swordsScene(painter, rank, H);
        break;
    case Suit::Wands:
        wandsScene(painter, rank, H);
        break;
    }
}

} // namespace quillmere::artwork
