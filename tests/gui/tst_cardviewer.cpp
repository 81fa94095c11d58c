#include "TableTestSupport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "screens/DeckBrowser.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/CardViewer.h"
#include "table/ManualBoard.h"
#include "table/ReopenedReading.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

const QColor kField(200, 200, 200);
// The 2× files of writeMarkedDeck have their field a shade darker, so a test sees which file a picture came from.
const QColor kLargeField = kField.darker(150);

// The program's files with one deck at both sizes, and an empty data folder.
struct ViewerFolder
{
    ViewerFolder()
    {
        writeMarkedDeck(dir.filePath(QStringLiteral("program/decks/classic-1909")), kField, true);
        QDir(dir.path()).mkpath(QStringLiteral("data"));
    }
    DeckFolder deck() const
    {
        return DeckLibrary::readFolder(dir.filePath(QStringLiteral("program/decks/classic-1909")),
                                       QString(kClassicDeckId), QStringLiteral("Classic"), DeckFolder::Source::BuiltIn);
    }
    QTemporaryDir dir;
    AppFolder folder{dir.filePath(QStringLiteral("data")), dir.filePath(QStringLiteral("program"))};
};

enum class TableKind { Automatic, Manual, Reopened };

const Spread& celticCross()
{
    return *SpreadCatalogue::instance().byKey(SpreadCatalogue::celticCrossKey());
}

// Lays a Celtic Cross with reversals the way the program does for the kind of table, and returns its table.
CardTable* layTable(TableKind kind, TestContext& t, FakeReadingHost& host)
{
    const Spread& spread = celticCross();
    switch (kind) {
    case TableKind::Automatic:
        t.reading.resetForNewCast();
        chooseCast(t.reading, spread, CastOptions{false, false, true}, CastWay::Automatic);
        return openAutomaticCast(t.context, host);
    case TableKind::Manual: {
        t.reading.resetForNewCast();
        chooseCast(t.reading, spread, CastOptions{false, false, true}, CastWay::Manual);
        ManualBoard* board = openManualBoard(t.context, host);
        for (int pick = 0; pick < spread.cardCount(); ++pick)
            board->faceDownCard(pick)->click();
        return host.workspace()->findChild<CardTable*>(QStringLiteral("frmAuto"));
    }
    case TableKind::Reopened:
        if (!openReopenedReading(t.context, host,
                                 QStringLiteral(QUILLMERE_FIXTURES_DIR "/reopen/celtic-cross-reversed"))
                 .isEmpty())
            return nullptr;
        return host.workspace()->findChild<CardTable*>(QStringLiteral("frmReading"));
    }
    return nullptr;
}

void addTableRows()
{
    QTest::addColumn<TableKind>("kind");
    QTest::newRow("automatic") << TableKind::Automatic;
    QTest::newRow("manual") << TableKind::Manual;
    QTest::newRow("reopened") << TableKind::Reopened;
}

// The upright 2× picture of the card as the deck's file holds it.
QImage largeUpright(int card, QImage::Format format)
{
    return markedCardPicture(kCardPictureSize * 2, card, kLargeField).convertToFormat(format);
}

QString labelText(const QWidget* viewer, const char* name)
{
    const auto* label = viewer->findChild<QLabel*>(QString::fromLatin1(name));
    return label && label->isVisibleTo(viewer) ? label->text() : QString();
}

QString meaningText(const QWidget* viewer)
{
    return viewer->findChild<QTextBrowser*>(QStringLiteral("txtMeaning"))->toPlainText();
}

QPushButton* button(const QWidget* viewer, const char* name)
{
    return viewer->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Makes the window the one with the keyboard, as the window manager does with a window that opens and with the one
// below a window that closes; the offscreen platform has none.
bool activateAsTheDesktopWould(QWidget* window)
{
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    return QApplication::activeWindow() == window;
}

// Shows the workspace as the program's window would be and waits until it has the keyboard.
bool showActive(QWidget* window)
{
    window->show();
    return activateAsTheDesktopWould(window);
}

} // namespace

Q_DECLARE_METATYPE(TableKind)
Q_DECLARE_METATYPE(DeckBrowser::Part)

class TestCardViewer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyCardOpensWithWhatItWasReadWith_data();
    void everyCardOpensWithWhatItWasReadWith();
    void previousAndNextStepThroughThePositions();
    void thePictureIsLargeAndTurnedAsTheCardLies();
    void cardsAreReachedByKeyboardAndNamed();
    void escapeGivesTheFocusBackToTheCard();
    void theBrowserShowsTheDeckByPart_data();
    void theBrowserShowsTheDeckByPart();
    void theBrowserOpensACardByKeyboardAndMouse();

