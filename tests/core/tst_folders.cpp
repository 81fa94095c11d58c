#include "FileHelpers.h"
#include "storage/FolderResolver.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace quillmere;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(quillmere::FolderMode)

// Where the program finds its own files and the user's data: portable folders, installs, builds and
// --app-folder; and the data folder made ready on a first start.
class TestFolders : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString at(const QString& relative) const { return m_dir->filePath(relative); }
    void makeFolders(const QStringList& folders)
    {
        for (const QString& folder : folders)
            QVERIFY(QDir(m_dir->path()).mkpath(folder));
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void resolves_data();
    void resolves();
    void refusals_data();
    void refusals();

    // A build's staged folder holds the program's files but no profile store, so running the build never
    // writes readings into the build tree.
    void theBuildsStageIsADevelopmentFolder()
    {
        const StorageValue<ResolvedFolders> resolved
            = resolveFolders({QStringLiteral(QUILLMERE_STAGE_DIR), QString(), at(QStringLiteral("data"))});
        QVERIFY2(resolved.ok(), qPrintable(resolved.error()));
        QCOMPARE(resolved->mode, FolderMode::Development);
        QCOMPARE(resolved->dataRoot, at(QStringLiteral("data")));
        QVERIFY(!resolved->appFolder().isPortable());
    }

    // The first start creates the data folder (parents included) and an empty store; a later start finds them
    // and changes nothing.
    void aFirstStartCreatesTheDataFolder()
    {
        makeFolders({QStringLiteral("share/pic")});
        const ResolvedFolders folders{FolderMode::Installed, at(QStringLiteral("home/.local/share/Quillmere")),
                                      at(QStringLiteral("share"))};
        const StorageValue<bool> first = prepareDataFolder(folders);
        QVERIFY2(first.ok(), qPrintable(first.error()));
        QVERIFY(*first);
        QCOMPARE(entriesOf(folders.dataRoot), QStringList{QStringLiteral("vt.dll")});
        QCOMPARE(fileBytes(folders.appFolder().profileStore()), QByteArray());

        writeFile(folders.appFolder().profileStore(), "Jane\r\n");
        const StorageValue<bool> second = prepareDataFolder(folders);
        QVERIFY2(second.ok(), qPrintable(second.error()));
        QVERIFY(!*second);
        QCOMPARE(fileBytes(folders.appFolder().profileStore()), QByteArray("Jane\r\n"));
        QCOMPARE(entriesOf(at(QStringLiteral("share"))), QStringList{QStringLiteral("pic")});
    }

    // A portable folder is judged by the start-up checks as it is: nothing is created in it.
    void aPortableFolderIsLeftAsItIs()
    {
        makeFolders({QStringLiteral("app/pic")});
        const ResolvedFolders folders{FolderMode::Portable, at(QStringLiteral("app")), at(QStringLiteral("app"))};
        const StorageValue<bool> prepared = prepareDataFolder(folders);
        QVERIFY(prepared.ok());
        QVERIFY(!*prepared);
        QCOMPARE(entriesOf(at(QStringLiteral("app"))), QStringList{QStringLiteral("pic")});
    }

    // A data folder that cannot be created (a file is in the way) or written is refused in words, and nothing
    // existing changes.
    void aDataFolderThatCannotBeMadeIsRefused()
    {
        makeFolders({QStringLiteral("share/pic")});
        writeFile(at(QStringLiteral("blocked")), "not a folder");
        const ResolvedFolders blocked{FolderMode::Installed, at(QStringLiteral("blocked/Quillmere")),
                                      at(QStringLiteral("share"))};
        const StorageValue<bool> created = prepareDataFolder(blocked);
        QVERIFY(!created.ok());
        QVERIFY2(created.error().contains(QLatin1String("could not be created")), qPrintable(created.error()));
        QVERIFY(created.error().contains(blocked.dataRoot));
        QCOMPARE(fileBytes(at(QStringLiteral("blocked"))), QByteArray("not a folder"));

        if (geteuid() == 0)
            QSKIP("Folder permissions do not bind root.");
        makeFolders({QStringLiteral("readonly")});
        QVERIFY(QFile::setPermissions(at(QStringLiteral("readonly")), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const ResolvedFolders readOnly{FolderMode::Installed, at(QStringLiteral("readonly")),
                                       at(QStringLiteral("share"))};
        const StorageValue<bool> written = prepareDataFolder(readOnly);
        QFile::setPermissions(at(QStringLiteral("readonly")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!written.ok());
        QVERIFY2(written.error().contains(QLatin1String("cannot be written")), qPrintable(written.error()));
        QCOMPARE(entriesOf(at(QStringLiteral("readonly"))), QStringList());
    }
};

void TestFolders::resolves_data()
{
    // The folders that exist (a trailing file name makes a file), the executable's folder, --app-folder, and the
    // expected mode, data root and program root, all relative to the temporary folder.
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<FolderMode>("mode");
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("program");

    QTest::newRow("portable") << QStringList{u"app/pic"_s, u"app/cards"_s, u"app/vt.dll"_s} << u"app"_s << u""_s
                              << FolderMode::Portable << u"app"_s << u"app"_s;
    QTest::newRow("portable, pictures missing")
        << QStringList{u"app/vt.dll"_s} << u"app"_s << u""_s << FolderMode::Portable << u"app"_s << u"app"_s;
    QTest::newRow("portable beside an install")
        << QStringList{u"usr/bin/vt.dll"_s, u"usr/share/quillmere/pic"_s} << u"usr/bin"_s << u""_s
        << FolderMode::Portable << u"usr/bin"_s << u"usr/bin"_s;
    QTest::newRow("installed") << QStringList{u"usr/bin"_s, u"usr/share/quillmere/pic"_s,
                                              u"usr/share/quillmere/decks"_s}
                               << u"usr/bin"_s << u""_s << FolderMode::Installed << u"home/data"_s
                               << u"usr/share/quillmere"_s;
    QTest::newRow("development") << QStringList{u"build/stage/pic"_s, u"build/stage/help"_s} << u"build/stage"_s
                                 << u""_s << FolderMode::Development << u"home/data"_s << u"build/stage"_s;
    QTest::newRow("chosen, with the program's files")
        << QStringList{u"usr/bin"_s, u"usr/share/quillmere/pic"_s, u"old/pic"_s, u"old/vt.dll"_s} << u"usr/bin"_s
        << u"old"_s << FolderMode::Chosen << u"old"_s << u"old"_s;
    QTest::newRow("chosen, data only") << QStringList{u"usr/bin"_s, u"usr/share/quillmere/pic"_s, u"mine/vt.dll"_s}
                                       << u"usr/bin"_s << u"mine"_s << FolderMode::Chosen << u"mine"_s
                                       << u"usr/share/quillmere"_s;
    QTest::newRow("chosen, not there yet") << QStringList{u"build/stage/pic"_s} << u"build/stage"_s << u"new/folder"_s
                                           << FolderMode::Chosen << u"new/folder"_s << u"build/stage"_s;
    QTest::newRow("chosen over portable") << QStringList{u"app/pic"_s, u"app/vt.dll"_s, u"other"_s} << u"app"_s
                                          << u"other"_s << FolderMode::Chosen << u"other"_s << u"app"_s;
}

void TestFolders::resolves()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, executable);
    QFETCH(QString, chosen);
    QFETCH(FolderMode, mode);
    QFETCH(QString, data);
    QFETCH(QString, program);
    for (const QString& entry : layout) {
        if (entry.endsWith(QLatin1String("vt.dll"))) {
            makeFolders({QFileInfo(entry).path()});
            writeFile(at(entry), QByteArray());
        } else {
            makeFolders({entry});
        }
    }
    const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const StorageValue<ResolvedFolders> resolved
        = resolveFolders({at(executable), chosen.isEmpty() ? QString() : at(chosen), at(QStringLiteral("home/data"))});
    QVERIFY2(resolved.ok(), qPrintable(resolved.error()));
    QCOMPARE(resolved->mode, mode);
    QCOMPARE(resolved->dataRoot, at(data));
    QCOMPARE(resolved->programRoot, at(program));
    QCOMPARE(resolved->appFolder().isPortable(), data == program);
    // Finding the folders creates nothing.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestFolders::refusals_data()
{
    QTest::addColumn<QStringList>("layout");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("message");
    QTest::newRow("no program files") << QStringList{u"usr/bin"_s} << u""_s << u"usr/share/quillmere"_s;
    QTest::newRow("no program files, folder chosen")
        << QStringList{u"usr/bin"_s, u"mine"_s} << u"mine"_s << u"Please reinstall Quillmere."_s;
    QTest::newRow("chosen folder is a file")
        << QStringList{u"usr/share/quillmere/pic"_s, u"usr/bin"_s} << u"usr/bin/file"_s << u"is a file, not a folder"_s;
}

void TestFolders::refusals()
{
    QFETCH(QStringList, layout);
    QFETCH(QString, chosen);
    QFETCH(QString, message);
    makeFolders(layout);
    writeFile(at(QStringLiteral("usr/bin/file")), "x");
    const StorageValue<ResolvedFolders> resolved = resolveFolders(
        {at(QStringLiteral("usr/bin")), chosen.isEmpty() ? QString() : at(chosen), at(QStringLiteral("home/data"))});
    QVERIFY(!resolved.ok());
    QVERIFY2(resolved.error().contains(message), qPrintable(resolved.error()));
}

QTEST_GUILESS_MAIN(TestFolders)
#include "tst_folders.moc"
