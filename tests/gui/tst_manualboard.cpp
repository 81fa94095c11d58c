#include "TableTestSupport.h"

#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "engine/Draw.h"
#include "engine/ReadingComposer.h"
#include "screens/MainWindow.h"
#include "storage/RecordFormat.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>
#include <functional>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// A seeded source that runs a probe before every number it gives: the draw asks for one before every attempt,
// so the probe sees the board, the table and the temporary record between the placements.
class ProbingRandomSource final : public RandomSource
{
public:
    explicit ProbingRandomSource(std::uint64_t seed)
        : m_random(seed)
    { }
    double next() override
    {
        if (probe)
            probe();
        return m_random.next();
    }
    std::function<void()> probe;

private:
    SeededRandomSource m_random;
};

// What the spread selection screen hands to the board for a manual cast.
void prepareManual(CurrentReading& reading, const Spread& spread, bool minorOnly, bool majorOnly, bool reversals)
{
    reading.resetForNewCast();
    chooseCast(reading, spread, CastOptions{minorOnly, majorOnly, reversals}, CastWay::Manual);
}

int visibleCards(const ManualBoard& board)
{
    int count = 0;
    for (int i = 0; i < ManualBoard::kFaceDownCount; ++i)
        count += board.faceDownCard(i)->isHidden() ? 0 : 1;
    return count;
}

QString celticCrossLayingText(int placedPosition)
{
    static const QStringList texts{
        QStringLiteral("Card 2\r\n\r\nThe Crossing"),
        QStringLiteral("Card 3: The Root"),
        QStringLiteral("Card 4: The Past"),
        QStringLiteral("Card 5: The Crown"),
        QStringLiteral("Card 6: The Future"),
        QStringLiteral("Card 7: The Questioner"),
        QStringLiteral("Card 8: The House"),
        QStringLiteral("Card 9: The Inside\r\nCard 10: The Outcome"),
        QStringLiteral("Card 9: The Inside\r\nCard 10: The Outcome"),
    };
    return texts.value(placedPosition - 1);
}

int tempRecordCards(const AppFolder& folder)
{
    const StorageValue<ReadingRecord> record = readRecordFile(folder.tempRecord());
    return record ? static_cast<int>(record->cards.size()) : -1;
}

void addOptionRows(const QString& spreadName, int spreadIndex)
{
    for (int options = 0; options < 6; ++options) {
        const bool minorOnly = options % 3 == 1;
        const bool majorOnly = options % 3 == 2;
        const bool reversals = options >= 3;
        QTest::addRow("%s minor=%d major=%d reversals=%d", qPrintable(spreadName), minorOnly, majorOnly, reversals)
            << spreadIndex << minorOnly << majorOnly << reversals;
    }
}

} // namespace

class TestManualBoard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void boardShowsThePermittedCards_data();
    void boardShowsThePermittedCards();
    void manualReadingCompletes_data();
    void manualReadingCompletes();
    void theReadingKeepsTheMomentItsHeaderNames();
    void noSecondCompletion();
    void keyboardAlonePicksTheCards();
    void hiddenCommandsAreReachedWithTab();
    void exitClosesTheMainWindow();
    void backInTheProgramShowsTheDetailsScreen();
    void longPanelTextScrolls();

private:
    TestFolder m_deck;
};

void TestManualBoard::boardShowsThePermittedCards_data()
{
    QTest::addColumn<bool>("minorOnly");
    QTest::addColumn<bool>("majorOnly");
    QTest::addColumn<int>("shown");
    QTest::newRow("whole deck") << false << false << 78;
    QTest::newRow("minor arcana") << true << false << 56;
    QTest::newRow("major arcana") << false << true << 22;
}

