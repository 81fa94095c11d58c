#include "FileHelpers.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "storage/ReadingArchive.h"
#include "storage/SavedReadingText.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmere;

namespace {

const QDateTime kMoment(QDate(2025, 12, 8), QTime(15, 34, 5));

// A three-card automatic cast, its second card reversed.
CurrentReading automaticReading()
{
    CurrentReading reading;
    reading.querentName = QStringLiteral("Ann \"Nan\" Lee");
    reading.birthDate = QStringLiteral("January 1, 1980");
    reading.question = QStringLiteral("Will it, rain?");
    reading.spread = SpreadCatalogue::instance().byKey(u"Three Cards");
    reading.mode = CastMode::Automatic;
    reading.cards = {{5, false}, {40, true}, {77, false}};
    return reading;
}

TextRun run(const QString& text, bool bold, Rgb colour)
{
    return TextRun{text, bold, colour, false};
}

} // namespace

Q_DECLARE_METATYPE(QList<ReadingCard>)

// The temporary record, filing it under a profile or Miscellaneous, listing and reopening saved readings.
class TestArchive : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_tempDir;
    std::optional<AppFolder> m_folder;
    FixedReadingClock m_clock{kMoment};

    const AppFolder& folder() const { return *m_folder; }
    const QTemporaryDir& dir() const { return *m_tempDir; }
    QString profileFolder() const { return dir().filePath(QStringLiteral("Jane")); }

