#pragma once

#include "content/SpreadCatalogue.h"
#include "engine/CurrentReading.h"
#include "engine/Draw.h"
#include "engine/RandomSource.h"

#include <QList>
#include <QString>
#include <optional>

namespace quillmere {

// Why a chosen card cannot be laid on the next position of a cast.
enum class CastRefusal {
    // Every position already holds a card.
    Complete,
    // No card of the deck has that index.
    UnknownCard,
    // The card lies outside the part of the deck the options allow.
    NotAllowed,
    // The card already lies on an earlier position.
    AlreadyPlaced,
    // Reversals are not allowed in this cast.
    NoReversals,
    // The crossing card always lies upright.
    CrossingCardUpright,
};

// One cast of a spread, from the first position to the last: which part of the deck it may take cards from,
// the cards on the positions filled so far, and whether each lies reversed. Every way of casting goes through
// it: the automatic cast draws all cards and then decides each reversal, the manual board draws and decides
// one position at a time, and a reading from the user's own deck places the cards the user names. A cast never
// holds a card twice, never a card outside its part of the deck, and never a reversed crossing card.
class Cast
{
public:
    // The cast of the spread's positions with these options; nothing when the spread has no position, no part of
    // the deck matches the options (both arcana restrictions) or the part is smaller than the spread. The spread
    // must outlive the cast.
    static std::optional<Cast> begin(const Spread& spread, const CastOptions& options);
    // The cast the reading's spread and options describe; nothing also while no spread is chosen.
    static std::optional<Cast> forReading(const CurrentReading& reading);

    const Spread& spread() const { return *m_spread; }
    int cardCount() const { return m_spread->cardCount(); }
    const CastOptions& options() const { return m_options; }
    // The part of the deck the cards come from.
    const DrawPool& pool() const { return m_pool; }
    // True for a card index of the allowed part of the deck.
    bool allows(int card) const { return m_pool.contains(card); }
    // True for a card allowed and not placed yet: one that may go on the next position.
    bool isAvailable(int card) const { return allows(card) && !isPlaced(card); }
    bool isPlaced(int card) const { return m_cards.contains(card); }
    // The card of this position may lie reversed: reversals are allowed and it is not the crossing card.
    bool mayReverse(int position) const;

    int placedCount() const { return static_cast<int>(m_cards.size()); }
    // The position the next card goes on; cardCount() once complete.
    int nextPosition() const { return placedCount(); }
    bool isComplete() const { return placedCount() == cardCount(); }
    // Precondition for both: 0 <= position < placedCount().
    int cardAt(int position) const { return m_cards.at(position); }
    bool isReversed(int position) const { return m_reversed.at(position); }
    // The placed cards in position order, their flags (0 upright, 1 reversed) and the reversed cards' indices.
    QList<int> cards() const { return m_cards; }
    QList<int> flags() const;
    QList<int> reversedCards() const;

    // Draws the card of the next position from the allowed cards not placed yet and lays it upright; the
    // yield runs before every attempt, repeats included. Precondition: !isComplete().
    int drawNext(RandomSource& random, const DrawYield& yield = {});
    // With reversals, draws the decision for a placed position (one number, also for the crossing card, which
    // stays upright whatever it says) and returns whether the card now lies reversed. Without reversals nothing
    // is drawn and the card stays upright.
    bool decideReversal(int position, RandomSource& random);
    // Lays a chosen card on the next position; a refusal places nothing.
    std::optional<CastRefusal> place(int card, bool reversed);
    // Takes the card of the last position filled back up; nothing happens when none is placed.
    void takeBackLast();
    // Why place(card, ...) was refused, in words for a message or a command line's error, such as
    // "Ace of Cups is not in the major arcana".
    QString refusalText(CastRefusal refusal, int card) const;

    // The placed cards, as the reading holds them.
    QList<ReadingCard> readingCards() const;
    // Writes the placed cards into the reading, in place of the cards it held.
    void writeCards(CurrentReading& reading) const { reading.cards = readingCards(); }

private:
    Cast(const Spread& spread, const CastOptions& options, const DrawPool& pool);

    const Spread* m_spread;
    CastOptions m_options;
    DrawPool m_pool;
    QList<int> m_cards;
    QList<bool> m_reversed;
};

// How a cast was chosen on the spread selection screen.
enum class CastWay { Automatic, Manual, FromDeck };

// What a cast command copies into the reading before its cast begins: the spread, the options and the mode of
// the way chosen. A reading from the user's own deck is laid and kept as an automatic one.
void chooseCast(CurrentReading& reading, const Spread& spread, const CastOptions& options, CastWay way);

// The automatic cast of the reading's spread with its options: every card drawn, then (with reversals) each
// position decided in order, the crossing card always upright. The reading's cards are replaced by the cast's.
// Returns false (and draws nothing) when the reading's spread and options allow no cast.
bool castAutomatically(CurrentReading& reading, RandomSource& random, const DrawYield& yield = {});

} // namespace quillmere
