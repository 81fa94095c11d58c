#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    // The two texts of the Eight of Pentacles are short and name neither the card nor its orientation.
    {"Eight of Pentacles",
     "You may be learning a new trade. Only hard work will reap rewards. You will be employed soon and you skill "
     "will be put to test. You should not halt with you work but continue till it gives you results.",
     "Your energy may not be used for the right purpose. You dislike hard work and have no ambitions in life. You "
     "may not be happy with your trade and not enjoy it. Your dealings may not be transparent."},
};

} // namespace

std::span<const CardMeaningText> swordsAndPentaclesMeanings()
{
    return kTexts;
}

} // namespace quillmere
