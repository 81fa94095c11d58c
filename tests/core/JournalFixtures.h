#pragma once

#include "ChildProcess.h"
#include "FileHelpers.h"
#include "storage/AppFolder.h"
#include "storage/RecordFormat.h"

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A saved reading with the given cards ({index, reversed}) and descriptions.
inline quillmere::ReadingRecord savedRecord(const QString& name, const QString& question, const QString& spread,
                                            const QList<quillmere::RecordCard>& cards,
                                            const QStringList& descriptions = {QStringLiteral("A reading")})
{
    quillmere::ReadingRecord record;
    record.querentName = name;
    record.birthDate = QStringLiteral("January 1, 1980");
    record.question = question;
    record.date = QStringLiteral("3/14/2026");
    record.time = QStringLiteral("10:00:00 AM");
    record.spreadName = spread;
    record.cards = cards;
    record.descriptions = descriptions;
    return record;
}

// An application folder with profiles (store line, folder, details file) and readings put in by the test.
struct JournalFolder
{
    QTemporaryDir dir;
    quillmere::AppFolder folder{dir.path()};

    explicit JournalFolder(const QStringList& profiles = {})
    {
        QByteArray store;
        for (const QString& profile : profiles) {
            store += profile.toUtf8() + "\r\n";
            QDir(dir.path()).mkdir(profile);
            writeFile(dir.filePath(profile + QLatin1Char('/') + profile), "\"Person\",\"May\",\"2\",\"1975\"\r\n");
        }
        writeFile(folder.profileStore(), store);
    }
    // Saves a record as folderName/fileName ("misc" created when asked for); returns its path.
    QString save(const QString& folderName, const QString& fileName, const quillmere::ReadingRecord& record) const
    {
        QDir(dir.path()).mkpath(folderName);
        const QString path = dir.filePath(folderName + QLatin1Char('/') + fileName);
        writeFile(path, quillmere::serializeRecord(record));
        return path;
    }
    QString path(const QString& relative) const { return dir.filePath(relative); }
};

// Runs body in a child process in which every write past limitBytes of a file fails (EFBIG, SIGXFSZ ignored), as
// on a full disk; returns the child's exit code (-1 when it did not end normally).
inline int runWithFileSizeLimit(rlim_t limitBytes, const std::function<int()>& body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        quillmere::testing::limitFileSizeHere(limitBytes);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Every file under a folder with its bytes, to see that a failed change left everything as it was.
inline QMap<QString, QByteArray> snapshotOf(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDir dir(root);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const QFileInfo info(dir.filePath(entry));
        if (info.isDir()) {
            files.insert(entry + QLatin1Char('/'), QByteArray());
            const QMap<QString, QByteArray> inner = snapshotOf(info.filePath());
            for (auto it = inner.cbegin(); it != inner.cend(); ++it)
                files.insert(entry + QLatin1Char('/') + it.key(), it.value());
        } else {
            files.insert(entry, fileBytes(info.filePath()));
        }
    }
    return files;
}