private:
    // One deck for every test: the tests only read it.
    ViewerFolder m_files;
};

// On every kind of table, Enter and a double-click on any card open the viewer on that card: its name, position
// number and title, orientation and the meaning the reading was written with.
void TestCardViewer::everyCardOpensWithWhatItWasReadWith_data()
{
    addTableRows();
}

void TestCardViewer::everyCardOpensWithWhatItWasReadWith()
{
    QFETCH(TableKind, kind);
    const ViewerFolder& files = m_files;
    TestContext t(files.folder, 5);
    FakeReadingHost host;
    CardTable* table = layTable(kind, t, host);
    QVERIFY(table);
    const Spread& spread = celticCross();
    const QString pane = host.paneText.plainText();
    int reversed = 0;
    for (int k = 0; k < spread.cardCount(); ++k) {
        CardBox* box = table->box(k);
        for (const bool byMouse : {false, true}) {
            if (byMouse)
                QTest::mouseDClick(box, Qt::LeftButton, Qt::NoModifier, box->rect().center());
            else
                QTest::keyClick(box, Qt::Key_Return);
            QPointer<CardViewer> viewer = table->viewer();
            QVERIFY2(viewer && viewer->isVisible(), byMouse ? "double-click" : "Enter");
            QCOMPARE(viewer->objectName(), QStringLiteral("frmCardViewer"));
            QCOMPARE(viewer->currentCard().cardIndex, box->cardIndex());
            QCOMPARE(labelText(viewer, "lblName"), Deck::instance().name(box->cardIndex()));
            const QString place = labelText(viewer, "lblPosition");
            QVERIFY2(place.startsWith(QStringLiteral("Position %1 of 10: ").arg(k + 1)), qPrintable(place));
            QVERIFY2(spread.positions[k].title.endsWith(place.section(QStringLiteral(": "), 1)), qPrintable(place));
            // The viewer tells the lie the table shows, and the meaning is the one the reading pane was given.
            const bool isReversed = box->isReversed();
            QCOMPARE(isReversed, kind != TableKind::Reopened ? t.reading.cards.at(k).reversed : isReversed);
            const QString orientation = labelText(viewer, "lblOrientation");
            QVERIFY2(orientation.startsWith(box->isQuarterTurned() ? QStringLiteral("Lying across")
                                                : isReversed       ? QStringLiteral("Reversed")
                                                                   : QStringLiteral("Upright")),
                     qPrintable(orientation));
            const QString meaning = Deck::instance().meaning(box->cardIndex(), isReversed);
            QCOMPARE(meaningText(viewer), meaning);
            if (kind != TableKind::Reopened)
                QVERIFY(pane.contains(meaning));
            reversed += isReversed ? 1 : 0;
            viewer->close();
            QTRY_VERIFY(viewer.isNull());
        }
    }
    // The readings hold reversed cards, so both meanings were met.
    QVERIFY(reversed > 0);
}

// Previous and Next (and the arrow keys) walk the placed cards in position order and stop at either end.
void TestCardViewer::previousAndNextStepThroughThePositions()
{
    const ViewerFolder& files = m_files;
    TestContext t(files.folder, 5);
    FakeReadingHost host;
    CardTable* table = layTable(TableKind::Automatic, t, host);
    QList<int> laid;
    for (int k = 0; k < celticCross().cardCount(); ++k)
        laid.append(table->box(k)->cardIndex());

    CardViewer* viewer = table->openViewer(3);
    QVERIFY(viewer);
    QCOMPARE(viewer->cardCount(), 10);
    QCOMPARE(viewer->currentCard().cardIndex, laid[3]);
    QPushButton* previous = button(viewer, "cmdPrevious");
    QPushButton* next = button(viewer, "cmdNext");
    for (int k = 2; k >= 0; --k) {
        QVERIFY(previous->isEnabled());
        previous->click();
        QCOMPARE(viewer->currentCard().cardIndex, laid[k]);
        QCOMPARE(labelText(viewer, "lblName"), Deck::instance().name(laid[k]));
    }
    QVERIFY(!previous->isEnabled());
    QVERIFY(activateAsTheDesktopWould(viewer));
    QList<int> walked{viewer->currentCard().cardIndex};
    while (next->isEnabled()) {
        next->click();
        walked.append(viewer->currentCard().cardIndex);
    }
    QCOMPARE(walked, laid);
    QVERIFY(labelText(viewer, "lblPosition").startsWith(QStringLiteral("Position 10 of 10")));
    // The arrow keys step from whichever control has the focus, the meaning's text included.
    for (const char* name : {"cmdPrevious", "txtMeaning"}) {
        QWidget* control = viewer->findChild<QWidget*>(QString::fromLatin1(name));
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Left);
        QCOMPARE(viewer->currentIndex(), 8);
        QTest::keyClick(control, Qt::Key_Right);
        QTest::keyClick(control, Qt::Key_Right);
        QCOMPARE(viewer->currentIndex(), 9);
    }
}

