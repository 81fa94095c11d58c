#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"

#include <QSet>
#include <QTest>

using namespace quillmere;

Q_DECLARE_METATYPE(CastOptions)
Q_DECLARE_METATYPE(std::optional<CastRefusal>)
Q_DECLARE_METATYPE(CastMode)

namespace {

const QString kCelticCross = QStringLiteral("Celtic Cross");
const QString kThreeCards = QStringLiteral("Three Cards");

Cast begun(const QString& spreadKey, const CastOptions& options)
{
    const std::optional<Cast> cast = Cast::begin(*SpreadCatalogue::instance().byKey(spreadKey), options);
    if (!cast)
        qFatal("no cast for %s", qPrintable(spreadKey));
    return *cast;
}

// Three Cards with as many positions as asked for, each the same as its last.
Spread threeCardsOfSize(int positions)
{
    Spread spread = *SpreadCatalogue::instance().byKey(kThreeCards);
    while (spread.positions.size() > positions)
        spread.positions.removeLast();
    while (spread.positions.size() < positions)
        spread.positions.append(spread.positions.last());
    return spread;
}

} // namespace

class CastTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void allowedCardsPerLimit_data();
    void allowedCardsPerLimit();
    void impossibleCastsDoNotBegin();
    void drawnCastsHoldNoCardTwice_data();
    void drawnCastsHoldNoCardTwice();
    void crossingCardIsNeverReversed();
    void completionAndTakingBack();
    void placingChosenCards_data();
    void placingChosenCards();
    void refusalsInWords();
    void writtenCards_data();
    void writtenCards();
    void chosenWayMarksTheReading_data();
    void chosenWayMarksTheReading();
};

void CastTest::allowedCardsPerLimit_data()
{
    QTest::addColumn<CastOptions>("options");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("whole deck") << CastOptions{false, false, false} << 0 << 77;
    QTest::newRow("minor arcana") << CastOptions{true, false, false} << 22 << 77;
    QTest::newRow("major arcana") << CastOptions{false, true, false} << 0 << 21;
    QTest::newRow("major arcana, reversals") << CastOptions{false, true, true} << 0 << 21;
}

// Exactly the cards of the limit are allowed, and each of them can be placed on a fresh cast.
void CastTest::allowedCardsPerLimit()
{
    QFETCH(CastOptions, options);
    QFETCH(int, first);
    QFETCH(int, last);
    const Cast cast = begun(kThreeCards, options);
    QCOMPARE(cast.pool().size, last - first + 1);
    for (int card = -2; card < kDeckSize + 2; ++card) {
        const bool inside = card >= first && card <= last;
        QCOMPARE(cast.allows(card), inside);
        QCOMPARE(cast.isAvailable(card), inside);
        Cast fresh = cast;
        const std::optional<CastRefusal> refused = fresh.place(card, false);
        QCOMPARE(refused.has_value(), !inside);
        if (inside)
            QCOMPARE(fresh.cardAt(0), card);
        else
            QCOMPARE(fresh.placedCount(), 0);
    }
}

void CastTest::impossibleCastsDoNotBegin()
{
    QVERIFY(!Cast::begin(threeCardsOfSize(3), CastOptions{true, true, false}));
    QVERIFY(!Cast::begin(threeCardsOfSize(0), CastOptions{}));
    // Distinct cards: no more positions than the part of the deck holds.
    QVERIFY(!Cast::begin(threeCardsOfSize(kMajorArcanaCount + 1), CastOptions{false, true, false}));
    QVERIFY(Cast::begin(threeCardsOfSize(kMajorArcanaCount), CastOptions{false, true, false}));

    CurrentReading reading;
    QVERIFY(!Cast::forReading(reading));
    reading.spread = SpreadCatalogue::instance().byKey(kCelticCross);
    reading.options.minorOnly = true;
    reading.options.reversalsAllowed = true;
    const std::optional<Cast> cast = Cast::forReading(reading);
    QVERIFY(cast);
    QCOMPARE(&cast->spread(), reading.spread);
    QCOMPARE(cast->cardCount(), 10);
    QCOMPARE(cast->pool(), (DrawPool{22, 56}));
    QVERIFY(cast->options().reversalsAllowed);
}

