#pragma once

#include "table/AppContext.h"

namespace quillmere {

// Rewrites the temporary record from the current reading: its spread, the cards placed so far and their flags.
// A failure is not reported; the reading on screen goes on without it.
void rewriteTempRecord(const AppContext& context);

// Lets pending window events run (repaints and timers, not user input) while cards are drawn.
void repaintPendingWindows();

} // namespace quillmere
