#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

#include <QTest>

using namespace quillmere;

// The item format of the reading record: writing, reading, decoding, and every kind of bad input.
class TestRecord : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheLinesInTheirOrder()
    {
        ReadingRecord record;
        record.querentName = QStringLiteral("Ann");
        record.birthDate = QStringLiteral("January 1, 1980");
        record.question = QStringLiteral("Will it, rain?");
        record.date = QStringLiteral("12/8/25");
        record.time = QStringLiteral("3:34:05 PM");
        record.spreadName = QStringLiteral("Three Card Spread");
        record.cards = {{0, false}, {77, true}, {21, false}};
        record.descriptions = {QStringLiteral("first")};
        const QByteArray expected = "\"yournameAnn\"\r\n"
                                    "\"yourdobJanuary 1, 1980\"\r\n"
                                    "\"yourqWill it, rain?\"\r\n"
                                    "\"yourdate12/8/25\"\r\n"
                                    "\"yourtime3:34:05 PM\"\r\n"
                                    "\"nameThree Card Spread\"\r\n"
                                    "\"card0\",0\r\n"
                                    "\"card77\",1\r\n"
                                    "\"card21\",0\r\n"
                                    "\"descfirst\"\r\n";
        QCOMPARE(serializeRecord(record), expected);
        QCOMPARE(parseRecordText(QString::fromUtf8(expected)), record);
    }
};

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
