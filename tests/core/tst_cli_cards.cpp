#include "CliRunner.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"
#include "storage/RecordFormat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmere;

namespace {

QList<int> intList(const QJsonValue& value)
{
    QList<int> list;
    for (const QJsonValue& entry : value.toArray())
        list.append(entry.toInt(-1000));
    return list;
}

// Ten cards for the Celtic Cross from the major arcana, the given one on the crossing position.
QString celticCrossList(const QString& crossing)
{
    return QStringLiteral("0,%1,2,3r,4,5,6,7,8,9").arg(crossing);
}

} // namespace

// Casting with the cards of one's own deck: `cast --spread NAME --cards LIST`.
class CliCardsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void goodLists_data();
    void goodLists();
    void badLists_data();
    void badLists();
    void enteredCastIsKeptInTheTemporaryRecord();
};

void CliCardsTest::goodLists_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QList<int>>("cards");
    QTest::addColumn<QList<int>>("flags");

    QTest::newRow("one index") << QStringLiteral("One Card") << QStringList{} << QStringLiteral("13") << QList<int>{13}
                               << QList<int>{0};
    QTest::newRow("indices and a name") << QStringLiteral("Three Cards") << QStringList{QStringLiteral("--reversals")}
                                        << QStringLiteral("13,5r,Ace of Cups") << QList<int>{13, 5, 57}
                                        << QList<int>{0, 1, 0};
    QTest::newRow("reversed name, blanks around entries")
        << QStringLiteral("Two Cards") << QStringList{QStringLiteral("--reversals")}
        << QStringLiteral(" Ace of Cups reversed ,  0 ") << QList<int>{57, 0} << QList<int>{1, 0};
    QTest::newRow("leading zero") << QStringLiteral("One Card") << QStringList{} << QStringLiteral("077")
                                  << QList<int>{77} << QList<int>{0};
    QTest::newRow("celtic cross, major arcana")
        << QStringLiteral("Celtic Cross") << QStringList{QStringLiteral("--only-major"), QStringLiteral("--reversals")}
        << celticCrossList(QStringLiteral("The World")) << QList<int>{0, 20, 2, 3, 4, 5, 6, 7, 8, 9}
        << QList<int>{0, 0, 0, 1, 0, 0, 0, 0, 0, 0};
    QTest::newRow("minor arcana") << QStringLiteral("Two Cards") << QStringList{QStringLiteral("--only-minor")}
                                  << QStringLiteral("22,77") << QList<int>{22, 77} << QList<int>{0, 0};
}

