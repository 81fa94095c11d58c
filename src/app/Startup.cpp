#include "app/Startup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmere {

SingleInstanceLock::SingleInstanceLock(const QString& applicationFolder)
    : m_lock(lockFilePath(applicationFolder))
{
    // Only a lock whose owner has ended is stale; a long-running instance keeps its claim however old it is.
    m_lock.setStaleLockTime(0);
}

namespace {

// The user's runtime folder when it is one only this user can use: a folder of the user's own, closed to
// everyone else. Nothing when the session has none (or one that others could write into).
std::optional<QString> privateRuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        return std::nullopt;
    struct stat info = {};
    if (::stat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid()
        || (info.st_mode & (S_IRWXG | S_IRWXO)) != 0)
        return std::nullopt;
    return QDir::cleanPath(folder);
}

} // namespace

QString SingleInstanceLock::lockFilePath(const QString& applicationFolder)
{
    QFileInfo info(applicationFolder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    if (const std::optional<QString> runtime = privateRuntimeFolder()) {
        const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
        return *runtime + QStringLiteral("/quillmere-%1.lock").arg(QString::fromLatin1(hash));
    }
    return path + QStringLiteral("/.quillmere-instance.lock");
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    if (m_lock.tryLock(0))
        return true;
    // Only another holder means another instance. A folder in which no lock can be made (read-only, full)
    // cannot be written by any instance either, so it does not keep the program from starting.
    return m_lock.error() != QLockFile::LockFailedError;
}

bool hasStartupResources(const AppFolder& folder)
{
    if (folder.hasRequiredResources())
        return true;
    // With the data kept apart, the card pictures come with the program: its cards or its decks.
    return !folder.isPortable() && QFileInfo::exists(folder.profileStore())
        && QFileInfo::exists(folder.spreadPicturesFolder())
        && (QFileInfo::exists(folder.programPath(QStringLiteral("cards")))
            || QFileInfo::exists(folder.builtInDecksFolder()));
}

StartupCheck checkStartup(SingleInstanceLock& lock, const AppFolder& folder, Notifier& notifier)
{
    if (!lock.tryAcquire()) {
        notifier.show(nullptr, Notifier::Icon::Critical, kApplicationTitle, kAlreadyRunningMessage);
        return StartupCheck::AlreadyRunning;
    }
    if (!hasStartupResources(folder)) {
        notifier.show(nullptr, Notifier::Icon::Critical, kApplicationTitle, kMissingResourcesMessage);
        return StartupCheck::ResourcesMissing;
    }
    return StartupCheck::Passed;
}

} // namespace quillmere
