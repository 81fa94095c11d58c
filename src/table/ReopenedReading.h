#pragma once

#include "table/AppContext.h"
#include "table/ReadingHost.h"

#include <QString>

namespace quillmere {

// Reopens a saved reading: reads the record at recordPath, sets the querent's details and the moment of the
// reading in the current reading, writes the saved reading's text into the pane, lays its cards on their own table
// ("frmReading", reversed cards turned, the crossing card turned a quarter) at the workspace's top-left corner and
// puts the main window into the reopened-reading state. Returns the empty text on success; when the record cannot
// be read it returns the reason in words and nothing is shown or changed.
QString openReopenedReading(AppContext& context, ReadingHost& host, const QString& recordPath);

} // namespace quillmere
