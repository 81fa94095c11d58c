#pragma once

#include "cli/Command.h"
#include "handout/ReadingHandout.h"
#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QString>
#include <optional>

namespace quillmere::cli {

// Where a command's output goes and, for the formats that show the cards, which deck's pictures they take.
struct OutputTarget
{
    // The file the output is written to (whole or not at all); standard output when empty.
    QString outputPath;
    // A deck folder given with --deck; otherwise the default deck of the application folder, or of the program's
    // own files when there is none.
    QString deckFolder;
    std::optional<AppFolder> appFolder;
};

// Whether the command line asks for a format that lays out pages or pictures, for which main() starts a Gui
// application on the display-less platform.
bool needsGuiApplication(const QStringList& args);

// Success for a target that can be used; otherwise the usage error's text (a --deck that is no folder).
StorageResult checkOutputTarget(const OutputTarget& target);

// Writes text to the target: to standard output, or as UTF-8 to the output file. Exit code of the command.
int writeTextOutput(const QString& text, const OutputTarget& target, CommandIo& io);

// The handout as a PDF into the target's output file (required), or as a self-contained HTML page with the card
// pictures. Exit code of the command; a file that cannot be written is reported and left as it was.
int writePdfOutput(const ReadingHandout& handout, const OutputTarget& target, CommandIo& io);
int writePicturePageOutput(const ReadingHandout& handout, const OutputTarget& target, CommandIo& io);

} // namespace quillmere::cli