void TestManualBoard::boardShowsThePermittedCards()
{
    QFETCH(bool, minorOnly);
    QFETCH(bool, majorOnly);
    QFETCH(int, shown);
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    host.workspace()->show();
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Three Cards"), minorOnly, majorOnly, false);

    ManualBoard* board = openManualBoard(t.context, host);

    QCOMPARE(board->objectName(), QStringLiteral("frmManual"));
    QCOMPARE(t.reading.mode, CastMode::Manual);
    QCOMPARE(visibleCards(*board), shown);
    for (int i = 0; i < ManualBoard::kFaceDownCount; ++i) {
        FaceDownCard* card = board->faceDownCard(i);
        QCOMPARE(card->objectName(), QStringLiteral("p_%1").arg(i));
        QCOMPARE(card->isHidden(), i >= shown);
        QCOMPARE(card->isEnabled(), i < shown);
        QCOMPARE(card->accessibleName(), QStringLiteral("Face-down card %1").arg(i + 1));
    }
    // The 13 × 6 grid: first and last card at their places in the frame.
    QCOMPARE(board->faceDownCard(0)->geometry(), QRect(6, 12, 23, 40));
    QCOMPARE(board->faceDownCard(77)->geometry(), QRect(306, 222, 23, 40));
    QCOMPARE(board->size(), QSize(503, 400));
    QCOMPARE(board->panelText(), *positionPanelText(u"Three Cards", u"0"));
    QVERIFY(!board->findChild<QWidget*>(QStringLiteral("picMessage"))->isVisible());
    QVERIFY(!board->findChild<QLabel*>(QStringLiteral("picManual"))->pixmap().isNull());
    // Centred across the workspace, a third of the free height down.
    QMdiSubWindow* window = host.workspace()->subWindowList().value(0);
    const QSize free = host.workspace()->viewport()->size() - window->size();
    QCOMPARE(window->pos(), QPoint(free.width() / 2, free.height() / 3));
}

void TestManualBoard::manualReadingCompletes_data()
{
    QTest::addColumn<int>("spreadIndex");
    QTest::addColumn<bool>("minorOnly");
    QTest::addColumn<bool>("majorOnly");
    QTest::addColumn<bool>("reversals");
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        addOptionRows(spread.name, spread.index);
}

