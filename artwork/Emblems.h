#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace quillmere::artwork {

enum class Suit { Cups, Pentacles, Swords, Wands };

// The colour scheme of one group of cards: the majors or one suit.
struct Scheme
{
    QColor panelTop;
    QColor panelBottom;
    QColor deep;
    QColor line;
    QColor bandText;
    QColor numeral;
};

// The shared palette of the deck.
namespace colour {
inline const QColor kStock{245, 237, 214};
inline const QColor kStockShade{226, 213, 180};
inline const QColor kEdge{52, 40, 30};
inline const QColor kGold{214, 169, 60};
inline const QColor kGoldLight{246, 224, 150};
inline const QColor kGoldDark{122, 88, 24};
inline const QColor kInk{38, 30, 58};
inline const QColor kNight{27, 31, 75};
inline const QColor kNightDeep{16, 18, 46};
inline const QColor kSilver{226, 230, 238};
inline const QColor kRuby{176, 40, 52};
inline const QColor kSapphire{50, 96, 170};
inline const QColor kLeaf{72, 130, 58};
} // namespace colour

const Scheme& majorScheme();
const Scheme& suitScheme(Suit suit);

// Each emblem is drawn centred in box, scaled uniformly to the box's smaller side; its design grid is 100 units
// square with the origin in the middle.
void drawSuitEmblem(QPainter& painter, Suit suit, const QRectF& box);
void drawCourtEmblem(QPainter& painter, int courtRank, const QRectF& box);
// False when the name is not a major arcana card's.
bool drawMajorEmblem(QPainter& painter, const QString& cardName, const QRectF& box);

// The card back filling rect; finer ornament appears as the rect grows.
void drawCardBack(QPainter& painter, const QRectF& rect);

// A small four-pointed sparkle, used for corners and skies.
void drawSparkle(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);
// A five-pointed star outline path (point up) of the given outer radius.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner, int points, qreal rotationDegrees = -90);

// Sets up the 100-unit design grid in box and restores the painter when it goes out of scope.
class EmblemCanvas
{
public:
    EmblemCanvas(QPainter& painter, const QRectF& box);
    ~EmblemCanvas();
    EmblemCanvas(const EmblemCanvas&) = delete;
    EmblemCanvas& operator=(const EmblemCanvas&) = delete;

private:
    QPainter& m_painter;
};

// Sets up a grid 100 units wide across a picture box, origin in the middle, as tall as the box's proportions
// make it: halfHeight() units above and below the origin (about 73 for the card's picture box).
class PictureCanvas
{
public:
    PictureCanvas(QPainter& painter, const QRectF& box);
    ~PictureCanvas();
    PictureCanvas(const PictureCanvas&) = delete;
    PictureCanvas& operator=(const PictureCanvas&) = delete;
    qreal halfHeight() const { return m_halfHeight; }

private:
    QPainter& m_painter;
    qreal m_halfHeight;
};

// The picture of a minor card (rank 1 Ace, 2..10, 11 Page, 12 Knight, 13 Queen, 14 King) filling box: its pips
// or court figure together with one element of the card's traditional scene.
void drawMinorPicture(QPainter& painter, Suit suit, int rank, const QRectF& box);

// Shapes shared by the pictures, in the units of the current canvas.
enum class Gait { Standing, Walking, Rearing, Galloping };
// A horse seen from the side, its chest at chest; at scale 1 it is about 70 units from tail to nose.
void drawHorse(QPainter& painter, QPointF chest, qreal scale, const QColor& coat, bool facingRight, Gait gait);
void drawCloud(QPainter& painter, QPointF centre, qreal width, const QColor& fill);
// A slender sword from hilt to point, for scenes where many blades lie close together.
void drawSlimSword(QPainter& painter, QPointF hilt, QPointF point, qreal width);

// A tiny deterministic generator for star fields and scatter, so every build draws the same sky.
class StarSeed
{
public:
    explicit StarSeed(quint32 seed)
        : m_state(seed)
    { }
    // The next number in [0, 1).
    qreal next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) / static_cast<qreal>(1u << 24);
    }

private:
    quint32 m_state;
};

// A pen in design units with round caps and joins.
QPen outlinePen(const QColor& colour, qreal width);

} // namespace quillmere::artwork
