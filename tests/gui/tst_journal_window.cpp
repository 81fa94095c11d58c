#include "TestSupport.h"
#include "content/Deck.h"
#include "screens/DetailsScreen.h"
#include "screens/JournalWindow.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "storage/JournalChanges.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingNotes.h"
#include "storage/RecordFormat.h"
#include "storage/SavedReadingText.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <sys/wait.h>
#include <unistd.h>

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
    AnsweringAsker asker;
    JournalApp()
    {
        writeFile(folder.profileStore(), "Smith, John\r\nDoe, Jane\r\n");
        QDir(dir.path()).mkpath(QStringLiteral("Smith, John"));
        QDir(dir.path()).mkpath(QStringLiteral("Doe, Jane"));
        writeFile(dir.filePath(QStringLiteral("Doe, Jane/Doe, Jane")), "\"Jane\",\"June\",\"9\",\"1990\"\r\n");
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
        auto* window = new JournalWindow(context, asker, [this](const QString& file) {
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

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

template <typename T> T* child(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

// Makes the reading with this question the table's current row; false when it is not shown.
bool choose(QWidget* window, const QString& question)
{
    QAbstractItemModel* model = table(window)->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, JournalTableModel::Question).data().toString() == question) {
            table(window)->setCurrentIndex(model->index(row, 0));
            return true;
        }
    }
    return false;
}

QString currentText(QWidget* window, int column)
{
    const QModelIndex current = table(window)->currentIndex();
    return current.isValid() ? current.siblingAtColumn(column).data().toString() : QString();
}

void showPage(QWidget* window, const char* page)
{
    auto* tabs = child<QTabWidget>(window, "tabJournal");
    tabs->setCurrentWidget(child<QWidget>(window, page));
}

QStringList texts(const QList<Message>& messages)
{
    QStringList list;
    for (const Message& message : messages)
        list.append(message.text);
    return list;
}

// Every file and folder under root with its bytes (the journal's cache left out), to show that nothing changed.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (name == QLatin1String(".journal-cache"))
            continue;
        QFile file(path);
        files.insert(name,
                     QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly) ? QByteArray("/") : file.readAll());
    }
    return files;
}

