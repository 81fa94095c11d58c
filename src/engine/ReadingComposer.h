#pragma once

#include "engine/CurrentReading.h"
#include "engine/ReadingClock.h"
#include "engine/StyledText.h"

namespace quillmere {

// The opening of every fresh reading: the introduction, the querent's details, the moment of the reading
// (from the reading when it was reopened, otherwise from the clock) and the spread's title, description and
// separator. Leaves the writer with bold and underline off and colour black.
void writeReadingHeader(StyledTextWriter& out, const CurrentReading& reading, const QString& spreadKey,
                        const ReadingClock& clock);

// One block per position of the reading: position text, card name (" - Reversed" when the card is in
// `reversed`), meaning and separator; then one closing line end. The number of positions follows
// reading.manualMode (an automatic cast's spare last entry is no position).
void writeCardInterpretations(StyledTextWriter& out, const CurrentReading& reading, const CardList& cards,
                              const CardList& reversed);

// The title and meaning of position p (from 0) of the named spread; nothing for an unknown spread or
// position.
void writePositionText(StyledTextWriter& out, const QString& spreadKey, int p);

// A querent's detail as the header writes it: "Not mentioned" for the empty text only (blanks are the querent's
// own answer).
QString detailOrNotMentioned(const QString& value);

// Header and interpretations of the reading's own cards, as a fresh reading shows them.
StyledText composeReading(const CurrentReading& reading, const ReadingClock& clock);

} // namespace quillmere
