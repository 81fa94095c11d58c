#include "storage/FolderImport.h"

#include "storage/FileAccess.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"
#include "storage/RecordFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace quillmere {

namespace {

// How many seconds after a reading's own stamp are tried when stamps are taken.
constexpr int kStampAttempts = 3600;

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// The moment a saved reading's name stands for: its leading stamp (a sync tool's conflict copy keeps the
// original name in front), else the file's modification time.
QDateTime stampMomentOf(const QFileInfo& file)
{
    static const QRegularExpression leadingStamp(QStringLiteral("^(\\d{14})"));
    const QRegularExpressionMatch match = leadingStamp.match(file.fileName());
    if (match.hasMatch()) {
        const QDateTime moment = QDateTime::fromString(match.captured(1), QStringLiteral("MMddyyyyHHmmss"));
        if (moment.isValid())
            return moment;
    }
    return file.lastModified();
}

bool sameBytes(const QString& path, const QByteArray& bytes)
{
    const std::optional<QByteArray> existing = readFileAtMost(path, bytes.size());
    return existing && *existing == bytes;
}

// Copies the saved readings of one folder into another; a failed write stops it and is returned.
class ReadingCopier
{
public:
    ReadingCopier(ImportSummary& summary)
        : m_summary(summary)
    { }