void CastTest::drawnCastsHoldNoCardTwice_data()
{
    QTest::addColumn<CastOptions>("options");
    QTest::newRow("whole deck") << CastOptions{false, false, true};
    QTest::newRow("minor arcana") << CastOptions{true, false, true};
    QTest::newRow("major arcana") << CastOptions{false, true, true};
}

// A cast as large as its part of the deck draws every allowed card exactly once, and a drawn card can no
// longer be chosen.
void CastTest::drawnCastsHoldNoCardTwice()
{
    QFETCH(CastOptions, options);
    const DrawPool pool = *drawPool(options.minorOnly, options.majorOnly);
    const Spread spread = threeCardsOfSize(pool.size);
    std::optional<Cast> cast = Cast::begin(spread, options);
    QVERIFY(cast);
    SeededRandomSource random(5);
    QSet<int> seen;
    while (!cast->isComplete()) {
        const int card = cast->drawNext(random);
        QVERIFY(pool.contains(card));
        QVERIFY2(!seen.contains(card), "a card fell twice");
        seen.insert(card);
        QVERIFY(cast->isPlaced(card));
        QVERIFY(!cast->isAvailable(card));
        // Taken back, it can be had again; laid once more, not a second time.
        cast->takeBackLast();
        QVERIFY(cast->isAvailable(card));
        QCOMPARE(cast->place(card, false), std::nullopt);
        if (!cast->isComplete())
            QCOMPARE(cast->place(card, false), std::optional<CastRefusal>(CastRefusal::AlreadyPlaced));
    }
    QCOMPARE(seen.size(), pool.size);
}

// Whatever the decision says, and whoever chooses, the crossing card lies upright; the other positions follow
// the decisions.
void CastTest::crossingCardIsNeverReversed()
{
    Cast cast = begun(kCelticCross, CastOptions{false, false, true});
    ScriptedRandomSource random({0.0, 0.5, 0.99});
    cast.drawNext(random);
    cast.drawNext(random);
    cast.drawNext(random);
    ScriptedRandomSource reversing({0.99});
    for (int k = 0; k < 3; ++k)
        QCOMPARE(cast.decideReversal(k, reversing), k != kCrossingCardPosition);
    // One number per position, the crossing card's included.
    QCOMPARE(reversing.consumed(), 3);
    QCOMPARE(cast.flags(), (QList<int>{1, 0, 1}));
    QVERIFY(!cast.mayReverse(kCrossingCardPosition));
    QVERIFY(cast.mayReverse(0));

    Cast chosen = begun(kCelticCross, CastOptions{false, false, true});
    QCOMPARE(chosen.place(13, true), std::nullopt);
    QCOMPARE(chosen.place(5, true), std::optional<CastRefusal>(CastRefusal::CrossingCardUpright));
    QCOMPARE(chosen.placedCount(), 1);
    QCOMPARE(chosen.place(5, false), std::nullopt);
    QCOMPARE(chosen.place(6, true), std::nullopt);
    QCOMPARE(chosen.flags(), (QList<int>{1, 0, 1}));
    QCOMPARE(chosen.reversedCards(), (QList<int>{13, 6}));

    // In another spread the second position may lie reversed.
    Cast other = begun(kThreeCards, CastOptions{false, false, true});
    QCOMPARE(other.place(13, false), std::nullopt);
    QCOMPARE(other.place(5, true), std::nullopt);
}

