#pragma once

#include "storage/AppFolder.h"

#include <QWidget>

namespace quillmere {

// A card table: ten card boxes with their position labels, laid out in a spread's shape. The same table
// serves the automatic cast, the manual placements and the reopened reading; the window's objectName
// ("frmAuto" or "frmReading") is set by whoever creates it.
class CardTable : public QWidget
{
    Q_OBJECT
public:
    explicit CardTable(const AppFolder& folder, QWidget* parent = nullptr);

    // Puts card cardIndex at position (from 0) of the named spread: the picture from the cards folder, turned
    // half a turn when reversed, a quarter turn for the crossing card of the Celtic Cross; the box moves to
    // the spread's place and is shown with its label. A picture that cannot be read leaves an empty box.
    void placeCard(const QString& spreadKey, int position, int cardIndex, bool reversed);
    // Removes the pictures of all ten boxes; visibility, places and labels stay.
    void clearPictures();
    // Sizes the table to its first cardCount boxes wherever they are now.
    void sizeToCards(int cardCount);
};

} // namespace quillmere
