#pragma once

#include "engine/CardList.h"
#include "engine/RandomSource.h"

#include <functional>
#include <optional>

namespace quillmere {

// The run of deck indices the cards of a reading are drawn from.
struct DrawPool
{
    int start = 0;
    int size = 0;
    bool contains(int card) const { return card >= start && card < start + size; }
    friend bool operator==(const DrawPool&, const DrawPool&) = default;
};

// The pool the three options choose: the whole deck, the minor arcana or the major arcana. Nothing when
// both restrictions are set.
std::optional<DrawPool> drawPool(bool minorOnly, bool majorOnly);

// Called before every attempt to draw a card; the program lets pending window events run there.
using DrawYield = std::function<void()>;

// One random card from the pool that is not among the first `filled` entries of drawnCards; the yield runs
// before every attempt, repeats included.
int drawDistinctCard(const DrawPool& pool, const CardList& drawnCards, int filled, RandomSource& random,
                     const DrawYield& yield = {});

// The reversal decision: u rounded to the nearest integer, ties to even, so u > 0.5 reverses.
bool decideReversed(double u);

} // namespace quillmere
