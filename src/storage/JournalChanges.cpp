#include "storage/JournalChanges.h"

#include "storage/RecordFormat.h"
#include "storage/StoreLines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace quillmere {

namespace {

// How many later names are tried when a reading's own name is taken where it goes.
constexpr int kNameAttempts = 60;
const QString kMisc = QStringLiteral("misc");
const QString kOrigin = QStringLiteral("origin");
const QString kItem = QStringLiteral("item");

QString samePath(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

// The names a reading may take in a folder, its own first.
QStringList candidateNames(const QString& fileName)
{
    QStringList names{fileName};
    const QDateTime stamp = fileName.size() == 14
            && std::all_of(fileName.cbegin(), fileName.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; })
        ? QDateTime::fromString(fileName, QStringLiteral("MMddyyyyHHmmss"))
        : QDateTime();
    for (int step = 1; step < kNameAttempts; ++step)
        names.append(stamp.isValid() ? readingStamp(stamp.addSecs(step))
                                     : QStringLiteral("%1-%2").arg(fileName).arg(step + 1));
    return names;
}

// Renames the file source into folderPath under the first free candidate name (never the details file's name).
// Returns the new path.
StorageValue<QString> renameIntoFolder(const QString& source, const QString& folderPath, const QString& fileName,
                                       const QString& profile)
{
    for (const QString& name : candidateNames(fileName)) {
        if (!profile.isEmpty() && name.compare(profile, Qt::CaseInsensitive) == 0)
            continue;
        const QString target = folderPath + QLatin1Char('/') + name;
        if (QFileInfo::exists(target) || QFileInfo(target).isSymLink())
            continue;
        if (QFile::rename(source, target))
            return target;
        if (!QFileInfo::exists(source))
            break;
    }
    return StorageValue<QString>::failure(
        QStringLiteral("The reading could not be put into %1: no free name, or the folder cannot be written.")
            .arg(folderPath));
}

// The stored spelling of a profile the store must have.
StorageValue<QString> storedProfileName(const StoreLines& store, const QString& profile)
{
    if (const std::optional<QString> found = store.find(profile))
        return *found;
    return StorageValue<QString>::failure(QStringLiteral("There is no profile named \"%1\".").arg(profile));
}

// The store, with the stored spelling of a profile it must have.
struct StoredProfile
{
    StoreLines store;
    QString name;
};

StorageValue<StoredProfile> readStoredProfile(const AppFolder& folder, const QString& profile)
{
    StorageValue<StoreLines> store = StoreLines::read(folder);
    if (!store)
        return store.result();
    const StorageValue<QString> name = storedProfileName(*store, profile);
    if (!name)
        return name.result();
    return StoredProfile{std::move(store).value(), *name};
}

// The folder readings of a target go into, "misc" created when missing.
StorageValue<QString> targetFolder(const AppFolder& folder, const StoreLines& store, const QString& profile)
{
    if (profile.isEmpty()) {
        if (!QFileInfo(folder.miscFolder()).isDir() && !QDir(folder.root()).mkdir(kMisc))
            return StorageValue<QString>::failure(
                QStringLiteral("The folder %1 could not be created.").arg(folder.miscFolder()));
        return folder.miscFolder();
    }
    const StorageValue<QString> found = storedProfileName(store, profile);
    if (!found)
        return found;
    const StorageValue<EntryName> name = EntryName::check(*found);
    if (!name || !QFileInfo(folder.profileFolder(*name)).isDir())
        return StorageValue<QString>::failure(
            QStringLiteral("The folder of the profile \"%1\" does not exist.").arg(*found));
    return folder.profileFolder(*name);
}

// The trash folder, refused while an old profile of that name holds it.
StorageValue<QString> trashFolder(const AppFolder& folder, const StoreLines& store, bool create)
{
    const QString trash = folder.trashFolder();
    if (const std::optional<QString> holder = store.clash(QStringLiteral("trash")))
        return StorageValue<QString>::failure(
            QStringLiteral("The profile \"%1\" has the folder the trash needs. Please rename that profile first.")
                .arg(*holder));
    const QFileInfo info(trash);
    if (info.exists() && (!info.isDir() || info.isSymLink()))
        return StorageValue<QString>::failure(QStringLiteral("%1 is in the way of the trash folder.").arg(trash));
    if (!info.exists() && create && !QDir(folder.root()).mkdir(QStringLiteral("trash")))
        return StorageValue<QString>::failure(QStringLiteral("The trash folder %1 could not be created.").arg(trash));
    return trash;
}

// The same, read with the store.
StorageValue<QString> readTrashFolder(const AppFolder& folder, bool create)
{
    const StorageValue<StoreLines> store = StoreLines::read(folder);
    if (!store)
        return store.result();
    return trashFolder(folder, *store, create);
}

QByteArray originText(const TrashEntry& entry)
{
    QByteArray text = "kind=";
    text += entry.kind == TrashEntry::Kind::Profile ? "profile" : "reading";
    text += "\n";
    if (!entry.profile.isEmpty())
        text += "profile=" + entry.profile.toUtf8() + "\n";
    if (!entry.fileName.isEmpty())
        text += "name=" + entry.fileName.toUtf8() + "\n";
    text += "deleted=" + entry.deleted.toString(Qt::ISODate).toUtf8() + "\n";
    return text;
}

std::optional<TrashEntry> readOrigin(const QString& trash, const QString& id)
{
    const QString entryPath = trash + QLatin1Char('/') + id;
    const StorageValue<QByteArray> bytes = readSmallFile(entryPath + QLatin1Char('/') + kOrigin, 64 * 1024);
    if (!bytes)
        return std::nullopt;
    TrashEntry entry;
    entry.id = id;
    entry.itemPath = entryPath + QLatin1Char('/') + kItem;
    bool kindKnown = false;
    for (const QByteArray& line : bytes->split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals < 0)
            continue;
        const QByteArray key = line.first(equals);
        const QString value = QString::fromUtf8(line.sliced(equals + 1));
        if (key == "kind") {
            kindKnown = value == QLatin1String("reading") || value == QLatin1String("profile");
            entry.kind = value == QLatin1String("profile") ? TrashEntry::Kind::Profile : TrashEntry::Kind::Reading;
        } else if (key == "profile") {
            entry.profile = value;
        } else if (key == "name") {
            entry.fileName = value;
        } else if (key == "deleted") {
            entry.deleted = QDateTime::fromString(value, Qt::ISODate);
        }
    }
    if (!kindKnown || (entry.kind == TrashEntry::Kind::Profile && entry.profile.isEmpty())
        || (entry.kind == TrashEntry::Kind::Reading && !EntryName::check(entry.fileName)))
        return std::nullopt;
    return entry;
}

