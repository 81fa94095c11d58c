#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "engine/ReadingComposer.h"
#include "engine/TextRenderers.h"

#include <benchmark/benchmark.h>

using namespace quillmere;

namespace {

CurrentReading celticCrossReading()
{
    CurrentReading reading;
    reading.querentName = QStringLiteral("Ann Example");
    reading.birthDate = QStringLiteral("January 1, 1980");
    reading.question = QStringLiteral("What does the coming year hold?");
    reading.resetForNewCast();
    chooseCast(reading, *SpreadCatalogue::instance().byKey(u"Celtic Cross"), {false, false, true}, CastWay::Automatic);
    SeededRandomSource random(1);
    castAutomatically(reading, random);
    return reading;
}

// Header and ten card blocks of a Celtic Cross with reversals, from the clock as the program reads it.
void composeCelticCross(benchmark::State& state)
{
    const CurrentReading reading = celticCrossReading();
    const SystemReadingClock clock;
    Deck::instance();
    for (auto _ : state) {
        StyledText text = composeReading(reading, clock);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(composeCelticCross);

// The same with the clock read once beforehand, to tell the clock's share from the composition's.
void composeCelticCrossFixedClock(benchmark::State& state)
{
    const CurrentReading reading = celticCrossReading();
    const FixedReadingClock clock(QDateTime::currentDateTime(), QLocale::system());
    for (auto _ : state) {
        StyledText text = composeReading(reading, clock);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(composeCelticCrossFixedClock);

// One automatic cast per option combination's hardest case: ten distinct cards from the smallest pool, with
// reversals.
void drawCelticCross(benchmark::State& state)
{
    const bool majorOnly = state.range(0) != 0;
    CurrentReading reading;
    reading.resetForNewCast();
    chooseCast(reading, *SpreadCatalogue::instance().byKey(u"Celtic Cross"), {false, majorOnly, true},
               CastWay::Automatic);
    SeededRandomSource random(2);
    for (auto _ : state) {
        castAutomatically(reading, random);
        benchmark::DoNotOptimize(reading.cards);
    }
}
BENCHMARK(drawCelticCross)->Arg(0)->Arg(1);

void renderHtmlCelticCross(benchmark::State& state)
{
    const FixedReadingClock clock(QDateTime::currentDateTime(), QLocale::system());
    const StyledText text = composeReading(celticCrossReading(), clock);
    for (auto _ : state) {
        QString html = renderHtml(text, true);
        benchmark::DoNotOptimize(html);
    }
}
BENCHMARK(renderHtmlCelticCross);

void renderAnsiCelticCross(benchmark::State& state)
{
    const FixedReadingClock clock(QDateTime::currentDateTime(), QLocale::system());
    const StyledText text = composeReading(celticCrossReading(), clock);
    for (auto _ : state) {
        QString ansi = renderAnsi(text);
        benchmark::DoNotOptimize(ansi);
    }
}
BENCHMARK(renderAnsiCelticCross);

} // namespace

BENCHMARK_MAIN();