// The viewer shows the deck's 2× file, not the table's picture blown up, turned as the card lies: upside down for a
// reversed card, a quarter turn for the crossing card, in the pixels on screen as well.
void TestCardViewer::thePictureIsLargeAndTurnedAsTheCardLies()
{
    const ViewerFolder& files = m_files;
    TestContext t(files.folder, 5);
    FakeReadingHost host;
    CardTable* table = layTable(TableKind::Automatic, t, host);
    int reversedSeen = 0;
    for (int k = 0; k < celticCross().cardCount(); ++k) {
        const CardBox* box = table->box(k);
        CardViewer* viewer = table->openViewer(k);
        QVERIFY(viewer);
        QCOMPARE(viewer->pictureSize(), kCardPictureSize * 2);
        const QImage& shown = viewer->picture();
        const QImage upright = largeUpright(box->cardIndex(), shown.format());
        const QSize large = upright.size();
        // Red is the upright card's top-left quarter; where its far corner lands tells the turn.
        QColor expectedCorner;
        if (box->isQuarterTurned()) {
            QCOMPARE(k, 1);
            QCOMPARE(shown, rotatePicture90(upright));
            QCOMPARE(QColor(shown.pixel(large.height() - 1, 0)), QColor(255, 0, 0));
        } else if (box->isReversed()) {
            ++reversedSeen;
            QCOMPARE(shown, rotatePicture180(upright));
            QCOMPARE(QColor(shown.pixel(large.width() - 1, large.height() - 1)), QColor(255, 0, 0));
            QCOMPARE(QColor(shown.pixel(0, 0)), QColor(0, 0, 255));
        } else {
            QCOMPARE(shown, upright);
            QCOMPARE(QColor(shown.pixel(0, 0)), QColor(255, 0, 0));
        }
        // What the label paints is that picture, centred in its square.
        auto* label = viewer->findChild<QLabel*>(QStringLiteral("picCard"));
        const QImage painted = label->grab().toImage();
        const QSize lying = box->isQuarterTurned() ? large.transposed() : large;
        const QPoint origin((label->width() - lying.width()) / 2, (label->height() - lying.height()) / 2);
        QCOMPARE(QColor(painted.pixel(origin + QPoint(2, 2))), QColor(shown.pixel(2, 2)));
        QCOMPARE(QColor(painted.pixel(origin + QPoint(lying.width() - 3, lying.height() - 3))),
                 QColor(shown.pixel(lying.width() - 3, lying.height() - 3)));
        viewer->close();
    }
    QVERIFY(reversedSeen > 0);
}

