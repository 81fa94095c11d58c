#pragma once

#include "engine/CurrentReading.h"
#include "engine/Draw.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "engine/StyledText.h"

#include <QString>

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

} // namespace quillmere::cli
