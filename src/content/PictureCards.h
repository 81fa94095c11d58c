#pragma once

#include "content/Deck.h"

#include <QLatin1StringView>
#include <QRectF>
#include <QSizeF>
#include <array>

namespace quillmere {

// A card shown turned up in one of the program's pictures: which card and the box it fills, in picture pixels.
struct PictureCard
{
    int cardIndex;
    QRectF box;
};

// The three cards at the foot of the spread screen's options picture (of the given size): the Magician, the High
// Priestess and the Wheel of Fortune side by side. The build draws the drawn deck's faces there; the screen lays
// the chosen deck's pictures over them, so the picture shows the cards the tables will show.
inline std::array<PictureCard, 3> optionsPictureCards(QSizeF pictureSize)
{
    constexpr QLatin1StringView names[] = {QLatin1StringView("The Magician"), QLatin1StringView("The High Priestess"),
                                           QLatin1StringView("Wheel Fortune")};
    const QSizeF face(60, 104);
    std::array<PictureCard, 3> cards{};
    for (int i = 0; i < 3; ++i) {
        int index = 0;
        while (index < kDeckSize && Deck::instance().name(index) != names[i])
            ++index;
        const QPointF foot(pictureSize.width() / 2 + (i - 1) * 67.0, pictureSize.height() - 10);
        cards[std::size_t(i)]
            = {index, QRectF(foot.x() - face.width() / 2, foot.y() - face.height(), face.width(), face.height())};
    }
    return cards;
}

} // namespace quillmere