void CastTest::completionAndTakingBack()
{
    Cast cast = begun(kThreeCards, CastOptions{});
    QCOMPARE(cast.nextPosition(), 0);
    QVERIFY(!cast.isComplete());
    cast.takeBackLast();
    QCOMPARE(cast.placedCount(), 0);
    for (int card : {40, 2, 77})
        QCOMPARE(cast.place(card, false), std::nullopt);
    QVERIFY(cast.isComplete());
    QCOMPARE(cast.nextPosition(), 3);
    QCOMPARE(cast.place(3, false), std::optional<CastRefusal>(CastRefusal::Complete));
    QCOMPARE(cast.cards(), (QList<int>{40, 2, 77}));

    cast.takeBackLast();
    QVERIFY(!cast.isComplete());
    QCOMPARE(cast.nextPosition(), 2);
    QVERIFY(cast.isAvailable(77));
    QCOMPARE(cast.place(3, false), std::nullopt);
    QCOMPARE(cast.cards(), (QList<int>{40, 2, 3}));
}

void CastTest::placingChosenCards_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<CastOptions>("options");
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<std::optional<CastRefusal>>("refusal");

    const std::optional<CastRefusal> placed;
    const CastOptions all{false, false, true};
    QTest::newRow("first card") << kThreeCards << all << QList<int>{} << 0 << false << placed;
    QTest::newRow("last card of the deck, reversed") << kThreeCards << all << QList<int>{} << 77 << true << placed;
    QTest::newRow("index below the deck")
        << kThreeCards << all << QList<int>{} << -1 << false << std::optional(CastRefusal::UnknownCard);
    QTest::newRow("index beyond the deck")
        << kThreeCards << all << QList<int>{} << 78 << false << std::optional(CastRefusal::UnknownCard);
    QTest::newRow("twice") << kThreeCards << all << QList<int>{12, 30} << 12 << false
                           << std::optional(CastRefusal::AlreadyPlaced);
    QTest::newRow("twice, the second time reversed")
        << kThreeCards << all << QList<int>{12} << 12 << true << std::optional(CastRefusal::AlreadyPlaced);
    QTest::newRow("minor card in a major cast") << kThreeCards << CastOptions{false, true, false} << QList<int>{} << 22
                                                << false << std::optional(CastRefusal::NotAllowed);
    QTest::newRow("last major card in a major cast")
        << kThreeCards << CastOptions{false, true, false} << QList<int>{} << 21 << false << placed;
    QTest::newRow("major card in a minor cast") << kThreeCards << CastOptions{true, false, false} << QList<int>{} << 21
                                                << false << std::optional(CastRefusal::NotAllowed);
    QTest::newRow("reversed without reversals")
        << kThreeCards << CastOptions{} << QList<int>{} << 5 << true << std::optional(CastRefusal::NoReversals);
    QTest::newRow("crossing card reversed")
        << kCelticCross << all << QList<int>{1} << 5 << true << std::optional(CastRefusal::CrossingCardUpright);
    QTest::newRow("crossing card upright") << kCelticCross << all << QList<int>{1} << 5 << false << placed;
    QTest::newRow("crossing card reversed without reversals")
        << kCelticCross << CastOptions{} << QList<int>{1} << 5 << true << std::optional(CastRefusal::NoReversals);
    QTest::newRow("beyond the last position")
        << kThreeCards << all << QList<int>{1, 2, 3} << 4 << false << std::optional(CastRefusal::Complete);
}

void CastTest::placingChosenCards()
{
    QFETCH(QString, spread);
    QFETCH(CastOptions, options);
    QFETCH(QList<int>, before);
    QFETCH(int, card);
    QFETCH(bool, reversed);
    QFETCH(std::optional<CastRefusal>, refusal);

    Cast cast = begun(spread, options);
    for (int earlier : before)
        QCOMPARE(cast.place(earlier, false), std::nullopt);
    QCOMPARE(cast.place(card, reversed), refusal);
    if (refusal) {
        // A refusal places nothing.
        QCOMPARE(cast.cards(), before);
        QVERIFY(!cast.refusalText(*refusal, card).isEmpty());
    } else {
        QCOMPARE(cast.cards(), before + QList<int>{card});
        QCOMPARE(cast.isReversed(static_cast<int>(before.size())), reversed);
    }
}