// The JSON object reports exactly the cards and flags given, and its text is the composition of them.
void CliCardsTest::goodLists()
{
    QFETCH(QString, spread);
    QFETCH(QStringList, options);
    QFETCH(QString, list);
    QFETCH(QList<int>, cards);
    QFETCH(QList<int>, flags);

    const CliRun run = runCli(QStringList{QStringLiteral("cast"), QStringLiteral("--spread"), spread,
                                          QStringLiteral("--cards"), list, QStringLiteral("--format=json")}
                              + options);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QCOMPARE(run.exitCode, 0);
    const QJsonObject reading = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(reading.value(QLatin1String("spread")).toString(), spread);
    QCOMPARE(intList(reading.value(QLatin1String("cards"))), cards);
    QCOMPARE(intList(reading.value(QLatin1String("flags"))), flags);
    QList<int> reversed;
    for (qsizetype k = 0; k < cards.size(); ++k) {
        if (flags[k] == 1)
            reversed.append(cards[k]);
    }
    QCOMPARE(intList(reading.value(QLatin1String("reversed"))), reversed);

    CurrentReading rebuilt;
    rebuilt.spread = SpreadCatalogue::instance().byKey(spread);
    for (qsizetype k = 0; k < cards.size(); ++k)
        rebuilt.cards.append({cards[k], flags[k] == 1});
    rebuilt.creationDate = reading.value(QLatin1String("date")).toString();
    rebuilt.creationTime = reading.value(QLatin1String("time")).toString();
    const FixedReadingClock unused(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    QCOMPARE(reading.value(QLatin1String("text")).toString(), composeReading(rebuilt, unused).plainText());
}

void CliCardsTest::badLists_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("reason");
    const auto cast = [](const char* spread, const QString& list, QStringList options = {}) {
        return QStringList{QStringLiteral("--spread"), QLatin1String(spread), QStringLiteral("--cards"), list}
        + options;
    };
    const QStringList reversals{QStringLiteral("--reversals")};

    QTest::newRow("unknown name") << cast("One Card", QStringLiteral("Ace of Cup"))
                                  << QStringLiteral("card 1 ('Ace of Cup'): no card is called that");
    QTest::newRow("name in the wrong case")
        << cast("One Card", QStringLiteral("ace of cups")) << QStringLiteral("no card is called that");
    QTest::newRow("r after a name") << cast("One Card", QStringLiteral("Ace of Cupsr"), reversals)
                                    << QStringLiteral("no card is called that");
    QTest::newRow("index beyond the deck")
        << cast("One Card", QStringLiteral("78")) << QStringLiteral("no card has the index 78");
    QTest::newRow("negative index") << cast("One Card", QStringLiteral("-1")) << QStringLiteral("no card is called");
    QTest::newRow("empty entry") << cast("Three Cards", QStringLiteral("1,,2"))
                                 << QStringLiteral("card 2 (''): no card is called that");
    QTest::newRow("duplicate") << cast("Three Cards", QStringLiteral("13,5,13r"), reversals)
                               << QStringLiteral("card 3 ('13r'): The High Priestess already lies on position 1");
    QTest::newRow("duplicate by name and index")
        << cast("Two Cards", QStringLiteral("Ace of Cups,57")) << QStringLiteral("already lies on position 1");
    QTest::newRow("too few") << cast("Three Cards", QStringLiteral("1,2"))
                             << QStringLiteral("Three Cards has 3 positions, but 2 cards were given");
    QTest::newRow("too many") << cast("One Card", QStringLiteral("1,2"))
                              << QStringLiteral("One Card has 1 position, but 2 cards were given");
    QTest::newRow("empty list") << cast("Three Cards", QString()) << QStringLiteral("but 0 cards were given");
    QTest::newRow("one too few") << cast("Two Cards", QStringLiteral("3"))
                                 << QStringLiteral("Two Cards has 2 positions, but 1 card was given");
    QTest::newRow("empty list, one position")
        << cast("One Card", QString()) << QStringLiteral("card 1 (''): no card is called that");
    QTest::newRow("minor card, major only") << cast("One Card", QStringLiteral("57"), {QStringLiteral("--only-major")})
                                            << QStringLiteral("Ace of Cups is not in the major arcana");
    QTest::newRow("major card, minor only")
        << cast("One Card", QStringLiteral("The Fool"), {QStringLiteral("--only-minor")})
        << QStringLiteral("The Fool is not in the minor arcana");
    QTest::newRow("reversed without reversals")
        << cast("Two Cards", QStringLiteral("1,5r")) << QStringLiteral("card 2 ('5r'): Temperance cannot lie reversed");
    QTest::newRow("reversed crossing card") << cast("Celtic Cross", celticCrossList(QStringLiteral("1r")), reversals)
                                            << QStringLiteral("the crossing card (position 2) is never reversed");
    QTest::newRow("seed and cards") << cast("One Card", QStringLiteral("1"), {QStringLiteral("--seed=4")})
                                    << QStringLiteral("--seed and --cards exclude each other");
    QTest::newRow("cards without value") << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"),
                                                        QStringLiteral("--cards")}
                                         << QStringLiteral("--cards needs a value");
}

// Every bad list ends the command with exit 2 and the reason, and nothing on the output or in the record.
void CliCardsTest::badLists()
{
    QFETCH(QStringList, args);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const CliRun run
        = runCli(QStringList{QStringLiteral("cast"), QStringLiteral("--app-folder"), folder.path()} + args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(reason), qPrintable(run.err));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("temp"))));
}

void CliCardsTest::enteredCastIsKeptInTheTemporaryRecord()
{
    QTemporaryDir folder;
    const CliRun run = runCli({QStringLiteral("cast"), QStringLiteral("--spread"), QStringLiteral("Three Cards"),
                               QStringLiteral("--reversals"), QStringLiteral("--cards"),
                               QStringLiteral("13,5r,Ace of Cups"), QStringLiteral("--app-folder"), folder.path()});
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.contains(QLatin1String("Temperance - Reversed")));
    const StorageValue<ReadingRecord> record = readRecordFile(folder.filePath(QStringLiteral("temp")));
    QVERIFY(record);
    QCOMPARE(record->spreadName, QStringLiteral("Three Cards"));
    QCOMPARE(record->cards, (QList<RecordCard>{{13, false}, {5, true}, {57, false}}));
}

QTEST_GUILESS_MAIN(CliCardsTest)
#include "tst_cli_cards.moc"
