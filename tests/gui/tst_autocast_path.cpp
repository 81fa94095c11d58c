#include "ChildProcess.h"
#include "FormLookup.h"
#include "TestSupport.h"

#include "app/Program.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "screens/SpreadScreen.h"
#include "storage/ReadingArchive.h"
#include "table/CardTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace quillmere;
using namespace quillmere::test;
using quillmere::testing::FileSizeLimit;

namespace {

enum class Arcana { Whole, Major, Minor };

template <typename T> T* childOf(QWidget* form, const char* name)
{
    T* child = form ? form->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (!child)
        qWarning("no %s", name);
    return child;
}

} // namespace

Q_DECLARE_METATYPE(Arcana)

// The whole path of an automatic reading, as a person goes through it: start-up, details, spread, options,
// Auto Cast Cards, the table and the pane, then Start Again.
class TestAutoCastPath : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySpreadAndOption_data();
    void everySpreadAndOption();
    void aReadingThatCannotBeKeptIsToldAndStillSaved();
};

void TestAutoCastPath::everySpreadAndOption_data()
{
    QTest::addColumn<int>("spreadIndex");
    QTest::addColumn<bool>("reversals");
    QTest::addColumn<Arcana>("arcana");
    const QList<QPair<Arcana, const char*>> arcanaChoices
        = {{Arcana::Whole, "whole deck"}, {Arcana::Major, "major"}, {Arcana::Minor, "minor"}};
    for (const Spread& spread : SpreadCatalogue::instance().spreads()) {
        for (const bool reversals : {false, true}) {
            for (const auto& [arcana, arcanaName] : arcanaChoices) {
                QTest::addRow("%s, %s, %s", qPrintable(spread.name), reversals ? "reversals" : "upright", arcanaName)
                    << spread.index << reversals << arcana;
            }
        }
    }
}

