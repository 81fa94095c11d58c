// Starts as the program does and ends as soon as the first screen is on display, for the start-up benchmark.
//   probe_startup bare                 a maximised main window with nothing in it: the yardstick
//   probe_startup bare-text            the same with one line of text, which loads the font database
//   probe_startup program FOLDER       the program's start-up on an application folder, up to the details screen
//   probe_startup cast FOLDER          as program, then an automatic Celtic Cross with reversals (no pause);
//                                      prints the peak resident memory in kB
#include "app/DesktopServices.h"
#include "app/Program.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QTextStream>
#include <cstdio>

using namespace quillmere;

namespace {

void showAndSettle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("program");
    if (mode.startsWith(QLatin1String("bare"))) {
        QMainWindow window;
        window.setWindowTitle(QStringLiteral("Bare"));
        if (mode == QLatin1String("bare-text"))
            window.setCentralWidget(new QLabel(QStringLiteral("Quillmere")));
        window.showMaximized();
        showAndSettle();
        return 0;
    }
    if (argc < 3)
        return 2;

    const AppFolder folder(QString::fromLocal8Bit(argv[2]));
    CurrentReading reading;
    SeededRandomSource random = SeededRandomSource::fromEntropy();
    SystemReadingClock clock;
    MessageBoxNotifier notifier;
    SleepingPause pause;
    DesktopUrlOpener urlOpener;
    ProgramSettings settings(folder.path(QStringLiteral(".settings/Quillmere.conf")));
    AppContext context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings};
    Program program(context);
    if (!program.start())
        return 1;
    showAndSettle();

    int result = 0;
    if (mode == QLatin1String("cast")) {
        MainWindow* window = program.mainWindow();
        auto* details = qobject_cast<DetailsScreen*>(openForm(window->workspace(), QStringLiteral("frmFront")));
        details->doReading();
        auto* spread = qobject_cast<SpreadScreen*>(openForm(window->workspace(), QStringLiteral("frmTarot")));
        spread->showOptionsPage();
        spread->findChild<QCheckBox*>(QStringLiteral("chkRev"))->setChecked(true);
        spread->castAutomatically();
        showAndSettle();
        result = openForm(window->workspace(), QStringLiteral("frmAuto")) ? 0 : 3;
        std::printf("%ld\n", peakResidentKiB());
    }
    program.mainWindow()->close();
    return result;
}