// A new entry folder in the trash with its origin file written; removed again when the origin cannot be written.
StorageValue<QString> newTrashEntry(const QString& trash, TrashEntry& entry)
{
    const QString base = entry.deleted.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QDir dir(trash);
    for (int n = 1; n <= 1000; ++n) {
        const QString id = n == 1 ? base : QStringLiteral("%1-%2").arg(base).arg(n);
        if (QFileInfo::exists(dir.filePath(id)) || !dir.mkdir(id))
            continue;
        entry.id = id;
        entry.itemPath = dir.filePath(id) + QLatin1Char('/') + kItem;
        if (const StorageResult written
            = writeWholeFile(dir.filePath(id) + QLatin1Char('/') + kOrigin, originText(entry));
            !written) {
            QDir(dir.filePath(id)).removeRecursively();
            return StorageValue<QString>::failure(
                QStringLiteral("The trash could not take the deletion. %1").arg(written.error()));
        }
        return dir.filePath(id);
    }
    return StorageValue<QString>::failure(QStringLiteral("The trash folder %1 cannot be written.").arg(trash));
}

bool renameEntry(const QString& from, const QString& to)
{
    return QDir().rename(from, to);
}

} // namespace

StorageValue<ReadingLocation> locateReading(const AppFolder& folder, const QString& path)
{
    using Result = StorageValue<ReadingLocation>;
    const QString given = QDir::isRelativePath(path) ? folder.path(path) : path;
    const QFileInfo info(QDir::cleanPath(given));
    const QString fileName = info.fileName();
    const QFileInfo parent(info.absolutePath());
    const QString notAReading
        = QStringLiteral("%1 is not a saved reading of the application folder %2.").arg(path, folder.root());
    if (samePath(parent.absolutePath()) != samePath(folder.root()))
        return Result::failure(notAReading);
    const StorageValue<StoreLines> store = StoreLines::read(folder);
    if (!store)
        return store.result();
    ReadingLocation location;
    if (parent.fileName() != kMisc) {
        const std::optional<QString> profile = store->find(parent.fileName());
        if (!profile || *profile != parent.fileName() || fileName.compare(*profile, Qt::CaseInsensitive) == 0)
            return Result::failure(notAReading);
        location.profile = *profile;
    }
    const StorageValue<EntryName> folderName = EntryName::check(parent.fileName());
    const StorageValue<EntryName> file = EntryName::check(fileName);
    if (!folderName || !file)
        return Result::failure(notAReading);
    location.fileName = fileName;
    location.path = folder.entry(*folderName, *file);
    const QFileInfo target(location.path);
    if (!target.exists())
        return Result::failure(QStringLiteral("The file %1 does not exist.").arg(path));
    if (!target.isFile())
        return Result::failure(QStringLiteral("%1 is not a file.").arg(path));
    return location;
}

