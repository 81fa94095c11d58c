#include "Emblems.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quillmere::artwork {

const Scheme& majorScheme()
{
    static const Scheme scheme{colour::kNight, QColor(52, 30, 84), QColor(58, 24, 70),
                               colour::kGold,  colour::kInk,       colour::kGoldLight};
    return scheme;
}

const Scheme& suitScheme(Suit suit)
{
    // Water, earth, air and fire: pale grounds so the pips read clearly, a deep tone for band and lines.
    static const Scheme cups{QColor(226, 242, 244), QColor(170, 212, 222), QColor(28, 86, 116),
                             QColor(46, 120, 150),  colour::kStock,        QColor(28, 86, 116)};
    static const Scheme pentacles{QColor(240, 241, 214), QColor(204, 219, 164), QColor(58, 86, 30),
                                  QColor(96, 120, 44),   colour::kStock,        QColor(58, 86, 30)};
    static const Scheme swords{QColor(236, 236, 246), QColor(190, 194, 222), QColor(64, 56, 112),
                               QColor(98, 92, 150),   colour::kStock,        QColor(64, 56, 112)};
    static const Scheme wands{QColor(250, 232, 206), QColor(236, 184, 136), QColor(138, 52, 22),
                              QColor(170, 84, 40),   colour::kStock,        QColor(138, 52, 22)};
    switch (suit) {
    case Suit::Cups:
        return cups;
    case Suit::Pentacles:
        return pentacles;
    case Suit::Swords:
        return swords;
    case Suit::Wands:
        break;
    }
    return wands;
}

EmblemCanvas::EmblemCanvas(QPainter& painter, const QRectF& box)
    : m_painter(painter)
{
    m_painter.save();
    m_painter.translate(box.center());
    const qreal scale = std::min(box.width(), box.height()) / 100.0;
    m_painter.scale(scale, scale);
}

EmblemCanvas::~EmblemCanvas()
{
    m_painter.restore();
}

PictureCanvas::PictureCanvas(QPainter& painter, const QRectF& box)
    : m_painter(painter)
    , m_halfHeight(50.0 * box.height() / box.width())
{
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    m_painter.translate(box.center());
    const qreal scale = box.width() / 100.0;
    m_painter.scale(scale, scale);
}

PictureCanvas::~PictureCanvas()
{
    m_painter.restore();
}

QPen outlinePen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDegrees)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = qDegreesToRadians(rotationDegrees + 180.0 * i / points);
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

void drawSparkle(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(starPath(centre, radius, radius * 0.28, 4));
    painter.restore();
}

void drawCloud(QPainter& painter, QPointF centre, qreal width, const QColor& fill)
{
    painter.save();
    QPainterPath cloud;
    const qreal w = width / 2;
    cloud.addEllipse(centre + QPointF(-w * 0.55, w * 0.08), w * 0.5, w * 0.32);
    cloud.addEllipse(centre + QPointF(0, -w * 0.12), w * 0.5, w * 0.42);
    cloud.addEllipse(centre + QPointF(w * 0.55, w * 0.06), w * 0.48, w * 0.32);
    cloud.setFillRule(Qt::WindingFill);
    painter.setPen(outlinePen(fill.darker(135), std::max(0.8, width / 40)));
    painter.setBrush(fill);
    painter.drawPath(cloud.simplified());
    painter.restore();
}

