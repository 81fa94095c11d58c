#include "TableTestSupport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "engine/ReadingComposer.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// A deck index as the draw makes it from u: a value in the middle of the card's slice of the pool.
double uniformFor(int offsetInPool, int poolSize)
{
    return (offsetInPool + 0.5) / poolSize;
}

void prepareAutomatic(CurrentReading& reading, const Spread& spread, bool minorOnly, bool majorOnly, bool reversals)
{
    reading.resetForNewCast();
    chooseCast(reading, spread, CastOptions{minorOnly, majorOnly, reversals}, CastWay::Automatic);
}

QPoint redCornerAfterQuarterTurn(QSize upright)
{
    return {upright.height() - 1, 0};
}

} // namespace

class TestCardTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void turnsMovePixels_data();
    void turnsMovePixels();
    void picturesLoadByIndexAndFitTheCardSize_data();
    void picturesLoadByIndexAndFitTheCardSize();
    void picturesForEveryDensity_data();
    void picturesForEveryDensity();
    void automaticCastLaysEverySpread_data();
    void automaticCastLaysEverySpread();
    void reversedAndCrossingCardsAreTurned();
    void higherPositionsLieAbove();
    void missingPictureLeavesAnEmptyBox();
    void tallTableScrollsInsideTheWorkspace();
    void manualOpeningDrawsNothing();
    void sizeFollowsTheBoxesWhereTheyAre();

private:
    // One folder of marked pictures for the tests that only read it.
    TestFolder m_deck;
};

void TestCardTable::turnsMovePixels_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("portrait card") << QSize(130, 225);
    QTest::newRow("landscape picture") << QSize(200, 90);
}

void TestCardTable::turnsMovePixels()
{
    QFETCH(QSize, size);
    const QImage upright = markedCardPicture(size, 3);

    const QImage quarter = rotatePicture90(upright);
    QCOMPARE(quarter.size(), size.transposed());
    // Clockwise: the former top-left corner is now top-right, the former bottom-right corner bottom-left.
    QCOMPARE(QColor(quarter.pixel(redCornerAfterQuarterTurn(size))), QColor(255, 0, 0));
    QCOMPARE(QColor(quarter.pixel(0, size.width() - 1)), QColor(0, 0, 255));
    QCOMPARE(QColor(quarter.pixel(0, 0)), QColor(200, 200, 200));

    const QImage half = rotatePicture180(upright);
    QCOMPARE(half.size(), size);
    QCOMPARE(QColor(half.pixel(0, 0)), QColor(0, 0, 255));
    QCOMPARE(QColor(half.pixel(size.width() - 1, size.height() - 1)), QColor(255, 0, 0));
    for (int y = 0; y < size.height(); y += 7)
        for (int x = 0; x < size.width(); x += 5)
            QCOMPARE(half.pixel(x, y), upright.pixel(size.width() - 1 - x, size.height() - 1 - y));
}

void TestCardTable::picturesLoadByIndexAndFitTheCardSize_data()
{
    QTest::addColumn<QSize>("fileSize");
    QTest::addColumn<QSize>("shownSize");
    QTest::newRow("standard size") << QSize(130, 225) << QSize(130, 225);
    QTest::newRow("twice as large") << QSize(260, 450) << QSize(130, 225);
    QTest::newRow("square and large") << QSize(400, 400) << QSize(130, 130);
    QTest::newRow("small") << QSize(65, 112) << QSize(130, 225);
}

void TestCardTable::picturesLoadByIndexAndFitTheCardSize()
{
    QFETCH(QSize, fileSize);
    QFETCH(QSize, shownSize);
    TestFolder test(fileSize);
    QVERIFY(QFile::remove(test.folder.cardPicture(41)));
    QFile garbage(test.folder.cardPicture(41));
    QVERIFY(garbage.open(QIODevice::WriteOnly));
    garbage.write("not a picture");
    garbage.close();
    QVERIFY(QFile::remove(test.folder.cardPicture(77)));

    const QImage five = loadCardPicture(test.folder, 5);
    QCOMPARE(five.size(), shownSize);
    // The picture is the file of card 5: its top-left is red, its bottom-right grey or blue.
    QCOMPARE(QColor(five.pixel(1, 1)), QColor(255, 0, 0));
    QVERIFY(loadCardPicture(test.folder, 41).isNull());
    QVERIFY(loadCardPicture(test.folder, 77).isNull());
}

