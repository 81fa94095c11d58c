#include "CliRunner.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace quillmere;

namespace {

CliRun runCast(const QStringList& args)
{
    return runCli(QStringList{QStringLiteral("cast")} + args);
}

QList<int> intList(const QJsonValue& value)
{
    QList<int> list;
    for (const QJsonValue& entry : value.toArray())
        list.append(entry.toInt(-1000));
    return list;
}

// The runs of the JSON output as styled text, merged the same way as any other.
StyledText runsOf(const QJsonObject& reading)
{
    StyledText text;
    for (const QJsonValue& value : reading.value(QLatin1String("runs")).toArray()) {
        const QJsonObject run = value.toObject();
        const QString colour = run.value(QLatin1String("color")).toString();
        const auto component
            = [&colour](int at) { return static_cast<std::uint8_t>(colour.mid(at, 2).toInt(nullptr, 16)); };
        text.append({run.value(QLatin1String("text")).toString(), run.value(QLatin1String("bold")).toBool(),
                     Rgb{component(1), component(3), component(5)}, run.value(QLatin1String("underline")).toBool()});
    }
    return text;
}

// The header lines that carry the moment of the reading differ between two runs of the program.
QString withoutMoment(QString text)
{
    static const QRegularExpression moment(QStringLiteral("(Date|Time) of Creation: [^\r]*\r\n"));
    return text.replace(moment, QString());
}

} // namespace

class CliCastTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void badUsage_data();
    void badUsage();
    void jsonReading_data();
    void jsonReading();
    void seedReplaysTheCards();
    void formats();
    void helpDocumentsTheOptions();
};

void CliCastTest::badUsage_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    const QString spreads = QStringLiteral("the spreads are:");
    QTest::newRow("no arguments") << QStringList{} << spreads;
    QTest::newRow("unknown spread") << QStringList{QStringLiteral("--spread"), QStringLiteral("Celtic")} << spreads;
    QTest::newRow("spread in wrong case")
        << QStringList{QStringLiteral("--spread"), QStringLiteral("one card")} << spreads;
    QTest::newRow("both restrictions") << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"),
                                                      QStringLiteral("--only-major"), QStringLiteral("--only-minor")}
                                       << QStringLiteral("--only-major and --only-minor");
    for (const char* option : {"--spread", "--seed", "--name", "--dob", "--question", "--format"}) {
        QTest::addRow("%s without value", option)
            << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"), QLatin1String(option)}
            << QStringLiteral("%1 needs a value").arg(QLatin1String(option));
    }
    QTest::newRow("bad format") << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"),
                                               QStringLiteral("--format"), QStringLiteral("xml")}
                                << QStringLiteral("--format must be");
    for (const char* seed : {"-1", "x", "1.5", "", "18446744073709551616"}) {
        QTest::addRow("seed '%s'", seed) << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"),
                                                        QStringLiteral("--seed"), QLatin1String(seed)}
                                         << QStringLiteral("--seed needs a whole number");
    }
    QTest::newRow("stray argument") << QStringList{QStringLiteral("--spread"), QStringLiteral("One Card"),
                                                   QStringLiteral("extra")}
                                    << QStringLiteral("unknown argument 'extra'");
    QTest::newRow("flag with value") << QStringList{QStringLiteral("--spread=One Card"),
                                                    QStringLiteral("--reversals=1")}
                                     << QStringLiteral("--reversals takes no value");
}

void CliCastTest::badUsage()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    const CliRun run = runCast(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    if (message == QLatin1String("the spreads are:")) {
        for (const Spread& spread : SpreadCatalogue::instance().spreads())
            QVERIFY2(run.err.contains(QStringLiteral("\"%1\"").arg(spread.name)), qPrintable(spread.name));
    }
}

void CliCastTest::jsonReading_data()
{
    QTest::addColumn<QString>("spreadName");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    int seed = 1;
    for (const Spread& spread : SpreadCatalogue::instance().spreads()) {
        QTest::addRow("%s, reversals", qPrintable(spread.name))
            << spread.name << QStringList{QStringLiteral("--reversals"), QStringLiteral("--seed=%1").arg(seed++)} << 0
            << 77;
    }
    QTest::newRow("minor only") << QStringLiteral(
        "Celtic Cross") << QStringList{QStringLiteral("--only-minor"), QStringLiteral("--seed"), QStringLiteral("11")}
                                << 22 << 77;
    QTest::newRow("major only, reversals") << QStringLiteral("Celtic Cross")
                                           << QStringList{QStringLiteral("--only-major"), QStringLiteral("--reversals"),
                                                          QStringLiteral("--seed"), QStringLiteral("12")}
                                           << 0 << 21;
    QTest::newRow("no seed, no reversals")
        << QStringLiteral("Four Seasons Spread(Cortese/Reed)") << QStringList{} << 0 << 77;
}

