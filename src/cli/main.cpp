#include "cli/Command.h"
#include "cli/HandoutOutput.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace quillmere::cli;

namespace {

QList<Command> allCommands()
{
    QList<Command> commands;
    commands += contentCommands();
    commands += castCommands();
    commands += fileCommands();
    commands += journalCommands();
    return commands;
}

void printHelp(QTextStream& out)
{
    out << "usage: quillmere-cli COMMAND [ARGUMENTS]\n"
           "       quillmere-cli --help | --version\n"
           "\n"
           "The command-line reader of Quillmere. Exit status: 0 success, 1 failure, 2 bad usage.\n"
           "Errors are written to standard error.\n"
           "\n"
           "Commands:\n";
    for (const Command& command : allCommands())
        out << command.help << '\n';
}

// Output that did not reach its file (a full disk, /dev/full, a closed pipe) makes the command fail, whatever
// else it did: a script must never take an empty or cut file for the result.
int checkedOutput(int exitCode, QTextStream& out, QTextStream& err)
{
    errno = 0;
    out.flush();
    int error = errno;
    const bool flushed = std::fflush(stdout) == 0;
    if (error == 0)
        error = errno;
    if (flushed && out.status() == QTextStream::Ok && !std::ferror(stdout))
        return exitCode;
    const QString reason = error != 0 ? QString::fromLocal8Bit(std::strerror(error)) : QStringLiteral("write error");
    err << "quillmere-cli: the output could not be written: " << reason << '\n';
    return kExitFailure;
}

} // namespace

int quillmere::cli::usageError(CommandIo& io, const QString& message)
{
    io.err << "quillmere-cli: " << message << "\nTry 'quillmere-cli --help'.\n";
    return kExitUsage;
}

namespace {
int run(const QStringList& args, CommandIo& io);
}

int main(int argc, char** argv)
{
    QStringList rawArgs;
    for (int i = 1; i < argc; ++i)
        rawArgs.append(QString::fromLocal8Bit(argv[i]));
    // Pages and pictures need Qt Gui's fonts and painting, never a display: only those formats start it, on the
    // platform that draws into memory.
    std::unique_ptr<QCoreApplication> application;
    if (needsGuiApplication(rawArgs)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Texts keep their CRLF line ends in files and pipes; a terminal gets plain LF.
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    QString terminalText;
    QTextStream out(stdout);
    if (terminal)
        out.setString(&terminalText);
    QTextStream err(stderr);
    CommandIo io{out, err};
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int status = run(args, io);
    if (terminal) {
        out.flush();
        QTextStream screen(stdout);
        screen << terminalText.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    }
    return status;
}

namespace {

int run(const QStringList& args, CommandIo& io)
{
    QTextStream& out = io.out;
    if (args.isEmpty())
        return usageError(io, QStringLiteral("missing command"));
    if (args.first() == QLatin1String("--version")) {
        out << "quillmere-cli " << QUILLMERE_VERSION << '\n';
        return kExitSuccess;
    }
    if (args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")
        || args.first() == QLatin1String("help")) {
        printHelp(out);
        return checkedOutput(kExitSuccess, io.out, io.err);
    }
    for (const Command& command : allCommands()) {
        if (args.first() == QLatin1String(command.name))
            return checkedOutput(command.run(args.mid(1), io), io.out, io.err);
    }
    return usageError(io, QStringLiteral("unknown command '%1'").arg(args.first()));
}

} // namespace
