#pragma once

#include "TestDoubles.h"

namespace quillmere::bench {

// The tests' own doubles: a benchmark never blocks on a message box, a pause or a browser.
using NoNotifier = doubles::RecordingNotifier;
using NoPause = doubles::RecordingPause;
using NoAsker = doubles::AnsweringAsker;
using NoUrlOpener = doubles::RecordingUrlOpener;

} // namespace quillmere::bench