StorageValue<QString> moveReading(const AppFolder& folder, const ReadingLocation& reading, const FilingTarget& target)
{
    const StorageValue<StoreLines> store = StoreLines::read(folder);
    if (!store)
        return store.result();
    const QString profile = target.isMiscellaneous()
        ? QString()
        : store->find(target.profileName()).value_or(target.profileName().trimmed());
    if (profile == reading.profile)
        return StorageValue<QString>::failure(
            profile.isEmpty() ? QStringLiteral("The reading is already under Miscellaneous.")
                              : QStringLiteral("The reading is already under the profile \"%1\".").arg(profile));
    const StorageValue<QString> into = targetFolder(folder, *store, profile);
    if (!into)
        return into;
    return renameIntoFolder(reading.path, *into, reading.fileName, profile);
}

StorageResult renameProfile(const AppFolder& folder, const QString& profile, const QString& newName)
{
    StorageValue<StoredProfile> stored = readStoredProfile(folder, profile);
    if (!stored)
        return stored.result();
    StoreLines& store = stored.value().store;
    const QString& old = stored->name;
    const QString name = newName.trimmed();
    if (name.isEmpty())
        return StorageResult::failure(QStringLiteral("Please enter profile name."));
    if (name == old)
        return StorageResult::success();
    if (const std::optional<QString> clash = store.clash(name, old))
        return StorageResult::failure(profileExistsMessage(*clash));
    if (const std::optional<QString> reason = ProfileStore::unsafeNameReason(name))
        return StorageResult::failure(*reason);

    const StorageValue<EntryName> oldEntry = EntryName::check(old);
    const StorageValue<EntryName> newEntry = EntryName::check(name);
    if (!oldEntry || !newEntry)
        return StorageResult::failure(!oldEntry ? oldEntry.error() : newEntry.error());
    const QString oldFolder = folder.profileFolder(*oldEntry);
    const QString newFolder = folder.profileFolder(*newEntry);
    const bool hasFolder = QFileInfo(oldFolder).isDir();
    const bool caseOnly = name.compare(old, Qt::CaseInsensitive) == 0;
    if (QFileInfo::exists(newFolder) && !(caseOnly && samePath(newFolder) == samePath(oldFolder)))
        return StorageResult::failure(
            QStringLiteral("%1 is in the way: the application folder already holds an entry of that name.")
                .arg(newFolder));

    // 1. The folder.
    if (hasFolder && !renameEntry(oldFolder, newFolder))
        return StorageResult::failure(QStringLiteral("The folder %1 could not be renamed.").arg(oldFolder));
    const auto undoFolder = [&] {
        if (hasFolder)
            renameEntry(newFolder, oldFolder);
    };
    // 2. The details file inside it.
    const QString oldDetails = newFolder + QLatin1Char('/') + old;
    const QString newDetails = newFolder + QLatin1Char('/') + name;
    const bool hasDetails = hasFolder && QFileInfo(oldDetails).isFile();
    if (hasDetails) {
        if ((QFileInfo::exists(newDetails) && !caseOnly) || !renameEntry(oldDetails, newDetails)) {
            undoFolder();
            return StorageResult::failure(
                QStringLiteral("The details file of the profile could not be renamed: %1 is in the way.")
                    .arg(newDetails));
        }
    }
    // 3. The store line.
    store.rename(old, name);
    if (const StorageResult written = store.write(folder); !written) {
        if (hasDetails)
            renameEntry(newDetails, oldDetails);
        undoFolder();
        return StorageResult::failure(
            QStringLiteral("The profile could not be renamed; nothing was changed. %1").arg(written.error()));
    }
    return StorageResult::success();
}

