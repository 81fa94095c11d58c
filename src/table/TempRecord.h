#pragma once

#include "table/AppContext.h"

namespace quillmere {

// Rewrites the temporary record from the current reading: its spread, the cards placed so far and their flags.
// When the record of the complete reading cannot be written, the user is told why and what to do (a message
// box through the Notifier); the reading on screen goes on without it, and Save writes it again first.
void rewriteTempRecord(const AppContext& context);

// A fresh reading takes the moment its header names when the header is first written, so the pane, the handouts and
// the exports all name that moment however long the cards take to lay. A reopened reading keeps its own.
void keepReadingMoment(AppContext& context);

// Lets pending window events run (repaints and timers, not user input) while cards are drawn.
void repaintPendingWindows();

} // namespace quillmere
