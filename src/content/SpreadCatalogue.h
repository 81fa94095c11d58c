#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace quillmere {

// How a position's meaning follows its title in the reading: on the title's line, or on the next line.
enum class PositionLayout { SameLine, NextLine };

// A place on a card table, in twips from the table's top-left corner.
struct TwipsPoint
{
    int left = 0;
    int top = 0;
    friend bool operator==(const TwipsPoint&, const TwipsPoint&) = default;
};

struct TwipsSize
{
    int width = 0;
    int height = 0;
    friend bool operator==(const TwipsSize&, const TwipsSize&) = default;
};

// One position of a spread: what it is called, what it stands for, and where its card lies.
struct SpreadPosition
{
    QString title;
    QString meaning;
    TwipsPoint place;
};

// One of the eight spreads. The name is the spread's key, compared exactly everywhere.
struct Spread
{
    int index = 0;
    QString name;
    QString headerTitle;
    QString description;
    PositionLayout layout = PositionLayout::NextLine;
    QList<SpreadPosition> positions;
    TwipsSize tableSize;

    int cardCount() const { return static_cast<int>(positions.size()); }
    // The picture file relative to the application folder, for example "pic/c0.jpg".
    QString picturePath() const;
    // Position p counted from 0; nullptr beyond the spread's card count.
    const SpreadPosition* position(int p) const;
};

// The Celtic Cross is the one ten-card spread; its position 2 (index 1) is the crossing card.
inline constexpr int kCrossingCardPosition = 1;
inline constexpr int kMaxCardsInSpread = 10;

// The fixed catalogue of spreads in list order.
class SpreadCatalogue
{
public:
    static const SpreadCatalogue& instance();

    int count() const { return static_cast<int>(m_spreads.size()); }
    const QList<Spread>& spreads() const { return m_spreads; }
    // nullptr for an index outside 0..count()-1.
    const Spread* at(int index) const;
    // Exact, case-sensitive match of the display name; nullptr when no spread has that name.
    const Spread* byKey(QStringView key) const;

    static const QString& celticCrossKey();

private:
    SpreadCatalogue();
    QList<Spread> m_spreads;
};

// True for the card that lies across position 1 of the Celtic Cross and is never reversed.
bool isCrossingCard(QStringView spreadKey, int position);

// The size a card table takes for its first cardCount boxes at the given places: the ten-card table has a
// fixed size, every other table reaches 2200 twips right of and 3800 twips below its farthest box.
TwipsSize cardTableSize(int cardCount, const QList<TwipsPoint>& boxPlaces);

// The text of the manual board's information panel for a spread and a 0-based position given as decimal
// text; nothing when the spread or position does not exist.
std::optional<QString> positionPanelText(QStringView spreadKey, QStringView positionText);

} // namespace quillmere
