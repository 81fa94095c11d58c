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

} // namespace quillmere