// The JSON object describes one consistent automatic cast, and its text is exactly the composition of it.
void CliCastTest::jsonReading()
{
    QFETCH(QString, spreadName);
    QFETCH(QStringList, options);
    QFETCH(int, first);
    QFETCH(int, last);
    const QString name = QStringLiteral("Zo\u00eb <O'Neil>");
    const QString question = QStringLiteral("  ");
    const CliRun run = runCast(QStringList{QStringLiteral("--spread"), spreadName, QStringLiteral("--format"),
                                           QStringLiteral("json"), QStringLiteral("--name"), name,
                                           QStringLiteral("--question"), question}
                               + options);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonObject reading = document.object();

    const Spread& spread = *SpreadCatalogue::instance().byKey(spreadName);
    const bool reversals = options.contains(QLatin1String("--reversals"));
    QCOMPARE(reading.value(QLatin1String("spread")).toString(), spreadName);
    QCOMPARE(reading.value(QLatin1String("name")).toString(), name);
    QCOMPARE(reading.value(QLatin1String("dob")).toString(), QString());
    QCOMPARE(reading.value(QLatin1String("question")).toString(), question);

    const QList<int> cards = intList(reading.value(QLatin1String("cards")));
    const QList<int> flags = intList(reading.value(QLatin1String("flags")));
    const QList<int> reversed = intList(reading.value(QLatin1String("reversed")));
    QCOMPARE(cards.size(), spread.cardCount());
    QCOMPARE(flags.size(), spread.cardCount());
    QCOMPARE(QSet<int>(cards.cbegin(), cards.cend()).size(), cards.size());
    QList<int> flaggedCards;
    for (int k = 0; k < cards.size(); ++k) {
        QVERIFY(cards[k] >= first && cards[k] <= last);
        QVERIFY(flags[k] == 0 || flags[k] == 1);
        if (flags[k] == 1)
            flaggedCards.append(cards[k]);
    }
    QVERIFY(reading.value(QLatin1String("reversed")).isArray());
    QCOMPARE(reversed, flaggedCards);
    if (!reversals)
        QVERIFY(flaggedCards.isEmpty());
    if (spreadName == QLatin1String("Celtic Cross"))
        QCOMPARE(flags[1], 0);

    // Rebuild the reading from what the object says and compose it: the same text, run for run.
    CurrentReading rebuilt;
    rebuilt.querentName = name;
    rebuilt.question = question;
    rebuilt.spread = SpreadCatalogue::instance().byKey(spreadName);
    for (const int card : cards)
        rebuilt.cards.append({card, reversed.contains(card)});
    rebuilt.creationDate = reading.value(QLatin1String("date")).toString();
    rebuilt.creationTime = reading.value(QLatin1String("time")).toString();
    QVERIFY(!rebuilt.creationDate.isEmpty());
    QVERIFY(!rebuilt.creationTime.isEmpty());
    const FixedReadingClock unused(QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
    const StyledText composed = composeReading(rebuilt, unused);

    const QString text = reading.value(QLatin1String("text")).toString();
    QCOMPARE(text, composed.plainText());
    QVERIFY(
        text.contains(QStringLiteral("\r\nName: %1\r\nDate of Birth: Not mentioned\r\nQuestion:   \r\n").arg(name)));
    QVERIFY(text.endsWith(QLatin1String("\r\n\r\n")));
    for (const QJsonValue& run : reading.value(QLatin1String("runs")).toArray()) {
        static const QRegularExpression colourForm(QStringLiteral("^#[0-9a-f]{6}$"));
        QVERIFY(colourForm.match(run.toObject().value(QLatin1String("color")).toString()).hasMatch());
        QVERIFY(run.toObject().value(QLatin1String("bold")).isBool());
        QVERIFY(run.toObject().value(QLatin1String("underline")).isBool());
    }
    QVERIFY(runsOf(reading) == composed);
}

void CliCastTest::seedReplaysTheCards()
{
    const auto cast = [](const QString& seed) {
        const CliRun run
            = runCast({QStringLiteral("--spread"), QStringLiteral("Celtic Cross"), QStringLiteral("--reversals"),
                       QStringLiteral("--seed"), seed, QStringLiteral("--format"), QStringLiteral("json")});
        const QJsonObject reading = QJsonDocument::fromJson(run.out.toUtf8()).object();
        return QList<QList<int>>{intList(reading.value(QLatin1String("cards"))),
                                 intList(reading.value(QLatin1String("flags"))),
                                 intList(reading.value(QLatin1String("reversed")))};
    };
    const QList<QList<int>> first = cast(QStringLiteral("2026"));
    QCOMPARE(first[0].size(), 10);
    QCOMPARE(cast(QStringLiteral("2026")), first);
    QVERIFY(cast(QStringLiteral("2027"))[0] != first[0]);

    // Without a seed two casts differ (ten cards of 78 agree by chance less than once in 10^18).
    const auto unseeded = [] {
        const CliRun run = runCast({QStringLiteral("--spread"), QStringLiteral("Celtic Cross"),
                                    QStringLiteral("--format"), QStringLiteral("json")});
        return intList(QJsonDocument::fromJson(run.out.toUtf8()).object().value(QLatin1String("cards")));
    };
    QVERIFY(unseeded() != unseeded());
}

// Text, HTML and ANSI show the same reading as the JSON object.
void CliCastTest::formats()
{
    const QStringList cast{QStringLiteral("--spread"),    QStringLiteral("Eliphas Levy Wheel Spread(Guiley)"),
                           QStringLiteral("--reversals"), QStringLiteral("--seed"),
                           QStringLiteral("77"),          QStringLiteral("--name"),
                           QStringLiteral("<Al & Bea>")};
    const CliRun json = runCast(cast + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    const QString text = QJsonDocument::fromJson(json.out.toUtf8()).object().value(QLatin1String("text")).toString();
    QVERIFY(text.contains(QLatin1String("Spread Type - Eliphas Levy Wheel Spread(Guiley)\r\n\r\n")));

    const CliRun plain = runCast(cast);
    QCOMPARE(plain.exitCode, 0);
    QCOMPARE(withoutMoment(plain.out), withoutMoment(text));
    const CliRun explicitText = runCast(cast + QStringList{QStringLiteral("--format=text")});
    QCOMPARE(withoutMoment(explicitText.out), withoutMoment(text));

    const CliRun html = runCast(cast + QStringList{QStringLiteral("--format"), QStringLiteral("html")});
    QCOMPARE(html.exitCode, 0);
    QVERIFY(html.out.startsWith(QLatin1String("<!DOCTYPE html>")));
    QVERIFY(html.out.contains(QLatin1String("&lt;Al &amp; Bea&gt;<br>")));
    QVERIFY(!html.out.contains(QLatin1String("<Al")));
    QVERIFY(html.out.contains(QLatin1String("text-decoration:underline\">") + QString(512, QLatin1Char(' '))));

    const CliRun ansi = runCast(cast + QStringList{QStringLiteral("--format"), QStringLiteral("ansi")});
    QCOMPARE(ansi.exitCode, 0);
    QVERIFY(ansi.out.startsWith(QLatin1String("\x1b[0;1;38;2;0;0;128mYour Reading is displayed below.")));
    QVERIFY(ansi.out.endsWith(QLatin1String("\x1b[0m\n")));
    static const QRegularExpression escapes(QStringLiteral("\x1b\\[[0-9;]*m"));
    QCOMPARE(withoutMoment(QString(ansi.out).remove(escapes).chopped(1)), withoutMoment(text));
}

void CliCastTest::helpDocumentsTheOptions()
{
    const CliRun help = runCast({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    const CliRun overall = runCli({QStringLiteral("--help")});
    QCOMPARE(overall.exitCode, 0);
    for (const char* word : {"--spread", "--only-major", "--only-minor", "--reversals", "--seed", "--name", "--dob",
                             "--question", "--format", "\"cards\"", "\"flags\"", "\"reversed\"", "\"date\"", "\"time\"",
                             "\"text\"", "\"runs\"", "\"color\""}) {
        QVERIFY2(help.out.contains(QLatin1String(word)), word);
        QVERIFY2(overall.out.contains(QLatin1String(word)), word);
    }
}

QTEST_GUILESS_MAIN(CliCastTest)
#include "tst_cli_cast.moc"
