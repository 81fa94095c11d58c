#include "engine/Draw.h"

#include "content/Deck.h"

#include <algorithm>
#include <cmath>

namespace quillmere {

namespace {

constexpr DrawPool kWholeDeck{0, kDeckSize};
constexpr DrawPool kMinorArcana{kFirstMinorArcana, kDeckSize - kFirstMinorArcana};
constexpr DrawPool kMajorArcana{0, kMajorArcanaCount};

// The place in the pool that u in [0, 1) falls on. A source that strays outside [0, 1) still lands inside the
// pool rather than on a card that is not in it.
int poolOffset(double u, int poolSize)
{
    if (!(u > 0.0))
        return 0;
    const double scaled = std::floor(u * poolSize);
    return scaled >= poolSize ? poolSize - 1 : static_cast<int>(scaled);
}

bool amongFirst(const CardList& cards, int filled, int candidate)
{
    for (int i = 0; i < filled; ++i) {
        if (cards.at(i) == candidate)
            return true;
    }
    return false;
}

} // namespace

std::optional<DrawPool> drawPool(bool minorOnly, bool majorOnly)
{
    if (minorOnly && majorOnly)
        return std::nullopt;
    if (minorOnly)
        return kMinorArcana;
    if (majorOnly)
        return kMajorArcana;
    return kWholeDeck;
}

int drawDistinctCard(const DrawPool& pool, const CardList& drawnCards, int filled, RandomSource& random,
                     const DrawYield& yield)
{
    filled = std::clamp(filled, 0, drawnCards.size());
    for (;;) {
        if (yield)
            yield();
        const int candidate = pool.start + poolOffset(random.next(), pool.size);
        if (!amongFirst(drawnCards, filled, candidate))
            return candidate;
    }
}

bool decideReversed(double u)
{
    // Rounding half to even sends 0.5 down to 0, so only u strictly above one half reverses.
    return u > 0.5;
}

bool castAutomatically(CurrentReading& reading, RandomSource& random, const DrawYield& yield)
{
    const std::optional<DrawPool> pool = drawPool(reading.minorOnly, reading.majorOnly);
    const int count = reading.cardCount;
    // Distinct cards need a pool at least as large as the spread; otherwise the draw could never end.
    if (!pool || count < 1 || count > pool->size)
        return false;

    reading.drawnCards = CardList::filled(count + 1);
    reading.orientationFlags = CardList::filled(count + 1);
    if (reading.reversalsAllowed)
        reading.reversedCards.clear();

    for (int k = 0; k < count; ++k)
        reading.drawnCards.set(k, drawDistinctCard(*pool, reading.drawnCards, k, random, yield));

    if (!reading.reversalsAllowed)
        return true;
    // Decided only once every card lies on the table, position by position, as the cards are laid out.
    for (int k = 0; k < count; ++k) {
        bool reversed = decideReversed(random.next());
        if (isCrossingCard(reading.spreadName, k))
            reversed = false;
        reading.orientationFlags.set(k, reversed ? 1 : 0);
        if (reversed)
            reading.reversedCards.append(reading.drawnCards.at(k));
    }
    return true;
}

void chooseAutomaticCast(CurrentReading& reading, const Spread& spread, const CastOptions& options)
{
    reading.spreadName = spread.name;
    reading.spreadIndex = spread.index;
    reading.cardCount = spread.cardCount();
    reading.minorOnly = options.minorOnly;
    reading.majorOnly = options.majorOnly;
    reading.reversalsAllowed = options.reversalsAllowed;
    reading.autoChosen = true;
    reading.manualChosen = false;
    reading.manualMode = false;
}

} // namespace quillmere