void drawSlimSword(QPainter& painter, QPointF hilt, QPointF point, qreal width)
{
    painter.save();
    const QLineF line(hilt, point);
    painter.translate(hilt);
    painter.rotate(-line.angle());
    const qreal length = line.length();
    const QColor ink(36, 34, 62);
    QPainterPath blade;
    blade.moveTo(width * 1.2, -width / 2);
    blade.lineTo(length - width * 1.5, -width / 2);
    blade.lineTo(length, 0);
    blade.lineTo(length - width * 1.5, width / 2);
    blade.lineTo(width * 1.2, width / 2);
    blade.closeSubpath();
    QLinearGradient steel(0, -width / 2, 0, width / 2);
    steel.setColorAt(0, QColor(250, 252, 255));
    steel.setColorAt(1, QColor(138, 148, 170));
    painter.setPen(outlinePen(ink, width * 0.28));
    painter.setBrush(steel);
    painter.drawPath(blade);
    painter.setBrush(colour::kGold);
    painter.drawRoundedRect(QRectF(width * 0.9, -width * 1.6, width * 0.8, width * 3.2), width * 0.3, width * 0.3);
    painter.setBrush(QColor(92, 62, 150));
    painter.drawRect(QRectF(-width * 0.6, -width * 0.35, width * 1.5, width * 0.7));
    painter.setBrush(colour::kGold);
    painter.drawEllipse(QPointF(-width * 0.8, 0), width * 0.5, width * 0.5);
    painter.restore();
}

void drawHorse(QPainter& painter, QPointF chest, qreal scale, const QColor& coat, bool facingRight, Gait gait)
{
    painter.save();
    painter.translate(chest);
    painter.scale(facingRight ? scale : -scale, scale);
    // The design faces right with the chest at the origin; the body runs back to the left.
    if (gait == Gait::Rearing)
        painter.rotate(-28);
    const QColor ink = coat.lightness() < 90 ? QColor(150, 140, 130) : QColor(40, 30, 26);
    const QColor shade = coat.lightness() < 90 ? coat.lighter(160) : coat.darker(125);
    const QPen legPen = outlinePen(shade, 5);
    struct Leg
    {
        QPointF hip, knee, hoof;
    };
    Leg legs[4];
    switch (gait) {
    case Gait::Standing:
        legs[0] = {{-34, 6}, {-35, 18}, {-35, 30}};
        legs[1] = {{-28, 8}, {-28, 19}, {-28, 30}};
        legs[2] = {{-4, 8}, {-4, 19}, {-4, 30}};
        legs[3] = {{2, 8}, {3, 19}, {3, 30}};
        break;
    case Gait::Walking:
        legs[0] = {{-34, 6}, {-38, 18}, {-40, 30}};
        legs[1] = {{-28, 8}, {-26, 19}, {-24, 30}};
        legs[2] = {{-4, 8}, {-6, 19}, {-6, 30}};
        legs[3] = {{2, 8}, {10, 16}, {8, 26}};
        break;
    case Gait::Rearing:
        legs[0] = {{-34, 6}, {-36, 20}, {-30, 32}};
        legs[1] = {{-28, 8}, {-26, 20}, {-20, 32}};
        legs[2] = {{-4, 8}, {8, 12}, {6, 22}};
        legs[3] = {{2, 8}, {14, 8}, {14, 18}};
        break;
    case Gait::Galloping:
        legs[0] = {{-34, 6}, {-44, 14}, {-54, 20}};
        legs[1] = {{-28, 8}, {-36, 18}, {-44, 26}};
        legs[2] = {{-4, 8}, {8, 16}, {18, 18}};
        legs[3] = {{2, 8}, {14, 10}, {24, 12}};
        break;
    }
    // The far legs first, in the shade of the body.
    painter.setBrush(Qt::NoBrush);
    for (int i : {1, 3}) {
        painter.setPen(legPen);
        painter.drawPolyline(QList<QPointF>{legs[i].hip, legs[i].knee, legs[i].hoof});
    }
    QPainterPath tail;
    tail.moveTo(-40, -2);
    tail.cubicTo(-50, 0, -52, 14, -50, 24);
    painter.setPen(outlinePen(shade, 4));
    painter.drawPath(tail);

    QPainterPath body;
    body.addEllipse(QPointF(-18, 2), 24, 11);
    QPainterPath neck;
    neck.moveTo(-4, -6);
    neck.cubicTo(0, -16, 6, -24, 10, -30);
    neck.lineTo(20, -26);
    neck.cubicTo(14, -18, 10, -6, 6, 8);
    neck.closeSubpath();
    QPainterPath head;
    head.moveTo(10, -32);
    head.cubicTo(14, -36, 20, -34, 28, -24);
    head.cubicTo(31, -20, 29, -16, 25, -17);
    head.cubicTo(22, -18, 18, -22, 14, -22);
    head.closeSubpath();
    QPainterPath ear;
    ear.moveTo(11, -31);
    ear.lineTo(11, -39);
    ear.lineTo(16, -33);
    ear.closeSubpath();
    QPainterPath horse = body.united(neck).united(head).united(ear);
    painter.setPen(outlinePen(ink, 1.6));
    painter.setBrush(coat);
    painter.drawPath(horse);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(18, -27), 1.4, 1.4);
    painter.setPen(outlinePen(shade, 3));
    painter.drawLine(QPointF(10, -31), QPointF(0, -10));
    for (int i : {0, 2}) {
        painter.setPen(outlinePen(ink, 6.4));
        painter.drawPolyline(QList<QPointF>{legs[i].hip, legs[i].knee, legs[i].hoof});
        painter.setPen(outlinePen(coat, 4.2));
        painter.drawPolyline(QList<QPointF>{legs[i].hip, legs[i].knee, legs[i].hoof});
    }
    painter.restore();
}

