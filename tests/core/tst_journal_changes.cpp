#include "JournalFixtures.h"
#include "storage/JournalChanges.h"
#include "storage/ProfileStore.h"

#include <QTest>

using namespace quillmere;

namespace {

const QDateTime kNow(QDate(2026, 12, 10), QTime(13, 45, 1));

ReadingRecord oneCard()
{
    return savedRecord(QStringLiteral("Jane"), QStringLiteral("Q?"), QStringLiteral("One Card"), {{3, true}});
}

// A store large enough that writing it fails under a limit that still lets the small trash origin file through.
QStringList manyProfiles()
{
    QStringList names{QStringLiteral("Jane"), QStringLiteral("Ann")};
    for (int i = 0; i < 60; ++i)
        names.append(QStringLiteral("Filler profile number %1").arg(i));
    return names;
}

} // namespace

// Moving, deleting to the trash, restoring and renaming: each step that fails leaves every file as it was.
class TestJournalChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyReadingsOfTheFolderAreLocated_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("profile");
        QTest::newRow("a profile's reading, relative")
            << QStringLiteral("Jane/01012026000000") << QStringLiteral("Jane");
        QTest::newRow("misc") << QStringLiteral("misc/01012026000000") << QString();
        QTest::newRow("the details file") << QStringLiteral("Jane/Jane") << QStringLiteral("!");
        QTest::newRow("a folder the store does not list")
            << QStringLiteral("Stray/01012026000000") << QStringLiteral("!");
        QTest::newRow("outside the folder") << QStringLiteral("/etc/passwd") << QStringLiteral("!");
        QTest::newRow("climbing out") << QStringLiteral("Jane/../../x/01012026000000") << QStringLiteral("!");
        QTest::newRow("missing") << QStringLiteral("Jane/01012026999999") << QStringLiteral("!");
    }
    void onlyReadingsOfTheFolderAreLocated()
    {
        QFETCH(QString, path);
        QFETCH(QString, profile);
        JournalFolder app({QStringLiteral("Jane")});
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        app.save(QStringLiteral("misc"), QStringLiteral("01012026000000"), oneCard());
        app.save(QStringLiteral("Stray"), QStringLiteral("01012026000000"), oneCard());
        const StorageValue<ReadingLocation> location = locateReading(app.folder, path);
        QCOMPARE(location.ok(), profile != QLatin1String("!"));
        if (location.ok()) {
            QCOMPARE(location->profile, profile);
            QCOMPARE(location->path, app.path(path));
        }
    }

    void aReadingMovesUnderTheNextFreeStamp()
    {
        JournalFolder app({QStringLiteral("Jane"), QStringLiteral("Ann")});
        const QString path = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        app.save(QStringLiteral("Ann"), QStringLiteral("01012026000000"), oneCard());
        const QByteArray bytes = fileBytes(path);
        const StorageValue<QString> moved = moveReading(app.folder, locateReading(app.folder, path).value(),
                                                        FilingTarget::profile(QStringLiteral("ann")));
        QCOMPARE(moved.value(), app.path(QStringLiteral("Ann/01012026000001")));
        QCOMPARE(fileBytes(*moved), bytes);
        QVERIFY(!QFileInfo::exists(path));
        const StorageValue<QString> toMisc
            = moveReading(app.folder, locateReading(app.folder, *moved).value(), FilingTarget::miscellaneous());
        QCOMPARE(toMisc.value(), app.path(QStringLiteral("misc/01012026000001")));
        const StorageValue<QString> again
            = moveReading(app.folder, locateReading(app.folder, *toMisc).value(), FilingTarget::miscellaneous());
        QCOMPARE(again.error(), QStringLiteral("The reading is already under Miscellaneous."));
        QVERIFY(!moveReading(app.folder, locateReading(app.folder, *toMisc).value(),
                             FilingTarget::profile(QStringLiteral("Nobody")))
                     .ok());
        QVERIFY(QFileInfo::exists(*toMisc));
    }

    void aDeletedReadingWaitsInTheTrashAndComesBack()
    {
        JournalFolder app({QStringLiteral("Jane")});
        const QString path = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        const QByteArray bytes = fileBytes(path);
        const StorageValue<TrashEntry> trashed
            = trashReading(app.folder, locateReading(app.folder, path).value(), kNow);
        QVERIFY2(trashed.ok(), qPrintable(trashed.error()));
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(trashed->id, QStringLiteral("20261210-134501"));
        QCOMPARE(fileBytes(trashed->itemPath), bytes);
        const QList<TrashEntry> entries = listTrash(app.folder).value();
        QCOMPARE(entries.size(), 1);
        QCOMPARE(entries[0].profile, QStringLiteral("Jane"));
        QCOMPARE(entries[0].fileName, QStringLiteral("01012026000000"));
        QCOMPARE(entries[0].deleted, kNow);

        // Its stamp was taken meanwhile: it comes back under the next free one.
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        QCOMPARE(restoreFromTrash(app.folder, trashed->id).value(), app.path(QStringLiteral("Jane/01012026000001")));
        QCOMPARE(fileBytes(app.path(QStringLiteral("Jane/01012026000001"))), bytes);
        QVERIFY(listTrash(app.folder).value().isEmpty());
        QVERIFY(!restoreFromTrash(app.folder, trashed->id).ok());
        QVERIFY(!restoreFromTrash(app.folder, QStringLiteral("../Jane")).ok());
    }

    void aDeletedProfileComesBackWhole()
    {
        JournalFolder app({QStringLiteral("Jane"), QStringLiteral("Ann")});
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        const QMap<QString, QByteArray> before = snapshotOf(app.dir.path());
        const StorageValue<TrashEntry> trashed = trashProfile(app.folder, QStringLiteral("Jane"), kNow);
        QVERIFY2(trashed.ok(), qPrintable(trashed.error()));
        QCOMPARE(ProfileStore(app.folder).list().value(), QStringList{QStringLiteral("Ann")});
        QVERIFY(!QFileInfo::exists(app.path(QStringLiteral("Jane"))));

        // A reading of that profile cannot come back while the profile is in the trash.
        QVERIFY(QFileInfo(trashed->itemPath + QStringLiteral("/01012026000000")).isFile());

        QCOMPARE(restoreFromTrash(app.folder, trashed->id).value(), app.path(QStringLiteral("Jane")));
        QMap<QString, QByteArray> after = snapshotOf(app.dir.path());
        after.remove(QStringLiteral("trash/"));
        QMap<QString, QByteArray> expected = before;
        expected.insert(QStringLiteral("vt.dll"), "Ann\r\nJane\r\n");
        QCOMPARE(after, expected);
    }

    void aProfileIsNotRestoredOverOneOfTheSameName()
    {
        JournalFolder app({QStringLiteral("Jane")});
        const StorageValue<TrashEntry> trashed = trashProfile(app.folder, QStringLiteral("Jane"), kNow);
        QVERIFY(trashed.ok());
        QVERIFY(ProfileStore(app.folder)
                    .create(NewProfile{
                        QStringLiteral("JANE"),
                        {QStringLiteral("J"), QStringLiteral("May"), QStringLiteral("1"), QStringLiteral("1980")}})
                    .ok());
        QCOMPARE(restoreFromTrash(app.folder, trashed->id).error(),
                 QStringLiteral("A profile named \"JANE\" already exists."));
        QCOMPARE(listTrash(app.folder).value().size(), 1);
        QVERIFY(emptyTrash(app.folder).ok());
        QVERIFY(listTrash(app.folder).value().isEmpty());
        QVERIFY(entriesOf(app.folder.trashFolder()).isEmpty());
    }

    void renamingMovesFolderDetailsAndStoreLine()
    {
        JournalFolder app({QStringLiteral("Jane"), QStringLiteral("Ann")});
        // A name an older version wrote in the old code page stays byte for byte.
        writeFile(app.folder.profileStore(), "Jane\r\nRen\xe9\r\nAnn\r\n");
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        QVERIFY(renameProfile(app.folder, QStringLiteral("Jane"), QStringLiteral("  Jane Roe ")).ok());
        QCOMPARE(fileBytes(app.folder.profileStore()), QByteArray("Jane Roe\r\nRen\xe9\r\nAnn\r\n"));
        QCOMPARE(entriesOf(app.path(QStringLiteral("Jane Roe"))),
                 (QStringList{QStringLiteral("01012026000000"), QStringLiteral("Jane Roe")}));
        QVERIFY(!QFileInfo::exists(app.path(QStringLiteral("Jane"))));
        QCOMPARE(ProfileStore(app.folder).details(QStringLiteral("Jane Roe")).value().personName,
                 QStringLiteral("Person"));
        QVERIFY(renameProfile(app.folder, QStringLiteral("Jane Roe"), QStringLiteral("JANE ROE")).ok());
        QVERIFY(QFileInfo(app.path(QStringLiteral("JANE ROE/JANE ROE"))).isFile());
    }

    void renameRefusals_data()
    {
        QTest::addColumn<QString>("newName");
        QTest::addColumn<QString>("error");
        QTest::newRow("empty") << QStringLiteral("   ") << QStringLiteral("Please enter profile name.");
        QTest::newRow("exists in another case")
            << QStringLiteral("ann") << QStringLiteral("A profile named \"Ann\" already exists.");
        QTest::newRow("unsafe") << QStringLiteral("a/b") << ProfileStore::checkName(QStringLiteral("a/b")).error();
        QTest::newRow("reserved") << QStringLiteral("Trash")
                                  << ProfileStore::checkName(QStringLiteral("Trash")).error();
        QTest::newRow("a folder in the way") << QStringLiteral("Stray") << QStringLiteral("is in the way");
    }
    void renameRefusals()
    {
        QFETCH(QString, newName);
        QFETCH(QString, error);
        JournalFolder app({QStringLiteral("Jane"), QStringLiteral("Ann")});
        QDir(app.dir.path()).mkdir(QStringLiteral("Stray"));
        const QMap<QString, QByteArray> before = snapshotOf(app.dir.path());
        const StorageResult renamed = renameProfile(app.folder, QStringLiteral("Jane"), newName);
        QVERIFY2(renamed.error().contains(error), qPrintable(renamed.error()));
        QCOMPARE(snapshotOf(app.dir.path()), before);
    }

    // Each step of a rename failing in turn: the folder (something in the way is refused before any change),
    // the details file (a folder of the new name inside the profile's folder), the store (a full disk).
    void aRenameThatFailsAtAnyStepChangesNothing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::newRow("details file") << QStringLiteral("details");
        QTest::newRow("store") << QStringLiteral("store");
    }
    void aRenameThatFailsAtAnyStepChangesNothing()
    {
        QFETCH(QString, step);
        JournalFolder app(manyProfiles());
        app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        if (step == QLatin1String("details"))
            QVERIFY(QDir(app.path(QStringLiteral("Jane"))).mkdir(QStringLiteral("Roe")));
        const QMap<QString, QByteArray> before = snapshotOf(app.dir.path());
        int code = 0;
        if (step == QLatin1String("store")) {
            code = runWithFileSizeLimit(512, [&] {
                return renameProfile(app.folder, QStringLiteral("Jane"), QStringLiteral("Roe")).ok() ? 0 : 3;
            });
        } else {
            code = renameProfile(app.folder, QStringLiteral("Jane"), QStringLiteral("Roe")).ok() ? 0 : 3;
        }
        QCOMPARE(code, 3);
        QCOMPARE(snapshotOf(app.dir.path()), before);
    }

    // Deleting a profile: the trash entry's origin file (limit 0), the store (a limit the origin file passes),
    // the trash folder (a file in its way).
    void aDeletionThatFailsAtAnyStepChangesNothing_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("profile");
        QTest::newRow("profile: origin") << QStringLiteral("origin") << true;
        QTest::newRow("profile: store") << QStringLiteral("store") << true;
        QTest::newRow("profile: trash in the way") << QStringLiteral("trash") << true;
        QTest::newRow("reading: origin") << QStringLiteral("origin") << false;
        QTest::newRow("reading: trash in the way") << QStringLiteral("trash") << false;
    }
    void aDeletionThatFailsAtAnyStepChangesNothing()
    {
        QFETCH(QString, step);
        QFETCH(bool, profile);
        JournalFolder app(manyProfiles());
        const QString reading = app.save(QStringLiteral("Jane"), QStringLiteral("01012026000000"), oneCard());
        if (step == QLatin1String("trash"))
            writeFile(app.folder.trashFolder(), "in the way");
        else
            QVERIFY(QDir(app.dir.path()).mkdir(QStringLiteral("trash")));
        const QMap<QString, QByteArray> before = snapshotOf(app.dir.path());
        const auto body = [&] {
            if (profile)
                return trashProfile(app.folder, QStringLiteral("Jane"), kNow).ok() ? 0 : 3;
            return trashReading(app.folder, locateReading(app.folder, reading).value(), kNow).ok() ? 0 : 3;
        };
        const rlim_t limit = step == QLatin1String("origin") ? 0 : step == QLatin1String("store") ? 512 : RLIM_INFINITY;
        QCOMPARE(runWithFileSizeLimit(limit, body), 3);
        QCOMPARE(snapshotOf(app.dir.path()), before);
    }

    void aRestoreThatCannotWriteTheStoreLeavesTheProfileInTheTrash()
    {
        JournalFolder app(manyProfiles());
        const StorageValue<TrashEntry> trashed = trashProfile(app.folder, QStringLiteral("Jane"), kNow);
        QVERIFY(trashed.ok());
        const QMap<QString, QByteArray> before = snapshotOf(app.dir.path());
        QCOMPARE(runWithFileSizeLimit(512, [&] { return restoreFromTrash(app.folder, trashed->id).ok() ? 0 : 3; }), 3);
        QCOMPARE(snapshotOf(app.dir.path()), before);
    }

    void editingAProfileRewritesItsDetailsWholeOrNotAtAll()
    {
        JournalFolder app({QStringLiteral("Jane")});
        const ProfileDetails details{QStringLiteral("Jane \"JR\" Roe"), QStringLiteral("March"), QStringLiteral("4"),
                                     QStringLiteral("1990")};
        const QByteArray before = fileBytes(app.path(QStringLiteral("Jane/Jane")));
        QCOMPARE(runWithFileSizeLimit(
                     0, [&] { return editProfile(app.folder, QStringLiteral("Jane"), details).ok() ? 0 : 3; }),
                 3);
        QCOMPARE(fileBytes(app.path(QStringLiteral("Jane/Jane"))), before);
        QVERIFY(editProfile(app.folder, QStringLiteral("jane"), details).ok());
        QCOMPARE(ProfileStore(app.folder).details(QStringLiteral("Jane")).value(), details);
        QCOMPARE(editProfile(app.folder, QStringLiteral("Jane"), ProfileDetails{}).error(),
                 QStringLiteral("Please enter your name."));
    }
};

QTEST_GUILESS_MAIN(TestJournalChanges)
#include "tst_journal_changes.moc"
