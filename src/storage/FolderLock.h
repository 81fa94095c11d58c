#pragma once

#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QLockFile>
#include <memory>

namespace quillmere {

// Held while one process reads a file of the application folder, changes it and writes it back (the profile
// store, the temporary record), so that the program and the command-line reader running on one folder at the
// same time never lose each other's changes. The lock file lies in the application folder; a lock left by a
// process that has ended is taken over.
class FolderLock
{
public:
    // Waits a few seconds for another process's change to finish; a failure says why the folder could not
    // be locked (it cannot be written, say).
    static StorageValue<std::shared_ptr<FolderLock>> acquire(const AppFolder& folder);

    explicit FolderLock(const QString& path);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // The lock file of an application folder. Its name begins with a dot, which no profile name may.
    static QString lockFilePath(const AppFolder& folder);

private:
    QLockFile m_lock;
};

} // namespace quillmere
