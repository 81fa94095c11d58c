#pragma once

#include "storage/AppFolder.h"
#include "table/Services.h"

#include <QLockFile>
#include <QString>

namespace quillmere {

inline const QString kApplicationTitle = QStringLiteral("Quillmere");
inline const QString kAlreadyRunningMessage = kApplicationTitle + QStringLiteral(" Is Already Running");
// The lone carriage return is part of the message; the message box shows it as a line break.
inline const QString kMissingResourcesMessage = QStringLiteral("Required File(s) Missing.\rPlease Reinstall software.");

// Holds the program's claim on an application folder while it runs, so that a second start of the same
// folder is refused. The lock file lies in the temporary folder, named from the application folder's path;
// a lock left by a process that has ended (a crash) is taken over.
class SingleInstanceLock
{
public:
    explicit SingleInstanceLock(const QString& applicationFolder);

    // True when this process now holds the folder (or already held it).
    bool tryAcquire();
    bool isHeld() const { return m_lock.isLocked(); }

    static QString lockFilePath(const QString& applicationFolder);

private:
    QLockFile m_lock;
};

enum class StartupCheck { Passed, AlreadyRunning, ResourcesMissing };

// The checks before any window is shown: one instance per application folder, then the profile store and
// the two picture folders (each a file or a folder). A refusal is reported with its message box; the
// caller then ends the program.
// The profile store and the picture folders: in a folder that holds everything as the first versions had them; with
// the data kept apart, the card pictures may come with the program instead.
bool hasStartupResources(const AppFolder& folder);

StartupCheck checkStartup(SingleInstanceLock& lock, const AppFolder& folder, Notifier& notifier);

} // namespace quillmere
