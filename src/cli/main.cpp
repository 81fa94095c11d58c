#include "cli/Command.h"

#include <QCoreApplication>
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
    QCoreApplication app(argc, argv);
    // Texts keep their CRLF line ends in files and pipes; a terminal gets plain LF.
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    QString terminalText;
    QTextStream out(stdout);
    if (terminal)
        out.setString(&terminalText);
    QTextStream err(stderr);
    CommandIo io{out, err};
    const QStringList args = app.arguments().mid(1);
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
        return kExitSuccess;
    }
    for (const Command& command : allCommands()) {
        if (args.first() == QLatin1String(command.name))
            return command.run(args.mid(1), io);
    }
    return usageError(io, QStringLiteral("unknown command '%1'").arg(args.first()));
}

} // namespace
