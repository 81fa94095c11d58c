#pragma once

#include "cli/Command.h"
#include "storage/AppFolder.h"

#include <QMultiMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace quillmere::cli {

// The arguments of one command after its name: positional words, the values of its --options (an option may
// repeat) and the flags it was given, or the usage error that stopped the reading of them.
struct CommandArguments
{
    QStringList positional;
    QMultiMap<QString, QString> values;
    QStringList flags;
    std::optional<QString> error;

    // The value given last for the option.
    std::optional<QString> value(const char* option) const;
    // Every value of the option, in the order given.
    QStringList all(const char* option) const;
    bool has(const char* flag) const { return flags.contains(QLatin1String(flag)); }
    // The folder of --app-folder; nothing when it is not given or empty.
    std::optional<AppFolder> appFolder() const;
};

// Splits the arguments: --option VALUE and --option=VALUE for the value options, bare --flags for the flags,
// everything else (and a lone "--") positional. An unknown option or a missing value is an error.
CommandArguments parseCommandArguments(const QStringList& args, const QStringList& valueOptions,
                                       const QStringList& flagOptions);

// Whether a command takes words besides its options.
enum class CommandWords { Taken, None };

// The arguments of the named command that works in the folder of --app-folder, which this adds to the value
// options. Nothing, after writing the usage error, when they cannot be read, give a word the command takes none
// of, or give no folder; otherwise appFolder() holds the folder.
std::optional<CommandArguments> readFolderCommand(const QString& name, const QStringList& args,
                                                  QStringList valueOptions, const QStringList& flagOptions,
                                                  CommandIo& io, CommandWords words = CommandWords::Taken);

// A failure of the command's work: the message on stderr and exit code 1.
int commandFailure(CommandIo& io, const QString& message);

} // namespace quillmere::cli
