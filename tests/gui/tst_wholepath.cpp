#include "FormLookup.h"
#include "PanelFixtures.h"

#include "app/Program.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "storage/RecordFormat.h"
#include "storage/SavedReadingText.h"
#include "table/CardTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;
using namespace quillmere::forms;

namespace {

// How a card lies on a table.
struct LaidCard
{
    int card;
    bool reversed;
    bool quarterTurned;
    friend bool operator==(const LaidCard&, const LaidCard&) = default;
};

QList<LaidCard> laidCards(const CardTable* table, int count)
{
    QList<LaidCard> cards;
    for (int k = 0; k < count; ++k)
        cards.append({table->box(k)->cardIndex(), table->box(k)->isReversed(), table->box(k)->isQuarterTurned()});
    return cards;
}

} // namespace

QT_BEGIN_NAMESPACE
namespace QTest {
template <> char* toString(const LaidCard& card)
{
    return qstrdup(QStringLiteral("card %1%2%3")
                       .arg(card.card)
                       .arg(card.reversed ? QStringLiteral(" reversed") : QString())
                       .arg(card.quarterTurned ? QStringLiteral(" turned") : QString())
                       .toUtf8()
                       .constData());
}
} // namespace QTest
QT_END_NAMESPACE

class WholePathTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // From start-up: a profile is created and pre-fills the details; a manual Celtic Cross with reversals is saved
    // under it; after Start Again the reading is reopened from the old-reading panel with the same cards, lying the
    // same way; Start Again leaves no reading.
    void profileManualCelticCrossSaveAndReopen()
    {
        PanelFixture fixture;
        Program program(fixture.context);
        QVERIFY(program.start());
        MainWindow* window = program.mainWindow();
        QMdiArea* workspace = window->workspace();
        QCOMPARE(window->readingState(), MainWindow::ReadingState::None);

        // Create the profile Jane from the save-profile panel.
        QWidget* front = openForm(workspace, QStringLiteral("frmFront"));
        QVERIFY(front);
        QTest::mouseClick(control<QPushButton>(front, "cmdSaveProfile"), Qt::LeftButton);
        QWidget* saveProfile = control<QWidget>(front, "picSaveProfile");
        QVERIFY(saveProfile->isVisible());
        QTest::keyClicks(control<QLineEdit>(saveProfile, "txtProfile"), QStringLiteral("Jane"));
        QTest::keyClicks(control<QLineEdit>(saveProfile, "txtNameOfProfiler"), QStringLiteral("Jane Doe"));
        control<QComboBox>(saveProfile, "cmbDate1")->setCurrentIndex(2);
        control<QComboBox>(saveProfile, "cmbMonth1")->setCurrentIndex(2);
        control<QComboBox>(saveProfile, "cmbYear1")->setCurrentIndex(75);
        QTest::mouseClick(control<QPushButton>(saveProfile, "cmdOK"), Qt::LeftButton);
        QCOMPARE(fixture.notifier.texts(), QStringList{QStringLiteral("Profile creates successfully.")});
        QVERIFY(control<QWidget>(front, "picMain")->isVisible());

        // Pre-fill: the name and the date from the profile; the question as typed.
        QTest::keyClicks(control<QPlainTextEdit>(front, "txtQuestion"), QStringLiteral("Where now?"));
        auto* profiles = control<QComboBox>(front, "cboProfiles1");
        const int jane = profiles->findText(QStringLiteral("Jane"));
        QVERIFY(jane >= 0);
        profiles->setCurrentIndex(jane);
        Q_EMIT profiles->activated(jane);
        QCOMPARE(control<QLineEdit>(front, "txtName")->text(), QStringLiteral("Jane Doe"));
        QCOMPARE(control<QComboBox>(front, "cmbDate")->currentText(), QStringLiteral("3"));
        QCOMPARE(control<QComboBox>(front, "cmbMonth")->currentText(), QStringLiteral("March"));
        QCOMPARE(control<QComboBox>(front, "cmbYear")->currentText(), QStringLiteral("1975"));
        QCOMPARE(control<QPlainTextEdit>(front, "txtQuestion")->toPlainText(), QStringLiteral("Where now?"));

        // A manual Celtic Cross with reversals.
        QTest::mouseClick(control<QPushButton>(front, "cmdReading"), Qt::LeftButton);
        settle();
        QWidget* spreads = openForm(workspace, QStringLiteral("frmTarot"));
        QVERIFY(spreads);
        QTest::mouseClick(control<QRadioButton>(spreads, "optOption_0"), Qt::LeftButton);
        QTest::mouseClick(control<QPushButton>(spreads, "cmdNext"), Qt::LeftButton);
        control<QCheckBox>(spreads, "chkRev")->setChecked(true);
        QTest::mouseClick(control<QPushButton>(spreads, "cmdManual"), Qt::LeftButton);
        settle();
        QWidget* board = openForm(workspace, QStringLiteral("frmManual"));
        QVERIFY(board);
        for (int pick = 0; pick < 10; ++pick)
            QTest::mouseClick(control<QWidget>(board, qPrintable(QStringLiteral("p_%1").arg(pick * 7))),
                              Qt::LeftButton);
        settle();
        QVERIFY(!openForm(workspace, QStringLiteral("frmManual")));
        QCOMPARE(window->readingState(), MainWindow::ReadingState::Fresh);
        const auto* cast = workspace->findChild<CardTable*>(QStringLiteral("frmAuto"));
        QVERIFY(cast);
        const QList<LaidCard> drawn = laidCards(cast, 10);
        QVERIFY2(std::any_of(drawn.begin(), drawn.end(), [](const LaidCard& card) { return card.reversed; }),
                 "the seed gives no reversed card; the path would not show that flags survive");
        QVERIFY(drawn[1].quarterTurned && !drawn[1].reversed);

        // Save under the profile.
        QTest::mouseClick(control<QPushButton>(window, "cmdSave"), Qt::LeftButton);
        QWidget* dialog = topLevel(QStringLiteral("frmSaveReading"));
        QVERIFY(dialog);
        QTest::mouseClick(control<QRadioButton>(dialog, "optUnderProfile"), Qt::LeftButton);
        auto* dialogProfiles = control<QComboBox>(dialog, "cboProfiles");
        dialogProfiles->setCurrentIndex(dialogProfiles->findText(QStringLiteral("Jane")));
        QTest::keyClicks(control<QPlainTextEdit>(dialog, "txtDesc"), QStringLiteral("Before the move"));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdSaveReading"), Qt::LeftButton);
        settle();
        QCOMPARE(fixture.notifier.texts().last(), QStringLiteral("Your Reading has been Saved Successfully"));
        QVERIFY(!topLevel(QStringLiteral("frmSaveReading")));
        QCOMPARE(fixture.entries(QStringLiteral("Jane")),
                 (QStringList{QStringLiteral("12082025153405"), QStringLiteral("Jane")}));

        // Start Again: no reading on screen.
        QTest::mouseClick(control<QPushButton>(window, "cmdRestart"), Qt::LeftButton);
        settle();
        QCOMPARE(window->readingState(), MainWindow::ReadingState::None);
        QVERIFY(!workspace->findChild<CardTable*>(QStringLiteral("frmAuto")));

        // Reopen it from the old-reading panel.
        front = openForm(workspace, QStringLiteral("frmFront"));
        QVERIFY(front);
        QTest::mouseClick(control<QPushButton>(front, "cmdOldProfile"), Qt::LeftButton);
        QWidget* oldReadings = control<QWidget>(front, "picOldProfile");
        QVERIFY(oldReadings->isVisible());
        auto* folders = control<QComboBox>(oldReadings, "cboProfiles");
        const int janeFolder = folders->findText(QStringLiteral("Jane"));
        QVERIFY(janeFolder >= 0);
        folders->setCurrentIndex(janeFolder);
        Q_EMIT folders->activated(janeFolder);
        auto* readings = control<QListWidget>(oldReadings, "lstReadings");
        QCOMPARE(readings->count(), 1);
        QVERIFY(readings->item(0)->text().endsWith(QStringLiteral("     Before the move")));
        QTest::mouseClick(readings->viewport(), Qt::LeftButton, {},
                          readings->visualItemRect(readings->item(0)).center());
        QTest::mouseClick(control<QPushButton>(oldReadings, "cmdReading1"), Qt::LeftButton);
        settle();

        QVERIFY(!openForm(workspace, QStringLiteral("frmFront")));
        QCOMPARE(window->readingState(), MainWindow::ReadingState::Reopened);
        QVERIFY(!control<QPushButton>(window, "cmdSave")->isEnabled());
        const auto* reopened = workspace->findChild<CardTable*>(QStringLiteral("frmReading"));
        QVERIFY(reopened);
        QCOMPARE(laidCards(reopened, 10), drawn);
        const auto saved = readRecordFile(fixture.folder.path(QStringLiteral("Jane/12082025153405")));
        QVERIFY(saved.ok());
        QCOMPARE(saved->querentName, QStringLiteral("Jane Doe"));
        QCOMPARE(saved->birthDate, QStringLiteral("March 3, 1975"));
        QCOMPARE(fixture.reading.querentName, QStringLiteral("Jane Doe"));
        QCOMPARE(window->readingPane()->displayedText(), showSavedReading(saved.value()));

        // Start Again once more: back to no reading, the reopened table closed.
        QTest::mouseClick(control<QPushButton>(window, "cmdRestart"), Qt::LeftButton);
        settle();
        QCOMPARE(window->readingState(), MainWindow::ReadingState::None);
        QVERIFY(!workspace->findChild<CardTable*>(QStringLiteral("frmReading")));
        QVERIFY(!control<QWidget>(window, "picRight")->isVisible());
        QVERIFY(openForm(workspace, QStringLiteral("frmFront")));
    }
};

QTEST_MAIN(WholePathTest)
#include "tst_wholepath.moc"
