#include "cli/JournalCommands.h"

#include "cli/CommandArguments.h"
#include "cli/JsonOutput.h"
#include "content/Deck.h"
#include "storage/Journal.h"
#include "storage/JournalChanges.h"
#include "storage/JournalFilter.h"
#include "storage/ReadingNotes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMultiMap>

namespace quillmere::cli {

namespace {

std::optional<QDate> isoDate(const QString& text)
{
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// The scope and period options shared by search and stats; a usage error in words when they do not fit.
std::optional<QString> scopeAndPeriod(const CommandArguments& parsed, const Journal& journal, JournalFilter& filter)
{
    if (parsed.has("--misc") && parsed.value("--profile"))
        return QStringLiteral("takes --profile PROFILE or --misc, not both");
    if (parsed.has("--misc"))
        filter.scope = JournalFilter::Scope::Miscellaneous;
    if (const std::optional<QString> profile = parsed.value("--profile")) {
        filter.scope = JournalFilter::Scope::Profile;
        filter.profile = *profile;
    }
    for (const char* option : {"--from", "--to"}) {
        if (const std::optional<QString> text = parsed.value(option)) {
            const std::optional<QDate> date = isoDate(*text);
            if (!date)
                return QStringLiteral("%1 must be a date YYYY-MM-DD, not '%2'").arg(QLatin1String(option), *text);
            (qstrcmp(option, "--from") == 0 ? filter.from : filter.to) = *date;
        }
    }
    Q_UNUSED(journal);
    return std::nullopt;
}

// A failure (exit 1) when --profile names no profile of the store.
std::optional<QString> unknownProfile(const JournalFilter& filter, const Journal& journal)
{
    if (filter.scope != JournalFilter::Scope::Profile)
        return std::nullopt;
    for (const QString& profile : journal.profiles) {
        if (profile.compare(filter.profile.trimmed(), Qt::CaseInsensitive) == 0)
            return std::nullopt;
    }
    return QStringLiteral("There is no profile named \"%1\".").arg(filter.profile);
}

QJsonObject entryJson(const JournalEntry& entry)
{
    QJsonObject object;
    object.insert(QStringLiteral("file"), QDir::toNativeSeparators(entry.path));
    object.insert(QStringLiteral("profile"), entry.isMiscellaneous() ? QJsonValue() : QJsonValue(entry.profile));
    object.insert(QStringLiteral("date"), entry.record.date);
    object.insert(QStringLiteral("time"), entry.record.time);
    object.insert(QStringLiteral("spread"), entry.record.spreadName);
    object.insert(QStringLiteral("cards"), jsonNumbers(entry.record.cardList().values()));
    object.insert(QStringLiteral("flags"), jsonNumbers(entry.record.flagList().values()));
    object.insert(QStringLiteral("name"), entry.record.querentName);
    object.insert(QStringLiteral("question"), entry.record.question);
    object.insert(QStringLiteral("descriptions"), QJsonArray::fromStringList(entry.descriptions));
    QJsonArray notes;
    for (const ReadingNote& note : entry.notes)
        notes.append(QJsonObject{{QStringLiteral("date"), note.date.toString(Qt::ISODate)},
                                 {QStringLiteral("text"), note.text}});
    object.insert(QStringLiteral("notes"), notes);
    return object;
}

QString cardsText(const ReadingRecord& record)
{
    QStringList names;
    for (const RecordCard& card : record.cards) {
        const QString name = Deck::isValidIndex(card.index) ? Deck::instance().name(card.index) : QStringLiteral("?");
        names.append(card.reversed ? name + QStringLiteral(" (reversed)") : name);
    }
    return names.join(QStringLiteral(", "));
}

int runSearch(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read
        = readFolderCommand(QStringLiteral("search"), args,
                            {QStringLiteral("--text"), QStringLiteral("--card"), QStringLiteral("--reversed-card"),
                             QStringLiteral("--spread"), QStringLiteral("--profile"), QStringLiteral("--from"),
                             QStringLiteral("--to"), QStringLiteral("--format")},
                            {QStringLiteral("--misc")}, io, CommandWords::None);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    const QString format = parsed.value("--format").value_or(QStringLiteral("lines"));
    if (format != QLatin1String("lines") && format != QLatin1String("json"))
        return usageError(io, QStringLiteral("--format must be lines or json, not '%1'").arg(format));
    JournalFilter filter;
    filter.text = parsed.value("--text").value_or(QString());
    filter.spread = parsed.value("--spread").value_or(QString());
    for (const auto& [option, list] :
         {std::pair{"--card", &filter.cards}, std::pair{"--reversed-card", &filter.reversedCards}}) {
        for (const QString& name : parsed.all(option)) {
            const std::optional<int> index = cardOfName(name);
            if (!index)
                return usageError(io,
                                  QStringLiteral("%1: no card is named '%2' (see quillmere-cli cards)")
                                      .arg(QLatin1String(option), name));
            list->append(*index);
        }
    }
    const Journal journal = scanJournal(*folder);
    if (const std::optional<QString> problem = scopeAndPeriod(parsed, journal, filter))
        return usageError(io, QStringLiteral("search %1").arg(*problem));
    if (const std::optional<QString> unknown = unknownProfile(filter, journal))
        return commandFailure(io, *unknown);
    if (!journal.storeProblem.isEmpty())
        io.err << journal.storeProblem << '\n';
    const QList<qsizetype> rows = JournalSearch(journal.readings).matching(filter);
    if (format == QLatin1String("json")) {
        QJsonArray array;
        for (const qsizetype row : rows)
            array.append(entryJson(journal.readings[row]));
        io.out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
        return kExitSuccess;
    }
    for (const qsizetype row : rows) {
        const JournalEntry& entry = journal.readings[row];
        QStringList texts = entry.descriptions;
        for (const ReadingNote& note : entry.notes)
            texts.append(descriptionOfNote(note));
        io.out << QDir::toNativeSeparators(entry.path) << '\t'
               << (entry.isMiscellaneous() ? QStringLiteral("misc") : entry.profile) << '\t' << entry.record.date
               << '\t' << entry.record.time << '\t' << entry.record.spreadName << '\t'
               << oneLine(entry.record.querentName) << '\t' << oneLine(entry.record.question) << '\t'
               << cardsText(entry.record) << '\t' << oneLine(texts.join(QStringLiteral(" | "))) << '\n';
    }
    return kExitSuccess;
}

int runStats(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(
        QStringLiteral("stats"), args,
        {QStringLiteral("--profile"), QStringLiteral("--from"), QStringLiteral("--to"), QStringLiteral("--format")},
        {QStringLiteral("--misc")}, io, CommandWords::None);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    const QString format = parsed.value("--format").value_or(QStringLiteral("text"));
    if (format != QLatin1String("text") && format != QLatin1String("json"))
        return usageError(io, QStringLiteral("--format must be text or json, not '%1'").arg(format));
    JournalFilter filter;
    const Journal journal = scanJournal(*folder);
    if (const std::optional<QString> problem = scopeAndPeriod(parsed, journal, filter))
        return usageError(io, QStringLiteral("stats %1").arg(*problem));
    if (const std::optional<QString> unknown = unknownProfile(filter, journal))
        return commandFailure(io, *unknown);
    const JournalStatistics statistics
        = journalStatistics(journal.readings, JournalSearch(journal.readings).matching(filter));
    if (format == QLatin1String("text")) {
        io.out << statisticsText(statistics);
        return kExitSuccess;
    }
    QJsonArray cards;
    for (const CardTally& tally : statistics.topCards())
        cards.append(QJsonObject{{QStringLiteral("index"), tally.index},
                                 {QStringLiteral("name"), Deck::instance().name(tally.index)},
                                 {QStringLiteral("count"), tally.count},
                                 {QStringLiteral("reversed"), tally.reversed}});
    QJsonObject suits;
    for (const Suit suit : {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands})
        suits.insert(suitName(suit).toLower(), statistics.suits[static_cast<std::size_t>(suit)]);
    QJsonObject spreads;
    for (const auto& [name, count] : statistics.spreads)
        spreads.insert(name, count);
    const QJsonObject object{{QStringLiteral("readings"), statistics.readings},
                             {QStringLiteral("cards"), cards},
                             {QStringLiteral("reversedShare"), statistics.reversedShare()},
                             {QStringLiteral("majorShare"), statistics.majorShare()},
                             {QStringLiteral("suits"), suits},
                             {QStringLiteral("spreads"), spreads}};
    io.out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
    return kExitSuccess;
}

// The reading a FILE argument names, or a failure already reported.
std::optional<ReadingLocation> readingArgument(const AppFolder& folder, const QString& path, CommandIo& io)
{
    const StorageValue<ReadingLocation> location = locateReading(folder, path);
    if (!location) {
        io.err << location.error() << '\n';
        return std::nullopt;
    }
    return *location;
}

QString noteLine(int number, const ReadingNote& note)
{
    return QStringLiteral("%1\t%2\t%3").arg(number).arg(note.date.toString(Qt::ISODate), oneLine(note.text));
}

int runNote(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read
        = readFolderCommand(QStringLiteral("note"), args, {QStringLiteral("--date")}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    const QString action = parsed.positional.value(0);
    const QStringList& words = parsed.positional;
    QDate date = QDate::currentDate();
    if (const std::optional<QString> text = parsed.value("--date")) {
        const std::optional<QDate> given = isoDate(*text);
        if (!given)
            return usageError(io, QStringLiteral("--date must be a date YYYY-MM-DD, not '%1'").arg(*text));
        date = *given;
    }
    const auto number = [&](qsizetype at) {
        bool ok = false;
        const int value = words.value(at).toInt(&ok);
        return ok ? value : -1;
    };
    if (action == QLatin1String("add") && words.size() == 3) {
        const std::optional<ReadingLocation> reading = readingArgument(*folder, words[1], io);
        if (!reading)
            return kExitFailure;
        const ReadingNote note{date, words[2]};
        const StorageValue<int> added = addNote(reading->path, note);
        if (!added)
            return commandFailure(io, added.error());
        io.out << noteLine(*added, note) << '\n';
        return kExitSuccess;
    }
    if (action == QLatin1String("list") && words.size() == 2) {
        const std::optional<ReadingLocation> reading = readingArgument(*folder, words[1], io);
        if (!reading)
            return kExitFailure;
        const StorageValue<QList<ReadingNote>> notes = readNotes(reading->path);
        if (!notes)
            return commandFailure(io, notes.error());
        for (int i = 0; i < notes->size(); ++i)
            io.out << noteLine(i + 1, notes->at(i)) << '\n';
        return kExitSuccess;
    }
    if (action == QLatin1String("edit") && words.size() == 4 && number(2) >= 0) {
        const std::optional<ReadingLocation> reading = readingArgument(*folder, words[1], io);
        if (!reading)
            return kExitFailure;
        const StorageResult edited = editNote(reading->path, number(2), ReadingNote{date, words[3]});
        return edited ? kExitSuccess : commandFailure(io, edited.error());
    }
    if (action == QLatin1String("remove") && words.size() == 3 && number(2) >= 0) {
        const std::optional<ReadingLocation> reading = readingArgument(*folder, words[1], io);
        if (!reading)
            return kExitFailure;
        const StorageResult removed = removeNote(reading->path, number(2));
        return removed ? kExitSuccess : commandFailure(io, removed.error());
    }
    return usageError(io, QStringLiteral("note needs add FILE TEXT, list FILE, edit FILE N TEXT or remove FILE N"));
}

QString trashLine(const TrashEntry& entry)
{
    const QString what = entry.kind == TrashEntry::Kind::Profile
        ? QStringLiteral("profile\t%1").arg(entry.profile)
        : QStringLiteral("reading\t%1/%2")
              .arg(entry.profile.isEmpty() ? QStringLiteral("misc") : entry.profile, entry.fileName);
    return QStringLiteral("%1\t%2\t%3").arg(entry.id, what, entry.deleted.toString(Qt::ISODate));
}

int runDelete(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(QStringLiteral("delete"), args, {}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (parsed.positional.size() != 1)
        return usageError(io, QStringLiteral("delete needs one FILE"));
    const std::optional<ReadingLocation> reading = readingArgument(*folder, parsed.positional[0], io);
    if (!reading)
        return kExitFailure;
    const StorageValue<TrashEntry> trashed = trashReading(*folder, *reading, QDateTime::currentDateTime());
    if (!trashed)
        return commandFailure(io, trashed.error());
    io.out << QDir::toNativeSeparators(trashed->itemPath) << '\t' << trashed->id << '\n';
    return kExitSuccess;
}

int runTrash(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(QStringLiteral("trash"), args, {}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (!parsed.positional.isEmpty())
        return usageError(io, QStringLiteral("trash: unknown argument '%1'").arg(parsed.positional.first()));
    const StorageValue<QList<TrashEntry>> entries = listTrash(*folder);
    if (!entries)
        return commandFailure(io, entries.error());
    for (const TrashEntry& entry : *entries)
        io.out << trashLine(entry) << '\n';
    return kExitSuccess;
}

int runRestore(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(QStringLiteral("restore"), args, {}, {}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (parsed.positional.size() != 1)
        return usageError(io, QStringLiteral("restore needs one ENTRY (as trash lists it)"));
    const StorageValue<QString> restored = restoreFromTrash(*folder, parsed.positional[0]);
    if (!restored)
        return commandFailure(io, restored.error());
    io.out << QDir::toNativeSeparators(*restored) << '\n';
    return kExitSuccess;
}

int runMove(const QStringList& args, CommandIo& io)
{
    const std::optional<CommandArguments> read = readFolderCommand(
        QStringLiteral("move"), args, {QStringLiteral("--profile")}, {QStringLiteral("--misc")}, io);
    if (!read)
        return kExitUsage;
    const CommandArguments& parsed = *read;
    const std::optional<AppFolder> folder = parsed.appFolder();
    if (parsed.positional.size() != 1)
        return usageError(io, QStringLiteral("move needs one FILE"));
    if (parsed.has("--misc") == parsed.value("--profile").has_value())
        return usageError(io, QStringLiteral("move takes --profile PROFILE or --misc"));
    const std::optional<ReadingLocation> reading = readingArgument(*folder, parsed.positional[0], io);
    if (!reading)
        return kExitFailure;
    const FilingTarget target
        = parsed.has("--misc") ? FilingTarget::miscellaneous() : FilingTarget::profile(*parsed.value("--profile"));
    const StorageValue<QString> moved = moveReading(*folder, *reading, target);
    if (!moved)
        return commandFailure(io, moved.error());
    io.out << QDir::toNativeSeparators(*moved) << '\n';
    return kExitSuccess;
}

} // namespace

int runProfileRename(const AppFolder& folder, const QStringList& names, CommandIo& io)
{
    if (names.size() != 2)
        return usageError(io, QStringLiteral("profile rename needs OLD and NEW"));
    const StorageResult renamed = renameProfile(folder, names[0], names[1]);
    if (!renamed)
        return commandFailure(io, renamed.error());
    io.out << names[1].trimmed() << '\n';
    return kExitSuccess;
}

int runProfileEdit(const AppFolder& folder, const QStringList& names, const std::optional<QString>& personName,
                   const std::optional<ProfileDetails>& birthDate, CommandIo& io)
{
    if (names.size() != 1)
        return usageError(io, QStringLiteral("profile edit needs one PROFILE"));
    if (!personName && !birthDate)
        return usageError(io, QStringLiteral("profile edit needs --name or --dob"));
    const ProfileStore store(folder);
    const StorageValue<ProfileDetails> current = store.details(names[0]);
    ProfileDetails details = current ? *current : ProfileDetails{};
    if (personName)
        details.personName = *personName;
    if (birthDate) {
        details.month = birthDate->month;
        details.day = birthDate->day;
        details.year = birthDate->year;
    }
    const StorageResult edited = editProfile(folder, names[0], details);
    return edited ? kExitSuccess : commandFailure(io, edited.error());
}

int runProfileDelete(const AppFolder& folder, const QStringList& names, CommandIo& io)
{
    if (names.size() != 1)
        return usageError(io, QStringLiteral("profile delete needs one PROFILE"));
    const StorageValue<TrashEntry> trashed = trashProfile(folder, names[0], QDateTime::currentDateTime());
    if (!trashed)
        return commandFailure(io, trashed.error());
    io.out << QDir::toNativeSeparators(trashed->itemPath) << '\t' << trashed->id << '\n';
    return kExitSuccess;
}

QList<Command> journalCommands()
{
    return {
        {"search",
         "  search [--text T] [--card NAME]... [--reversed-card NAME]... [--spread NAME]\n"
         "         [--profile PROFILE | --misc] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--format lines|json]\n"
         "         --app-folder DIR\n"
         "                            the saved readings of every profile and of Miscellaneous that match all\n"
         "                            the filters, newest first. --text: every word in the question, name,\n"
         "                            descriptions or notes (any letter case); --card: the card in any\n"
         "                            orientation, --reversed-card: reversed only (names as cards prints them,\n"
         "                            or an index; several = all of them); dates are the days of saving,\n"
         "                            both included. lines: FILE, PROFILE (or misc), DATE, TIME, SPREAD, NAME,\n"
         "                            QUESTION, CARDS, DESCRIPTIONS AND NOTES, separated by tabs. json: an\n"
         "                            array of {\"file\", \"profile\" (null for Miscellaneous), \"date\", \"time\",\n"
         "                            \"spread\", \"cards\", \"flags\", \"name\", \"question\", \"descriptions\",\n"
         "                            \"notes\" ([{\"date\", \"text\"}])}",
         runSearch},
        {"stats",
         "  stats [--profile PROFILE | --misc] [--from YYYY-MM-DD] [--to YYYY-MM-DD] [--format text|json]\n"
         "        --app-folder DIR\n"
         "                            what the cards have said: readings, the ten most frequent cards with how\n"
         "                            often each fell reversed, the reversed and major arcana shares, the suits\n"
         "                            and the spreads. json: {\"readings\", \"cards\": [{\"index\", \"name\",\n"
         "                            \"count\", \"reversed\"}], \"reversedShare\", \"majorShare\" (0 to 1),\n"
         "                            \"suits\": {\"cups\", \"pentacles\", \"swords\", \"wands\"}, \"spreads\"}",
         runStats},
        {"note",
         "  note add FILE TEXT [--date YYYY-MM-DD] --app-folder DIR\n"
         "  note list FILE --app-folder DIR\n"
         "  note edit FILE N TEXT [--date YYYY-MM-DD] --app-folder DIR\n"
         "  note remove FILE N --app-folder DIR\n"
         "                            notes written after the fact on a saved reading (FILE relative to DIR or\n"
         "                            a path inside it), kept as description lines \"Note of YYYY-MM-DD: TEXT\"\n"
         "                            (the date: today unless --date). add prints and list prints one note a\n"
         "                            line, N<TAB>DATE<TAB>TEXT (line breaks shown as blanks)",
         runNote},
        {"delete",
         "  delete FILE --app-folder DIR\n"
         "                            moves a saved reading to the trash; prints where it went and its ENTRY",
         runDelete},
        {"trash",
         "  trash --app-folder DIR     the trash, newest first: ENTRY<TAB>reading<TAB>PROFILE/FILE<TAB>DELETED or\n"
         "                            ENTRY<TAB>profile<TAB>PROFILE<TAB>DELETED (PROFILE misc for Miscellaneous)",
         runTrash},
        {"restore",
         "  restore ENTRY --app-folder DIR\n"
         "                            puts a trash entry back (a reading under its own name or the next free\n"
         "                            one, a profile with its folder and store line); prints the restored path",
         runRestore},
        {"move",
         "  move FILE (--profile PROFILE | --misc) --app-folder DIR\n"
         "                            moves a saved reading to another profile or to Miscellaneous under its\n"
         "                            own name or the next free one; prints the new path",
         runMove},
    };
}

} // namespace quillmere::cli
