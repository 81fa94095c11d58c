#pragma once

#include "engine/Cast.h"
#include "engine/CurrentReading.h"
#include "engine/Draw.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "engine/StyledText.h"
#include "storage/StorageResult.h"

#include <QString>
#include <optional>

namespace quillmere::cli {

// What one `cast` command line asks for: the spread, the options of the spread selection screen and the
// querent's details as the details screen would hand them over.
struct CastRequest
{
    const Spread* spread = nullptr;
    CastOptions options;
    QString querentName;
    QString birthDate;
    QString question;
};

// The program's automatic cast into `reading`: the querent fields set, the reset of the spread selection
// screen, the cast fields copied, the draw, then the header and the interpretations. Returns the reading text;
// the reading keeps the cards for anything written after it (a temporary record, say). request.spread must be
// set.
StyledText castReading(CurrentReading& reading, const CastRequest& request, RandomSource& random,
                       const ReadingClock& clock);

// The same reading with the cards the user turned over from their own deck in place of the draw: the cast
// must be complete and of request.spread with request.options.
StyledText castEnteredReading(CurrentReading& reading, const CastRequest& request, const Cast& cast,
                              const ReadingClock& clock);

// One entry of a --cards list: a deck index (not necessarily one of the deck's) and whether it lies reversed.
struct EnteredCard
{
    int index = 0;
    bool reversed = false;
    friend bool operator==(const EnteredCard&, const EnteredCard&) = default;
};

// Reads "13", "5r", "Ace of Cups" or "Ace of Cups reversed" (blanks around it ignored); nothing when the
// entry is neither a whole number (with an optional r) nor a card's exact name (with an optional " reversed").
std::optional<EnteredCard> parseEnteredCard(const QString& text);

// The cast of the spread with the cards of a comma-separated list placed in position order, or the reason the
// list cannot be cast: a wrong count, an unknown card, or one the cast refuses (twice, outside the arcana
// chosen, reversed where it may not be).
StorageValue<Cast> castFromCardList(const Spread& spread, const CastOptions& options, const QString& list);

} // namespace quillmere::cli
