#pragma once

#include "table/AppContext.h"
#include "table/ReadingHost.h"

namespace quillmere {

class Cast;
class CardTable;

// The automatic cast, run when "Auto Cast Cards" opens the card table: empties the reading pane, writes the
// header, draws the cards of the reading's spread and options, lays out and turns their pictures, writes the
// interpretations (shown from the top), sizes the table and writes the temporary record, all before the table is
// first shown. The table ("frmAuto") then opens at the workspace's top-left corner and the main window enters the
// fresh-reading state. The workspace's window owns the table; closing it (Start Again) deletes it.
CardTable* openAutomaticCast(AppContext& context, ReadingHost& host);

// The same card table for a reading whose cards the user entered from their own deck: the complete cast's cards
// take the place of the draw, and the reading is laid out, written and kept as an automatic one is. The reading
// must carry the marks of an automatic cast of the same spread (chooseCast with CastWay::FromDeck).
CardTable* openEnteredCast(AppContext& context, ReadingHost& host, const Cast& cast);

} // namespace quillmere