namespace {

QLinearGradient sideLight(qreal left, qreal right, const QColor& light, const QColor& dark)
{
    QLinearGradient gradient(left, 0, right, 0);
    gradient.setColorAt(0, dark);
    gradient.setColorAt(0.35, light);
    gradient.setColorAt(1, dark);
    return gradient;
}

void drawCup(QPainter& p)
{
    const QColor ink(24, 52, 70);
    const QColor bodyLight(120, 186, 214);
    const QColor bodyDark(30, 96, 130);
    p.setPen(outlinePen(ink, 3));

    QPainterPath foot;
    foot.moveTo(-7, 30);
    foot.cubicTo(-10, 38, -22, 40, -26, 44);
    foot.lineTo(26, 44);
    foot.cubicTo(22, 40, 10, 38, 7, 30);
    foot.closeSubpath();
    p.setBrush(sideLight(-26, 26, colour::kGoldLight, colour::kGoldDark));
    p.drawPath(foot);
    p.drawRoundedRect(QRectF(-27, 43, 54, 6), 3, 3);

    p.drawRect(QRectF(-5, 8, 10, 24));
    p.drawEllipse(QPointF(0, 19), 9, 4.5);

    QPainterPath bowl;
    bowl.moveTo(-36, -36);
    bowl.lineTo(36, -36);
    bowl.cubicTo(36, -6, 20, 10, 0, 10);
    bowl.cubicTo(-20, 10, -36, -6, -36, -36);
    bowl.closeSubpath();
    p.setBrush(sideLight(-36, 36, bodyLight, bodyDark));
    p.drawPath(bowl);

    // A gold band below the rim, and the rim seen from slightly above.
    QPainterPath band;
    band.moveTo(-35.5, -27);
    band.cubicTo(-12, -21, 12, -21, 35.5, -27);
    p.setPen(outlinePen(colour::kGold, 4));
    p.drawPath(band);
    p.setPen(outlinePen(ink, 3));
    p.setBrush(sideLight(-36, 36, colour::kGoldLight, colour::kGold));
    p.drawEllipse(QPointF(0, -37), 36, 7);
    p.setBrush(QColor(196, 232, 244));
    p.setPen(outlinePen(ink, 1.5));
    p.drawEllipse(QPointF(0, -37), 29, 4);
}

void drawPentacle(QPainter& p)
{
    const QColor ink(82, 58, 12);
    QRadialGradient coin(QPointF(-14, -16), 70);
    coin.setColorAt(0, colour::kGoldLight);
    coin.setColorAt(0.55, colour::kGold);
    coin.setColorAt(1, colour::kGoldDark);
    p.setBrush(coin);
    p.setPen(outlinePen(ink, 3));
    p.drawEllipse(QPointF(0, 0), 46, 46);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(ink, 2));
    p.drawEllipse(QPointF(0, 0), 39, 39);

