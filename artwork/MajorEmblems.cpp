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

const QColor kSkin(238, 206, 170);
const QColor kSkinLine(120, 80, 50);

QPainterPath lemniscatePath(QPointF centre, qreal halfWidth)
{
    QPainterPath path;
    for (int i = 0; i <= 64; ++i) {
        const qreal t = 2 * M_PI * i / 64;
        const qreal d = 1 + std::sin(t) * std::sin(t);
        const QPointF point(halfWidth * std::cos(t) / d, halfWidth * std::sin(t) * std::cos(t) / d);
        if (i == 0)
            path.moveTo(centre + point);
        else
            path.lineTo(centre + point);
    }
    return path;
}

void face(QPainter& p, QPointF centre, qreal radius)
{
    p.setPen(outlinePen(kSkinLine, 1));
    p.setBrush(kSkin);
    p.drawEllipse(centre, radius * 0.85, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(centre + QPointF(-radius * 0.32, -radius * 0.1), radius * 0.13, radius * 0.13);
    p.drawEllipse(centre + QPointF(radius * 0.32, -radius * 0.1), radius * 0.13, radius * 0.13);
}

void landscape(QPainter& p, qreal y, qreal H, const QColor& fill)
{
    QPainterPath land;
    land.moveTo(-52, H + 2);
    land.lineTo(-52, y + 3);
    land.cubicTo(-20, y - 3, 20, y + 4, 52, y - 1);
    land.lineTo(52, H + 2);
    land.closeSubpath();
    p.setPen(outlinePen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawPath(land);
}

void distantPeaks(QPainter& p, qreal y, const QColor& fill)
{
    QPainterPath peaks;
    peaks.moveTo(-52, y + 12);
    peaks.lineTo(-52, y);
    peaks.lineTo(-34, y - 16);
    peaks.lineTo(-18, y - 2);
    peaks.lineTo(2, y - 20);
    peaks.lineTo(24, y - 4);
    peaks.lineTo(38, y - 14);
    peaks.lineTo(52, y - 2);
    peaks.lineTo(52, y + 12);
    peaks.closeSubpath();
    p.setPen(outlinePen(fill.darker(130), 1));
    p.setBrush(fill);
    p.drawPath(peaks);
}

void drawMagician(QPainter& p, qreal H)
{
    // The magician with his wand raised, the figure eight over his head and the four tools of the suits on his
    // table, large enough to be told apart: cup, coin, sword and wand.
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 3));
    p.drawPath(lemniscatePath(QPointF(0, -66), 14));
    // Red cloak over a white robe.
    QPainterPath cloak;
    cloak.moveTo(-20, 20);
    cloak.lineTo(-14, -40);
    cloak.quadTo(0, -46, 14, -40);
    cloak.lineTo(20, 20);
    cloak.closeSubpath();
    p.setPen(outlinePen(QColor(110, 20, 20), 1.2));
    p.setBrush(QColor(190, 40, 40));
    p.drawPath(cloak);
    p.setPen(outlinePen(QColor(150, 150, 160), 1));
    p.setBrush(QColor(246, 246, 250));
    p.drawRect(QRectF(-7, -40, 14, 60));
    p.setPen(outlinePen(colour::kGold, 2));
    p.drawLine(QPointF(-9, -16), QPointF(9, -16));
    // The raised arm with the wand, and the arm pointing down to the earth.
    p.setPen(outlinePen(QColor(110, 20, 20), 5));
    p.drawLine(QPointF(10, -36), QPointF(18, -54));
    p.drawLine(QPointF(-10, -36), QPointF(-22, -14));
    p.setPen(outlinePen(kSkinLine, 1));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(18, -56), 3, 3);
    p.drawEllipse(QPointF(-23, -12), 3, 3);
    p.setPen(outlinePen(QColor(90, 90, 110), 1));
    p.setBrush(QColor(252, 252, 255));
    p.drawRoundedRect(QRectF(16.5, -72, 3.5, 22), 1.7, 1.7);
    face(p, QPointF(0, -48), 7);
    p.setPen(outlinePen(QColor(40, 30, 20), 1));
    p.setBrush(QColor(60, 40, 30));
    p.drawChord(QRectF(-6.5, -56.5, 13, 8), 0, 180 * 16);
    // The table and its tools.
    p.setPen(outlinePen(QColor(60, 30, 10), 1.2));
    p.setBrush(QColor(150, 96, 50));
    p.drawRect(QRectF(-48, 14, 96, 7));
    p.setBrush(QColor(120, 70, 34));
    p.drawRect(QRectF(-44, 21, 88, 22));
    drawSuitEmblem(p, Suit::Cups, QRectF(-48, -11, 26, 26));
    drawSuitEmblem(p, Suit::Pentacles, QRectF(-22, -8, 22, 22));
    drawSuitEmblem(p, Suit::Swords, QRectF(1, -22, 36, 36));
    p.save();
    p.translate(38, 2);
    p.rotate(-20);
    drawSuitEmblem(p, Suit::Wands, QRectF(-16, -16, 32, 32));
    p.restore();
    // The garden of roses and lilies below.
    for (int i = 0; i < 7; ++i) {
        const QPointF at(-42 + i * 14, 52 + (i % 2) * 10);
        p.setPen(outlinePen(QColor(40, 90, 40), 1.6));
        p.drawLine(at, at + QPointF(0, 10));
        p.setPen(outlinePen(i % 2 == 0 ? QColor(110, 10, 20) : QColor(150, 150, 160), 0.8));
        p.setBrush(i % 2 == 0 ? colour::kRuby : QColor(250, 250, 255));
        p.drawPath(starPath(at, 5, 2.6, i % 2 == 0 ? 5 : 6));
    }
    (void)H;
}

