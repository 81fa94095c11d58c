#include "cli/CommandArguments.h"

#include <algorithm>

namespace quillmere::cli {

std::optional<QString> CommandArguments::value(const char* option) const
{
    // A multi-map finds the value inserted last first.
    const auto found = values.constFind(QLatin1String(option));
    return found == values.constEnd() ? std::nullopt : std::optional<QString>(*found);
}

QStringList CommandArguments::all(const char* option) const
{
    QStringList list = values.values(QLatin1String(option));
    std::reverse(list.begin(), list.end());
    return list;
}

std::optional<AppFolder> CommandArguments::appFolder() const
{
    const std::optional<QString> dir = value("--app-folder");
    if (!dir || dir->isEmpty())
        return std::nullopt;
    return AppFolder(*dir);
}

CommandArguments parseCommandArguments(const QStringList& args, const QStringList& valueOptions,
                                       const QStringList& flagOptions)
{
    CommandArguments parsed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString option = args[i];
        if (!option.startsWith(QLatin1String("--")) || option == QLatin1String("--")) {
            parsed.positional.append(option);
            continue;
        }
        std::optional<QString> inlineValue;
        if (const qsizetype equals = option.indexOf(QLatin1Char('=')); equals > 0) {
            inlineValue = option.mid(equals + 1);
            option.truncate(equals);
        }
        if (flagOptions.contains(option) && !inlineValue) {
            parsed.flags.append(option);
        } else if (valueOptions.contains(option)) {
            if (inlineValue) {
                parsed.values.insert(option, *inlineValue);
            } else if (i + 1 < args.size()) {
                parsed.values.insert(option, args[++i]);
            } else {
                parsed.error = QStringLiteral("%1 needs a value").arg(option);
                return parsed;
            }
        } else {
            parsed.error = QStringLiteral("unknown argument '%1'").arg(args[i]);
            return parsed;
        }
    }
    return parsed;
}

std::optional<CommandArguments> readFolderCommand(const QString& name, const QStringList& args,
                                                  QStringList valueOptions, const QStringList& flagOptions,
                                                  CommandIo& io, CommandWords words)
{
    valueOptions.prepend(QStringLiteral("--app-folder"));
    CommandArguments parsed = parseCommandArguments(args, valueOptions, flagOptions);
    if (parsed.error) {
        usageError(io, QStringLiteral("%1: %2").arg(name, *parsed.error));
        return std::nullopt;
    }
    if (words == CommandWords::None && !parsed.positional.isEmpty()) {
        usageError(io, QStringLiteral("%1: unknown argument '%2'").arg(name, parsed.positional.first()));
        return std::nullopt;
    }
    if (!parsed.appFolder()) {
        usageError(io, QStringLiteral("%1 needs --app-folder DIR").arg(name));
        return std::nullopt;
    }
    return parsed;
}

int commandFailure(CommandIo& io, const QString& message)
{
    io.err << message << '\n';
    return kExitFailure;
}

} // namespace quillmere::cli