    QPainterPath pentagram;
    for (int i = 0; i <= 5; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 144.0 * i);
        const QPointF point(35 * std::cos(angle), 35 * std::sin(angle));
        if (i == 0)
            pentagram.moveTo(point);
        else
            pentagram.lineTo(point);
    }
    p.setPen(outlinePen(ink, 4.5));
    p.drawPath(pentagram);
    p.setPen(outlinePen(colour::kGoldLight, 1.5));
    p.drawPath(pentagram);
}

void drawSword(QPainter& p)
{
    const QColor ink(36, 34, 62);
    const QColor hilt(92, 62, 150);
    QPainterPath blade;
    blade.moveTo(0, -50);
    blade.lineTo(6.5, -38);
    blade.lineTo(6.5, 20);
    blade.lineTo(-6.5, 20);
    blade.lineTo(-6.5, -38);
    blade.closeSubpath();
    p.setPen(outlinePen(ink, 2.5));
    p.setBrush(sideLight(-6.5, 6.5, QColor(250, 252, 255), QColor(138, 148, 170)));
    p.drawPath(blade);
    p.setPen(outlinePen(QColor(138, 148, 170), 1.5));
    p.drawLine(QPointF(0, -40), QPointF(0, 16));

    p.setPen(outlinePen(ink, 2.5));
    p.setBrush(sideLight(-24, 24, colour::kGoldLight, colour::kGoldDark));
    p.drawRoundedRect(QRectF(-24, 19, 48, 7), 3.5, 3.5);
    p.drawEllipse(QPointF(-26, 22.5), 4.5, 4.5);
    p.drawEllipse(QPointF(26, 22.5), 4.5, 4.5);
    p.setBrush(hilt);
    p.drawRoundedRect(QRectF(-4.5, 26, 9, 16), 2, 2);
    p.setBrush(sideLight(-6, 6, colour::kGoldLight, colour::kGoldDark));
    p.drawEllipse(QPointF(0, 46), 6, 6);
}

void drawLeaf(QPainter& p, QPointF base, qreal angleDegrees, qreal length)
{
    p.save();
    p.translate(base);
    p.rotate(angleDegrees);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.cubicTo(length * 0.3, -length * 0.35, length * 0.75, -length * 0.3, length, 0);
    leaf.cubicTo(length * 0.75, length * 0.3, length * 0.3, length * 0.35, 0, 0);
    p.setBrush(colour::kLeaf);
    p.setPen(outlinePen(QColor(34, 70, 28), 1.5));
    p.drawPath(leaf);
    p.restore();
}

void drawWand(QPainter& p)
{
    const QColor ink(70, 36, 14);
    QPainterPath staff;
    staff.moveTo(-6, 48);
    staff.lineTo(6, 48);
    staff.lineTo(4.5, -42);
    staff.cubicTo(4.5, -48, -4.5, -48, -4.5, -42);
    staff.closeSubpath();
    p.setPen(outlinePen(ink, 2.5));
    p.setBrush(sideLight(-6, 6, QColor(214, 150, 86), QColor(118, 62, 24)));
    p.drawPath(staff);
    // Knots where the shoots break from the living wood.
    p.setPen(outlinePen(ink, 1.5));
    p.drawLine(QPointF(-4, -22), QPointF(1, -20));
    p.drawLine(QPointF(5, 2), QPointF(0, 4));
    p.drawLine(QPointF(-5, 26), QPointF(0, 28));
    drawLeaf(p, QPointF(4.5, -30), -40, 20);
    drawLeaf(p, QPointF(-4.5, -8), -140, 18);
    drawLeaf(p, QPointF(5, 14), -30, 16);
    drawLeaf(p, QPointF(0, -45), -90, 12);
    // A flame-coloured tip marks the suit of fire.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 110, 40));
    p.drawEllipse(QPointF(0, -44), 3, 3);
}