StorageResult editProfile(const AppFolder& folder, const QString& profile, const ProfileDetails& details)
{
    const StorageValue<StoredProfile> stored = readStoredProfile(folder, profile);
    if (!stored)
        return stored.result();
    const QString& found = stored->name;
    if (details.personName.isEmpty())
        return StorageResult::failure(QStringLiteral("Please enter your name."));
    const StorageValue<EntryName> name = EntryName::check(found);
    if (!name || !QFileInfo(folder.profileFolder(*name)).isDir())
        return StorageResult::failure(QStringLiteral("The folder of the profile \"%1\" does not exist.").arg(found));
    const QString line = quoteRecordValue(details.personName) + QLatin1Char(',') + quoteRecordValue(details.month)
        + QLatin1Char(',') + quoteRecordValue(details.day) + QLatin1Char(',') + quoteRecordValue(details.year)
        + QStringLiteral("\r\n");
    return writeWholeFile(folder.profileDetailsFile(*name), line.toUtf8());
}

StorageValue<TrashEntry> trashReading(const AppFolder& folder, const ReadingLocation& reading, const QDateTime& now)
{
    using Result = StorageValue<TrashEntry>;
    const StorageValue<QString> trash = readTrashFolder(folder, true);
    if (!trash)
        return trash.result();
    TrashEntry entry;
    entry.kind = TrashEntry::Kind::Reading;
    entry.profile = reading.profile;
    entry.fileName = reading.fileName;
    entry.deleted = now;
    const StorageValue<QString> entryPath = newTrashEntry(*trash, entry);
    if (!entryPath)
        return entryPath.result();
    if (!QFile::rename(reading.path, entry.itemPath)) {
        QDir(*entryPath).removeRecursively();
        return Result::failure(QStringLiteral("The reading %1 could not be moved to the trash.").arg(reading.path));
    }
    return entry;
}

StorageValue<TrashEntry> trashProfile(const AppFolder& folder, const QString& profile, const QDateTime& now)
{
    using Result = StorageValue<TrashEntry>;
    StorageValue<StoredProfile> stored = readStoredProfile(folder, profile);
    if (!stored)
        return stored.result();
    StoreLines& store = stored.value().store;
    const QString& found = stored->name;
    const StorageValue<QString> trash = trashFolder(folder, store, true);
    if (!trash)
        return trash.result();
    const StorageValue<EntryName> name = EntryName::check(found);
    const QString profileFolder = name ? folder.profileFolder(*name) : QString();
    const bool hasFolder = name && QFileInfo(profileFolder).isDir();

    TrashEntry entry;
    entry.kind = TrashEntry::Kind::Profile;
    entry.profile = found;
    entry.deleted = now;
    const StorageValue<QString> entryPath = newTrashEntry(*trash, entry);
    if (!entryPath)
        return entryPath.result();
    if (hasFolder && !renameEntry(profileFolder, entry.itemPath)) {
        QDir(*entryPath).removeRecursively();
        return Result::failure(QStringLiteral("The folder %1 could not be moved to the trash.").arg(profileFolder));
    }
    store.remove(found);
    if (const StorageResult written = store.write(folder); !written) {
        if (hasFolder)
            renameEntry(entry.itemPath, profileFolder);
        QDir(*entryPath).removeRecursively();
        return Result::failure(
            QStringLiteral("The profile could not be deleted; nothing was changed. %1").arg(written.error()));
    }
    return entry;
}