void drawEmperor(QPainter& p, qreal H)
{
    // The ruler on his stone throne, its corners carved as rams' heads, barren mountains behind.
    distantPeaks(p, -14, QColor(190, 100, 60));
    landscape(p, 44, H, QColor(120, 90, 80));
    QLinearGradient stone(-38, 0, 38, 0);
    stone.setColorAt(0, QColor(110, 96, 100));
    stone.setColorAt(0.4, QColor(196, 184, 180));
    stone.setColorAt(1, QColor(120, 106, 108));
    p.setPen(outlinePen(QColor(40, 30, 30), 1.6));
    p.setBrush(stone);
    p.drawRect(QRectF(-34, -58, 68, 106));
    p.drawRect(QRectF(-44, 0, 12, 50));
    p.drawRect(QRectF(32, 0, 12, 50));
    // Rams' heads: long pale faces with great curled horns.
    const auto ram = [&p](QPointF at, qreal size) {
        for (qreal side : {-1.0, 1.0}) {
            QPainterPath horn;
            horn.moveTo(at + QPointF(side * size * 0.3, -size * 0.6));
            horn.cubicTo(at + QPointF(side * size * 1.4, -size * 1.1), at + QPointF(side * size * 1.7, size * 0.4),
                         at + QPointF(side * size * 1.0, size * 0.5));
            horn.cubicTo(at + QPointF(side * size * 0.6, size * 0.5), at + QPointF(side * size * 0.6, 0),
                         at + QPointF(side * size * 0.95, -size * 0.05));
            p.setBrush(Qt::NoBrush);
            p.setPen(outlinePen(QColor(90, 62, 12), size * 0.55));
            p.drawPath(horn);
            p.setPen(outlinePen(colour::kGoldLight, size * 0.32));
            p.drawPath(horn);
        }
        QPainterPath head;
        head.moveTo(at + QPointF(-size * 0.5, -size * 0.7));
        head.lineTo(at + QPointF(size * 0.5, -size * 0.7));
        head.lineTo(at + QPointF(size * 0.25, size * 0.9));
        head.lineTo(at + QPointF(-size * 0.25, size * 0.9));
        head.closeSubpath();
        p.setPen(outlinePen(QColor(60, 50, 40), 1));
        p.setBrush(QColor(236, 228, 214));
        p.drawPath(head);
        p.setBrush(QColor(40, 30, 20));
        p.setPen(Qt::NoPen);
        p.drawEllipse(at + QPointF(-size * 0.22, -size * 0.2), size * 0.1, size * 0.1);
        p.drawEllipse(at + QPointF(size * 0.22, -size * 0.2), size * 0.1, size * 0.1);
    };
    ram(QPointF(-30, -58), 9);
    ram(QPointF(30, -58), 9);
    ram(QPointF(-38, 2), 6);
    ram(QPointF(38, 2), 6);
    // The ruler in red over armour, white-bearded and crowned.
    QPainterPath robe;
    robe.moveTo(-18, -30);
    robe.lineTo(-26, 48);
    robe.lineTo(26, 48);
    robe.lineTo(18, -30);
    robe.quadTo(0, -36, -18, -30);
    QLinearGradient red(-26, 0, 26, 0);
    red.setColorAt(0, QColor(130, 20, 20));
    red.setColorAt(0.4, QColor(210, 50, 40));
    red.setColorAt(1, QColor(130, 20, 20));
    p.setPen(outlinePen(QColor(80, 10, 10), 1.2));
    p.setBrush(red);
    p.drawPath(robe);
    p.setPen(outlinePen(QColor(60, 60, 80), 1));
    p.setBrush(QColor(190, 196, 210));
    p.drawRect(QRectF(-8, 20, 6, 28));
    p.drawRect(QRectF(2, 20, 6, 28));
    face(p, QPointF(0, -40), 8);
    QPainterPath beard;
    beard.moveTo(-7, -40);
    beard.cubicTo(-7, -28, -3, -20, 0, -18);
    beard.cubicTo(3, -20, 7, -28, 7, -40);
    beard.cubicTo(4, -35, -4, -35, -7, -40);
    p.setPen(outlinePen(QColor(150, 150, 160), 0.8));
    p.setBrush(QColor(246, 246, 250));
    p.drawPath(beard);
    QPainterPath crown;
    crown.moveTo(-8, -46);
    crown.lineTo(-9, -58);
    crown.lineTo(-4, -51);
    crown.lineTo(0, -60);
    crown.lineTo(4, -51);
    crown.lineTo(9, -58);
    crown.lineTo(8, -46);
    crown.closeSubpath();
    p.setPen(outlinePen(kLine, 1));
    p.setBrush(gold(-9, 9));
    p.drawPath(crown);
    // The ankh sceptre and the orb.
    p.setPen(outlinePen(kLine, 1.4));
    p.setBrush(gold(16, 26));
    p.drawRect(QRectF(19, -30, 3.5, 40));
    p.drawRect(QRectF(14, -30, 13, 3.5));
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGold, 3));
    p.drawEllipse(QPointF(20.75, -36), 4, 5);
    p.setPen(outlinePen(kLine, 1.4));
    p.setBrush(gold(-28, -14));
    p.drawEllipse(QPointF(-21, 0), 6, 6);
    p.drawLine(QPointF(-21, -6), QPointF(-21, -11));
    p.drawLine(QPointF(-24, -9), QPointF(-18, -9));
}

