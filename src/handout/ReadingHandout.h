#pragma once

#include "engine/CurrentReading.h"
#include "engine/ReadingClock.h"
#include "engine/StyledText.h"
#include "storage/RecordFormat.h"

#include <QList>
#include <QString>

namespace quillmere {

// One position of a reading as it lies on the table: the card (-1 when the position has none that can be shown)
// and whether it fell reversed. The crossing card is never reversed, whatever its flag says.
struct HandoutCard
{
    int cardIndex = -1;
    bool reversed = false;
    friend bool operator==(const HandoutCard&, const HandoutCard&) = default;
};

// Everything a reading taken away from the program shows: the spread with its cards, who it is for, when it was
// made, and the reading text. Printing, the PDF, the pictures, the copies and the exports are all made from it.
struct ReadingHandout
{
    // The spread's key, as the record keeps it; the spread itself comes from the catalogue.
    QString spreadKey;
    // nullptr for a key no spread of the catalogue has.
    const Spread* spread() const { return SpreadCatalogue::instance().byKey(spreadKey); }
    QList<HandoutCard> cards;
    QString querentName;
    QString birthDate;
    QString question;
    QString date;
    QString time;
    StyledText text;
};

// The handout of a fresh reading: its cards in position order (flags as the table turns them), its querent and the
// moment its header names.
ReadingHandout handoutOfReading(const CurrentReading& reading, const StyledText& text, const ReadingMoment& moment);
// The handout of a saved reading as it is reopened.
ReadingHandout handoutOfRecord(const ReadingRecord& record, const StyledText& text);

// A position's title without its leading "Card N", for example "The Crossing" from "Card 2: The Crossing"; empty
// for no spread, a position beyond it, or a title that is only the number.
QString shortPositionTitle(const Spread* spread, int position);

// The words for a card on a table, for example "Position 2: The Crossing — Three of Cups, reversed"; a screen
// reader says them for a card box, and the exported reading gives them to each picture. The crossing card ends
// in ", lying across".
QString cardBoxAccessibleName(const Spread* spread, int position, int cardIndex, bool reversed);

// The spread's title as a handout heads it, "Celtic Cross Spread" of "Spread Type - Celtic Cross Spread"; the key
// itself for a spread the catalogue does not have, nothing for no key.
QString handoutSpreadTitle(const ReadingHandout& handout);

} // namespace quillmere
