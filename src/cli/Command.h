#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace quillmere::cli {

// Exit codes of every command.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Where a command writes: its results to out, its errors to err.
struct CommandIo
{
    QTextStream& out;
    QTextStream& err;
};

// One subcommand: its name, its lines of the --help text, and the function that runs it with the arguments
// that follow its name.
struct Command
{
    const char* name;
    const char* help;
    int (*run)(const QStringList& args, CommandIo& io);
};

// A list entry on one output line: each line break (CRLF, CR or LF) and each tab becomes one blank.
inline QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

// A usage error: the message on stderr and exit code 2.
int usageError(CommandIo& io, const QString& message);

// The commands of each group, defined beside their implementation.
QList<Command> contentCommands();
QList<Command> castCommands();
QList<Command> fileCommands();
// The journal: search, statistics, notes, trash and moves.
QList<Command> journalCommands();

} // namespace quillmere::cli
