#include "Artwork.h"
#include "Emblems.h"

#include "content/Deck.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <optional>

namespace quillmere::artwork {

namespace {

// The frame every face shares, in face pixels.
constexpr qreal kStockMargin = 5;
constexpr qreal kPanelMargin = 7;
const QRectF kNumeralBox(12, 10, 106, 20);
const QRectF kPictureBox(14, 33, 102, 150);
const QRectF kBandBox(10, 188, 110, 25);

struct MinorCard
{
    Suit suit = Suit::Cups;
    int rank = 1; // 1 = Ace, 2..10 pips, 11 Page, 12 Knight, 13 Queen, 14 King
};

std::optional<MinorCard> parseMinor(const QString& name)
{
    static const QHash<QString, int> ranks = {
        {QStringLiteral("Ace"), 1},    {QStringLiteral("Two"), 2},   {QStringLiteral("Three"), 3},
        {QStringLiteral("Four"), 4},   {QStringLiteral("Five"), 5},  {QStringLiteral("Six"), 6},
        {QStringLiteral("Seven"), 7},  {QStringLiteral("Eight"), 8}, {QStringLiteral("Nine"), 9},
        {QStringLiteral("Ten"), 10},   {QStringLiteral("Page"), 11}, {QStringLiteral("Knight"), 12},
        {QStringLiteral("Queen"), 13}, {QStringLiteral("King"), 14},
    };
    static const QHash<QString, Suit> suits = {
        {QStringLiteral("Cups"), Suit::Cups},
        {QStringLiteral("Pentacles"), Suit::Pentacles},
        {QStringLiteral("Swords"), Suit::Swords},
        {QStringLiteral("Wands"), Suit::Wands},
    };
    const QStringList words = name.split(QLatin1Char(' '));
    if (words.size() != 3 || words[1] != QLatin1String("of") || !ranks.contains(words[0]) || !suits.contains(words[2]))
        return std::nullopt;
    return MinorCard{suits.value(words[2]), ranks.value(words[0])};
}

QString romanNumeral(int number)
{
    if (number == 0)
        return QStringLiteral("0");
    static const std::pair<int, const char*> parts[] = {{10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto& [value, letters] : parts) {
        while (number >= value) {
            text += QLatin1String(letters);
            number -= value;
        }
    }
    return text;
}

// The traditional order of the trumps, which our deck's index order does not follow.
int traditionalNumber(const QString& name)
{
    static const QHash<QString, int> numbers = {
        {QStringLiteral("The Fool"), 0},           {QStringLiteral("The Magician"), 1},
        {QStringLiteral("The High Priestess"), 2}, {QStringLiteral("The Empress"), 3},
        {QStringLiteral("The Emperor"), 4},        {QStringLiteral("The Hierophant"), 5},
        {QStringLiteral("The Lovers"), 6},         {QStringLiteral("The Chariot"), 7},
        {QStringLiteral("Strength"), 8},           {QStringLiteral("The Hermit"), 9},
        {QStringLiteral("Wheel Fortune"), 10},     {QStringLiteral("Justice"), 11},
        {QStringLiteral("The Hanged Man"), 12},    {QStringLiteral("Death"), 13},
        {QStringLiteral("Temperance"), 14},        {QStringLiteral("The Devil"), 15},
        {QStringLiteral("The Tower"), 16},         {QStringLiteral("The Star"), 17},
        {QStringLiteral("The Moon"), 18},          {QStringLiteral("The Sun"), 19},
        {QStringLiteral("Judgement"), 20},         {QStringLiteral("The World"), 21},
    };
    return numbers.value(name, -1);
}

QFont serifFont(qreal pixelSize, bool bold)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(qRound(pixelSize));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Draws text centred in box, narrowing the letters rather than cutting a long name.
void drawFittedText(QPainter& p, const QRectF& box, const QString& text, QFont font)
{
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width > box.width()) {
        font.setStretch(std::max(55, static_cast<int>(100.0 * box.width() / width)));
        const qreal narrowed = QFontMetricsF(font).horizontalAdvance(text);
        if (narrowed > box.width())
            font.setStretch(std::max(50, static_cast<int>(font.stretch() * box.width() / narrowed)));
    }
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawFrame(QPainter& p, const Scheme& scheme, const QRectF& face)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kStock);
    p.drawRect(face);
    p.setPen(QPen(colour::kEdge, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(colour::kStockShade, 1));
    p.drawRect(face.adjusted(2.5, 2.5, -2.5, -2.5));

    const QRectF panel = face.adjusted(kPanelMargin, kPanelMargin, -kPanelMargin, -kPanelMargin);
    QLinearGradient ground(panel.topLeft(), panel.bottomLeft());
    ground.setColorAt(0, scheme.panelTop);
    ground.setColorAt(1, scheme.panelBottom);
    p.setPen(Qt::NoPen);
    p.setBrush(ground);
    p.drawRect(panel);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::kGold, 1.6));
    p.drawRect(face.adjusted(kStockMargin, kStockMargin, -kStockMargin, -kStockMargin));
    p.setPen(QPen(scheme.line, 0.8));
    p.drawRect(panel.adjusted(2, 2, -2, -2));
    for (const QPointF& corner : {panel.topLeft() + QPointF(6, 6), panel.topRight() + QPointF(-6, 6),
                                  panel.bottomLeft() + QPointF(6, -6), panel.bottomRight() + QPointF(-6, -6)})
        drawSparkle(p, corner, 4, colour::kGold);
}

