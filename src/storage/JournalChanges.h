#pragma once

#include "storage/AppFolder.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"
#include "storage/StorageResult.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace quillmere {

// Where a saved reading of the application folder lies.
struct ReadingLocation
{
    // The profile it is saved under; empty for Miscellaneous.
    QString profile;
    QString fileName;
    // The reading's path, built from the application folder.
    QString path;
    bool isMiscellaneous() const { return profile.isEmpty(); }
};

// The saved reading a path names (a relative path is taken inside the application folder): a file of a profile's
// folder other than its details file, or of "misc". Anything else, outside the folder included, is a failure.
StorageValue<ReadingLocation> locateReading(const AppFolder& folder, const QString& path);

// Moves a reading to another profile or to Miscellaneous ("misc" created when missing) under its own name, or the
// next free one (a later second for a reading stamp). One rename: the reading is in one place or the other.
// Returns the new path.
StorageValue<QString> moveReading(const AppFolder& folder, const ReadingLocation& reading, const FilingTarget& target);

// Renames a profile: its folder, the details file in it and its store line, in that order; when a step fails the
// steps before it are undone, so store, folder and details file always agree. The new name is refused with the
// words of profile creation. A change of letter case only is a rename too.
StorageResult renameProfile(const AppFolder& folder, const QString& profile, const QString& newName);

// Rewrites a profile's details file (the person's name and date of birth) whole or not at all.
StorageResult editProfile(const AppFolder& folder, const QString& profile, const ProfileDetails& details);

// One deletion waiting in the trash: "trash/ID/origin" says what it was and where, "trash/ID/item" is the reading
// file or the whole profile folder.
struct TrashEntry
{
    enum class Kind { Reading, Profile };
    QString id;
    Kind kind = Kind::Reading;
    // The profile (for a reading: the one it was saved under, empty for Miscellaneous).
    QString profile;
    // The reading's file name; empty for a profile.
    QString fileName;
    QDateTime deleted;
    QString itemPath;
};

// Deleting moves into the trash; nothing is removed until the trash is emptied. Each step that fails undoes the
// ones before it. Return the trash entry made.
StorageValue<TrashEntry> trashReading(const AppFolder& folder, const ReadingLocation& reading, const QDateTime& now);
// The profile's folder with its readings and details file goes to the trash and its store line goes.
StorageValue<TrashEntry> trashProfile(const AppFolder& folder, const QString& profile, const QDateTime& now);

// The entries of the trash, newest first; a folder of the trash that is no entry is left out.
StorageValue<QList<TrashEntry>> listTrash(const AppFolder& folder);

// Puts an entry back: a reading under its own name in its folder, or the next free one; a profile with its folder
// and store line, refused when a profile of that name exists again. Returns the restored path.
StorageValue<QString> restoreFromTrash(const AppFolder& folder, const QString& id);

// Removes everything in the trash for good.
StorageResult emptyTrash(const AppFolder& folder);

} // namespace quillmere
