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
    // A bar under the letters marks the numeral's foot, so a reversed XI never reads as IX (nor VI as IV).
    const QFontMetricsF metrics(font);
    const qreal baseline = kNumeralBox.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(kNumeralBox.center().x() - width / 2 - 1, baseline + 1.2, width + 2, 1.6), 0.8, 0.8);
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

// The name as the face shows it; the texts and the deck table keep the card's given name.
QString faceName(const QString& name)
{
    if (name == QLatin1String("Wheel Fortune"))
        return QStringLiteral("Wheel of Fortune");
    return name;
}

} // namespace

QString traditionalNumeral(int cardIndex)
{
    if (!Deck::isMajorArcana(cardIndex))
        return {};
    const int number = traditionalNumber(QString::fromLatin1(cardNames()[static_cast<std::size_t>(cardIndex)]));
    return number < 0 ? QString() : romanNumeral(number);
}

void paintCardFace(QPainter& p, int cardIndex)
{
    if (!Deck::isValidIndex(cardIndex))
        return;
    const QString name = QString::fromLatin1(cardNames()[static_cast<std::size_t>(cardIndex)]);
    const QRectF face(QPointF(0, 0), QSizeF(kCardFaceSize));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setClipRect(face, Qt::IntersectClip);

    if (Deck::isMajorArcana(cardIndex)) {
        const Scheme& scheme = majorScheme();
        drawFrame(p, scheme, face);
        drawNightSky(p, face.adjusted(kPanelMargin, kPanelMargin, -kPanelMargin, -kPanelMargin), cardIndex);
        drawNumeral(p, traditionalNumeral(cardIndex), scheme.numeral);
        drawMajorEmblem(p, name, kPictureBox);
        drawBand(p, faceName(name), colour::kGold, scheme.bandText, true);
        p.restore();
        return;
    }

    const std::optional<MinorCard> minor = parseMinor(name);
    if (!minor) {
        p.restore();
        return;
    }
    const Scheme& scheme = suitScheme(minor->suit);
    drawFrame(p, scheme, face);
    if (minor->rank >= 2 && minor->rank <= 10) {
        drawNumeral(p, romanNumeral(minor->rank), scheme.numeral);
    } else {
        drawTopEmblem(p, minor->suit, scheme.numeral);
    }
    drawMinorPicture(p, minor->suit, minor->rank, kPictureBox);
    drawBand(p, name, scheme.deep, scheme.bandText, false);
    p.restore();
}

QImage renderCardFace(int cardIndex, qreal scale)
{
    const QSize size = (QSizeF(kCardFaceSize) * scale).toSize();
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour::kStock);
    QPainter p(&image);
    p.scale(qreal(size.width()) / kCardFaceSize.width(), qreal(size.height()) / kCardFaceSize.height());
    paintCardFace(p, cardIndex);
    return image;
}

QImage renderContactSheet(qreal scale, int columns)
{
    const int gap = qRound(6 * scale);
    const QSize cell = (QSizeF(kCardFaceSize) * scale).toSize();
    const int rows = (kDeckSize + columns - 1) / columns;
    QImage sheet(columns * (cell.width() + gap) + gap, rows * (cell.height() + gap) + gap, QImage::Format_RGB32);
    sheet.fill(QColor(60, 60, 64));
    QPainter p(&sheet);
    for (int index = 0; index < kDeckSize; ++index) {
        const QPoint at(gap + (index % columns) * (cell.width() + gap),
                        gap + (index / columns) * (cell.height() + gap));
        p.drawImage(at, renderCardFace(index, scale));
    }
    return sheet;
}

} // namespace quillmere::artwork
