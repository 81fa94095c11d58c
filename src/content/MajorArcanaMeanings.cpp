#include "content/CardMeanings.h"

namespace quillmere {

namespace {

const CardMeaningText kTexts[] = {
    {"Death",
     "Death upright has a connection with the Hebrew word Nun (Fish). The Death card is often misunderstood by most of "
     "the people. This card hardly ever stands for physical death. In fact, it symbolizes a powerful and new "
     "beginning of your life. A transformation will be there in your life as if it is a rebirth phase after death. "
     "Death upright stands for an end of something in your life that will kick off an immense change. Negative "
     "circumstances present till date in your life will give way to fresh and superior situations. However, you "
     "need to give off some of your old habits to take full advantage of this positive phase of your life. Also, "
     "don't force yourself to do anything that you feel isn't right.",
     ""},
};

} // namespace

std::span<const CardMeaningText> majorArcanaMeanings()
{
    return kTexts;
}

} // namespace quillmere
