#include "NullServices.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "screens/JournalWindow.h"
#include "storage/Journal.h"
#include "storage/JournalCache.h"
#include "storage/JournalFilter.h"
#include "storage/ReadingArchive.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillmere;
using namespace quillmere::bench;

namespace {

constexpr int kProfiles = 50;
constexpr int kReadings = 10000;

ReadingRecord benchRecord(int seed)
{
    ReadingRecord record;
    record.querentName = QStringLiteral("Querent %1").arg(seed % kProfiles);
    record.birthDate = QStringLiteral("January 1, 1980");
    record.question
        = QStringLiteral("What does the coming year hold for my work, my home and my family? (%1)").arg(seed);
    record.date = QStringLiteral("12/8/2025");
    record.time = QStringLiteral("3:34:05 PM");
    const Spread& spread = *SpreadCatalogue::instance().at(seed % 8);
    record.spreadName = spread.name;
    for (int p = 0; p < spread.cardCount(); ++p)
        record.cards.append(RecordCard{(seed * 7 + p * 11) % kDeckSize, (seed + p) % 3 == 0});
    record.descriptions = {QStringLiteral("Reading number %1").arg(seed)};
    return record;
}

// An application folder of 50 profiles holding 10,000 saved readings between them.
struct Folder
{
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    Folder()
    {
        QByteArray store;
        for (int p = 0; p < kProfiles; ++p) {
            const QString name = QStringLiteral("Profile %1").arg(p);
            store += name.toUtf8() + "\r\n";
            QDir(dir.path()).mkdir(name);
            QFile details(dir.filePath(name + QLatin1Char('/') + name));
            details.open(QIODevice::WriteOnly);
            details.write("\"Person\",\"January\",\"1\",\"1980\"\r\n");
        }
        QFile storeFile(folder.profileStore());
        storeFile.open(QIODevice::WriteOnly);
        storeFile.write(store);
        const QDateTime start(QDate(2020, 1, 1), QTime(9, 0, 0));
        for (int i = 0; i < kReadings; ++i) {
            QFile file(
                dir.filePath(QStringLiteral("Profile %1/").arg(i % kProfiles) + readingStamp(start.addSecs(i * 3607))));
            file.open(QIODevice::WriteOnly);
            file.write(serializeRecord(benchRecord(i)));
        }
    }
};

Folder& folder()
{
    static Folder instance;
    return instance;
}

struct Services
{
    CurrentReading reading;
    SeededRandomSource random{42};
    SystemReadingClock clock;
    NoNotifier notifier;
    NoPause pause;
    NoUrlOpener urlOpener;
    NoAsker asker;
    ProgramSettings settings{folder().dir.filePath(QStringLiteral(".settings/Quillmere.conf"))};
    AppContext context{reading, folder().folder, random, clock, notifier, pause, urlOpener, QString(), settings};
};

// Reading every file, with no cache (the first opening ever, or after the cache was deleted).
void scanWithoutCache(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(folder().folder.path(JournalCache::fileName()));
        state.ResumeTiming();
        benchmark::DoNotOptimize(scanJournal(folder().folder));
    }
}
BENCHMARK(scanWithoutCache)->Unit(benchmark::kMillisecond);

// The journal opened: the files checked against the cache, the window built and its first table painted.
void journalOpens(benchmark::State& state)
{
    Services services;
    scanJournal(folder().folder);
    for (auto _ : state) {
        auto* window = new JournalWindow(services.context, services.asker, [](const QString&) { return QString(); });
        window->resize(1000, 640);
        window->show();
        window->findChild<QTableView*>(QStringLiteral("tblReadings"))->viewport()->repaint();
        state.PauseTiming();
        delete window;
        state.ResumeTiming();
    }
}
BENCHMARK(journalOpens)->Unit(benchmark::kMillisecond);

// A filter change that includes a card: the table updated and repainted.
void filterChange(benchmark::State& state)
{
    Services services;
    JournalWindow window(services.context, services.asker, [](const QString&) { return QString(); });
    window.resize(1000, 640);
    window.show();
    auto* card = window.findChild<QComboBox*>(QStringLiteral("cboCard"));
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    auto* table = window.findChild<QTableView*>(QStringLiteral("tblReadings"));
    int step = 0;
    for (auto _ : state) {
        ++step;
        card->setCurrentIndex(1 + step % kDeckSize);
        text->setText(step % 2 ? QStringLiteral("year") : QStringLiteral("family work"));
        table->viewport()->repaint();
    }
}
BENCHMARK(filterChange)->Unit(benchmark::kMillisecond);

// A change of the text alone: every reading's texts are searched, none is ruled out by a card first.
void textFilterChange(benchmark::State& state)
{
    Services services;
    JournalWindow window(services.context, services.asker, [](const QString&) { return QString(); });
    window.resize(1000, 640);
    window.show();
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
    auto* table = window.findChild<QTableView*>(QStringLiteral("tblReadings"));
    int step = 0;
    for (auto _ : state) {
        ++step;
        text->setText(step % 2 ? QStringLiteral("number 12") : QStringLiteral("family"));
        table->viewport()->repaint();
    }
}
BENCHMARK(textFilterChange)->Unit(benchmark::kMillisecond);

// Statistics of every reading.
void statisticsOfAll(benchmark::State& state)
{
    const Journal journal = scanJournal(folder().folder);
    const JournalSearch search(journal.readings);
    for (auto _ : state)
        benchmark::DoNotOptimize(journalStatistics(journal.readings, search.matching(JournalFilter{})));
}
BENCHMARK(statisticsOfAll)->Unit(benchmark::kMillisecond);

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
