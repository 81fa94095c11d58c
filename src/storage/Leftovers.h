#pragma once

#include "storage/AppFolder.h"

#include <QDateTime>

namespace quillmere {

// A write that was killed before it finished (a crash, a power cut) leaves its unfinished new file beside the
// one it was writing ("temp.a1B2c3", "vt.dll.x9Y8z7", "12082025153405.Qw3rT5"). Such files are never listed.
// This removes those older than a day from the application folder, "misc" and every profile's folder; the
// young ones may belong to a write that is still running. Returns how many were removed.
int removeStaleLeftovers(const AppFolder& folder, const QDateTime& now);

} // namespace quillmere