private Q_SLOTS:
    void init()
    {
        m_tempDir.emplace();
        QVERIFY(dir().isValid());
        m_folder.emplace(dir().path());
        QVERIFY(QDir(dir().path()).mkdir(QStringLiteral("Jane")));
        writeFile(dir().filePath(QStringLiteral("Jane/Jane")), "\"Jane Roe\",\"May\",\"2\",\"1975\"\r\n");
        m_clock.setMoment(kMoment);
    }

    void writesOneCardLinePerPosition_data()
    {
        QTest::addColumn<QList<ReadingCard>>("cards");
        QTest::addColumn<QByteArray>("cardLines");
        QTest::newRow("three cards, the second reversed")
            << QList<ReadingCard>{{5, false}, {40, true}, {77, false}}
            << QByteArray("\"card5\",0\r\n\"card40\",1\r\n\"card77\",0\r\n");
        QTest::newRow("part of a manual cast")
            << QList<ReadingCard>{{5, true}, {40, false}} << QByteArray("\"card5\",1\r\n\"card40\",0\r\n");
        QTest::newRow("one card upright") << QList<ReadingCard>{{9, false}} << QByteArray("\"card9\",0\r\n");
        QTest::newRow("card 0") << QList<ReadingCard>{{0, false}} << QByteArray("\"card0\",0\r\n");
        QTest::newRow("no cards at all") << QList<ReadingCard>{} << QByteArray();
    }
    void writesOneCardLinePerPosition()
    {
        QFETCH(QList<ReadingCard>, cards);
        QFETCH(QByteArray, cardLines);
        CurrentReading reading = automaticReading();
        reading.cards = cards;
        const FixedReadingClock clock(kMoment, QLocale(QLocale::English, QLocale::UnitedStates));
        const StorageResult written = writeTempReading(folder(), reading, clock);
        QVERIFY2(written.ok(), qPrintable(written.error()));
        const ReadingMoment moment = clock.moment();
        const QByteArray expected = "\"yournameAnn \"\"Nan\"\" Lee\"\r\n"
                                    "\"yourdobJanuary 1, 1980\"\r\n"
                                    "\"yourqWill it, rain?\"\r\n"
                                    "\"yourdate"
            + moment.date.toUtf8() + "\"\r\n\"yourtime" + moment.time.toUtf8()
            + "\"\r\n"
              "\"nameThree Cards\"\r\n"
            + cardLines;
        QCOMPARE(fileBytes(folder().tempRecord()), expected);
    }

    void aNewTemporaryRecordReplacesTheOldOneWhole()
    {
        writeFile(folder().tempRecord(), QByteArray(5000, 'x'));
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        const StorageValue<ReadingRecord> read = readRecordFile(folder().tempRecord());
        QVERIFY2(read.ok(), qPrintable(read.error()));
        QCOMPARE(read->cards.size(), 3);
        QVERIFY(!fileBytes(folder().tempRecord()).contains("xxx"));
        QCOMPARE(entriesOf(dir().path()), (QStringList{QStringLiteral("Jane"), QStringLiteral("temp")}));
    }

    void writingIntoAMissingFolderIsAFailureInWords()
    {
        const AppFolder gone(dir().filePath(QStringLiteral("no-such-folder")));
        const StorageResult written = writeTempReading(gone, automaticReading(), m_clock);
        QVERIFY(!written.ok());
        QVERIFY(written.error().contains(QLatin1String("Could not write")));
    }

    void deletesTheTemporaryRecordOnly()
    {
        QVERIFY(deleteTempReading(folder()).ok()); // nothing to delete is no failure
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        const StorageValue<QString> saved
            = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")), QStringLiteral("kept"), m_clock);
        QVERIFY(saved.ok());
        QVERIFY(deleteTempReading(folder()).ok());
        QVERIFY(!QFileInfo::exists(folder().tempRecord()));
        QVERIFY(QFileInfo::exists(*saved));
    }

    void filesUnderAProfile()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        const QByteArray before = fileBytes(folder().tempRecord());
        const StorageValue<QString> saved = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")),
                                                            QStringLiteral("  a \"good\" day,\r\nreally  "), m_clock);
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QCOMPARE(*saved, profileFolder() + QStringLiteral("/12082025153405"));
        const QByteArray expected = before + "\"desca \"\"good\"\" day,\r\nreally\"\r\n";
        QCOMPARE(fileBytes(*saved), expected);
        QCOMPARE(fileBytes(folder().tempRecord()), expected);
        QCOMPARE(entriesOf(profileFolder()), (QStringList{QStringLiteral("12082025153405"), QStringLiteral("Jane")}));
        const StorageValue<ReadingRecord> read = readRecordFile(*saved);
        QVERIFY(read.ok());
        QCOMPARE(read->descriptions, QStringList{QStringLiteral("a \"good\" day,\r\nreally")});
    }

    void savingTwiceCarriesBothDescriptions()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        const StorageValue<QString> first
            = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")), QStringLiteral("one"), m_clock);
        m_clock.setMoment(kMoment.addSecs(90));
        const StorageValue<QString> second
            = fileTempReading(folder(), FilingTarget::miscellaneous(), QStringLiteral("two"), m_clock);
        QVERIFY(first.ok() && second.ok());
        QCOMPARE(*second, folder().miscFolder() + QStringLiteral("/12082025153535"));
        QCOMPARE(readRecordFile(*first)->descriptions, QStringList{QStringLiteral("one")});
        QCOMPARE(readRecordFile(*second)->descriptions, (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    }

    // Two saves within one second take the next free second's stamp: nothing is overwritten, no copy named
    // "temp" is left behind, and both readings are there.
    void savesInTheSameSecondTakeTheNextFreeStamp()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        writeFile(profileFolder() + QStringLiteral("/12082025153406"), "\"yournameTaken\"\r\n");
        QStringList paths;
        for (int save = 0; save < 3; ++save) {
            const StorageValue<QString> saved = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")),
                                                                QStringLiteral("save %1").arg(save), m_clock);
            QVERIFY2(saved.ok(), qPrintable(saved.error()));
            paths.append(QFileInfo(*saved).fileName());
        }
        QCOMPARE(paths,
                 (QStringList{QStringLiteral("12082025153405"), QStringLiteral("12082025153407"),
                              QStringLiteral("12082025153408")}));
        for (const QString& name : paths)
            QCOMPARE(name.size(), 14);
        QCOMPARE(readRecordFile(profileFolder() + QStringLiteral("/12082025153406"))->querentName,
                 QStringLiteral("Taken"));
        QCOMPARE(readRecordFile(profileFolder() + QStringLiteral("/12082025153408"))->descriptions.size(), 3);
        QVERIFY(!QFileInfo::exists(profileFolder() + QStringLiteral("/temp")));
    }

    void aFolderFullOfTakenStampsIsAFailure()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        for (int second = 0; second < 60; ++second)
            writeFile(profileFolder() + QLatin1Char('/') + readingStamp(kMoment.addSecs(second)), "x");
        const QStringList before = entriesOf(profileFolder());
        const QByteArray temp = fileBytes(folder().tempRecord());
        const StorageValue<QString> saved
            = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")), QStringLiteral("d"), m_clock);
        QVERIFY(!saved.ok());
        QVERIFY(saved.error().contains(QLatin1String("taken")));
        QCOMPARE(entriesOf(profileFolder()), before);
        QCOMPARE(fileBytes(folder().tempRecord()), temp);
    }

    void failedFilingsAreFailuresAndChangeNothing_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QByteArray>("temp"); // empty: the reading just written
        QTest::addColumn<QString>("words");
        QTest::newRow("profile folder missing")
            << QStringLiteral("Ghost") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("profile name outside the folder")
            << QStringLiteral("../outside") << QByteArray() << QStringLiteral("cannot be saved");
        QTest::newRow("path in the profile name")
            << QStringLiteral("Jane/sub") << QByteArray() << QStringLiteral("cannot be saved");
        QTest::newRow("dot dot") << QStringLiteral("..") << QByteArray() << QStringLiteral("cannot be saved");
        QTest::newRow("no profile") << QStringLiteral("   ") << QByteArray()
                                    << QStringLiteral("Please select profile to save.");
        QTest::newRow("damaged temporary record")
            << QStringLiteral("Jane") << QByteArray("\0\1\2", 3) << QStringLiteral("damaged");
        QTest::newRow("no temporary record")
            << QStringLiteral("Jane") << QByteArray("none") << QStringLiteral("There is no reading to save");
    }
    void failedFilingsAreFailuresAndChangeNothing()
    {
        QFETCH(QString, profile);
        QFETCH(QByteArray, temp);
        QFETCH(QString, words);
        if (temp.isEmpty())
            QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        else if (temp != "none")
            writeFile(folder().tempRecord(), temp);
        const QByteArray tempBefore = fileBytes(folder().tempRecord());
        const QStringList root = entriesOf(dir().path());
        const QStringList jane = entriesOf(profileFolder());
        const StorageValue<QString> saved
            = fileTempReading(folder(), FilingTarget::profile(profile), QStringLiteral("d"), m_clock);
        QVERIFY(!saved.ok());
        QVERIFY2(saved.error().contains(words), qPrintable(saved.error()));
        QCOMPARE(fileBytes(folder().tempRecord()), tempBefore);
        QCOMPARE(entriesOf(dir().path()), root);
        QCOMPARE(entriesOf(profileFolder()), jane);
        QVERIFY(!QFileInfo::exists(QFileInfo(dir().path()).dir().filePath(QStringLiteral("outside"))));
    }

    void aSavedReadingMustStayReadable()
    {
        QByteArray temp = serializeRecord(tempRecordOf(automaticReading(), m_clock));
        temp += "\"desc" + QByteArray(kMaxRecordBytes - temp.size() - 10, 'x') + "\"\r\n";
        writeFile(folder().tempRecord(), temp);
        const StorageValue<QString> saved = fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")),
                                                            QStringLiteral("one more description"), m_clock);
        QVERIFY(!saved.ok());
        QVERIFY2(saved.error().contains(QLatin1String("too large")), qPrintable(saved.error()));
        QCOMPARE(entriesOf(profileFolder()), QStringList{QStringLiteral("Jane")});
        QCOMPARE(fileBytes(folder().tempRecord()), temp);
    }

    void miscellaneousIsCreatedOnFirstUseOrFailsInWords()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        writeFile(folder().miscFolder(), "a file in the way");
        const StorageValue<QString> blocked
            = fileTempReading(folder(), FilingTarget::miscellaneous(), QStringLiteral("d"), m_clock);
        QVERIFY(!blocked.ok());
        QVERIFY(blocked.error().contains(QLatin1String("could not be created")));
        QVERIFY(QFile::remove(folder().miscFolder()));
        const StorageValue<QString> saved
            = fileTempReading(folder(), FilingTarget::miscellaneous(), QStringLiteral("d"), m_clock);
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QVERIFY(QFileInfo(folder().miscFolder()).isDir());
        QCOMPARE(entriesOf(folder().miscFolder()), QStringList{QStringLiteral("12082025153405")});
    }

    void checksTheSaveRequestAsTheDialogDoes_data()
    {
        QTest::addColumn<int>("target"); // -1 none, 0 profile, 1 miscellaneous
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("no option") << -1 << QString() << QStringLiteral("d")
                                   << QStringLiteral("Please select an option.");
        QTest::newRow("no profile") << 0 << QString() << QStringLiteral("d")
                                    << QStringLiteral("Please select profile to save.");
        QTest::newRow("no profile before no description")
            << 0 << QString() << QString() << QStringLiteral("Please select profile to save.");
        QTest::newRow("blank description")
            << 0 << QStringLiteral("Jane") << QStringLiteral("   ") << QStringLiteral("Please enter description.");
        QTest::newRow("misc blank description")
            << 1 << QString() << QStringLiteral(" \t ") << QStringLiteral("Please enter description.");
        QTest::newRow("profile ok") << 0 << QStringLiteral("Jane") << QStringLiteral(" d ") << QString();
        QTest::newRow("misc ok ignores the profile") << 1 << QString() << QStringLiteral("d") << QString();
    }
    void checksTheSaveRequestAsTheDialogDoes()
    {
        QFETCH(int, target);
        QFETCH(QString, profile);
        QFETCH(QString, description);
        QFETCH(QString, message);
        std::optional<FilingTarget> chosen;
        if (target == 0)
            chosen = FilingTarget::profile(profile);
        else if (target == 1)
            chosen = FilingTarget::miscellaneous();
        const StorageResult checked = checkSaveRequest(chosen, description);
        QCOMPARE(checked.ok(), message.isEmpty());
        QCOMPARE(checked.error(), message);
    }

    void listsAFolderAsTheOldReadingPanel()
    {
        const QString jane = profileFolder();
        writeFile(jane + QStringLiteral("/12082025153405"),
                  "\"yournameA\"\r\n\"yourdate12/8/2025\"\r\n\"yourtime3:34:05 PM\"\r\n\"nameOne Card\"\r\n"
                  "\"card1\",0\r\n\"descfirst\"\r\n\"descsecond\"\r\n");
        writeFile(jane + QStringLiteral("/01012024000000"),
                  "\"yourtime1:00 AM\"\r\n\"yourdate1/1/2024\"\r\n\"descx\"\r\n");
        writeFile(jane + QStringLiteral("/JANE"), "\"not listed: any letter case\"");
        writeFile(jane + QStringLiteral("/garbage"), QByteArray("\0\x01\x02", 3));
        writeFile(jane + QStringLiteral("/big"), QByteArray(kMaxRecordBytes + 1, 'a'));
        QVERIFY(QDir(jane).mkdir(QStringLiteral("sub")));
        const StorageValue<QList<SavedReadingEntry>> listed = listSavedReadings(folder(), QStringLiteral(" Jane "));
        QVERIFY2(listed.ok(), qPrintable(listed.error()));
        const QString five = QStringLiteral("     ");
        // Items count in file order: a time before the date comes first.
        const QList<SavedReadingEntry>& entries = *listed;
        QCOMPARE(entries.size(), 4);
        QCOMPARE(entries[0].fileName, QStringLiteral("01012024000000"));
        QCOMPARE(entries[0].fileEntry, QStringLiteral("01012024000000") + five + QStringLiteral("x"));
        QCOMPARE(entries[0].displayLine, five + QStringLiteral("1:00 AM1/1/2024") + five + QStringLiteral("x"));
        QCOMPARE(entries[1].fileName, QStringLiteral("12082025153405"));
        QCOMPARE(entries[1].fileEntry,
                 QStringLiteral("12082025153405") + five + QStringLiteral("first") + five + QStringLiteral("second"));
        QCOMPARE(entries[1].displayLine,
                 QStringLiteral("12/8/2025") + five + QStringLiteral("3:34:05 PM") + five + QStringLiteral("first")
                     + five + QStringLiteral("second"));
        QCOMPARE(entries[2], (SavedReadingEntry{QStringLiteral("big"), QStringLiteral("big"), QString()}));
        QCOMPARE(entries[3], (SavedReadingEntry{QStringLiteral("garbage"), QStringLiteral("garbage"), QString()}));
    }
    void listingRefusesWhatIsNoFolderOfTheApplicationFolder_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("words");
        QTest::newRow("missing folder") << QStringLiteral("Ghost") << QStringLiteral("does not exist");
        QTest::newRow("misc before first use") << QStringLiteral("misc") << QStringLiteral("does not exist");
        QTest::newRow("parent") << QStringLiteral("..") << QStringLiteral("cannot be listed");
        QTest::newRow("separator") << QStringLiteral("Jane/../..") << QStringLiteral("cannot be listed");
        QTest::newRow("empty") << QStringLiteral("  ") << QStringLiteral("cannot be listed");
    }
    void listingRefusesWhatIsNoFolderOfTheApplicationFolder()
    {
        QFETCH(QString, profile);
        QFETCH(QString, words);
        const StorageValue<QList<SavedReadingEntry>> listed = listSavedReadings(folder(), profile);
        QVERIFY(!listed.ok());
        QVERIFY2(listed.error().contains(words), qPrintable(listed.error()));
    }

    void miscListsTheMiscellaneousReadings()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        QVERIFY(fileTempReading(folder(), FilingTarget::miscellaneous(), QStringLiteral("m"), m_clock).ok());
        for (const QString& name : {QStringLiteral("misc"), QStringLiteral("MISC")}) {
            const StorageValue<QList<SavedReadingEntry>> listed = listSavedReadings(folder(), name);
            QVERIFY2(listed.ok(), qPrintable(listed.error()));
            QCOMPARE(listed->size(), 1);
            QCOMPARE(listed->first().fileName, QStringLiteral("12082025153405"));
        }
    }

    void opensASavedReading()
    {
        QVERIFY(writeTempReading(folder(), automaticReading(), m_clock).ok());
        QVERIFY(fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")), QStringLiteral("one"), m_clock)
                    .ok());
        QVERIFY(fileTempReading(folder(), FilingTarget::profile(QStringLiteral("Jane")), QStringLiteral("two"), m_clock)
                    .ok());
        const QList<SavedReadingEntry> listed = *listSavedReadings(folder(), QStringLiteral("Jane"));
        QCOMPARE(listed.size(), 2);
        const StorageValue<ReadingRecord> opened
            = openSavedReading(folder(), QStringLiteral("Jane"), listed[1].fileName);
        QVERIFY2(opened.ok(), qPrintable(opened.error()));
        QCOMPARE(opened->querentName, QStringLiteral("Ann \"Nan\" Lee"));
        QCOMPARE(opened->spreadName, QStringLiteral("Three Cards"));
        QCOMPARE(opened->cards, (QList<RecordCard>{{5, false}, {40, true}, {77, false}}));
        QCOMPARE(opened->description(), QStringLiteral("two"));
    }

    void openingFailsInWords_data()
    {
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("words");
        QTest::newRow("no profile") << QString() << QStringLiteral("12082025153405")
                                    << QStringLiteral("Please select profile.");
        QTest::newRow("no reading") << QStringLiteral("Jane") << QString()
                                    << QStringLiteral("Please select file to be read.");
        QTest::newRow("missing file") << QStringLiteral("Jane") << QStringLiteral("12082025153405")
                                      << QStringLiteral("does not exist");
        QTest::newRow("not a record") << QStringLiteral("Jane") << QStringLiteral("Jane")
                                      << QStringLiteral("not a saved reading");
        QTest::newRow("outside the folder")
            << QStringLiteral("Jane") << QStringLiteral("../vt.dll") << QStringLiteral("cannot be opened");
        QTest::newRow("profile outside") << QStringLiteral("..") << QStringLiteral("x")
                                         << QStringLiteral("cannot be opened");
        QTest::newRow("a folder") << QStringLiteral("Jane") << QStringLiteral("sub") << QStringLiteral("folder");
    }
    void openingFailsInWords()
    {
        QFETCH(QString, profile);
        QFETCH(QString, file);
        QFETCH(QString, words);
        QVERIFY(QDir(profileFolder()).mkdir(QStringLiteral("sub")));
        const StorageValue<ReadingRecord> opened = openSavedReading(folder(), profile, file);
        QVERIFY(!opened.ok());
        QVERIFY2(opened.error().contains(words), qPrintable(opened.error()));
    }

    void showsTheReopenedReadingText()
    {
        ReadingRecord record;
        record.querentName = QStringLiteral("Ann");
        record.birthDate = QStringLiteral("January 1, 1980");
        record.date = QStringLiteral("12/8/2025");
        record.time = QStringLiteral("3:34:05 PM");
        record.spreadName = QStringLiteral("Two Cards");
        record.cards = {{12, true}, {78, false}, {kUnreadableCard, true}, {0, false}};
        record.descriptions = {QStringLiteral("never shown")};

        const QString crlf = QStringLiteral("\r\n");
        const QString rule = QString(28, QLatin1Char('_')) + crlf + crlf;
        const Deck& deck = Deck::instance();
        StyledText expected;
        expected.append(run(QStringLiteral("Your Reading is displayed below. Read it with an open mind and understand "
                                           "what the program is trying to convey to you.")
                                + crlf + crlf,
                            true, colours::kNavy));
        const QList<std::pair<QString, QString>> fields = {
            {QStringLiteral("Name: "), QStringLiteral("Ann") + crlf},
            {QStringLiteral("Date of Birth: "), QStringLiteral("January 1, 1980") + crlf},
            {QStringLiteral("Question: "), QStringLiteral("Not mentioned") + crlf},
            {QStringLiteral("Date of Creation: "), QStringLiteral("12/8/2025") + crlf},
            {QStringLiteral("Time of Creation: "), QStringLiteral("3:34:05 PM") + crlf + crlf},
        };
        for (const auto& [label, value] : fields) {
            expected.append(run(label, true, colours::kGreen));
            expected.append(run(value, true, colours::kBlack));
        }
        expected.append(run(QStringLiteral("Spread Type - Two Cards") + crlf, true, colours::kPurple));
        expected.append(run(SpreadCatalogue::instance().byKey(QStringLiteral("Two Cards"))->description + crlf + rule,
                            false, colours::kBlack));
        expected.append(run(QStringLiteral("Card 1") + crlf, true, colours::kTeal));
        expected.append(run(deck.name(12) + QStringLiteral(" - Reversed") + crlf, true, colours::kMaroon));
        expected.append(run(deck.meaning(12, true) + crlf + rule, false, colours::kBlack));
        expected.append(run(QStringLiteral("Card 4") + crlf, true, colours::kTeal));
        expected.append(run(deck.name(0) + crlf, true, colours::kMaroon));
        expected.append(run(deck.meaning(0, false) + crlf + rule, false, colours::kBlack));

        const StyledText shown = showSavedReading(record);
        QCOMPARE(shown.plainText(), expected.plainText());
        QCOMPARE(shown, expected);
    }

    void anUnknownSpreadAndEmptyFieldsShowNoReplacements()
    {
        ReadingRecord record;
        record.spreadName = QStringLiteral("two cards");
        const QString text = showSavedReading(record).plainText();
        const QString crlf = QStringLiteral("\r\n");
        QVERIFY(text.contains(
            QStringLiteral("Name: Not mentioned") + crlf + QStringLiteral("Date of Birth: Not mentioned") + crlf
            + QStringLiteral("Question: Not mentioned") + crlf + QStringLiteral("Date of Creation: ") + crlf
            + QStringLiteral("Time of Creation: ") + crlf + crlf + QStringLiteral("Spread Type - two cards") + crlf
            + QString(28, QLatin1Char('_')) + crlf + crlf));
        QVERIFY(text.endsWith(QString(28, QLatin1Char('_')) + crlf + crlf));
        QVERIFY(!text.contains(QLatin1String("Card 1")));
    }

    void reopeningSetsOnlyTheQuerentAndTheMoment()
    {
        CurrentReading reading = automaticReading();
        const CurrentReading before = reading;
        ReadingRecord record;
        record.querentName = QStringLiteral("Bo");
        record.birthDate = QStringLiteral("June 3, 1990");
        record.question = QStringLiteral("q");
        record.date = QStringLiteral("1/1/2001");
        record.time = QStringLiteral("8:00:00 AM");
        record.spreadName = QStringLiteral("Celtic Cross");
        record.cards = {{1, true}};
        applySavedReading(record, reading);
        QCOMPARE(reading.querentName, record.querentName);
        QCOMPARE(reading.birthDate, record.birthDate);
        QCOMPARE(reading.question, record.question);
        QCOMPARE(reading.creationDate, record.date);
        QCOMPARE(reading.creationTime, record.time);
        QCOMPARE(reading.spread, before.spread);
        QCOMPARE(reading.cards, before.cards);
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
