#pragma once

#include "storage/StorageResult.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillmere {

// A note added to a saved reading after the fact, with the day it was written.
//
// A note is kept in the record as one more description line whose value reads "Note of YYYY-MM-DD: TEXT", so a
// file with notes keeps the record format: it opens as before, and older copies of the program list the notes
// among the descriptions. A description typed in that very form when saving counts as a note.
struct ReadingNote
{
    QDate date;
    QString text;
    friend bool operator==(const ReadingNote&, const ReadingNote&) = default;
};

// The descriptions of a record told apart: those given when saving, and the notes in file order.
struct DescriptionsAndNotes
{
    QStringList descriptions;
    QList<ReadingNote> notes;
};

// The note a description line holds, if it is one.
std::optional<ReadingNote> noteOfDescription(QStringView description);
// The description line that holds a note.
QString descriptionOfNote(const ReadingNote& note);
DescriptionsAndNotes splitDescriptions(const QStringList& descriptions);

// Success for a note that can be written; otherwise why not ("Please enter a note." for one of blanks only).
StorageResult checkNote(const ReadingNote& note);

// The notes of the saved reading at path, in file order (numbered from 1 by the operations below).
StorageValue<QList<ReadingNote>> readNotes(const QString& path);

// Each change rewrites the record whole or not at all through the one writer; every other line keeps its text
// (a file in the old 8-bit code page is written back in UTF-8, its text unchanged). Returns the new note's number.
StorageValue<int> addNote(const QString& path, const ReadingNote& note);
StorageResult editNote(const QString& path, int number, const ReadingNote& note);
StorageResult removeNote(const QString& path, int number);

} // namespace quillmere