void drawChariot(QPainter& p, qreal H)
{
    // The charioteer under the starry canopy, the car drawn by a black and a white sphinx.
    for (int i = 0; i < 6; ++i)
        towerShape(p, QRectF(-50 + i * 17, 6 - (i % 2) * 6, 14, 20), QColor(110, 104, 120));
    landscape(p, 30, H, QColor(150, 140, 110));
    // Canopy and posts.
    p.setPen(outlinePen(kLine, 1.6));
    p.setBrush(gold(-3, 3));
    p.drawRect(QRectF(-34, -58, 4, 62));
    p.drawRect(QRectF(30, -58, 4, 62));
    QPainterPath canopy;
    canopy.moveTo(-40, -56);
    canopy.cubicTo(-20, -76, 20, -76, 40, -56);
    for (int i = 0; i < 8; ++i)
        canopy.quadTo(40 - i * 10 - 5, -50, 40 - (i + 1) * 10, -56);
    canopy.closeSubpath();
    p.setPen(outlinePen(QColor(20, 30, 80), 1.4));
    p.setBrush(QColor(40, 70, 150));
    p.drawPath(canopy);
    for (int i = -3; i <= 3; ++i)
        drawSparkle(p, QPointF(i * 9, -62 + std::abs(i) * 1.2), 2.8, colour::kGoldLight);
    // The charioteer in armour with a star on his crown and the wand of will.
    p.setPen(outlinePen(QColor(50, 50, 70), 1.2));
    p.setBrush(silver(-12, 12));
    p.drawRoundedRect(QRectF(-11, -36, 22, 36), 4, 4);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(-11, -14, 22, 10));
    for (qreal side : {-1.0, 1.0}) {
        p.setBrush(silver(-4, 4));
        p.drawPath(crescent(QPointF(side * 12, -34), 5, QPointF(0, 3), 4));
    }
    face(p, QPointF(0, -44), 7);
    p.setPen(outlinePen(kLine, 1));
    p.setBrush(gold(-7, 7));
    p.drawRect(QRectF(-7, -53, 14, 4));
    drawSparkle(p, QPointF(0, -56), 4, colour::kGoldLight);
    p.setPen(outlinePen(kLine, 1.4));
    p.setBrush(gold(16, 20));
    p.drawRect(QRectF(15, -48, 3, 34));
    p.drawEllipse(QPointF(16.5, -50), 3, 3);
    // The car of stone with the winged disc.
    p.setPen(outlinePen(QColor(40, 30, 30), 1.6));
    QLinearGradient stone(-40, 0, 40, 0);
    stone.setColorAt(0, QColor(120, 110, 110));
    stone.setColorAt(0.4, QColor(206, 196, 190));
    stone.setColorAt(1, QColor(120, 110, 110));
    p.setBrush(stone);
    p.drawRect(QRectF(-40, -4, 80, 30));
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(side * 4, 8);
        wing.cubicTo(side * 10, 2, side * 22, 2, side * 26, 6);
        wing.cubicTo(side * 20, 8, side * 14, 10, side * 4, 12);
        p.setPen(outlinePen(kLine, 1));
        p.setBrush(QColor(60, 100, 180));
        p.drawPath(wing);
    }
    p.setBrush(gold(-5, 5));
    p.drawEllipse(QPointF(0, 10), 5, 5);
    for (qreal side : {-1.0, 1.0}) {
        p.setPen(outlinePen(kLine, 1.6));
        p.setBrush(gold(side * 44 - 8, side * 44 + 8));
        p.drawEllipse(QPointF(side * 42, 26), 8, 8);
        p.setBrush(QColor(40, 40, 60));
        p.drawEllipse(QPointF(side * 42, 26), 2.5, 2.5);
    }
    // The sphinxes lying before the car, the dark one on the left, the light on the right.
    for (qreal side : {-1.0, 1.0}) {
        const bool dark = side < 0;
        const QColor body = dark ? QColor(36, 34, 40) : QColor(240, 238, 232);
        const QColor line = dark ? QColor(140, 140, 150) : QColor(90, 80, 70);
        const QPointF at(side * 22, 56);
        p.setPen(outlinePen(line, 1.2));
        p.setBrush(body);
        p.drawEllipse(at + QPointF(side * 8, 4), 16, 8);
        p.drawRoundedRect(QRectF(at.x() - 12, at.y() + 6, 14, 5), 2.5, 2.5);
        p.drawRoundedRect(QRectF(at.x() - 2, at.y() + 6, 14, 5), 2.5, 2.5);
        // The striped headcloth around a human face.
        QPainterPath nemes;
        nemes.moveTo(at + QPointF(-8, -16));
        nemes.lineTo(at + QPointF(8, -16));
        nemes.lineTo(at + QPointF(11, 2));
        nemes.lineTo(at + QPointF(-11, 2));
        nemes.closeSubpath();
        p.setBrush(body);
        p.drawPath(nemes);
        p.setPen(outlinePen(dark ? QColor(200, 170, 60) : QColor(60, 90, 170), 1));
        for (int i = 0; i < 3; ++i)
            p.drawLine(at + QPointF(-9 - i * 0.6, -8 + i * 4), at + QPointF(9 + i * 0.6, -8 + i * 4));
        p.setPen(outlinePen(line, 0.8));
        p.setBrush(dark ? QColor(90, 70, 60) : kSkin);
        p.drawEllipse(at + QPointF(0, -8), 5, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(dark ? QColor(230, 230, 230) : QColor(40, 30, 30));
        p.drawEllipse(at + QPointF(-1.8, -9), 0.9, 0.9);
        p.drawEllipse(at + QPointF(1.8, -9), 0.9, 0.9);
    }
}

