#include "storage/Leftovers.h"

#include "storage/FileAccess.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"

namespace quillmere {

int removeStaleLeftovers(const AppFolder& folder, const QDateTime& now)
{
    const QDateTime dayAgo = now.addDays(-1);
    int removed = removeLeftoversOfWrites(
        folder.root(),
        [](const QString& name) { return name == QLatin1String("temp") || name == QLatin1String("vt.dll"); }, dayAgo);

    QStringList readingFolders{QStringLiteral("misc")};
    if (const StorageValue<QStringList> profiles = ProfileStore(folder).list())
        readingFolders += *profiles;
    for (const QString& name : std::as_const(readingFolders)) {
        const StorageValue<EntryName> entry = readingFolderName(name);
        if (!entry || resolvedKindAt(folder.entry(*entry)) != EntryKind::Folder)
            continue;
        removed += removeLeftoversOfWrites(
            folder.entry(*entry), [&](const QString& written) { return isOwnFileOfReadingFolder(written, name); },
            dayAgo);
    }
    return removed;
}

} // namespace quillmere
