#include "CliRunner.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The file commands of quillmere-cli, end to end in a fresh application folder.
class TestCliFiles : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString root() const { return m_dir->path(); }
    QStringList withFolder(QStringList args) const { return args << QStringLiteral("--app-folder") << root(); }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void profileCastSaveReadingsShow()
    {
        CliRun run = runCli(withFolder({QStringLiteral("profile"), QStringLiteral("add"), QStringLiteral("Smith, John"),
                                        QStringLiteral("--name"), QStringLiteral("John Smith"), QStringLiteral("--dob"),
                                        QStringLiteral("March 4, 1970")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Smith, John\n"));
        run = runCli(withFolder({QStringLiteral("profile"), QStringLiteral("add"), QStringLiteral("Ann"),
                                 QStringLiteral("--name"), QStringLiteral("Ann")}));
        QCOMPARE(run.exitCode, 0);
        run = runCli(withFolder({QStringLiteral("profile"), QStringLiteral("list")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Smith, John\nAnn\n"));

        run = runCli(withFolder({QStringLiteral("cast"), QStringLiteral("--spread"), QStringLiteral("Celtic Cross"),
                                 QStringLiteral("--reversals"), QStringLiteral("--seed"), QStringLiteral("7"),
                                 QStringLiteral("--name"), QStringLiteral("John Smith"), QStringLiteral("--question"),
                                 QStringLiteral("Will \"it\" work, at last?"), QStringLiteral("--format"),
                                 QStringLiteral("json")}));
        QCOMPARE(run.exitCode, 0);
        const QJsonObject cast = QJsonDocument::fromJson(run.out.toUtf8()).object();
        QVERIFY(QFileInfo::exists(root() + QStringLiteral("/temp")));

        run = runCli(withFolder({QStringLiteral("save"), QStringLiteral("--profile"), QStringLiteral("Smith, John"),
                                 QStringLiteral("--description"), QStringLiteral("  first look  ")}));
        QCOMPARE(run.exitCode, 0);
        const QString saved = run.out.trimmed();
        QCOMPARE(QFileInfo(saved).dir().dirName(), QStringLiteral("Smith, John"));
        QCOMPARE(QFileInfo(saved).fileName().size(), 14);
        QVERIFY(QFileInfo::exists(saved));

        run = runCli(withFolder({QStringLiteral("readings"), QStringLiteral("Smith, John")}));
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        const QString five = QStringLiteral("     ");
        QCOMPARE(lines[0],
                 QFileInfo(saved).fileName() + five + QStringLiteral("first look") + QLatin1Char('\t')
                     + cast[QStringLiteral("date")].toString() + five + cast[QStringLiteral("time")].toString() + five
                     + QStringLiteral("first look"));

        run = runCli({QStringLiteral("show"), saved, QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject shown = QJsonDocument::fromJson(run.out.toUtf8()).object();
        for (const char* key : {"spread", "cards", "flags", "name", "question", "date", "time"})
            QCOMPARE(shown[QLatin1String(key)], cast[QLatin1String(key)]);
        QCOMPARE(shown[QStringLiteral("descriptions")].toArray(), QJsonArray{QStringLiteral("first look")});
        QVERIFY(!shown.contains(QStringLiteral("reversed")));
        QVERIFY(
            shown[QStringLiteral("text")].toString().startsWith(QStringLiteral("Your Reading is displayed below.")));
        QVERIFY(shown[QStringLiteral("text")].toString().contains(QStringLiteral("Card 10\r\n")));
        QVERIFY(!shown[QStringLiteral("runs")].toArray().isEmpty());

        run = runCli({QStringLiteral("show"), saved});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, shown[QStringLiteral("text")].toString());
        run = runCli({QStringLiteral("show"), QStringLiteral("Smith, John/") + QFileInfo(saved).fileName(),
                      QStringLiteral("--app-folder"), root(), QStringLiteral("--format"), QStringLiteral("html")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.contains(QStringLiteral("Spread Type - Celtic Cross")));

        run = runCli(withFolder({QStringLiteral("save"), QStringLiteral("--misc"), QStringLiteral("--description"),
                                 QStringLiteral("second\r\nlook\tagain")}));
        QCOMPARE(run.exitCode, 0);
        run = runCli(withFolder({QStringLiteral("readings"), QStringLiteral("misc")}));
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out.count(QLatin1Char('\n')), 1);
        QVERIFY(run.out.contains(five + QStringLiteral("first look") + five + QStringLiteral("second look again\t")));
    }

    void refusalsOnStandardError_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("save without option")
            << QStringList{QStringLiteral("save"), QStringLiteral("--description"), QStringLiteral("d")} << 1
            << QStringLiteral("Please select an option.\n");
        QTest::newRow("save without profile")
            << QStringList{QStringLiteral("save"), QStringLiteral("--profile="), QStringLiteral("--description=d")} << 1
            << QStringLiteral("Please select profile to save.\n");
        QTest::newRow("save blank description") << QStringList{QStringLiteral("save"), QStringLiteral("--misc"),
                                                               QStringLiteral("--description"), QStringLiteral("   ")}
                                                << 1 << QStringLiteral("Please enter description.\n");
        QTest::newRow("save without a reading")
            << QStringList{QStringLiteral("save"), QStringLiteral("--misc"), QStringLiteral("--description=d")} << 1
            << QStringLiteral("There is no reading to save.");
        QTest::newRow("profile exists") << QStringList{QStringLiteral("profile"), QStringLiteral("add"),
                                                       QStringLiteral("PIC"), QStringLiteral("--name=x")}
                                        << 1 << QStringLiteral("already exists");
        QTest::newRow("profile unsafe") << QStringList{QStringLiteral("profile"), QStringLiteral("add"),
                                                       QStringLiteral("../x"), QStringLiteral("--name=x")}
                                        << 1 << QStringLiteral("cannot contain");
        QTest::newRow("profile without name")
            << QStringList{QStringLiteral("profile"), QStringLiteral("add"), QStringLiteral("Ann")} << 1
            << QStringLiteral("Please enter your name.\n");
        QTest::newRow("bad date of birth")
            << QStringList{QStringLiteral("profile"), QStringLiteral("add"), QStringLiteral("Ann"),
                           QStringLiteral("--name=x"), QStringLiteral("--dob=Smarch 40, 1800")}
            << 2 << QStringLiteral("--dob");
        QTest::newRow("readings of a missing profile")
            << QStringList{QStringLiteral("readings"), QStringLiteral("Ghost")} << 1
            << QStringLiteral("does not exist");
        QTest::newRow("readings outside")
            << QStringList{QStringLiteral("readings"), QStringLiteral("..")} << 1 << QStringLiteral("cannot be listed");
        QTest::newRow("show a missing file")
            << QStringList{QStringLiteral("show"), QStringLiteral("nothing")} << 1 << QStringLiteral("does not exist");
        QTest::newRow("show a foreign file") << QStringList{QStringLiteral("show"), QStringLiteral("vt.dll")} << 1
                                             << QStringLiteral("not a saved reading");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("readings"), QStringLiteral("misc"),
                                                       QStringLiteral("--bogus")}
                                        << 2 << QStringLiteral("unknown argument");
        QTest::newRow("cast into a missing folder")
            << QStringList{QStringLiteral("cast"), QStringLiteral("--spread"), QStringLiteral("One Card"),
                           QStringLiteral("--app-folder"), QStringLiteral("/nonexistent/quillmere")}
            << 1 << QStringLiteral("Could not write");
    }
    void refusalsOnStandardError()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFile store(root() + QStringLiteral("/vt.dll"));
        QVERIFY(store.open(QIODevice::WriteOnly));
        store.write("pic\r\ncards\r\n");
        store.close();
        if (!args.contains(QStringLiteral("--app-folder")))
            args = withFolder(args);
        const CliRun run = runCli(args);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QCOMPARE(QDir(root()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("vt.dll")});
    }

    void everyFileCommandNeedsTheApplicationFolder()
    {
        for (const QStringList& args : {QStringList{QStringLiteral("profile"), QStringLiteral("list")},
                                        QStringList{QStringLiteral("save"), QStringLiteral("--misc")},
                                        QStringList{QStringLiteral("readings"), QStringLiteral("misc")}}) {
            const CliRun run = runCli(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY(run.err.contains(QLatin1String("--app-folder")));
        }
    }

    void helpDocumentsTheFileCommands()
    {
        const CliRun run = runCli({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        for (const char* usage : {"profile add PROFILE", "profile list", "save (--profile PROFILE | --misc)",
                                  "readings (PROFILE | misc)", "show FILE", "--app-folder DIR"})
            QVERIFY2(run.out.contains(QLatin1String(usage)), usage);
    }
};

QTEST_GUILESS_MAIN(TestCliFiles)
#include "tst_cli_files.moc"