void drawStrength(QPainter& p, qreal H)
{
    // The woman in white gently closing the lion's jaws, the figure eight over her head.
    distantPeaks(p, 24, QColor(110, 120, 150));
    landscape(p, 40, H, QColor(110, 150, 80));
    // The lion's body and tail, crouched to the right.
    p.setPen(outlinePen(QColor(120, 60, 10), 1.4));
    p.setBrush(QColor(222, 160, 70));
    p.drawEllipse(QPointF(30, 34), 20, 13);
    p.setPen(outlinePen(QColor(120, 60, 10), 5));
    p.drawLine(QPointF(40, 40), QPointF(42, 58));
    p.drawLine(QPointF(22, 42), QPointF(18, 58));
    p.setPen(outlinePen(QColor(222, 160, 70), 3.2));
    p.drawLine(QPointF(40, 40), QPointF(42, 58));
    p.drawLine(QPointF(22, 42), QPointF(18, 58));
    QPainterPath tail;
    tail.moveTo(48, 28);
    tail.cubicTo(56, 16, 44, 6, 50, -4);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(120, 60, 10), 2));
    p.drawPath(tail);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 70, 20));
    p.drawEllipse(QPointF(50, -5), 3, 4);
    // The head with its mane, turned up toward her, the mouth open.
    const QPointF head(12, 10);
    p.setPen(outlinePen(QColor(120, 50, 10), 1.4));
    p.setBrush(QColor(190, 100, 30));
    p.drawPath(starPath(head, 22, 15, 14));
    p.setBrush(QColor(236, 176, 80));
    p.drawEllipse(head, 13, 14);
    QPainterPath mouth;
    mouth.moveTo(head + QPointF(-4, 2));
    mouth.lineTo(head + QPointF(-16, -2));
    mouth.lineTo(head + QPointF(-16, 12));
    mouth.closeSubpath();
    p.setBrush(QColor(160, 30, 40));
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 30, 10));
    p.drawEllipse(head + QPointF(-3, -6), 2, 2.2);
    p.drawEllipse(head + QPointF(5, -6), 2, 2.2);
    // The upper and lower jaws she holds.
    p.setPen(outlinePen(QColor(120, 60, 10), 1.2));
    p.setBrush(QColor(236, 176, 80));
    QPainterPath upper;
    upper.moveTo(head + QPointF(-2, -2));
    upper.lineTo(head + QPointF(-18, -4));
    upper.quadTo(head + QPointF(-18, 2), head + QPointF(-4, 3));
    upper.closeSubpath();
    p.drawPath(upper);
    QPainterPath lower;
    lower.moveTo(head + QPointF(-4, 8));
    lower.lineTo(head + QPointF(-17, 12));
    lower.quadTo(head + QPointF(-12, 18), head + QPointF(0, 14));
    lower.closeSubpath();
    p.drawPath(lower);
    // The woman in her white gown, a garland of flowers at her waist.
    QPainterPath gown;
    gown.moveTo(-28, -40);
    gown.lineTo(-42, 62);
    gown.lineTo(-4, 62);
    gown.lineTo(-14, -40);
    gown.quadTo(-21, -44, -28, -40);
    p.setPen(outlinePen(QColor(150, 150, 170), 1.2));
    p.setBrush(QColor(250, 250, 255));
    p.drawPath(gown);
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? colour::kRuby : QColor(250, 200, 60));
        p.drawEllipse(QPointF(-29 + i * 5, -14 + i * 0.5), 2.4, 2.4);
    }
    // Arms reaching down to the jaws.
    p.setPen(outlinePen(QColor(150, 150, 170), 5.5));
    p.drawLine(QPointF(-16, -34), QPointF(-4, 4));
    p.drawLine(QPointF(-24, -32), QPointF(-10, 24));
    p.setPen(outlinePen(QColor(250, 250, 255), 3.8));
    p.drawLine(QPointF(-16, -34), QPointF(-4, 4));
    p.drawLine(QPointF(-24, -32), QPointF(-10, 24));
    p.setPen(outlinePen(kSkinLine, 0.8));
    p.setBrush(kSkin);
    p.drawEllipse(head + QPointF(-12, -6), 4, 3);
    p.drawEllipse(head + QPointF(-16, 15), 4, 3);
    // Her hair, face and the garland of her hair.
    p.setPen(outlinePen(QColor(120, 80, 30), 1));
    p.setBrush(QColor(220, 170, 80));
    p.drawEllipse(QPointF(-21, -46), 8, 10);
    face(p, QPointF(-20, -48), 6);
    for (int i = 0; i < 4; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 == 0 ? colour::kRuby : colour::kLeaf);
        p.drawEllipse(QPointF(-26 + i * 4, -54.5), 2, 2);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(colour::kGoldLight, 2.6));
    p.drawPath(lemniscatePath(QPointF(-20, -66), 11));
}

