#pragma once

#include "engine/CurrentReading.h"
#include "engine/ReadingClock.h"
#include "storage/AppFolder.h"
#include "storage/RecordFormat.h"
#include "storage/StorageResult.h"

#include <QList>
#include <QString>
#include <optional>

namespace quillmere {

// Where a reading is filed: under a profile, or under Miscellaneous (the folder "misc").
class FilingTarget
{
public:
    static FilingTarget profile(QString name) { return FilingTarget(std::move(name)); }
    static FilingTarget miscellaneous() { return FilingTarget(std::nullopt); }

    bool isMiscellaneous() const { return !m_profile.has_value(); }
    // Empty for Miscellaneous.
    QString profileName() const { return m_profile.value_or(QString()); }

private:
    explicit FilingTarget(std::optional<QString> profile)
        : m_profile(std::move(profile))
    { }
    std::optional<QString> m_profile;
};

// The save dialog's refusals, in its order: "Please select an option." when no target is chosen, "Please
// select profile to save." for an empty profile, "Please enter description." for a description of blanks.
StorageResult checkSaveRequest(const std::optional<FilingTarget>& target, const QString& description);

// The temporary record of a reading: the querent fields, the clock's date and time now, the spread name, and
// one card line per position (the spare entry of an automatic cast is no position).
ReadingRecord tempRecordOf(const CurrentReading& reading, const ReadingClock& clock);

// Writes the temporary record "temp" of the reading just composed, whole or not at all. When it cannot be
// written, the record of an earlier reading is removed (where it can be), so that it is never saved in this
// reading's place.
StorageResult writeTempReading(const AppFolder& folder, const CurrentReading& reading, const ReadingClock& clock);

// What the user is told when the temporary record of a fresh reading could not be written: the reason and
// what to do ("free some space, then cast again" for a full disk). The reading on screen stays.
QString tempRecordFailureMessage(const StorageResult& failure);

// Removes "temp" at shutdown. A missing record is no failure.
StorageResult deleteTempReading(const AppFolder& folder);

// Files the temporary record: appends the trimmed description to "temp" and writes a copy named by the
// reading stamp into the profile's folder (which must exist) or into "misc" (created when missing). When the
// stamp is taken in that folder (by a file, a folder or a link, even one leading nowhere) the next free
// second's stamp is used; the name is claimed together with the whole copy, so concurrent saves never
// replace one another, and the change of "temp" is made under the folder's lock, so none loses a
// description. Returns the saved file's path.
//
// With onScreen (the program's Save), the reading on screen is what is filed: the record is used when it holds
// that reading (the same querent, spread, cards and flags, with the descriptions of earlier saves); when it is
// missing or damaged (the disk was full at the cast) it is made again from the reading on screen; a record of
// another reading is refused in words and left alone, so Save never files a reading other than the one on
// screen. Without onScreen (the command line), a missing or damaged record is refused in words.
//
// The copy is written first and "temp" second; when "temp" cannot be written the copy is removed again, so a
// failure at either step leaves every file as it was: no half-written copy, "temp" byte for byte.
StorageValue<QString> fileTempReading(const AppFolder& folder, const FilingTarget& target, const QString& description,
                                      const ReadingClock& clock, const CurrentReading* onScreen = nullptr);

// One saved reading of a folder as the old-reading panel lists it.
struct SavedReadingEntry
{
    QString fileName;
    // The file name followed, for each description, by five blanks and the description (lstReadings1).
    QString fileEntry;
    // The date, five blanks and the time, then five blanks and each description (lstReadings).
    QString displayLine;
    friend bool operator==(const SavedReadingEntry&, const SavedReadingEntry&) = default;
};

// The folder a profile's readings live in; "misc" (any letter case) names the miscellaneous folder. The
// name is trimmed; a name that cannot be a folder of the application folder is a failure.
StorageValue<EntryName> readingFolderName(const QString& profileOrMisc);

// Whether a file of a profile's folder (or "misc") is one the program writes there: a saved reading (named by
// its stamp), the profile's details file, or the copy older versions left under the name "temp".
bool isOwnFileOfReadingFolder(const QString& name, const QString& profileOrMisc);

// The display and file entries of every saved reading in the profile's folder (or "misc"), in the order of
// the names without regard to letter case; the profile's details file, entries that are no regular file
// (FIFOs, devices, links leading nowhere) and the left-overs of killed saves are skipped. A folder that
// cannot be read is a failure. A file that is no record
// is still listed (with whatever date, time and descriptions it holds) and fails when opened.
StorageValue<QList<SavedReadingEntry>> listSavedReadings(const AppFolder& folder, const QString& profileOrMisc);

// Opens a saved reading by its file name (SavedReadingEntry::fileName) in the profile's folder (or "misc").
// "Please select profile." and "Please select file to be read." for the two empty choices; a missing,
// unreadable or foreign file, or a name that is no file of that folder, is a failure in words.
StorageValue<ReadingRecord> openSavedReading(const AppFolder& folder, const QString& profileOrMisc,
                                             const QString& fileName);

// The name of a saved reading made at a moment: month, day, year, hour, minute, second, zero-padded.
QString readingStamp(const QDateTime& moment);

} // namespace quillmere
