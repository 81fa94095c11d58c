#include "Emblems.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quillmere::artwork {

namespace {

// The majors are drawn in gold and silver on the night panel.
const QColor kLine(90, 62, 12);

QBrush gold(qreal left = -50, qreal right = 50)
{
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, colour::kGoldDark);
    gradient.setColorAt(0.35, colour::kGoldLight);
    gradient.setColorAt(1, colour::kGold);
    return gradient;
}

QBrush silver(qreal left = -50, qreal right = 50)
{
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, QColor(150, 156, 178));
    gradient.setColorAt(0.4, QColor(252, 252, 255));
    gradient.setColorAt(1, QColor(186, 192, 210));
    return gradient;
}

void glow(QPainter& p, QPointF centre, qreal radius, QColor colour)
{
    QRadialGradient gradient(centre, radius);
    colour.setAlpha(150);
    gradient.setColorAt(0, colour);
    colour.setAlpha(0);
    gradient.setColorAt(1, colour);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(gradient);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void rays(QPainter& p, QPointF centre, qreal inner, qreal outer, int count, const QColor& colour, qreal width)
{
    p.save();
    for (int i = 0; i < count; ++i) {
        const qreal angle = qDegreesToRadians(360.0 * i / count - 90);
        const QPointF direction(std::cos(angle), std::sin(angle));
        p.setPen(outlinePen(colour, width));
        p.drawLine(centre + direction * inner, centre + direction * (i % 2 == 0 ? outer : (inner + outer) / 2));
    }
    p.restore();
}

QPainterPath crescent(QPointF centre, qreal radius, QPointF biteOffset, qreal biteRadius)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + biteOffset, biteRadius, biteRadius);
    return disc.subtracted(bite);
}

QPainterPath heartPath(QPointF centre, qreal size)
{
    QPainterPath heart;
    const qreal s = size / 2;
    heart.moveTo(centre + QPointF(0, s * 0.9));
    heart.cubicTo(centre + QPointF(-s * 1.2, s * 0.1), centre + QPointF(-s * 0.9, -s * 1.0),
                  centre + QPointF(0, -s * 0.35));
    heart.cubicTo(centre + QPointF(s * 0.9, -s * 1.0), centre + QPointF(s * 1.2, s * 0.1),
                  centre + QPointF(0, s * 0.9));
    heart.closeSubpath();
    return heart;
}

void towerShape(QPainter& p, QRectF body, const QBrush& brush)
{
    p.setBrush(brush);
    p.drawRect(body);
    const qreal merlon = body.width() / 5;
    for (int i = 0; i < 5; i += 2)
        p.drawRect(QRectF(body.left() + i * merlon, body.top() - merlon, merlon, merlon));
}

void drawFool(QPainter& p)
{
    glow(p, QPointF(-22, -26), 22, colour::kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kGold);
    p.drawEllipse(QPointF(-22, -26), 11, 11);
    rays(p, QPointF(-22, -26), 14, 22, 12, colour::kGold, 2);
    // The cliff edge the traveller is about to step from.
    QPainterPath cliff;
    cliff.moveTo(-50, 50);
    cliff.lineTo(-50, 30);
    cliff.cubicTo(-30, 24, -4, 26, 14, 30);
    cliff.lineTo(18, 50);
    cliff.closeSubpath();
    p.setPen(outlinePen(QColor(20, 20, 40), 2));
    p.setBrush(QColor(92, 84, 130));
    p.drawPath(cliff);
    // The bundle on its staff.
    p.setPen(outlinePen(kLine, 3.5));
    p.drawLine(QPointF(-6, 28), QPointF(34, -30));
    QPainterPath pouch;
    pouch.moveTo(30, -27);
    pouch.cubicTo(18, -22, 20, -4, 33, -4);
    pouch.cubicTo(46, -4, 48, -22, 38, -28);
    pouch.closeSubpath();
    p.setPen(outlinePen(QColor(90, 56, 24), 2));
    QLinearGradient cloth(20, 0, 46, 0);
    cloth.setColorAt(0, QColor(150, 100, 50));
    cloth.setColorAt(0.4, QColor(220, 176, 110));
    cloth.setColorAt(1, QColor(150, 100, 50));
    p.setBrush(cloth);
    p.drawPath(pouch);
    p.setPen(outlinePen(QColor(120, 80, 40), 1.2));
    p.drawLine(QPointF(27, -20), QPointF(30, -8));
    p.drawLine(QPointF(40, -21), QPointF(37, -8));
    p.setPen(outlinePen(colour::kRuby, 3));
    p.drawLine(QPointF(29, -27), QPointF(39, -29));
    // The white rose.
    p.setPen(outlinePen(QColor(40, 80, 40), 2));
    p.drawLine(QPointF(-28, 24), QPointF(-24, 6));
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(72.0 * i - 90);
        p.setPen(outlinePen(QColor(170, 170, 190), 1));
        p.setBrush(QColor(250, 250, 255));
        p.drawEllipse(QPointF(-24, 2) + QPointF(std::cos(angle), std::sin(angle)) * 4.5, 4.5, 4.5);
    }
    p.setBrush(colour::kGold);
    p.drawEllipse(QPointF(-24, 2), 2.5, 2.5);
}

