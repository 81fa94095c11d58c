#include "TableTestSupport.h"

#include "content/PictureCards.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "screens/DeckBrowser.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"
#include "storage/RecordFormat.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"
#include "table/ReopenedReading.h"

#include <QActionGroup>
#include <QLabel>
#include <QListView>
#include <QMdiArea>
#include <QMenu>
#include <QWindow>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

const QColor kClassicField(200, 200, 200);
const QColor kEmblemField(220, 200, 120);
const QColor kMineField(120, 170, 220);
const QColor kMineBack(0, 128, 0);

// An install: both built-in decks among the program's files; in the data folder a deck of the user's own with a
// back, and one that lacks three pictures.
struct DeckFixture
{
    DeckFixture()
    {
        writeMarkedDeck(program(QStringLiteral("decks/classic-1909")), kClassicField, false);
        writeMarkedDeck(program(QStringLiteral("decks/quillmere-emblems")), kEmblemField, false);
        writeMarkedDeck(data(QStringLiteral("decks/mine")), kMineField, false, kMineBack);
        writeMarkedDeck(data(QStringLiteral("decks/broken")), kMineField, false);
        for (int missing : {5, 17, 40})
            QFile::remove(data(QStringLiteral("decks/broken/r%1.png").arg(missing)));
    }
    QString program(const QString& relative) const { return dir.filePath(QStringLiteral("program/") + relative); }
    QString data(const QString& relative) const { return dir.filePath(QStringLiteral("data/") + relative); }

    QTemporaryDir dir;
    AppFolder folder{dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("program"))};
};

QColor fieldOf(const CardBox* box)
{
    // A point of the upright card's top-right quarter, clear of the red quarter, the blue corner and the number,
    // followed through the turn the card lies in.
    const QSize upright = box->isQuarterTurned() ? box->picture().size().transposed() : box->picture().size();
    const QPoint field(upright.width() * 3 / 4, upright.height() / 4);
    QPoint at = field;
    if (box->isQuarterTurned())
        at = QPoint(upright.height() - 1 - field.y(), field.x());
    else if (box->isReversed())
        at = QPoint(upright.width() - 1 - field.x(), upright.height() - 1 - field.y());
    return box->picture().pixelColor(at);
}

QStringList choiceTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions()) {
        if (action->isCheckable())
            texts.append(action->text());
    }
    return texts;
}

QAction* choice(const QMenu* menu, const QString& id)
{
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QStringLiteral("mnuDeck_") + id)
            return action;
    }
    qWarning("no menu item for the deck %s", qPrintable(id));
    return nullptr;
}

void prepareCelticCross(CurrentReading& reading, bool reversals)
{
    reading.resetForNewCast();
    chooseCast(reading, *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey()),
               CastOptions{false, false, reversals}, CastWay::Automatic);
}

} // namespace

