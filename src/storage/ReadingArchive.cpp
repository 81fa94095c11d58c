#include "storage/ReadingArchive.h"

#include "storage/FolderLock.h"
#include "storage/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <dirent.h>

namespace quillmere {

namespace {

// How many seconds past the moment of saving are tried when stamps are already taken.
constexpr int kStampAttempts = 60;

const QString kFiveBlanks = QStringLiteral("     ");

QString appendDescriptionLine(const QString& description)
{
    return quoteRecordValue(QString(QStringLiteral("desc") + description)) + QStringLiteral("\r\n");
}

// The folder a reading is filed into, created for Miscellaneous when missing.
StorageValue<QString> filingFolder(const AppFolder& folder, const FilingTarget& target)
{
    if (target.isMiscellaneous()) {
        const QString misc = folder.miscFolder();
        if (!QFileInfo(misc).isDir() && !QDir(folder.root()).mkdir(QStringLiteral("misc")))
            return StorageValue<QString>::failure(QStringLiteral("The folder %1 could not be created.").arg(misc));
        return misc;
    }
    const QString profile = target.profileName().trimmed();
    if (profile.isEmpty())
        return StorageValue<QString>::failure(QStringLiteral("Please select profile to save."));
    const StorageValue<EntryName> name = EntryName::check(profile);
    if (!name)
        return StorageValue<QString>::failure(
            QStringLiteral("The reading cannot be saved under the profile \"%1\": %2").arg(profile, name.error()));
    const QString path = folder.profileFolder(*name);
    if (!QFileInfo(path).isDir())
        return StorageValue<QString>::failure(
            QStringLiteral("The folder of the profile \"%1\" does not exist, so the reading could not be saved.")
                .arg(profile));
    return path;
}

bool isSameReading(const ReadingRecord& held, const ReadingRecord& shown)
{
    return held.querentName == shown.querentName && held.birthDate == shown.birthDate && held.question == shown.question
        && held.spreadName == shown.spreadName && held.cards == shown.cards;
}

// A folder that exists may still refuse to be read; that is a failure, not an empty folder.
std::optional<QString> unreadableFolderReason(const QString& path)
{
    DIR* dir = ::opendir(QFile::encodeName(path).constData());
    if (!dir)
        return QString::fromLocal8Bit(std::strerror(errno));
    ::closedir(dir);
    return std::nullopt;
}

} // namespace

QString readingStamp(const QDateTime& moment)
{
    return moment.toString(QStringLiteral("MMddyyyyHHmmss"));
}

StorageResult checkSaveRequest(const std::optional<FilingTarget>& target, const QString& description)
{
    if (!target)
        return StorageResult::failure(QStringLiteral("Please select an option."));
    if (!target->isMiscellaneous() && target->profileName().isEmpty())
        return StorageResult::failure(QStringLiteral("Please select profile to save."));
    if (description.trimmed().isEmpty())
        return StorageResult::failure(QStringLiteral("Please enter description."));
    return StorageResult::success();
}

ReadingRecord tempRecordOf(const CurrentReading& reading, const ReadingClock& clock)
{
    ReadingRecord record;
    record.querentName = reading.querentName;
    record.birthDate = reading.birthDate;
    record.question = reading.question;
    const ReadingMoment moment = clock.moment();
    record.date = moment.date;
    record.time = moment.time;
    record.spreadName = reading.spreadKey();
    record.cards.reserve(reading.positionCount());
    for (const ReadingCard& placed : reading.cards) {
        RecordCard card;
        card.index = placed.index;
        card.reversed = placed.reversed;
        record.cards.append(card);
    }
    return record;
}

StorageResult writeTempReading(const AppFolder& folder, const CurrentReading& reading, const ReadingClock& clock)
{
    const auto lock = FolderLock::acquire(folder);
    if (!lock)
        return StorageResult::failure(QStringLiteral("Could not write %1: %2").arg(folder.tempRecord(), lock.error()),
                                      lock.cause());
    const StorageResult written = writeWholeFile(folder.tempRecord(), serializeRecord(tempRecordOf(reading, clock)));
    // The record of an earlier reading must never pass for this one when it is saved.
    if (!written && entryKindAt(folder.tempRecord()) == EntryKind::File)
        QFile::remove(folder.tempRecord());
    return written;
}

QString tempRecordFailureMessage(const StorageResult& failure)
{
    QString reason = failure.error();
    while (reason.endsWith(QLatin1Char('.')))
        reason.chop(1);
    if (failure.cause() == StorageCause::NoSpace)
        return QStringLiteral("The reading could not be kept on disk: %1; free some space, then cast again.")
            .arg(reason);
    return QStringLiteral("The reading could not be kept on disk: %1; put that right, then cast again.").arg(reason);
}

StorageResult deleteTempReading(const AppFolder& folder)
{
    QFile temp(folder.tempRecord());
    if (!temp.exists())
        return StorageResult::success();
    if (!temp.remove())
        return StorageResult::failure(
            QStringLiteral("Could not delete %1: %2").arg(folder.tempRecord(), temp.errorString()));
    return StorageResult::success();
}

StorageValue<QString> fileTempReading(const AppFolder& folder, const FilingTarget& target, const QString& description,
                                      const ReadingClock& clock, const CurrentReading* onScreen)
{
    using Result = StorageValue<QString>;
    const QDateTime moment = clock.now();
    const auto lock = FolderLock::acquire(folder);
    if (!lock)
        return Result::failure(QStringLiteral("The reading could not be saved. %1").arg(lock.error()), lock.cause());

    const StorageValue<QByteArray> temp = readSmallFile(folder.tempRecord(), kMaxRecordBytes);
    const StorageValue<ReadingRecord> held = temp ? parseRecord(*temp) : StorageValue<ReadingRecord>(temp.result());
    QByteArray content;
    if (onScreen) {
        // The reading on screen is what is filed. When its record could not be written at the cast (a full
        // disk) or is damaged, it is written again first, with the moment of this save. A record of another
        // reading (put there by another process) is left alone and the save refused.
        const ReadingRecord shown = tempRecordOf(*onScreen, clock);
        if (held && !isSameReading(*held, shown))
            return Result::failure(
                QStringLiteral("There is no reading to save: the temporary record %1 holds another reading than "
                               "the one on screen. Cast again to save a reading.")
                    .arg(folder.tempRecord()));
        content = held ? *temp : serializeRecord(shown);
    } else {
        if (!temp)
            return Result::failure(QStringLiteral("There is no reading to save. %1").arg(temp.error()), temp.cause());
        if (!held)
            return Result::failure(QStringLiteral("There is no reading to save. The temporary record %1 is damaged: %2")
                                       .arg(folder.tempRecord(), held.error()));
        content = *temp;
    }
    const StorageValue<QString> targetFolder = filingFolder(folder, target);
    if (!targetFolder)
        return targetFolder;
    if (!content.isEmpty() && !content.endsWith('\n'))
        content += "\r\n";
    content += appendDescriptionLine(description.trimmed()).toUtf8();
    if (content.size() > kMaxRecordBytes)
        return Result::failure(QStringLiteral(
            "The reading could not be saved: with its description it would be too large to open again."));

    // Each stamp is claimed with the whole saved reading in one step, so saves at the same moment, in this
    // process or another, each get a name of their own and never replace one another.
    QString savedPath;
    for (int attempt = 0; attempt < kStampAttempts && savedPath.isEmpty(); ++attempt) {
        const QString candidate = *targetFolder + QLatin1Char('/') + readingStamp(moment.addSecs(attempt));
        const StorageValue<NewFile> created = createNewFile(candidate, content);
        if (!created)
            return Result::failure(QStringLiteral("The reading could not be saved. %1").arg(created.error()),
                                   created.cause());
        if (*created == NewFile::Created)
            savedPath = candidate;
    }
    if (savedPath.isEmpty())
        return Result::failure(
            QStringLiteral("The reading could not be saved: every name for the next %1 seconds is taken in %2.")
                .arg(kStampAttempts)
                .arg(*targetFolder));

    if (const StorageResult updated = writeWholeFile(folder.tempRecord(), content); !updated) {
        QFile::remove(savedPath);
        return Result::failure(QStringLiteral("The reading could not be saved. %1").arg(updated.error()),
                               updated.cause());
    }
    return savedPath;
}

bool isOwnFileOfReadingFolder(const QString& name, const QString& profileOrMisc)
{
    static const QRegularExpression stamp(QStringLiteral("^[0-9]{14}$"));
    return stamp.match(name).hasMatch() || name.compare(profileOrMisc.trimmed(), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("temp"), Qt::CaseInsensitive) == 0;
}

StorageValue<EntryName> readingFolderName(const QString& profileOrMisc)
{
    const QString name = profileOrMisc.trimmed();
    if (name.compare(QLatin1String("misc"), Qt::CaseInsensitive) == 0)
        return EntryName::check(QStringLiteral("misc"));
    return EntryName::check(name);
}

StorageValue<QList<SavedReadingEntry>> listSavedReadings(const AppFolder& folder, const QString& profileOrMisc)
{
    using Result = StorageValue<QList<SavedReadingEntry>>;
    const StorageValue<EntryName> folderName = readingFolderName(profileOrMisc);
    if (!folderName)
        return Result::failure(QStringLiteral("The readings of \"%1\" cannot be listed: %2")
                                   .arg(profileOrMisc.trimmed(), folderName.error()));
    const QString path = folder.entry(*folderName);
    const QDir dir(path);
    if (resolvedKindAt(path) != EntryKind::Folder)
        return Result::failure(QStringLiteral("The folder %1 does not exist.").arg(path));
    if (const std::optional<QString> reason = unreadableFolderReason(path))
        return Result::failure(
            QStringLiteral("The readings of \"%1\" cannot be listed: the folder %2 cannot be read (%3).")
                .arg(profileOrMisc.trimmed(), path, *reason),
            StorageCause::NoPermission);

    const QString profile = profileOrMisc.trimmed();
    const QStringList names = dir.entryList(QDir::Files | QDir::System, QDir::Name | QDir::IgnoreCase);
    QList<SavedReadingEntry> entries;
    entries.reserve(names.size());
    for (const QString& name : names) {
        if (name.compare(profile, Qt::CaseInsensitive) == 0)
            continue;
        // Links that lead nowhere, FIFOs and devices are no readings; nor is what a killed save left behind.
        if (resolvedKindAt(dir.filePath(name)) != EntryKind::File)
            continue;
        if (const std::optional<QString> written = writtenNameOfLeftover(name);
            written && isOwnFileOfReadingFolder(*written, profile))
            continue;
        SavedReadingEntry entry;
        entry.fileName = name;
        entry.fileEntry = name;
        const std::optional<QByteArray> bytes = readFileAtMost(dir.filePath(name), kMaxRecordBytes);
        if (bytes && bytes->size() <= kMaxRecordBytes && !bytes->contains('\0')) {
            for (const RecordItem& item : splitRecordItems(decodeFileText(*bytes))) {
                if (item.key == RecordKey::YourDate) {
                    entry.displayLine += item.value;
                } else if (item.key == RecordKey::YourTime) {
                    entry.displayLine += kFiveBlanks + item.value;
                } else if (item.key == RecordKey::Desc) {
                    entry.displayLine += kFiveBlanks + item.value;
                    entry.fileEntry += kFiveBlanks + item.value;
                }
            }
        }
        entries.append(std::move(entry));
    }
    return entries;
}

StorageValue<ReadingRecord> openSavedReading(const AppFolder& folder, const QString& profileOrMisc,
                                             const QString& fileName)
{
    using Result = StorageValue<ReadingRecord>;
    if (profileOrMisc.trimmed().isEmpty())
        return Result::failure(QStringLiteral("Please select profile."));
    if (fileName.isEmpty())
        return Result::failure(QStringLiteral("Please select file to be read."));
    const StorageValue<EntryName> folderName = readingFolderName(profileOrMisc);
    if (!folderName)
        return Result::failure(QStringLiteral("The reading cannot be opened: %1").arg(folderName.error()));
    const StorageValue<EntryName> file = EntryName::check(fileName);
    if (!file)
        return Result::failure(QStringLiteral("The reading cannot be opened: %1").arg(file.error()));
    return readRecordFile(folder.entry(*folderName, *file));
}

} // namespace quillmere
