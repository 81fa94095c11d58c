#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    {"Ace of Cups", "", ""},
};

} // namespace

std::span<const CardMeaningText> cupsAndWandsMeanings()
{
    return kTexts;
}

} // namespace quillmere