void drawDeath(QPainter& p, qreal H)
{
    // The skeleton in black armour on a white horse, carrying the black banner with the white rose; the sun
    // rises between two towers behind.
    glow(p, QPointF(32, 34), 20, colour::kGoldLight);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kGold);
    p.drawPie(QRectF(24, 26, 16, 16), 0, 180 * 16);
    p.setPen(outlinePen(QColor(10, 10, 20), 1.2));
    towerShape(p, QRectF(14, 18, 8, 16), QColor(70, 70, 90));
    towerShape(p, QRectF(42, 18, 8, 16), QColor(70, 70, 90));
    landscape(p, 34, H, QColor(60, 58, 64));
    drawHorse(p, QPointF(-10, 30), 1.2, QColor(246, 246, 250), false, Gait::Walking);
    // The rider in black armour.
    const QPointF seat(12, 16);
    p.setPen(outlinePen(QColor(150, 150, 160), 1));
    p.setBrush(QColor(30, 30, 36));
    QPainterPath body;
    body.moveTo(seat + QPointF(-8, 4));
    body.lineTo(seat + QPointF(-7, -30));
    body.quadTo(seat + QPointF(0, -34), seat + QPointF(7, -30));
    body.lineTo(seat + QPointF(8, 4));
    body.closeSubpath();
    p.drawPath(body);
    p.drawRect(QRectF(seat.x() - 4, seat.y(), 7, 16));
    // The skull, white and plain at any size: eye sockets, nose and teeth.
    const QPointF skull = seat + QPointF(-1, -40);
    p.setPen(outlinePen(QColor(120, 120, 130), 1));
    p.setBrush(QColor(250, 250, 246));
    p.drawEllipse(skull, 7.5, 8);
    p.drawRoundedRect(QRectF(skull.x() - 4.5, skull.y() + 4, 9, 6), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    p.drawEllipse(skull + QPointF(-3, -1), 2.4, 2.6);
    p.drawEllipse(skull + QPointF(3, -1), 2.4, 2.6);
    p.drawEllipse(skull + QPointF(0, 3), 1, 1.4);
    p.setPen(outlinePen(QColor(20, 20, 24), 0.8));
    for (int i = -1; i <= 1; ++i)
        p.drawLine(skull + QPointF(i * 2, 6.5), skull + QPointF(i * 2, 9.5));
    // Bony arm and the banner staff.
    p.setPen(outlinePen(QColor(250, 250, 246), 2.2));
    p.drawLine(seat + QPointF(-6, -24), seat + QPointF(-16, -14));
    p.setPen(outlinePen(kLine, 2.2));
    p.drawLine(seat + QPointF(-18, 0), seat + QPointF(-18, -88));
    QPainterPath banner;
    const QPointF top = seat + QPointF(-18, -86);
    banner.moveTo(top);
    banner.cubicTo(top + QPointF(-8, -2), top + QPointF(-20, 4), top + QPointF(-30, 0));
    banner.lineTo(top + QPointF(-30, 28));
    banner.cubicTo(top + QPointF(-20, 32), top + QPointF(-8, 26), top + QPointF(0, 30));
    banner.closeSubpath();
    p.setPen(outlinePen(QColor(130, 130, 150), 1.2));
    p.setBrush(QColor(16, 14, 22));
    p.drawPath(banner);
    const QPointF rose = top + QPointF(-15, 15);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(72.0 * i - 90);
        p.setPen(outlinePen(QColor(170, 170, 190), 0.8));
        p.setBrush(QColor(250, 250, 255));
        p.drawEllipse(rose + QPointF(std::cos(angle), std::sin(angle)) * 5, 4.5, 4.5);
    }
    p.setBrush(colour::kGold);
    p.drawEllipse(rose, 2.5, 2.5);
    // A plume on the horse's bridle.
    p.setPen(outlinePen(QColor(110, 10, 20), 1));
    p.setBrush(colour::kRuby);
    p.drawEllipse(QPointF(-26, -10), 3, 5);
}

