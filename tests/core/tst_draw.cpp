#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"

#include <QSet>
#include <QTest>
#include <cmath>

using namespace quillmere;

Q_DECLARE_METATYPE(CastOptions)

namespace {

// The largest double below 1: the last card of every pool.
const double kJustBelowOne = std::nextafter(1.0, 0.0);
const double kJustAboveHalf = std::nextafter(0.5, 1.0);

struct PoolRange
{
    int first;
    int last;
};

// The whole deck, the minor arcana 22-77, the major arcana 0-21.
PoolRange expectedRange(const CastOptions& options)
{
    if (options.minorOnly)
        return {22, 77};
    if (options.majorOnly)
        return {0, 21};
    return {0, 77};
}

CurrentReading readingFor(const QString& spreadName, const CastOptions& options)
{
    CurrentReading reading;
    reading.resetForNewCast();
    chooseCast(reading, *SpreadCatalogue::instance().byKey(spreadName), options, CastWay::Automatic);
    return reading;
}

// The flags of the positions: 1 for a card lying reversed, 0 upright.
QList<int> flagsOf(const CurrentReading& reading)
{
    QList<int> flags;
    for (const ReadingCard& card : reading.cards)
        flags.append(card.reversed ? 1 : 0);
    return flags;
}

void addOptionRows(const char* prefix, const std::function<void(const QByteArray&, const CastOptions&)>& add)
{
    const struct
    {
        const char* name;
        CastOptions options;
    } combinations[] = {
        {"whole deck", {false, false, false}},         {"minor only", {true, false, false}},
        {"major only", {false, true, false}},          {"whole deck reversals", {false, false, true}},
        {"minor only reversals", {true, false, true}}, {"major only reversals", {false, true, true}},
    };
    for (const auto& combination : combinations)
        add(QByteArray(prefix) + combination.name, combination.options);
}

// Chi-square statistic of observed counts against equal expectation.
double chiSquare(const QList<int>& counts)
{
    double total = 0;
    for (int count : counts)
        total += count;
    const double expected = total / counts.size();
    double statistic = 0;
    for (int count : counts)
        statistic += (count - expected) * (count - expected) / expected;
    return statistic;
}

} // namespace

class DrawTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void poolPerCombination_data();
    void poolPerCombination();
    void everySpreadEveryCombination_data();
    void everySpreadEveryCombination();
    void scriptedDraws_data();
    void scriptedDraws();
    void bothRestrictionsDrawNothing();
    void reversalsStartFromAnEmptyList();
    void theSourceIsNotReseededBetweenDraws();
    void cardsAreUniformOverThePool_data();
    void cardsAreUniformOverThePool();
    void secondCardIsIndependentOfTheFirst();
    void reversalsAreFairAndIndependent();
};

void DrawTest::poolPerCombination_data()
{
    QTest::addColumn<CastOptions>("options");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("size");
    QTest::newRow("DONE1 whole deck") << CastOptions{false, false, false} << 0 << 78;
    QTest::newRow("DONE2 minor") << CastOptions{true, false, false} << 22 << 56;
    QTest::newRow("DONE3 major") << CastOptions{false, true, false} << 0 << 22;
    QTest::newRow("DONE4 whole deck reversals") << CastOptions{false, false, true} << 0 << 78;
    QTest::newRow("DONE5 minor reversals") << CastOptions{true, false, true} << 22 << 56;
    QTest::newRow("DONE6 major reversals") << CastOptions{false, true, true} << 0 << 22;
}

void DrawTest::poolPerCombination()
{
    QFETCH(CastOptions, options);
    QFETCH(int, start);
    QFETCH(int, size);
    const std::optional<DrawPool> pool = drawPool(options.minorOnly, options.majorOnly);
    QVERIFY(pool.has_value());
    QCOMPARE(*pool, (DrawPool{start, size}));

    // The pool's two ends are both reachable: u = 0 and u just below 1.
    const CardList none;
    ScriptedRandomSource lowest({0.0});
    QCOMPARE(drawDistinctCard(*pool, none, 0, lowest), start);
    ScriptedRandomSource highest({kJustBelowOne});
    QCOMPARE(drawDistinctCard(*pool, none, 0, highest), start + size - 1);
}

void DrawTest::everySpreadEveryCombination_data()
{
    QTest::addColumn<QString>("spreadName");
    QTest::addColumn<CastOptions>("options");
    for (const Spread& spread : SpreadCatalogue::instance().spreads()) {
        addOptionRows(qPrintable(spread.name + QStringLiteral(", ")),
                      [&](const QByteArray& row, const CastOptions& options) {
                          QTest::newRow(row.constData()) << spread.name << options;
                      });
    }
}