void drawMagician(QPainter& p)
{
    // The figure eight of endless life above the raised wand, the four tools of the suits on the table.
    QPainterPath lemniscate;
    for (int i = 0; i <= 64; ++i) {
        const qreal t = 2 * M_PI * i / 64;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF point(24 * std::cos(t) / d, -36 + 24 * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            lemniscate.moveTo(point);
        else
            lemniscate.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 4));
    p.drawPath(lemniscate);
    glow(p, QPointF(0, -14), 10, colour::kGoldLight);
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(silver(-3, 3));
    p.drawRoundedRect(QRectF(-3, -16, 6, 36), 3, 3);
    p.setBrush(colour::kGoldLight);
    p.drawEllipse(QPointF(0, -16), 4, 4);
    p.setPen(outlinePen(QColor(30, 16, 10), 2));
    p.setBrush(QColor(150, 40, 50));
    p.drawRect(QRectF(-48, 26, 96, 8));
    const Suit suits[] = {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands};
    for (int i = 0; i < 4; ++i)
        drawSuitEmblem(p, suits[i], QRectF(-46 + i * 24, 4, 20, 20));
}

void drawHighPriestess(QPainter& p)
{
    // The dark and light pillars with the moon between them.
    p.setPen(outlinePen(QColor(10, 10, 20), 2));
    p.setBrush(QColor(34, 34, 44));
    p.drawRect(QRectF(-42, -30, 18, 76));
    p.drawRect(QRectF(-46, -38, 26, 8));
    p.setPen(outlinePen(QColor(120, 120, 140), 2));
    p.setBrush(silver(24, 42));
    p.drawRect(QRectF(24, -30, 18, 76));
    p.drawRect(QRectF(20, -38, 26, 8));
    QFont letter(QStringLiteral("DejaVu Serif"));
    letter.setPixelSize(12);
    letter.setBold(true);
    p.setFont(letter);
    p.setPen(colour::kSilver);
    p.drawText(QRectF(-42, -20, 18, 16), Qt::AlignCenter, QStringLiteral("B"));
    p.setPen(QColor(34, 34, 44));
    p.drawText(QRectF(24, -20, 18, 16), Qt::AlignCenter, QStringLiteral("J"));
    glow(p, QPointF(0, -6), 22, colour::kSilver);
    p.setPen(outlinePen(QColor(120, 120, 150), 1.5));
    p.setBrush(silver(-18, 18));
    p.drawPath(crescent(QPointF(0, -6), 16, QPointF(7, -4), 14));
    // The scroll of hidden law.
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(QColor(250, 240, 210));
    p.drawRoundedRect(QRectF(-12, 22, 24, 16), 3, 3);
    p.setPen(outlinePen(QColor(150, 120, 80), 1.5));
    p.drawLine(QPointF(-7, 28), QPointF(7, 28));
    p.drawLine(QPointF(-7, 33), QPointF(4, 33));
}

void drawEmpress(QPainter& p)
{
    // Venus in a heart-shaped shield among ripe wheat.
    for (qreal side : {-1.0, 1.0}) {
        p.setPen(outlinePen(QColor(150, 110, 30), 2));
        p.drawLine(QPointF(side * 34, 46), QPointF(side * 38, -20));
        for (int i = 0; i < 6; ++i) {
            const QPointF grain(side * (37.5 - i * 0.3), -14 + i * 8);
            p.setBrush(colour::kGold);
            p.setPen(outlinePen(kLine, 1));
            p.drawEllipse(grain + QPointF(-4, 0), 3.5, 5);
            p.drawEllipse(grain + QPointF(4, 0), 3.5, 5);
        }
        p.drawEllipse(QPointF(side * 38, -22), 3, 5);
    }
    p.setPen(outlinePen(kLine, 2.5));
    p.setBrush(gold(-26, 26));
    p.drawPath(heartPath(QPointF(0, -2), 56));
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(40, 70, 30), 4.5));
    p.drawEllipse(QPointF(0, -10), 9, 9);
    p.drawLine(QPointF(0, -1), QPointF(0, 18));
    p.drawLine(QPointF(-8, 9), QPointF(8, 9));
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(-150 + i * 10.9);
        drawSparkle(p, QPointF(0, -30) + QPointF(std::cos(angle), std::sin(angle)) * 18, 2.5, colour::kSilver);
    }
}

void drawEmperor(QPainter& p)
{
    // The stone throne with rams' horns, orb and sceptre.
    p.setPen(outlinePen(QColor(40, 30, 30), 2.5));
    QLinearGradient stone(-34, 0, 34, 0);
    stone.setColorAt(0, QColor(110, 96, 100));
    stone.setColorAt(0.4, QColor(196, 184, 180));
    stone.setColorAt(1, QColor(120, 106, 108));
    p.setBrush(stone);
    p.drawRect(QRectF(-30, -24, 60, 70));
    p.drawRect(QRectF(-36, 10, 72, 12));
    p.setBrush(QColor(170, 40, 40));
    p.drawRect(QRectF(-20, -16, 40, 26));
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath horn;
        const QPointF base(side * 26, -26);
        horn.moveTo(base);
        horn.cubicTo(base + QPointF(side * 6, -22), base + QPointF(side * 26, -14), base + QPointF(side * 20, 0));
        horn.cubicTo(base + QPointF(side * 16, 8), base + QPointF(side * 8, 0), base + QPointF(side * 12, -6));
        p.setBrush(Qt::NoBrush);
        p.setPen(outlinePen(colour::kGoldLight, 4));
        p.drawPath(horn);
    }
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(gold(-8, 8));
    p.drawEllipse(QPointF(-8, -3), 8, 8);
    p.drawLine(QPointF(-8, -11), QPointF(-8, -17));
    p.drawLine(QPointF(-11, -15), QPointF(-5, -15));
    p.setBrush(gold(8, 14));
    p.drawRect(QRectF(11, -20, 4, 30));
    p.drawEllipse(QPointF(13, -22), 5, 5);
}