void TestCardTable::picturesForEveryDensity_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<qreal>("shownRatio");
    QTest::addColumn<bool>("fromTwice");
    QTest::newRow("1x") << 1.0 << true << QSize(130, 225) << 1.0 << false;
    QTest::newRow("1.25x from the 2x file") << 1.25 << true << QSize(163, 281) << 1.25 << true;
    QTest::newRow("1.5x from the 2x file") << 1.5 << true << QSize(195, 338) << 1.5 << true;
    QTest::newRow("2x") << 2.0 << true << QSize(260, 450) << 2.0 << true;
    // Past what the deck has, the picture keeps its pixels; the painter does the rest.
    QTest::newRow("3x") << 3.0 << true << QSize(260, 450) << 2.0 << true;
    QTest::newRow("2x without a 2x file") << 2.0 << false << QSize(130, 225) << 1.0 << false;
}

// A picture is loaded with as many pixels as the screen shows and carries the ratio, so its logical size, and with
// it every box and table, stays what it is at 1x.
void TestCardTable::picturesForEveryDensity()
{
    QFETCH(qreal, ratio);
    QFETCH(bool, twice);
    QFETCH(QSize, pixels);
    QFETCH(qreal, shownRatio);
    QFETCH(bool, fromTwice);
    QTemporaryDir dir;
    const QColor field(200, 200, 200);
    writeMarkedDeck(dir.path(), field, twice);
    const DeckFolder deck = DeckLibrary::readFolder(dir.path(), QStringLiteral("user:marked"), QStringLiteral("marked"),
                                                    DeckFolder::Source::User);
    const QImage picture = loadCardPicture(deck, 12, ratio);
    QCOMPARE(picture.size(), pixels);
    QCOMPARE(picture.devicePixelRatio(), shownRatio);
    QCOMPARE(logicalSize(picture), kCardPictureSize);
    // The field tells the file apart; smooth scaling may round a channel by one.
    const QColor shown = picture.pixelColor(pixels.width() * 3 / 4, pixels.height() / 4);
    const QColor expected = fromTwice ? field.darker(150) : field;
    QVERIFY2(std::abs(shown.red() - expected.red()) <= 1 && std::abs(shown.blue() - expected.blue()) <= 1,
             qPrintable(shown.name()));
    // Both turns keep the ratio.
    QCOMPARE(rotatePicture90(picture).devicePixelRatio(), shownRatio);
    QCOMPARE(logicalSize(rotatePicture90(picture)), kCardPictureSize.transposed());
    QCOMPARE(rotatePicture180(picture).devicePixelRatio(), shownRatio);
}

void TestCardTable::automaticCastLaysEverySpread_data()
{
    QTest::addColumn<int>("spreadIndex");
    QTest::addColumn<bool>("minorOnly");
    QTest::addColumn<bool>("majorOnly");
    QTest::addColumn<bool>("reversals");
    for (const Spread& spread : SpreadCatalogue::instance().spreads()) {
        for (int options = 0; options < 6; ++options) {
            const bool minorOnly = options % 3 == 1;
            const bool majorOnly = options % 3 == 2;
            const bool reversals = options >= 3;
            QTest::addRow("%s minor=%d major=%d reversals=%d", qPrintable(spread.name), minorOnly, majorOnly, reversals)
                << spread.index << minorOnly << majorOnly << reversals;
        }
    }
}

