#include "storage/FileAccess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {

namespace {

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

StorageCause causeOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return StorageCause::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
        return StorageCause::NoPermission;
    default:
        return StorageCause::Other;
    }
}

StorageResult writeFailure(const QString& path, const QString& reason, int error)
{
    return StorageResult::failure(QStringLiteral("Could not write %1: %2").arg(path, reason), causeOf(error));
}

EntryKind kindOf(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return EntryKind::File;
    if (S_ISDIR(info.st_mode))
        return EntryKind::Folder;
    if (S_ISLNK(info.st_mode))
        return EntryKind::Link;
    return EntryKind::Special;
}

// Why nothing may be written at path; nothing when a file may be written (or replaced) there.
std::optional<StorageResult> refusedWriteTarget(const QString& path)
{
    switch (entryKindAt(path)) {
    case EntryKind::Missing:
    case EntryKind::File:
        return std::nullopt;
    case EntryKind::Link:
        return StorageResult::failure(
            QStringLiteral("Could not write %1: it is a link to another place, and the program does not write "
                           "through links. Remove the link, then try again.")
                .arg(path),
            StorageCause::NotAFile);
    case EntryKind::Folder:
        return StorageResult::failure(QStringLiteral("Could not write %1: it is a folder, not a file.").arg(path),
                                      StorageCause::NotAFile);
    case EntryKind::Special:
        return StorageResult::failure(QStringLiteral("Could not write %1: it is not a file.").arg(path),
                                      StorageCause::NotAFile);
    }
    return std::nullopt;
}

// Errors of fsync that only say the file system keeps no such promise; the data was still written.
bool isSyncUnsupported(int error)
{
    return error == EINVAL || error == EROFS || error == ENOTSUP;
}

// Makes a rename or a link in a folder last across a power cut; a folder that cannot be synced is no failure.
void syncFolderOf(const QString& path)
{
    const int fd = ::open(nativePath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

// Writes all of bytes to fd; the errno of the failure otherwise.
std::optional<int> writeAll(int fd, const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        left -= written;
    }
    return std::nullopt;
}

// A new, empty file beside path with a name no other entry has (path, a dot, six letters or digits), opened
// for writing; its name goes to stagingPath. -1 with errno set when none could be made.
int createStagingFile(const QString& path, QString& stagingPath)
{
    static constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString suffix;
        for (int i = 0; i < 6; ++i)
            suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(kLetters.size()))]);
        stagingPath = path + QLatin1Char('.') + suffix;
        const int fd
            = ::open(nativePath(stagingPath).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Claims path with the finished staging file where the file system has no hard links: the name is created
// exclusively, then the staging file is renamed over the claim, which is this process's own.
StorageValue<NewFile> claimWithoutLink(const QString& path, const QString& stagingPath)
{
    const int claim = ::open(nativePath(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0) {
        const int error = errno;
        ::unlink(nativePath(stagingPath).constData());
        if (error == EEXIST)
            return NewFile::NameTaken;
        return writeFailure(path, systemReason(error), error);
    }
    ::close(claim);
    if (::rename(nativePath(stagingPath).constData(), nativePath(path).constData()) != 0) {
        const int error = errno;
        ::unlink(nativePath(path).constData());
        ::unlink(nativePath(stagingPath).constData());
        return writeFailure(path, systemReason(error), error);
    }
    return NewFile::Created;
}

} // namespace

EntryKind entryKindAt(const QString& path)
{
    struct stat info = {};
    if (::lstat(nativePath(path).constData(), &info) != 0)
        return EntryKind::Missing;
    return kindOf(info);
}

EntryKind resolvedKindAt(const QString& path)
{
    struct stat info = {};
    if (::stat(nativePath(path).constData(), &info) != 0)
        return EntryKind::Missing;
    return kindOf(info);
}

StorageResult writeWholeFile(const QString& path, const QByteArray& bytes)
{
    if (const std::optional<StorageResult> refused = refusedWriteTarget(path))
        return *refused;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // Unbuffered: a write that fails fails here, where it is seen, and never later inside commit().
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        const int error = errno;
        return writeFailure(path, file.errorString(), error);
    }
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError) {
        const int error = errno;
        const QString reason = file.errorString();
        file.cancelWriting();
        return writeFailure(path, reason, error);
    }
    // Some file systems only report a full disk when the data reaches it.
    if (file.handle() >= 0 && ::fsync(file.handle()) != 0 && !isSyncUnsupported(errno)) {
        const int error = errno;
        file.cancelWriting();
        return writeFailure(path, systemReason(error), error);
    }
    if (!file.commit()) {
        const int error = errno;
        return writeFailure(path, file.errorString(), error);
    }
    syncFolderOf(path);
    return StorageResult::success();
}