void drawHierophant(QPainter& p)
{
    // The triple cross above two crossed keys.
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(gold(-4, 4));
    p.drawRect(QRectF(-4, -48, 8, 66));
    p.drawRect(QRectF(-12, -40, 24, 6));
    p.drawRect(QRectF(-17, -28, 34, 6));
    p.drawRect(QRectF(-22, -16, 44, 6));
    for (qreal side : {-1.0, 1.0}) {
        p.save();
        p.translate(0, 30);
        p.rotate(side * 40);
        p.setBrush(side < 0 ? gold(-4, 4) : silver(-4, 4));
        p.drawEllipse(QPointF(0, -26), 8, 8);
        p.setBrush(QColor(27, 31, 75));
        p.drawEllipse(QPointF(0, -26), 3, 3);
        p.setBrush(side < 0 ? gold(-3, 3) : silver(-3, 3));
        p.drawRect(QRectF(-2.5, -18, 5, 38));
        p.drawRect(QRectF(2.5, 10, 8, 4));
        p.drawRect(QRectF(2.5, 16, 6, 4));
        p.restore();
    }
}

void drawLovers(QPainter& p)
{
    // Two hearts joined under the wings of the blessing angel.
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(0, -30);
        wing.cubicTo(side * 20, -52, side * 46, -44, side * 50, -30);
        wing.cubicTo(side * 38, -34, side * 40, -24, side * 30, -22);
        wing.cubicTo(side * 20, -24, side * 12, -24, 0, -30);
        p.setPen(outlinePen(QColor(140, 140, 170), 1.5));
        p.setBrush(silver(-50, 50));
        p.drawPath(wing);
    }
    glow(p, QPointF(0, -34), 14, colour::kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kGold);
    p.drawEllipse(QPointF(0, -34), 7, 7);
    p.setPen(outlinePen(QColor(90, 10, 20), 2.5));
    p.setBrush(colour::kRuby);
    p.drawPath(heartPath(QPointF(-12, 12), 36));
    p.setBrush(QColor(226, 120, 140));
    p.drawPath(heartPath(QPointF(12, 14), 36));
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 2.5));
    p.drawLine(QPointF(-34, 34), QPointF(34, -6));
}

void drawChariot(QPainter& p)
{
    // The starry canopy over the car, drawn by a dark and a light sphinx.
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(QColor(40, 60, 130));
    QPainterPath canopy;
    canopy.moveTo(-34, -24);
    canopy.cubicTo(-20, -40, 20, -40, 34, -24);
    canopy.closeSubpath();
    p.drawPath(canopy);
    for (int i = -2; i <= 2; ++i)
        drawSparkle(p, QPointF(i * 10, -30 + std::abs(i) * 1.5), 3, colour::kGoldLight);
    p.setBrush(gold(-4, 4));
    p.drawRect(QRectF(-32, -24, 4, 22));
    p.drawRect(QRectF(28, -24, 4, 22));
    p.setBrush(gold(-36, 36));
    p.drawRect(QRectF(-36, -2, 72, 24));
    p.setBrush(QColor(40, 60, 130));
    p.drawEllipse(QPointF(0, 10), 9, 6);
    p.setBrush(colour::kGoldLight);
    p.drawEllipse(QPointF(0, 10), 3, 3);
    for (qreal side : {-1.0, 1.0}) {
        p.setBrush(silver(side * 30 - 10, side * 30 + 10));
        p.setPen(outlinePen(kLine, 2));
        p.drawEllipse(QPointF(side * 28, 30), 10, 10);
        p.drawLine(QPointF(side * 28, 20), QPointF(side * 28, 40));
        p.drawLine(QPointF(side * 18, 30), QPointF(side * 38, 30));
    }
    p.setPen(outlinePen(QColor(10, 10, 10), 1.5));
    p.setBrush(QColor(30, 30, 36));
    p.drawEllipse(QPointF(-10, 44), 8, 5);
    p.setBrush(QColor(240, 240, 245));
    p.drawEllipse(QPointF(10, 44), 8, 5);
}

void drawStrength(QPainter& p)
{
    // The lion's head crowned by the figure eight.
    QPainterPath lemniscate;
    for (int i = 0; i <= 64; ++i) {
        const qreal t = 2 * M_PI * i / 64;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF point(18 * std::cos(t) / d, -42 + 18 * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            lemniscate.moveTo(point);
        else
            lemniscate.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 3.5));
    p.drawPath(lemniscate);
    p.setPen(outlinePen(QColor(120, 50, 10), 2));
    p.setBrush(QColor(196, 104, 30));
    p.drawPath(starPath(QPointF(0, 6), 40, 28, 14));
    p.setBrush(gold(-26, 26));
    p.drawEllipse(QPointF(0, 6), 25, 27);
    p.setBrush(QColor(60, 30, 10));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(-9, -1), 3, 3.5);
    p.drawEllipse(QPointF(9, -1), 3, 3.5);
    QPainterPath nose;
    nose.moveTo(-6, 12);
    nose.lineTo(6, 12);
    nose.lineTo(0, 19);
    nose.closeSubpath();
    p.drawPath(nose);
    p.setPen(outlinePen(QColor(60, 30, 10), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-9, 17, 9, 8), 180 * 16, 180 * 16);
    p.drawArc(QRectF(0, 17, 9, 8), 180 * 16, 180 * 16);
    // The garland of roses that binds it gently.
    for (int i = 0; i < 5; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? colour::kRuby : QColor(240, 200, 210));
        p.drawEllipse(QPointF(-24 + i * 12, 40 + (i % 2) * 2), 4, 4);
    }
}

