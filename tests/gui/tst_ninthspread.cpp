#include "TableTestSupport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/ReadingComposer.h"
#include "storage/ReadingArchive.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

constexpr int kHorseshoeCrossing = 3;

// A spread the program does not have: seven cards in a horseshoe, the middle one lying across its neighbour, its
// description after an empty line and the laying text of one position its own.
Spread horseshoe()
{
    Spread spread;
    spread.index = 8;
    spread.name = QStringLiteral("Horseshoe");
    spread.headerTitle = QStringLiteral("Spread Type - Horseshoe Spread");
    spread.description = QStringLiteral("Seven cards in an open curve, from the past to the outcome.");
    spread.layout = PositionLayout::SameLine;
    spread.descriptionLayout = DescriptionLayout::AfterEmptyLine;
    const char* titles[]
        = {"Card 1 - The Past: ", "Card 2 - The Present: ", "Card 3 - Hidden: ",     "Card 4 - The Obstacle: ",
           "Card 5 - Others: ",   "Card 6 - Advice: ",      "Card 7 - The Outcome: "};
    const TwipsPoint places[]
        = {{100, 7600}, {1500, 3800}, {3300, 800}, {5200, 0}, {7100, 800}, {8900, 3800}, {10300, 7600}};
    for (int k = 0; k < 7; ++k) {
        const QString title = QString::fromLatin1(titles[k]);
        spread.positions.append({title, QStringLiteral("Meaning of horseshoe position %1.").arg(k + 1), places[k],
                                 title.section(QStringLiteral(" - "), 1).chopped(2), QString()});
    }
    spread.positions[5].layingText = QStringLiteral("Card 6 and Card 7 follow.");
    spread.crossingPosition = kHorseshoeCrossing;
    spread.tableSize = {10300 + 2200, 7600 + 3800};
    return spread;
}

// The program's catalogue with the horseshoe after its eight spreads.
SpreadCatalogue catalogueWithHorseshoe()
{
    QList<Spread> spreads = SpreadCatalogue::builtInSpreads();
    spreads.append(horseshoe());
    return SpreadCatalogue(spreads);
}

// Every number reverses: only the crossing card's own rule keeps it upright.
class AlwaysReversing final : public RandomSource
{
public:
    double next() override { return m_draws++ < 7 ? (m_draws * 10 + 0.5) / kDeckSize : 0.99; }

private:
    int m_draws = 0;
};

// Numbers that lay the cards 10, 20, 30, ... and let the test look at the board before each of them.
class WatchingRandomSource final : public RandomSource
{
public:
    double next() override
    {
        if (watch)
            watch();
        return (++m_count * 10 + 0.5) / kDeckSize;
    }
    std::function<void()> watch;

private:
    int m_count = 0;
};

} // namespace

// A spread added to the catalogue is cast, composed, kept, laid on the table and laid by hand from its entry alone.
class TestNinthSpread : public QObject
{
    Q_OBJECT

private:
    TestFolder m_deck;
    const SpreadCatalogue m_catalogue = catalogueWithHorseshoe();
    const Spread& ninth() const { return *m_catalogue.at(8); }

private Q_SLOTS:
    void theCatalogueHoldsIt()
    {
        QCOMPARE(m_catalogue.count(), 9);
        QCOMPARE(m_catalogue.byKey(u"Horseshoe"), &ninth());
        QCOMPARE(m_catalogue.byKey(u"Celtic Cross")->cardCount(), 10);
    }

