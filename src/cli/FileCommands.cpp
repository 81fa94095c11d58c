#include "cli/Command.h"
#include "cli/CommandArguments.h"
#include "cli/HandoutOutput.h"
#include "cli/JournalCommands.h"
#include "cli/JsonOutput.h"
#include "engine/ReadingClock.h"
#include "engine/TextRenderers.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"
#include "storage/SavedReadingText.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <optional>

namespace quillmere::cli {

namespace {

// "MONTH DAY, YEAR" as the details screen's lists give it: a full month name of the system locale (or the
// English one), a day 1 to 31 and a year 1900 to 2050.
std::optional<ProfileDetails> parseBirthDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\S+) (\\d{1,2}), (\\d{4})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const int day = match.captured(2).toInt();
    const int year = match.captured(3).toInt();
    if (day < 1 || day > 31 || year < 1900 || year > 2050)
        return std::nullopt;
    for (const QLocale& locale : {QLocale::system(), QLocale::c()}) {
        for (int month = 1; month <= 12; ++month) {
            const QString name = locale.monthName(month, QLocale::LongFormat);
            if (name.compare(match.captured(1), Qt::CaseInsensitive) == 0)
                return ProfileDetails{QString(), name, QString::number(day), QString::number(year)};
        }
    }
    return std::nullopt;
}