void drawHermit(QPainter& p)
{
    // The lantern with the six-pointed star inside.
    glow(p, QPointF(0, 6), 44, colour::kGoldLight);
    p.setPen(outlinePen(kLine, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-8, -46, 16, 16), 0, 180 * 16);
    p.drawLine(QPointF(0, -48), QPointF(0, -52));
    p.setBrush(gold(-18, 18));
    QPainterPath cap;
    cap.moveTo(-16, -20);
    cap.lineTo(0, -38);
    cap.lineTo(16, -20);
    cap.closeSubpath();
    p.drawPath(cap);
    p.drawRect(QRectF(-20, -22, 40, 6));
    p.setBrush(QColor(255, 238, 170));
    p.drawRect(QRectF(-16, -16, 32, 40));
    p.setPen(outlinePen(kLine, 2));
    p.drawLine(QPointF(-5, -16), QPointF(-5, 24));
    p.drawLine(QPointF(5, -16), QPointF(5, 24));
    QPainterPath hexagram = starPath(QPointF(0, 4), 11, 6.3, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 230));
    p.drawPath(hexagram);
    p.setPen(outlinePen(kLine, 2.5));
    p.setBrush(gold(-20, 20));
    p.drawRect(QRectF(-20, 24, 40, 6));
    QPainterPath base;
    base.moveTo(-12, 30);
    base.lineTo(12, 30);
    base.lineTo(6, 38);
    base.lineTo(-6, 38);
    base.closeSubpath();
    p.drawPath(base);
}

void drawWheel(QPainter& p)
{
    p.setPen(outlinePen(kLine, 2.5));
    p.setBrush(gold(-42, 42));
    p.drawEllipse(QPointF(0, 0), 42, 42);
    p.setBrush(QColor(40, 44, 100));
    p.drawEllipse(QPointF(0, 0), 32, 32);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 3));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = qDegreesToRadians(i * 45.0);
        p.drawLine(QPointF(std::cos(angle), std::sin(angle)) * 8, QPointF(std::cos(angle), std::sin(angle)) * 32);
    }
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(gold(-9, 9));
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.setBrush(colour::kRuby);
    p.drawEllipse(QPointF(0, 0), 3.5, 3.5);
    // The four letters of the rim, shown as marks at the quarters.
    for (int i = 0; i < 4; ++i) {
        const qreal angle = qDegreesToRadians(i * 90.0 - 90);
        p.setBrush(QColor(40, 44, 100));
        p.drawEllipse(QPointF(std::cos(angle), std::sin(angle)) * 37, 3, 3);
        const qreal between = angle + qDegreesToRadians(45.0);
        p.setBrush(colour::kGoldLight);
        p.drawEllipse(QPointF(std::cos(between), std::sin(between)) * 37, 1.8, 1.8);
    }
}

void drawJustice(QPainter& p)
{
    // The raised sword behind the balanced scales.
    p.setPen(outlinePen(QColor(36, 34, 62), 2));
    p.setBrush(silver(-4, 4));
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.lineTo(4, -42);
    blade.lineTo(4, 28);
    blade.lineTo(-4, 28);
    blade.lineTo(-4, -42);
    blade.closeSubpath();
    p.drawPath(blade);
    p.setBrush(gold(-16, 16));
    p.drawRoundedRect(QRectF(-16, 28, 32, 5), 2.5, 2.5);
    p.drawRect(QRectF(-3, 33, 6, 10));
    p.drawEllipse(QPointF(0, 46), 4, 4);
    p.setPen(outlinePen(kLine, 2.5));
    p.drawLine(QPointF(-40, -22), QPointF(40, -22));
    p.setBrush(gold(-6, 6));
    p.drawEllipse(QPointF(0, -22), 4, 4);
    for (qreal side : {-1.0, 1.0}) {
        const QPointF hook(side * 38, -22);
        p.setPen(outlinePen(colour::kGoldLight, 1.5));
        p.drawLine(hook, hook + QPointF(-12, 26));
        p.drawLine(hook, hook + QPointF(12, 26));
        QPainterPath pan;
        pan.moveTo(hook + QPointF(-15, 26));
        pan.lineTo(hook + QPointF(15, 26));
        pan.cubicTo(hook + QPointF(12, 36), hook + QPointF(-12, 36), hook + QPointF(-15, 26));
        p.setPen(outlinePen(kLine, 2));
        p.setBrush(gold(side * 38 - 15, side * 38 + 15));
        p.drawPath(pan);
    }
}

