#include "ChildProcess.h"
#include "FileHelpers.h"
#include "storage/FileAccess.h"
#include "storage/Leftovers.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillmere;

namespace {

const QDateTime kMoment(QDate(2025, 12, 8), QTime(15, 34, 5));

struct Run
{
    int exitCode = -1; // -1: did not end normally or in time
    QString out;
    QString err;
};

// Runs quillmere-cli with a change made in the child before it starts (a file-size limit, another user).
Run runCliAs(const QStringList& args, const std::function<void()>& inChild = {}, int timeoutMs = 15000)
{
    const testing::ProgramRun run = testing::runProgram(QStringLiteral(QUILLMERE_CLI_PATH), args, inChild, timeoutMs);
    return {run.exitCode, QString::fromUtf8(run.out), run.err};
}

using testing::fileSizeLimit;

// The unprivileged user, for whom a folder of root's is read-only.
std::function<void()> asNobody()
{
    return [] {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(99);
    };
}

// Every file and folder under root with its bytes, to show that nothing changed.
QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDir dir(root);
    for (const QString& name : entriesOf(root)) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) {
            const QMap<QString, QByteArray> inner = snapshot(path);
            files.insert(name + QLatin1Char('/'), QByteArray());
            for (auto it = inner.begin(); it != inner.end(); ++it)
                files.insert(name + QLatin1Char('/') + it.key(), it.value());
        } else {
            files.insert(name, fileBytes(path));
        }
    }
    return files;
}

// A profile's details with the date lists' defaults.
ProfileDetails person(const QString& name)
{
    return ProfileDetails{name, QStringLiteral("January"), QStringLiteral("1"), QStringLiteral("1980")};
}

} // namespace