void TestAutoCastPath::everySpreadAndOption()
{
    QFETCH(int, spreadIndex);
    QFETCH(bool, reversals);
    QFETCH(Arcana, arcana);

    TestApp app;
    Program program(app.context);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();
    QMdiArea* workspace = window->workspace();

    QWidget* details = openForm(workspace, QStringLiteral("frmFront"));
    QTest::keyClicks(childOf<QLineEdit>(details, "txtName"), QStringLiteral("Jane Doe"));
    childOf<QPlainTextEdit>(details, "txtQuestion")->setPlainText(QStringLiteral("What does the year hold?"));
    QTest::mouseClick(childOf<QPushButton>(details, "cmdReading"), Qt::LeftButton);
    settle();

    auto* spreadScreen = qobject_cast<SpreadScreen*>(openForm(workspace, QStringLiteral("frmTarot")));
    QVERIFY(spreadScreen);
    QRadioButton* option = spreadScreen->optionButton(spreadIndex);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QTest::mouseClick(childOf<QPushButton>(spreadScreen, "cmdNext"), Qt::LeftButton);
    if (arcana == Arcana::Major)
        QTest::mouseClick(childOf<QCheckBox>(spreadScreen, "chkHA"), Qt::LeftButton);
    if (arcana == Arcana::Minor)
        QTest::mouseClick(childOf<QCheckBox>(spreadScreen, "chkLA"), Qt::LeftButton);
    if (reversals)
        QTest::mouseClick(childOf<QCheckBox>(spreadScreen, "chkRev"), Qt::LeftButton);
    QTest::mouseClick(childOf<QPushButton>(spreadScreen, "cmdAuto"), Qt::LeftButton);
    settle();

    // The screen has gone; the pause came only without reversals.
    QVERIFY(!openForm(workspace, QStringLiteral("frmTarot")));
    QCOMPARE(app.pause.waits, reversals ? QList<int>{} : QList<int>{3000});
    QVERIFY(app.notifier.messages.isEmpty());

    // The reading: the spread's cards, distinct, from the chosen part of the deck.
    const Spread& spread = *SpreadCatalogue::instance().at(spreadIndex);
    const CurrentReading& reading = app.reading;
    QCOMPARE(reading.spread, &spread);
    QCOMPARE(reading.querentName, QStringLiteral("Jane Doe"));
    QCOMPARE(reading.birthDate, QStringLiteral("January 1, 1980"));
    QCOMPARE(reading.positionCount(), spread.cardCount());
    QList<int> seen;
    for (int p = 0; p < spread.cardCount(); ++p) {
        const int card = reading.cards.at(p).index;
        QVERIFY(!seen.contains(card));
        seen.append(card);
        if (arcana == Arcana::Major)
            QVERIFY2(card >= 0 && card <= 21, qPrintable(QString::number(card)));
        else if (arcana == Arcana::Minor)
            QVERIFY2(card >= 22 && card <= 77, qPrintable(QString::number(card)));
        else
            QVERIFY(card >= 0 && card <= 77);
        const bool reversed = reading.cards.at(p).reversed;
        QCOMPARE(reading.reversedCardIndices().contains(card), reversed);
        if (!reversals || spread.isCrossingCard(p))
            QVERIFY(!reversed);
    }

    // The pane holds exactly the engine's composition of these cards, from its top.
    ReadingPane* pane = window->readingPane();
    QCOMPARE(pane->displayedText(), composeReading(reading, app.clock));
    QCOMPARE(pane->verticalScrollBar()->value(), 0);

    // The table at the workspace's top-left, its boxes at the spread's places.
    auto* table = qobject_cast<CardTable*>(openForm(workspace, QStringLiteral("frmAuto")));
    QVERIFY(table);
    QCOMPARE(workspace->subWindowList().size(), 1);
    QCOMPARE(workspace->subWindowList().constFirst()->pos(), QPoint(0, 0));
    QVERIFY(workspace->subWindowList().constFirst()->isAncestorOf(table));
    QList<TwipsPoint> places;
    for (int p = 0; p < CardTable::kBoxCount; ++p) {
        CardBox* box = table->box(p);
        if (p >= spread.cardCount()) {
            QVERIFY(box->isHidden());
            continue;
        }
        QVERIFY(!box->isHidden());
        QCOMPARE(box->place(), spread.positions[p].place);
        QCOMPARE(box->cardIndex(), reading.cards.at(p).index);
        QCOMPARE(box->isReversed(), reading.cards.at(p).reversed);
        QCOMPARE(box->isQuarterTurned(), spread.isCrossingCard(p));
        places.append(box->place());
    }
    QCOMPARE(table->sizeInTwips(), cardTableSize(&spread, places));

    QVERIFY(QFile::exists(app.folder.tempRecord()));
    QCOMPARE(window->readingState(), MainWindow::ReadingState::Fresh);
    QVERIFY(window->rightPanel()->isVisible());
    QCOMPARE(workspace->background().color(), QColor(Qt::white));
    QVERIFY(childOf<QPushButton>(window, "cmdSave")->isEnabled());

    // Start Again: back to the No reading state with a fresh details screen.
    QTest::mouseClick(childOf<QPushButton>(window, "cmdRestart"), Qt::LeftButton);
    settle();
    QCOMPARE(window->readingState(), MainWindow::ReadingState::None);
    QVERIFY(!window->rightPanel()->isVisible());
    QCOMPARE(workspace->background().color(), QColor(Qt::black));
    QVERIFY(!openForm(workspace, QStringLiteral("frmAuto")));
    QWidget* again = openForm(workspace, QStringLiteral("frmFront"));
    QVERIFY(again);
    QVERIFY(childOf<QLineEdit>(again, "txtName")->text().isEmpty());
    // The cards forget how they lay.
    QVERIFY(reading.reversedCardIndices().isEmpty());

    window->close();
    settle();
    QVERIFY(!QFile::exists(app.folder.tempRecord()));
}

