#pragma once

#include <QString>
#include <array>

namespace quillmere {

inline constexpr int kDeckSize = 78;
inline constexpr int kMajorArcanaCount = 22;
inline constexpr int kFirstMinorArcana = 22;

// One card of the deck: its display name and its two meaning paragraphs.
struct Card
{
    QString name;
    QString uprightMeaning;
    QString reversedMeaning;
};

// The fixed 78-card deck, in the index order every picture file and saved reading relies on.
class Deck
{
public:
    // The one deck of the program, built on first use.
    static const Deck& instance();

    static constexpr bool isValidIndex(int index) { return index >= 0 && index < kDeckSize; }
    static constexpr bool isMajorArcana(int index) { return index >= 0 && index < kMajorArcanaCount; }

    // Precondition for the three lookups: isValidIndex(index).
    const Card& card(int index) const { return m_cards[static_cast<std::size_t>(index)]; }
    const QString& name(int index) const { return card(index).name; }
    const QString& meaning(int index, bool reversed) const
    {
        return reversed ? card(index).reversedMeaning : card(index).uprightMeaning;
    }

private:
    Deck();
    std::array<Card, kDeckSize> m_cards;
};

// The names of the deck in index order.
const std::array<const char*, kDeckSize>& cardNames();

// Every card index in the order a reader lays a deck out: the major arcana from The Fool to The World, then
// Wands, Cups, Swords and Pentacles, each from the Ace through the Ten to the Page, Knight, Queen and King.
const std::array<int, kDeckSize>& traditionalOrder();

} // namespace quillmere
