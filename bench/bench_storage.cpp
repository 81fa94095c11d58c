#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/TextRenderers.h"
#include "storage/ReadingArchive.h"
#include "storage/SavedReadingText.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace quillmere;

namespace {

constexpr int kSavedReadings = 10000;

// A Celtic Cross saved twice, as a reader's archive holds it.
ReadingRecord celticCrossRecord(int seed)
{
    ReadingRecord record;
    record.querentName = QStringLiteral("Ann Example");
    record.birthDate = QStringLiteral("January 1, 1980");
    record.question = QStringLiteral("What does the coming year hold for my work, my home and my family?");
    record.date = QStringLiteral("12/8/2025");
    record.time = QStringLiteral("3:34:05 PM");
    record.spreadName = SpreadCatalogue::celticCrossKey();
    for (int p = 0; p < 10; ++p)
        record.cards.append(RecordCard{(seed * 7 + p * 11) % kDeckSize, (seed + p) % 3 == 0});
    record.descriptions = {QStringLiteral("First look at the year"), QStringLiteral("Saved again for the family")};
    return record;
}

// An application folder with one profile holding kSavedReadings saved readings.
class Archive
{
public:
    Archive()
        : m_folder(m_dir.path())
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("Ann"));
        QFile details(m_dir.filePath(QStringLiteral("Ann/Ann")));
        details.open(QIODevice::WriteOnly);
        details.write("\"Ann Example\",\"January\",\"1\",\"1980\"\r\n");
        const QDateTime start(QDate(2020, 1, 1), QTime(9, 0, 0));
        for (int i = 0; i < kSavedReadings; ++i) {
            QFile file(m_dir.filePath(QStringLiteral("Ann/") + readingStamp(start.addSecs(i * 3607))));
            file.open(QIODevice::WriteOnly);
            file.write(serializeRecord(celticCrossRecord(i)));
        }
    }
    const AppFolder& folder() const { return m_folder; }

private:
    QTemporaryDir m_dir;
    AppFolder m_folder;
};

const Archive& archive()
{
    static const Archive instance;
    return instance;
}

// Both list entries of every reading of a profile with 10,000 saved readings, as the old-reading panel
// lists them.
void listTenThousandReadings(benchmark::State& state)
{
    const AppFolder& folder = archive().folder();
    for (auto _ : state) {
        const StorageValue<QList<SavedReadingEntry>> entries = listSavedReadings(folder, QStringLiteral("Ann"));
        if (!entries || entries->size() != kSavedReadings)
            state.SkipWithError("listing failed");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(listTenThousandReadings)->Unit(benchmark::kMillisecond);

// Opening one saved Celtic Cross and writing its text, as reopening does.
void openAndShowOneReading(benchmark::State& state)
{
    const AppFolder& folder = archive().folder();
    const QString name = listSavedReadings(folder, QStringLiteral("Ann"))->at(kSavedReadings / 2).fileName;
    Deck::instance();
    for (auto _ : state) {
        const StorageValue<ReadingRecord> record = openSavedReading(folder, QStringLiteral("Ann"), name);
        if (!record)
            state.SkipWithError("opening failed");
        StyledText text = showSavedReading(*record);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(openAndShowOneReading)->Unit(benchmark::kMicrosecond);

// The same, rendered to HTML for the reading pane.
void openShowAndRenderOneReading(benchmark::State& state)
{
    const AppFolder& folder = archive().folder();
    const QString name = listSavedReadings(folder, QStringLiteral("Ann"))->at(kSavedReadings / 2).fileName;
    Deck::instance();
    for (auto _ : state) {
        const StorageValue<ReadingRecord> record = openSavedReading(folder, QStringLiteral("Ann"), name);
        QString html = renderHtml(showSavedReading(*record), false);
        benchmark::DoNotOptimize(html);
    }
}
BENCHMARK(openShowAndRenderOneReading)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