// The disk fills while the cards are cast: the user is told at once, the reading stays on screen, and once
// there is room again Save files that reading, never the record an earlier reading left behind.
void TestAutoCastPath::aReadingThatCannotBeKeptIsToldAndStillSaved()
{
    TestApp app;
    // An earlier reading's record, left behind by a program that was stopped.
    CurrentReading earlier;
    earlier.querentName = QStringLiteral("Bob Earlier");
    earlier.spread = SpreadCatalogue::instance().byKey(u"Three Cards");
    earlier.cards = {{0, false}, {1, false}, {2, false}};
    QVERIFY(writeTempReading(app.folder, earlier, app.clock));

    Program program(app.context);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();
    QMdiArea* workspace = window->workspace();
    QWidget* details = openForm(workspace, QStringLiteral("frmFront"));
    QTest::keyClicks(childOf<QLineEdit>(details, "txtName"), QStringLiteral("Jane Doe"));
    // A long question makes the record larger than the limit below, which the lock file is not.
    childOf<QPlainTextEdit>(details, "txtQuestion")->setPlainText(QString(3000, QLatin1Char('q')));
    QTest::mouseClick(childOf<QPushButton>(details, "cmdReading"), Qt::LeftButton);
    settle();
    auto* spreadScreen = qobject_cast<SpreadScreen*>(openForm(workspace, QStringLiteral("frmTarot")));
    QVERIFY(spreadScreen);
    QRadioButton* option = spreadScreen->optionButton(0);
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QTest::mouseClick(childOf<QPushButton>(spreadScreen, "cmdNext"), Qt::LeftButton);
    QTest::mouseClick(childOf<QCheckBox>(spreadScreen, "chkRev"), Qt::LeftButton);
    {
        const FileSizeLimit full(1024);
        QTest::mouseClick(childOf<QPushButton>(spreadScreen, "cmdAuto"), Qt::LeftButton);
        settle();
    }

    QCOMPARE(app.notifier.messages.size(), 1);
    const QString told = app.notifier.messages.constFirst().text;
    QVERIFY2(told.startsWith(QStringLiteral("The reading could not be kept on disk: ")), qPrintable(told));
    QVERIFY2(told.endsWith(QStringLiteral("; free some space, then cast again.")), qPrintable(told));
    // The earlier record is gone rather than left to pass for this reading.
    QVERIFY(!QFile::exists(app.folder.tempRecord()));
    // The reading is on screen all the same.
    QCOMPARE(window->readingState(), MainWindow::ReadingState::Fresh);
    QVERIFY(openForm(workspace, QStringLiteral("frmAuto")));
    QCOMPARE(window->readingPane()->displayedText(), composeReading(app.reading, app.clock));
    // The cards and flags of the positions laid.
    QList<int> flags;
    for (const ReadingCard& card : app.reading.cards)
        flags.append(card.reversed ? 1 : 0);
    const CardList onScreen = CardList::of(app.reading.cardIndices());
    const CardList flagsOnScreen = CardList::of(flags);

    // Room again: Save files the reading on screen.
    QTest::mouseClick(childOf<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QWidget* dialog = forms::topLevel(QStringLiteral("frmSaveReading"));
    QVERIFY(dialog);
    QTest::mouseClick(childOf<QRadioButton>(dialog, "optUnderMisc"), Qt::LeftButton);
    QTest::keyClicks(childOf<QPlainTextEdit>(dialog, "txtDesc"), QStringLiteral("After the disk filled"));
    QTest::mouseClick(childOf<QPushButton>(dialog, "cmdSaveReading"), Qt::LeftButton);
    settle();
    QCOMPARE(app.notifier.messages.constLast().text, QStringLiteral("Your Reading has been Saved Successfully"));
    const auto saved = listSavedReadings(app.folder, QStringLiteral("misc"));
    QVERIFY(saved);
    QCOMPARE(saved->size(), 1);
    const auto record = openSavedReading(app.folder, QStringLiteral("misc"), saved->constFirst().fileName);
    QVERIFY2(record, qPrintable(record.error()));
    QCOMPARE(record->querentName, QStringLiteral("Jane Doe"));
    QCOMPARE(record->cardList(), onScreen);
    QCOMPARE(record->flagList(), flagsOnScreen);
    QCOMPARE(record->description(), QStringLiteral("After the disk filled"));

    window->close();
    settle();
}

QTEST_MAIN(TestAutoCastPath)
#include "tst_autocast_path.moc"