void drawKingCrown(QPainter& p)
{
    const QColor ink(90, 60, 10);
    QPainterPath crown;
    crown.moveTo(-36, 16);
    crown.lineTo(-42, -24);
    crown.lineTo(-20, -2);
    crown.lineTo(0, -36);
    crown.lineTo(20, -2);
    crown.lineTo(42, -24);
    crown.lineTo(36, 16);
    crown.closeSubpath();
    p.setPen(outlinePen(ink, 3));
    p.setBrush(sideLight(-42, 42, colour::kGoldLight, colour::kGold));
    p.drawPath(crown);
    p.setBrush(sideLight(-38, 38, colour::kGoldLight, colour::kGoldDark));
    p.drawRoundedRect(QRectF(-38, 14, 76, 16), 4, 4);
    for (const QPointF& tip : {QPointF(-42, -24), QPointF(0, -36), QPointF(42, -24)}) {
        p.setBrush(colour::kGoldLight);
        p.drawEllipse(tip, 5, 5);
    }
    p.setBrush(colour::kRuby);
    p.drawEllipse(QPointF(0, 22), 5, 5);
    p.setBrush(colour::kSapphire);
    p.drawEllipse(QPointF(-22, 22), 4, 4);
    p.drawEllipse(QPointF(22, 22), 4, 4);
    p.setBrush(colour::kRuby);
    p.drawPath(starPath(QPointF(0, -8), 7, 3, 4));
}

void drawQueenCrown(QPainter& p)
{
    const QColor ink(90, 60, 10);
    QPainterPath crown;
    crown.moveTo(-36, 18);
    crown.lineTo(-38, -6);
    crown.arcTo(QRectF(-38, -22, 24, 24), 180, -180);
    crown.arcTo(QRectF(-14, -32, 28, 28), 180, -180);
    crown.arcTo(QRectF(14, -22, 24, 24), 180, -180);
    crown.lineTo(36, 18);
    crown.closeSubpath();
    p.setPen(outlinePen(ink, 3));
    p.setBrush(sideLight(-38, 38, colour::kGoldLight, colour::kGold));
    p.drawPath(crown);
    p.setBrush(sideLight(-38, 38, colour::kGoldLight, colour::kGoldDark));
    p.drawRoundedRect(QRectF(-38, 14, 76, 14), 7, 7);
    p.setBrush(colour::kSilver);
    for (const QPointF& pearl : {QPointF(-26, -11), QPointF(0, -19), QPointF(26, -11), QPointF(-38, -8),
                                 QPointF(38, -8), QPointF(-14, -6), QPointF(14, -6)})
        p.drawEllipse(pearl, 3.5, 3.5);
    // The crescent above the middle arch: the queen's crown carries the moon.
    QPainterPath crescent;
    crescent.addEllipse(QPointF(0, -40), 9, 9);
    QPainterPath bite;
    bite.addEllipse(QPointF(4, -43), 8, 8);
    p.setBrush(colour::kSilver);
    p.drawPath(crescent.subtracted(bite));
    p.setBrush(colour::kSapphire);
    p.drawEllipse(QPointF(0, 21), 4.5, 4.5);
}

