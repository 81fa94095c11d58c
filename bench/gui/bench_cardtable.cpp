#include "NullServices.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "table/AutomaticCast.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillmere;
using namespace quillmere::bench;

namespace {

class BenchHost final : public ReadingHost
{
public:
    BenchHost()
    {
        m_workspace.resize(1030, 760);
        m_workspace.show();
    }
    QMdiArea* workspace() override { return &m_workspace; }
    void setReadingText(const StyledText& text) override { m_text = text; }
    void enterFreshReadingState() override { }
    void enterReopenedReadingState() override { }

private:
    QMdiArea m_workspace;
    StyledText m_text;
};

// An application folder of its own whose pictures are the staged ones, so the temporary record the casts write
// never lands in the staged folder.
QString benchFolder(const QTemporaryDir& dir)
{
    for (const char* name : {"decks", "pic"})
        QFile::link(QStringLiteral(QUILLMERE_STAGE_DIR "/") + QLatin1String(name), dir.filePath(QLatin1String(name)));
    return dir.path();
}

struct Bench
{
    QTemporaryDir dir;
    AppFolder folder{benchFolder(dir)};
    CurrentReading reading;
    SeededRandomSource random{42};
    SystemReadingClock clock;
    NoNotifier notifier;
    NoPause pause;
    NoUrlOpener urlOpener;
    ProgramSettings settings{dir.filePath(QStringLiteral(".settings/Quillmere.conf"))};
    AppContext context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings};
    BenchHost host;

    void closeAll()
    {
        host.workspace()->closeAllSubWindows();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The automatic cast of a spread, from the command to the table painted, the pause excluded, the temporary record
// written as the program does.
void automaticCast(benchmark::State& state)
{
    Bench bench;
    const Spread& spread = *SpreadCatalogue::instance().at(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        bench.reading.resetForNewCast();
        chooseCast(bench.reading, spread, CastOptions{false, false, true}, CastWay::Automatic);
        CardTable* table = openAutomaticCast(bench.context, bench.host);
        table->repaint();
        benchmark::DoNotOptimize(table);
        state.PauseTiming();
        bench.closeAll();
        state.ResumeTiming();
    }
    state.SetLabel(spread.name.toStdString());
}
BENCHMARK(automaticCast)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);

// A whole manual Celtic Cross: the board opened, ten picks, the completion.
void manualCelticCross(benchmark::State& state)
{
    Bench bench;
    const Spread& spread = *SpreadCatalogue::instance().at(0);
    for (auto _ : state) {
        bench.reading.resetForNewCast();
        chooseCast(bench.reading, spread, CastOptions{false, false, true}, CastWay::Manual);
        ManualBoard* board = openManualBoard(bench.context, bench.host);
        for (int i = 0; i < spread.cardCount(); ++i)
            board->faceDownCard(i)->click();
        state.PauseTiming();
        bench.closeAll();
        state.ResumeTiming();
    }
}
BENCHMARK(manualCelticCross)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
