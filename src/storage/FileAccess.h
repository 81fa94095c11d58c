#pragma once

#include "storage/StorageResult.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

namespace quillmere {

// The one reader and the one writer of the program's files. Every file the program writes goes through
// writeWholeFile or createNewFile, and every file it reads through readSmallFile (or readFileAtMost), so that
// a full disk, a link or a special file is met the same way everywhere.

// What stands at a path, looking at the last name itself (a link is a link, wherever it points).
enum class EntryKind { Missing, File, Folder, Link, Special };
EntryKind entryKindAt(const QString& path);

// What a link (or the entry itself, when it is none) leads to; a link that leads nowhere is Missing.
EntryKind resolvedKindAt(const QString& path);

// Writes the whole file or nothing: the bytes go unbuffered into a new file beside it, are forced to the disk
// and only then replace the old file, so a failure at any step (a full disk, a file-size limit, a folder
// that cannot be written) leaves the old file byte for byte and says which file and why. A link, a folder
// or a special file at the path is refused and left as it is: the program never writes through a link.
StorageResult writeWholeFile(const QString& path, const QByteArray& bytes);

// Whether createNewFile made the file or found its name taken.
enum class NewFile { Created, NameTaken };

// Creates a file that did not exist, holding all of bytes, or nothing at all. The name is claimed in one
// step with the complete file (a hard link of a file written beside it), so of several processes claiming
// one name exactly one gets it; an entry of any kind at the name, a link that leads nowhere included, makes
// the name taken.
StorageValue<NewFile> createNewFile(const QString& path, const QByteArray& bytes);

// The first maxBytes + 1 bytes of a regular file at most (so a larger file shows as larger). A FIFO, a device
// or a socket is never opened for reading in a way that could wait, and counts as no file. Nothing when the
// file cannot be opened or read.
std::optional<QByteArray> readFileAtMost(const QString& path, qsizetype maxBytes);

// Reads at most maxBytes of a regular file (a link to one is followed); a larger file, a missing one, a
// folder, a special file ("is not a file") or one that cannot be read is a failure in words.
StorageValue<QByteArray> readSmallFile(const QString& path, qsizetype maxBytes);

// A write killed before it finished leaves its new file beside the one it was writing: that file's name, a
// dot and six letters or digits. For such a name, the name of the file being written; nothing otherwise.
std::optional<QString> writtenNameOfLeftover(const QString& fileName);

// Removes from a folder the regular files that are left-overs of killed writes of a file for which
// `isOwnFile` holds and that were last changed before `olderThan`; nothing else in the folder is touched.
// Returns how many were removed.
int removeLeftoversOfWrites(const QString& folder, const std::function<bool(const QString&)>& isOwnFile,
                            const QDateTime& olderThan);

} // namespace quillmere