void drawHangedMan(QPainter& p)
{
    // The man hanging by one foot from the living tau cross, serene, his head in a halo.
    p.setPen(outlinePen(QColor(60, 34, 14), 2.5));
    QLinearGradient wood(-5, 0, 5, 0);
    wood.setColorAt(0, QColor(110, 60, 24));
    wood.setColorAt(0.4, QColor(200, 140, 80));
    wood.setColorAt(1, QColor(110, 60, 24));
    p.setBrush(wood);
    p.drawRect(QRectF(-40, -46, 80, 9));
    p.drawRect(QRectF(-37, -37, 8, 86));
    p.drawRect(QRectF(29, -37, 8, 86));
    for (qreal x : {-36.0, -16.0, 6.0, 30.0})
        drawSparkle(p, QPointF(x, -49), 3, colour::kLeaf);
    p.setPen(outlinePen(colour::kGoldLight, 1.5));
    p.drawLine(QPointF(0, -37), QPointF(0, -28));
    glow(p, QPointF(0, 30), 24, colour::kGoldLight);
    p.setPen(outlinePen(colour::kGold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(0, 30), 13, 13);
    // The free leg crosses behind the one he hangs by.
    const QColor hose(60, 100, 180);
    const QColor dark(20, 24, 40);
    for (const QColor& colour : {dark, hose}) {
        const qreal width = colour == dark ? 8 : 5.5;
        p.setPen(outlinePen(colour, width));
        p.drawLine(QPointF(0, -28), QPointF(0, -2));
        p.drawPolyline(QList<QPointF>{QPointF(0, -4), QPointF(13, -13), QPointF(3, -22)});
    }
    p.setPen(outlinePen(QColor(90, 10, 20), 1.5));
    p.setBrush(colour::kRuby);
    p.drawRoundedRect(QRectF(-9, -6, 18, 26), 4, 4);
    p.setPen(outlinePen(colour::kGoldLight, 1.2));
    p.drawLine(QPointF(-9, -1), QPointF(9, -1));
    p.setPen(outlinePen(QColor(200, 160, 120), 3));
    p.drawPolyline(QList<QPointF>{QPointF(-8, 16), QPointF(-13, 6), QPointF(-5, 0)});
    p.drawPolyline(QList<QPointF>{QPointF(8, 16), QPointF(13, 6), QPointF(5, 0)});
    p.setPen(outlinePen(QColor(90, 60, 40), 1.2));
    p.setBrush(QColor(238, 206, 170));
    p.drawEllipse(QPointF(0, 29), 7, 8);
    p.setPen(outlinePen(QColor(60, 40, 30), 1.2));
    p.drawLine(QPointF(-3.5, 30), QPointF(-1.5, 30));
    p.drawLine(QPointF(1.5, 30), QPointF(3.5, 30));
}

void drawDeath(QPainter& p)
{
    // The sun rising between two towers, and the black banner with the white rose.
    glow(p, QPointF(0, 40), 26, colour::kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kGold);
    p.drawPie(QRectF(-14, 28, 28, 28), 0, 180 * 16);
    p.setPen(outlinePen(QColor(10, 10, 20), 1.5));
    towerShape(p, QRectF(-44, 24, 14, 24), QColor(70, 70, 90));
    towerShape(p, QRectF(30, 24, 14, 24), QColor(70, 70, 90));
    p.setPen(outlinePen(kLine, 2.5));
    p.drawLine(QPointF(-30, 24), QPointF(-30, -50));
    QPainterPath banner;
    banner.moveTo(-30, -46);
    banner.cubicTo(-10, -50, 10, -40, 36, -46);
    banner.lineTo(36, 8);
    banner.cubicTo(10, 14, -10, 4, -30, 8);
    banner.closeSubpath();
    p.setPen(outlinePen(QColor(120, 120, 140), 1.5));
    p.setBrush(QColor(16, 14, 22));
    p.drawPath(banner);
    const QPointF rose(3, -19);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(72.0 * i - 90);
        p.setPen(outlinePen(QColor(170, 170, 190), 1));
        p.setBrush(QColor(250, 250, 255));
        p.drawEllipse(rose + QPointF(std::cos(angle), std::sin(angle)) * 8, 7.5, 7.5);
    }
    p.setBrush(colour::kGold);
    p.drawEllipse(rose, 4, 4);
}

void drawTemperance(QPainter& p)
{
    // Water poured from one cup into the other, with neither spilling, under a rising sun.
    glow(p, QPointF(30, -36), 14, colour::kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kGold);
    p.drawEllipse(QPointF(30, -36), 7, 7);
    p.save();
    p.translate(-20, -18);
    p.rotate(50);
    drawSuitEmblem(p, Suit::Cups, QRectF(-22, -22, 44, 44));
    p.restore();
    drawSuitEmblem(p, Suit::Cups, QRectF(-8, 2, 48, 48));
    QPainterPath stream;
    stream.moveTo(-2, -26);
    stream.cubicTo(8, -22, 16, -10, 16, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(200, 236, 250), 4));
    p.drawPath(stream);
    p.setPen(outlinePen(QColor(90, 160, 210), 1.5));
    p.drawPath(stream);
    // The triangle within the square: spirit held in matter.
    p.setPen(outlinePen(colour::kGoldLight, 1.8));
    p.drawRect(QRectF(-44, 24, 20, 20));
    QPainterPath triangle;
    triangle.moveTo(-34, 27);
    triangle.lineTo(-26, 41);
    triangle.lineTo(-42, 41);
    triangle.closeSubpath();
    p.drawPath(triangle);
}

