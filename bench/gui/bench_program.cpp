// The program as a whole: start-up to the details screen against a bare main window, the automatic Celtic Cross
// from the click to the table on screen, and the peak memory with a Celtic Cross on screen. The cards are the
// built-in decks' (the classic deck unless BENCH_DECK names another); run with QT_SCALE_FACTOR=2 for a screen of
// twice the density, which the cast reports as its device_pixel_ratio.
#include "NullServices.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"
#include "table/CardPicture.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillmere;
using namespace quillmere::bench;

namespace {

// An application folder of its own with the staged pictures, so nothing is written into the staged folder.
struct BenchFolder
{
    BenchFolder()
    {
        for (const char* name : {"decks", "pic"})
            QFile::link(QStringLiteral(QUILLMERE_STAGE_DIR "/") + QLatin1String(name),
                        dir.filePath(QLatin1String(name)));
        // A portable folder must have its cards folder to start; left empty, it is no deck and the built-in decks
        // show.
        QDir(dir.path()).mkdir(QStringLiteral("cards"));
        QFile store(dir.filePath(QStringLiteral("vt.dll")));
        if (store.open(QIODevice::WriteOnly))
            store.close();
    }
    QTemporaryDir dir;
};

// Runs the probe and returns its wall time in seconds (negative when it failed); its output goes to output.
double runProbe(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess probe;
    QElapsedTimer timer;
    timer.start();
    probe.start(QStringLiteral(QUILLMERE_PROBE), arguments);
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        return -1.0;
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    if (output)
        *output = probe.readAllStandardOutput();
    return seconds;
}

void BM_StartupToDetailsShown(benchmark::State& state)
{
    BenchFolder folder;
    const QStringList program = {QStringLiteral("program"), folder.dir.path()};
    const QStringList bare = {QStringLiteral("bare")};
    const QStringList bareText = {QStringLiteral("bare-text")};
    // One of each first, so that all start from warm caches.
    runProbe(bare);
    runProbe(bareText);
    runProbe(program);
    double bareTotal = 0;
    double bareTextTotal = 0;
    double programTotal = 0;
    for (auto _ : state) {
        const double bareTime = runProbe(bare);
        const double bareTextTime = runProbe(bareText);
        const double programTime = runProbe(program);
        if (bareTime < 0 || bareTextTime < 0 || programTime < 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        state.SetIterationTime(programTime);
        bareTotal += bareTime;
        bareTextTotal += bareTextTime;
        programTotal += programTime;
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["bare_ms"] = bareTotal / runs * 1000;
    state.counters["bare_text_ms"] = bareTextTotal / runs * 1000;
    state.counters["program_ms"] = programTotal / runs * 1000;
    state.counters["ratio"] = programTotal / bareTotal;
    state.counters["ratio_to_text"] = programTotal / bareTextTotal;
}
BENCHMARK(BM_StartupToDetailsShown)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void BM_AutoCastCelticCross(benchmark::State& state)
{
    BenchFolder folder;
    const AppFolder appFolder(folder.dir.path());
    CurrentReading reading;
    SeededRandomSource random{42};
    SystemReadingClock clock;
    NoNotifier notifier;
    NoPause pause;
    NoUrlOpener urlOpener;
    ProgramSettings settings(folder.dir.filePath(QStringLiteral(".settings/Quillmere.conf")));
    AppContext context{reading, appFolder, random, clock, notifier, pause, urlOpener, QString(), settings};
    if (!qEnvironmentVariableIsEmpty("BENCH_DECK"))
        rememberChosenDeck(settings, qEnvironmentVariable("BENCH_DECK"));
    const DeckFolder deck = chosenDeck(context);
    if (!deck.isUsable()) {
        state.SkipWithError("no deck staged");
        return;
    }
    MainWindow window(context);
    window.resize(1280, 800);
    window.show();
    QCoreApplication::processEvents();

    for (auto _ : state) {
        SpreadScreen* spread = window.showSpreadScreen();
        spread->showOptionsPage();
        spread->findChild<QCheckBox*>(QStringLiteral("chkRev"))->setChecked(true);
        auto* cast = spread->findChild<QPushButton*>(QStringLiteral("cmdAuto"));
        QCoreApplication::processEvents();

        QElapsedTimer timer;
        timer.start();
        cast->click();
        QCoreApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);

        if (!openForm(window.workspace(), QStringLiteral("frmAuto"))) {
            state.SkipWithError("no card table");
            return;
        }
        window.startAgain();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["device_pixel_ratio"] = window.devicePixelRatioF();
    state.SetLabel(deck.id.toStdString());
}
BENCHMARK(BM_AutoCastCelticCross)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PeakMemoryCelticCross(benchmark::State& state)
{
    BenchFolder folder;
    long peak = 0;
    for (auto _ : state) {
        QByteArray output;
        if (runProbe({QStringLiteral("cast"), folder.dir.path()}, &output) < 0) {
            state.SkipWithError("the probe failed");
            return;
        }
        peak = std::max(peak, output.trimmed().toLong());
    }
    state.counters["peak_MB"] = static_cast<double>(peak) / 1024.0;
}
BENCHMARK(BM_PeakMemoryCelticCross)->Iterations(3)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
