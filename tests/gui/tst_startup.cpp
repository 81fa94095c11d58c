#include "TestSupport.h"

#include "app/DesktopServices.h"
#include "app/Program.h"
#include "app/Startup.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"

#include <QLockFile>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondInstanceOfTheSameFolderIsRefused();
    void otherFoldersRunSideBySide();
    void lockOfAnEndedProcessDoesNotBlock();
    void requiredResources_data();
    void requiredResources();
    void loneCarriageReturnIsShownAsLineBreak();
    void startShowsTheDetailsScreenInTheNoReadingState();
    void refusedStartShowsNoWindow();
};

void TestStartup::secondInstanceOfTheSameFolderIsRefused()
{
    TestApp app;
    SingleInstanceLock first(app.folder.root());
    QCOMPARE(checkStartup(first, app.folder, app.notifier), StartupCheck::Passed);
    QVERIFY(app.notifier.messages.isEmpty());

    // An instance that has run for an hour still holds its folder.
    QFile lockFile(SingleInstanceLock::lockFilePath(app.folder.root()));
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    lockFile.close();

    // The same folder named another way is still the same folder.
    SingleInstanceLock second(app.folder.root() + QStringLiteral("/cards/.."));
    QCOMPARE(checkStartup(second, app.folder, app.notifier), StartupCheck::AlreadyRunning);
    QCOMPARE(app.notifier.messages.size(), 1);
    const Message& message = app.notifier.messages.first();
    QCOMPARE(message.icon, Notifier::Icon::Critical);
    QCOMPARE(message.title, QStringLiteral("Quillmere"));
    QCOMPARE(message.text, QStringLiteral("Quillmere Is Already Running"));
    QVERIFY(first.isHeld());
    QVERIFY(!second.isHeld());
}

void TestStartup::otherFoldersRunSideBySide()
{
    TestApp one;
    TestApp two;
    SingleInstanceLock first(one.folder.root());
    SingleInstanceLock second(two.folder.root());
    QVERIFY(first.tryAcquire());
    QVERIFY(second.tryAcquire());
    QVERIFY(SingleInstanceLock::lockFilePath(one.folder.root()) != SingleInstanceLock::lockFilePath(two.folder.root()));
}

void TestStartup::lockOfAnEndedProcessDoesNotBlock()
{
    TestApp app;
    const QString path = SingleInstanceLock::lockFilePath(app.folder.root());

    // A process that has ended, as a crashed instance has.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    QVERIFY(ended.waitForStarted());
    const qint64 endedPid = ended.processId();
    QVERIFY(ended.waitForFinished());

    // Its lock file, as it would have left it: our own lock's contents with its process id.
    QByteArray contents;
    {
        QLockFile mine(path);
        QVERIFY(mine.tryLock(0));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
        mine.unlock();
    }
    QList<QByteArray> lines = contents.split('\n');
    QVERIFY(lines.size() > 1);
    lines[0] = QByteArray::number(endedPid);
    writeFile(path, lines.join('\n'));
    QVERIFY(QFile::exists(path));

    SingleInstanceLock lock(app.folder.root());
    QCOMPARE(checkStartup(lock, app.folder, app.notifier), StartupCheck::Passed);
    QVERIFY(app.notifier.messages.isEmpty());
}

void TestStartup::requiredResources_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("asFiles");
    QTest::addColumn<QStringList>("asFolders");
    QTest::addColumn<bool>("passes");

    QTest::newRow("all present") << QStringList{} << QStringList{} << QStringList{} << true;
    QTest::newRow("profile store missing")
        << QStringList{QStringLiteral("vt.dll")} << QStringList{} << QStringList{} << false;
    QTest::newRow("cards missing") << QStringList{QStringLiteral("cards")} << QStringList{} << QStringList{} << false;
    QTest::newRow("pic missing") << QStringList{QStringLiteral("pic")} << QStringList{} << QStringList{} << false;
    QTest::newRow("all missing") << QStringList{QStringLiteral("vt.dll"), QStringLiteral("cards"),
                                                QStringLiteral("pic")}
                                 << QStringList{} << QStringList{} << false;
    QTest::newRow("cards as a file") << QStringList{QStringLiteral("cards")} << QStringList{QStringLiteral("cards")}
                                     << QStringList{} << true;
    QTest::newRow("pic as a file") << QStringList{QStringLiteral("pic")} << QStringList{QStringLiteral("pic")}
                                   << QStringList{} << true;
    QTest::newRow("store as a folder") << QStringList{QStringLiteral("vt.dll")} << QStringList{}
                                       << QStringList{QStringLiteral("vt.dll")} << true;
}