void drawKnightHelm(QPainter& p)
{
    const QColor ink(34, 36, 50);
    QPainterPath plume;
    plume.moveTo(0, -30);
    plume.cubicTo(10, -52, 40, -50, 48, -28);
    plume.cubicTo(38, -38, 24, -34, 18, -26);
    plume.cubicTo(14, -30, 8, -30, 0, -30);
    p.setPen(outlinePen(QColor(96, 20, 28), 2));
    p.setBrush(colour::kRuby);
    p.drawPath(plume);

    QPainterPath helm;
    helm.moveTo(-28, 40);
    helm.lineTo(-28, 0);
    helm.cubicTo(-28, -38, 28, -38, 28, 0);
    helm.lineTo(28, 40);
    helm.cubicTo(10, 46, -10, 46, -28, 40);
    helm.closeSubpath();
    p.setPen(outlinePen(ink, 3));
    p.setBrush(sideLight(-28, 28, QColor(246, 248, 252), QColor(120, 128, 148)));
    p.drawPath(helm);
    p.setPen(outlinePen(ink, 2));
    p.drawLine(QPointF(0, -29), QPointF(0, 42));
    p.setBrush(QColor(30, 30, 40));
    p.drawRoundedRect(QRectF(-22, 0, 44, 6), 3, 3);
    for (int row = 0; row < 2; ++row)
        for (int col = -2; col <= 2; ++col)
            if (col != 0)
                p.drawEllipse(QPointF(col * 6.5, 18 + row * 7), 1.6, 1.6);
    p.setBrush(sideLight(-30, 30, colour::kGoldLight, colour::kGoldDark));
    p.drawRoundedRect(QRectF(-30, 36, 60, 8), 4, 4);
}

void drawPageScroll(QPainter& p)
{
    const QColor ink(90, 64, 30);
    const QColor paper(250, 240, 210);
    const QColor paperShade(214, 192, 140);
    p.setPen(outlinePen(ink, 2.5));
    p.setBrush(paper);
    p.drawRect(QRectF(-30, -22, 60, 44));
    p.setBrush(sideLight(-40, -26, paper, paperShade));
    p.drawRoundedRect(QRectF(-40, -28, 12, 56), 6, 6);
    p.setBrush(sideLight(28, 40, paper, paperShade));
    p.drawRoundedRect(QRectF(28, -28, 12, 56), 6, 6);
    p.setPen(outlinePen(QColor(150, 120, 80), 2));
    for (int line = 0; line < 4; ++line)
        p.drawLine(QPointF(-22, -12 + line * 9), QPointF(line == 3 ? 6 : 20, -12 + line * 9));
    // A quill laid across the message.
    p.save();
    p.translate(10, 6);
    p.rotate(-50);
    QPainterPath feather;
    feather.moveTo(-40, 0);
    feather.cubicTo(-20, -12, 20, -14, 36, -2);
    feather.cubicTo(20, 8, -10, 8, -30, 2);
    feather.closeSubpath();
    p.setPen(outlinePen(QColor(96, 20, 28), 2));
    p.setBrush(colour::kRuby);
    p.drawPath(feather);
    p.setPen(outlinePen(QColor(250, 220, 200), 1.2));
    p.drawLine(QPointF(-44, 1), QPointF(34, -2));
    p.restore();
}

// Hair-thin pens take a rasteriser shortcut that is not symmetric under a half turn; the back must be.
QPen backPen(const QColor& colour, qreal width)
{
    return QPen(colour, std::max(1.05, width));
}

} // namespace

void drawSuitEmblem(QPainter& painter, Suit suit, const QRectF& box)
{
    EmblemCanvas canvas(painter, box);
    switch (suit) {
    case Suit::Cups:
        drawCup(painter);
        break;
    case Suit::Pentacles:
        drawPentacle(painter);
        break;
    case Suit::Swords:
        drawSword(painter);
        break;
    case Suit::Wands:
        drawWand(painter);
        break;
    }
}

void drawCourtEmblem(QPainter& painter, int courtRank, const QRectF& box)
{
    EmblemCanvas canvas(painter, box);
    switch (courtRank) {
    case 11:
        drawPageScroll(painter);
        break;
    case 12:
        drawKnightHelm(painter);
        break;
    case 13:
        drawQueenCrown(painter);
        break;
    default:
        drawKingCrown(painter);
        break;
    }
}