// The placed cards take the focus with Tab and the arrow keys, show a frame while they have it and tell a screen
// reader what lies where; boxes without a card stay out of the way.
void TestCardViewer::cardsAreReachedByKeyboardAndNamed()
{
    const ViewerFolder& files = m_files;
    TestContext t(files.folder, 5);
    FakeReadingHost host;
    const Spread& three = *SpreadCatalogue::instance().byKey(u"Three Cards");
    t.reading.resetForNewCast();
    chooseCast(t.reading, three, CastOptions{false, false, true}, CastWay::Automatic);
    CardTable* table = openAutomaticCast(t.context, host);
    QVERIFY(showActive(&host.m_workspace));

    CardBox* first = table->box(0);
    const QColor highlight = first->palette().color(QPalette::Highlight);
    const QPoint frame(2, first->height() / 2);
    QVERIFY(QColor(first->grab().toImage().pixel(frame)) != highlight);
    first->setFocus();
    QVERIFY(first->hasFocus());
    QCOMPARE(QColor(first->grab().toImage().pixel(frame)), highlight);

    QTest::keyClick(first, Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), table->box(1));
    QTest::keyClick(table->box(1), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), table->box(2));
    // The last card is the end of the row: the empty boxes after it take no focus.
    QTest::keyClick(table->box(2), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), table->box(2));
    QCOMPARE(table->box(3)->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(table->box(2), Qt::Key_Up);
    QTest::keyClick(table->box(1), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), first);
    QVERIFY(QColor(table->box(1)->grab().toImage().pixel(frame)) != highlight);

    for (int k = 0; k < 3; ++k) {
        const CardBox* box = table->box(k);
        const QString name = box->accessibleName();
        QVERIFY2(name.startsWith(QStringLiteral("Position %1: ").arg(k + 1)), qPrintable(name));
        QVERIFY(name.contains(Deck::instance().name(box->cardIndex())));
        QCOMPARE(name.endsWith(QStringLiteral(", reversed")), box->isReversed());
    }

    // The crossing card says that it lies across.
    FakeReadingHost celticHost;
    CardTable* celtic = layTable(TableKind::Automatic, t, celticHost);
    QVERIFY(celtic->box(1)->accessibleName().endsWith(QStringLiteral(", lying across")));
}

// Esc closes the viewer, wherever it was stepped to, and the keyboard is back on the card it was opened from.
void TestCardViewer::escapeGivesTheFocusBackToTheCard()
{
    const ViewerFolder& files = m_files;
    TestContext t(files.folder, 5);
    FakeReadingHost host;
    CardTable* table = layTable(TableKind::Automatic, t, host);
    QVERIFY(showActive(&host.m_workspace));
    CardBox* box = table->box(4);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Enter);
    QPointer<CardViewer> viewer = table->viewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isModal());
    QVERIFY(activateAsTheDesktopWould(viewer));
    QVERIFY(viewer->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(viewer->currentIndex(), 5);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(viewer.isNull());
    QVERIFY(activateAsTheDesktopWould(&host.m_workspace));
    QCOMPARE(QApplication::focusWidget(), box);
}

void TestCardViewer::theBrowserShowsTheDeckByPart_data()
{
    QTest::addColumn<DeckBrowser::Part>("part");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("suffix");
    QTest::newRow("all") << DeckBrowser::Part::All << 78 << QString();
    QTest::newRow("major arcana") << DeckBrowser::Part::MajorArcana << 22 << QString();
    QTest::newRow("wands") << DeckBrowser::Part::Wands << 14 << QStringLiteral(" of Wands");
    QTest::newRow("cups") << DeckBrowser::Part::Cups << 14 << QStringLiteral(" of Cups");
    QTest::newRow("swords") << DeckBrowser::Part::Swords << 14 << QStringLiteral(" of Swords");
    QTest::newRow("pentacles") << DeckBrowser::Part::Pentacles << 14 << QStringLiteral(" of Pentacles");
}

