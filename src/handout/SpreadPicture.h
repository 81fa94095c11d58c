#pragma once

#include "handout/ReadingHandout.h"
#include "storage/DeckLibrary.h"

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>

class QPainter;

namespace quillmere {

// A reading's cards as they lie on the card table: each at its spread's place, in the chosen deck's picture,
// reversed cards turned half a turn and the crossing card across, with its position number. A card without a
// picture is an empty frame with its name. Lengths are the table's pixels; painting scales them to any device.
class SpreadPicture
{
public:
    // Reads the pictures for drawing devicePixelRatio device pixels per table pixel (the deck's large files above 1×).
    SpreadPicture(const ReadingHandout& handout, const DeckFolder& deck, qreal devicePixelRatio);

    // The size of the card table on screen for this reading.
    QSizeF tableSize() const { return m_tableSize; }
    // The smallest rectangle that holds every card.
    QRectF cardsBounds() const;
    // Paints the table's rectangle `source` scaled by `scale` with its top-left corner at `origin`.
    void paint(QPainter& painter, const QRectF& source, QPointF origin, qreal scale) const;
    // How many cards are drawn with their pictures.
    int pictureCount() const;

    struct PlacedCard
    {
        int position = 0;
        int cardIndex = -1;
        bool reversed = false;
        bool crossing = false;
        // Where the card lies on the table, turned as it lies.
        QRectF box;
        // The picture as it lies; null for an empty frame.
        QImage picture;
    };
    const QList<PlacedCard>& cards() const { return m_cards; }

private:
    QList<PlacedCard> m_cards;
    QSizeF m_tableSize;
};

// The card table as a picture at `scale` pixels per table pixel (the table's white ground, every card and number),
// the size of the table on screen times the scale, with the scale as its device pixel ratio.
QImage cardTableImage(const ReadingHandout& handout, const DeckFolder& deck, qreal scale = 2);

} // namespace quillmere
