#pragma once

#include "storage/AppFolder.h"
#include "storage/Journal.h"

#include <QHash>

namespace quillmere {

// What the journal read from each reading file, kept between runs so that opening the journal does not read ten
// thousand files again. Only a cache: an entry counts while the file's path, size, modification and status-change
// times are what they were, so a reading added, changed or removed by another process shows on the next scan,
// and deleting the cache file loses nothing. The file ".journal-cache" lies in the application folder itself,
// where only profile folders and the program's own files are looked for, and no profile name may begin with a
// dot; it is not used when a folder of that name is in the way.
class JournalCache
{
public:
    explicit JournalCache(const AppFolder& folder);

    static QString fileName() { return QStringLiteral(".journal-cache"); }

    // The entry of the reading file at path, from the cache when it still matches, else read from the file. A path
    // that is no regular file (a device, a pipe, a broken link) is a failure and is never opened.
    StorageValue<JournalEntry> entry(const QString& path, const QString& fileName, const QString& profile);

    // Writes the entries asked for since construction when anything changed; a cache that cannot be written is
    // simply not kept.
    void save();

private:
    // The file's status as stat() gives it: QFileInfo's times are local times whose conversions ask the time zone
    // for every file, which alone would double the time of opening the journal.
    struct Key
    {
        qint64 size = -1;
        qint64 modified = 0;
        qint64 changed = 0;
        friend bool operator==(const Key&, const Key&) = default;
    };
    struct Cached
    {
        Key key;
        QString profile;
        QString error;
        JournalEntry entry;
    };
    void load();

    QString m_path;
    bool m_enabled = false;
    bool m_changed = false;
    QHash<QString, Cached> m_previous;
    QHash<QString, Cached> m_current;
};

} // namespace quillmere