void drawNightSky(QPainter& p, const QRectF& panel, int seed)
{
    StarSeed random(static_cast<quint32>(2654435761u ^ static_cast<quint32>(seed * 40503)));
    for (int i = 0; i < 34; ++i) {
        const QPointF at(panel.left() + 6 + random.next() * (panel.width() - 12),
                         panel.top() + 24 + random.next() * (panel.height() - 60));
        const qreal size = 0.4 + random.next() * 0.9;
        QColor star = i % 5 == 0 ? colour::kGoldLight : colour::kSilver;
        star.setAlpha(110 + static_cast<int>(random.next() * 120));
        p.setPen(Qt::NoPen);
        p.setBrush(star);
        if (size > 1.1)
            drawSparkle(p, at, size * 2.2, star);
        else
            p.drawEllipse(at, size, size);
    }
}

void drawNumeral(QPainter& p, const QString& numeral, const QColor& colour)
{
    const QFont font = serifFont(14, true);
    p.setFont(font);
    const qreal width = QFontMetricsF(font).horizontalAdvance(numeral);
    p.setPen(colour);
    p.drawText(kNumeralBox, Qt::AlignCenter, numeral);
    const qreal y = kNumeralBox.center().y() + 0.5;
    const qreal half = width / 2 + 6;
    p.setPen(QPen(colour, 0.9));
    p.drawLine(QPointF(kNumeralBox.center().x() - half, y), QPointF(kNumeralBox.center().x() - half - 18, y));
    p.drawLine(QPointF(kNumeralBox.center().x() + half, y), QPointF(kNumeralBox.center().x() + half + 18, y));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QPointF(kNumeralBox.center().x() - half - 21, y), 1.4, 1.4);
    p.drawEllipse(QPointF(kNumeralBox.center().x() + half + 21, y), 1.4, 1.4);
}

void drawTopEmblem(QPainter& p, Suit suit, const QColor& colour)
{
    const QPointF centre = kNumeralBox.center();
    drawSuitEmblem(p, suit, QRectF(centre.x() - 8, centre.y() - 8, 16, 16));
    p.setPen(QPen(colour, 0.9));
    p.drawLine(QPointF(centre.x() - 14, centre.y()), QPointF(centre.x() - 32, centre.y()));
    p.drawLine(QPointF(centre.x() + 14, centre.y()), QPointF(centre.x() + 32, centre.y()));
}

