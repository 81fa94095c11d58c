#include "TestSupport.h"
#include "content/Deck.h"
#include "screens/JournalWindow.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "storage/JournalChanges.h"
#include "storage/ReadingNotes.h"
#include "storage/SavedReadingText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

ReadingRecord record(const QString& question, const QList<RecordCard>& cards, const QString& spread)
{
    ReadingRecord r;
    r.querentName = QStringLiteral("John");
    r.birthDate = QStringLiteral("May 2, 1975");
    r.question = question;
    r.date = QStringLiteral("3/1/2026");
    r.time = QStringLiteral("12:00:00 PM");
    r.spreadName = spread;
    r.cards = cards;
    r.descriptions = {QStringLiteral("Saved")};
    return r;
}

struct JournalApp : TestApp
{
    QStringList opened;
    JournalApp()
    {
        writeFile(folder.profileStore(), "Smith, John\r\n");
        QDir(dir.path()).mkpath(QStringLiteral("Smith, John"));
        QDir(dir.path()).mkpath(QStringLiteral("misc"));
        writeFile(dir.filePath(QStringLiteral("Smith, John/Smith, John")), "\"John\",\"May\",\"2\",\"1975\"\r\n");
        writeFile(
            path(QStringLiteral("Smith, John/03012026120000")),
            serializeRecord(record(QStringLiteral("Career?"), {{19, true}, {28, false}}, QStringLiteral("Two Cards"))));
        writeFile(path(QStringLiteral("Smith, John/03052026120000")),
                  serializeRecord(record(QStringLiteral("Love?"), {{19, false}}, QStringLiteral("One Card"))));
        writeFile(path(QStringLiteral("misc/01012026120000")),
                  serializeRecord(record(QStringLiteral("Money?"), {{40, false}}, QStringLiteral("One Card"))));
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
    JournalWindow* open()
    {
        auto* window = new JournalWindow(context, [this](const QString& file) {
            opened.append(file);
            return QString();
        });
        window->show();
        return window;
    }
};

QTableView* table(QWidget* window)
{
    return window->findChild<QTableView*>(QStringLiteral("tblReadings"));
}

QStringList questions(QWidget* window)
{
    QStringList list;
    QAbstractItemModel* model = table(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        list.append(model->index(row, 5).data().toString());
    return list;
}

} // namespace

// The journal window: one table of every reading, filters as you type, keyboard use, notes, delete, statistics.
class TestJournalWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filtersApplyAsYouTypeAndCombine()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QCOMPARE(questions(window.get()),
                 (QStringList{QStringLiteral("Love?"), QStringLiteral("Career?"), QStringLiteral("Money?")}));
        QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("txtSearch")), QStringLiteral("CAREER"));
        QCOMPARE(questions(window.get()), QStringList{QStringLiteral("Career?")});
        window->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->clear();
        auto* card = window->findChild<QComboBox*>(QStringLiteral("cboCard"));
        card->setCurrentIndex(card->findText(QStringLiteral("The Tower")));
        QCOMPARE(questions(window.get()), (QStringList{QStringLiteral("Love?"), QStringLiteral("Career?")}));
        window->findChild<QCheckBox*>(QStringLiteral("chkReversed"))->setChecked(true);
        QCOMPARE(questions(window.get()), QStringList{QStringLiteral("Career?")});
        auto* profile = window->findChild<QComboBox*>(QStringLiteral("cboProfile"));
        profile->setCurrentIndex(profile->findText(QStringLiteral("Miscellaneous")));
        QVERIFY(questions(window.get()).isEmpty());
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("lblCount"))->text(), QStringLiteral("0 of 3 readings"));
    }

    void sortingByAColumnKeepsTheFilter()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        table(window.get())->sortByColumn(JournalTableModel::Question, Qt::AscendingOrder);
        QCOMPARE(questions(window.get()),
                 (QStringList{QStringLiteral("Career?"), QStringLiteral("Love?"), QStringLiteral("Money?")}));
        auto* spread = window->findChild<QComboBox*>(QStringLiteral("cboSpread"));
        spread->setCurrentIndex(spread->findText(QStringLiteral("One Card")));
        QCOMPARE(questions(window.get()), (QStringList{QStringLiteral("Love?"), QStringLiteral("Money?")}));
    }

    void theKeyboardAloneFindsAndOpensAReading()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QApplication::setActiveWindow(window.get());
        auto* search = window->findChild<QLineEdit*>(QStringLiteral("txtSearch"));
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("money"));
        QTest::keyClick(search, Qt::Key_Down);
        QTest::keyClick(table(window.get()), Qt::Key_Return);
        QCOMPARE(app.opened, QStringList{app.path(QStringLiteral("misc/01012026120000"))});
    }

    void notesAreAddedAndRemovedOnTheChosenReading()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        table(window.get())->setCurrentIndex(table(window.get())->model()->index(1, 0));
        window->findChild<QPlainTextEdit*>(QStringLiteral("txtNote"))
            ->setPlainText(QStringLiteral("Got the \"job\"\nin May"));
        window->findChild<QPushButton*>(QStringLiteral("cmdAddNote"))->click();
        const QString file = app.path(QStringLiteral("Smith, John/03012026120000"));
        QCOMPARE(readNotes(file).value(),
                 (QList<ReadingNote>{{app.clock.now().date(), QStringLiteral("Got the \"job\"\nin May")}}));
        QVERIFY(app.notifier.messages.isEmpty());
        QTest::keyClicks(window->findChild<QLineEdit*>(QStringLiteral("txtSearch")), QStringLiteral("job"));
        QCOMPARE(questions(window.get()), QStringList{QStringLiteral("Career?")});
        table(window.get())->setCurrentIndex(table(window.get())->model()->index(0, 0));
        auto* notes = window->findChild<QListWidget*>(QStringLiteral("lstNotes"));
        QCOMPARE(notes->count(), 1);
        notes->setCurrentRow(0);
        window->findChild<QPushButton*>(QStringLiteral("cmdRemoveNote"))->click();
        QVERIFY(readNotes(file).value().isEmpty());
        // Without a reading chosen the command says what is missing.
        window->findChild<QPushButton*>(QStringLiteral("cmdAddNote"))->click();
        QCOMPARE(app.notifier.messages.size(), 1);
    }

    void aDeletedReadingLeavesTheTableForTheTrash()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        table(window.get())->setCurrentIndex(table(window.get())->model()->index(2, 0));
        window->findChild<QPushButton*>(QStringLiteral("cmdDelete"))->click();
        QCOMPARE(questions(window.get()), (QStringList{QStringLiteral("Love?"), QStringLiteral("Career?")}));
        const QList<TrashEntry> trash = listTrash(app.folder).value();
        QCOMPARE(trash.size(), 1);
        QCOMPARE(trash[0].fileName, QStringLiteral("01012026120000"));
    }

    void statisticsFollowTheFiltersAndCopyAsText()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QCOMPARE(window->statistics().readings, 3);
        QCOMPARE(window->statistics().topCards(1).value(0).index, 19);
        auto* profile = window->findChild<QComboBox*>(QStringLiteral("cboProfile"));
        profile->setCurrentIndex(profile->findText(QStringLiteral("Miscellaneous")));
        QCOMPARE(window->statistics().readings, 1);
        window->findChild<QPushButton*>(QStringLiteral("cmdCopyStatistics"))->click();
        QCOMPARE(QApplication::clipboard()->text(), statisticsText(window->statistics()));
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Readings: 1\n")));
        QVERIFY(window->findChild<QWidget*>(QStringLiteral("chartCards"))->grab().width() > 0);
    }

    void aChangeByAnotherProcessShowsOnRefresh()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QFile::remove(app.path(QStringLiteral("misc/01012026120000")));
        writeFile(app.path(QStringLiteral("misc/07012026120000")),
                  serializeRecord(record(QStringLiteral("New?"), {{1, false}}, QStringLiteral("One Card"))));
        window->findChild<QPushButton*>(QStringLiteral("cmdRefresh"))->click();
        QCOMPARE(questions(window.get()),
                 (QStringList{QStringLiteral("New?"), QStringLiteral("Love?"), QStringLiteral("Career?")}));
    }

    void openingFromTheMenuShowsTheReadingAsViewOldReadingDoes()
    {
        JournalApp app;
        MainWindow main(app.context);
        main.show();
        main.showDetailsScreen();
        JournalWindow* journal = main.showJournal();
        QVERIFY(journal);
        QCOMPARE(main.showJournal(), journal);
        const QString file = app.path(QStringLiteral("Smith, John/03012026120000"));
        QCOMPARE(main.showSavedReadingFile(file), QString());
        settle();
        QCOMPARE(main.readingState(), MainWindow::ReadingState::Reopened);
        QVERIFY(main.findChild<QWidget*>(QStringLiteral("frmReading")));
        QVERIFY(!main.findChild<QWidget*>(QStringLiteral("frmFront")));
        QCOMPARE(app.reading.question, QStringLiteral("Career?"));
        QVERIFY(!main.showSavedReadingFile(app.path(QStringLiteral("Smith, John/nothing"))).isEmpty());
        QCOMPARE(main.readingState(), MainWindow::ReadingState::Reopened);
    }
};

QTEST_MAIN(TestJournalWindow)
#include "tst_journal_window.moc"