    void itIsCastAndComposed()
    {
        CurrentReading reading;
        reading.querentName = QStringLiteral("Nia");
        chooseCast(reading, ninth(), CastOptions{false, false, true}, CastWay::Automatic);
        AlwaysReversing random;
        QVERIFY(castAutomatically(reading, random));
        QCOMPARE(reading.positionCount(), 7);
        for (int k = 0; k < 7; ++k)
            QCOMPARE(reading.cards.at(k).reversed, k != kHorseshoeCrossing);

        const FixedReadingClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 0, 0)));
        const QString text = composeReading(reading, clock).plainText();
        QVERIFY(text.contains(QStringLiteral("Spread Type - Horseshoe Spread\r\n\r\nSeven cards in an open curve")));
        for (int k = 0; k < 7; ++k) {
            const SpreadPosition& position = ninth().positions[k];
            // The titles and meanings share a line, as the spread says.
            QVERIFY2(text.contains(position.title + position.meaning), qPrintable(position.title));
            const QString card = Deck::instance().name(reading.cards.at(k).index);
            QCOMPARE(text.contains(card + QStringLiteral(" - Reversed")), k != kHorseshoeCrossing);
        }

        const ReadingRecord record = tempRecordOf(reading, clock);
        QCOMPARE(record.spreadName, QStringLiteral("Horseshoe"));
        QCOMPARE(record.cards.size(), 7);
    }

    void itIsLaidOnTheTable()
    {
        TestContext t(m_deck.folder);
        FakeReadingHost host;
        t.reading.resetForNewCast();
        chooseCast(t.reading, ninth(), CastOptions{false, false, true}, CastWay::Automatic);
        CardTable* table = openAutomaticCast(t.context, host);
        QVERIFY(table);
        QCOMPARE(table->spread(), &ninth());
        QList<TwipsPoint> places;
        for (int k = 0; k < CardTable::kBoxCount; ++k) {
            CardBox* box = table->box(k);
            if (k >= 7) {
                QVERIFY(box->isHidden());
                continue;
            }
            QCOMPARE(box->place(), ninth().positions[k].place);
            QCOMPARE(box->isQuarterTurned(), k == kHorseshoeCrossing);
            QVERIFY2(box->accessibleName().startsWith(
                         QStringLiteral("Position %1: %2").arg(k + 1).arg(ninth().positions[k].shortTitle)),
                     qPrintable(box->accessibleName()));
            places.append(box->place());
        }
        QCOMPARE(table->sizeInTwips(), ninth().tableSize);
        QCOMPARE(table->sizeInTwips(), ninth().tableSizeFor(places));
        QCOMPARE(host.paneText, composeReading(t.reading, t.clock));
    }

    void itIsLaidByHand()
    {
        TestContext t(m_deck.folder);
        FakeReadingHost host;
        t.reading.resetForNewCast();
        chooseCast(t.reading, ninth(), CastOptions{false, false, false}, CastWay::Manual);
        ManualBoard* board = openManualBoard(t.context, host);
        QPointer<ManualBoard> watched(board);
        QCOMPARE(board->panelText(), *ninth().panelText(0));
        for (int pick = 0; pick < 7; ++pick) {
            QCOMPARE(board->panelText(), *ninth().panelText(pick));
            QTest::mouseClick(board->faceDownCard(pick), Qt::LeftButton);
        }
        QTRY_VERIFY(watched.isNull());
        QCOMPARE(t.reading.positionCount(), 7);
        auto* table = host.workspace()->findChild<CardTable*>(QStringLiteral("frmAuto"));
        QVERIFY(table);
        QCOMPARE(table->box(kHorseshoeCrossing)->isQuarterTurned(), true);
        QCOMPARE(table->sizeInTwips(), ninth().tableSize);
        const StorageValue<ReadingRecord> record = readRecordFile(t.context.folder.tempRecord());
        QVERIFY(record);
        QCOMPARE(record->spreadName, QStringLiteral("Horseshoe"));
        QCOMPARE(record->cards.size(), 7);
    }

    // While the cards fall, the panel names the next position with the laying text the spread gives it, and with
    // the position's own text where it gives none.
    void theBoardFollowsTheLayingTexts()
    {
        TestContext t(m_deck.folder);
        WatchingRandomSource random;
        AppContext context{t.reading, t.context.folder, random,    t.clock,   t.notifier,
                           t.pause,   t.urlOpener,      QString(), t.settings};
        FakeReadingHost host;
        t.reading.resetForNewCast();
        chooseCast(t.reading, ninth(), CastOptions{}, CastWay::Manual);
        ManualBoard* board = openManualBoard(context, host);
        QPointer<ManualBoard> watched(board);
        QMap<int, QString> panelBeforeDraw;
        random.watch = [&] {
            if (watched)
                panelBeforeDraw.insert(t.reading.positionCount(), watched->panelText());
        };
        for (int pick = 0; pick < 7; ++pick)
            QTest::mouseClick(board->faceDownCard(pick), Qt::LeftButton);
        QTRY_VERIFY(watched.isNull());
        for (int k = 1; k < 7; ++k) {
            const SpreadPosition& position = ninth().positions[k];
            QCOMPARE(panelBeforeDraw.value(k),
                     position.layingText.isEmpty() ? *ninth().panelText(k) : position.layingText);
        }
        QCOMPARE(panelBeforeDraw.value(5), QStringLiteral("Card 6 and Card 7 follow."));
    }
};

QTEST_MAIN(TestNinthSpread)
#include "tst_ninthspread.moc"