void drawBand(QPainter& p, const QString& name, const QColor& fill, const QColor& text, bool goldBand)
{
    // A ribbon with swallow-tailed ends: it reads upside down when the card lies reversed.
    QPainterPath ribbon;
    const QRectF& b = kBandBox;
    ribbon.moveTo(b.left(), b.top());
    ribbon.lineTo(b.right(), b.top());
    ribbon.lineTo(b.right() - 5, b.center().y());
    ribbon.lineTo(b.right(), b.bottom());
    ribbon.lineTo(b.left(), b.bottom());
    ribbon.lineTo(b.left() + 5, b.center().y());
    ribbon.closeSubpath();
    if (goldBand) {
        QLinearGradient sheen(b.topLeft(), b.bottomLeft());
        sheen.setColorAt(0, colour::kGoldLight);
        sheen.setColorAt(0.5, fill);
        sheen.setColorAt(1, colour::kGoldDark);
        p.setBrush(sheen);
    } else {
        p.setBrush(fill);
    }
    p.setPen(QPen(goldBand ? colour::kGoldDark : colour::kGold, 1));
    p.drawPath(ribbon);
    p.setPen(text);
    drawFittedText(p, b.adjusted(9, 0, -9, 0), name, serifFont(11, true));
}

QList<QPointF> pipPlaces(int rank)
{
    // Columns and rows as on a playing card, in fractions of the picture box.
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

qreal pipSize(int rank)
{
    if (rank <= 3)
        return 42;
    if (rank <= 6)
        return 36;
    if (rank <= 8)
        return 31;
    return 27;
}

void drawPips(QPainter& p, Suit suit, int rank)
{
    // Blades and staves are slender, so they may stand taller than cups and coins in the same places.
    const bool slender = suit == Suit::Swords || suit == Suit::Wands;
    const int rows = rank == 2 || rank == 4 ? 2 : rank >= 9 ? 4 : 3;
    constexpr qreal kGap = 8;
    const qreal tallest = (kPictureBox.height() - 4 - kGap * (rows - 1)) / rows;
    const qreal size = slender ? std::min(pipSize(rank) * 1.3, tallest) : pipSize(rank);
    const QRectF area = kPictureBox.adjusted(0, size / 2 + 2, 0, -size / 2 - 2);
    for (const QPointF& place : pipPlaces(rank)) {
        const QPointF centre(area.left() + place.x() * area.width(), area.top() + place.y() * area.height());
        drawSuitEmblem(p, suit, QRectF(centre.x() - size / 2, centre.y() - size / 2, size, size));
    }
}

void drawHalo(QPainter& p, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient halo(centre, radius);
    QColor inner = colour;
    inner.setAlpha(170);
    QColor outer = colour;
    outer.setAlpha(0);
    halo.setColorAt(0, inner);
    halo.setColorAt(1, outer);
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, radius, radius);
}

void drawAce(QPainter& p, Suit suit, const Scheme& scheme)
{
    const QPointF centre = kPictureBox.center();
    drawHalo(p, centre, 56, QColor(255, 250, 225));
    for (int i = 0; i < 24; ++i) {
        const qreal angle = qDegreesToRadians(i * 15.0 - 90);
        const QPointF direction(std::cos(angle), std::sin(angle));
        QColor ray = scheme.line;
        ray.setAlpha(i % 2 == 0 ? 150 : 80);
        p.setPen(QPen(ray, i % 2 == 0 ? 1.2 : 0.8));
        p.drawLine(centre + direction * 44, centre + direction * (i % 2 == 0 ? 55 : 50));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::kGold, 1.2));
    p.drawEllipse(centre, 42, 42);
    const qreal half = suit == Suit::Swords || suit == Suit::Wands ? 46 : 38;
    drawSuitEmblem(p, suit, QRectF(centre.x() - half, centre.y() - half, 2 * half, 2 * half));
}

