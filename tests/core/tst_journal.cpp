#include "JournalFixtures.h"
#include "content/Deck.h"
#include "storage/Journal.h"
#include "storage/JournalCache.h"
#include "storage/JournalFilter.h"
#include "storage/ReadingArchive.h"
#include "storage/ReadingNotes.h"

#include <QTest>
#include <sys/stat.h>

using namespace quillmere;

namespace {

int card(const char* name)
{
    return cardOfName(QString::fromLatin1(name)).value_or(-1);
}

QStringList fileNames(const QList<JournalEntry>& readings)
{
    QStringList names;
    for (const JournalEntry& entry : readings)
        names.append(entry.profile + QLatin1Char('/') + entry.fileName);
    return names;
}

} // namespace

Q_DECLARE_METATYPE(quillmere::JournalFilter)

// The journal: every saved reading read from the files, notes kept as description lines, filters and statistics.
class TestJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsEveryReadingOfEveryProfileAndMiscNewestFirst()
    {
        JournalFolder app({QStringLiteral("Smith, John"), QStringLiteral("Jane")});
        const QList<RecordCard> cards{{5, false}};
        app.save(QStringLiteral("Smith, John"), QStringLiteral("03142026100000"),
                 savedRecord(QStringLiteral("John"), QStringLiteral("Work?"), QStringLiteral("One Card"), cards));
        app.save(QStringLiteral("Jane"), QStringLiteral("12012025080000"),
                 savedRecord(QStringLiteral("Jane"), QStringLiteral("Love?"), QStringLiteral("One Card"), cards));
        app.save(QStringLiteral("misc"), QStringLiteral("05012026090000"),
                 savedRecord(QString(), QStringLiteral("Anything?"), QStringLiteral("One Card"), cards));
        // A profile folder that the store does not list is no profile.
        app.save(QStringLiteral("Stray"), QStringLiteral("06012026090000"),
                 savedRecord(QString(), QString(), QStringLiteral("One Card"), cards));

        const Journal journal = scanJournal(app.folder);
        QCOMPARE(fileNames(journal.readings),
                 (QStringList{QStringLiteral("/05012026090000"), QStringLiteral("Smith, John/03142026100000"),
                              QStringLiteral("Jane/12012025080000")}));
        QVERIFY(journal.unreadable.isEmpty());
        QCOMPARE(journal.profiles, (QStringList{QStringLiteral("Smith, John"), QStringLiteral("Jane")}));
        QVERIFY(journal.hasMiscellaneous);
        QVERIFY(journal.readings[0].isMiscellaneous());
        QCOMPARE(journal.readings[1].record.question, QStringLiteral("Work?"));
        QCOMPARE(journal.readings[1].moment, QDateTime(QDate(2026, 3, 14), QTime(10, 0), Qt::UTC));
        QCOMPARE(journal.readings[1].path, app.path(QStringLiteral("Smith, John/03142026100000")));
    }

    void momentOfAFileWithoutAStampComesFromTheRecord()
    {
        ReadingRecord record = savedRecord(QString(), QString(), QString(), {});
        record.date = QStringLiteral("2026-02-03");
        record.time = QStringLiteral("14:05:06");
        const QDateTime modified(QDate(2020, 1, 1), QTime(0, 0));
        // Moments are wall-clock times, held as UTC so that comparing them never asks the time zone.
        QCOMPARE(readingMomentOf(QStringLiteral("temp"), record, modified),
                 QDateTime(QDate(2026, 2, 3), QTime(14, 5, 6), Qt::UTC));
        QCOMPARE(readingMomentOf(QStringLiteral("02282026235959"), record, modified),
                 QDateTime(QDate(2026, 2, 28), QTime(23, 59, 59), Qt::UTC));
        record.date = QStringLiteral("not a date");
        QCOMPARE(readingMomentOf(QStringLiteral("13452026000000"), record, modified),
                 QDateTime(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC));
    }

    void damagedForeignAndSpecialFilesAreListedAsUnreadable_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << QStringLiteral("file") << QStringLiteral("is empty");
        QTest::newRow("binary") << QByteArray("\"yourname\0x\"", 12) << QStringLiteral("file")
                                << QStringLiteral("is not a saved reading");
        QTest::newRow("foreign text") << QByteArray("hello, world\n") << QStringLiteral("file")
                                      << QStringLiteral("is not a saved reading");
        QTest::newRow("huge") << QByteArray(kMaxRecordBytes + 10, 'x') << QStringLiteral("file")
                              << QStringLiteral("too large");
        QTest::newRow("fifo") << QByteArray() << QStringLiteral("fifo") << QStringLiteral("is not a file");
        QTest::newRow("link to a fifo") << QByteArray() << QStringLiteral("link") << QStringLiteral("is not a file");
        QTest::newRow("dangling link") << QByteArray() << QStringLiteral("dangling") << QStringLiteral("is not a file");
    }
    void damagedForeignAndSpecialFilesAreListedAsUnreadable()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        JournalFolder app({QStringLiteral("Jane")});
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"),
                 savedRecord(QStringLiteral("Jane"), QString(), QStringLiteral("One Card"), {{1, false}}));
        const QString bad = app.path(QStringLiteral("Jane/bad"));
        if (kind == QLatin1String("file")) {
            writeFile(bad, content);
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(bad.toLocal8Bit().constData(), 0600), 0);
        } else if (kind == QLatin1String("link")) {
            const QString fifo = app.path(QStringLiteral("pipe"));
            QCOMPARE(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
            QVERIFY(QFile::link(fifo, bad));
        } else {
            QVERIFY(QFile::link(app.path(QStringLiteral("nowhere")), bad));
        }
        const Journal journal = scanJournal(app.folder);
        QCOMPARE(journal.readings.size(), 1);
        QCOMPARE(journal.unreadable.size(), 1);
        QCOMPARE(journal.unreadable[0].fileName, QStringLiteral("bad"));
        QCOMPARE(journal.unreadable[0].profile, QStringLiteral("Jane"));
        QVERIFY2(journal.unreadable[0].reason.contains(reason), qPrintable(journal.unreadable[0].reason));
    }

    void notesRoundTripAndKeepTheRecordReadable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("It came true in May.");
        QTest::newRow("quotes and commas") << QStringLiteral("She said \"yes\", then \"no\"");
        QTest::newRow("line breaks") << QStringLiteral("First line\nsecond line\r\nthird");
        QTest::newRow("10,000 characters") << QString(10000, QLatin1Char('n'));
        QTest::newRow("looks like a key") << QStringLiteral("card5\",1\r\n\"desc");
    }
    void notesRoundTripAndKeepTheRecordReadable()
    {
        QFETCH(QString, text);
        JournalFolder app({QStringLiteral("Jane")});
        const ReadingRecord record = savedRecord(QStringLiteral("Jane"), QStringLiteral("Will it, rain?"),
                                                 QStringLiteral("Three Cards"), {{1, false}, {40, true}, {77, false}},
                                                 {QStringLiteral("First save"), QStringLiteral("Second save")});
        const QString path = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), record);
        const QByteArray before = fileBytes(path);

        const ReadingNote first{QDate(2026, 4, 1), text};
        const ReadingNote second{QDate(2026, 5, 2), QStringLiteral("Second note")};
        QCOMPARE(addNote(path, first).value(), 1);
        QCOMPARE(addNote(path, second).value(), 2);
        QCOMPARE(readNotes(path).value(), (QList<ReadingNote>{first, second}));

        // The usual view still reads the whole record; the notes are further descriptions.
        const StorageValue<ReadingRecord> reopened = readRecordFile(path);
        QVERIFY(reopened.ok());
        QCOMPARE(reopened->cards, record.cards);
        QCOMPARE(reopened->question, record.question);
        QCOMPARE(reopened->descriptions.mid(0, 2), record.descriptions);
        QCOMPARE(reopened->descriptions.value(2), QStringLiteral("Note of 2026-04-01: ") + text);
        QVERIFY(fileBytes(path).startsWith(before));
        QCOMPARE(listSavedReadings(app.folder, QStringLiteral("Jane")).value().size(), 1);

        const Journal journal = scanJournal(app.folder);
        QCOMPARE(journal.readings[0].descriptions, record.descriptions);
        QCOMPARE(journal.readings[0].notes, (QList<ReadingNote>{first, second}));

        const ReadingNote edited{QDate(2026, 4, 3), QStringLiteral("Edited, \"quoted\"")};
        QVERIFY(editNote(path, 1, edited).ok());
        QCOMPARE(readNotes(path).value(), (QList<ReadingNote>{edited, second}));
        QVERIFY(removeNote(path, 1).ok());
        QCOMPARE(readNotes(path).value(), (QList<ReadingNote>{second}));
        QVERIFY(removeNote(path, 1).ok());
        QCOMPARE(fileBytes(path), before);
    }

    void aNoteInAnOldCodePageFileKeepsEveryOtherText()
    {
        JournalFolder app({QStringLiteral("Jane")});
        const QString path = app.path(QStringLiteral("Jane/01012026000000"));
        writeFile(path, "\"yournameRen\xe9\"\r\n\"name\"One Card\"\r\n\"card3\",1\r\n\"descCaf\xe9\"\r\n");
        QVERIFY(addNote(path, ReadingNote{QDate(2026, 1, 2), QStringLiteral("Zo\u00eb")}).ok());
        const ReadingRecord record = readRecordFile(path).value();
        QCOMPARE(record.querentName, QStringLiteral("Ren\u00e9"));
        QCOMPARE(record.descriptions,
                 (QStringList{QStringLiteral("Caf\u00e9"), QStringLiteral("Note of 2026-01-02: Zo\u00eb")}));
        QCOMPARE(record.cards, (QList<RecordCard>{{3, true}}));
    }

    void noteChangesThatCannotBeMadeLeaveTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty note") << QStringLiteral("add-empty") << QStringLiteral("Please enter a note.");
        QTest::newRow("no such note") << QStringLiteral("remove-2") << QStringLiteral("There is no note 2");
        QTest::newRow("edit no such note") << QStringLiteral("edit-0") << QStringLiteral("There is no note 0");
        QTest::newRow("foreign file") << QStringLiteral("foreign") << QStringLiteral("is not a saved reading");
        QTest::newRow("too large") << QStringLiteral("huge") << QStringLiteral("too large");
    }
    void noteChangesThatCannotBeMadeLeaveTheFileAsItWas()
    {
        QFETCH(QString, change);
        QFETCH(QString, error);
        JournalFolder app({QStringLiteral("Jane")});
        const QString path = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"),
                                      savedRecord(QString(), QString(), QStringLiteral("One Card"), {{0, false}}));
        QVERIFY(addNote(path, ReadingNote{QDate(2026, 1, 1), QStringLiteral("one")}).ok());
        if (change == QLatin1String("foreign"))
            writeFile(path, "just some text\n");
        const QByteArray before = fileBytes(path);
        QString message;
        if (change == QLatin1String("add-empty"))
            message = addNote(path, ReadingNote{QDate(2026, 1, 1), QStringLiteral("  \n ")}).error();
        else if (change == QLatin1String("remove-2"))
            message = removeNote(path, 2).error();
        else if (change == QLatin1String("edit-0"))
            message = editNote(path, 0, ReadingNote{QDate(2026, 1, 1), QStringLiteral("x")}).error();
        else if (change == QLatin1String("foreign"))
            message = addNote(path, ReadingNote{QDate(2026, 1, 1), QStringLiteral("x")}).error();
        else
            message = addNote(path, ReadingNote{QDate(2026, 1, 1), QString(kMaxRecordBytes, QLatin1Char('x'))}).error();
        QVERIFY2(message.contains(error), qPrintable(message));
        QCOMPARE(fileBytes(path), before);
    }

    void aNoteThatCannotBeWrittenLeavesTheFileWhole()
    {
        JournalFolder app({QStringLiteral("Jane")});
        const QString path = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"),
                                      savedRecord(QString(), QString(), QStringLiteral("One Card"), {{0, false}}));
        const QByteArray before = fileBytes(path);
        const int code = runWithFileSizeLimit(static_cast<rlim_t>(before.size() + 10), [&] {
            return addNote(path, ReadingNote{QDate(2026, 1, 1), QString(200, QLatin1Char('y'))}).ok() ? 0 : 3;
        });
        QCOMPARE(code, 3);
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(entriesOf(app.path(QStringLiteral("Jane"))),
                 (QStringList{QStringLiteral("01012026000000"), QStringLiteral("Jane")}));
    }

    void filtersCombine_data()
    {
        QTest::addColumn<JournalFilter>("filter");
        QTest::addColumn<QStringList>("expected");
        const auto files = [](std::initializer_list<const char*> names) {
            QStringList list;
            for (const char* name : names)
                list.append(QLatin1String(name));
            return list;
        };
        JournalFilter all;
        QTest::newRow("nothing set") << all << files({"m1", "j2", "j1", "a1"});
        JournalFilter text;
        text.text = QStringLiteral("  JOB   new ");
        QTest::newRow("all words in any letter case") << text << files({"j2"});
        JournalFilter note;
        note.text = QStringLiteral("promoted");
        QTest::newRow("words of a note") << note << files({"j1"});
        JournalFilter tower;
        tower.cards = {card("The Tower")};
        QTest::newRow("a card in any orientation") << tower << files({"j2", "j1"});
        JournalFilter towerReversed;
        towerReversed.reversedCards = {card("The Tower")};
        QTest::newRow("a card reversed only") << towerReversed << files({"j1"});
        JournalFilter both;
        both.cards = {card("The Tower"), card("The Sun")};
        QTest::newRow("several cards: all of them") << both << files({"j2"});
        JournalFilter spread;
        spread.spread = QStringLiteral("Three Cards");
        QTest::newRow("spread") << spread << files({"j2", "a1"});
        JournalFilter profile;
        profile.scope = JournalFilter::Scope::Profile;
        profile.profile = QStringLiteral("smith, john");
        QTest::newRow("profile") << profile << files({"j2", "j1"});
        JournalFilter misc;
        misc.scope = JournalFilter::Scope::Miscellaneous;
        QTest::newRow("miscellaneous") << misc << files({"m1"});
        JournalFilter since;
        since.from = QDate(2026, 3, 1);
        QTest::newRow("from a day on, included") << since << files({"m1", "j2", "j1"});
        JournalFilter until;
        until.to = QDate(2026, 3, 1);
        QTest::newRow("up to a day, included") << until << files({"j1", "a1"});
        JournalFilter major;
        major.minMajorPercent = 60;
        QTest::newRow("mostly major arcana") << major << files({"j2", "j1"});
        JournalFilter minor;
        minor.maxMajorPercent = 0;
        QTest::newRow("minor arcana only") << minor << files({"m1", "a1"});
        JournalFilter threeClicks;
        threeClicks.scope = JournalFilter::Scope::Profile;
        threeClicks.profile = QStringLiteral("Smith, John");
        threeClicks.reversedCards = {card("The Tower")};
        threeClicks.from = QDate(2026, 1, 1);
        QTest::newRow("Smith, John with The Tower reversed since January") << threeClicks << files({"j1"});
    }
    void filtersCombine()
    {
        QFETCH(JournalFilter, filter);
        QFETCH(QStringList, expected);
        JournalFolder app({QStringLiteral("Smith, John"), QStringLiteral("Ann")});
        // j1: 2026-03-01, The Tower reversed and The Moon; a note.
        ReadingRecord j1 = savedRecord(QStringLiteral("John"), QStringLiteral("Career?"), QStringLiteral("Two Cards"),
                                       {{card("The Tower"), true}, {card("The Moon"), false}});
        j1.descriptions.append(QStringLiteral("Note of 2026-04-01: got promoted"));
        app.save(QStringLiteral("Smith, John"), QStringLiteral("03012026120000"), j1);
        app.save(QStringLiteral("Smith, John"), QStringLiteral("03052026120000"),
                 savedRecord(QStringLiteral("John"), QStringLiteral("A new job?"), QStringLiteral("Three Cards"),
                             {{card("The Tower"), false}, {card("The Sun"), true}, {card("Two of Cups"), false}}));
        app.save(QStringLiteral("Ann"), QStringLiteral("01012026120000"),
                 savedRecord(QStringLiteral("Ann"), QStringLiteral("Health?"), QStringLiteral("Three Cards"),
                             {{card("Two of Cups"), true}, {card("Ace of Wands"), false}, {99, true}}));
        app.save(QStringLiteral("misc"), QStringLiteral("06012026120000"),
                 savedRecord(QString(), QStringLiteral("Money?"), QStringLiteral("One Card"),
                             {{card("Ten of Pentacles"), false}}));
        const Journal journal = scanJournal(app.folder);
        const JournalSearch search(journal.readings);
        QStringList found;
        for (const qsizetype row : search.matching(filter)) {
            const JournalEntry& entry = journal.readings[row];
            const QString prefix = entry.isMiscellaneous() ? QStringLiteral("m")
                : entry.profile == QLatin1String("Ann")    ? QStringLiteral("a")
                                                           : QStringLiteral("j");
            found.append(
                prefix
                + (entry.fileName.startsWith(QLatin1String("0305")) ? QStringLiteral("2") : QStringLiteral("1")));
        }
        QCOMPARE(found, expected);
    }

    void statisticsCountWhatTheCardsSaid()
    {
        JournalFolder app({QStringLiteral("Ann")});
        app.save(QStringLiteral("Ann"), QStringLiteral("01012026120000"),
                 savedRecord(QString(), QString(), QStringLiteral("Three Cards"),
                             {{card("The Tower"), true}, {card("Two of Cups"), false}, {card("Ace of Wands"), true}}));
        app.save(QStringLiteral("Ann"), QStringLiteral("01022026120000"),
                 savedRecord(QString(), QString(), QStringLiteral("Two Cards"),
                             {{card("The Tower"), false}, {card("Ten of Pentacles"), false}, {-1, false}}));
        app.save(QStringLiteral("Ann"), QStringLiteral("01032026120000"),
                 savedRecord(QString(), QString(), QStringLiteral("Three Cards"), {{card("Five of Swords"), true}}));
        const Journal journal = scanJournal(app.folder);
        const JournalStatistics statistics = journalStatistics(journal.readings, {0, 1, 2});
        QCOMPARE(statistics.readings, 3);
        QCOMPARE(statistics.cards, 6);
        QCOMPARE(statistics.reversedCards, 3);
        QCOMPARE(statistics.majorCards, 2);
        QCOMPARE(statistics.reversedShare(), 0.5);
        QCOMPARE(statistics.suits, (std::array<int, 4>{1, 1, 1, 1}));
        QCOMPARE(statistics.topCards(1), (QList<CardTally>{{card("The Tower"), 2, 1}}));
        QCOMPARE(statistics.cardTallies.size(), 5);
        QCOMPARE(
            statistics.spreads,
            (QList<std::pair<QString, int>>{{QStringLiteral("Three Cards"), 2}, {QStringLiteral("Two Cards"), 1}}));
        const QString text = statisticsText(statistics);
        QVERIFY(text.contains(QStringLiteral("Readings: 3\n")));
        QVERIFY(text.contains(QStringLiteral("Reversed cards: 3 (50.0%)")));
        QVERIFY(text.contains(QStringLiteral("  The Tower\t2 (1 reversed)\n")));

        const JournalStatistics none = journalStatistics(journal.readings, {});
        QCOMPARE(none.readings, 0);
        QCOMPARE(none.majorShare(), 0.0);
    }

    void cardNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("index");
        QTest::newRow("as the deck writes it") << QStringLiteral("The Tower") << 19;
        QTest::newRow("any letter case, blanks") << QStringLiteral("  ace of WANDS ") << 60;
        QTest::newRow("an index") << QStringLiteral("77") << 77;
        QTest::newRow("no index") << QStringLiteral("78") << -1;
        QTest::newRow("no card") << QStringLiteral("The Towers") << -1;
    }
    void cardNames()
    {
        QFETCH(QString, name);
        QFETCH(int, index);
        QCOMPARE(cardOfName(name).value_or(-1), index);
        if (index >= 0)
            QCOMPARE(Deck::instance().name(index).compare(name.trimmed(), Qt::CaseInsensitive) == 0
                         || name == QString::number(index),
                     true);
    }

    void theCacheFollowsTheFilesAndLosesNothing()
    {
        JournalFolder app({QStringLiteral("Ann")});
        const QString kept
            = app.save(QStringLiteral("Ann"), QStringLiteral("01012026120000"),
                       savedRecord(QString(), QStringLiteral("First"), QStringLiteral("One Card"), {{1, false}}));
        const QString changed
            = app.save(QStringLiteral("Ann"), QStringLiteral("01022026120000"),
                       savedRecord(QString(), QStringLiteral("Second"), QStringLiteral("One Card"), {{2, false}}));
        const QString removed
            = app.save(QStringLiteral("Ann"), QStringLiteral("01032026120000"),
                       savedRecord(QString(), QStringLiteral("Third"), QStringLiteral("One Card"), {{3, false}}));
        const Journal first = scanJournal(app.folder);
        QCOMPARE(first.readings.size(), 3);
        const QString cache = app.path(JournalCache::fileName());
        QVERIFY(QFileInfo(cache).isFile());
        // The cache is no reading and no profile.
        QCOMPARE(listSavedReadings(app.folder, QStringLiteral("Ann")).value().size(), 3);

        // Another process changes, removes and adds readings.
        writeFile(changed,
                  serializeRecord(savedRecord(QString(), QStringLiteral("Second, changed by hand"),
                                              QStringLiteral("One Card"), {{2, false}})));
        QFile::remove(removed);
        app.save(QStringLiteral("Ann"), QStringLiteral("01042026120000"),
                 savedRecord(QString(), QStringLiteral("Fourth"), QStringLiteral("One Card"), {{4, false}}));
        const Journal second = scanJournal(app.folder);
        QStringList questions;
        for (const JournalEntry& entry : second.readings)
            questions.append(entry.record.question);
        QCOMPARE(questions,
                 (QStringList{QStringLiteral("Fourth"), QStringLiteral("Second, changed by hand"),
                              QStringLiteral("First")}));

        // A damaged cache or none at all gives the same journal.
        writeFile(cache, QByteArray("QJC1 garbage that is no cache"));
        QCOMPARE(fileNames(scanJournal(app.folder).readings), fileNames(second.readings));
        QVERIFY(QFile::remove(cache));
        QCOMPARE(fileNames(scanJournal(app.folder).readings), fileNames(second.readings));
        QVERIFY(QFile::remove(cache));
        QVERIFY(QDir(app.dir.path()).mkdir(JournalCache::fileName()));
        QCOMPARE(fileNames(scanJournal(app.folder).readings), fileNames(second.readings));
        QVERIFY(QFileInfo(cache).isDir());
        Q_UNUSED(kept);
    }
};

QTEST_GUILESS_MAIN(TestJournal)
#include "tst_journal.moc"