void drawCardBack(QPainter& painter, const QRectF& rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal unit = rect.width() / 130.0;
    const qreal border = std::max(2.0, std::round(5.0 * unit));
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kStock);
    painter.drawRect(rect);

    const QRectF panel = rect.adjusted(border, border, -border, -border);
    QLinearGradient field(panel.topLeft(), panel.bottomLeft());
    field.setColorAt(0, QColor(44, 26, 78));
    field.setColorAt(0.5, colour::kNight);
    field.setColorAt(1, QColor(44, 26, 78));
    painter.setBrush(field);
    painter.drawRect(panel);

    const QPointF centre = panel.center();
    if (rect.width() < 60) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour::kGoldDark, 1));
        painter.drawRect(panel.adjusted(1.5, 1.5, -1.5, -1.5));
    } else {
        // A lattice of diamonds, laid out from the centre so both halves match.
        painter.save();
        painter.setClipRect(panel.adjusted(4 * unit, 4 * unit, -4 * unit, -4 * unit));
        painter.setPen(backPen(QColor(96, 84, 150, 150), 0.8 * unit));
        const qreal step = 13 * unit;
        for (int i = -20; i <= 20; ++i) {
            const QPointF offset(i * step, 0);
            painter.drawLine(centre + offset + QPointF(-200 * unit, -200 * unit * 1.6),
                             centre + offset + QPointF(200 * unit, 200 * unit * 1.6));
            painter.drawLine(centre + offset + QPointF(-200 * unit, 200 * unit * 1.6),
                             centre + offset + QPointF(200 * unit, -200 * unit * 1.6));
        }
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(backPen(colour::kGold, 1.2 * unit));
        painter.drawRect(panel.adjusted(3 * unit, 3 * unit, -3 * unit, -3 * unit));
        painter.setPen(backPen(colour::kGold, 0.6 * unit));
        painter.drawRect(panel.adjusted(5.5 * unit, 5.5 * unit, -5.5 * unit, -5.5 * unit));
        for (qreal sx : {-1.0, 1.0})
            for (qreal sy : {-1.0, 1.0})
                drawSparkle(painter,
                            centre
                                + QPointF(sx * (panel.width() / 2 - 13 * unit), sy * (panel.height() / 2 - 13 * unit)),
                            6 * unit, colour::kGoldLight);
        // The sun and moon pair at top and bottom, each answered by its mirror image.
        for (qreal sy : {-1.0, 1.0}) {
            const QPointF at = centre + QPointF(0, sy * 62 * unit);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour::kGold);
            painter.drawPath(starPath(at, 9 * unit, 3.5 * unit, 8));
        }
    }

    // The medallion.
    const qreal radius = std::max(4.5, 30 * unit);
    painter.setPen(backPen(colour::kGoldDark, 1.0 * unit));
    QRadialGradient disc(centre, radius);
    disc.setColorAt(0, QColor(70, 50, 120));
    disc.setColorAt(1, QColor(30, 22, 66));
    painter.setBrush(disc);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(backPen(colour::kGold, 2.0 * unit));
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour::kGold);
    painter.drawPath(starPath(centre, radius * 0.82, radius * 0.3, 8, -90));
    painter.setBrush(colour::kGoldLight);
    painter.drawPath(starPath(centre, radius * 0.5, radius * 0.22, 4, -90));
    if (rect.width() >= 60) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(backPen(colour::kGoldLight, 0.7 * unit));
        painter.drawEllipse(centre, radius + 4 * unit, radius + 4 * unit);
        for (int i = 0; i < 16; ++i) {
            const qreal angle = qDegreesToRadians(i * 22.5);
            const QPointF direction(std::cos(angle), std::sin(angle));
            painter.setPen(backPen(colour::kGold, 0.9 * unit));
            painter.drawLine(centre + direction * (radius + 6 * unit),
                             centre + direction * (radius + (i % 2 == 0 ? 14 : 10) * unit));
        }
    }
    painter.restore();
}

} // namespace quillmere::artwork
