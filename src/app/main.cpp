#include "app/DesktopServices.h"
#include "app/MoveOver.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "storage/FolderResolver.h"
#include "table/ProgramSettings.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStandardPaths>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    // The desktop entry, the icon and the Wayland app id all go by the one application id.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLMERE_APP_ID));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral(QUILLMERE_APP_ID), QIcon(QStringLiteral(":/pictures/icon.png"))));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Tarot readings with the 78-card deck."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption appFolder(
        QStringLiteral("app-folder"),
        QStringLiteral("Keep profiles and readings in DIR instead of the user's data folder (a folder that holds "
                       "the program's pictures too is used for everything, like a portable folder)."),
        QStringLiteral("DIR"));
    parser.addOption(appFolder);
    parser.process(application);

    using namespace quillmere;
    MessageBoxNotifier notifier;
    const StorageValue<ResolvedFolders> resolved = resolveFolders(
        {QCoreApplication::applicationDirPath(), parser.value(appFolder),
         QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), QStringLiteral(QUILLMERE_SHARE_FROM_BIN)});
    if (!resolved) {
        notifier.show(nullptr, Notifier::Icon::Critical, kApplicationTitle, resolved.error());
        return 1;
    }
    if (const StorageValue<bool> prepared = prepareDataFolder(*resolved); !prepared) {
        notifier.show(nullptr, Notifier::Icon::Critical, kApplicationTitle, prepared.error());
        return 1;
    }

    const AppFolder folder = resolved->appFolder();
    CurrentReading reading;
    SeededRandomSource random = SeededRandomSource::fromEntropy();
    SystemReadingClock clock;
    SleepingPause pause;
    DesktopUrlOpener urlOpener;
    const std::unique_ptr<ProgramSettings> settings = ProgramSettings::forUser();
    AppContext context{reading,  folder, random, clock, notifier, pause, urlOpener, QStringLiteral(QUILLMERE_SITE_URL),
                       *settings};

    Program program(context);
    program.setAsker(notifier);
    if (resolved->mode == FolderMode::Installed || resolved->mode == FolderMode::Development)
        program.setMoveOverFolder(MoveOver::defaultOldFolder());
    if (!program.start())
        return 0;
    return QApplication::exec();
}