void TestCardTable::automaticCastLaysEverySpread()
{
    QFETCH(int, spreadIndex);
    QFETCH(bool, minorOnly);
    QFETCH(bool, majorOnly);
    QFETCH(bool, reversals);
    const Spread& spread = *SpreadCatalogue::instance().at(spreadIndex);
    const TestFolder& test = m_deck;
    TestContext t(test.folder, 1000 + spreadIndex);
    FakeReadingHost host;
    prepareAutomatic(t.reading, spread, minorOnly, majorOnly, reversals);

    CardTable* table = openAutomaticCast(t.context, host);
    QVERIFY(table);
    QCOMPARE(table->objectName(), QStringLiteral("frmAuto"));
    const int n = spread.cardCount();

    // The draw: n distinct cards from the pool.
    const DrawPool pool = *drawPool(minorOnly, majorOnly);
    QSet<int> seen;
    for (int k = 0; k < n; ++k) {
        const int card = t.reading.cards.at(k).index;
        QVERIFY2(pool.contains(card), qPrintable(QString::number(card)));
        seen.insert(card);
    }
    QCOMPARE(seen.size(), n);

    for (int k = 0; k < CardTable::kBoxCount; ++k) {
        CardBox* box = table->box(k);
        QCOMPARE(box->objectName(), QStringLiteral("p_%1").arg(k));
        if (k >= n) {
            QVERIFY(box->isHidden());
            continue;
        }
        const int card = t.reading.cards.at(k).index;
        const bool reversed = t.reading.cards.at(k).reversed;
        const bool crossing = spread.isCrossingCard(k);
        QVERIFY(!box->isHidden());
        QVERIFY(!box->numberLabel()->isHidden());
        QCOMPARE(box->numberLabel()->text(), QString::number(k + 1));
        const QSize expectedSize = crossing ? kCardPictureSize.transposed() : kCardPictureSize;
        QCOMPARE(box->geometry(),
                 twipsRect(spread.positions[k].place.left, spread.positions[k].place.top, expectedSize));
        QCOMPARE(reversed, t.reading.reversedCardIndices().contains(card));
        if (crossing)
            QVERIFY(!reversed);
        if (!reversals)
            QVERIFY(!reversed);
        QVERIFY(box->accessibleName().startsWith(QStringLiteral("Position %1").arg(k + 1)));
        QVERIFY(box->accessibleName().contains(Deck::instance().name(card)));
        QCOMPARE(box->accessibleName().endsWith(QStringLiteral(", reversed")), reversed);
    }
    QCOMPARE(table->size(), QSize(twipsToPixels(spread.tableSize.width), twipsToPixels(spread.tableSize.height)));

    // The pane holds the composed reading and the main window shows a fresh reading.
    QCOMPARE(host.paneText, composeReading(t.reading, t.clock));
    QCOMPARE(host.state, FakeReadingHost::State::Fresh);
    auto* window = qobject_cast<QMdiSubWindow*>(host.workspace()->subWindowList().value(0));
    QVERIFY(window);
    QCOMPARE(window->pos(), QPoint(0, 0));
    QVERIFY(window->isAncestorOf(table));
}

void TestCardTable::reversedAndCrossingCardsAreTurned()
{
    const TestFolder& test = m_deck;
    TestContext t(test.folder);
    const Spread& celtic = *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey());
    // Cards 10 to 19 in order; then reversal decisions: position 1 reversed, position 2 (the crossing card) drawn as
    // reversed but kept upright, position 3 upright, the rest reversed.
    QList<double> values;
    for (int card = 10; card < 20; ++card)
        values.append(uniformFor(card, 78));
    values << 0.9 << 0.9 << 0.2 << 0.9 << 0.9 << 0.9 << 0.9 << 0.9 << 0.9 << 0.9;
    ScriptedRandomSource scripted(values);
    AppContext context{t.reading, test.folder, scripted,  t.clock,   t.notifier,
                       t.pause,   t.urlOpener, QString(), t.settings};
    FakeReadingHost host;
    prepareAutomatic(t.reading, celtic, false, false, true);

    CardTable* table = openAutomaticCast(context, host);

    const QImage upright10 = markedCardPicture(kCardPictureSize, 10);
    QCOMPARE(table->box(0)->picture(), rotatePicture180(upright10).convertToFormat(table->box(0)->picture().format()));
    QCOMPARE(table->box(0)->size(), kCardPictureSize);
    QCOMPARE(table->box(0)->accessibleName(),
             QStringLiteral("Position 1: The Covering \u2014 %1, reversed").arg(Deck::instance().name(10)));

    const QImage crossing = table->box(1)->picture();
    QCOMPARE(crossing.size(), kCardPictureSize.transposed());
    QCOMPARE(QColor(crossing.pixel(redCornerAfterQuarterTurn(kCardPictureSize))), QColor(255, 0, 0));
    QVERIFY(!t.reading.cards.at(1).reversed);
    QCOMPARE(table->box(1)->accessibleName(),
             QStringLiteral("Position 2: The Crossing \u2014 %1, lying across").arg(Deck::instance().name(11)));

    QCOMPARE(QColor(table->box(2)->picture().pixel(1, 1)), QColor(255, 0, 0));
    QCOMPARE(t.reading.reversedCardIndices(), (QList<int>{10, 13, 14, 15, 16, 17, 18, 19}));
    // The number stays at the reversed box's top-left corner.
    QCOMPARE(table->box(0)->numberLabel()->pos(), QPoint(0, 0));
}

void TestCardTable::higherPositionsLieAbove()
{
    const TestFolder& test = m_deck;
    TestContext t(test.folder);
    FakeReadingHost host;
    prepareAutomatic(t.reading, *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey()), false, false,
                     false);
    CardTable* table = openAutomaticCast(t.context, host);
    const QRect overlap = table->box(0)->geometry().intersected(table->box(1)->geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(table->childAt(overlap.center()), table->box(1));
}

