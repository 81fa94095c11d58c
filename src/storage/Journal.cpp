#include "storage/Journal.h"

#include "storage/JournalCache.h"
#include "storage/ProfileStore.h"
#include "storage/TextDecoding.h"

#include <QDir>
#include <QLocale>
#include <QSet>
#include <algorithm>

namespace quillmere {

namespace {

// The local wall-clock time of a stamp, held as Qt::UTC (see JournalEntry::moment).
QDateTime stampMoment(const QString& fileName)
{
    if (fileName.size() != 14)
        return {};
    for (const QChar c : fileName) {
        if (c < u'0' || c > u'9')
            return {};
    }
    const QDate date = QDate::fromString(fileName.first(8), QStringLiteral("MMddyyyy"));
    const QTime time = QTime::fromString(fileName.sliced(8), QStringLiteral("HHmmss"));
    return date.isValid() && time.isValid() ? QDateTime(date, time, Qt::UTC) : QDateTime();
}

QDate recordDate(const QString& text)
{
    const QString date = text.trimmed();
    if (date.isEmpty())
        return {};
    QDate parsed = QLocale::system().toDate(date, QLocale::ShortFormat);
    if (parsed.isValid() && parsed.year() < 1950
        && !QLocale::system().dateFormat(QLocale::ShortFormat).contains(QLatin1String("yyyy")))
        parsed = parsed.addYears(100);
    if (parsed.isValid())
        return parsed;
    for (const char* format : {"M/d/yyyy", "yyyy-MM-dd", "d.M.yyyy", "d/M/yyyy"}) {
        parsed = QDate::fromString(date, QLatin1String(format));
        if (parsed.isValid())
            return parsed;
    }
    parsed = QDate::fromString(date, QStringLiteral("M/d/yy"));
    return parsed.isValid() ? parsed.addYears(100) : QDate();
}

QTime recordTime(const QString& text)
{
    const QString time = text.trimmed();
    for (const QLocale& locale : {QLocale::system(), QLocale::c()}) {
        for (const QLocale::FormatType type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            const QTime parsed = locale.toTime(time, type);
            if (parsed.isValid())
                return parsed;
        }
    }
    for (const char* format : {"H:mm:ss", "h:mm:ss AP", "h:mm:ss ap", "H:mm"}) {
        const QTime parsed = QTime::fromString(time, QLatin1String(format));
        if (parsed.isValid())
            return parsed;
    }
    return QTime(0, 0);
}

// The files of one reading folder: readings read through the cache, the rest listed as unreadable.
void scanFolder(const QString& path, const QString& profile, JournalCache& cache, Journal& journal)
{
    const QDir dir(path);
    const QFileInfoList files
        = dir.entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& info : files) {
        const QString name = info.fileName();
        if (!profile.isEmpty() && name.compare(profile, Qt::CaseInsensitive) == 0)
            continue;
        StorageValue<JournalEntry> entry = cache.entry(info.filePath(), name, profile);
        if (entry)
            journal.readings.append(*std::move(entry));
        else
            journal.unreadable.append({info.filePath(), profile, name, entry.error()});
    }
}

} // namespace

QDateTime readingMomentOf(const QString& fileName, const ReadingRecord& record, const QDateTime& modified)
{
    if (const QDateTime stamp = stampMoment(fileName); stamp.isValid())
        return stamp;
    if (const QDate date = recordDate(record.date); date.isValid())
        return QDateTime(date, recordTime(record.time), Qt::UTC);
    return QDateTime(modified.date(), modified.time(), Qt::UTC);
}

StorageValue<JournalEntry> journalEntryOf(const QString& path, const QString& profile, const QString& fileName,
                                          QByteArrayView bytes, const QDateTime& modified)
{
    StorageValue<ReadingRecord> record = parseRecord(bytes);
    if (!record)
        return StorageValue<JournalEntry>::failure(
            QStringLiteral("%1 %2").arg(path, record.error().sliced(QStringLiteral("The file ").size())));
    JournalEntry entry;
    entry.path = path;
    entry.profile = profile;
    entry.fileName = fileName;
    entry.record = *std::move(record);
    DescriptionsAndNotes split = splitDescriptions(entry.record.descriptions);
    entry.descriptions = std::move(split.descriptions);
    entry.notes = std::move(split.notes);
    entry.moment = readingMomentOf(fileName, entry.record, modified);
    return entry;
}

void sortNewestFirst(QList<JournalEntry>& readings)
{
    std::sort(readings.begin(), readings.end(), [](const JournalEntry& a, const JournalEntry& b) {
        if (a.moment != b.moment)
            return a.moment > b.moment;
        return a.path < b.path;
    });
}

Journal scanJournal(const AppFolder& folder)
{
    Journal journal;
    JournalCache cache(folder);
    const StorageValue<QStringList> profiles = ProfileStore(folder).list();
    if (!profiles)
        journal.storeProblem = profiles.error();
    QSet<QString> seen;
    for (const QString& line : profiles ? *profiles : QStringList()) {
        const QString profile = line.trimmed();
        if (seen.contains(profile))
            continue;
        seen.insert(profile);
        journal.profiles.append(profile);
        const StorageValue<EntryName> name = EntryName::check(profile);
        if (!name || !QFileInfo(folder.profileFolder(*name)).isDir())
            continue;
        scanFolder(folder.profileFolder(*name), profile, cache, journal);
    }
    journal.hasMiscellaneous = QFileInfo(folder.miscFolder()).isDir();
    if (journal.hasMiscellaneous)
        scanFolder(folder.miscFolder(), QString(), cache, journal);
    cache.save();
    sortNewestFirst(journal.readings);
    return journal;
}

} // namespace quillmere
