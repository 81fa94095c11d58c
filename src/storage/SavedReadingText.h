#pragma once

#include "engine/CurrentReading.h"
#include "engine/StyledText.h"
#include "storage/RecordFormat.h"

namespace quillmere {

// The text of a reopened reading: the introduction, the querent's details and the moment from the record,
// the spread's name and (for a catalogue name) description, then per position with a deck index 0 to 77
// "Card N", the card's name and its meaning, each section closed by a rule of 28 underscores. No position
// titles; the description is not shown.
StyledText showSavedReading(const ReadingRecord& record);
void writeSavedReading(StyledTextWriter& out, const ReadingRecord& record);

// Opening a saved reading sets the querent fields and the moment of creation of the current reading; its
// spread, cards and flags stay as they are.
void applySavedReading(const ReadingRecord& record, CurrentReading& reading);

} // namespace quillmere