// Runs a command of the window while the folder cannot be written: for a user other than root by its permissions;
// for root, whom permissions do not bind, in a child process that has become the unprivileged user. Returns the
// messages the command showed.
QStringList messagesWhileReadOnly(JournalApp& app, const QString& folder, const std::function<void()>& command)
{
    const qsizetype before = app.notifier.messages.size();
    const QFileDevice::Permissions writable = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (geteuid() != 0) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        command();
        QFile::setPermissions(folder, writable);
        return texts(app.notifier.messages.mid(before));
    }
    QFile::setPermissions(app.dir.path(),
                          QFile::permissions(app.dir.path()) | QFileDevice::ReadOther | QFileDevice::ExeOther
                              | QFileDevice::ReadGroup | QFileDevice::ExeGroup);
    int channel[2];
    if (pipe(channel) != 0)
        return {QStringLiteral("no pipe")};
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(channel[0]);
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(99);
        command();
        const QByteArray shown = texts(app.notifier.messages.mid(before)).join(QLatin1Char('\0')).toUtf8();
        const bool written = ::write(channel[1], shown.constData(), static_cast<size_t>(shown.size())) == shown.size();
        _exit(written ? 0 : 98);
    }
    ::close(channel[1]);
    QByteArray shown;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
        shown.append(buffer, got);
    ::close(channel[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {QStringLiteral("the child process failed")};
    return shown.isEmpty() ? QStringList() : QString::fromUtf8(shown).split(QLatin1Char('\0'));
}

QProcess::ExitStatus runCli(const QStringList& args, const JournalApp& app)
{
    QProcess cli;
    cli.start(QStringLiteral(QUILLMERE_CLI_PATH), args + QStringList{QStringLiteral("--app-folder"), app.dir.path()});
    if (!cli.waitForFinished(15000) || cli.exitCode() != 0)
        qWarning("%s", cli.readAllStandardError().constData());
    return cli.exitCode() == 0 ? cli.exitStatus() : QProcess::CrashExit;
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
        table(window.get())->setCurrentIndex(QModelIndex());
        window->findChild<QPushButton*>(QStringLiteral("cmdAddNote"))->click();
        QCOMPARE(texts(app.notifier.messages), QStringList{QStringLiteral("Please select file to be read.")});
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

    void aNoteIsChangedWithItsDate()
    {
        JournalApp app;
        const QString file = app.path(QStringLiteral("Smith, John/03012026120000"));
        QVERIFY(quillmere::addNote(file, {QDate(2026, 3, 2), QStringLiteral("First")}).ok());
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), QStringLiteral("Career?")));
        auto* notes = child<QListWidget>(window.get(), "lstNotes");
        auto* text = child<QPlainTextEdit>(window.get(), "txtNote");
        auto* date = child<QDateEdit>(window.get(), "dtNote");
        notes->setCurrentRow(0);
        QCOMPARE(text->toPlainText(), QStringLiteral("First"));
        QCOMPARE(date->date(), QDate(2026, 3, 2));

        const QString changed = QStringLiteral("Second thoughts, \"quoted\"\nover two lines");
        text->setPlainText(changed);
        date->setDate(QDate(2026, 4, 1));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdChangeNote"), Qt::LeftButton);
        QCOMPARE(readNotes(file).value(), (QList<ReadingNote>{{QDate(2026, 4, 1), changed}}));
        QCOMPARE(currentText(window.get(), JournalTableModel::Question), QStringLiteral("Career?"));
        QCOMPARE(notes->currentRow(), 0);

        // A new note takes the date chosen for it.
        notes->setCurrentRow(-1);
        text->setPlainText(QStringLiteral("Third"));
        date->setDate(QDate(2026, 5, 5));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdAddNote"), Qt::LeftButton);
        QCOMPARE(readNotes(file).value().value(1), (ReadingNote{QDate(2026, 5, 5), QStringLiteral("Third")}));
        QVERIFY(app.notifier.messages.isEmpty());

        // Blanks only are refused in the program's words, and the note stays as it was.
        notes->setCurrentRow(0);
        text->setPlainText(QStringLiteral("   "));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdChangeNote"), Qt::LeftButton);
        QCOMPARE(texts(app.notifier.messages), QStringList{QStringLiteral("Please enter a note.")});
        QCOMPARE(readNotes(file).value().value(0).text, changed);
    }

    void aReadingMovesWhereItIsSent_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("to another profile with the button")
            << false << QStringLiteral("Career?") << QStringLiteral("Doe, Jane")
            << QStringLiteral("Smith, John/03012026120000") << QStringLiteral("Doe, Jane/03012026120000") << QString();
        QTest::newRow("to Miscellaneous from the menu")
            << true << QStringLiteral("Love?") << QStringLiteral("Miscellaneous")
            << QStringLiteral("Smith, John/03052026120000") << QStringLiteral("misc/03052026120000") << QString();
        QTest::newRow("from Miscellaneous to a profile from the menu")
            << true << QStringLiteral("Money?") << QStringLiteral("Smith, John")
            << QStringLiteral("misc/01012026120000") << QStringLiteral("Smith, John/01012026120000") << QString();
        QTest::newRow("to where it is already: refused")
            << false << QStringLiteral("Career?") << QStringLiteral("Smith, John")
            << QStringLiteral("Smith, John/03012026120000") << QStringLiteral("Smith, John/03012026120000")
            << QStringLiteral("The reading is already under the profile \"Smith, John\".");
    }
    void aReadingMovesWhereItIsSent()
    {
        QFETCH(bool, byMenu);
        QFETCH(QString, question);
        QFETCH(QString, target);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, refusal);
        JournalApp app;
        const QByteArray bytes = fileBytes(app.path(from));
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), question));
        if (byMenu) {
            QAction* chosen = nullptr;
            for (QAction* action : child<QMenu>(window.get(), "mnuMoveTo")->actions()) {
                if (QString(action->text()).remove(QLatin1Char('&')) == target)
                    chosen = action;
            }
            QVERIFY(chosen);
            chosen->trigger();
        } else {
            auto* where = child<QComboBox>(window.get(), "cboMoveTo");
            where->setCurrentIndex(where->findText(target));
            QTest::mouseClick(child<QPushButton>(window.get(), "cmdMove"), Qt::LeftButton);
        }
        QCOMPARE(texts(app.notifier.messages), refusal.isEmpty() ? QStringList() : QStringList{refusal});
        QCOMPARE(fileBytes(app.path(to)), bytes);
        QCOMPARE(QFileInfo::exists(app.path(from)), from == to);
        // The moved reading stays the chosen one, shown under its new place.
        QCOMPARE(currentText(window.get(), JournalTableModel::Question), question);
        QCOMPARE(currentText(window.get(), JournalTableModel::Profile), target);
        QCOMPARE(questions(window.get()).size(), 3);
    }

    void aDeletedReadingIsRestoredFromTheTrashUnderTheNextFreeStamp()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), QStringLiteral("Money?")));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdDelete"), Qt::LeftButton);
        showPage(window.get(), "pageTrash");
        auto* trash = child<QTableWidget>(window.get(), "tblTrash");
        QCOMPARE(trash->rowCount(), 1);
        QCOMPARE(trash->item(0, 1)->text(), QStringLiteral("Reading"));
        QCOMPARE(trash->item(0, 2)->text(), QStringLiteral("Miscellaneous"));
        QCOMPARE(trash->item(0, 4)->text(), QStringLiteral("Money?"));

        // Meanwhile another reading was saved under the deleted one's stamp.
        writeFile(app.path(QStringLiteral("misc/01012026120000")),
                  serializeRecord(record(QStringLiteral("Other?"), {{2, false}}, QStringLiteral("One Card"))));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdRestore"), Qt::LeftButton);
        QVERIFY(app.notifier.messages.isEmpty());
        QCOMPARE(readRecordFile(app.path(QStringLiteral("misc/01012026120001"))).value().question,
                 QStringLiteral("Money?"));
        QCOMPARE(readRecordFile(app.path(QStringLiteral("misc/01012026120000"))).value().question,
                 QStringLiteral("Other?"));
        QCOMPARE(trash->rowCount(), 0);
        QVERIFY(child<QLabel>(window.get(), "lblTrash")->text().contains(QLatin1String("01012026120001")));
        QCOMPARE(questions(window.get()).size(), 4);
        QCOMPARE(currentText(window.get(), JournalTableModel::Question), QStringLiteral("Money?"));
    }

    void emptyingTheTrashAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("emptied");
        QTest::newRow("Empty Trash") << 0 << true;
        QTest::newRow("Cancel") << 1 << false;
        QTest::newRow("the box closed") << -1 << false;
    }
    void emptyingTheTrashAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, emptied);
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), QStringLiteral("Money?")));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdDelete"), Qt::LeftButton);
        showPage(window.get(), "pageTrash");
        app.asker.answers = {answer};
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdEmptyTrash"), Qt::LeftButton);
        QCOMPARE(app.asker.questions.size(), 1);
        QVERIFY(app.asker.questions[0].contains(QLatin1String("removed for good")));
        QCOMPARE(listTrash(app.folder).value().isEmpty(), emptied);
        QCOMPARE(child<QTableWidget>(window.get(), "tblTrash")->rowCount(), emptied ? 0 : 1);
        QVERIFY(app.notifier.messages.isEmpty());
    }

    void aProfileIsRenamedWithItsFolderDetailsAndStoreLine()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QApplication::setActiveWindow(window.get());
        QVERIFY(choose(window.get(), QStringLiteral("Career?")));
        table(window.get())->setFocus();
        // F2 on a reading: its profile's name, ready to be typed over.
        QTest::keyClick(table(window.get()), Qt::Key_F2);
        auto* name = child<QLineEdit>(window.get(), "txtProfileName");
        QCOMPARE(child<QTabWidget>(window.get(), "tabJournal")->currentWidget()->objectName(),
                 QStringLiteral("pageProfiles"));
        QCOMPARE(name->text(), QStringLiteral("Smith, John"));
        QVERIFY(name->hasFocus());
        QTest::keyClicks(name, QStringLiteral("Smith, Johnny"));
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY2(app.notifier.messages.isEmpty(), qPrintable(texts(app.notifier.messages).join(u'\n')));
        QCOMPARE(ProfileStore(app.folder).list().value(),
                 (QStringList{QStringLiteral("Smith, Johnny"), QStringLiteral("Doe, Jane")}));
        QCOMPARE(QDir(app.path(QStringLiteral("Smith, Johnny"))).entryList(QDir::Files, QDir::Name),
                 (QStringList{QStringLiteral("03012026120000"), QStringLiteral("03052026120000"),
                              QStringLiteral("Smith, Johnny")}));
        QVERIFY(!QFileInfo::exists(app.path(QStringLiteral("Smith, John"))));
        QCOMPARE(ProfileStore(app.folder).details(QStringLiteral("Smith, Johnny")).value().personName,
                 QStringLiteral("John"));
        QCOMPARE(child<QListWidget>(window.get(), "lstProfiles")->currentItem()->text(),
                 QStringLiteral("Smith, Johnny (2 readings)"));
        showPage(window.get(), "pageReadings");
        QVERIFY(choose(window.get(), QStringLiteral("Career?")));
        QCOMPARE(currentText(window.get(), JournalTableModel::Profile), QStringLiteral("Smith, Johnny"));
    }

    void aRenameIsRefusedInTheWordsOfProfileCreation_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("another profile in other letters") << QStringLiteral("DOE, JANE");
        QTest::newRow("the trash's folder") << QStringLiteral("Trash");
        QTest::newRow("the folder of Miscellaneous") << QStringLiteral("misc");
        QTest::newRow("a path") << QStringLiteral("../elsewhere");
        QTest::newRow("blanks only") << QStringLiteral("   ");
    }
    void aRenameIsRefusedInTheWordsOfProfileCreation()
    {
        QFETCH(QString, name);
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        showPage(window.get(), "pageProfiles");
        child<QListWidget>(window.get(), "lstProfiles")->setCurrentRow(0);
        const QMap<QString, QByteArray> before = snapshot(app.dir.path());
        child<QLineEdit>(window.get(), "txtProfileName")->setText(name);
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdRenameProfile"), Qt::LeftButton);
        QCOMPARE(snapshot(app.dir.path()), before);
        const ProfileCreation created = ProfileStore(app.folder)
                                            .create({name,
                                                     {QStringLiteral("Someone"), QStringLiteral("May"),
                                                      QStringLiteral("1"), QStringLiteral("1980")}});
        QVERIFY(!created.ok());
        QCOMPARE(texts(app.notifier.messages), QStringList{created.error});
    }

    void aProfilesNameAndDateOfBirthAreEdited()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        showPage(window.get(), "pageProfiles");
        child<QListWidget>(window.get(), "lstProfiles")->setCurrentRow(1);
        auto* name = child<QLineEdit>(window.get(), "txtPersonName");
        auto* day = child<QComboBox>(window.get(), "cmbDay");
        auto* month = child<QComboBox>(window.get(), "cmbMonth");
        auto* year = child<QComboBox>(window.get(), "cmbYear");
        QCOMPARE(
            (QStringList{name->text(), month->currentText(), day->currentText(), year->currentText()}),
            (QStringList{QStringLiteral("Jane"), QStringLiteral("June"), QStringLiteral("9"), QStringLiteral("1990")}));
        name->setText(QStringLiteral("Jane Q"));
        month->setCurrentIndex(month->findText(QStringLiteral("July")));
        day->setCurrentIndex(day->findText(QStringLiteral("10")));
        year->setCurrentIndex(year->findText(QStringLiteral("1991")));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdSaveDetails"), Qt::LeftButton);
        const ProfileDetails edited{QStringLiteral("Jane Q"), QStringLiteral("July"), QStringLiteral("10"),
                                    QStringLiteral("1991")};
        QCOMPARE(ProfileStore(app.folder).details(QStringLiteral("Doe, Jane")).value(), edited);
        QVERIFY(app.notifier.messages.isEmpty());

        // No name is refused as when the profile was created.
        name->clear();
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdSaveDetails"), Qt::LeftButton);
        QCOMPARE(texts(app.notifier.messages), QStringList{QStringLiteral("Please enter your name.")});
        QCOMPARE(ProfileStore(app.folder).details(QStringLiteral("Doe, Jane")).value(), edited);
    }

    void aDeletedProfileTakesItsReadingsToTheTrashAndComesBack_data()
    {
        QTest::addColumn<QString>("reading");
        QTest::addColumn<int>("answer");
        QTest::newRow("Delete Profile") << QStringLiteral("Career?") << 0;
        QTest::newRow("Cancel") << QStringLiteral("Career?") << 1;
        // A reading of Miscellaneous has no profile: nothing is asked, the profiles are shown to choose from.
        QTest::newRow("from a reading of Miscellaneous") << QStringLiteral("Money?") << 0;
    }
    void aDeletedProfileTakesItsReadingsToTheTrashAndComesBack()
    {
        QFETCH(QString, reading);
        QFETCH(int, answer);
        JournalApp app;
        const QMap<QString, QByteArray> before = snapshot(app.dir.path());
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), reading));
        app.asker.answers = {answer};
        child<QAction>(window.get(), "mnuDeleteProfile")->trigger();
        if (reading == QLatin1String("Money?")) {
            QVERIFY(app.asker.questions.isEmpty());
            QCOMPARE(child<QTabWidget>(window.get(), "tabJournal")->currentWidget()->objectName(),
                     QStringLiteral("pageProfiles"));
            QCOMPARE(snapshot(app.dir.path()), before);
            return;
        }
        QCOMPARE(app.asker.questions.size(), 1);
        QVERIFY2(app.asker.questions[0].contains(QLatin1String("\"Smith, John\" (2 readings)")),
                 qPrintable(app.asker.questions[0]));
        if (answer != 0) {
            QCOMPARE(snapshot(app.dir.path()), before);
            return;
        }
        QCOMPARE(ProfileStore(app.folder).list().value(), QStringList{QStringLiteral("Doe, Jane")});
        QCOMPARE(questions(window.get()), QStringList{QStringLiteral("Money?")});
        showPage(window.get(), "pageTrash");
        auto* trash = child<QTableWidget>(window.get(), "tblTrash");
        QCOMPARE(trash->item(0, 1)->text(), QStringLiteral("Profile"));
        QCOMPARE(trash->item(0, 4)->text(), QStringLiteral("2 readings"));
        QTest::mouseClick(child<QPushButton>(window.get(), "cmdRestore"), Qt::LeftButton);
        QVERIFY(app.notifier.messages.isEmpty());
        QCOMPARE(ProfileStore(app.folder).list().value(),
                 (QStringList{QStringLiteral("Doe, Jane"), QStringLiteral("Smith, John")}));
        QCOMPARE(questions(window.get()).size(), 3);
    }

    void aFailedWriteIsShownAndChangesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("readOnly");
        QTest::newRow("a note on a reading in a read-only profile folder")
            << QStringLiteral("note") << QStringLiteral("Smith, John");
        QTest::newRow("a move into a read-only profile folder")
            << QStringLiteral("move") << QStringLiteral("Doe, Jane");
        QTest::newRow("a delete from a read-only profile folder")
            << QStringLiteral("delete") << QStringLiteral("Smith, John");
    }
    void aFailedWriteIsShownAndChangesNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, readOnly);
        JournalApp app;
        QDir(app.dir.path()).mkdir(QStringLiteral("trash"));
        std::unique_ptr<JournalWindow> window(app.open());
        QVERIFY(choose(window.get(), QStringLiteral("Career?")));
        const QMap<QString, QByteArray> before = snapshot(app.dir.path());
        const QStringList shown = messagesWhileReadOnly(app, app.path(readOnly), [&] {
            if (command == QLatin1String("note")) {
                child<QPlainTextEdit>(window.get(), "txtNote")->setPlainText(QStringLiteral("Will not stay"));
                QTest::mouseClick(child<QPushButton>(window.get(), "cmdAddNote"), Qt::LeftButton);
            } else if (command == QLatin1String("move")) {
                auto* where = child<QComboBox>(window.get(), "cboMoveTo");
                where->setCurrentIndex(where->findText(readOnly));
                QTest::mouseClick(child<QPushButton>(window.get(), "cmdMove"), Qt::LeftButton);
            } else {
                QTest::mouseClick(child<QPushButton>(window.get(), "cmdDelete"), Qt::LeftButton);
            }
        });
        QCOMPARE(shown.size(), 1);
        QVERIFY(!shown[0].isEmpty());
        QCOMPARE(snapshot(app.dir.path()), before);
    }

    void changesByTheCommandLineShowOnRefresh()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QApplication::setActiveWindow(window.get());
        QVERIFY(choose(window.get(), QStringLiteral("Career?")));
        QCOMPARE(runCli({QStringLiteral("note"), QStringLiteral("add"), QStringLiteral("Smith, John/03012026120000"),
                         QStringLiteral("From a script")},
                        app),
                 QProcess::NormalExit);
        QCOMPARE(runCli({QStringLiteral("move"), QStringLiteral("misc/01012026120000"), QStringLiteral("--profile"),
                         QStringLiteral("Doe, Jane")},
                        app),
                 QProcess::NormalExit);
        auto* notes = child<QListWidget>(window.get(), "lstNotes");
        QCOMPARE(notes->count(), 0);
        table(window.get())->setFocus();
        QTest::keyClick(table(window.get()), Qt::Key_F5);
        QCOMPARE(currentText(window.get(), JournalTableModel::Question), QStringLiteral("Career?"));
        QCOMPARE(notes->count(), 1);
        QVERIFY(notes->item(0)->text().endsWith(QLatin1String(": From a script")));
        QVERIFY(choose(window.get(), QStringLiteral("Money?")));
        QCOMPARE(currentText(window.get(), JournalTableModel::Profile), QStringLiteral("Doe, Jane"));
    }

    void theKeyboardAloneDeletesAndRestores()
    {
        JournalApp app;
        std::unique_ptr<JournalWindow> window(app.open());
        QApplication::setActiveWindow(window.get());
        auto* search = child<QLineEdit>(window.get(), "txtSearch");
        search->setFocus();
        QTest::keyClicks(search, QStringLiteral("money"));
        QTest::keyClick(search, Qt::Key_Down);
        QTest::keyClick(table(window.get()), Qt::Key_Delete);
        QVERIFY(questions(window.get()).isEmpty());
        QCOMPARE(listTrash(app.folder).value().size(), 1);

        // Typing in the table goes on in the search box.
        search->clear();
        table(window.get())->setFocus();
        QTest::keyClicks(table(window.get()), QStringLiteral("love"));
        QCOMPARE(search->text(), QStringLiteral("love"));
        QCOMPARE(questions(window.get()), QStringList{QStringLiteral("Love?")});

        QTest::keyClick(search, Qt::Key_4, Qt::ControlModifier);
        QCOMPARE(child<QTabWidget>(window.get(), "tabJournal")->currentWidget()->objectName(),
                 QStringLiteral("pageTrash"));
        auto* trash = child<QTableWidget>(window.get(), "tblTrash");
        trash->setFocus();
        QTest::keyClick(trash, Qt::Key_Return);
        QVERIFY(QFileInfo(app.path(QStringLiteral("misc/01012026120000"))).isFile());
        QVERIFY(app.notifier.messages.isEmpty());
    }

    void theDetailsScreenOpensTheJournal()
    {
        JournalApp app;
        MainWindow main(app.context);
        main.resize(1366, 768);
        main.show();
        DetailsScreen* details = main.showDetailsScreen();
        auto* button = child<QPushButton>(details, "cmdJournal");
        QVERIFY(button->isVisible());
        // It keeps clear of every control the screen places.
        for (QWidget* other : button->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (other != button && other->isVisible())
                QVERIFY2(!other->geometry().intersects(button->geometry()), qPrintable(other->objectName()));
        }
        QVERIFY(details->rect().contains(button->mapTo(details, button->rect().bottomRight())));
        // The focus passes the row's commands in the order they stand.
        QApplication::setActiveWindow(&main);
        auto* reset = child<QPushButton>(details, "cmdReset");
        reset->setFocus();
        QTest::keyClick(reset, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button);
        QTest::keyClick(button, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(details, "cmdReading"));
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(main.findChild<JournalWindow*>());
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