void drawDevil(QPainter& p)
{
    // The reversed star, and the loose chains beneath it.
    p.setPen(outlinePen(QColor(60, 10, 10), 2));
    p.setBrush(QColor(120, 20, 30));
    p.drawEllipse(QPointF(0, -16), 30, 30);
    QPainterPath pentagram;
    for (int i = 0; i <= 5; ++i) {
        const qreal angle = qDegreesToRadians(90.0 + 144.0 * i);
        const QPointF point = QPointF(0, -16) + QPointF(26 * std::cos(angle), 26 * std::sin(angle));
        if (i == 0)
            pentagram.moveTo(point);
        else
            pentagram.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 3));
    p.drawPath(pentagram);
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath horn;
        horn.moveTo(side * 16, -42);
        horn.cubicTo(side * 22, -52, side * 34, -52, side * 40, -46);
        horn.cubicTo(side * 32, -46, side * 26, -42, side * 26, -36);
        p.setPen(outlinePen(QColor(40, 30, 20), 1.5));
        p.setBrush(QColor(210, 190, 160));
        p.drawPath(horn);
    }
    p.setBrush(Qt::NoBrush);
    for (qreal side : {-1.0, 1.0}) {
        for (int i = 0; i < 4; ++i) {
            const QPointF link(side * (12 + i * 6), 18 + i * 8);
            p.setPen(outlinePen(QColor(60, 60, 70), 3.5));
            p.drawEllipse(link, i % 2 == 0 ? 4.5 : 2.2, i % 2 == 0 ? 2.6 : 4.5);
            p.setPen(outlinePen(QColor(190, 190, 205), 1.6));
            p.drawEllipse(link, i % 2 == 0 ? 4.5 : 2.2, i % 2 == 0 ? 2.6 : 4.5);
        }
    }
}

void drawTower(QPainter& p)
{
    // The struck tower losing its crown to the lightning.
    p.setPen(outlinePen(QColor(20, 16, 20), 2));
    QLinearGradient stone(-18, 0, 18, 0);
    stone.setColorAt(0, QColor(90, 80, 86));
    stone.setColorAt(0.45, QColor(186, 176, 170));
    stone.setColorAt(1, QColor(96, 86, 92));
    p.setBrush(stone);
    QPainterPath body;
    body.moveTo(-18, 48);
    body.lineTo(-14, -22);
    body.lineTo(14, -22);
    body.lineTo(18, 48);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(255, 170, 60));
    p.drawRect(QRectF(-5, -8, 10, 12));
    p.drawRect(QRectF(-5, 16, 10, 12));
    p.setBrush(QColor(40, 20, 10));
    p.drawRoundedRect(QRectF(-6, 36, 12, 12), 5, 5);
    // The crown, knocked askew above the top.
    p.save();
    p.translate(18, -34);
    p.rotate(28);
    p.setPen(outlinePen(kLine, 1.8));
    p.setBrush(gold(-12, 12));
    QPainterPath crown;
    crown.moveTo(-12, 6);
    crown.lineTo(-14, -8);
    crown.lineTo(-6, -2);
    crown.lineTo(0, -10);
    crown.lineTo(6, -2);
    crown.lineTo(14, -8);
    crown.lineTo(12, 6);
    crown.closeSubpath();
    p.drawPath(crown);
    p.restore();
    QPainterPath bolt;
    bolt.moveTo(-44, -50);
    bolt.lineTo(-18, -34);
    bolt.lineTo(-26, -30);
    bolt.lineTo(2, -18);
    bolt.lineTo(-12, -30);
    bolt.lineTo(-6, -34);
    bolt.lineTo(-40, -50);
    bolt.closeSubpath();
    p.setPen(outlinePen(QColor(250, 250, 220), 1.5));
    p.setBrush(QColor(255, 228, 90));
    p.drawPath(bolt);
    for (int i = 0; i < 6; ++i) {
        const QPointF flame(-30 + (i * 13) % 60, -10 + (i * 17) % 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 200, 80));
        p.drawPath(starPath(flame + QPointF(i % 2 == 0 ? -6 : 6, 0), 3, 1.2, 3, -90));
    }
}

void drawStar(QPainter& p)
{
    glow(p, QPointF(0, -12), 34, colour::kGoldLight);
    p.setPen(outlinePen(kLine, 1.5));
    p.setBrush(gold(-26, 26));
    p.drawPath(starPath(QPointF(0, -12), 28, 10, 8));
    p.setBrush(colour::kGoldLight);
    p.drawPath(starPath(QPointF(0, -12), 12, 5, 8, -67.5));
    for (int i = 0; i < 7; ++i) {
        const qreal angle = qDegreesToRadians(200 + i * 23.3);
        const QPointF at = QPointF(0, -12) + QPointF(std::cos(angle), std::sin(angle) * 0.9) * 42;
        p.setPen(outlinePen(kLine, 1));
        p.setBrush(colour::kSilver);
        p.drawPath(starPath(at + QPointF(0, 42), 6, 2.5, 8));
    }
    // The pool under the star.
    QPainterPath pool;
    pool.addEllipse(QPointF(0, 40), 34, 7);
    p.setPen(outlinePen(QColor(120, 180, 220), 1.5));
    p.setBrush(QColor(60, 110, 170));
    p.drawPath(pool);
    p.setPen(outlinePen(QColor(180, 220, 245), 1.2));
    p.drawArc(QRectF(-14, 36, 28, 6), 20 * 16, 140 * 16);
}