// Every writing command meets real failures (a file-size limit, a read-only folder, a full disk, links, FIFOs,
// other processes writing at the same time) and either succeeds whole or fails in words, changing nothing.
class TestWriteFailures : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString root() const { return m_dir->path(); }
    QString path(const QString& relative) const { return root() + QLatin1Char('/') + relative; }
    QStringList withFolder(QStringList args) const { return args << QStringLiteral("--app-folder") << root(); }

    Run addProfile(const QString& name, const QString& person = QStringLiteral("Jane Roe"),
                   const std::function<void()>& inChild = {}) const
    {
        return runCliAs(
            withFolder({QStringLiteral("profile"), QStringLiteral("add"), name, QStringLiteral("--name"), person}),
            inChild);
    }
    Run cast(const QString& question = QString(), const std::function<void()>& inChild = {}) const
    {
        return runCliAs(
            withFolder({QStringLiteral("cast"), QStringLiteral("--spread"), QStringLiteral("Celtic Cross"),
                        QStringLiteral("--seed"), QStringLiteral("3"), QStringLiteral("--question"), question}),
            inChild);
    }
    Run save(const QString& profile, const std::function<void()>& inChild = {},
             const QString& description = QStringLiteral("weekly")) const
    {
        QStringList args{QStringLiteral("save"), QStringLiteral("--description"), description};
        if (profile.isEmpty())
            args << QStringLiteral("--misc");
        else
            args << QStringLiteral("--profile") << profile;
        return runCliAs(withFolder(args), inChild);
    }

    // Jane with a saved reading, and the temporary record of another reading.
    void prepareFolder()
    {
        QCOMPARE(addProfile(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast(QStringLiteral("first")).exitCode, 0);
        QCOMPARE(save(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast(QStringLiteral("second")).exitCode, 0);
    }

    // What a user sees of the folder still works: every profile listed, every reading opens.
    void verifyFolderReads(const QStringList& profiles)
    {
        const Run listed = runCliAs(withFolder({QStringLiteral("profile"), QStringLiteral("list")}));
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out, profiles.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        for (const QString& profile : profiles) {
            for (const QString& name : QDir(path(profile)).entryList(QDir::Files)) {
                if (name == profile)
                    continue;
                const Run shown = runCliAs(withFolder({QStringLiteral("show"), profile + QLatin1Char('/') + name}));
                QVERIFY2(shown.exitCode == 0, qPrintable(shown.err));
            }
        }
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        // Readable by the unprivileged user the read-only cases run as.
        QVERIFY(QFile::setPermissions(root(),
                                      QFile::permissions(root()) | QFileDevice::ReadOther | QFileDevice::ExeOther
                                          | QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    }

    void theWriterKeepsTheOldFileWhenAWriteFails()
    {
        const QString file = path(QStringLiteral("file"));
        writeFile(file, "old content");
        // In a child, so the limit binds only there.
        const pid_t child = fork();
        if (child == 0) {
            fileSizeLimit(100)();
            const StorageResult written = writeWholeFile(file, QByteArray(5000, 'n'));
            _exit(!written.ok() && written.cause() == StorageCause::NoSpace
                          && written.error().contains(QLatin1String("Could not write"))
                      ? 0
                      : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status));
        QCOMPARE(WEXITSTATUS(status), 0);
        QCOMPARE(fileBytes(file), QByteArray("old content"));
        QCOMPARE(entriesOf(root()), QStringList{QStringLiteral("file")});
    }

    // Each writing command with a file-size limit that its write passes: exit 1, a message, nothing changed.
    void everyWritingCommandFailsWholeUnderAFileSizeLimit_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("words");
        QTest::newRow("profile add: the details file fails")
            << QStringLiteral("add-details") << QStringLiteral("Could not write");
        QTest::newRow("profile add: the store fails")
            << QStringLiteral("add-store") << QStringLiteral("Could not write");
        QTest::newRow("cast: the temporary record fails")
            << QStringLiteral("cast") << QStringLiteral("The reading could not be kept on disk");
        QTest::newRow("save: the saved copy fails") << QStringLiteral("save") << QStringLiteral("could not be saved");
    }
    void everyWritingCommandFailsWholeUnderAFileSizeLimit()
    {
        QFETCH(QString, command);
        QFETCH(QString, words);
        prepareFolder();
        const QString longText(3000, QLatin1Char('x'));
        if (command == QLatin1String("add-store")) {
            QByteArray store = fileBytes(path(QStringLiteral("vt.dll")));
            for (int i = 0; i < 200; ++i)
                store += "Profile number " + QByteArray::number(i) + "\r\n";
            writeFile(path(QStringLiteral("vt.dll")), store);
        }
        if (command == QLatin1String("save"))
            QCOMPARE(cast(longText).exitCode, 0);
        const QMap<QString, QByteArray> before = snapshot(root());

        const std::function<void()> limit = fileSizeLimit(2000);
        Run run;
        if (command == QLatin1String("add-details"))
            run = addProfile(QStringLiteral("Ann"), longText, limit);
        else if (command == QLatin1String("add-store"))
            run = addProfile(QStringLiteral("Ann"), QStringLiteral("Ann"), limit);
        else if (command == QLatin1String("cast"))
            run = cast(longText, limit);
        else
            run = save(QStringLiteral("Jane"), limit);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(words), qPrintable(run.err));
        if (command == QLatin1String("cast")) {
            // The older reading's record is gone rather than saved in this one's place.
            QVERIFY(!QFileInfo::exists(path(QStringLiteral("temp"))));
            QMap<QString, QByteArray> withoutTemp = before;
            withoutTemp.remove(QStringLiteral("temp"));
            QCOMPARE(snapshot(root()), withoutTemp);
            QCOMPARE(save(QStringLiteral("Jane")).exitCode, 1);
        } else {
            QCOMPARE(snapshot(root()), before);
        }
    }

    // The second step of a filing (the temporary record) failing takes the first (the copy) back.
    void aFilingWhoseTemporaryRecordCannotBeWrittenLeavesNoCopy()
    {
        prepareFolder();
        const QString outside = path(QStringLiteral("outside-record"));
        QVERIFY(QFile::rename(path(QStringLiteral("temp")), outside));
        QVERIFY(QFile::link(outside, path(QStringLiteral("temp"))));
        const QMap<QString, QByteArray> before = snapshot(root());
        const Run run = save(QStringLiteral("Jane"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("link")), qPrintable(run.err));
        QCOMPARE(snapshot(root()), before);
    }

    void aReadOnlyFolderChangesNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("profile add") << QStringLiteral("add");
        QTest::newRow("cast") << QStringLiteral("cast");
        QTest::newRow("save") << QStringLiteral("save");
        QTest::newRow("save under misc") << QStringLiteral("misc");
    }
    void aReadOnlyFolderChangesNothing()
    {
        QFETCH(QString, command);
        prepareFolder();
        std::function<void()> user;
        if (geteuid() == 0) {
            user = asNobody();
        } else {
            for (const QString& folder : {root(), path(QStringLiteral("Jane"))})
                QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        }
        const QMap<QString, QByteArray> before = snapshot(root());
        Run run;
        if (command == QLatin1String("add"))
            run = addProfile(QStringLiteral("Ann"), QStringLiteral("Ann"), user);
        else if (command == QLatin1String("cast"))
            run = cast(QStringLiteral("third"), user);
        else
            run = save(command == QLatin1String("misc") ? QString() : QStringLiteral("Jane"), user);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(!run.err.isEmpty(), "a failure says why");
        if (geteuid() != 0) {
            for (const QString& folder : {root(), path(QStringLiteral("Jane"))})
                QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
        QCOMPARE(snapshot(root()), before);
    }

    // As root: a real full disk. The store keeps every profile and every saved reading still opens.
    void aFullDiskLosesNothing()
    {
        if (geteuid() != 0)
            QSKIP("a small tmpfs needs root");
        if (::mount("tmpfs", QFile::encodeName(root()).constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
            QSKIP("tmpfs could not be mounted here");
        const auto unmount = qScopeGuard([this] { ::umount(QFile::encodeName(root()).constData()); });
        prepareFolder();
        QCOMPARE(addProfile(QStringLiteral("Bob")).exitCode, 0);
        // Fill the disk page by page.
        for (int i = 0;; ++i) {
            QFile pad(path(QStringLiteral("pad%1").arg(i)));
            QVERIFY(pad.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            if (pad.write(QByteArray(4096, 'p')) != 4096) {
                pad.close();
                pad.remove();
                break;
            }
        }
        const QMap<QString, QByteArray> before = snapshot(root());
        QCOMPARE(addProfile(QStringLiteral("Doe, Jane")).exitCode, 1);
        QCOMPARE(save(QStringLiteral("Jane")).exitCode, 1);
        QCOMPARE(save(QString()).exitCode, 1);
        QCOMPARE(snapshot(root()), before);
        const Run castRun = cast(QStringLiteral("fourth"));
        QCOMPARE(castRun.exitCode, 1);
        QVERIFY2(castRun.err.contains(QLatin1String("free some space")), qPrintable(castRun.err));
        verifyFolderReads({QStringLiteral("Jane"), QStringLiteral("Bob")});
    }

    void concurrentWritersKeepEveryChange()
    {
        QCOMPARE(addProfile(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast().exitCode, 0);
        for (const QString& command : {QStringLiteral("save"), QStringLiteral("add")}) {
            std::vector<std::unique_ptr<QProcess>> processes;
            for (int i = 0; i < 4; ++i) {
                auto process = std::make_unique<QProcess>();
                const QString name = QStringLiteral("P%1").arg(i);
                process->start(QStringLiteral(QUILLMERE_CLI_PATH),
                               command == QLatin1String("save")
                                   ? withFolder({QStringLiteral("save"), QStringLiteral("--profile"),
                                                 QStringLiteral("Jane"), QStringLiteral("--description"), name})
                                   : withFolder({QStringLiteral("profile"), QStringLiteral("add"), name,
                                                 QStringLiteral("--name"), name}));
                processes.push_back(std::move(process));
            }
            QStringList printed;
            for (const auto& process : processes) {
                QVERIFY(process->waitForFinished(30000));
                QCOMPARE(process->exitCode(), 0);
                printed << QString::fromUtf8(process->readAllStandardOutput()).trimmed();
            }
            printed.removeDuplicates();
            QCOMPARE(printed.size(), 4);
        }
        QStringList readings = QDir(path(QStringLiteral("Jane"))).entryList(QDir::Files);
        readings.removeAll(QStringLiteral("Jane"));
        QCOMPARE(readings.size(), 4);
        const StorageValue<ReadingRecord> temp = readRecordFile(path(QStringLiteral("temp")));
        QVERIFY(temp.ok());
        QCOMPARE(temp->descriptions.size(), 4);
        const StorageValue<QStringList> profiles = ProfileStore(AppFolder(root())).list();
        QVERIFY(profiles.ok());
        QCOMPARE(profiles->size(), 5);
    }

    // FIFOs never make a command wait; they are "not a file".
    void specialFilesAreRefusedWithoutWaiting_data()
    {
        QTest::addColumn<QString>("fifo");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("temp: save") << QStringLiteral("temp")
                                    << QStringList{QStringLiteral("save"), QStringLiteral("--misc"),
                                                   QStringLiteral("--description"), QStringLiteral("d")};
        QTest::newRow("store: list") << QStringLiteral("vt.dll")
                                     << QStringList{QStringLiteral("profile"), QStringLiteral("list")};
        QTest::newRow("store: add") << QStringLiteral("vt.dll")
                                    << QStringList{QStringLiteral("profile"), QStringLiteral("add"),
                                                   QStringLiteral("Ann"), QStringLiteral("--name"),
                                                   QStringLiteral("Ann")};
        QTest::newRow("reading: show") << QStringLiteral("Jane/12082025153405")
                                       << QStringList{QStringLiteral("show"), QStringLiteral("Jane/12082025153405")};
    }
    void specialFilesAreRefusedWithoutWaiting()
    {
        QFETCH(QString, fifo);
        QFETCH(QStringList, args);
        QVERIFY(QDir(root()).mkdir(QStringLiteral("Jane")));
        const QString fifoPath = path(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifoPath).constData(), 0644), 0);
        QVERIFY(QFile::link(fifoPath, path(fifo)));
        const Run run = runCliAs(withFolder(args), {}, 10000);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("not a file")), qPrintable(run.err));
        QCOMPARE(resolvedKindAt(fifoPath), EntryKind::Special);
        // The listing skips what is no file, without waiting either.
        const Run listed = runCliAs(withFolder({QStringLiteral("readings"), QStringLiteral("Jane")}), {}, 10000);
        QCOMPARE(listed.exitCode, 0);
        QCOMPARE(listed.out, QString());
    }

    void linksNeverRedirectAWrite()
    {
        QTemporaryDir elsewhere;
        const QString target = elsewhere.filePath(QStringLiteral("precious"));
        writeFile(target, "precious\r\n");
        QVERIFY(QFile::link(target, path(QStringLiteral("temp"))));
        Run run = cast();
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("link")), qPrintable(run.err));
        QVERIFY(QFile::remove(path(QStringLiteral("temp"))));

        QVERIFY(QFile::link(target, path(QStringLiteral("vt.dll"))));
        run = addProfile(QStringLiteral("Ann"));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("link")), qPrintable(run.err));
        QCOMPARE(fileBytes(target), QByteArray("precious\r\n"));
        QCOMPARE(QFileInfo(path(QStringLiteral("vt.dll"))).symLinkTarget(), target);
        QVERIFY(QFile::remove(path(QStringLiteral("vt.dll"))));

        // A dangling link at the next stamp is a taken name, never a file to create.
        QCOMPARE(addProfile(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast().exitCode, 0);
        const QString created = elsewhere.filePath(QStringLiteral("created"));
        const QDateTime now = QDateTime::currentDateTime();
        for (int s = 0; s < 5; ++s)
            QVERIFY(QFile::link(created, path(QStringLiteral("Jane/") + readingStamp(now.addSecs(s)))));
        run = save(QStringLiteral("Jane"));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(!QFileInfo::exists(created));
        QVERIFY(readRecordFile(run.out.trimmed()).ok());
        QVERIFY(!QFileInfo(run.out.trimmed()).isSymLink());
    }

    // A profile folder or misc that is itself a link to a folder is the user's redirect and stays one.
    void aLinkedFolderIsTheUsersRedirect()
    {
        QTemporaryDir elsewhere;
        QVERIFY(QFile::link(elsewhere.path(), path(QStringLiteral("misc"))));
        QCOMPARE(cast().exitCode, 0);
        const Run run = save(QString());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files).size(), 1);
        QVERIFY(QFileInfo(path(QStringLiteral("misc"))).isSymLink());
    }

    void anUnreadableProfileFolderIsAFailure()
    {
        QCOMPARE(addProfile(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast().exitCode, 0);
        QCOMPARE(save(QStringLiteral("Jane")).exitCode, 0);
        std::function<void()> user;
        if (geteuid() == 0)
            user = asNobody();
        QVERIFY(QFile::setPermissions(path(QStringLiteral("Jane")), QFileDevice::WriteOwner | QFileDevice::ExeOwner));
        const Run run = runCliAs(withFolder({QStringLiteral("readings"), QStringLiteral("Jane")}), user);
        QFile::setPermissions(path(QStringLiteral("Jane")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QLatin1String("cannot be read")), qPrintable(run.err));
    }

    void outputThatCannotBeWrittenIsAFailure()
    {
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QUILLMERE_CLI_PATH),
                      {QStringLiteral("cast"), QStringLiteral("--spread"), QStringLiteral("Celtic Cross"),
                       QStringLiteral("--format"), QStringLiteral("html")});
        QVERIFY(process.waitForFinished(15000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(QString::fromUtf8(process.readAllStandardError()).contains(QLatin1String("could not be written")));
    }

    void leftoversOfKilledWritesAreNeverListedAndRemovedWhenOld()
    {
        QCOMPARE(addProfile(QStringLiteral("Jane")).exitCode, 0);
        QCOMPARE(cast().exitCode, 0);
        QCOMPARE(save(QStringLiteral("Jane")).exitCode, 0);
        const QStringList old{QStringLiteral("temp.a1B2c3"), QStringLiteral("vt.dll.x9Y8z7"),
                              QStringLiteral("Jane/12082025153405.Qw3rT5"), QStringLiteral("Jane/Jane.abcdef")};
        for (const QString& name : old) {
            writeFile(path(name), "\"yourdateleft over\"\r\n");
            QFile file(path(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
        }
        writeFile(path(QStringLiteral("Jane/12082025153406.young1")), "\"yourdatestill being written\"\r\n");
        writeFile(path(QStringLiteral("Jane/notes.backup")), "the user's own file");

        const Run listed = runCliAs(withFolder({QStringLiteral("readings"), QStringLiteral("Jane")}));
        QCOMPARE(listed.exitCode, 0);
        QVERIFY(!listed.out.contains(QLatin1String("left over")));
        QVERIFY(!listed.out.contains(QLatin1String("still being")));
        QCOMPARE(listed.out.count(QLatin1Char('\n')), 2); // the reading and the user's own file

        QCOMPARE(removeStaleLeftovers(AppFolder(root()), QDateTime::currentDateTime()), old.size());
        for (const QString& name : old)
            QVERIFY2(!QFileInfo::exists(path(name)), qPrintable(name));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Jane/12082025153406.young1"))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("Jane/notes.backup"))));
        QVERIFY(QFileInfo::exists(path(QStringLiteral("temp"))));
    }

    void storeLinesEndWithCrLfOrCr()
    {
        writeFile(path(QStringLiteral("vt.dll")), "Ann\rBob\rCarl\r\nDora\n");
        const ProfileStore store{AppFolder(root())};
        QCOMPARE(*store.list(),
                 (QStringList{QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Carl"),
                              QStringLiteral("Dora")}));
        const ProfileCreation again = store.create({QStringLiteral("bob"), person(QStringLiteral("Bob"))});
        QCOMPARE(again.refusal, std::optional(ProfileRefusal::AlreadyExists));
    }

    void namesThatLookTheSameAreOneName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("refusal");
        const int exists = int(ProfileRefusal::AlreadyExists);
        const int unsafe = int(ProfileRefusal::UnsafeName);
        QTest::newRow("precomposed after combining") << QStringLiteral("Zo\u00EB") << exists;
        QTest::newRow("other case, precomposed") << QStringLiteral("ZO\u00CB") << exists;
        QTest::newRow("zero-width joiner") << QStringLiteral("Ja\u200Dne") << unsafe;
        QTest::newRow("zero-width space") << QStringLiteral("Ja\u200Bne") << unsafe;
        QTest::newRow("C1 control") << QStringLiteral("Ja\u0085ne") << unsafe;
        QTest::newRow("line separator") << QStringLiteral("Ja\u2028ne") << unsafe;
        QTest::newRow("paragraph separator") << QStringLiteral("Ja\u2029ne") << unsafe;
        QTest::newRow("direction override") << QStringLiteral("Ja\u202Ene") << unsafe;
        QTest::newRow("byte-order mark") << QStringLiteral("\uFEFFJane") << unsafe;
    }
    void namesThatLookTheSameAreOneName()
    {
        QFETCH(QString, name);
        QFETCH(int, refusal);
        const ProfileStore store{AppFolder(root())};
        QVERIFY(store.create({QStringLiteral("Zoe\u0308"), person(QStringLiteral("Zoe"))}).ok());
        const QMap<QString, QByteArray> before = snapshot(root());
        const ProfileCreation created = store.create({name, person(QStringLiteral("Zoe"))});
        QCOMPARE(int(created.refusal.value_or(ProfileRefusal::WriteFailed)), refusal);
        QCOMPARE(snapshot(root()), before);
    }

    void theStoreNeverOutgrowsWhatItsReaderReads()
    {
        QByteArray store;
        while (store.size() < kMaxStoreBytes - 40)
            store += "Profile " + QByteArray::number(store.size()) + "\r\n";
        writeFile(path(QStringLiteral("vt.dll")), store);
        const ProfileStore profiles{AppFolder(root())};
        QVERIFY(profiles.list().ok());
        const ProfileCreation created = profiles.create(
            {QStringLiteral("A name long enough to pass the limit of the store"), person(QStringLiteral("A"))});
        QCOMPARE(created.refusal, std::optional(ProfileRefusal::WriteFailed));
        QVERIFY2(created.error.contains(QLatin1String("full")), qPrintable(created.error));
        QCOMPARE(fileBytes(path(QStringLiteral("vt.dll"))), store);
        QVERIFY(profiles.list().ok());
        QCOMPARE(entriesOf(root()), QStringList{QStringLiteral("vt.dll")});
    }

    // The program's Save never files a reading other than the one on screen.
    void saveFilesOnlyTheReadingOnScreen()
    {
        const AppFolder folder(root());
        QVERIFY(QDir(root()).mkdir(QStringLiteral("misc")));
        const FixedReadingClock clock(kMoment);
        CurrentReading onScreen;
        onScreen.spread = SpreadCatalogue::instance().byKey(u"One Card");
        onScreen.cards = {{12, false}};
        CurrentReading earlier = onScreen;
        earlier.cards = {{40, false}};
        QVERIFY(writeTempReading(folder, earlier, clock).ok());
        const QMap<QString, QByteArray> before = snapshot(root());
        const StorageValue<QString> refused
            = fileTempReading(folder, FilingTarget::miscellaneous(), QStringLiteral("d"), clock, &onScreen);
        QVERIFY(!refused.ok());
        QVERIFY2(refused.error().contains(QLatin1String("another reading")), qPrintable(refused.error()));
        QCOMPARE(snapshot(root()), before);

        QVERIFY(writeTempReading(folder, onScreen, clock).ok());
        const StorageValue<QString> saved
            = fileTempReading(folder, FilingTarget::miscellaneous(), QStringLiteral("d"), clock, &onScreen);
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QCOMPARE(readRecordFile(*saved)->cards.first().index, 12);
    }
};

QTEST_GUILESS_MAIN(TestWriteFailures)
#include "tst_write_failures.moc"