    // detailsName: the profile's details file, which is no reading; empty for misc.
    StorageResult copyFolder(const QString& from, const QString& to, const QString& detailsName)
    {
        const QFileInfoList entries = QDir(from).entryInfoList(
            QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
        for (const QFileInfo& entry : entries) {
            const QString name = entry.fileName();
            // Hidden entries and sub-folders are a sync tool's or a file manager's own; the details file and a
            // filing's leftover "temp" are no readings.
            if (name.startsWith(QLatin1Char('.')) || (entry.isDir() && !entry.isSymLink())
                || name.compare(detailsName, Qt::CaseInsensitive) == 0 || name == QLatin1String("temp"))
                continue;
            if (const StorageResult copied = copyReading(entry, to); !copied)
                return copied;
        }
        return StorageResult::success();
    }

private:
    // A file that is not copied is named in the summary; the import goes on.
    StorageResult skip(const QFileInfo& entry, const QString& why)
    {
        m_summary.problems.append(QStringLiteral("%1 was not copied: %2").arg(shown(entry.filePath()), why));
        return StorageResult::success();
    }

    StorageResult copyReading(const QFileInfo& entry, const QString& to)
    {
        if (entry.isSymLink())
            return skip(entry, QStringLiteral("it is a link, not a saved reading."));
        if (!entry.isFile())
            return skip(entry, QStringLiteral("it is not a file."));
        const StorageValue<QByteArray> bytes = readSmallFile(entry.filePath(), kMaxRecordBytes);
        if (!bytes)
            return skip(entry, bytes.error());
        if (const StorageValue<ReadingRecord> record = parseRecord(*bytes); !record)
            return skip(entry, record.error());

        const QDateTime moment = stampMomentOf(entry);
        for (int attempt = 0; attempt < kStampAttempts; ++attempt) {
            const QString stamp = readingStamp(moment.addSecs(attempt));
            const QString path = to + QLatin1Char('/') + stamp;
            // The name is claimed together with the whole copy, so a reading saved meanwhile is never replaced.
            const StorageValue<NewFile> created = createNewFile(path, *bytes);
            if (!created)
                return created.result();
            if (*created == NewFile::NameTaken) {
                if (sameBytes(path, *bytes)) {
                    ++m_summary.readingsAlreadyThere;
                    return StorageResult::success();
                }
                continue;
            }
            ++m_summary.readingsCopied;
            if (stamp != entry.fileName())
                ++m_summary.readingsRestamped;
            return StorageResult::success();
        }
        return skip(entry, QStringLiteral("every name for the %1 seconds after its own is taken.").arg(kStampAttempts));
    }

    ImportSummary& m_summary;
};

// A profile's name in a list, compared as the store compares names.
std::optional<QString> findName(const QStringList& names, const QString& name)
{
    for (const QString& candidate : names) {
        if (candidate.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return candidate.trimmed();
    }
    return std::nullopt;
}

} // namespace

QString ImportSummary::text() const
{
    QStringList lines;
    if (!profilesCreated.isEmpty())
        lines << QStringLiteral("Profiles added: %1.").arg(profilesCreated.join(QStringLiteral(", ")));
    if (!profilesMerged.isEmpty())
        lines << QStringLiteral("Profiles merged into the ones of the same name: %1.")
                     .arg(profilesMerged.join(QStringLiteral(", ")));
    if (!profilesSkipped.isEmpty())
        lines << QStringLiteral("Profiles skipped: %1.").arg(profilesSkipped.join(QStringLiteral(", ")));
    if (readingsCopied > 0 && readingsRestamped > 0)
        lines << QStringLiteral("Readings copied: %1 (%2 under the next free time stamp, because theirs was taken).")
                     .arg(readingsCopied)
                     .arg(readingsRestamped);
    else
        lines << QStringLiteral("Readings copied: %1.").arg(readingsCopied);
    if (readingsAlreadyThere > 0)
        lines << QStringLiteral("Readings that were already here: %1.").arg(readingsAlreadyThere);
    if (!problems.isEmpty()) {
        lines << QStringLiteral("Not copied:");
        lines += problems;
    }
    if (!stoppedBy.isEmpty())
        lines << QStringLiteral("The import stopped before the end: %1 Everything listed above was copied; nothing "
                                "that was here before has changed.")
                     .arg(stoppedBy);
    return lines.join(QLatin1Char('\n'));
}

StorageResult FolderImport::checkSource(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return StorageResult::failure(QStringLiteral("The folder %1 does not exist.").arg(shown(folder)));
    if (!QFileInfo(AppFolder(folder).profileStore()).isFile())
        return StorageResult::failure(
            QStringLiteral("The folder %1 holds no Quillmere readings: it has no profile store vt.dll.")
                .arg(shown(folder)));
    return StorageResult::success();
}

StorageValue<ImportSummary> FolderImport::run(const ClashDecision& onClash) const
{
    using Result = StorageValue<ImportSummary>;
    if (const StorageResult source = checkSource(m_source.root()); !source)
        return Result::failure(source.error());
    if (QFileInfo(m_source.root()).canonicalFilePath() == QFileInfo(m_target.root()).canonicalFilePath())
        return Result::failure(QStringLiteral("The folder %1 is the one Quillmere keeps your readings in already.")
                                   .arg(shown(m_source.root())));
    const StorageValue<QStringList> sourceNames = ProfileStore(m_source).list();
    if (!sourceNames)
        return Result::failure(sourceNames.error());
    const ProfileStore targetStore(m_target);
    const StorageValue<QStringList> targetNames = targetStore.list();
    if (!targetNames)
        return Result::failure(targetNames.error());

    ImportSummary summary;
    ReadingCopier copier(summary);
    QStringList done;
    for (const QString& line : *sourceNames) {
        const QString name = line.trimmed();
        if (findName(done, name))
            continue;
        done.append(name);
        const StorageValue<EntryName> entry = EntryName::check(name);
        if (!entry) {
            summary.problems.append(QStringLiteral("The profile \"%1\" was not copied: %2").arg(name, entry.error()));
            continue;
        }
        QString targetName;
        if (const std::optional<QString> existing = findName(*targetNames, name)) {
            if (onClash(*existing) == NameClash::Skip) {
                summary.profilesSkipped.append(*existing);
                continue;
            }
            targetName = *existing;
            summary.profilesMerged.append(*existing);
        } else {
            StorageValue<ProfileDetails> details = ProfileStore(m_source).details(name);
            ProfileDetails kept = details ? *details : ProfileDetails{};
            if (kept.personName.isEmpty()) {
                kept.personName = name;
                summary.problems.append(QStringLiteral("The details of the profile \"%1\" could not be read; it was "
                                                       "added with its name only.")
                                            .arg(name));
            }
            const ProfileCreation created = targetStore.create(NewProfile{name, kept});
            if (!created.ok()) {
                if (created.refusal == ProfileRefusal::WriteFailed) {
                    summary.stoppedBy = created.error;
                    return summary;
                }
                summary.problems.append(
                    QStringLiteral("The profile \"%1\" was not copied: %2").arg(name, created.error));
                continue;
            }
            targetName = created.profileName;
            summary.profilesCreated.append(targetName);
        }
        const QString from = m_source.profileFolder(*entry);
        if (!QFileInfo(from).isDir())
            continue;
        const QString to = m_target.profileFolder(*EntryName::check(targetName));
        if (!QFileInfo(to).isDir()) {
            summary.problems.append(
                QStringLiteral("The readings of \"%1\" were not copied: the profile has no folder here (%2).")
                    .arg(targetName, shown(to)));
            continue;
        }
        if (const StorageResult copied = copier.copyFolder(from, to, name); !copied) {
            summary.stoppedBy = copied.error();
            return summary;
        }
    }

    if (QFileInfo(m_source.miscFolder()).isDir()) {
        const QString misc = m_target.miscFolder();
        if (!QFileInfo(misc).isDir() && !QDir(m_target.root()).mkdir(QStringLiteral("misc"))) {
            summary.stoppedBy = QStringLiteral("The folder %1 could not be created.").arg(shown(misc));
            return summary;
        }
        if (const StorageResult copied = copier.copyFolder(m_source.miscFolder(), misc, QString()); !copied)
            summary.stoppedBy = copied.error();
    }
    return summary;
}

} // namespace quillmere