// Over many seeded casts: one card per position, distinct cards in the pool, and flags that agree with the
// reversed cards.
void DrawTest::everySpreadEveryCombination()
{
    QFETCH(QString, spreadName);
    QFETCH(CastOptions, options);
    const PoolRange range = expectedRange(options);
    const bool isCelticCross = spreadName == QLatin1String("Celtic Cross");
    SeededRandomSource random(20261209);
    int reversedSeen = 0;
    int castsWithoutReversed = 0;
    for (int cast = 0; cast < 300; ++cast) {
        CurrentReading reading = readingFor(spreadName, options);
        const int n = reading.cardCount();
        int yields = 0;
        QVERIFY(castAutomatically(reading, random, [&yields] { ++yields; }));
        QVERIFY(yields >= n);

        QCOMPARE(reading.cards.size(), n);
        QCOMPARE(reading.positionCount(), n);

        QSet<int> seen;
        QList<int> expectedReversed;
        for (int k = 0; k < n; ++k) {
            const int card = reading.cards.at(k).index;
            QVERIFY2(card >= range.first && card <= range.last, qPrintable(QString::number(card)));
            QVERIFY2(!seen.contains(card), "a card fell twice");
            seen.insert(card);
            const int flag = flagsOf(reading).at(k);
            QVERIFY(flag == 0 || flag == 1);
            if (!options.reversalsAllowed || (isCelticCross && k == kCrossingCardPosition))
                QCOMPARE(flag, 0);
            if (flag == 1)
                expectedReversed.append(card);
        }
        QCOMPARE(reading.reversedCardIndices(), expectedReversed);
        if (expectedReversed.isEmpty())
            ++castsWithoutReversed;
        reversedSeen += static_cast<int>(expectedReversed.size());
    }
    if (options.reversalsAllowed) {
        QVERIFY(reversedSeen > 0);
        // With one or two cards a cast with nothing reversed is common.
        if (spreadName == QLatin1String("One Card"))
            QVERIFY(castsWithoutReversed > 0);
    } else {
        QCOMPARE(reversedSeen, 0);
    }
}

void DrawTest::scriptedDraws_data()
{
    QTest::addColumn<QString>("spreadName");
    QTest::addColumn<CastOptions>("options");
    QTest::addColumn<QList<double>>("script");
    QTest::addColumn<QList<int>>("expectedCards");
    QTest::addColumn<QList<int>>("expectedFlags");
    QTest::addColumn<bool>("reversedListExists");
    QTest::addColumn<QList<int>>("expectedReversed");
    QTest::addColumn<int>("expectedAttempts");

    // 0.5 of 78 is card 39; the repeats cost attempts, and each attempt yields.
    QTest::newRow("repeats are drawn again")
        << QStringLiteral("Three Cards") << CastOptions{} << QList<double>{0.5, 0.5, 0.5, 0.0, 0.5, 0.0, kJustBelowOne}
        << QList<int>{39, 0, 77} << QList<int>{0, 0, 0} << false << QList<int>{} << 7;
    QTest::newRow("minor pool ends") << QStringLiteral("Two Cards") << CastOptions{true, false, false}
                                     << QList<double>{kJustBelowOne, 0.0} << QList<int>{77, 22} << QList<int>{0, 0}
                                     << false << QList<int>{} << 2;
    QTest::newRow("major pool ends") << QStringLiteral("Two Cards") << CastOptions{false, true, false}
                                     << QList<double>{0.0, kJustBelowOne} << QList<int>{0, 21} << QList<int>{0, 0}
                                     << false << QList<int>{} << 2;
    // Only u above one half reverses: 0.5 itself rounds to the even 0.
    QTest::newRow("reversal edges") << QStringLiteral("Three Cards") << CastOptions{false, false, true}
                                    << QList<double>{0.1, 0.2, 0.3, 0.5, kJustAboveHalf, kJustBelowOne}
                                    << QList<int>{7, 15, 23} << QList<int>{0, 1, 1} << true << QList<int>{15, 23} << 3;
    QTest::newRow("reversals, none falls")
        << QStringLiteral("Two Cards") << CastOptions{false, true, true} << QList<double>{0.0, 0.5, 0.5, 0.0}
        << QList<int>{0, 11} << QList<int>{0, 0} << false << QList<int>{} << 2;
    // The draw of cards comes first, then one decision per position in position order.
    QTest::newRow("reversed list in position order")
        << QStringLiteral("The Line Spread") << CastOptions{true, false, true}
        << QList<double>{0.9, 0.1, 0.5, 0.3, 0.7, 0.9, 0.1, 0.9, 0.2, 0.6} << QList<int>{72, 27, 50, 38, 61}
        << QList<int>{1, 0, 1, 0, 1} << true << QList<int>{72, 50, 61} << 5;
    // Every decision says "reversed"; the crossing card still lies upright and is not in the list.
    QList<double> crossScript;
    for (int k = 0; k < 10; ++k)
        crossScript.append(k / 10.0);
    for (int k = 0; k < 10; ++k)
        crossScript.append(0.99);
    QTest::newRow("crossing card never reversed")
        << QStringLiteral("Celtic Cross") << CastOptions{false, false, true} << crossScript
        << QList<int>{0, 7, 15, 23, 31, 39, 46, 54, 62, 70} << QList<int>{1, 0, 1, 1, 1, 1, 1, 1, 1, 1} << true
        << QList<int>{0, 15, 23, 31, 39, 46, 54, 62, 70} << 10;
    // Values a faulty source might give still land inside the pool.
    QTest::newRow("out of range values stay in the pool")
        << QStringLiteral("Two Cards") << CastOptions{false, true, false} << QList<double>{1.0, -0.25}
        << QList<int>{21, 0} << QList<int>{0, 0} << false << QList<int>{} << 2;
}

