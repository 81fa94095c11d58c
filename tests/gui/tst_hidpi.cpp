// Runs with QT_SCALE_FACTOR=2 (set by CTest): a screen of twice the density, as on a desktop scaled to 200 %.
#include "TableTestSupport.h"

#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QApplication>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

const QColor kField(200, 200, 200);

// The program's files with one deck at both sizes, and an empty data folder.
struct HiDpiFolder
{
    explicit HiDpiFolder(bool twice = true)
    {
        writeMarkedDeck(dir.filePath(QStringLiteral("program/decks/classic-1909")), kField, twice, QColor(0, 128, 0));
        QDir(dir.path()).mkpath(QStringLiteral("data"));
    }
    QTemporaryDir dir;
    AppFolder folder{dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("program"))};
};

// Where a box lies at 1×: its place from the spread table and the card's size, turned for the crossing card.
QRect designGeometry(const QString& spreadKey, int position, QSize card = kCardPictureSize)
{
    const TwipsPoint place = SpreadCatalogue::instance().byKey(spreadKey)->position(position)->place;
    return {QPoint(twipsToPixels(place.left), twipsToPixels(place.top)),
            SpreadCatalogue::instance().byKey(spreadKey)->isCrossingCard(position) ? card.transposed() : card};
}

} // namespace

class TestHiDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The whole test means nothing on a screen of ordinary density.
        QCOMPARE(qApp->devicePixelRatio(), 2.0);
    }

    // Every card of an automatic Celtic Cross, the reversed ones and the quarter-turned crossing card included, is
    // the deck's 2× picture carrying the ratio 2, in the very box the 1× table has.
    void celticCrossIsSharpAndLaidAsAt1x()
    {
        HiDpiFolder files;
        TestContext t(files.folder, 11);
        const Spread& celtic = *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey());
        t.reading.resetForNewCast();
        chooseCast(t.reading, celtic, CastOptions{false, false, true}, CastWay::Automatic);
        FakeReadingHost host;
        CardTable* table = openAutomaticCast(t.context, host);

        QList<TwipsPoint> places;
        int reversed = 0;
        for (int k = 0; k < celtic.cardCount(); ++k) {
            const CardBox* box = table->box(k);
            const QImage& shown = box->picture();
            QCOMPARE(shown.devicePixelRatio(), 2.0);
            QCOMPARE(box->geometry(), designGeometry(celtic.name, k));
            QCOMPARE(shown.size(), box->size() * 2);
            QCOMPARE(QPixmap(box->pixmap()).devicePixelRatio(), 2.0);
            // The 2× file itself, turned as the card lies.
            QImage upright = markedCardPicture(QSize(260, 450), box->cardIndex(), kField.darker(150))
                                 .convertToFormat(shown.format());
            upright.setDevicePixelRatio(2);
            const QImage expected = box->isQuarterTurned() ? rotatePicture90(upright)
                : box->isReversed()                        ? rotatePicture180(upright)
                                                           : upright;
            QCOMPARE(shown, expected);
            reversed += box->isReversed() ? 1 : 0;
            places.append(box->place());
        }
        QVERIFY(table->box(1)->isQuarterTurned());
        QVERIFY2(reversed > 0, "the seed should reverse a card");
        const TwipsSize size = cardTableSize(&celtic, places);
        QCOMPARE(table->size(), QSize(twipsToPixels(size.width), twipsToPixels(size.height)));
    }

    // A deck at the card size only is shown at its own pixels, never blown up, in the same boxes.
    void aDeckWithout2xPicturesKeepsItsPixels()
    {
        HiDpiFolder files(false);
        TestContext t(files.folder);
        CardTable table(chosenDeck(t.context));
        table.placeCard(SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey()), 1, 30, false);
        QCOMPARE(table.box(1)->picture().devicePixelRatio(), 1.0);
        QCOMPARE(table.box(1)->geometry(), designGeometry(SpreadCatalogue::celticCrossKey(), 1));
    }

    // Large scans (a user's deck of 350 × 600 pictures) fill the screen's pixels and keep their proportions.
    void largePicturesFillThePixels()
    {
        QTemporaryDir dir;
        const QString deck = dir.filePath(QStringLiteral("decks/scans"));
        QDir().mkpath(deck);
        for (int i = 0; i < 78; ++i)
            markedCardPicture(QSize(350, 600), i).save(deck + QStringLiteral("/r%1.jpg").arg(i), "JPEG");
        const AppFolder folder(dir.filePath(QStringLiteral("data")), dir.path());
        const DeckFolder scans = DeckLibrary::readFolder(deck, QStringLiteral("user:scans"), QStringLiteral("scans"),
                                                         DeckFolder::Source::User);
        CardTable table(scans);
        table.placeCard(SpreadCatalogue::instance().byKey(u"One Card"), 0, 5, true);
        QCOMPARE(table.box(0)->size(), QSize(130, 222));
        QCOMPARE(table.box(0)->picture().size(), QSize(260, 444));
        QCOMPARE(table.box(0)->picture().devicePixelRatio(), 2.0);
    }

    // The manual board's face-down cards carry the screen's ratio too, with the deck's own back.
    void theBoardsBacksAreSharp()
    {
        HiDpiFolder files;
        TestContext t(files.folder);
        const Spread& three = *SpreadCatalogue::instance().byKey(u"Three Cards");
        t.reading.resetForNewCast();
        chooseCast(t.reading, three, CastOptions{}, CastWay::Manual);
        FakeReadingHost host;
        ManualBoard board(t.context, host);
        const QPixmap& back = board.faceDownCard(0)->back();
        QCOMPARE(back.devicePixelRatio(), 2.0);
        QCOMPARE(back.size(), board.faceDownCard(0)->sizeHint() * 2);
        QCOMPARE(back.toImage().pixelColor(back.width() / 2, back.height() / 2), QColor(0, 128, 0));
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