void drawMoon(QPainter& p)
{
    glow(p, QPointF(0, -20), 34, colour::kSilver);
    p.setPen(outlinePen(QColor(150, 140, 90), 1.5));
    p.setBrush(colour::kGoldLight);
    p.drawEllipse(QPointF(0, -20), 24, 24);
    p.setBrush(silver(-24, 24));
    p.drawPath(crescent(QPointF(0, -20), 24, QPointF(-10, -3), 21));
    rays(p, QPointF(0, -20), 27, 34, 24, QColor(246, 224, 150, 200), 1.2);
    // The falling dew.
    for (int i = 0; i < 5; ++i) {
        QPainterPath drop;
        const QPointF at(-24 + i * 12, 14 + (i % 2) * 5);
        drop.moveTo(at + QPointF(0, -5));
        drop.cubicTo(at + QPointF(3, 0), at + QPointF(3, 3), at);
        drop.cubicTo(at + QPointF(-3, 3), at + QPointF(-3, 0), at + QPointF(0, -5));
        p.setPen(Qt::NoPen);
        p.setBrush(colour::kGold);
        p.drawPath(drop);
    }
    QPainterPath hills;
    hills.moveTo(-50, 50);
    hills.lineTo(-50, 40);
    hills.cubicTo(-24, 30, 24, 30, 50, 40);
    hills.lineTo(50, 50);
    hills.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 58, 70));
    p.drawPath(hills);
    p.setPen(outlinePen(QColor(20, 16, 20), 1.5));
    towerShape(p, QRectF(-46, 24, 12, 24), QColor(110, 100, 110));
    towerShape(p, QRectF(34, 24, 12, 24), QColor(110, 100, 110));
    // The path winding from the pool to the far hills, narrowing with distance.
    QPainterPath road;
    road.moveTo(0, 46);
    road.cubicTo(-16, 38, 12, 32, 0, 24);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(196, 176, 128), 3.5));
    p.drawPath(road);
    p.setPen(outlinePen(QColor(120, 180, 220), 1.2));
    p.setBrush(QColor(60, 110, 170));
    p.drawEllipse(QPointF(0, 48), 20, 4);
}

void drawSun(QPainter& p)
{
    const QPointF centre(0, -8);
    glow(p, centre, 48, colour::kGoldLight);
    for (int i = 0; i < 16; ++i) {
        const qreal angle = qDegreesToRadians(i * 22.5 - 90);
        const QPointF direction(std::cos(angle), std::sin(angle));
        const QPointF side(-direction.y(), direction.x());
        QPainterPath ray;
        if (i % 2 == 0) {
            ray.moveTo(centre + direction * 22 + side * 5);
            ray.lineTo(centre + direction * 44);
            ray.lineTo(centre + direction * 22 - side * 5);
        } else {
            ray.moveTo(centre + direction * 22 + side * 3);
            ray.quadTo(centre + direction * 30 + side * 6, centre + direction * 36);
            ray.quadTo(centre + direction * 30 - side * 2, centre + direction * 22 - side * 3);
        }
        ray.closeSubpath();
        p.setPen(outlinePen(kLine, 1.2));
        p.setBrush(i % 2 == 0 ? colour::kGold : QColor(240, 150, 50));
        p.drawPath(ray);
    }
    p.setPen(outlinePen(kLine, 2));
    QRadialGradient disc(centre + QPointF(-6, -6), 30);
    disc.setColorAt(0, QColor(255, 248, 200));
    disc.setColorAt(1, colour::kGold);
    p.setBrush(disc);
    p.drawEllipse(centre, 22, 22);
    p.setPen(outlinePen(kLine, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-10, -14, 8, 6), 0, 180 * 16);
    p.drawArc(QRectF(2, -14, 8, 6), 0, 180 * 16);
    p.drawArc(QRectF(-9, -6, 18, 12), 200 * 16, 140 * 16);
    // Sunflowers along the garden wall.
    p.setPen(outlinePen(QColor(60, 30, 20), 1.5));
    p.setBrush(QColor(170, 100, 70));
    p.drawRect(QRectF(-46, 40, 92, 8));
    for (int i = 0; i < 3; ++i) {
        const QPointF flower(-28 + i * 28, 36);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 40));
        p.drawPath(starPath(flower, 8, 4, 10));
        p.setBrush(QColor(90, 50, 20));
        p.drawEllipse(flower, 3.2, 3.2);
    }
}

