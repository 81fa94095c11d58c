#include "TableTestSupport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "storage/RecordFormat.h"
#include "storage/SavedReadingText.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ReopenedReading.h"

#include <QFile>
#include <QMdiSubWindow>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(QUILLMERE_FIXTURES_DIR "/reopen/") + QString::fromLatin1(name);
}

QImage uprightPicture(int card, QImage::Format format)
{
    return markedCardPicture(kCardPictureSize, card).convertToFormat(format);
}

} // namespace

class TestReopened : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void celticCrossComesBackWithItsCards();
    void unknownSpreadKeepsDesignPlaces();
    void unreadableRecordShowsNothing_data();
    void unreadableRecordShowsNothing();

private:
    TestFolder m_deck;
};

void TestReopened::celticCrossComesBackWithItsCards()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    // The reading in progress keeps its spread and cards; only the querent and the moment change.
    t.reading.spread = SpreadCatalogue::instance().byKey(u"Three Cards");
    t.reading.cards = {{1, false}, {2, true}, {3, false}};

    QCOMPARE(openReopenedReading(t.context, host, fixture("celtic-cross-reversed")), QString());

    QCOMPARE(t.reading.querentName, QStringLiteral("Anne Marie"));
    QCOMPARE(t.reading.question, QStringLiteral("Will it rain, then?"));
    QCOMPARE(t.reading.creationDate, QStringLiteral("12/8/25"));
    QCOMPARE(t.reading.creationTime, QStringLiteral("3:34:05 PM"));
    QCOMPARE(t.reading.spreadKey(), QStringLiteral("Three Cards"));
    QCOMPARE(t.reading.cards, (QList<ReadingCard>{{1, false}, {2, true}, {3, false}}));

    const ReadingRecord record = *readRecordFile(fixture("celtic-cross-reversed"));
    QCOMPARE(host.paneText, showSavedReading(record));
    QCOMPARE(host.state, FakeReadingHost::State::Reopened);

    auto* table = host.workspace()->findChild<CardTable*>(QStringLiteral("frmReading"));
    QVERIFY(table);
    const Spread& celtic = *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey());
    for (int k = 0; k < 10; ++k) {
        CardBox* box = table->box(k);
        const RecordCard& card = record.cards[k];
        QVERIFY(!box->isHidden());
        QCOMPARE(box->numberLabel()->text(), QString::number(k + 1));
        const QImage upright = uprightPicture(card.index, box->picture().format());
        if (k == kCrossingCardPosition) {
            // Stored as reversed, yet shown upright and turned a quarter like every crossing card.
            QVERIFY(card.reversed);
            QCOMPARE(box->picture(), rotatePicture90(upright));
            QCOMPARE(box->size(), kCardPictureSize.transposed());
        } else {
            QCOMPARE(box->picture(), card.reversed ? rotatePicture180(upright) : upright);
            QCOMPARE(box->size(), kCardPictureSize);
        }
        QCOMPARE(box->pos(),
                 QPoint(twipsToPixels(celtic.positions[k].place.left), twipsToPixels(celtic.positions[k].place.top)));
    }
    QCOMPARE(table->box(9)->accessibleName(),
             QStringLiteral("Position 10: The Outcome \u2014 %1, reversed").arg(Deck::instance().name(55)));
    QCOMPARE(table->sizeInTwips(), (TwipsSize{11000, 15100}));
    QMdiSubWindow* window = host.workspace()->subWindowList().value(0);
    QCOMPARE(window->pos(), QPoint(0, 0));
}

void TestReopened::unknownSpreadKeepsDesignPlaces()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;

    QCOMPARE(openReopenedReading(t.context, host, fixture("unknown-spread")), QString());

    auto* table = host.workspace()->findChild<CardTable*>(QStringLiteral("frmReading"));
    QVERIFY(table);
    QCOMPARE(table->box(0)->place(), (TwipsPoint{240, 1320}));
    QVERIFY(!table->box(0)->isHidden());
    // Card 99 is no card of the deck: no picture, nothing shown at its position.
    QVERIFY(table->box(1)->isHidden());
    QVERIFY(table->box(1)->picture().isNull());
    QCOMPARE(table->box(2)->place(), (TwipsPoint{4560, 1320}));
    QCOMPARE(table->box(2)->picture(), rotatePicture180(uprightPicture(41, table->box(2)->picture().format())));
    QCOMPARE(table->sizeInTwips(), (TwipsSize{4560 + 2200, 1320 + 3800}));
    QVERIFY(!host.paneText.plainText().contains(QStringLiteral("Card 2\r\n")));
}

void TestReopened::unreadableRecordShowsNothing_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing file") << QByteArray() << false;
    QTest::newRow("empty file") << QByteArray() << true;
    QTest::newRow("binary file") << QByteArray("\x00\x01\x02\x89PNG\x00", 9) << true;
}

void TestReopened::unreadableRecordShowsNothing()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, exists);
    TestContext t(m_deck.folder);
    t.reading.querentName = QStringLiteral("Kept");
    FakeReadingHost host;
    const QString path = m_deck.folder.path(QStringLiteral("temp"));
    QFile::remove(path);
    if (exists) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    const QString error = openReopenedReading(t.context, host, path);

    QVERIFY(!error.isEmpty());
    QCOMPARE(host.textUpdates, 0);
    QCOMPARE(host.state, FakeReadingHost::State::NoReading);
    QVERIFY(host.workspace()->subWindowList().isEmpty());
    QCOMPARE(t.reading.querentName, QStringLiteral("Kept"));
}

QTEST_MAIN(TestReopened)
#include "tst_reopened.moc"
