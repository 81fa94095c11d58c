#include "storage/FolderLock.h"

#include "storage/FileAccess.h"

namespace quillmere {

namespace {

// Long enough for any other process's change of a small file; short enough that a user is not kept waiting.
constexpr int kWaitMs = 10000;

} // namespace

FolderLock::FolderLock(const QString& path)
    : m_lock(path)
{ }

FolderLock::~FolderLock() = default;

QString FolderLock::lockFilePath(const AppFolder& folder)
{
    return folder.path(QStringLiteral(".quillmere-change.lock"));
}

StorageValue<std::shared_ptr<FolderLock>> FolderLock::acquire(const AppFolder& folder)
{
    using Result = StorageValue<std::shared_ptr<FolderLock>>;
    const QString path = lockFilePath(folder);
    // The lock's own file is read to see whether its owner still runs: it must be a plain file.
    if (const EntryKind kind = entryKindAt(path); kind != EntryKind::Missing && kind != EntryKind::File)
        return Result::failure(
            QStringLiteral("The application folder %1 could not be locked for the change: %2 is not a file.")
                .arg(folder.root(), path),
            StorageCause::NotAFile);
    auto lock = std::make_shared<FolderLock>(path);
    if (lock->m_lock.tryLock(kWaitMs))
        return lock;
    switch (lock->m_lock.error()) {
    case QLockFile::LockFailedError:
        return Result::failure(
            QStringLiteral("The application folder %1 is being changed by another program that does not finish; "
                           "try again later.")
                .arg(folder.root()));
    case QLockFile::PermissionError:
        return Result::failure(
            QStringLiteral("The application folder %1 cannot be written: permission denied.").arg(folder.root()),
            StorageCause::NoPermission);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return Result::failure(
        QStringLiteral("The application folder %1 could not be locked for the change (is the disk full, or the "
                       "folder missing?).")
            .arg(folder.root()),
        StorageCause::NoSpace);
}

} // namespace quillmere