void drawJudgement(QPainter& p, qreal H)
{
    // The angel in the clouds sounding the trumpet with its banner of the cross; the dead rise from their
    // graves with open arms.
    distantPeaks(p, 20, QColor(200, 206, 226));
    QLinearGradient sea(0, 30, 0, H);
    sea.setColorAt(0, QColor(80, 110, 150));
    sea.setColorAt(1, QColor(40, 60, 100));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawRect(QRectF(-52, 30, 104, H - 28));
    for (int i = 0; i < 9; ++i) {
        const qreal angle = qDegreesToRadians(30 + i * 15.0);
        p.setPen(outlinePen(QColor(246, 224, 150, 150), 1.2));
        p.drawLine(QPointF(-4, -44), QPointF(-4, -44) + QPointF(std::cos(angle), std::sin(angle)) * 70);
    }
    // Wings and clouds.
    for (qreal side : {-1.0, 1.0}) {
        QPainterPath wing;
        wing.moveTo(-6, -52);
        wing.cubicTo(-6 + side * 14, -74, -6 + side * 34, -74, -6 + side * 40, -64);
        wing.cubicTo(-6 + side * 30, -60, -6 + side * 20, -52, -6, -46);
        p.setPen(outlinePen(QColor(120, 20, 30), 1));
        p.setBrush(side < 0 ? QColor(200, 60, 60) : QColor(230, 90, 80));
        p.drawPath(wing);
    }
    for (const QPointF& puff : {QPointF(-34, -40), QPointF(-16, -36), QPointF(4, -38), QPointF(24, -40)})
        drawCloud(p, puff, 30, QColor(236, 240, 250));
    face(p, QPointF(-6, -52), 6);
    p.setPen(outlinePen(QColor(150, 110, 30), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawChord(QRectF(-12, -60, 12, 8), 0, 180 * 16);
    // The trumpet, sounding down to the right, with its banner.
    p.save();
    p.translate(0, -48);
    p.rotate(36);
    p.setPen(outlinePen(kLine, 1.4));
    p.setBrush(gold(-4, 4));
    QPainterPath trumpet;
    trumpet.moveTo(0, -2);
    trumpet.lineTo(34, -2);
    trumpet.cubicTo(38, -3, 41, -8, 43, -10);
    trumpet.lineTo(43, 10);
    trumpet.cubicTo(41, 8, 38, 3, 34, 2);
    trumpet.lineTo(0, 2);
    trumpet.closeSubpath();
    p.drawPath(trumpet);
    p.setBrush(colour::kSilver);
    p.setPen(outlinePen(QColor(130, 130, 150), 1));
    p.drawRect(QRectF(12, 2, 16, 14));
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kRuby);
    p.drawRect(QRectF(18.5, 3, 3, 12));
    p.drawRect(QRectF(13, 7.5, 14, 3));
    p.restore();
    // Three figures standing in their open graves, arms raised.
    for (int i = 0; i < 3; ++i) {
        const QPointF at(-30 + i * 30, 52 + (i == 1 ? -6 : 0));
        p.setPen(outlinePen(QColor(150, 150, 170), 2.4));
        p.drawLine(at + QPointF(-2, -10), at + QPointF(-8, -22));
        p.drawLine(at + QPointF(2, -10), at + QPointF(8, -22));
        p.setPen(outlinePen(QColor(100, 100, 120), 1));
        p.setBrush(QColor(200, 200, 214));
        p.drawRoundedRect(QRectF(at.x() - 4, at.y() - 12, 8, 16), 3, 3);
        p.drawEllipse(at + QPointF(0, -15), 3.5, 3.5);
        p.setPen(outlinePen(QColor(30, 30, 40), 1));
        p.setBrush(QColor(90, 90, 110));
        p.drawRect(QRectF(at.x() - 10, at.y() + 2, 20, 8));
    }
}

void drawWorld(QPainter& p, qreal H)
{
    // The dancer inside the laurel wreath, a wand in each hand, the four living creatures in the corners.
    const QPointF centre(0, 0);
    const qreal rx = 30, ry = 52;
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(40, 90, 40), 3));
    p.drawEllipse(centre, rx, ry);
    for (int i = 0; i < 36; ++i) {
        const qreal t = 2 * M_PI * i / 36;
        const QPointF on(rx * std::cos(t), ry * std::sin(t));
        const qreal tilt = qRadiansToDegrees(std::atan2(ry * std::cos(t), -rx * std::sin(t)));
        p.save();
        p.translate(on);
        p.rotate(tilt + (i % 2 == 0 ? 30 : -30));
        p.setPen(outlinePen(QColor(30, 70, 30), 0.7));
        p.setBrush(colour::kLeaf);
        p.drawEllipse(QPointF(4, 0), 5, 2.3);
        p.restore();
    }
    for (qreal y : {-ry, ry}) {
        p.setPen(outlinePen(QColor(100, 10, 20), 1.2));
        p.setBrush(colour::kRuby);
        QPainterPath bow;
        bow.moveTo(0, y);
        bow.lineTo(-9, y - 5);
        bow.lineTo(-9, y + 5);
        bow.closeSubpath();
        bow.moveTo(0, y);
        bow.lineTo(9, y - 5);
        bow.lineTo(9, y + 5);
        bow.closeSubpath();
        p.drawPath(bow);
    }
    // The dancer: one leg straight, the other crossed behind it, a violet sash flying.
    p.setPen(outlinePen(kSkinLine, 4.6));
    p.drawLine(QPointF(0, 10), QPointF(-2, 40));
    p.drawPolyline(QList<QPointF>{QPointF(3, 10), QPointF(10, 26), QPointF(-1, 30)});
    p.setPen(outlinePen(kSkin, 3.2));
    p.drawLine(QPointF(0, 10), QPointF(-2, 40));
    p.drawPolyline(QList<QPointF>{QPointF(3, 10), QPointF(10, 26), QPointF(-1, 30)});
    p.setPen(outlinePen(kSkinLine, 1));
    p.setBrush(kSkin);
    p.drawRoundedRect(QRectF(-6, -22, 12, 34), 5, 5);
    QPainterPath sash;
    sash.moveTo(-8, -20);
    sash.cubicTo(4, -12, 12, 0, 8, 14);
    sash.cubicTo(16, 20, 22, 12, 24, 20);
    sash.cubicTo(16, 26, 8, 22, 2, 16);
    sash.cubicTo(4, 4, -2, -10, -12, -14);
    sash.closeSubpath();
    p.setPen(outlinePen(QColor(70, 30, 100), 1));
    p.setBrush(QColor(140, 80, 190));
    p.drawPath(sash);
    p.setPen(outlinePen(kSkinLine, 3.4));
    p.drawLine(QPointF(-5, -18), QPointF(-16, -30));
    p.drawLine(QPointF(5, -16), QPointF(16, -4));
    p.setPen(outlinePen(kSkin, 2));
    p.drawLine(QPointF(-5, -18), QPointF(-16, -30));
    p.drawLine(QPointF(5, -16), QPointF(16, -4));
    p.setPen(outlinePen(kLine, 1));
    p.setBrush(gold(-2, 2));
    p.drawRoundedRect(QRectF(-18, -40, 3, 18), 1.5, 1.5);
    p.drawRoundedRect(QRectF(15, -12, 3, 18), 1.5, 1.5);
    p.setPen(outlinePen(QColor(90, 50, 20), 1));
    p.setBrush(QColor(130, 80, 40));
    p.drawEllipse(QPointF(0, -31), 6.5, 7.5);
    face(p, QPointF(0, -30), 5.5);
    // The four living creatures: angel, eagle, bull and lion.
    const qreal cy = H - 12;
    const QPointF corners[] = {{-40, -cy}, {40, -cy}, {-40, cy}, {40, cy}};
    for (const QPointF& c : corners)
        drawCloud(p, c + QPointF(0, 4), 26, QColor(236, 240, 250));
    face(p, corners[0], 6);
    p.setPen(outlinePen(QColor(150, 110, 30), 1));
    p.setBrush(QColor(240, 200, 90));
    p.drawChord(QRectF(corners[0].x() - 5.5, corners[0].y() - 7, 11, 7), 0, 180 * 16);
    p.setPen(outlinePen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(140, 100, 60));
    p.drawEllipse(corners[1], 6, 6);
    QPainterPath beak;
    beak.moveTo(corners[1] + QPointF(4, -1));
    beak.lineTo(corners[1] + QPointF(10, 1));
    beak.lineTo(corners[1] + QPointF(4, 3));
    beak.closeSubpath();
    p.setBrush(QColor(240, 200, 60));
    p.drawPath(beak);
    p.setBrush(QColor(150, 100, 60));
    p.drawEllipse(corners[2], 6.5, 6);
    p.setPen(outlinePen(QColor(240, 230, 210), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(corners[2].x() - 9, corners[2].y() - 10, 18, 10), 0, 180 * 16);
    p.setPen(outlinePen(QColor(120, 50, 10), 1));
    p.setBrush(QColor(200, 120, 40));
    p.drawPath(starPath(corners[3], 8, 5.5, 10));
    p.setBrush(QColor(236, 176, 80));
    p.drawEllipse(corners[3], 4.5, 4.5);
}

