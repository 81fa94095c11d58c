#pragma once

#include "app/Asker.h"
#include "table/AppContext.h"

class QMainWindow;

namespace quillmere {

// File > Import Readings From Folder…: copies the profiles and readings of another Quillmere folder into the one
// in use. A profile whose name exists is merged into it or skipped, as the user answers; a summary ends it.
void importReadingsFrom(const QString& folder, QWidget* parent, AppContext& context, Asker& asker);

// Adds the command to the main window's File menu; it asks for the folder, then imports from it.
void addImportCommand(QMainWindow& window, AppContext& context, Asker& asker);

} // namespace quillmere
