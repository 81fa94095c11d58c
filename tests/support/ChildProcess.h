#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace quillmere::testing {

// Makes writes past `bytes` fail with EFBIG in this process, as on a full disk, instead of killing it. For a
// child process, which ends with its limit.
inline void limitFileSizeHere(rlim_t bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    setrlimit(RLIMIT_FSIZE, &limit);
}

// The same as a change a child process makes before it starts.
inline std::function<void()> fileSizeLimit(rlim_t bytes)
{
    return [bytes] { limitFileSizeHere(bytes); };
}

// The same limit in the test's own process while it lives; the old limit and signal handling come back after.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, m_before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
};

// How a program run ended: its exit code (-1 when it did not end normally or in time) and what it wrote.
struct ProgramRun
{
    int exitCode = -1;
    QByteArray out;
    QString err;
};

// Runs a program to its end, with a change made in the child before it starts (a file-size limit, another user).
inline ProgramRun runProgram(const QString& program, const QStringList& args, const std::function<void()>& inChild = {},
                             int timeoutMs = 60000)
{
    QProcess process;
    if (inChild)
        process.setChildProcessModifier(inChild);
    process.start(program, args);
    ProgramRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    if (process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace quillmere::testing
