#include "TestSupport.h"
#include "app/MoveOver.h"
#include "app/Program.h"
#include "screens/MainWindow.h"
#include "storage/ProfileStore.h"

#include <QAction>
#include <QDirIterator>
#include <QTest>

using namespace quillmere;
using namespace quillmere::test;
using namespace Qt::StringLiterals;

namespace {

// An installed start: the data folder apart from the program's files, and an old folder of an earlier version.
struct InstalledStart
{
    InstalledStart()
        : folder(dir.filePath(u"data"_s), dir.filePath(u"share"_s))
        , settings(dir.filePath(u"config/Quillmere.conf"_s))
        , context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings}
    {
        QDir(dir.path()).mkpath(u"data"_s);
        QDir(dir.path()).mkpath(u"share/pic"_s);
        QDir(dir.path()).mkpath(u"share/cards"_s);
        writeFile(folder.profileStore(), QByteArray());
        const QString fixture = QStringLiteral(QUILLMERE_FIXTURES_DIR "/old-folder");
        QDirIterator it(fixture, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString copy = old() + QLatin1Char('/') + QDir(fixture).relativeFilePath(path);
            QDir().mkpath(QFileInfo(copy).path());
            QFile::copy(path, copy);
        }
    }
    QString old() const { return dir.filePath(u"Quillmere"_s); }

    QTemporaryDir dir;
    AppFolder folder;
    CurrentReading reading;
    SeededRandomSource random{1};
    FixedReadingClock clock{QDateTime(QDate(2026, 12, 9), QTime(21, 30, 5))};
    RecordingNotifier notifier;
    RecordingPause pause;
    RecordingUrlOpener urlOpener;
    ProgramSettings settings;
    AppContext context;
    AnsweringAsker asker;
};

} // namespace

// Moving over from the folder earlier versions installed: offered once on a first start, copied (never moved)
// when the user agrees, with a summary.
class TestMoveOver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Agreeing copies every profile and reading, says what was copied and leaves the old folder; the offer
    // is not made again.
    void agreeingCopiesTheReadings()
    {
        InstalledStart start;
        start.asker.answers = {0};
        Program program(start.context);
        program.setAsker(start.asker);
        program.setMoveOverFolder(start.old());
        QVERIFY(program.start());
        QCOMPARE(start.asker.questions.size(), 1);
        QVERIFY(start.asker.questions.first().contains(start.old()));
        QCOMPARE(*ProfileStore(start.folder).list(), (QStringList{u"Smith, John"_s, u"Renée"_s, u"Jane"_s}));
        QVERIFY(QFile::exists(start.dir.filePath(u"Quillmere/Jane/06302019080000"_s)));
        QCOMPARE(start.notifier.messages.size(), 1);
        QVERIFY2(start.notifier.messages.first().text.contains(u"Readings copied: 5"_s),
                 qPrintable(start.notifier.messages.first().text));
        QVERIFY(program.mainWindow()->findChild<QAction*>(u"mnuImportReadings"_s));
        QVERIFY(!MoveOver(start.context, start.asker, start.old()).isDue());
    }

    // Declining copies nothing and is remembered; a data folder that already holds profiles, or a portable
    // folder, is never offered anything.
    void theOfferIsMadeOnlyWhenItIsDue()
    {
        InstalledStart start;
        MoveOver moveOver(start.context, start.asker, start.old());
        QVERIFY(moveOver.isDue());
        start.asker.answers = {1};
        QVERIFY(!moveOver.offer());
        QCOMPARE(*ProfileStore(start.folder).list(), QStringList());
        QVERIFY(!moveOver.isDue());

        InstalledStart used;
        writeFile(used.folder.profileStore(), "Ann\r\n");
        QVERIFY(!MoveOver(used.context, used.asker, used.old()).isDue());

        TestApp portable;
        QVERIFY(!MoveOver(portable.context, used.asker, used.old()).isDue());
    }
};

QTEST_MAIN(TestMoveOver)
#include "tst_moveover.moc"
