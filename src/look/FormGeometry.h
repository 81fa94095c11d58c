#pragma once

#include "content/Twips.h"

#include <QMargins>
#include <QRect>
#include <QSize>

// The forms are laid out in twips, as they were designed; these turn the design's numbers into pixels.
namespace quillmere {

// The size of every screen that opens inside the workspace (details, spread selection, manual board, deck
// entry, About).
inline constexpr int kFormWidthTwips = 7545;
inline constexpr int kFormHeightTwips = 6000;

inline QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

// The inner margin of text on the coloured panels, so it does not touch their edges; the panels keep their size.
inline constexpr QMargins kPanelTextMargins{4, 2, 4, 2};

} // namespace quillmere
