#pragma once

#include "storage/AppFolder.h"
#include "storage/StorageResult.h"

#include <QString>

namespace quillmere {

// How the program found its folders.
enum class FolderMode {
    // The executable's own folder holds vt.dll: that folder holds everything, as the first versions did.
    Portable,
    // Installed: the program's files in ../share/quillmere beside the executable's folder, the user's data
    // in the user's data folder.
    Installed,
    // A build: the program's files staged beside the executable, the user's data in the user's data folder.
    Development,
    // --app-folder DIR: DIR holds the user's data, and the program's files too when it has them.
    Chosen,
};

// What the folders are found from. main() fills it from the running process; tests from temporary folders.
struct FolderInputs
{
    // The folder the executable lies in.
    QString executableFolder;
    // The folder given with --app-folder; empty when none was given.
    QString chosenFolder;
    // The user's data folder (QStandardPaths::AppDataLocation, for example ~/.local/share/Quillmere).
    QString userDataFolder;
    // Where an install puts the program's files, relative to the executable's folder.
    QString installedProgramFiles = QStringLiteral("../share/quillmere");
};

// The two roots of an application folder and how they were found.
struct ResolvedFolders
{
    FolderMode mode = FolderMode::Portable;
    QString dataRoot;
    QString programRoot;
    AppFolder appFolder() const { return AppFolder(dataRoot, programRoot); }
};

// Finds where the program's read-only files and the user's data live, in this order: --app-folder; a
// portable folder (vt.dll beside the executable); an install (../share/quillmere); a build's staged folder
// (the program's files beside the executable). A folder holds the program's files when it has the spread
// pictures "pic". Looks only; creates nothing.
StorageValue<ResolvedFolders> resolveFolders(const FolderInputs& inputs);

// Whether a folder holds the program's own files.
bool holdsProgramFiles(const QString& folder);

// Makes the data folder ready for a start that keeps the user's data apart from the program (every mode but
// Portable, and --app-folder on a folder without the program's files): creates the folder and an empty profile
// store when they are missing, and checks that the folder can be written. A portable folder is left as it is:
// the start-up checks judge it. Returns whether the store was created now (a first start).
StorageValue<bool> prepareDataFolder(const ResolvedFolders& folders);

} // namespace quillmere