// Grounds for the emblems of the other majors: what each card's figure stands on.
enum class Ground { Meadow, Floor, Water, Rock, Clouds, Night };

void drawGround(QPainter& p, Ground ground, qreal H)
{
    switch (ground) {
    case Ground::Meadow:
        landscape(p, 42, H, QColor(80, 120, 70));
        break;
    case Ground::Floor: {
        p.setPen(outlinePen(QColor(40, 36, 60), 1));
        p.setBrush(QColor(88, 82, 112));
        p.drawRect(QRectF(-52, 40, 104, H - 38));
        p.setPen(outlinePen(QColor(120, 114, 150), 1));
        for (int i = 1; i < 4; ++i)
            p.drawLine(QPointF(-52, 40 + i * (H - 40) / 4), QPointF(52, 40 + i * (H - 40) / 4));
        for (int i = 0; i < 6; ++i)
            p.drawLine(QPointF(-40 + i * 16, 40), QPointF(-56 + i * 22, H));
        break;
    }
    case Ground::Water: {
        QLinearGradient sea(0, 40, 0, H);
        sea.setColorAt(0, QColor(60, 100, 160));
        sea.setColorAt(1, QColor(30, 50, 100));
        p.setPen(Qt::NoPen);
        p.setBrush(sea);
        p.drawRect(QRectF(-52, 40, 104, H - 38));
        p.setPen(outlinePen(QColor(150, 190, 230), 1));
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 4; ++i)
                p.drawArc(QRectF(-46 + i * 26 + (row % 2) * 12, 46 + row * 8, 12, 4), 0, 180 * 16);
        break;
    }
    case Ground::Rock:
        landscape(p, 42, H, QColor(100, 94, 104));
        break;
    case Ground::Clouds:
        for (int i = 0; i < 4; ++i)
            drawCloud(p, QPointF(-36 + i * 24, 56 + (i % 2) * 6), 34, QColor(220, 226, 240));
        break;
    case Ground::Night:
        landscape(p, 46, H, QColor(34, 40, 66));
        break;
    }
}