void drawCourt(QPainter& p, Suit suit, int rank, const Scheme& scheme)
{
    // A niche like a throne's back frames the rank and the suit.
    const QRectF niche = kPictureBox.adjusted(8, 2, -8, -2);
    QPainterPath arch;
    arch.moveTo(niche.bottomLeft());
    arch.lineTo(niche.left(), niche.top() + niche.width() / 2);
    arch.arcTo(QRectF(niche.left(), niche.top(), niche.width(), niche.width()), 180, -180);
    arch.lineTo(niche.bottomRight());
    arch.closeSubpath();
    QColor fill = scheme.deep;
    fill.setAlpha(36);
    p.setBrush(fill);
    p.setPen(QPen(scheme.line, 1.2));
    p.drawPath(arch);
    p.setPen(QPen(colour::kGold, 0.8));
    p.setBrush(Qt::NoBrush);
    const QRectF inner = niche.adjusted(3, 3, -3, -3);
    QPainterPath innerArch;
    innerArch.moveTo(inner.bottomLeft());
    innerArch.lineTo(inner.left(), inner.top() + inner.width() / 2);
    innerArch.arcTo(QRectF(inner.left(), inner.top(), inner.width(), inner.width()), 180, -180);
    innerArch.lineTo(inner.bottomRight());
    p.drawPath(innerArch);

    const qreal cx = kPictureBox.center().x();
    drawHalo(p, QPointF(cx, kPictureBox.top() + 38), 34, QColor(255, 250, 225));
    drawCourtEmblem(p, rank, QRectF(cx - 30, kPictureBox.top() + 10, 60, 60));
    // A dais under the suit's emblem.
    p.setPen(QPen(scheme.deep, 1));
    p.setBrush(scheme.line);
    p.drawRect(QRectF(cx - 30, kPictureBox.bottom() - 14, 60, 6));
    p.setBrush(scheme.deep);
    p.drawRect(QRectF(cx - 36, kPictureBox.bottom() - 8, 72, 6));
    drawSuitEmblem(p, suit, QRectF(cx - 29, kPictureBox.top() + 76, 58, 58));
}

} // namespace

QString traditionalNumeral(int cardIndex)
{
    if (!Deck::isMajorArcana(cardIndex))
        return {};
    const int number = traditionalNumber(QString::fromLatin1(cardNames()[static_cast<std::size_t>(cardIndex)]));
    return number < 0 ? QString() : romanNumeral(number);
}

QImage renderCardFace(int cardIndex)
{
    QImage image(kCardFaceSize, QImage::Format_RGB32);
    image.fill(colour::kStock);
    if (!Deck::isValidIndex(cardIndex))
        return image;
    const QString name = QString::fromLatin1(cardNames()[static_cast<std::size_t>(cardIndex)]);
    const QRectF face(QPointF(0, 0), QSizeF(kCardFaceSize));

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    if (Deck::isMajorArcana(cardIndex)) {
        const Scheme& scheme = majorScheme();
        drawFrame(p, scheme, face);
        drawNightSky(p, face.adjusted(kPanelMargin, kPanelMargin, -kPanelMargin, -kPanelMargin), cardIndex);
        drawNumeral(p, traditionalNumeral(cardIndex), scheme.numeral);
        drawMajorEmblem(p, name, kPictureBox.adjusted(0, 14, 0, -14));
        drawBand(p, name, colour::kGold, scheme.bandText, true);
        return image;
    }

    const std::optional<MinorCard> minor = parseMinor(name);
    if (!minor)
        return image;
    const Scheme& scheme = suitScheme(minor->suit);
    drawFrame(p, scheme, face);
    if (minor->rank >= 2 && minor->rank <= 10) {
        drawNumeral(p, romanNumeral(minor->rank), scheme.numeral);
        drawPips(p, minor->suit, minor->rank);
    } else {
        drawTopEmblem(p, minor->suit, scheme.numeral);
        if (minor->rank == 1)
            drawAce(p, minor->suit, scheme);
        else
            drawCourt(p, minor->suit, minor->rank, scheme);
    }
    drawBand(p, name, scheme.deep, scheme.bandText, false);
    return image;
}

} // namespace quillmere::artwork
