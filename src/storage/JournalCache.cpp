#include "storage/JournalCache.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>
#include <sys/stat.h>

namespace quillmere {

namespace {

constexpr quint32 kMagic = 0x514a4331; // "QJC1"
// 2: moments are wall-clock times (see JournalEntry::moment) and file times are in nanoseconds.
constexpr quint32 kVersion = 2;
constexpr qsizetype kMaxCacheBytes = 512 * 1024 * 1024;

void writeEntry(QDataStream& out, const JournalEntry& entry)
{
    const ReadingRecord& record = entry.record;
    out << entry.path << entry.fileName << entry.moment.toMSecsSinceEpoch() << record.querentName << record.birthDate
        << record.question << record.date << record.time << record.spreadName
        << static_cast<qint32>(record.cards.size());
    for (const RecordCard& card : record.cards)
        out << static_cast<qint32>(card.index) << card.reversed;
    out << record.descriptions;
}

bool readEntry(QDataStream& in, JournalEntry& entry)
{
    ReadingRecord& record = entry.record;
    qint64 moment = 0;
    qint32 cards = 0;
    in >> entry.path >> entry.fileName >> moment >> record.querentName >> record.birthDate >> record.question
        >> record.date >> record.time >> record.spreadName >> cards;
    if (in.status() != QDataStream::Ok || cards < 0 || cards > 100000)
        return false;
    record.cards.reserve(cards);
    for (qint32 i = 0; i < cards; ++i) {
        qint32 index = 0;
        bool reversed = false;
        in >> index >> reversed;
        record.cards.append(RecordCard{index, reversed});
    }
    in >> record.descriptions;
    entry.moment = QDateTime::fromMSecsSinceEpoch(moment, Qt::UTC);
    DescriptionsAndNotes split = splitDescriptions(record.descriptions);
    entry.descriptions = std::move(split.descriptions);
    entry.notes = std::move(split.notes);
    return in.status() == QDataStream::Ok;
}

} // namespace

JournalCache::JournalCache(const AppFolder& folder)
    : m_path(folder.path(fileName()))
{
    const QFileInfo info(m_path);
    m_enabled = !info.exists() || info.isFile();
    if (m_enabled && info.exists())
        load();
}

void JournalCache::load()
{
    const std::optional<QByteArray> bytes = readFileAtMost(m_path, kMaxCacheBytes);
    if (!bytes || bytes->size() > kMaxCacheBytes)
        return;
    QDataStream in(*bytes);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    quint32 version = 0;
    qint64 count = 0;
    in >> magic >> version >> count;
    if (in.status() != QDataStream::Ok || magic != kMagic || version != kVersion || count < 0)
        return;
    QHash<QString, Cached> cached;
    for (qint64 i = 0; i < count; ++i) {
        QString key;
        Cached item;
        bool ok = false;
        in >> key >> item.key.size >> item.key.modified >> item.key.changed >> item.profile >> ok;
        if (in.status() != QDataStream::Ok)
            return;
        if (ok) {
            if (!readEntry(in, item.entry))
                return;
            item.entry.profile = item.profile;
        } else {
            in >> item.error;
        }
        if (in.status() != QDataStream::Ok)
            return;
        cached.insert(key, std::move(item));
    }
    m_previous = std::move(cached);
}

StorageValue<JournalEntry> JournalCache::entry(const QString& path, const QString& fileName, const QString& profile)
{
    struct stat status
    { };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return StorageValue<JournalEntry>::failure(
            QStringLiteral("%1 is not a file (a device, a pipe or a broken link).").arg(path));
    const auto nanoseconds = [](const timespec& time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; };
    const Key key{qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
    if (const auto found = m_previous.constFind(path);
        found != m_previous.constEnd() && found->key == key && found->profile == profile) {
        m_current.insert(path, *found);
        if (found->error.isEmpty())
            return found->entry;
        return StorageValue<JournalEntry>::failure(found->error);
    }

    m_changed = true;
    Cached item;
    item.key = key;
    item.profile = profile;
    const std::optional<QByteArray> bytes = readFileAtMost(path, kMaxRecordBytes);
    StorageValue<JournalEntry> read = bytes
        ? journalEntryOf(path, profile, fileName, *bytes, QDateTime::fromMSecsSinceEpoch(key.modified / 1000000))
        : StorageValue<JournalEntry>::failure(QStringLiteral("The file %1 could not be read.").arg(path));
    if (read)
        item.entry = *read;
    else
        item.error = read.error();
    // A file that could not be opened may be readable a moment later: it is read again next time.
    if (bytes)
        m_current.insert(path, std::move(item));
    return read;
}

void JournalCache::save()
{
    if (!m_enabled || (!m_changed && m_current.size() == m_previous.size()))
        return;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << kMagic << kVersion << static_cast<qint64>(m_current.size());
    for (auto it = m_current.cbegin(); it != m_current.cend(); ++it) {
        const Cached& item = *it;
        const bool ok = item.error.isEmpty();
        out << it.key() << item.key.size << item.key.modified << item.key.changed << item.profile << ok;
        if (ok)
            writeEntry(out, item.entry);
        else
            out << item.error;
    }
    if (bytes.size() <= kMaxCacheBytes)
        writeWholeFile(m_path, bytes);
    m_previous = m_current;
    m_changed = false;
}

} // namespace quillmere