// The grid holds the chosen part laid out as a reader lays a deck, every card with its picture and name.
void TestCardViewer::theBrowserShowsTheDeckByPart()
{
    QFETCH(DeckBrowser::Part, part);
    QFETCH(int, count);
    QFETCH(QString, suffix);
    const ViewerFolder& files = m_files;
    DeckBrowser browser(files.deck());
    QCOMPARE(browser.objectName(), QStringLiteral("frmDeckBrowser"));
    QCOMPARE(browser.shownCards().size(), 78);
    browser.showPart(part);
    const QList<int> shown = browser.shownCards();
    QCOMPARE(shown.size(), count);
    QCOMPARE(QSet<int>(shown.begin(), shown.end()).size(), count);
    const QAbstractItemModel* model = browser.cardGrid()->model();
    for (const int card : shown) {
        const QString name = Deck::instance().name(card);
        if (part == DeckBrowser::Part::MajorArcana)
            QVERIFY2(!name.contains(QStringLiteral(" of ")), qPrintable(name));
        else if (!suffix.isEmpty())
            QVERIFY2(name.endsWith(suffix), qPrintable(name));
        const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, name, 1, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        QCOMPARE(DeckBrowser::cardAt(found.first()), card);
        QVERIFY(!found.first().data(Qt::DecorationRole).value<QIcon>().isNull());
    }
    // A reader's order: the Fool leads the trumps and the World ends them; each suit runs from its Ace to its King.
    const auto names = [&shown] {
        QStringList list;
        for (const int card : shown)
            list.append(Deck::instance().name(card));
        return list;
    }();
    if (part == DeckBrowser::Part::All || part == DeckBrowser::Part::MajorArcana) {
        QCOMPARE(names.first(), QStringLiteral("The Fool"));
        QCOMPARE(names.at(1), QStringLiteral("The Magician"));
        QCOMPARE(names.at(21), QStringLiteral("The World"));
    }
    if (part == DeckBrowser::Part::All) {
        QCOMPARE(names.at(22), QStringLiteral("Ace of Wands"));
        QCOMPARE(names.last(), QStringLiteral("King of Pentacles"));
    } else if (!suffix.isEmpty()) {
        QCOMPARE(names.first(), QStringLiteral("Ace") + suffix);
        QCOMPARE(names.at(9), QStringLiteral("Ten") + suffix);
        QCOMPARE(names.at(10), QStringLiteral("Page") + suffix);
        QCOMPARE(names.last(), QStringLiteral("King") + suffix);
    }
    // The keyboard starts on the first card of the part.
    QCOMPARE(DeckBrowser::cardAt(browser.cardGrid()->currentIndex()), shown.first());
    // The deck browser is a dialog with a close box and nothing else to minimise or maximise.
    const Qt::WindowFlags flags = browser.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

// In the grid, the arrow keys and Enter open a card, and so does a double-click; the viewer shows both meanings and
// steps through the part shown. Esc brings the keyboard back to the grid.
void TestCardViewer::theBrowserOpensACardByKeyboardAndMouse()
{
    const ViewerFolder& files = m_files;
    DeckBrowser browser(files.deck());
    QVERIFY(showActive(&browser));
    browser.showPart(DeckBrowser::Part::Cups);
    const QList<int> cups = browser.shownCards();
    QListView* grid = browser.cardGrid();
    QCOMPARE(QApplication::focusWidget(), grid);

    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QCOMPARE(DeckBrowser::cardAt(grid->currentIndex()), cups[2]);
    QTest::keyClick(grid, Qt::Key_Return);
    QPointer<CardViewer> viewer = browser.findChild<CardViewer*>();
    QVERIFY(viewer);
    QVERIFY(activateAsTheDesktopWould(viewer));
    QCOMPARE(viewer->currentCard().cardIndex, cups[2]);
    QCOMPARE(viewer->cardCount(), 14);
    const QString meaning = meaningText(viewer);
    QVERIFY(meaning.contains(Deck::instance().meaning(cups[2], false)));
    QVERIFY(meaning.contains(Deck::instance().meaning(cups[2], true)));
    QVERIFY(labelText(viewer, "lblOrientation").isEmpty());
    QCOMPARE(labelText(viewer, "lblPosition"), QStringLiteral("Minor Arcana, Cups"));
    // The browser's card is shown upright, from the 2× file.
    QCOMPARE(viewer->picture(), largeUpright(cups[2], viewer->picture().format()));
    QVERIFY(viewer->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(viewer->currentCard().cardIndex, cups[3]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(viewer.isNull());
    QVERIFY(activateAsTheDesktopWould(&browser));
    QCOMPARE(QApplication::focusWidget(), grid);
    QCOMPARE(DeckBrowser::cardAt(grid->currentIndex()), cups[2]);

    // A double-click on a card's picture in the grid.
    const QModelIndexList named = grid->model()->match(grid->model()->index(0, 0), Qt::DisplayRole,
                                                       Deck::instance().name(cups[5]), 1, Qt::MatchExactly);
    QCOMPARE(named.size(), 1);
    const QModelIndex sixth = named.first();
    QCOMPARE(DeckBrowser::cardAt(sixth), cups[5]);
    grid->scrollTo(sixth);
    const QRect item = grid->visualRect(sixth);
    QVERIFY(grid->viewport()->rect().contains(item.center()));
    QSignalSpy doubleClicked(grid, &QAbstractItemView::doubleClicked);
    // The events of a double-click as the desktop delivers them: a click, then the double-click and its release.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QVERIFY(!browser.findChild<CardViewer*>());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    QCOMPARE(doubleClicked.size(), 1);
    viewer = browser.findChild<CardViewer*>();
    QVERIFY(viewer);
    QCOMPARE(viewer->currentCard().cardIndex, cups[5]);
    viewer->close();
}

QTEST_MAIN(TestCardViewer)
#include "tst_cardviewer.moc"
