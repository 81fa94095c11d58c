#include "cli/HandoutOutput.h"

#include "handout/HandoutExport.h"
#include "handout/HandoutPages.h"
#include "storage/DeckLibrary.h"
#include "storage/FileAccess.h"
#include "storage/FolderResolver.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

namespace quillmere::cli {

namespace {

DeckFolder deckOf(const OutputTarget& target)
{
    if (!target.deckFolder.isEmpty()) {
        const QFileInfo folder(target.deckFolder);
        return DeckLibrary::readFolder(folder.absoluteFilePath(), QStringLiteral("user:") + folder.fileName(),
                                       folder.fileName(), DeckFolder::Source::User);
    }
    std::optional<AppFolder> folder = target.appFolder;
    if (!folder) {
        const StorageValue<ResolvedFolders> resolved = resolveFolders(
            {QCoreApplication::applicationDirPath(), QString(),
             QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QStringLiteral("../share/quillmere")});
        if (resolved)
            folder = resolved->appFolder();
    }
    if (!folder)
        return {};
    const DeckLibrary library(*folder);
    const DeckFolder* deck = library.defaultDeck();
    return deck ? *deck : DeckFolder();
}

int writeBytes(const QByteArray& bytes, const OutputTarget& target, CommandIo& io)
{
    if (const StorageResult written = writeExport(target.outputPath, bytes); !written) {
        io.err << "quillmere-cli: " << written.error() << '\n';
        return kExitFailure;
    }
    return kExitSuccess;
}

} // namespace

bool needsGuiApplication(const QStringList& args)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--pictures") || args[i] == QLatin1String("--format=pdf"))
            return true;
        if (args[i] == QLatin1String("--format") && i + 1 < args.size() && args[i + 1] == QLatin1String("pdf"))
            return true;
    }
    return false;
}

StorageResult checkOutputTarget(const OutputTarget& target)
{
    if (!target.deckFolder.isEmpty() && !QFileInfo(target.deckFolder).isDir())
        return StorageResult::failure(
            QStringLiteral("--deck needs a folder of card pictures, not '%1'").arg(target.deckFolder));
    return StorageResult::success();
}

int writeTextOutput(const QString& text, const OutputTarget& target, CommandIo& io)
{
    if (target.outputPath.isEmpty()) {
        io.out << text;
        return kExitSuccess;
    }
    return writeBytes(text.toUtf8(), target, io);
}

int writePdfOutput(const ReadingHandout& handout, const OutputTarget& target, CommandIo& io)
{
    if (target.outputPath.isEmpty())
        return usageError(io, QStringLiteral("--format pdf needs --output FILE"));
    return writeBytes(handoutPdf(handout, deckOf(target), QLocale::system()), target, io);
}

int writePicturePageOutput(const ReadingHandout& handout, const OutputTarget& target, CommandIo& io)
{
    return writeTextOutput(handoutHtml(handout, deckOf(target)), target, io);
}

} // namespace quillmere::cli
