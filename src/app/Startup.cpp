#include "app/Startup.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace quillmere {

SingleInstanceLock::SingleInstanceLock(const QString& applicationFolder)
    : m_lock(lockFilePath(applicationFolder))
{
    // Only a lock whose owner has ended is stale; a long-running instance keeps its claim however old it is.
    m_lock.setStaleLockTime(0);
}

QString SingleInstanceLock::lockFilePath(const QString& applicationFolder)
{
    QFileInfo info(applicationFolder);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(QStringLiteral("quillmere-%1.lock").arg(QString::fromLatin1(hash)));
}

bool SingleInstanceLock::tryAcquire()
{
    if (m_lock.isLocked())
        return true;
    return m_lock.tryLock(0);
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
