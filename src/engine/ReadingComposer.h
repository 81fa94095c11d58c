#pragma once

#include "engine/CurrentReading.h"
#include "engine/ReadingClock.h"
#include "engine/StyledText.h"

namespace quillmere {

// The opening of every fresh reading: the introduction, the querent's details, the moment of the reading
// (from the reading when it was reopened, otherwise from the clock) and the spread's title, description and
// separator (nothing of a spread while none is chosen). Leaves the writer with bold and underline off and colour
// black.
void writeReadingHeader(StyledTextWriter& out, const CurrentReading& reading, const ReadingClock& clock);

// One block per card of the reading: position text, card name (" - Reversed" when it lies reversed), meaning and
// separator; then one closing line end. Nothing while the reading holds no card.
void writeCardInterpretations(StyledTextWriter& out, const CurrentReading& reading);

// The title and meaning of position p (from 0) of the spread; nothing for no spread or a position beyond it.
void writePositionText(StyledTextWriter& out, const Spread* spread, int p);

// A querent's detail as the header writes it: "Not mentioned" for the empty text only (blanks are the querent's
// own answer).
QString detailOrNotMentioned(const QString& value);

// Header and interpretations of the reading's own cards, as a fresh reading shows them.
StyledText composeReading(const CurrentReading& reading, const ReadingClock& clock);

} // namespace quillmere