void TestManualBoard::manualReadingCompletes()
{
    QFETCH(int, spreadIndex);
    QFETCH(bool, minorOnly);
    QFETCH(bool, majorOnly);
    QFETCH(bool, reversals);
    const Spread& spread = *SpreadCatalogue::instance().at(spreadIndex);
    const int n = spread.cardCount();
    const TestFolder& folder = m_deck;
    QFile::remove(folder.folder.tempRecord());
    TestContext t(folder.folder);
    ProbingRandomSource random(300 + spreadIndex);
    AppContext context{t.reading, folder.folder, random,    t.clock,   t.notifier,
                       t.pause,   t.urlOpener,   QString(), t.settings};
    FakeReadingHost host;
    host.workspace()->show();
    prepareManual(t.reading, spread, minorOnly, majorOnly, reversals);
    ManualBoard* board = openManualBoard(context, host);
    QPointer<ManualBoard> watched(board);

    // Between placements: the cards in the temporary record and the panel's text, per position being drawn.
    QMap<int, int> recordBeforeDraw;
    QMap<int, QString> panelBeforeDraw;
    random.probe = [&] {
        // The position being drawn is the first without a card.
        const int position = t.reading.positionCount();
        if (!recordBeforeDraw.contains(position)) {
            recordBeforeDraw[position] = tempRecordCards(folder.folder);
            panelBeforeDraw[position] = board->panelText();
        }
    };

    // Picks in an order unrelated to the cards drawn: from the end of the permitted cards backwards.
    const int shown = visibleCards(*board);
    for (int pick = 0; pick < n; ++pick) {
        QCOMPARE(board->panelText(), *positionPanelText(spread.name, QString::number(pick)));
        QVERIFY(t.pause.waits.isEmpty());
        QTest::mouseClick(board->faceDownCard(shown - 1 - pick), Qt::LeftButton);
    }

    QCOMPARE(t.pause.waits, QList<int>{3000});
    // n distinct cards from the pool, exactly n entries in each list.
    QCOMPARE(t.reading.positionCount(), n);
    const DrawPool pool = *drawPool(minorOnly, majorOnly);
    const QList<int> cards = t.reading.cardIndices();
    QCOMPARE(QSet<int>(cards.begin(), cards.end()).size(), n);
    for (int card : cards)
        QVERIFY2(pool.contains(card), qPrintable(QString::number(card)));
    QList<int> expectedReversed;
    for (int k = 0; k < n; ++k) {
        const int flag = t.reading.cards.at(k).reversed ? 1 : 0;
        QVERIFY(flag == 0 || flag == 1);
        if (!reversals || spread.isCrossingCard(k))
            QCOMPARE(flag, 0);
        if (flag == 1)
            expectedReversed.append(cards[k]);
    }
    QCOMPARE(t.reading.reversedCardIndices(), expectedReversed);

    // The record grew by one card per placement and the panel named the next position while the cards were laid.
    for (int k = 1; k < n; ++k) {
        QCOMPARE(recordBeforeDraw.value(k), k);
        QCOMPARE(panelBeforeDraw.value(k),
                 spread.name == SpreadCatalogue::celticCrossKey()
                     ? celticCrossLayingText(k)
                     : *positionPanelText(spread.name, QString::number(k)));
    }
    QCOMPARE(tempRecordCards(folder.folder), n);
    const StorageValue<ReadingRecord> record = readRecordFile(folder.folder.tempRecord());
    QVERIFY(record);
    QList<int> flags;
    for (const ReadingCard& card : t.reading.cards)
        flags.append(card.reversed ? 1 : 0);
    QCOMPARE(record->cardList(), CardList::of(cards));
    QCOMPARE(record->flagList(), CardList::of(flags));

    // The table: every card at its place, the crossing card turned and upright, the size of the spread.
    auto* table = host.workspace()->findChild<CardTable*>(QStringLiteral("frmAuto"));
    QVERIFY(table);
    for (int k = 0; k < n; ++k) {
        CardBox* box = table->box(k);
        QVERIFY(!box->isHidden());
        const bool crossing = spread.isCrossingCard(k);
        QCOMPARE(box->geometry(),
                 twipsRect(spread.positions[k].place.left, spread.positions[k].place.top,
                           crossing ? kCardPictureSize.transposed() : kCardPictureSize));
        const QImage upright = markedCardPicture(kCardPictureSize, cards[k]).convertToFormat(box->picture().format());
        if (crossing)
            QCOMPARE(box->picture(), rotatePicture90(upright));
        else
            QCOMPARE(box->picture(), t.reading.cards.at(k).reversed ? rotatePicture180(upright) : upright);
    }
    for (int k = n; k < CardTable::kBoxCount; ++k)
        QVERIFY(table->box(k)->isHidden());
    QCOMPARE(table->sizeInTwips(), spread.tableSize);

    // The pane: header then interpretations; the main window shows a fresh reading; the board is gone.
    QCOMPARE(host.paneText, composeReading(t.reading, t.clock));
    QCOMPARE(host.state, FakeReadingHost::State::Fresh);
    QTRY_VERIFY(watched.isNull());
}

