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

// How a cast's cards are written into the reading.
enum class CastListShape {
    // One entry per position placed so far, and the reversed list rebuilt from them: the manual board's lists.
    PlacedOnly,
    // One entry per position and one spare entry of 0 after them; the reversed list rebuilt only when
    // reversals are allowed: the automatic cast's lists.
    WithSpareEntry,
};

// One cast of a spread, from the first position to the last: which part of the deck it may take cards from,
// the cards on the positions filled so far, and whether each lies reversed. Every way of casting goes through
// it: the automatic cast draws all cards and then decides each reversal, the manual board draws and decides
// one position at a time, and a reading from the user's own deck places the cards the user names. A cast never
// holds a card twice, never a card outside its part of the deck, and never a reversed crossing card.
class Cast
{
public:
    // The cast of cardCount positions (1 to kMaxCardsInSpread) of the spread with this key and these options;
    // nothing when no part of the deck matches the options (both arcana restrictions) or the part is smaller
    // than the spread.
    static std::optional<Cast> begin(const QString& spreadKey, int cardCount, const CastOptions& options);
    static std::optional<Cast> begin(const Spread& spread, const CastOptions& options);
    // The cast the reading's spread and options describe, as the automatic cast and the command line read them.
    static std::optional<Cast> forReading(const CurrentReading& reading);

    const QString& spreadKey() const { return m_spreadKey; }
    int cardCount() const { return m_cardCount; }
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
    bool isComplete() const { return placedCount() == m_cardCount; }
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

    // Writes the placed cards, their flags and the reversed list into the reading's card lists.
    void writeCards(CurrentReading& reading, CastListShape shape) const;

private:
    Cast(const QString& spreadKey, int cardCount, const CastOptions& options, const DrawPool& pool);

    QString m_spreadKey;
    int m_cardCount = 0;
    CastOptions m_options;
    DrawPool m_pool;
    QList<int> m_cards;
    QList<bool> m_reversed;
};

// How a cast was chosen on the spread selection screen.
enum class CastWay { Automatic, Manual, FromDeck };

// What a cast command copies into the reading before its cast begins: the spread's key, list position and
// card count, the options, and the marks of the way chosen. A reading from the user's own deck carries the
// marks of an automatic cast, as it is laid and kept the same way.
void chooseCast(CurrentReading& reading, const Spread& spread, const CastOptions& options, CastWay way);

} // namespace quillmere
