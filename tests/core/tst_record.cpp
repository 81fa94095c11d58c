#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quillmere;

namespace {

QString fixture(const char* name)
{
    return QStringLiteral(QUILLMERE_FIXTURES_DIR "/records/") + QLatin1String(name);
}

ReadingRecord sampleRecord()
{
    ReadingRecord record;
    record.querentName = QStringLiteral("Ann");
    record.birthDate = QStringLiteral("January 1, 1980");
    record.question = QStringLiteral("Will it, rain?");
    record.date = QStringLiteral("12/8/25");
    record.time = QStringLiteral("3:34:05 PM");
    record.spreadName = QStringLiteral("Three Cards");
    record.cards = {{0, false}, {77, true}, {21, false}};
    record.descriptions = {QStringLiteral("first")};
    return record;
}

QStringList itemTexts(const QList<RecordItem>& items)
{
    QStringList texts;
    for (const RecordItem& item : items)
        texts.append(item.text);
    return texts;
}

} // namespace

// The item format of the reading record: writing, reading, decoding, and every kind of bad input.
class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheLinesInTheirOrder()
    {
        const QByteArray expected = "\"yournameAnn\"\r\n"
                                    "\"yourdobJanuary 1, 1980\"\r\n"
                                    "\"yourqWill it, rain?\"\r\n"
                                    "\"yourdate12/8/25\"\r\n"
                                    "\"yourtime3:34:05 PM\"\r\n"
                                    "\"nameThree Cards\"\r\n"
                                    "\"card0\",0\r\n"
                                    "\"card77\",1\r\n"
                                    "\"card21\",0\r\n"
                                    "\"descfirst\"\r\n";
        QCOMPARE(serializeRecord(sampleRecord()), expected);
        QCOMPARE(parseRecordText(QString::fromUtf8(expected)), sampleRecord());
    }

    void valuesSurviveTheRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("comma") << QStringLiteral("yes, or no");
        QTest::newRow("quotation marks") << QStringLiteral("Is \"he\" the one?");
        QTest::newRow("only a quotation mark") << QStringLiteral("\"");
        QTest::newRow("two in a row") << QStringLiteral("a\"\"b");
        QTest::newRow("line breaks") << QStringLiteral("first line\r\nsecond line\nthird");
        QTest::newRow("surrounding blanks") << QStringLiteral("  padded  ");
        QTest::newRow("non-Latin") << QStringLiteral("Zoë – 東京 ✨");
        QTest::newRow("empty") << QString();
        QTest::newRow("looks like a key") << QStringLiteral("card5\",1\r\n\"descfake");
    }
    void valuesSurviveTheRoundTrip()
    {
        QFETCH(QString, value);
        ReadingRecord record = sampleRecord();
        record.querentName = value;
        record.question = value;
        record.descriptions = {value, QStringLiteral("second ") + value};
        const StorageValue<ReadingRecord> read = parseRecord(serializeRecord(record));
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(*read, record);
    }

    void splitsItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("quoted with comma inside")
            << QStringLiteral("\"a,b\",c\r\n") << QStringList{QStringLiteral("a,b"), QStringLiteral("c")};
        QTest::newRow("unquoted items trimmed")
            << QStringLiteral("  Smith , John  \r\n") << QStringList{QStringLiteral("Smith"), QStringLiteral("John")};
        QTest::newRow("doubled quotation mark")
            << QStringLiteral("\"say \"\"hi\"\"\"") << QStringList{QStringLiteral("say \"hi\"")};
        QTest::newRow("empty quoted item") << QStringLiteral("\"\",x") << QStringList{QString(), QStringLiteral("x")};
        QTest::newRow("line end inside quotes")
            << QStringLiteral("\"a\r\nb\"\r\nc") << QStringList{QStringLiteral("a\r\nb"), QStringLiteral("c")};
        QTest::newRow("LF and CR line ends")
            << QStringLiteral("a\nb\rc") << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("blank lines give nothing")
            << QStringLiteral("a\r\n\r\n\n  \r\nb") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("empty item between commas")
            << QStringLiteral("a,,b") << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")};
        QTest::newRow("text after a closing quote is its own item")
            << QStringLiteral("\"yourqIs \"he\" the one?\"\r\n")
            << QStringList{QStringLiteral("yourqIs "), QStringLiteral("he\" the one?\"")};
        QTest::newRow("unbalanced quotation mark runs to the end")
            << QStringLiteral("x,\"open\r\nstill, open")
            << QStringList{QStringLiteral("x"), QStringLiteral("open\r\nstill, open")};
        QTest::newRow("lone quotation mark at the end")
            << QStringLiteral("a,\"") << QStringList{QStringLiteral("a"), QString()};
        QTest::newRow("nothing") << QString() << QStringList{};
    }
    void splitsItems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, items);
        QCOMPARE(itemTexts(splitRecordItems(text)), items);
    }

    void recognisesKeysInTheirOrder_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("yourname, not name")
            << QStringLiteral("yournameAnn") << int(RecordKey::YourName) << QStringLiteral("Ann");
        QTest::newRow("any letter case") << QStringLiteral("YourNAMEAnn") << int(RecordKey::YourName)
                                         << QStringLiteral("Ann");
        QTest::newRow("yourdob") << QStringLiteral("yourdobMay 1, 1990") << int(RecordKey::YourDob)
                                 << QStringLiteral("May 1, 1990");
        QTest::newRow("yourq") << QStringLiteral("yourq") << int(RecordKey::YourQ) << QString();
        QTest::newRow("yourquestion counts as yourq")
            << QStringLiteral("yourquestion") << int(RecordKey::YourQ) << QStringLiteral("uestion");
        QTest::newRow("name") << QStringLiteral("NameOne Card") << int(RecordKey::Name) << QStringLiteral("One Card");
        QTest::newRow("card") << QStringLiteral("card12") << int(RecordKey::Card) << QStringLiteral("12");
        QTest::newRow("desc") << QStringLiteral("DESC x") << int(RecordKey::Desc) << QStringLiteral(" x");
        QTest::newRow("unknown") << QStringLiteral("notes") << -1 << QString();
        QTest::newRow("your alone") << QStringLiteral("your") << -1 << QString();
    }
    void recognisesKeysInTheirOrder()
    {
        QFETCH(QString, item);
        QFETCH(int, key);
        QFETCH(QString, value);
        const QList<RecordItem> items = splitRecordItems(QLatin1Char('"') + item + QLatin1Char('"'));
        QCOMPARE(items.size(), 1);
        QCOMPARE(items[0].key ? int(*items[0].key) : -1, key);
        QCOMPARE(items[0].value, value);
    }

    void readsCardsAndFlags_data()
    {
        QTest::addColumn<QString>("cardLines");
        QTest::addColumn<QList<int>>("indices");
        QTest::addColumn<QList<bool>>("reversed");
        QTest::newRow("upright and reversed")
            << QStringLiteral("\"card0\",0\r\n\"card77\",1\r\n") << QList<int>{0, 77} << QList<bool>{false, true};
        QTest::newRow("any other number reversed")
            << QStringLiteral("\"card1\",2\r\n\"card2\",-1\r\n\"card3\", 00 \r\n") << QList<int>{1, 2, 3}
            << QList<bool>{true, true, false};
        QTest::newRow("flag that is no number is upright")
            << QStringLiteral("\"card4\",x\r\n") << QList<int>{4} << QList<bool>{false};
        QTest::newRow("out of range kept as written")
            << QStringLiteral("\"card78\",0\r\n\"card-5\",1\r\n") << QList<int>{78, -5} << QList<bool>{false, true};
        QTest::newRow("not a number") << QStringLiteral("\"cardseven\",1\r\n\"card\",0\r\n\"card99999999999\",1\r\n")
                                      << QList<int>{kUnreadableCard, kUnreadableCard, kUnreadableCard}
                                      << QList<bool>{true, false, true};
        QTest::newRow("leading zeros and blanks")
            << QStringLiteral("\"card 007\",1\r\n") << QList<int>{7} << QList<bool>{true};
        QTest::newRow("missing flag at the end") << QStringLiteral("\"card5\"") << QList<int>{5} << QList<bool>{false};
        QTest::newRow("missing flag before the next card")
            << QStringLiteral("\"card5\"\r\n\"card6\",1\r\n") << QList<int>{5, 6} << QList<bool>{false, true};
        QTest::newRow("missing flag before the description")
            << QStringLiteral("\"card5\"\r\n\"descd\"\r\n") << QList<int>{5} << QList<bool>{false};
    }
    void readsCardsAndFlags()
    {
        QFETCH(QString, cardLines);
        QFETCH(QList<int>, indices);
        QFETCH(QList<bool>, reversed);
        const ReadingRecord record = parseRecordText(QStringLiteral("\"nameOne Card\"\r\n") + cardLines);
        QList<int> readIndices;
        QList<bool> readReversed;
        for (const RecordCard& card : record.cards) {
            readIndices.append(card.index);
            readReversed.append(card.reversed);
        }
        QCOMPARE(readIndices, indices);
        QCOMPARE(readReversed, reversed);
    }

    void missingRepeatedAndUnknownKeys()
    {
        const ReadingRecord record = parseRecordText(QStringLiteral("\"yournameFirst\"\r\n"
                                                                    "\"colourblue\"\r\n"
                                                                    "\"yournameSecond\"\r\n"
                                                                    "\"descone\"\r\n"
                                                                    "\"card9\",1\r\n"
                                                                    "\"desctwo\"\r\n"));
        QCOMPARE(record.querentName, QStringLiteral("Second"));
        QCOMPARE(record.descriptions, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
        QCOMPARE(record.description(), QStringLiteral("two"));
        QCOMPARE(record.cards, (QList<RecordCard>{{9, true}}));
        QVERIFY(record.birthDate.isEmpty());
        QVERIFY(record.spreadName.isEmpty());
        QVERIFY(record.date.isEmpty());
    }

    void cardAndFlagListsForTheTables()
    {
        const ReadingRecord record = sampleRecord();
        QCOMPARE(record.cardList().values(), (QList<int>{0, 77, 21}));
        QCOMPARE(record.flagList().values(), (QList<int>{0, 1, 0}));
    }

    void refusesWhatIsNoRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("words");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("is empty");
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << QStringLiteral("not a saved reading");
        QTest::newRow("key words never quoted")
            << QByteArray("pic\r\ncards\r\nnamesake\r\n") << QStringLiteral("not a saved reading");
        QTest::newRow("text without keys") << QByteArray("hello, world\r\n") << QStringLiteral("not a saved reading");
        QTest::newRow("binary with NUL") << QByteArray("\"card1\",0\0\x01\x02", 12)
                                         << QStringLiteral("not a saved reading");
        QTest::newRow("more than 1 MiB") << QByteArray(kMaxRecordBytes + 1, 'a') << QStringLiteral("too large");
    }
    void refusesWhatIsNoRecord()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, words);
        const StorageValue<ReadingRecord> read = parseRecord(bytes);
        QVERIFY(!read.ok());
        QVERIFY2(read.error().contains(words), qPrintable(read.error()));
    }

    void aRecordOfExactlyOneMebibyteIsRead()
    {
        QByteArray bytes = serializeRecord(sampleRecord());
        bytes += "\"desc";
        bytes += QByteArray(kMaxRecordBytes - bytes.size() - 3, 'x');
        bytes += "\"\r\n";
        QCOMPARE(bytes.size(), kMaxRecordBytes);
        const StorageValue<ReadingRecord> read = parseRecord(bytes);
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read->descriptions.size(), 2);
    }

    void readsOlderAndForeignFiles()
    {
        const StorageValue<ReadingRecord> cp1252 = readRecordFile(fixture("windows-1252"));
        QVERIFY2(cp1252.ok(), qPrintable(cp1252.error()));
        QCOMPARE(cp1252->querentName, QStringLiteral("Renée Müller"));
        QCOMPARE(cp1252->question, QStringLiteral("What about the “café” for 100€?"));
        QCOMPARE(cp1252->descriptions, QStringList{QStringLiteral("für Renée")});
        QCOMPARE(cp1252->cards, (QList<RecordCard>{{3, false}, {60, true}}));

        const StorageValue<ReadingRecord> lf = readRecordFile(fixture("lf-only"));
        QVERIFY2(lf.ok(), qPrintable(lf.error()));
        QCOMPARE(lf->querentName, QStringLiteral("Ann"));
        QCOMPARE(lf->time, QStringLiteral("9:00:00 PM"));
        QCOMPARE(lf->spreadName, QStringLiteral("One Card"));
        QCOMPARE(lf->cards, (QList<RecordCard>{{12, true}}));
        QCOMPARE(lf->descriptions, QStringList{QStringLiteral("rain")});

        // An older writer did not double the quotation mark: the question is cut there, the rest is ignored.
        const StorageValue<ReadingRecord> quoted = readRecordFile(fixture("quote-in-question"));
        QVERIFY2(quoted.ok(), qPrintable(quoted.error()));
        QCOMPARE(quoted->question, QStringLiteral("Is "));
        QCOMPARE(quoted->date, QStringLiteral("3/3/2010"));
        QCOMPARE(quoted->cards, (QList<RecordCard>{{5, false}}));
        QCOMPARE(quoted->descriptions, QStringList{QStringLiteral("old")});

        const StorageValue<ReadingRecord> truncated = readRecordFile(fixture("truncated"));
        QVERIFY2(truncated.ok(), qPrintable(truncated.error()));
        QCOMPARE(truncated->spreadName, QStringLiteral("Two Cards"));
        QCOMPARE(truncated->cards, (QList<RecordCard>{{7, true}, {4, false}}));

        const StorageValue<ReadingRecord> binary = readRecordFile(fixture("binary"));
        QVERIFY(!binary.ok());
        QVERIFY(binary.error().contains(QLatin1String("not a saved reading")));
    }

    void truncatedAnywhereNeverFails()
    {
        const QByteArray whole = serializeRecord(sampleRecord());
        for (qsizetype length = 0; length <= whole.size(); ++length) {
            const StorageValue<ReadingRecord> read = parseRecord(whole.first(length));
            if (read.ok())
                QVERIFY(read->cards.size() <= 3);
            else
                QVERIFY(!read.error().isEmpty());
        }
    }

    void decodesText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("plain") << QStringLiteral("plain");
        QTest::newRow("UTF-8") << QByteArray("Zo\xc3\xab \xe2\x82\xac") << QStringLiteral("Zoë €");
        QTest::newRow("UTF-8 with byte-order mark") << QByteArray("\xef\xbb\xbfZo\xc3\xab") << QStringLiteral("Zoë");
        QTest::newRow("Windows-1252") << QByteArray("Zo\xeb \x80 \x93q\x94 \x9f") << QStringLiteral("Zoë € “q” Ÿ");
        QTest::newRow("UTF-8 cut in a character") << QByteArray("ab\xc3") << QStringLiteral("abÃ");
        QTest::newRow("undefined 1252 bytes")
            << QByteArray("\x81\x8d\x8f\x90\x9d") << QStringLiteral("\u0081\u008d\u008f\u0090\u009d");
    }
    void decodesText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeFileText(bytes), text);
    }

    void filesThatCannotBeRead()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const StorageValue<ReadingRecord> missing = readRecordFile(dir.filePath(QStringLiteral("12082025153405")));
        QVERIFY(!missing.ok());
        QVERIFY(missing.error().contains(QLatin1String("does not exist")));
        const StorageValue<ReadingRecord> folder = readRecordFile(dir.path());
        QVERIFY(!folder.ok());
        QVERIFY(folder.error().contains(QLatin1String("folder")));

        QFile huge(dir.filePath(QStringLiteral("huge")));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        huge.write(serializeRecord(sampleRecord()));
        huge.write(QByteArray(kMaxRecordBytes, 'x'));
        huge.close();
        const StorageValue<ReadingRecord> tooLarge = readRecordFile(huge.fileName());
        QVERIFY(!tooLarge.ok());
        QVERIFY(tooLarge.error().contains(QLatin1String("too large")));
    }

    void writesWholeFilesOnly()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("file"));
        QVERIFY(writeWholeFile(path, QByteArray(1000, 'a')).ok());
        QVERIFY(writeWholeFile(path, "short").ok());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("short"));
        const StorageResult intoMissingFolder = writeWholeFile(dir.filePath(QStringLiteral("no/such/file")), "x");
        QVERIFY(!intoMissingFolder.ok());
        QVERIFY(intoMissingFolder.error().contains(QLatin1String("Could not write")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("file")});
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