void TestManualBoard::noSecondCompletion()
{
    const TestFolder& folder = m_deck;
    TestContext t(folder.folder);
    ProbingRandomSource random(11);
    AppContext context{t.reading, folder.folder, random,    t.clock,   t.notifier,
                       t.pause,   t.urlOpener,   QString(), t.settings};
    FakeReadingHost host;
    host.workspace()->show();
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Two Cards"), false, false, true);
    ManualBoard* board = openManualBoard(context, host);

    QTest::mouseClick(board->faceDownCard(10), Qt::LeftButton);
    // While the cards are drawn, the remaining face-down cards are clicked and keyed at.
    int tries = 0;
    int stackChecks = 0;
    random.probe = [&] {
        if (t.reading.positionCount() == 1 && stackChecks++ == 0) {
            // The board stays in front of the table while the cards are laid.
            const QList<QMdiSubWindow*> stack = host.workspace()->subWindowList(QMdiArea::StackingOrder);
            QCOMPARE(stack.size(), 2);
            QCOMPARE(stack.last()->widget(), board);
        }
        if (tries++ > 0)
            return;
        QVERIFY(board->isCompleting());
        for (int i : {20, 30, 40}) {
            QTest::mouseClick(board->faceDownCard(i), Qt::LeftButton);
            QTest::keyClick(board->faceDownCard(i), Qt::Key_Space);
        }
    };
    QTest::mouseClick(board->faceDownCard(11), Qt::LeftButton);

    QCOMPARE(t.pause.waits.size(), 1);
    QVERIFY(stackChecks > 0);
    QCOMPARE(t.reading.positionCount(), 2);
    QVERIFY(t.reading.reversedCardIndices().size() <= 2);
    QCOMPARE(host.workspace()->findChildren<CardTable*>().size(), 1);
    QCOMPARE(host.paneText, composeReading(t.reading, t.clock));
}

// The cards take time to fall, and the record is written again after each; the reading keeps the moment its header
// names, which the printed and exported readings then name too.
void TestManualBoard::theReadingKeepsTheMomentItsHeaderNames()
{
    const TestFolder& folder = m_deck;
    TestContext t(folder.folder);
    ProbingRandomSource random(11);
    AppContext context{t.reading, folder.folder, random,    t.clock,   t.notifier,
                       t.pause,   t.urlOpener,   QString(), t.settings};
    FakeReadingHost host;
    const QDateTime start(QDate(2026, 12, 11), QTime(23, 59, 58));
    t.clock.setMoment(start);
    int draws = 0;
    // Every draw takes a second, past midnight.
    random.probe = [&] { t.clock.setMoment(start.addSecs(++draws)); };
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Three Cards"), false, false, false);
    ManualBoard* board = openManualBoard(context, host);
    QPointer<ManualBoard> watched(board);
    for (int pick = 0; pick < 3; ++pick)
        QTest::mouseClick(board->faceDownCard(pick), Qt::LeftButton);
    QTRY_VERIFY(watched.isNull());

    const QString pane = host.paneText.plainText();
    QVERIFY(!t.reading.creationDate.isEmpty());
    QVERIFY(!t.reading.creationTime.isEmpty());
    QVERIFY2(pane.contains(QStringLiteral("Date of Creation: ") + t.reading.creationDate), qPrintable(pane));
    QVERIFY2(pane.contains(QStringLiteral("Time of Creation: ") + t.reading.creationTime), qPrintable(pane));
    // The clock has moved on since, to another day.
    const ReadingMoment later = t.clock.moment();
    QVERIFY(later.date != t.reading.creationDate);
    QVERIFY(later.time != t.reading.creationTime);
}

void TestManualBoard::keyboardAlonePicksTheCards()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    host.workspace()->show();
    QApplication::setActiveWindow(host.workspace());
    QVERIFY(QTest::qWaitForWindowActive(host.workspace()));
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Three Cards"), false, true, false);
    ManualBoard* board = openManualBoard(t.context, host);
    QPointer<ManualBoard> watched(board);

    FaceDownCard* first = board->faceDownCard(0);
    QCOMPARE(QApplication::focusWidget(), first);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(14));
    // Below card 14 lies card 27, which majors-only keeps off the board: the focus stays.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(14));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(board->picksMade(), 1);
    QVERIFY(board->faceDownCard(14)->isHidden());
    QCOMPARE(board->panelText(), *positionPanelText(u"Three Cards", u"1"));
    // The focus moved on to a card still on the board.
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(15));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(13));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(board->picksMade(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);

    QTRY_VERIFY(watched.isNull());
    QCOMPARE(t.reading.positionCount(), 3);
    QCOMPARE(host.state, FakeReadingHost::State::Fresh);
}