void TestStartup::requiredResources()
{
    QFETCH(QStringList, missing);
    QFETCH(QStringList, asFiles);
    QFETCH(QStringList, asFolders);
    QFETCH(bool, passes);

    TestApp app;
    QDir root(app.folder.root());
    for (const QString& name : missing) {
        QFile::remove(root.filePath(name));
        root.rmdir(name);
    }
    for (const QString& name : asFiles)
        writeFile(root.filePath(name), "x");
    for (const QString& name : asFolders)
        root.mkdir(name);

    SingleInstanceLock lock(app.folder.root());
    const StartupCheck check = checkStartup(lock, app.folder, app.notifier);
    if (passes) {
        QCOMPARE(check, StartupCheck::Passed);
        QVERIFY(app.notifier.messages.isEmpty());
    } else {
        QCOMPARE(check, StartupCheck::ResourcesMissing);
        QCOMPARE(app.notifier.messages.size(), 1);
        QCOMPARE(app.notifier.messages.first().icon, Notifier::Icon::Critical);
        QCOMPARE(app.notifier.messages.first().title, QStringLiteral("Quillmere"));
        QCOMPARE(app.notifier.messages.first().text,
                 QStringLiteral("Required File(s) Missing.") + QChar(13)
                     + QStringLiteral("Please Reinstall software."));
    }
    // Start-up writes nothing into the folder.
    QVERIFY(!QFile::exists(app.folder.tempRecord()));
    QVERIFY(!QFile::exists(app.folder.miscFolder()));
}

void TestStartup::loneCarriageReturnIsShownAsLineBreak()
{
    QCOMPARE(MessageBoxNotifier::displayText(kMissingResourcesMessage),
             QStringLiteral("Required File(s) Missing.\nPlease Reinstall software."));
    QCOMPARE(MessageBoxNotifier::displayText(QStringLiteral("a\r\nb")), QStringLiteral("a\nb"));
}

void TestStartup::startShowsTheDetailsScreenInTheNoReadingState()
{
    TestApp app;
    Program program(app.context);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->windowState() & Qt::WindowMaximized);
    QCOMPARE(window->windowTitle(), QStringLiteral("Quillmere v1.0"));
    QVERIFY(openForm(window->workspace(), QStringLiteral("frmFront")));
    QCOMPARE(window->readingState(), MainWindow::ReadingState::None);
    QVERIFY(!window->rightPanel()->isVisible());
    QCOMPARE(window->workspace()->background().color(), QColor(Qt::black));
    QVERIFY(!window->findChild<QPushButton*>(QStringLiteral("cmdSave"))->isEnabled());
    QVERIFY(app.notifier.messages.isEmpty());

    // The reading holds its initial values.
    QVERIFY(app.reading.querentName.isEmpty());
    QVERIFY(!app.reading.spread);
    QCOMPARE(app.reading.mode, CastMode::NotChosen);
    QVERIFY(app.reading.cards.isEmpty());

    // While it runs, a second start of the folder is refused.
    RecordingNotifier second;
    SingleInstanceLock lock(app.folder.root());
    QCOMPARE(checkStartup(lock, app.folder, second), StartupCheck::AlreadyRunning);
    window->close();
}

void TestStartup::refusedStartShowsNoWindow()
{
    TestApp app;
    QFile::remove(app.folder.profileStore());
    Program program(app.context);
    QVERIFY(!program.start());
    QCOMPARE(program.startupCheck(), StartupCheck::ResourcesMissing);
    QVERIFY(!program.mainWindow());
    QCOMPARE(app.notifier.messages.size(), 1);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
