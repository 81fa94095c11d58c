#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// What one run of quillmere-cli gave: its exit code (-1 when it did not end normally) and its two outputs.
struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCli(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(QUILLMERE_CLI_PATH), args);
    CliRun result;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}
