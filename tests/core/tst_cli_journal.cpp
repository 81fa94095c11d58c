#include "CliRunner.h"
#include "JournalFixtures.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace quillmere;

// The journal on the command line: search, stats, notes, delete, trash, restore, move and the profile changes.
class TestCliJournal : public QObject
{
    Q_OBJECT

private:
    std::optional<JournalFolder> m_app;
    QStringList folderArgs() const { return {QStringLiteral("--app-folder"), m_app->dir.path()}; }
    CliRun cli(QStringList args) const { return runCli(args << folderArgs()); }

private Q_SLOTS:
    void init()
    {
        m_app.emplace(QStringList{QStringLiteral("Smith, John"), QStringLiteral("Ann")});
        m_app->save(QStringLiteral("Smith, John"), QStringLiteral("03012026120000"),
                    savedRecord(QStringLiteral("John"), QStringLiteral("Career?"), QStringLiteral("Two Cards"),
                                {{19, true}, {28, false}}));
        m_app->save(
            QStringLiteral("Ann"), QStringLiteral("01012026120000"),
            savedRecord(QStringLiteral("Ann"), QStringLiteral("Health?"), QStringLiteral("One Card"), {{19, false}}));
        m_app->save(QStringLiteral("misc"), QStringLiteral("06012026120000"),
                    savedRecord(QString(), QStringLiteral("Money?"), QStringLiteral("One Card"), {{40, false}}));
    }