void CastTest::refusalsInWords()
{
    Cast major = begun(kCelticCross, CastOptions{false, true, true});
    QCOMPARE(major.place(13, false), std::nullopt);
    QCOMPARE(major.refusalText(CastRefusal::NotAllowed, 57), QStringLiteral("Ace of Cups is not in the major arcana"));
    QCOMPARE(major.refusalText(CastRefusal::AlreadyPlaced, 13),
             QStringLiteral("The High Priestess already lies on position 1"));
    QVERIFY(major.refusalText(CastRefusal::CrossingCardUpright, 5).contains(QLatin1String("(position 2)")));
    QVERIFY(major.refusalText(CastRefusal::UnknownCard, 99).contains(QLatin1String("99")));
    Cast minor = begun(kThreeCards, CastOptions{true, false, false});
    QCOMPARE(minor.refusalText(CastRefusal::NotAllowed, 6), QStringLiteral("The Fool is not in the minor arcana"));
    QCOMPARE(minor.refusalText(CastRefusal::Complete, 0), QStringLiteral("the spread has only 3 positions"));
    QCOMPARE(begun(QStringLiteral("One Card"), CastOptions{}).refusalText(CastRefusal::Complete, 0),
             QStringLiteral("the spread has only 1 position"));
}

// The reading takes the placed cards in place of whatever it held, each with its own lie.
void CastTest::writtenCards_data()
{
    QTest::addColumn<bool>("reversals");
    QTest::addColumn<QList<int>>("reversedCards");
    QTest::newRow("reversals") << true << QList<int>{2, 77};
    QTest::newRow("no reversals") << false << QList<int>{};
}

void CastTest::writtenCards()
{
    QFETCH(bool, reversals);
    QFETCH(QList<int>, reversedCards);

    Cast cast = begun(kThreeCards, CastOptions{false, false, reversals});
    QCOMPARE(cast.place(40, false), std::nullopt);
    QCOMPARE(cast.place(2, reversals), std::nullopt);
    QCOMPARE(cast.place(77, reversals), std::nullopt);
    CurrentReading reading;
    reading.cards = {{9, true}, {10, true}, {11, true}, {12, true}};
    cast.writeCards(reading);
    QCOMPARE(reading.cardIndices(), (QList<int>{40, 2, 77}));
    QCOMPARE(reading.reversedCardIndices(), reversedCards);
    QCOMPARE(reading.cards.at(1).reversed, reversals);

    // Part of a cast: only the positions placed so far.
    Cast upright = begun(kThreeCards, CastOptions{false, false, true});
    QCOMPARE(upright.place(1, false), std::nullopt);
    upright.writeCards(reading);
    QCOMPARE(reading.cards, (QList<ReadingCard>{{1, false}}));
}

void CastTest::chosenWayMarksTheReading_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<CastMode>("mode");
    QTest::newRow("automatic") << static_cast<int>(CastWay::Automatic) << CastMode::Automatic;
    QTest::newRow("manual") << static_cast<int>(CastWay::Manual) << CastMode::Manual;
    QTest::newRow("from the deck") << static_cast<int>(CastWay::FromDeck) << CastMode::Automatic;
}

void CastTest::chosenWayMarksTheReading()
{
    QFETCH(int, way);
    QFETCH(CastMode, mode);
    CurrentReading reading;
    reading.resetForNewCast();
    QCOMPARE(reading.mode, CastMode::NotChosen);
    QVERIFY(!reading.spread);
    const Spread& spread = *SpreadCatalogue::instance().byKey(kCelticCross);
    chooseCast(reading, spread, CastOptions{true, false, true}, static_cast<CastWay>(way));
    QCOMPARE(reading.spread, &spread);
    QCOMPARE(reading.spreadKey(), kCelticCross);
    QCOMPARE(reading.cardCount(), 10);
    QCOMPARE(reading.options, (CastOptions{true, false, true}));
    QCOMPARE(reading.mode, mode);
}

QTEST_GUILESS_MAIN(CastTest)
#include "tst_cast.moc"