void DrawTest::scriptedDraws()
{
    QFETCH(QString, spreadName);
    QFETCH(CastOptions, options);
    QFETCH(QList<double>, script);
    QFETCH(QList<int>, expectedCards);
    QFETCH(QList<int>, expectedFlags);
    QFETCH(bool, reversedListExists);
    QFETCH(QList<int>, expectedReversed);
    QFETCH(int, expectedAttempts);

    CurrentReading reading = readingFor(spreadName, options);
    ScriptedRandomSource random(script);
    int yields = 0;
    QVERIFY(castAutomatically(reading, random, [&] {
        ++yields;
        // The yield comes before the attempt: it has never seen more numbers than attempts before it.
        QCOMPARE(random.consumed(), yields - 1);
    }));
    QCOMPARE(yields, expectedAttempts);
    const int decisions = options.reversalsAllowed ? static_cast<int>(expectedCards.size()) : 0;
    QCOMPARE(random.consumed(), expectedAttempts + decisions);

    QCOMPARE(reading.cardIndices(), expectedCards);
    QCOMPARE(flagsOf(reading), expectedFlags);
    QCOMPARE(!reading.reversedCardIndices().isEmpty(), reversedListExists);
    QCOMPARE(reading.reversedCardIndices(), expectedReversed);
}

void DrawTest::bothRestrictionsDrawNothing()
{
    CurrentReading reading = readingFor(QStringLiteral("Three Cards"), {true, true, true});
    reading.cards = {{4, false}, {5, true}, {6, false}};
    ScriptedRandomSource random({0.3});
    int yields = 0;
    QVERIFY(!castAutomatically(reading, random, [&yields] { ++yields; }));
    QCOMPARE(random.consumed(), 0);
    QCOMPARE(yields, 0);
    QCOMPARE(reading.cardIndices(), (QList<int>{4, 5, 6}));
    QCOMPARE(flagsOf(reading), (QList<int>{0, 1, 0}));
}

// A draw with reversals keeps nothing of an earlier cast, even when nothing falls reversed now.
void DrawTest::reversalsStartFromAnEmptyList()
{
    CurrentReading reading = readingFor(QStringLiteral("One Card"), {false, false, true});
    reading.cards = {{40, true}, {41, true}};
    ScriptedRandomSource upright({0.25, 0.25});
    QVERIFY(castAutomatically(reading, upright));
    QVERIFY(reading.reversedCardIndices().isEmpty());

    reading.cards = {{40, true}, {41, true}};
    ScriptedRandomSource reversed({0.25, 0.75});
    QVERIFY(castAutomatically(reading, reversed));
    QCOMPARE(reading.reversedCardIndices(), QList<int>{19});
}

// Draws made one after another from the program's one source differ, however quickly they follow each other.
void DrawTest::theSourceIsNotReseededBetweenDraws()
{
    SeededRandomSource random(7);
    QSet<QList<int>> casts;
    for (int i = 0; i < 20; ++i) {
        CurrentReading reading = readingFor(QStringLiteral("Celtic Cross"), {false, false, true});
        QVERIFY(castAutomatically(reading, random));
        casts.insert(reading.cardIndices());
    }
    QCOMPARE(casts.size(), 20);

    // The same seed replays the same reading.
    SeededRandomSource first(99);
    SeededRandomSource second(99);
    CurrentReading a = readingFor(QStringLiteral("Celtic Cross"), {false, false, true});
    CurrentReading b = a;
    QVERIFY(castAutomatically(a, first));
    QVERIFY(castAutomatically(b, second));
    QCOMPARE(a.cards, b.cards);
}

