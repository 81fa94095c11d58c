#pragma once

#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace quillmere {

// What to do with an imported profile whose name the target already has.
enum class NameClash { MergeIntoExisting, Skip };

// What an import did, for the summary the user reads at the end.
struct ImportSummary
{
    QStringList profilesCreated;
    QStringList profilesMerged;
    QStringList profilesSkipped;
    // Readings copied, and how many of them took another stamp because theirs was taken.
    int readingsCopied = 0;
    int readingsRestamped = 0;
    // Readings the target already held, byte for byte under the same stamp (an import run twice).
    int readingsAlreadyThere = 0;
    // One sentence for each thing that was not copied, and why.
    QStringList problems;
    // Why the import stopped before the end (a write failed); empty when it ran to the end.
    QString stoppedBy;

    // The summary in the program's words, one line for each kind of outcome.
    QString text() const;
};

// Copies the profiles and saved readings of another application folder (one brought from another computer, or
// the folder earlier versions installed) into this one. Copies only, never moves: the source is only read.
// Nothing of the target is overwritten: a profile whose name exists (in any letter case) is merged into the
// existing one or skipped, as the caller decides; a reading keeps its own stamp, or takes the next free second
// when that stamp is taken. Records are copied byte for byte (Windows-1252 ones stay as they are, the readers
// decode them); damaged records, foreign files and sync tools' leftovers are not copied and are named in the
// summary. A failed write stops the import there, and what was copied before stays.
class FolderImport
{
public:
    using ClashDecision = std::function<NameClash(const QString& profileName)>;

    FolderImport(AppFolder source, AppFolder target)
        : m_source(std::move(source))
        , m_target(std::move(target))
    { }

    // Runs the import. onClash is asked once for each profile whose name the target has (with the target's
    // spelling), before its readings are copied. A failure means nothing was copied (no source, the same folder
    // as the target, a store that cannot be read); a write that fails later ends the summary with stoppedBy.
    StorageValue<ImportSummary> run(const ClashDecision& onClash) const;

    // Whether a folder is an application folder with data to import: it holds a profile store.
    static StorageResult checkSource(const QString& folder);

private:
    AppFolder m_source;
    AppFolder m_target;
};

} // namespace quillmere
