#pragma once

#include "storage/AppFolder.h"

#include <QFont>
#include <QImage>
#include <QSize>

namespace quillmere {

// The size every card picture is shown at, in pixels. The spread geometry leaves room for cards of this size, so
// a deck of another size is scaled to it (keeping its proportions) and spreads never overlap where they should not.
inline constexpr QSize kCardPictureSize{130, 225};

// The size of an empty card box, before a picture sizes it: 1200 × 500 twips.
QSize emptyCardBoxSize();

// The picture of card cardIndex from the cards folder (cards/rN.jpg), upright, no larger than kCardPictureSize.
// A null image when the file is missing or cannot be decoded; the caller carries on without it.
QImage loadCardPicture(const AppFolder& folder, int cardIndex);

// Scales a picture that does not have the standard card size to fit inside it, keeping its proportions.
QImage fitToCardSize(const QImage& picture);

// The crossing card's quarter turn, clockwise: the former left edge runs along the top; width and height swap.
QImage rotatePicture90(const QImage& picture);

// A reversed card's half turn: upside down and left-right mirrored, the same size.
QImage rotatePicture180(const QImage& picture);

// The back every face-down card shows, at the given size: the program's own back picture when it is built in,
// otherwise a plain drawn back.
QImage cardBackPicture(QSize size);

// The font of the position numbers on a card table: Arial Black bold 14.25 pt, or a bold sans serif where Arial
// Black is not installed.
QFont positionLabelFont();

// Verdana at the given size, or the closest sans serif where Verdana is not installed.
QFont verdanaFont(qreal pointSize, bool bold = false);

} // namespace quillmere