void DrawTest::cardsAreUniformOverThePool_data()
{
    QTest::addColumn<CastOptions>("options");
    // Critical values of chi-square at p = 0.001 for pool size - 1 degrees of freedom.
    QTest::addColumn<double>("critical");
    QTest::newRow("whole deck") << CastOptions{false, false, false} << 121.1;
    QTest::newRow("minor arcana") << CastOptions{true, false, false} << 93.2;
    QTest::newRow("major arcana") << CastOptions{false, true, false} << 46.8;
}

// Every card of the pool is equally likely at every position (fixed seed, so the verdict never changes).
void DrawTest::cardsAreUniformOverThePool()
{
    QFETCH(CastOptions, options);
    QFETCH(double, critical);
    const PoolRange range = expectedRange(options);
    const int poolSize = range.last - range.first + 1;
    SeededRandomSource random(424242);
    QList<QList<int>> countsPerPosition(10, QList<int>(poolSize, 0));
    for (int cast = 0; cast < poolSize * 150; ++cast) {
        CurrentReading reading = readingFor(QStringLiteral("Celtic Cross"), options);
        QVERIFY(castAutomatically(reading, random));
        for (int k = 0; k < 10; ++k)
            ++countsPerPosition[k][reading.cards.at(k).index - range.first];
    }
    for (int k = 0; k < 10; ++k) {
        const double statistic = chiSquare(countsPerPosition[k]);
        QVERIFY2(statistic < critical, qPrintable(QStringLiteral("position %1: %2").arg(k + 1).arg(statistic)));
        QVERIFY(!countsPerPosition[k].contains(0));
    }
}

// Given the first card, the second is uniform over the 77 others: the distance between them is uniform.
void DrawTest::secondCardIsIndependentOfTheFirst()
{
    SeededRandomSource random(31337);
    QList<int> distances(kDeckSize - 1, 0);
    for (int cast = 0; cast < 77 * 150; ++cast) {
        CurrentReading reading = readingFor(QStringLiteral("Two Cards"), {});
        QVERIFY(castAutomatically(reading, random));
        const int distance = (reading.cards.at(1).index - reading.cards.at(0).index + kDeckSize) % kDeckSize;
        QVERIFY(distance != 0);
        ++distances[distance - 1];
    }
    QVERIFY2(chiSquare(distances) < 119.9, qPrintable(QString::number(chiSquare(distances))));
}

// Each position falls reversed half the time, whatever its neighbours do.
void DrawTest::reversalsAreFairAndIndependent()
{
    SeededRandomSource random(8128);
    const int casts = 20000;
    const int positions = 7;
    QList<int> reversedAt(positions, 0);
    // Joint counts of neighbouring positions: [both upright, first only, second only, both reversed].
    QList<QList<int>> pairs(positions - 1, QList<int>(4, 0));
    for (int cast = 0; cast < casts; ++cast) {
        CurrentReading reading = readingFor(QStringLiteral("Seven Card Chakra Layout"), {false, false, true});
        QVERIFY(castAutomatically(reading, random));
        const QList<int> flags = flagsOf(reading);
        for (int k = 0; k < positions; ++k) {
            reversedAt[k] += flags.at(k);
            if (k + 1 < positions)
                ++pairs[k][flags.at(k) + 2 * flags.at(k + 1)];
        }
    }
    // Four standard deviations of a fair coin over the casts.
    const double tolerance = 4 * std::sqrt(0.25 / casts);
    for (int k = 0; k < positions; ++k) {
        const double rate = double(reversedAt[k]) / casts;
        QVERIFY2(std::abs(rate - 0.5) < tolerance, qPrintable(QStringLiteral("position %1: %2").arg(k + 1).arg(rate)));
    }
    // Independent fair coins make the four combinations equally likely (3 degrees of freedom, p = 0.001).
    for (int k = 0; k + 1 < positions; ++k)
        QVERIFY2(chiSquare(pairs[k]) < 16.27, qPrintable(QString::number(chiSquare(pairs[k]))));
}

QTEST_GUILESS_MAIN(DrawTest)
#include "tst_draw.moc"