    void searchPrintsTheMatchingReadingsAsJson()
    {
        const CliRun all = cli({QStringLiteral("search"), QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(all.exitCode, 0);
        const QJsonArray readings = QJsonDocument::fromJson(all.out.toUtf8()).array();
        QCOMPARE(readings.size(), 3);
        QVERIFY(readings[0].toObject().value(QStringLiteral("profile")).isNull());
        const QJsonObject john = readings[1].toObject();
        QCOMPARE(john.value(QStringLiteral("profile")).toString(), QStringLiteral("Smith, John"));
        QCOMPARE(john.value(QStringLiteral("file")).toString(),
                 m_app->path(QStringLiteral("Smith, John/03012026120000")));
        QCOMPARE(john.value(QStringLiteral("cards")).toArray(), (QJsonArray{19, 28}));
        QCOMPARE(john.value(QStringLiteral("flags")).toArray(), (QJsonArray{1, 0}));
        QCOMPARE(john.value(QStringLiteral("question")).toString(), QStringLiteral("Career?"));
        for (const char* key : {"date", "time", "spread", "name", "descriptions", "notes"})
            QVERIFY2(john.contains(QLatin1String(key)), key);

        const CliRun tower = cli({QStringLiteral("search"), QStringLiteral("--reversed-card"),
                                  QStringLiteral("the tower"), QStringLiteral("--from"), QStringLiteral("2026-02-01")});
        QCOMPARE(tower.exitCode, 0);
        QCOMPARE(tower.out.count(QLatin1Char('\n')), 1);
        QVERIFY(tower.out.startsWith(m_app->path(QStringLiteral("Smith, John/03012026120000")) + QLatin1Char('\t')));
    }

    void badArgumentsAreRefused_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown card") << QStringList{QStringLiteral("search"), QStringLiteral("--card"),
                                                     QStringLiteral("The Towers")}
                                      << 2 << QStringLiteral("no card is named 'The Towers'");
        QTest::newRow("bad date") << QStringList{QStringLiteral("stats"), QStringLiteral("--from"),
                                                 QStringLiteral("3/1/2026")}
                                  << 2 << QStringLiteral("--from must be a date YYYY-MM-DD");
        QTest::newRow("profile and misc") << QStringList{QStringLiteral("search"), QStringLiteral("--misc"),
                                                         QStringLiteral("--profile"), QStringLiteral("Ann")}
                                          << 2 << QStringLiteral("not both");
        QTest::newRow("unknown profile") << QStringList{QStringLiteral("stats"), QStringLiteral("--profile"),
                                                        QStringLiteral("Bob")}
                                         << 1 << QStringLiteral("There is no profile named \"Bob\".");
        QTest::newRow("file outside") << QStringList{QStringLiteral("delete"), QStringLiteral("/etc/hostname")} << 1
                                      << QStringLiteral("is not a saved reading");
        QTest::newRow("rename to an existing name")
            << QStringList{QStringLiteral("profile"), QStringLiteral("rename"), QStringLiteral("Ann"),
                           QStringLiteral("smith, john")}
            << 1 << QStringLiteral("A profile named \"Smith, John\" already exists.");
        QTest::newRow("empty note") << QStringList{QStringLiteral("note"), QStringLiteral("add"),
                                                   QStringLiteral("Ann/01012026120000"), QStringLiteral(" ")}
                                    << 1 << QStringLiteral("Please enter a note.");
    }
    void badArgumentsAreRefused()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const CliRun run = cli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(error), qPrintable(run.err));
    }

    void statsCountTheCards()
    {
        const CliRun run = cli({QStringLiteral("stats"), QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject stats = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QCOMPARE(stats.value(QStringLiteral("readings")).toInt(), 3);
        const QJsonObject top = stats.value(QStringLiteral("cards")).toArray().at(0).toObject();
        QCOMPARE(top.value(QStringLiteral("name")).toString(), QStringLiteral("The Tower"));
        QCOMPARE(top.value(QStringLiteral("count")).toInt(), 2);
        QCOMPARE(top.value(QStringLiteral("reversed")).toInt(), 1);
        QCOMPARE(stats.value(QStringLiteral("reversedShare")).toDouble(), 0.25);
        QCOMPARE(stats.value(QStringLiteral("majorShare")).toDouble(), 0.5);
        QCOMPARE(stats.value(QStringLiteral("spreads")).toObject().value(QStringLiteral("One Card")).toInt(), 2);
        QVERIFY(stats.value(QStringLiteral("suits")).toObject().contains(QStringLiteral("pentacles")));
    }

    void aReadingIsAnnotatedMovedDeletedAndRestored()
    {
        const QString file = QStringLiteral("Ann/01012026120000");
        QCOMPARE(cli({QStringLiteral("note"), QStringLiteral("add"), file, QStringLiteral("It \"came\"\ntrue"),
                      QStringLiteral("--date"), QStringLiteral("2026-02-02")})
                     .out,
                 QStringLiteral("1\t2026-02-02\tIt \"came\" true\n"));
        QCOMPARE(cli({QStringLiteral("note"), QStringLiteral("list"), file}).out,
                 QStringLiteral("1\t2026-02-02\tIt \"came\" true\n"));
        const CliRun moved = cli({QStringLiteral("move"), file, QStringLiteral("--misc")});
        QCOMPARE(moved.exitCode, 0);
        QCOMPARE(moved.out.trimmed(), m_app->path(QStringLiteral("misc/01012026120000")));
        const CliRun deleted = cli({QStringLiteral("delete"), QStringLiteral("misc/01012026120000")});
        QCOMPARE(deleted.exitCode, 0);
        QVERIFY(!QFileInfo::exists(m_app->path(QStringLiteral("misc/01012026120000"))));
        const QString entry = deleted.out.trimmed().section(QLatin1Char('\t'), 1);
        const CliRun trash = cli({QStringLiteral("trash")});
        QVERIFY(trash.out.startsWith(entry + QStringLiteral("\treading\tmisc/01012026120000\t")));
        const CliRun restored = cli({QStringLiteral("restore"), entry});
        QCOMPARE(restored.exitCode, 0);
        QCOMPARE(restored.out.trimmed(), m_app->path(QStringLiteral("misc/01012026120000")));
        const CliRun search = cli(
            {QStringLiteral("search"), QStringLiteral("--text"), QStringLiteral("came"), QStringLiteral("--misc")});
        QCOMPARE(search.out.count(QLatin1Char('\n')), 1);
        QCOMPARE(cli({QStringLiteral("note"), QStringLiteral("remove"), QStringLiteral("misc/01012026120000"),
                      QStringLiteral("1")})
                     .exitCode,
                 0);
        QCOMPARE(cli({QStringLiteral("note"), QStringLiteral("list"), QStringLiteral("misc/01012026120000")}).out,
                 QString());
    }

    void aProfileIsRenamedEditedDeletedAndRestored()
    {
        QCOMPARE(
            cli({QStringLiteral("profile"), QStringLiteral("rename"), QStringLiteral("Ann"), QStringLiteral("Ann Lee")})
                .exitCode,
            0);
        QCOMPARE(cli({QStringLiteral("profile"), QStringLiteral("list")}).out,
                 QStringLiteral("Smith, John\nAnn Lee\n"));
        QCOMPARE(cli({QStringLiteral("profile"), QStringLiteral("edit"), QStringLiteral("Ann Lee"),
                      QStringLiteral("--dob"), QStringLiteral("March 4, 1990")})
                     .exitCode,
                 0);
        QCOMPARE(fileBytes(m_app->path(QStringLiteral("Ann Lee/Ann Lee"))),
                 QByteArray("\"Person\",\"March\",\"4\",\"1990\"\r\n"));
        const CliRun deleted = cli({QStringLiteral("profile"), QStringLiteral("delete"), QStringLiteral("Ann Lee")});
        QCOMPARE(deleted.exitCode, 0);
        QCOMPARE(cli({QStringLiteral("profile"), QStringLiteral("list")}).out, QStringLiteral("Smith, John\n"));
        const CliRun restored = cli({QStringLiteral("restore"), deleted.out.trimmed().section(QLatin1Char('\t'), 1)});
        QCOMPARE(restored.exitCode, 0);
        QCOMPARE(cli({QStringLiteral("search"), QStringLiteral("--profile"), QStringLiteral("Ann Lee")})
                     .out.count(QLatin1Char('\n')),
                 1);
    }

    void helpDocumentsTheJournalCommands()
    {
        const CliRun help = runCli({QStringLiteral("--help")});
        for (const char* command :
             {"search [--text T]", "stats [--profile", "note add FILE TEXT", "note list FILE", "note remove FILE N",
              "delete FILE", "trash --app-folder", "restore ENTRY", "move FILE", "profile rename OLD NEW",
              "profile edit PROFILE", "profile delete PROFILE"})
            QVERIFY2(help.out.contains(QLatin1String(command)), command);
    }
};

QTEST_GUILESS_MAIN(TestCliJournal)
#include "tst_cli_journal.moc"
