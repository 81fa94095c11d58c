#include "ChildProcess.h"
#include "table/ProgramSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillmere;

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `step` in a child process after `prepare` and returns its exit code (-1: it did not end normally).
int inChild(const std::function<void()>& prepare, const std::function<bool()>& step)
{
    const pid_t child = fork();
    if (child == 0) {
        prepare();
        _exit(step() ? 0 : 1);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

using testing::limitFileSizeHere;

} // namespace

// The settings survive a restart as they were set, and a write that fails leaves the last good file as it was.
class TestSettings : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString path(const QString& relative) const { return m_dir->filePath(relative); }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void valuesSurviveARestart_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::newRow("text") << QVariant(QStringLiteral("classic-1909"));
        QTest::newRow("text with an equals sign and a comma") << QVariant(QStringLiteral("a = b, c; d"));
        QTest::newRow("number") << QVariant(412);
        QTest::newRow("flag") << QVariant(true);
        QTest::newRow("bytes") << QVariant(QByteArray("\x01\x00\xd9\xd0 geometry", 13));
        QTest::newRow("rectangle") << QVariant(QRect(10, 20, 1024, 700));
        QTest::newRow("non-Latin text") << QVariant(QStringLiteral("Zoë — Ἀφροδίτη"));
    }
    void valuesSurviveARestart()
    {
        QFETCH(QVariant, value);
        const QString file = path(QStringLiteral("config/Quillmere/Quillmere.conf"));
        {
            ProgramSettings settings(file);
            settings.setValue(QStringLiteral("group/key"), value);
            settings.setValue(QStringLiteral("other"), QStringLiteral("kept"));
            QVERIFY2(settings.sync(), qPrintable(settings.error()));
        }
        const ProgramSettings restarted(file);
        QVERIFY(restarted.error().isEmpty());
        QVERIFY(restarted.contains(QStringLiteral("group/key")));
        QVariant read = restarted.value(QStringLiteral("group/key"));
        QVERIFY(read.convert(value.metaType()));
        QCOMPARE(read, value);
        QCOMPARE(restarted.value(QStringLiteral("other")).toString(), QStringLiteral("kept"));
    }

    void removingAKeyRemovesWhatLiesBelowIt()
    {
        const QString file = path(QStringLiteral("Quillmere.conf"));
        {
            ProgramSettings settings(file);
            settings.setValue(QStringLiteral("window/geometry"), QByteArray("g"));
            settings.setValue(QStringLiteral("window/readingPanelWidth"), 300);
            settings.setValue(QStringLiteral("windowless"), 1);
            settings.remove(QStringLiteral("window"));
            QVERIFY(!settings.contains(QStringLiteral("window/geometry")));
        }
        // Written when the settings go away, without a sync of their own.
        const ProgramSettings restarted(file);
        QVERIFY(!restarted.contains(QStringLiteral("window/geometry")));
        QVERIFY(!restarted.contains(QStringLiteral("window/readingPanelWidth")));
        QCOMPARE(restarted.value(QStringLiteral("windowless")).toInt(), 1);
    }

    // A file-size limit that the new text passes: QSettings' own writer would leave an empty file here.
    void aWriteThatFailsKeepsTheLastGoodFile()
    {
        const QString file = path(QStringLiteral("Quillmere.conf"));
        {
            ProgramSettings settings(file);
            settings.setValue(QStringLiteral("deck/chosen"), QStringLiteral("classic-1909"));
            QVERIFY(settings.sync());
        }
        const QByteArray good = bytesOf(file);
        QVERIFY(!good.isEmpty());

        const int code = inChild([&] { limitFileSizeHere(good.size() + 8); },
                                 [&] {
                                     ProgramSettings settings(file);
                                     settings.setValue(QStringLiteral("window/geometry"), QByteArray(4000, 'g'));
                                     const bool failed = !settings.sync() && !settings.error().isEmpty();
                                     // The values stay in memory for another try.
                                     return failed && settings.contains(QStringLiteral("window/geometry"));
                                 });
        QCOMPARE(code, 0);
        QCOMPARE(bytesOf(file), good);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("Quillmere.conf")});
        const ProgramSettings restarted(file);
        QCOMPARE(restarted.value(QStringLiteral("deck/chosen")).toString(), QStringLiteral("classic-1909"));
    }

    void aFolderThatCannotBeWrittenIsReported()
    {
        if (geteuid() == 0)
            QSKIP("permissions do not bind root");
        const QString folder = path(QStringLiteral("locked"));
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + QStringLiteral("/Quillmere.conf");
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        ProgramSettings settings(file);
        settings.setValue(QStringLiteral("deck/chosen"), QStringLiteral("classic-1909"));
        QVERIFY(!settings.sync());
        QVERIFY(settings.error().contains(file));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QVERIFY(!QFile::exists(file));
    }

    // A FIFO where the file should be neither hangs the start nor is written through.
    void aSpecialFileIsNeitherReadNorReplaced()
    {
        const QString file = path(QStringLiteral("Quillmere.conf"));
        QCOMPARE(mkfifo(QFile::encodeName(file).constData(), 0600), 0);
        ProgramSettings settings(file);
        QVERIFY(!settings.error().isEmpty());
        settings.setValue(QStringLiteral("deck/chosen"), QStringLiteral("classic-1909"));
        QVERIFY(!settings.sync());
        struct stat info
        { };
        QCOMPARE(lstat(QFile::encodeName(file).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    // A settings file kept as a link (in a dotfiles folder, say) stays a link; its target gets the settings.
    void aLinkedSettingsFileIsWrittenWhereItLeads()
    {
        const QString target = path(QStringLiteral("dotfiles/quillmere.conf"));
        QVERIFY(QDir().mkpath(QFileInfo(target).absolutePath()));
        QFile(target).open(QIODevice::WriteOnly);
        const QString file = path(QStringLiteral("Quillmere.conf"));
        QVERIFY(QFile::link(target, file));
        {
            ProgramSettings settings(file);
            settings.setValue(QStringLiteral("deck/chosen"), QStringLiteral("classic-1909"));
            QVERIFY2(settings.sync(), qPrintable(settings.error()));
        }
        QVERIFY(QFileInfo(file).isSymLink());
        QVERIFY(bytesOf(target).contains("classic-1909"));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