void TestCardTable::missingPictureLeavesAnEmptyBox()
{
    TestFolder test;
    QVERIFY(QFile::remove(test.folder.cardPicture(41)));
    TestContext t(test.folder);
    ScriptedRandomSource scripted({uniformFor(5, 78), uniformFor(41, 78), uniformFor(77, 78)});
    AppContext context{t.reading, test.folder, scripted,  t.clock,   t.notifier,
                       t.pause,   t.urlOpener, QString(), t.settings};
    FakeReadingHost host;
    const Spread& three = *SpreadCatalogue::instance().byKey(u"Three Cards");
    prepareAutomatic(t.reading, three, false, false, false);

    CardTable* table = openAutomaticCast(context, host);

    QCOMPARE(t.reading.cardIndices(), (QList<int>{5, 41, 77}));
    CardBox* empty = table->box(1);
    QVERIFY(empty->picture().isNull());
    QVERIFY(!empty->isHidden());
    QVERIFY(!empty->numberLabel()->isHidden());
    QCOMPARE(empty->geometry(), twipsRect(4400, 2500, emptyCardBoxSize()));
    QCOMPARE(emptyCardBoxSize(), QSize(80, 33));
    QCOMPARE(table->box(2)->size(), kCardPictureSize);
    QCOMPARE(table->size(), QSize(twipsToPixels(8800), twipsToPixels(6300)));
    QCOMPARE(host.paneText, composeReading(t.reading, t.clock));
    QVERIFY(host.paneText.plainText().contains(Deck::instance().name(41)));
    QVERIFY(t.notifier.messages.isEmpty());
}

void TestCardTable::tallTableScrollsInsideTheWorkspace()
{
    const TestFolder& test = m_deck;
    TestContext t(test.folder);
    FakeReadingHost host;
    host.workspace()->resize(900, 600);
    host.workspace()->show();
    prepareAutomatic(t.reading, *SpreadCatalogue::instance().byKey(u"Seven Card Chakra Layout"), false, false, false);

    CardTable* table = openAutomaticCast(t.context, host);

    QCOMPARE(table->height(), twipsToPixels(26400));
    QMdiSubWindow* window = host.workspace()->subWindowList().value(0);
    QVERIFY(window->height() <= host.workspace()->viewport()->height());
    auto* area = qobject_cast<QScrollArea*>(window->widget());
    QVERIFY(area);
    QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);
    area->ensureWidgetVisible(table->box(0));
    QVERIFY(area->verticalScrollBar()->value() > 0);
}

void TestCardTable::manualOpeningDrawsNothing()
{
    const TestFolder& test = m_deck;
    TestContext t(test.folder);
    FakeReadingHost host;
    t.reading.resetForNewCast();
    chooseCast(t.reading, *SpreadCatalogue::instance().byKey(u"Three Cards"), CastOptions{}, CastWay::Manual);

    CardTable* table = openAutomaticCast(t.context, host);

    QVERIFY(t.reading.cards.isEmpty());
    for (int k = 0; k < CardTable::kBoxCount; ++k) {
        QVERIFY(table->box(k)->isHidden());
        QVERIFY(table->box(k)->picture().isNull());
    }
    StyledText header;
    StyledTextWriter out(header);
    writeReadingHeader(out, t.reading, t.clock);
    QCOMPARE(host.paneText, header);
}

void TestCardTable::sizeFollowsTheBoxesWhereTheyAre()
{
    const TestFolder& test = m_deck;
    CardTable table(test.folder);
    // Boxes not yet placed stand at their design places: the second row starts at top 2160.
    const Spread* oneCard = SpreadCatalogue::instance().byKey(u"One Card");
    table.sizeToCards(SpreadCatalogue::instance().byKey(u"Seven Card Chakra Layout"), 7);
    QCOMPARE(table.sizeInTwips(), (TwipsSize{8640 + 2200, 2160 + 3800}));
    table.placeCard(oneCard, 0, 4, false);
    table.sizeToCards(oneCard, 1);
    QCOMPARE(table.sizeInTwips(), (TwipsSize{7200, 6300}));
    table.sizeToCards(SpreadCatalogue::instance().byKey(u"Celtic Cross"), 10);
    QCOMPARE(table.sizeInTwips(), (TwipsSize{11000, 15100}));
    table.clearPictures();
    QVERIFY(table.box(0)->picture().isNull());
    QVERIFY(!table.box(0)->isHidden());
    QCOMPARE(table.box(0)->place(), (TwipsPoint{5000, 2500}));
}

QTEST_MAIN(TestCardTable)
#include "tst_cardtable.moc"