StorageValue<QList<TrashEntry>> listTrash(const AppFolder& folder)
{
    const StorageValue<QString> trash = readTrashFolder(folder, false);
    if (!trash)
        return trash.result();
    QList<TrashEntry> entries;
    const QStringList ids = QDir(*trash).entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& id : ids) {
        if (std::optional<TrashEntry> entry = readOrigin(*trash, id))
            entries.append(*std::move(entry));
    }
    std::sort(entries.begin(), entries.end(), [](const TrashEntry& a, const TrashEntry& b) {
        return a.deleted != b.deleted ? a.deleted > b.deleted : a.id > b.id;
    });
    return entries;
}

StorageValue<QString> restoreFromTrash(const AppFolder& folder, const QString& id)
{
    using Result = StorageValue<QString>;
    StorageValue<StoreLines> store = StoreLines::read(folder);
    if (!store)
        return store.result();
    const StorageValue<QString> trash = trashFolder(folder, *store, false);
    if (!trash)
        return trash;
    const StorageValue<EntryName> idName = EntryName::check(id);
    const std::optional<TrashEntry> entry = idName ? readOrigin(*trash, id) : std::nullopt;
    if (!entry)
        return Result::failure(QStringLiteral("There is no entry \"%1\" in the trash.").arg(id));
    const QString entryPath = *trash + QLatin1Char('/') + id;

    if (entry->kind == TrashEntry::Kind::Reading) {
        if (!QFileInfo(entry->itemPath).isFile())
            return Result::failure(QStringLiteral("The entry \"%1\" of the trash holds no reading.").arg(id));
        if (!entry->profile.isEmpty() && !store->find(entry->profile))
            return Result::failure(QStringLiteral("The profile \"%1\" of this reading no longer exists. Restore the "
                                                  "profile first, or create it again.")
                                       .arg(entry->profile));
        const StorageValue<QString> into = targetFolder(folder, *store, entry->profile);
        if (!into)
            return into;
        const StorageValue<QString> restored = renameIntoFolder(entry->itemPath, *into, entry->fileName,
                                                                store->find(entry->profile).value_or(QString()));
        if (restored)
            QDir(entryPath).removeRecursively();
        return restored;
    }

    if (const std::optional<QString> clash = store->clash(entry->profile))
        return Result::failure(profileExistsMessage(*clash));
    const StorageValue<EntryName> name = EntryName::check(entry->profile);
    if (!name)
        return name.result();
    const QString profileFolder = folder.profileFolder(*name);
    if (QFileInfo::exists(profileFolder) || QFileInfo(profileFolder).isSymLink())
        return Result::failure(
            QStringLiteral("%1 is in the way: the application folder already holds an entry of that name.")
                .arg(profileFolder));
    const bool hasFolder = QFileInfo(entry->itemPath).isDir();
    if (hasFolder && !renameEntry(entry->itemPath, profileFolder))
        return Result::failure(
            QStringLiteral("The folder of the profile could not be put back to %1.").arg(profileFolder));
    store.value().append(entry->profile);
    if (const StorageResult written = store->write(folder); !written) {
        if (hasFolder)
            renameEntry(profileFolder, entry->itemPath);
        return Result::failure(
            QStringLiteral("The profile could not be restored; it stays in the trash. %1").arg(written.error()));
    }
    QDir(entryPath).removeRecursively();
    return profileFolder;
}

StorageResult emptyTrash(const AppFolder& folder)
{
    const StorageValue<QString> trash = readTrashFolder(folder, false);
    if (!trash)
        return trash.result();
    QDir dir(*trash);
    if (!dir.exists())
        return StorageResult::success();
    QStringList left;
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const bool removed = info.isDir() && !info.isSymLink() ? QDir(info.filePath()).removeRecursively()
                                                               : QFile::remove(info.filePath());
        if (!removed)
            left.append(info.fileName());
    }
    if (!left.isEmpty())
        return StorageResult::failure(
            QStringLiteral("Some of the trash could not be removed: %1").arg(left.join(QStringLiteral(", "))));
    return StorageResult::success();
}

} // namespace quillmere
