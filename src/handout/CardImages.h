#pragma once

#include "storage/DeckLibrary.h"

#include <QFont>
#include <QImage>
#include <QSize>

// The card pictures as every surface draws them (the card tables, the boards, the printed and exported readings):
// read from a deck folder, fitted, turned. Qt Gui only, so the command line can lay out a reading without widgets.
namespace quillmere {

// The size every card picture is shown at, in pixels. The spread geometry leaves room for cards of this size, so
// a deck of another size is scaled to it (keeping its proportions) and spreads never overlap where they should not.
inline constexpr QSize kCardPictureSize{130, 225};

// The picture of card cardIndex from the deck, upright, fitted inside logicalSize keeping its proportions (larger
// and smaller pictures alike), for a screen of devicePixelRatio: the image holds that many pixels per logical pixel
// where the deck's files have them (the 2× file is used above 1×, and for a logical size larger than the card size,
// and scaled down with a smooth filter for 1.25× and 1.5×; a small picture is never blown up past its own pixels,
// only to the logical size) and carries the ratio, so it draws at the logical size. A null image when the file is
// missing or cannot be decoded; the caller carries on without it.
QImage loadCardPicture(const DeckFolder& deck, int cardIndex, qreal devicePixelRatio = 1,
                       QSize logicalSize = kCardPictureSize);
// The size a picture takes on screen: its pixels divided by its device pixel ratio.
QSize logicalSize(const QImage& picture);

// Scales a picture that does not have the standard card size to fit inside it, keeping its proportions.
QImage fitToCardSize(const QImage& picture);

// The crossing card's quarter turn, clockwise: the former left edge runs along the top; width and height swap. The
// device pixel ratio stays.
QImage rotatePicture90(const QImage& picture);

// A reversed card's half turn: upside down and left-right mirrored, the same size and device pixel ratio.
QImage rotatePicture180(const QImage& picture);

// The font of the position numbers on a card table: Arial Black bold 14.25 pt, or a bold sans serif where Arial
// Black is not installed.
QFont positionLabelFont();

// Verdana at the given size, or the closest sans serif where Verdana is not installed.
QFont verdanaFont(qreal pointSize, bool bold = false);

} // namespace quillmere
