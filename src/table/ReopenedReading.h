#pragma once

#include "storage/RecordFormat.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"

#include <QString>

namespace quillmere {

class CardTable;

// Reopens a saved reading: reads the record at recordPath and shows it with showReopenedReading. Returns the
// empty text on success; when the record cannot be read it returns the reason in words and nothing is shown or
// changed.
QString openReopenedReading(AppContext& context, ReadingHost& host, const QString& recordPath);

// Shows a saved reading read earlier: sets the querent's details and the moment of the reading in the current
// reading (its spread, cards and flags stay), writes the saved reading's text into the pane, lays its cards on
// their own table ("frmReading": reversed cards turned, the crossing card turned a quarter, the spread's places,
// sized as every card table) at the workspace's top-left corner and puts the main window into the
// reopened-reading state. A spread name outside the catalogue leaves the cards at their design places; a card
// that is not a deck index shows nothing.
CardTable* showReopenedReading(AppContext& context, ReadingHost& host, const ReadingRecord& record);

} // namespace quillmere