int runProfile(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(
        QStringLiteral("profile"), args, {QStringLiteral("--name"), QStringLiteral("--dob")}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    const ProfileStore store(*folder);
    const QString action = parsed.positional.value(0);

    if (action == QLatin1String("list")) {
        if (parsed.positional.size() != 1 || parsed.values.size() != 1)
            return usageError(io, QStringLiteral("profile list takes only --app-folder DIR"));
        const StorageValue<QStringList> names = store.list();
        if (!names)
            return commandFailure(io, names.error());
        for (const QString& name : *names)
            io.out << name << '\n';
        return kExitSuccess;
    }
    if (action == QLatin1String("add")) {
        if (parsed.positional.size() != 2)
            return usageError(io, QStringLiteral("profile add needs one PROFILE name"));
        const QString firstMonth = QLocale::system().monthName(1, QLocale::LongFormat);
        std::optional<ProfileDetails> details
            = ProfileDetails{QString(), firstMonth, QStringLiteral("1"), QStringLiteral("1980")};
        if (const std::optional<QString> dob = parsed.value("--dob")) {
            details = parseBirthDate(*dob);
            if (!details)
                return usageError(io,
                                  QStringLiteral("--dob must be \"MONTH DAY, YEAR\" with a full month name, a "
                                                 "day 1 to 31 and a year 1900 to 2050, not '%1'")
                                      .arg(*dob));
        }
        details->personName = parsed.value("--name").value_or(QString());
        const ProfileCreation created = store.create(NewProfile{parsed.positional[1], *details});
        if (!created.ok())
            return commandFailure(io, created.error);
        io.out << created.profileName << '\n';
        return kExitSuccess;
    }
    // The journal's changes of a profile.
    if (action == QLatin1String("rename"))
        return runProfileRename(*folder, parsed.positional.mid(1), io);
    if (action == QLatin1String("delete"))
        return runProfileDelete(*folder, parsed.positional.mid(1), io);
    if (action == QLatin1String("edit")) {
        std::optional<ProfileDetails> birthDate;
        if (const std::optional<QString> dob = parsed.value("--dob")) {
            birthDate = parseBirthDate(*dob);
            if (!birthDate)
                return usageError(io,
                                  QStringLiteral("--dob must be \"MONTH DAY, YEAR\" with a full month name, a "
                                                 "day 1 to 31 and a year 1900 to 2050, not '%1'")
                                      .arg(*dob));
        }
        return runProfileEdit(*folder, parsed.positional.mid(1), parsed.value("--name"), birthDate, io);
    }
    return usageError(io, QStringLiteral("profile needs add, list, rename, edit or delete"));
}

int runSave(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(
        QStringLiteral("save"), args, {QStringLiteral("--profile"), QStringLiteral("--description")},
        {QStringLiteral("--misc")}, io, CommandWords::None);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (parsed.has("--misc") && parsed.value("--profile"))
        return usageError(io, QStringLiteral("save takes --profile PROFILE or --misc, not both"));

    std::optional<FilingTarget> target;
    if (parsed.has("--misc"))
        target = FilingTarget::miscellaneous();
    else if (const std::optional<QString> profile = parsed.value("--profile"))
        target = FilingTarget::profile(*profile);
    const QString description = parsed.value("--description").value_or(QString());
    if (const StorageResult checked = checkSaveRequest(target, description); !checked)
        return commandFailure(io, checked.error());

    const SystemReadingClock clock;
    const StorageValue<QString> saved = fileTempReading(*folder, *target, description, clock);
    if (!saved)
        return commandFailure(io, saved.error());
    io.out << QDir::toNativeSeparators(*saved) << '\n';
    return kExitSuccess;
}

int runReadings(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(QStringLiteral("readings"), args, {}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (parsed.positional.size() != 1)
        return usageError(io, QStringLiteral("readings needs one PROFILE (or misc)"));
    const StorageValue<QList<SavedReadingEntry>> entries = listSavedReadings(*folder, parsed.positional.first());
    if (!entries)
        return commandFailure(io, entries.error());
    for (const SavedReadingEntry& entry : *entries)
        io.out << oneLine(entry.fileEntry) << '\t' << oneLine(entry.displayLine) << '\n';
    return kExitSuccess;
}

QByteArray savedReadingJson(const ReadingRecord& record, const StyledText& text)
{
    QJsonObject object;
    object.insert(QStringLiteral("spread"), record.spreadName);
    object.insert(QStringLiteral("cards"), jsonNumbers(record.cardList().values()));
    object.insert(QStringLiteral("flags"), jsonNumbers(record.flagList().values()));
    object.insert(QStringLiteral("descriptions"), QJsonArray::fromStringList(record.descriptions));
    object.insert(QStringLiteral("name"), record.querentName);
    object.insert(QStringLiteral("dob"), record.birthDate);
    object.insert(QStringLiteral("question"), record.question);
    object.insert(QStringLiteral("date"), record.date);
    object.insert(QStringLiteral("time"), record.time);
    insertTextAndRuns(object, text);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

int runShow(const QStringList& args, CommandIo& io)
{
    const CommandArguments parsed = parseCommandArguments(args,
                                                          {QStringLiteral("--app-folder"), QStringLiteral("--format"),
                                                           QStringLiteral("--output"), QStringLiteral("--deck")},
                                                          {QStringLiteral("--pictures")});
    if (parsed.error)
        return usageError(io, QStringLiteral("show: %1").arg(*parsed.error));
    if (parsed.positional.size() != 1)
        return usageError(io, QStringLiteral("show needs one FILE"));
    const QString format = parsed.value("--format").value_or(QStringLiteral("text"));
    const QStringList formats = {QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("html"),
                                 QStringLiteral("ansi"), QStringLiteral("pdf")};
    if (!formats.contains(format))
        return usageError(io, QStringLiteral("--format must be text, json, html, ansi or pdf, not '%1'").arg(format));
    if (parsed.has("--pictures") && format != QLatin1String("html"))
        return usageError(io, QStringLiteral("--pictures goes with --format html"));
    const OutputTarget target{parsed.value("--output").value_or(QString()), parsed.value("--deck").value_or(QString()),
                              parsed.appFolder()};
    if (const std::optional<QString> problem = checkOutputTarget(target))
        return usageError(io, *problem);
    if (format == QLatin1String("pdf") && target.outputPath.isEmpty())
        return usageError(io, QStringLiteral("--format pdf needs --output FILE"));

    QString path = parsed.positional.first();
    if (target.appFolder && QDir::isRelativePath(path))
        path = target.appFolder->path(path);
    const StorageValue<ReadingRecord> record = readRecordFile(path);
    if (!record)
        return commandFailure(io, record.error());
    const StyledText text = showSavedReading(*record);
    if (format == QLatin1String("pdf"))
        return writePdfOutput(handoutOfRecord(*record, text), target, io);
    if (format == QLatin1String("html") && parsed.has("--pictures"))
        return writePicturePageOutput(handoutOfRecord(*record, text), target, io);
    if (format == QLatin1String("json"))
        return writeTextOutput(QString::fromUtf8(savedReadingJson(*record, text)), target, io);
    if (format == QLatin1String("html"))
        return writeTextOutput(renderHtml(text, true), target, io);
    if (format == QLatin1String("ansi"))
        return writeTextOutput(renderAnsi(text) + QLatin1Char('\n'), target, io);
    return writeTextOutput(renderPlainText(text), target, io);
}

} // namespace

QList<Command> fileCommands()
{
    return {
        {"profile",
         "  profile add PROFILE --name TEXT [--dob \"MONTH DAY, YEAR\"] --app-folder DIR\n"
         "                            creates a profile as the save-profile panel does: the folder, the\n"
         "                            details file and the store line; prints the profile name. --dob takes a\n"
         "                            full month name, a day 1-31 and a year 1900-2050 (default: the first\n"
         "                            month, 1, 1980). A refusal (empty or unsafe name, a name that exists in\n"
         "                            any letter case) is printed on stderr with exit 1\n"
         "  profile list --app-folder DIR\n"
         "                            one profile name per line, in store order (\"pic\" and \"cards\" skipped)\n"
         "  profile rename OLD NEW --app-folder DIR\n"
         "                            renames the profile's folder, details file and store line (all or none);\n"
         "                            a NEW name is refused with the words of profile add; prints NEW\n"
         "  profile edit PROFILE [--name TEXT] [--dob \"MONTH DAY, YEAR\"] --app-folder DIR\n"
         "                            rewrites the person's name and date of birth in the details file\n"
         "  profile delete PROFILE --app-folder DIR\n"
         "                            moves the profile's folder with its readings to the trash and takes its\n"
         "                            store line out; prints where it went and its ENTRY (see restore)",
         runProfile},
        {"save",
         "  save (--profile PROFILE | --misc) --description TEXT --app-folder DIR\n"
         "                            files DIR/temp (the last reading, see cast --app-folder) as the save\n"
         "                            dialog does, under the profile or under Miscellaneous; prints the\n"
         "                            saved file's path. The dialog's refusals (\"Please select an option.\",\n"
         "                            \"Please select profile to save.\", \"Please enter description.\") and\n"
         "                            failures are printed on stderr with exit 1",
         runSave},
        {"readings",
         "  readings (PROFILE | misc) --app-folder DIR\n"
         "                            one line per saved reading of the profile (or of Miscellaneous),\n"
         "                            FILEENTRY<TAB>DISPLAYLINE: the file name and its descriptions, then the\n"
         "                            date, time and descriptions, each part after five blanks; a line break\n"
         "                            or tab inside a description is printed as one blank",
         runReadings},
        {"show",
         "  show FILE [--format text|json|html|ansi|pdf] [--pictures] [--output OUT] [--deck DECKDIR]\n"
         "       [--app-folder DIR]\n"
         "                            the text of a saved reading as the program shows it when reopened\n"
         "                            (a relative FILE is taken inside DIR when --app-folder is given).\n"
         "                            json: {\"spread\", \"cards\", \"flags\", \"descriptions\" (all, in\n"
         "                            order), \"name\", \"dob\", \"question\", \"date\", \"time\", \"text\",\n"
         "                            \"runs\"} as for cast. pdf and --pictures as for cast. A missing,\n"
         "                            unreadable or foreign file is reported on stderr with exit 1",
         runShow},
    };
}

} // namespace quillmere::cli
