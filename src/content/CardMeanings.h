#pragma once

#include <span>

namespace quillmere {

// The meaning texts of one card, keyed by the card's display name. The deck joins them to its index order.
struct CardMeaningText
{
    const char* cardName;
    const char* upright;
    const char* reversed;
};

// The texts of the major arcana.
std::span<const CardMeaningText> majorArcanaMeanings();
// The texts of the suits of Cups and Wands.
std::span<const CardMeaningText> cupsAndWandsMeanings();
// The texts of the suits of Swords and Pentacles.
std::span<const CardMeaningText> swordsAndPentaclesMeanings();

} // namespace quillmere
