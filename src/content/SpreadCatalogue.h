#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

namespace quillmere {

// How a position's meaning follows its title in the reading: on the title's line, or on the next line.
enum class PositionLayout { SameLine, NextLine };

// How the reading's header sets the spread's description below the spread's title.
enum class DescriptionLayout {
    // On the next line.
    Follows,
    // On the next line, with a line end after it: the small spreads.
    FollowsWithLineEnd,
    // After an empty line: the wheel.
    AfterEmptyLine,
};

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
    // The title without its card number, for a card's description and the card viewer: "The Root" for
    // "Card 3: The Root"; empty where the title is only the number.
    QString shortTitle;
    // What the manual board's panel shows while this position waits for its card, when it is not the position's
    // panel text.
    QString layingText;
};

// One spread of the catalogue. The name is the spread's key, compared exactly everywhere and kept in the records.
// Everything in which one spread differs from another is a field here, so a new spread needs only its entry (and
// its picture).
struct Spread
{
    // The place in the list, which also names the picture.
    int index = 0;
    QString name;
    QString headerTitle;
    QString description;
    PositionLayout layout = PositionLayout::NextLine;
    DescriptionLayout descriptionLayout = DescriptionLayout::Follows;
    QList<SpreadPosition> positions;
    // The size of the table with every card placed.
    TwipsSize tableSize;
    // The card that lies across another and is never reversed, when the spread has one.
    std::optional<int> crossingPosition;
    // A table that keeps the same size while its cards are laid; otherwise it reaches to the boxes laid so far.
    bool fixedTableSize = false;

    int cardCount() const { return static_cast<int>(positions.size()); }
    // The picture file relative to the program's own files, for example "pic/c0.jpg".
    QString picturePath() const;
    // Position p counted from 0; nullptr beyond the spread's card count.
    const SpreadPosition* position(int p) const;
    bool isCrossingCard(int p) const { return crossingPosition == p; }
    // What the manual board's information panel shows for position p: the title and meaning, on one line for the
    // spreads that write them so, otherwise a heading with the meaning below it; nothing beyond the spread.
    std::optional<QString> panelText(int p) const;
    // The size a card table takes when its boxes lie at these places.
    TwipsSize tableSizeFor(const QList<TwipsPoint>& boxPlaces) const;
};

// The largest spread has ten cards: a card table holds ten boxes.
inline constexpr int kMaxCardsInSpread = 10;
// The Celtic Cross's crossing card is its position 2 (index 1).
inline constexpr int kCrossingCardPosition = 1;

// A catalogue of spreads in list order: the program's own (instance()), or one made of other spreads.
class SpreadCatalogue
{
public:
    // Precondition: every spread's index is its place in the list and every name differs.
    explicit SpreadCatalogue(QList<Spread> spreads);

    // The program's eight spreads.
    static const SpreadCatalogue& instance();
    // The entries of the program's catalogue, for a catalogue that adds to them.
    static QList<Spread> builtInSpreads();

    int count() const { return static_cast<int>(m_spreads.size()); }
    const QList<Spread>& spreads() const { return m_spreads; }
    // nullptr for an index outside 0..count()-1.
    const Spread* at(int index) const;
    // Exact, case-sensitive match of the display name; nullptr when no spread has that name.
    const Spread* byKey(QStringView key) const;

    static const QString& celticCrossKey();

private:
    QList<Spread> m_spreads;
};

// For a spread known by its key, as a record names it: true for the card that lies across another and is never
// reversed.
bool isCrossingCard(QStringView spreadKey, int position);

// The size a card table takes for boxes at the given places: the spread's own fixed size, or (also for no spread)
// 2200 twips right of and 3800 twips below the farthest box.
TwipsSize cardTableSize(const Spread* spread, const QList<TwipsPoint>& boxPlaces);

// The text of the manual board's information panel for a spread known by its key and a 0-based position given
// as decimal text; nothing when the spread or position does not exist.
std::optional<QString> positionPanelText(QStringView spreadKey, QStringView positionText);

} // namespace quillmere
