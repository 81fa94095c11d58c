#include "ChildProcess.h"
#include "FileHelpers.h"
#include "storage/FolderImport.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"

#include <QDirIterator>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillmere;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quillmere::NameClash)

namespace {

// Every file below a folder with its bytes, to show that a folder was left exactly as it was.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(root).relativeFilePath(path), fileBytes(path));
    }
    return files;
}

const QString kFixture = QStringLiteral(QUILLMERE_FIXTURES_DIR "/old-folder");

} // namespace

// Importing another application folder (and moving over from the folder earlier versions installed): profiles
// merged, readings under their own stamps, nothing of either folder overwritten, a summary of what happened.
class TestImport : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString source() const { return m_dir->filePath(QStringLiteral("old")); }
    QString target() const { return m_dir->filePath(QStringLiteral("data")); }
    AppFolder targetFolder() const { return AppFolder(target(), m_dir->filePath(QStringLiteral("share"))); }
    FolderImport import() const { return FolderImport(AppFolder(source()), targetFolder()); }

    void copyFixture()
    {
        QDirIterator it(kFixture, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString copy = source() + QLatin1Char('/') + QDir(kFixture).relativeFilePath(path);
            QVERIFY(QDir().mkpath(QFileInfo(copy).path()));
            QVERIFY(QFile::copy(path, copy));
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        copyFixture();
        QVERIFY(QDir().mkpath(target()));
        writeFile(targetFolder().profileStore(), QByteArray());
    }

    // The move-over case: everything lands in an empty data folder, Windows-1252 records byte for byte; a
    // conflict copy takes the next free stamp; damaged and foreign files are named, a sync tool's hidden
    // leftovers ignored; the old folder is only read.
    void intoAnEmptyFolder()
    {
        const QMap<QString, QByteArray> before = snapshot(source());
        const StorageValue<ImportSummary> summary = import().run([](const QString& name) {
            qWarning("asked about %s", qPrintable(name));
            return NameClash::Skip;
        });
        QVERIFY2(summary.ok(), qPrintable(summary.error()));
        QCOMPARE(summary->profilesCreated, (QStringList{u"Smith, John"_s, u"Renée"_s, u"Jane"_s}));
        QVERIFY(summary->profilesMerged.isEmpty() && summary->profilesSkipped.isEmpty());
        QCOMPARE(summary->readingsCopied, 5);
        QCOMPARE(summary->readingsRestamped, 1);
        QVERIFY(summary->stoppedBy.isEmpty());
        QCOMPARE(summary->problems.size(), 2);
        QVERIFY(summary->problems.filter(u"notes.txt"_s).size() == 1);
        QVERIFY(summary->problems.filter(u"damaged"_s).size() == 1);
        QVERIFY(summary->text().contains(u"Readings copied: 5 (1 under the next free time stamp"_s));

        QCOMPARE(snapshot(source()), before);
        const AppFolder data = targetFolder();
        QCOMPARE(*ProfileStore(data).list(), (QStringList{u"Smith, John"_s, u"Renée"_s, u"Jane"_s}));
        QCOMPARE(ProfileStore(data).details(u"Renée"_s)->personName, u"Renée Müller"_s);
        QCOMPARE(fileBytes(target() + u"/Renée/05022003101500"_s), before.value(u"Renée/05022003101500"_s));
        QCOMPARE(openSavedReading(data, u"Renée"_s, u"05022003101500"_s)->question,
                 u"What about the \u201ccafé\u201d for 100\u20ac?"_s);
        QCOMPARE(fileBytes(target() + u"/Smith, John/12082025153406"_s),
                 before.value(u"Smith, John/12082025153405 (conflicted copy 2025-12-09)"_s));
        QCOMPARE(entriesOf(target() + u"/Smith, John"_s),
                 (QStringList{u"12082025153405"_s, u"12082025153406"_s, u"Smith, John"_s}));
        QCOMPARE(entriesOf(target() + u"/misc"_s), QStringList{u"03032021120000"_s});
    }

    void aNameThatExists_data();
    void aNameThatExists();

    // Importing the same folder again finds every reading already there and adds nothing.
    void importingTwiceAddsNothing()
    {
        const auto never = [](const QString&) { return NameClash::MergeIntoExisting; };
        QVERIFY(import().run(never).ok());
        const QMap<QString, QByteArray> once = snapshot(target());
        const StorageValue<ImportSummary> again = import().run(never);
        QVERIFY2(again.ok(), qPrintable(again.error()));
        QCOMPARE(again->readingsCopied, 0);
        QCOMPARE(again->readingsAlreadyThere, 5);
        QCOMPARE(again->profilesMerged.size(), 3);
        QCOMPARE(snapshot(target()), once);
    }

    void refusals_data();
    void refusals();

    // Special files a sync tool or a user left in a profile folder neither hang nor stop the import.
    void aPipeInAProfileFolderIsSkipped()
    {
        const QByteArray pipe = QFile::encodeName(source() + u"/Jane/07012019080000"_s);
        QCOMPARE(mkfifo(pipe.constData(), 0600), 0);
        const StorageValue<ImportSummary> summary = import().run([](const QString&) { return NameClash::Skip; });
        QVERIFY2(summary.ok(), qPrintable(summary.error()));
        QCOMPARE(summary->readingsCopied, 5);
        QCOMPARE(summary->problems.filter(u"07012019080000 was not copied: it is not a file."_s).size(), 1);
    }

    // A write that fails (a file-size limit, as on a full disk) stops the import with the reason; what was
    // copied stays, no empty or partial reading is left, and the store still lists every profile it had.
    void aFailedWriteStopsTheImport()
    {
        writeFile(targetFolder().profileStore(), "Ann\r\n");
        QVERIFY(QDir(target()).mkdir(u"Ann"_s));
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            quillmere::testing::limitFileSizeHere(100);
            const StorageValue<ImportSummary> summary
                = import().run([](const QString&) { return NameClash::MergeIntoExisting; });
            const bool stopped = summary.ok() && summary->readingsCopied == 0
                && summary->profilesCreated == QStringList{u"Smith, John"_s}
                && summary->stoppedBy.contains(u"12082025153405"_s) && summary->text().contains(u"stopped"_s);
            if (!stopped)
                qWarning("%s", qPrintable(summary.ok() ? summary->text() : summary.error()));
            _exit(stopped ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(entriesOf(target() + u"/Smith, John"_s), QStringList{u"Smith, John"_s});
        QCOMPARE(ProfileStore(targetFolder()).list()->mid(0, 2), (QStringList{u"Ann"_s, u"Smith, John"_s}));
    }

    // The old-reading listing of a folder a sync tool keeps in step: the conflict copy is a reading of its own,
    // the foreign and damaged files are listed (and refused when opened), hidden leftovers are not listed.
    void aSyncedProfileFolderLists()
    {
        const StorageValue<QList<SavedReadingEntry>> listed = listSavedReadings(AppFolder(source()), u"Smith, John"_s);
        QVERIFY2(listed.ok(), qPrintable(listed.error()));
        QStringList names;
        for (const SavedReadingEntry& entry : *listed)
            names << entry.fileName;
        QCOMPARE(names,
                 (QStringList{u"12082025153405"_s, u"12082025153405 (conflicted copy 2025-12-09)"_s, u"damaged"_s,
                              u"notes.txt"_s}));
        QVERIFY(listed->at(1).displayLine.endsWith(u"work, seen again"_s));
        QVERIFY(!openSavedReading(AppFolder(source()), u"Smith, John"_s, u"notes.txt"_s).ok());
    }
};

void TestImport::aNameThatExists_data()
{
    QTest::addColumn<NameClash>("decision");
    QTest::newRow("merge into it") << NameClash::MergeIntoExisting;
    QTest::newRow("skip it") << NameClash::Skip;
}

// The target has JANE, with its own reading at the moment of the imported Jane's reading. The user is asked
// once, with the target's spelling; merging copies the reading under the next second, skipping copies nothing
// of Jane; either way JANE's own files stay as they were and no second store line appears.
void TestImport::aNameThatExists()
{
    QFETCH(NameClash, decision);
    writeFile(targetFolder().profileStore(), "JANE\r\n");
    QVERIFY(QDir(target()).mkdir(u"JANE"_s));
    writeFile(target() + u"/JANE/JANE"_s, "\"Jane Doe\",\"June\",\"6\",\"1966\"\r\n");
    writeFile(target() + u"/JANE/06302019080000"_s, "\"yournameJane Doe\"\r\n\"nameOne Card\"\r\n\"card1\",0\r\n");
    const QMap<QString, QByteArray> janeBefore = snapshot(target() + u"/JANE"_s);

    QStringList asked;
    const StorageValue<ImportSummary> summary = import().run([&](const QString& name) {
        asked << name;
        return decision;
    });
    QVERIFY2(summary.ok(), qPrintable(summary.error()));
    QCOMPARE(asked, QStringList{u"JANE"_s});
    QCOMPARE(summary->profilesCreated, (QStringList{u"Smith, John"_s, u"Renée"_s}));
    QCOMPARE(*ProfileStore(targetFolder()).list(), (QStringList{u"JANE"_s, u"Smith, John"_s, u"Renée"_s}));
    QMap<QString, QByteArray> janeAfter = snapshot(target() + u"/JANE"_s);
    if (decision == NameClash::MergeIntoExisting) {
        QCOMPARE(summary->profilesMerged, QStringList{u"JANE"_s});
        QCOMPARE(summary->readingsCopied, 5);
        QCOMPARE(summary->readingsRestamped, 2);
        QCOMPARE(janeAfter.take(u"06302019080001"_s), fileBytes(source() + u"/Jane/06302019080000"_s));
    } else {
        QCOMPARE(summary->profilesSkipped, QStringList{u"JANE"_s});
        QCOMPARE(summary->readingsCopied, 4);
        QVERIFY(summary->text().contains(u"Profiles skipped: JANE."_s));
    }
    QCOMPARE(janeAfter, janeBefore);
}

void TestImport::refusals_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("message");
    QTest::newRow("no store") << u"old/misc"_s << u"holds no Quillmere readings"_s;
    QTest::newRow("missing") << u"nowhere"_s << u"does not exist"_s;
    QTest::newRow("the data folder itself") << u"data"_s << u"keeps your readings in already"_s;
}

void TestImport::refusals()
{
    QFETCH(QString, folder);
    QFETCH(QString, message);
    const QMap<QString, QByteArray> before = snapshot(target());
    const StorageValue<ImportSummary> summary
        = FolderImport(AppFolder(m_dir->filePath(folder)), targetFolder()).run([](const QString&) {
              return NameClash::MergeIntoExisting;
          });
    QVERIFY(!summary.ok());
    QVERIFY2(summary.error().contains(message), qPrintable(summary.error()));
    QCOMPARE(snapshot(target()), before);
}

QTEST_GUILESS_MAIN(TestImport)
#include "tst_import.moc"
