#pragma once

#include "storage/AppFolder.h"
#include "storage/ReadingNotes.h"
#include "storage/RecordFormat.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace quillmere {

// One saved reading as the journal lists it.
struct JournalEntry
{
    QString path;
    // The profile it is saved under; empty for Miscellaneous.
    QString profile;
    QString fileName;
    // When it was saved: the moment its file name records, else the date and time written in it, else the file's
    // modification time. The journal sorts and filters by it and shows the texts of the record. It is the local
    // wall-clock time (as the stamp writes it) marked as Qt::UTC, so that sorting, comparing and
    // reading ten thousand of them back from the cache never asks the time zone (which costs a file check each time).
    QDateTime moment;
    ReadingRecord record;
    // The descriptions given when saving, without the notes.
    QStringList descriptions;
    QList<ReadingNote> notes;

    bool isMiscellaneous() const { return profile.isEmpty(); }
};

// A file in a reading folder that is no reading the journal can show, and why.
struct UnreadableFile
{
    QString path;
    QString profile;
    QString fileName;
    QString reason;
};

// Every saved reading of every profile and of Miscellaneous, read from the files themselves.
struct Journal
{
    // Newest first.
    QList<JournalEntry> readings;
    QList<UnreadableFile> unreadable;
    // The profiles of the store, in store order, and whether the folder "misc" exists.
    QStringList profiles;
    bool hasMiscellaneous = false;
    // Set when the profile store itself could not be read (Miscellaneous is still listed).
    QString storeProblem;
};

// Reads the journal: every file of every profile folder (the details file skipped) and of "misc". Files that are
// no readings (damaged, foreign, empty, too large, not a regular file: FIFOs and devices are never opened) are
// listed as unreadable with the reason. Hidden files are skipped as the old-reading panel skips them.
Journal scanJournal(const AppFolder& folder);

// The journal entry of one record file's bytes; the reason in words when they are no reading.
StorageValue<JournalEntry> journalEntryOf(const QString& path, const QString& profile, const QString& fileName,
                                          QByteArrayView bytes, const QDateTime& modified);

// The moment of a reading saved as fileName holding record (see JournalEntry::moment); modified is a local time.
QDateTime readingMomentOf(const QString& fileName, const ReadingRecord& record, const QDateTime& modified);

// Newest first; equal moments by path, so the order never depends on the listing.
void sortNewestFirst(QList<JournalEntry>& readings);

} // namespace quillmere
