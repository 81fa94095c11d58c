#pragma once

#include "engine/CurrentReading.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "storage/AppFolder.h"
#include "table/ProgramSettings.h"
#include "table/Services.h"

namespace quillmere {

// Everything a screen or card table needs from outside itself: the one current reading, the application folder and the
// services that tests replace. main() builds it once; every screen receives it by reference.
struct AppContext
{
    CurrentReading& reading;
    const AppFolder& folder;
    RandomSource& random;
    const ReadingClock& clock;
    Notifier& notifier;
    Pause& pause;
    UrlOpener& urlOpener;
    // Base address of the product's site, empty when none is configured.
    QString siteUrl;
    // What the program remembers between runs.
    ProgramSettings& settings;
};

} // namespace quillmere