// The Deck menu: which decks it offers, and that a choice shows on every table and board that is open, on the
// ones opened later and after a restart.
class TestDeckChoice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theMenuListsEveryDeck()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        QMenu* menu = window.deckMenu();
        QCOMPARE(menu, window.findChild<QMenu*>(QStringLiteral("menuDeck")));
        QCOMPARE(choiceTexts(menu),
                 (QStringList{QStringLiteral("Classic 1909"), QStringLiteral("Quillmere Emblems"),
                              QStringLiteral("broken (missing r5, r17\u2026)"), QStringLiteral("mine")}));
        // Radio items: the classic deck chosen on a fresh install; the broken deck cannot be chosen.
        QVERIFY(choice(menu, QStringLiteral("classic-1909"))->isChecked());
        QVERIFY(choice(menu, QStringLiteral("classic-1909"))->actionGroup()->isExclusive());
        QVERIFY(!choice(menu, QStringLiteral("user:broken"))->isEnabled());
        QVERIFY(choice(menu, QStringLiteral("user:mine"))->isEnabled());

        // A folder added while the program runs is there when the menu opens next.
        writeMarkedDeck(fixture.data(QStringLiteral("decks/added")), kMineField, false);
        Q_EMIT menu->aboutToShow();
        QVERIFY(choiceTexts(menu).contains(QStringLiteral("added")));
        QCOMPARE(choiceTexts(menu).size(), 5);
    }

    // Choosing a deck changes the pictures of every open table (turned and reversed cards keep how they lie), the
    // backs of an open manual board, the tables opened later, and survives a restart.
    void aChoiceShowsEverywhereAndIsKept()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder, 5);
        MainWindow window(t.context);
        prepareCelticCross(t.reading, true);
        CardTable* cast = openAutomaticCast(t.context, window);
        QCOMPARE(fieldOf(cast->box(0)), kClassicField);

        ReadingRecord record;
        record.spreadName = QStringLiteral("Three Cards");
        record.cards = {RecordCard{3, true}, RecordCard{40, false}, RecordCard{77, false}};
        CardTable* reopened = showReopenedReading(t.context, window, record);

        t.reading.resetForNewCast();
        chooseCast(t.reading, *SpreadCatalogue::instance().at(1), CastOptions{}, CastWay::Manual);
        ManualBoard* board = openManualBoard(t.context, window);
        const QImage programBack = board->faceDownCard(0)->back().toImage();

        QList<bool> turned;
        for (int k = 0; k < 10; ++k)
            turned.append(cast->box(k)->isQuarterTurned() || cast->box(k)->isReversed());

        choice(window.deckMenu(), QStringLiteral("user:mine"))->trigger();

        for (int k = 0; k < 10; ++k) {
            const CardBox* box = cast->box(k);
            QCOMPARE(fieldOf(box), kMineField);
            QImage upright = markedCardPicture(kCardPictureSize, box->cardIndex(), kMineField)
                                 .convertToFormat(box->picture().format());
            const QImage expected = box->isQuarterTurned() ? rotatePicture90(upright)
                : box->isReversed()                        ? rotatePicture180(upright)
                                                           : upright;
            QCOMPARE(box->picture(), expected);
            QCOMPARE(box->isQuarterTurned() || box->isReversed(), turned[k]);
        }
        QVERIFY(cast->box(1)->isQuarterTurned());
        QCOMPARE(reopened->box(0)->picture(),
                 rotatePicture180(markedCardPicture(kCardPictureSize, 3, kMineField))
                     .convertToFormat(reopened->box(0)->picture().format()));
        QCOMPARE(fieldOf(reopened->box(2)), kMineField);
        const QImage mineBack = board->faceDownCard(0)->back().toImage();
        QVERIFY(mineBack != programBack);
        QCOMPARE(mineBack.pixelColor(mineBack.width() / 2, mineBack.height() / 2), kMineBack);
        QVERIFY(choice(window.deckMenu(), QStringLiteral("user:mine"))->isChecked());

        // A table opened now shows the chosen deck.
        prepareCelticCross(t.reading, false);
        QCOMPARE(fieldOf(openAutomaticCast(t.context, window)->box(0)), kMineField);

        // The choice is in the settings file, and a new start reads it back.
        QCOMPARE(t.settings.value(QStringLiteral("deck/chosen")).toString(), QStringLiteral("user:mine"));
        const ProgramSettings restarted(t.settings.fileName());
        QCOMPARE(chosenDeck(fixture.folder, &restarted).id, QStringLiteral("user:mine"));
        MainWindow again(t.context);
        QVERIFY(choice(again.deckMenu(), QStringLiteral("user:mine"))->isChecked());

        // Back to a built-in deck: a deck without a back of its own gives the program's back again.
        choice(window.deckMenu(), QStringLiteral("quillmere-emblems"))->trigger();
        QCOMPARE(fieldOf(cast->box(0)), kEmblemField);
        QCOMPARE(board->faceDownCard(0)->back().toImage(), programBack);
    }

    // Deck > Browse the Cards opens one browser on the chosen deck, after the deck choices; a new choice shows in it.
    void theBrowserComesFromTheDeckMenu()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        QMenu* menu = window.deckMenu();
        QAction* browse = menu->findChild<QAction*>(QStringLiteral("mnuBrowseCards"));
        QVERIFY(browse);
        QVERIFY(menu->actions().contains(browse));
        QVERIFY(menu->actions().indexOf(browse) > menu->actions().indexOf(choice(menu, QStringLiteral("user:mine"))));
        browse->trigger();
        auto* browser = window.findChild<DeckBrowser*>(QStringLiteral("frmDeckBrowser"));
        QVERIFY(browser);
        QVERIFY(browser->isVisible());
        QCOMPARE(browser->deck().id, QStringLiteral("classic-1909"));
        QCOMPARE(browser->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint),
                 Qt::WindowFlags());
        QVERIFY(browser->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        browse->trigger();
        QCOMPARE(window.findChildren<DeckBrowser*>().size(), 1);

        choice(menu, QStringLiteral("user:mine"))->trigger();
        QCOMPARE(browser->deck().id, QStringLiteral("user:mine"));
        const QIcon icon = browser->cardGrid()->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>();
        const QImage shown = icon.pixmap(QSize(78, 135)).toImage();
        QCOMPARE(shown.pixelColor(shown.width() * 3 / 4, shown.height() / 4), kMineField);
    }

    // A deck that cannot be chosen changes nothing, even when asked for by name; a chosen deck that has gone
    // since falls back to the default.
    void aBrokenOrVanishedDeckIsRefused()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        prepareCelticCross(t.reading, false);
        CardTable* cast = openAutomaticCast(t.context, window);
        window.chooseDeck(QStringLiteral("user:broken"));
        window.chooseDeck(QStringLiteral("user:nothing-here"));
        QCOMPARE(fieldOf(cast->box(0)), kClassicField);
        QVERIFY(!t.settings.contains(QStringLiteral("deck/chosen")));
        QVERIFY(choice(window.deckMenu(), QStringLiteral("classic-1909"))->isChecked());

        window.chooseDeck(QStringLiteral("user:mine"));
        QVERIFY(QDir(fixture.data(QStringLiteral("decks/mine"))).removeRecursively());
        QCOMPARE(chosenDeck(t.context).id, QStringLiteral("classic-1909"));
    }

    // A window moved to another screen reads its cards again, for that screen's density.
    void aScreenChangeReadsTheCardsAgain()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        window.show();
        prepareCelticCross(t.reading, false);
        CardTable* cast = openAutomaticCast(t.context, window);
        const int card = cast->box(0)->cardIndex();
        // The same screen stands in for another one; a changed file shows that the picture was read anew.
        markedCardPicture(kCardPictureSize, card, kMineField)
            .save(fixture.program(QStringLiteral("decks/classic-1909/r%1.png").arg(card)), "PNG");
        QCOMPARE(fieldOf(cast->box(0)), kClassicField);
        Q_EMIT window.windowHandle()->screenChanged(window.windowHandle()->screen());
        QCOMPARE(fieldOf(cast->box(0)), kMineField);
    }

    // The spread screen's options picture shows its three cards from the chosen deck.
    void theOptionsPictureShowsTheChosenDeck()
    {
        DeckFixture fixture;
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        const auto fields = [&window] {
            SpreadScreen* screen = window.showSpreadScreen();
            const QPixmap shown = screen->findChild<QLabel*>(QStringLiteral("Picture4"))->pixmap();
            const QImage pixels = shown.toImage();
            QList<QColor> colours;
            for (const PictureCard& card : optionsPictureCards(shown.deviceIndependentSize())) {
                // In the upright card's top-right quarter, clear of its red quarter and its number.
                const QPointF field(card.box.center().x() + 15, card.box.bottom() - 80);
                colours.append(pixels.pixelColor((field * shown.devicePixelRatio()).toPoint()));
            }
            screen->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return colours;
        };
        QCOMPARE(fields(), (QList<QColor>{kClassicField, kClassicField, kClassicField}));
        window.chooseDeck(QStringLiteral("user:mine"));
        QCOMPARE(fields(), (QList<QColor>{kMineField, kMineField, kMineField}));
    }

    // A user of the old layout keeps their cards/ pictures as the default, and may still choose another deck.
    void theOldCardsFolderStaysTheDefault()
    {
        DeckFixture fixture;
        writeMarkedDeck(fixture.folder.cardsFolder(), QColor(240, 180, 180), false);
        TestContext t(fixture.folder);
        MainWindow window(t.context);
        QVERIFY(choice(window.deckMenu(), QStringLiteral("cards"))->isChecked());
        QCOMPARE(choice(window.deckMenu(), QStringLiteral("cards"))->text(), QStringLiteral("My Cards Folder"));
        prepareCelticCross(t.reading, false);
        QCOMPARE(fieldOf(openAutomaticCast(t.context, window)->box(0)), QColor(240, 180, 180));
        window.chooseDeck(QStringLiteral("classic-1909"));
        QCOMPARE(chosenDeck(t.context).id, QStringLiteral("classic-1909"));
    }
};

QTEST_MAIN(TestDeckChoice)
#include "tst_deckchoice.moc"
