#include "storage/FolderResolver.h"

#include "storage/RecordFormat.h"

#include <QDir>
#include <QFileInfo>

namespace quillmere {

namespace {

QString absoluteClean(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

bool holdsProgramFiles(const QString& folder)
{
    return !folder.isEmpty() && QFileInfo(folder + QStringLiteral("/pic")).isDir();
}

StorageValue<ResolvedFolders> resolveFolders(const FolderInputs& inputs)
{
    using Result = StorageValue<ResolvedFolders>;
    const QString executable = absoluteClean(inputs.executableFolder);
    const QString installed = absoluteClean(executable + QLatin1Char('/') + inputs.installedProgramFiles);

    // The program's own files when the data lives elsewhere: an install's share folder, else a build's stage.
    QString programFiles;
    FolderMode separateMode = FolderMode::Installed;
    if (holdsProgramFiles(installed)) {
        programFiles = installed;
    } else if (holdsProgramFiles(executable)) {
        programFiles = executable;
        separateMode = FolderMode::Development;
    }
    const auto notFound = [&]() {
        return Result::failure(QStringLiteral("Quillmere could not find its own files (the spread pictures, the "
                                              "decks and the help page) in %1. Please reinstall Quillmere.")
                                   .arg(QDir::toNativeSeparators(installed)));
    };

    if (!inputs.chosenFolder.isEmpty()) {
        const QString chosen = absoluteClean(inputs.chosenFolder);
        if (QFileInfo(chosen).exists() && !QFileInfo(chosen).isDir())
            return Result::failure(
                QStringLiteral("%1 is a file, not a folder, so it cannot hold your readings.").arg(chosen));
        if (holdsProgramFiles(chosen))
            return ResolvedFolders{FolderMode::Chosen, chosen, chosen};
        if (programFiles.isEmpty())
            return notFound();
        return ResolvedFolders{FolderMode::Chosen, chosen, programFiles};
    }
    if (QFileInfo::exists(executable + QStringLiteral("/vt.dll")))
        return ResolvedFolders{FolderMode::Portable, executable, executable};
    if (programFiles.isEmpty())
        return notFound();
    if (inputs.userDataFolder.isEmpty())
        return Result::failure(QStringLiteral("Quillmere could not tell where to keep your readings: this system "
                                              "names no data folder for it. Start it with --app-folder DIR."));
    return ResolvedFolders{separateMode, absoluteClean(inputs.userDataFolder), programFiles};
}

StorageValue<bool> prepareDataFolder(const ResolvedFolders& folders)
{
    using Result = StorageValue<bool>;
    const AppFolder folder = folders.appFolder();
    // A folder that holds everything is taken as it is, like the first versions did.
    if (folder.isPortable())
        return false;
    const QString root = QDir::toNativeSeparators(folders.dataRoot);
    if (!QFileInfo(folders.dataRoot).isDir() && !QDir().mkpath(folders.dataRoot))
        return Result::failure(QStringLiteral("The folder for your readings, %1, could not be created. Check that "
                                              "you may write there, or start Quillmere with --app-folder DIR to keep "
                                              "your readings in another folder.")
                                   .arg(root));
    if (!QFileInfo(folders.dataRoot).isWritable())
        return Result::failure(QStringLiteral("The folder for your readings, %1, cannot be written, so no reading "
                                              "or profile could be saved. Check its permissions, or start Quillmere "
                                              "with --app-folder DIR to keep your readings in another folder.")
                                   .arg(root));
    if (QFileInfo::exists(folder.profileStore()))
        return false;
    if (const StorageResult written = writeWholeFile(folder.profileStore(), QByteArray()); !written)
        return Result::failure(
            QStringLiteral("The profile store could not be created in %1. %2").arg(root, written.error()));
    return true;
}

} // namespace quillmere
