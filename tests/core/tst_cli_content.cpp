#include "CliRunner.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

#include <QProcess>
#include <QTest>

using namespace quillmere;

class CliContentTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cardsListsTheDeckInIndexOrder();
    void spreadsListsTheCatalogue();
    void meaningPrintsOneText_data();
    void meaningPrintsOneText();
    void badUsage_data();
    void badUsage();
    void helpDocumentsEveryCommand();
};

void CliContentTest::cardsListsTheDeckInIndexOrder()
{
    const CliRun run = runCli({QStringLiteral("cards")});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), kDeckSize);
    for (int i = 0; i < kDeckSize; ++i)
        QCOMPARE(lines[i], QStringLiteral("%1\t%2").arg(i).arg(Deck::instance().name(i)));
    QVERIFY(run.out.endsWith(QLatin1String("77\tTwo of Pentacles\n")));
}

void CliContentTest::spreadsListsTheCatalogue()
{
    const CliRun run = runCli({QStringLiteral("spreads")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out,
             QStringLiteral("0\tCeltic Cross\t10\n"
                            "1\tOne Card\t1\n"
                            "2\tTwo Cards\t2\n"
                            "3\tThree Cards\t3\n"
                            "4\tEliphas Levy Wheel Spread(Guiley)\t5\n"
                            "5\tThe Line Spread\t5\n"
                            "6\tSeven Card Chakra Layout\t7\n"
                            "7\tFour Seasons Spread(Cortese/Reed)\t8\n"));
}

void CliContentTest::meaningPrintsOneText_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("reversed");
    QTest::newRow("first upright") << 0 << false;
    QTest::newRow("Eight of Pentacles reversed") << 46 << true;
    QTest::newRow("last reversed") << 77 << true;
}

void CliContentTest::meaningPrintsOneText()
{
    QFETCH(int, index);
    QFETCH(bool, reversed);
    const CliRun run = runCli({QStringLiteral("meaning"), QString::number(index),
                               reversed ? QStringLiteral("reversed") : QStringLiteral("upright")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, Deck::instance().meaning(index, reversed) + QLatin1Char('\n'));
}

void CliContentTest::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("no command") << QStringList{};
    QTest::newRow("unknown command") << QStringList{QStringLiteral("deal")};
    QTest::newRow("index too large") << QStringList{QStringLiteral("meaning"), QStringLiteral("78"),
                                                    QStringLiteral("upright")};
    QTest::newRow("negative index") << QStringList{QStringLiteral("meaning"), QStringLiteral("-1"),
                                                   QStringLiteral("upright")};
    QTest::newRow("not a number") << QStringList{QStringLiteral("meaning"), QStringLiteral("x"),
                                                 QStringLiteral("upright")};
    QTest::newRow("missing orientation") << QStringList{QStringLiteral("meaning"), QStringLiteral("3")};
    QTest::newRow("bad orientation") << QStringList{QStringLiteral("meaning"), QStringLiteral("3"),
                                                    QStringLiteral("sideways")};
    QTest::newRow("extra argument") << QStringList{QStringLiteral("cards"), QStringLiteral("all")};
}

void CliContentTest::badUsage()
{
    QFETCH(QStringList, args);
    const CliRun run = runCli(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY(!run.err.isEmpty());
}

void CliContentTest::helpDocumentsEveryCommand()
{
    const CliRun run = runCli({QStringLiteral("--help")});
    QCOMPARE(run.exitCode, 0);
    for (const char* command : {"cards", "meaning", "spreads"})
        QVERIFY2(run.out.contains(QLatin1String("  ") + QLatin1String(command)), command);
}

QTEST_GUILESS_MAIN(CliContentTest)
#include "tst_cli_content.moc"