void drawJudgement(QPainter& p)
{
    // The trumpet with its banner of the cross, sounding through the clouds.
    p.setClipRect(QRectF(-50, -50, 100, 100), Qt::IntersectClip);
    for (int i = 0; i < 7; ++i) {
        const qreal angle = qDegreesToRadians(30 + i * 20.0);
        p.setPen(outlinePen(QColor(246, 224, 150, 170), 1.5));
        p.drawLine(QPointF(-30, -30), QPointF(-30, -30) + QPointF(std::cos(angle), std::sin(angle)) * 62);
    }
    p.setPen(outlinePen(QColor(150, 160, 190), 1.5));
    p.setBrush(QColor(236, 240, 250));
    for (const QPointF& puff : {QPointF(-40, -38), QPointF(-28, -44), QPointF(-16, -38), QPointF(-30, -32)})
        p.drawEllipse(puff, 12, 9);
    p.save();
    p.translate(-14, -26);
    p.rotate(38);
    p.setPen(outlinePen(kLine, 2));
    p.setBrush(gold(-4, 4));
    QPainterPath trumpet;
    trumpet.moveTo(0, -3);
    trumpet.lineTo(44, -3);
    trumpet.cubicTo(50, -4, 54, -12, 56, -14);
    trumpet.lineTo(56, 14);
    trumpet.cubicTo(54, 12, 50, 4, 44, 3);
    trumpet.lineTo(0, 3);
    trumpet.closeSubpath();
    p.drawPath(trumpet);
    p.setBrush(colour::kSilver);
    p.setPen(outlinePen(QColor(130, 130, 150), 1.2));
    p.drawRect(QRectF(16, 3, 22, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kRuby);
    p.drawRect(QRectF(25, 4, 4, 16));
    p.drawRect(QRectF(17, 10, 20, 4));
    p.restore();
    // The risen figures' open graves, low on the horizon.
    p.setPen(outlinePen(QColor(20, 20, 30), 1.5));
    p.setBrush(QColor(80, 90, 120));
    p.drawRect(QRectF(-40, 40, 24, 8));
    p.drawRect(QRectF(16, 40, 24, 8));
    p.setPen(outlinePen(colour::kSilver, 2.5));
    p.drawLine(QPointF(-28, 38), QPointF(-34, 26));
    p.drawLine(QPointF(-28, 38), QPointF(-22, 26));
    p.drawLine(QPointF(28, 38), QPointF(22, 26));
    p.drawLine(QPointF(28, 38), QPointF(34, 26));
}

void drawWorld(QPainter& p)
{
    // The laurel wreath bound with red ribbons, the star of completion inside.
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(40, 90, 40), 3));
    p.drawEllipse(QPointF(0, 0), 28, 42);
    for (int i = 0; i < 28; ++i) {
        const qreal t = 2 * M_PI * i / 28;
        const QPointF on(28 * std::cos(t), 42 * std::sin(t));
        const qreal tilt = qRadiansToDegrees(std::atan2(42 * std::cos(t), -28 * std::sin(t)));
        p.save();
        p.translate(on);
        p.rotate(tilt + (i % 2 == 0 ? 30 : -30));
        p.setPen(outlinePen(QColor(30, 70, 30), 0.8));
        p.setBrush(colour::kLeaf);
        p.drawEllipse(QPointF(4, 0), 5, 2.3);
        p.restore();
    }
    for (qreal y : {-42.0, 42.0}) {
        p.setPen(outlinePen(QColor(100, 10, 20), 1.5));
        p.setBrush(colour::kRuby);
        QPainterPath bow;
        bow.moveTo(0, y);
        bow.lineTo(-10, y - 6);
        bow.lineTo(-10, y + 6);
        bow.closeSubpath();
        bow.moveTo(0, y);
        bow.lineTo(10, y - 6);
        bow.lineTo(10, y + 6);
        bow.closeSubpath();
        p.drawPath(bow);
    }
    glow(p, QPointF(0, 0), 26, colour::kGoldLight);
    p.setPen(outlinePen(kLine, 1.5));
    p.setBrush(gold(-16, 16));
    p.drawPath(starPath(QPointF(0, 0), 18, 7, 8));
    for (qreal sx : {-1.0, 1.0})
        for (qreal sy : {-1.0, 1.0})
            drawSparkle(p, QPointF(sx * 42, sy * 42), 5, colour::kSilver);
}

using EmblemFunction = void (*)(QPainter&);

const QHash<QString, EmblemFunction>& emblemsByName()
{
    static const QHash<QString, EmblemFunction> emblems = {
        {QStringLiteral("The Fool"), drawFool},
        {QStringLiteral("The Magician"), drawMagician},
        {QStringLiteral("The High Priestess"), drawHighPriestess},
        {QStringLiteral("The Empress"), drawEmpress},
        {QStringLiteral("The Emperor"), drawEmperor},
        {QStringLiteral("The Hierophant"), drawHierophant},
        {QStringLiteral("The Lovers"), drawLovers},
        {QStringLiteral("The Chariot"), drawChariot},
        {QStringLiteral("Strength"), drawStrength},
        {QStringLiteral("The Hermit"), drawHermit},
        {QStringLiteral("Wheel Fortune"), drawWheel},
        {QStringLiteral("Justice"), drawJustice},
        {QStringLiteral("The Hanged Man"), drawHangedMan},
        {QStringLiteral("Death"), drawDeath},
        {QStringLiteral("Temperance"), drawTemperance},
        {QStringLiteral("The Devil"), drawDevil},
        {QStringLiteral("The Tower"), drawTower},
        {QStringLiteral("The Star"), drawStar},
        {QStringLiteral("The Moon"), drawMoon},
        {QStringLiteral("The Sun"), drawSun},
        {QStringLiteral("Judgement"), drawJudgement},
        {QStringLiteral("The World"), drawWorld},
    };
    return emblems;
}

} // namespace

bool drawMajorEmblem(QPainter& painter, const QString& cardName, const QRectF& box)
{
    const EmblemFunction draw = emblemsByName().value(cardName);
    if (!draw)
        return false;
    EmblemCanvas canvas(painter, box);
    draw(painter);
    return true;
}

} // namespace quillmere::artwork
