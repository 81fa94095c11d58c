#pragma once

#include "engine/CardList.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace quillmere {

// The longest record file the program reads; anything larger is no reading.
inline constexpr qsizetype kMaxRecordBytes = 1024 * 1024;

// A deck index that is not a number at all; like an index outside the deck it shows nothing.
inline constexpr int kUnreadableCard = -1;

// The keys of the record lines, in the order they are tested, so "yourname" never counts as "name".
enum class RecordKey { YourName, YourDob, YourQ, YourDate, YourTime, Name, Card, Desc };

// One item of the item format with the key it begins with, if any.
struct RecordItem
{
    QString text;
    std::optional<RecordKey> key;
    // The text after the key; empty without a key.
    QString value;
    // Written between quotation marks, as every line of a record is.
    bool quoted = false;
    // Where the item lies in the text it was split from: [start, end), quotation marks included.
    qsizetype start = 0;
    qsizetype end = 0;
};

// Splits text into items: an item that begins with a double quotation mark runs to the closing one, where
// two quotation marks in a row stand for one inside the value and line ends belong to the value; any other
// item runs to the next comma or line end, surrounding blanks dropped. A comma or a line end (CRLF or LF)
// separates items; blank lines give none. A quotation mark that is never closed runs to the end of the text.
QList<RecordItem> splitRecordItems(QStringView text);

// The key an item begins with (compared without regard to letter case, tested in RecordKey order).
std::optional<RecordKey> recordKeyOf(QStringView item);

// A value between quotation marks, its own quotation marks doubled.
QString quoteRecordValue(QStringView keyAndValue);

// One card line of a record.
struct RecordCard
{
    // The deck index as written; kUnreadableCard when it is not a number.
    int index = kUnreadableCard;
    bool reversed = false;
    friend bool operator==(const RecordCard&, const RecordCard&) = default;
};

// The contents of a reading record: the temporary record and every saved reading.
struct ReadingRecord
{
    QString querentName;
    QString birthDate;
    QString question;
    QString date;
    QString time;
    QString spreadName;
    QList<RecordCard> cards;
    QStringList descriptions;

    // The description a reopened reading goes by: the last one.
    QString description() const { return descriptions.isEmpty() ? QString() : descriptions.last(); }
    // The deck indices and the flags (0 upright, 1 reversed) in position order, as the card tables take them.
    CardList cardList() const;
    CardList flagList() const;
    friend bool operator==(const ReadingRecord&, const ReadingRecord&) = default;
};

// The record as file bytes: UTF-8, the lines in their fixed order, each ending with CRLF; card lines carry
// their flag, 0 or 1, after the closing quotation mark; one "desc" line per description.
QByteArray serializeRecord(const ReadingRecord& record);

// The record in a text. Keys compared without regard to letter case; a repeated key's later value counts
// (every "desc" is kept); unknown items are ignored. The item after a card item is its flag (0 upright, any
// other number reversed, anything that is not a number upright) unless it is itself a keyed item.
ReadingRecord parseRecordText(QStringView text);

// The record in file bytes, or a failure in words when the bytes are empty, too large, binary, or hold no
// record line at all (no quoted item that begins with a key).
StorageValue<ReadingRecord> parseRecord(QByteArrayView bytes);

// Reads and parses a record file; a missing, unreadable, oversized or foreign file is a failure in words.
StorageValue<ReadingRecord> readRecordFile(const QString& path);

// The first maxBytes + 1 bytes of a file at most (so a larger file shows as larger); nothing when it cannot be
// opened or read.
std::optional<QByteArray> readFileAtMost(const QString& path, qsizetype maxBytes);

// Reads at most maxBytes of a file; a larger file, a missing one or one that cannot be read is a failure.
StorageValue<QByteArray> readSmallFile(const QString& path, qsizetype maxBytes);

// Writes the whole file or nothing (QSaveFile); a failure says which file and why.
StorageResult writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace quillmere