using EmblemFunction = void (*)(QPainter&);
using PictureFunction = void (*)(QPainter&, qreal);

struct MajorPicture
{
    PictureFunction tall = nullptr;
    EmblemFunction emblem = nullptr;
    Ground ground = Ground::Meadow;
    qreal lift = -12;
};

const QHash<QString, MajorPicture>& picturesByName()
{
    static const QHash<QString, MajorPicture> pictures = {
        {QStringLiteral("The Fool"), {nullptr, drawFool, Ground::Rock, -14}},
        {QStringLiteral("The Magician"), {drawMagician}},
        {QStringLiteral("The High Priestess"), {nullptr, drawHighPriestess, Ground::Floor}},
        {QStringLiteral("The Empress"), {nullptr, drawEmpress, Ground::Meadow}},
        {QStringLiteral("The Emperor"), {drawEmperor}},
        {QStringLiteral("The Hierophant"), {nullptr, drawHierophant, Ground::Floor}},
        {QStringLiteral("The Lovers"), {nullptr, drawLovers, Ground::Meadow}},
        {QStringLiteral("The Chariot"), {drawChariot}},
        {QStringLiteral("Strength"), {drawStrength}},
        {QStringLiteral("The Hermit"), {nullptr, drawHermit, Ground::Rock}},
        {QStringLiteral("Wheel Fortune"), {nullptr, drawWheel, Ground::Clouds, -10}},
        {QStringLiteral("Justice"), {nullptr, drawJustice, Ground::Floor}},
        {QStringLiteral("The Hanged Man"), {nullptr, drawHangedMan, Ground::Meadow, -6}},
        {QStringLiteral("Death"), {drawDeath}},
        {QStringLiteral("Temperance"), {nullptr, drawTemperance, Ground::Water}},
        {QStringLiteral("The Devil"), {nullptr, drawDevil, Ground::Night}},
        {QStringLiteral("The Tower"), {nullptr, drawTower, Ground::Rock, -10}},
        {QStringLiteral("The Star"), {nullptr, drawStar, Ground::Meadow, -12}},
        {QStringLiteral("The Moon"), {nullptr, drawMoon, Ground::Water, -14}},
        {QStringLiteral("The Sun"), {nullptr, drawSun, Ground::Meadow, -12}},
        {QStringLiteral("Judgement"), {drawJudgement}},
        {QStringLiteral("The World"), {drawWorld}},
    };
    return pictures;
}

} // namespace

bool drawMajorEmblem(QPainter& painter, const QString& cardName, const QRectF& box)
{
    const auto found = picturesByName().constFind(cardName);
    if (found == picturesByName().constEnd())
        return false;
    PictureCanvas canvas(painter, box);
    const qreal H = canvas.halfHeight();
    const MajorPicture& picture = found.value();
    if (picture.tall) {
        picture.tall(painter, H);
    } else {
        // The emblem stands on the ground of its scene, which fills the picture box below it.
        drawGround(painter, picture.ground, H);
        painter.save();
        painter.translate(0, picture.lift);
        // A little smaller than the box's width, so scales and wings reaching to the emblem's edge stay whole.
        painter.scale(0.94, 0.94);
        picture.emblem(painter);
        painter.restore();
    }
    return true;
}

} // namespace quillmere::artwork
