#include "storage/ReadingNotes.h"

#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

namespace quillmere {

namespace {

const QString kNoteFormat = QStringLiteral("Note of %1: %2");

// The record's text and the places of its note lines.
struct NoteLines
{
    QString text;
    QList<RecordItem> notes;
};

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

StorageValue<NoteLines> readNoteLines(const QString& path)
{
    const StorageValue<QByteArray> bytes = readSmallFile(path, kMaxRecordBytes);
    if (!bytes)
        return bytes.result();
    if (const StorageValue<ReadingRecord> record = parseRecord(*bytes); !record)
        return StorageValue<NoteLines>::failure(QStringLiteral("%1 (%2)").arg(record.error(), path));
    NoteLines lines;
    lines.text = decodeFileText(*bytes);
    for (RecordItem& item : splitRecordItems(lines.text)) {
        if (item.quoted && item.key == RecordKey::Desc && noteOfDescription(item.value))
            lines.notes.append(std::move(item));
    }
    return lines;
}

StorageResult writeText(const QString& path, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    if (bytes.size() > kMaxRecordBytes)
        return StorageResult::failure(QStringLiteral("The note would make the reading too large to be opened again."));
    return writeWholeFile(path, bytes);
}

QString noteLine(const ReadingNote& note)
{
    return quoteRecordValue(QString(QStringLiteral("desc") + descriptionOfNote(note)));
}

StorageValue<NoteLines> numberedNote(const QString& path, int number)
{
    StorageValue<NoteLines> lines = readNoteLines(path);
    if (lines && (number < 1 || number > lines->notes.size()))
        return StorageValue<NoteLines>::failure(
            lines->notes.isEmpty()
                ? QStringLiteral("The reading has no notes.")
                : QStringLiteral("There is no note %1: the reading has %2.")
                      .arg(number)
                      .arg(lines->notes.size() == 1 ? QStringLiteral("one note")
                                                    : QStringLiteral("%1 notes").arg(lines->notes.size())));
    return lines;
}

} // namespace

std::optional<ReadingNote> noteOfDescription(QStringView description)
{
    // "Note of " + YYYY-MM-DD + ": "
    constexpr qsizetype kPrefix = 8;
    constexpr qsizetype kDate = 10;
    if (description.size() < kPrefix + kDate + 2 || !description.startsWith(QLatin1String("Note of "))
        || description.sliced(kPrefix + kDate, 2) != QLatin1String(": "))
        return std::nullopt;
    const QStringView dateText = description.sliced(kPrefix, kDate);
    for (qsizetype i = 0; i < kDate; ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash ? dateText[i] != u'-' : !(dateText[i] >= u'0' && dateText[i] <= u'9'))
            return std::nullopt;
    }
    const QDate date = QDate::fromString(dateText.toString(), Qt::ISODate);
    if (!date.isValid())
        return std::nullopt;
    return ReadingNote{date, description.sliced(kPrefix + kDate + 2).toString()};
}

QString descriptionOfNote(const ReadingNote& note)
{
    return kNoteFormat.arg(note.date.toString(Qt::ISODate), note.text);
}

DescriptionsAndNotes splitDescriptions(const QStringList& descriptions)
{
    DescriptionsAndNotes split;
    for (const QString& description : descriptions) {
        if (std::optional<ReadingNote> note = noteOfDescription(description))
            split.notes.append(*std::move(note));
        else
            split.descriptions.append(description);
    }
    return split;
}

StorageResult checkNote(const ReadingNote& note)
{
    if (note.text.trimmed().isEmpty())
        return StorageResult::failure(QStringLiteral("Please enter a note."));
    if (!note.date.isValid() || note.date.year() < 1000 || note.date.year() > 9999)
        return StorageResult::failure(QStringLiteral("The date of the note is not a valid date."));
    return StorageResult::success();
}

StorageValue<QList<ReadingNote>> readNotes(const QString& path)
{
    const StorageValue<NoteLines> lines = readNoteLines(path);
    if (!lines)
        return lines.result();
    QList<ReadingNote> notes;
    for (const RecordItem& item : lines->notes)
        notes.append(*noteOfDescription(item.value));
    return notes;
}

StorageValue<int> addNote(const QString& path, const ReadingNote& note)
{
    if (const StorageResult checked = checkNote(note); !checked)
        return checked;
    StorageValue<NoteLines> lines = readNoteLines(path);
    if (!lines)
        return lines.result();
    QString text = std::move(lines->text);
    if (!text.isEmpty() && !isLineEnd(text.back()))
        text += QStringLiteral("\r\n");
    text += noteLine(note) + QStringLiteral("\r\n");
    if (const StorageResult written = writeText(path, text); !written)
        return written;
    return static_cast<int>(lines->notes.size()) + 1;
}

StorageResult editNote(const QString& path, int number, const ReadingNote& note)
{
    if (const StorageResult checked = checkNote(note); !checked)
        return checked;
    StorageValue<NoteLines> lines = numberedNote(path, number);
    if (!lines)
        return lines.result();
    const RecordItem& item = lines->notes[number - 1];
    QString text = std::move(lines->text);
    text.replace(item.start, item.end - item.start, noteLine(note));
    return writeText(path, text);
}

StorageResult removeNote(const QString& path, int number)
{
    StorageValue<NoteLines> lines = numberedNote(path, number);
    if (!lines)
        return lines.result();
    const RecordItem& item = lines->notes[number - 1];
    QString text = std::move(lines->text);
    // The whole line goes when the note is alone on it, as every note this program writes is.
    qsizetype start = item.start;
    qsizetype end = item.end;
    while (end < text.size() && (text[end] == u' ' || text[end] == u'\t'))
        ++end;
    const bool lineStart = start == 0 || isLineEnd(text[start - 1]);
    if (lineStart && (end == text.size() || isLineEnd(text[end]))) {
        if (end < text.size() && text[end] == u'\r')
            ++end;
        if (end < text.size() && text[end] == u'\n')
            ++end;
    } else {
        end = item.end;
        if (end < text.size() && text[end] == u',')
            ++end;
    }
    text.remove(start, end - start);
    return writeText(path, text);
}

} // namespace quillmere
