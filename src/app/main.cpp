#include "app/DesktopServices.h"
#include "app/Program.h"
#include "table/ProgramSettings.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));

    using namespace quillmere;
    const AppFolder folder(QCoreApplication::applicationDirPath());
    CurrentReading reading;
    SeededRandomSource random = SeededRandomSource::fromEntropy();
    SystemReadingClock clock;
    MessageBoxNotifier notifier;
    SleepingPause pause;
    DesktopUrlOpener urlOpener;
    const std::unique_ptr<ProgramSettings> settings = ProgramSettings::forUser();
    AppContext context{reading,  folder, random, clock, notifier, pause, urlOpener, QStringLiteral(QUILLMERE_SITE_URL),
                       *settings};

    Program program(context);
    if (!program.start())
        return 0;
    return QApplication::exec();
}