StorageValue<NewFile> createNewFile(const QString& path, const QByteArray& bytes)
{
    if (entryKindAt(path) != EntryKind::Missing)
        return NewFile::NameTaken;
    QString stagingPath;
    const int fd = createStagingFile(path, stagingPath);
    if (fd < 0) {
        const int error = errno;
        return writeFailure(path, systemReason(error), error);
    }
    std::optional<int> failed = writeAll(fd, bytes);
    if (!failed && ::fsync(fd) != 0 && !isSyncUnsupported(errno))
        failed = errno;
    if (::close(fd) != 0 && !failed && errno != EINTR)
        failed = errno;
    if (failed) {
        ::unlink(nativePath(stagingPath).constData());
        return writeFailure(path, systemReason(*failed), *failed);
    }

    StorageValue<NewFile> outcome = NewFile::Created;
    if (::link(nativePath(stagingPath).constData(), nativePath(path).constData()) == 0) {
        ::unlink(nativePath(stagingPath).constData());
    } else if (errno == EEXIST) {
        ::unlink(nativePath(stagingPath).constData());
        outcome = NewFile::NameTaken;
    } else if (errno == EPERM || errno == ENOTSUP || errno == ENOSYS || errno == EMLINK) {
        outcome = claimWithoutLink(path, stagingPath);
    } else {
        const int error = errno;
        ::unlink(nativePath(stagingPath).constData());
        return writeFailure(path, systemReason(error), error);
    }
    if (outcome.ok() && *outcome == NewFile::Created)
        syncFolderOf(path);
    return outcome;
}

std::optional<QByteArray> readFileAtMost(const QString& path, qsizetype maxBytes)
{
    if (resolvedKindAt(path) != EntryKind::File)
        return std::nullopt;
    // Non-blocking, so that a FIFO put in the file's place meanwhile cannot make the open wait; the type is
    // checked again on what was opened.
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    // In pieces, never more than one piece past the limit: a file that grows stops there, and a small file
    // does not reserve the whole limit.
    QByteArray bytes;
    std::array<char, 16384> piece{};
    while (bytes.size() <= maxBytes) {
        const ssize_t count = ::read(fd, piece.data(), piece.size());
        if (count < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            return std::nullopt;
        }
        if (count == 0)
            break;
        bytes.append(piece.data(), static_cast<qsizetype>(count));
    }
    ::close(fd);
    return bytes;
}

StorageValue<QByteArray> readSmallFile(const QString& path, qsizetype maxBytes)
{
    switch (resolvedKindAt(path)) {
    case EntryKind::Missing:
        if (entryKindAt(path) == EntryKind::Link)
            return StorageValue<QByteArray>::failure(
                QStringLiteral("The file %1 is a link that leads nowhere.").arg(path), StorageCause::NotAFile);
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 does not exist.").arg(path));
    case EntryKind::Folder:
        return StorageValue<QByteArray>::failure(QStringLiteral("%1 is a folder, not a file.").arg(path),
                                                 StorageCause::NotAFile);
    case EntryKind::Special:
    case EntryKind::Link:
        return StorageValue<QByteArray>::failure(QStringLiteral("%1 is not a file.").arg(path), StorageCause::NotAFile);
    case EntryKind::File:
        break;
    }
    std::optional<QByteArray> bytes = readFileAtMost(path, maxBytes);
    if (!bytes) {
        const int error = errno;
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 could not be read.").arg(path),
                                                 causeOf(error));
    }
    if (bytes->size() > maxBytes)
        return StorageValue<QByteArray>::failure(QStringLiteral("The file %1 is too large.").arg(path));
    return *std::move(bytes);
}

std::optional<QString> writtenNameOfLeftover(const QString& fileName)
{
    constexpr qsizetype kSuffix = 7;
    if (fileName.size() <= kSuffix || fileName[fileName.size() - kSuffix] != u'.')
        return std::nullopt;
    for (qsizetype i = fileName.size() - kSuffix + 1; i < fileName.size(); ++i) {
        const char16_t c = fileName[i].unicode();
        const bool letterOrDigit = (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
        if (!letterOrDigit)
            return std::nullopt;
    }
    return fileName.left(fileName.size() - kSuffix);
}

int removeLeftoversOfWrites(const QString& folder, const std::function<bool(const QString&)>& isOwnFile,
                            const QDateTime& olderThan)
{
    int removed = 0;
    const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        const std::optional<QString> written = writtenNameOfLeftover(name);
        if (!written || !isOwnFile(*written))
            continue;
        const QString path = folder + QLatin1Char('/') + name;
        struct stat info = {};
        if (::lstat(nativePath(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (QDateTime::fromSecsSinceEpoch(info.st_mtime) >= olderThan)
            continue;
        if (::unlink(nativePath(path).constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace quillmere
