#pragma once

namespace quillmere {

// Screen geometry is given in twips; the program draws at 15 twips to one device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / kTwipsPerPixel;
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

} // namespace quillmere