void TestManualBoard::hiddenCommandsAreReachedWithTab()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    host.workspace()->show();
    QApplication::setActiveWindow(host.workspace());
    QVERIFY(QTest::qWaitForWindowActive(host.workspace()));
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"One Card"), false, false, false);
    ManualBoard* board = openManualBoard(t.context, host);
    QPointer<ManualBoard> watched(board);
    QSignalSpy back(board, &ManualBoard::backRequested);

    auto* cmdBack = board->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    auto* cmdCancel = board->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    QCOMPARE(cmdBack->text(), QStringLiteral("Back"));
    QCOMPARE(cmdCancel->text(), QStringLiteral("Exit"));
    // Below the visible area: the mouse cannot reach them.
    QVERIFY(!board->rect().intersects(cmdBack->geometry()));
    QVERIFY(!board->rect().intersects(cmdCancel->geometry()));

    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdBack);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), cmdCancel);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), cmdBack);
    QTest::keyClick(cmdBack, Qt::Key_Space);

    QCOMPARE(back.size(), 1);
    QTRY_VERIFY(watched.isNull());
    // A board closed before completion leaves the card lists as they were.
    QVERIFY(t.reading.cards.isEmpty());
    QVERIFY(t.pause.waits.isEmpty());
}

void TestManualBoard::exitClosesTheMainWindow()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    host.workspace()->show();
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Two Cards"), false, false, false);
    ManualBoard* board = openManualBoard(t.context, host);
    QSignalSpy exit(board, &ManualBoard::exitRequested);

    auto* cmdCancel = board->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
    cmdCancel->setFocus();
    QTest::keyClick(cmdCancel, Qt::Key_Space);

    QCOMPARE(exit.size(), 1);
    // The workspace's window stands for the main window here: closing it ends the program.
    QVERIFY(!host.workspace()->isVisible());
    QVERIFY(t.reading.cards.isEmpty());
}

void TestManualBoard::backInTheProgramShowsTheDetailsScreen()
{
    TestContext t(m_deck.folder);
    MainWindow window(t.context);
    window.show();
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"One Card"), false, false, false);
    window.manualBoardOpener()(t.context, window);
    auto* board = window.workspace()->findChild<ManualBoard*>(QStringLiteral("frmManual"));
    QVERIFY(board);
    QPointer<ManualBoard> watched(board);
    QVERIFY(!window.workspace()->findChild<QWidget*>(QStringLiteral("frmFront")));

    auto* cmdBack = board->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    cmdBack->setFocus();
    QTest::keyClick(cmdBack, Qt::Key_Space);

    QTRY_VERIFY(watched.isNull());
    QVERIFY(window.workspace()->findChild<QWidget*>(QStringLiteral("frmFront")));
    QVERIFY(window.isVisible());
}

void TestManualBoard::longPanelTextScrolls()
{
    TestContext t(m_deck.folder);
    FakeReadingHost host;
    host.workspace()->show();
    prepareManual(t.reading, *SpreadCatalogue::instance().byKey(u"Celtic Cross"), false, false, false);
    ManualBoard* board = openManualBoard(t.context, host);
    board->showCardInfo(QStringLiteral("6"));
    QCOMPARE(board->panelText(), *positionPanelText(u"Celtic Cross", u"6"));
    // An unknown position keeps the text.
    board->showCardInfo(QStringLiteral("10"));
    QCOMPARE(board->panelText(), *positionPanelText(u"Celtic Cross", u"6"));

    auto* panel = board->findChild<QLabel*>(QStringLiteral("txtDisp"));
    QVERIFY(panel->wordWrap());
    QCOMPARE(panel->text(), QString(board->panelText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* area = qobject_cast<QScrollArea*>(panel->parentWidget()->parentWidget());
    QVERIFY(area);
    QCOMPARE(area->size(), QSize(316, 103));
    board->showCardInfo(QStringLiteral("0"));
    // Whatever its length, the whole text can be brought into view.
    QTRY_COMPARE(area->verticalScrollBar()->maximum(), std::max(0, panel->height() - area->viewport()->height()));
}

QTEST_MAIN(TestManualBoard)
#include "tst_manualboard.moc"
