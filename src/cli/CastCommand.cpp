#include "cli/CastCommand.h"

#include "cli/Command.h"
#include "cli/HandoutOutput.h"
#include "cli/JsonOutput.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"
#include "engine/TextRenderers.h"
#include "storage/ReadingArchive.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <optional>

namespace quillmere::cli {

namespace {

// The querent's details and the cast fields of the request copied in, as the two screens hand them over.
void beginReading(CurrentReading& reading, const CastRequest& request, CastWay way)
{
    reading.querentName = request.querentName;
    reading.birthDate = request.birthDate;
    reading.question = request.question;
    reading.resetForNewCast();
    chooseCast(reading, *request.spread, request.options, way);
}

} // namespace

StyledText castReading(CurrentReading& reading, const CastRequest& request, RandomSource& random,
                       const ReadingClock& clock)
{
    beginReading(reading, request, CastWay::Automatic);
    castAutomatically(reading, random);
    return composeReading(reading, clock);
}

StyledText castEnteredReading(CurrentReading& reading, const CastRequest& request, const Cast& cast,
                              const ReadingClock& clock)
{
    beginReading(reading, request, CastWay::FromDeck);
    cast.writeCards(reading);
    return composeReading(reading, clock);
}

StorageValue<Cast> castFromCardList(const Spread& spread, const CastOptions& options, const QString& list)
{
    std::optional<Cast> cast = Cast::begin(spread, options);
    if (!cast)
        return StorageValue<Cast>::failure(QStringLiteral("no part of the deck matches the options"));
    const QStringList entries = list.split(QLatin1Char(','));
    if (entries.size() != cast->cardCount()) {
        const auto counted = [](qsizetype count, const char* one, const char* many) {
            return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
        };
        return StorageValue<Cast>::failure(
            QStringLiteral("%1 has %2, but %3 given")
                .arg(spread.name, counted(cast->cardCount(), "position", "positions"),
                     counted(list.trimmed().isEmpty() ? 0 : entries.size(), "card was", "cards were")));
    }
    for (qsizetype k = 0; k < entries.size(); ++k) {
        const QString entry = entries[k].trimmed();
        const QString where = QStringLiteral("card %1 ('%2')").arg(k + 1).arg(entry);
        const std::optional<EnteredCard> card = parseEnteredCard(entry);
        if (!card)
            return StorageValue<Cast>::failure(
                QStringLiteral("%1: no card is called that; give a deck index 0-%2, with r after it when "
                               "reversed, or the card's exact name (see 'cards'), with ' reversed' after it")
                    .arg(where)
                    .arg(kDeckSize - 1));
        if (const std::optional<CastRefusal> refused = cast->place(card->index, card->reversed))
            return StorageValue<Cast>::failure(
                QStringLiteral("%1: %2").arg(where, cast->refusalText(*refused, card->index)));
    }
    return std::move(*cast);
}

std::optional<EnteredCard> parseEnteredCard(const QString& text)
{
    const QString entry = text.trimmed();
    if (entry.isEmpty())
        return std::nullopt;
    const bool numbered = std::all_of(entry.cbegin(), entry.cend() - (entry.endsWith(QLatin1Char('r')) ? 1 : 0),
                                      [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (numbered && entry != QLatin1String("r")) {
        const bool reversed = entry.endsWith(QLatin1Char('r'));
        bool isNumber = false;
        const int index = entry.left(entry.size() - (reversed ? 1 : 0)).toInt(&isNumber);
        if (!isNumber)
            return std::nullopt;
        return EnteredCard{index, reversed};
    }
    static const QLatin1String kReversed(" reversed");
    const bool reversed = entry.endsWith(kReversed);
    const QString name = reversed ? entry.chopped(kReversed.size()).trimmed() : entry;
    for (int index = 0; index < kDeckSize; ++index) {
        if (Deck::instance().name(index) == name)
            return EnteredCard{index, reversed};
    }
    return std::nullopt;
}

namespace {

enum class OutputFormat { Text, Json, Html, Ansi, Pdf };

// A parsed command line: the cast itself and how to run and show it.
struct CastCommandLine
{
    CastRequest request;
    std::optional<std::uint64_t> seed;
    OutputFormat format = OutputFormat::Text;
    std::optional<QString> appFolder;
    QString output;
    QString deck;
    bool pictures = false;
    // The cards the user turned over, as given to --cards.
    std::optional<QString> cards;
    bool help = false;
};

const char* const kCastHelp
    = "  cast --spread NAME [--only-major | --only-minor] [--reversals] [--seed N | --cards LIST]\n"
      "       [--name TEXT] [--dob TEXT] [--question TEXT] [--format text|json|html|ansi|pdf]\n"
      "       [--pictures] [--output OUT] [--deck DECKDIR] [--app-folder DIR]\n"
      "                            an automatic reading (or one from --cards), cast and written exactly as\n"
      "                            the program does it:\n"
      "                            --spread      the spread's exact display name (see 'spreads'), required\n"
      "                            --only-major  draw from the major arcana only (cards 0-21)\n"
      "                            --only-minor  draw from the minor arcana only (cards 22-77)\n"
      "                            --reversals   cards may fall reversed\n"
      "                            --seed N      a number 0 to 18446744073709551615: the same seed gives the\n"
      "                                          same cards and flags; without it every cast differs\n"
      "                            --cards LIST  the cards turned over from one's own deck instead of a draw,\n"
      "                                          in position order, separated by commas: deck indices (see\n"
      "                                          'cards') or exact card names; r after an index or ' reversed'\n"
      "                                          after a name marks a reversed card, e.g. \"13,5r,Ace of Cups\".\n"
      "                                          One card per position, none twice, none outside --only-major\n"
      "                                          or --only-minor, reversed only with --reversals and never the\n"
      "                                          crossing card; otherwise exit 2 with the reason\n"
      "                            --name, --dob, --question  the querent's details; an empty or missing\n"
      "                                          value is written \"Not mentioned\"\n"
      "                            --format      text (default): the reading text, CRLF line ends;\n"
      "                                          html: a complete HTML page; ansi: terminal colours;\n"
      "                                          json: one object {\"spread\", \"cards\" (the drawn indices in\n"
      "                                          position order), \"flags\" (0 upright, 1 reversed, per position),\n"
      "                                          \"reversed\" (indices of the reversed cards, [] when none),\n"
      "                                          \"name\", \"dob\", \"question\", \"date\", \"time\" (as written in\n"
      "                                          the header), \"text\" (the plain text, CRLF line ends), \"runs\"\n"
      "                                          ([{\"text\", \"bold\", \"underline\", \"color\": \"#rrggbb\"}])}\n"
      "                                          pdf: the printed reading (page one the spread with the card\n"
      "                                          pictures, the querent and the date, then the reading text, A4\n"
      "                                          or Letter after the locale); needs --output, no display\n"
      "                            --pictures    with html: one self-contained page with the spread and the\n"
      "                                          card pictures embedded\n"
      "                            --output OUT  writes the output to the file OUT (whole or not at all)\n"
      "                                          instead of standard output; a failure exits 1\n"
      "                            --deck DECKDIR  the folder of card pictures (r0 ... r77) for pdf and\n"
      "                                          --pictures; default: the default deck of --app-folder or of\n"
      "                                          the installed program; a card without a picture is an empty\n"
      "                                          frame with its name\n"
      "                            --app-folder  also writes the temporary record DIR/temp as the program\n"
      "                                          does after a reading (see save); a failure exits 1\n"
      "                            Option values may also be given as --option=VALUE.";

const QStringList kValueOptions = {
    QStringLiteral("--spread"),   QStringLiteral("--seed"),   QStringLiteral("--name"),       QStringLiteral("--dob"),
    QStringLiteral("--question"), QStringLiteral("--format"), QStringLiteral("--app-folder"), QStringLiteral("--cards"),
    QStringLiteral("--output"),   QStringLiteral("--deck")};

QString spreadNamesList()
{
    QStringList names;
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        names << QStringLiteral("  \"%1\"").arg(spread.name);
    return names.join(QLatin1Char('\n'));
}

int spreadError(CommandIo& io, const QString& message)
{
    return usageError(io, QStringLiteral("%1; the spreads are:\n%2").arg(message, spreadNamesList()));
}

// Parses the arguments after "cast"; a usage error is reported on io.err and its exit code returned.
std::variant<CastCommandLine, int> parseCastArguments(const QStringList& args, CommandIo& io)
{
    CastCommandLine line;
    std::optional<QString> spreadName;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString option = args[i];
        std::optional<QString> inlineValue;
        if (option.startsWith(QLatin1String("--"))) {
            const qsizetype equals = option.indexOf(QLatin1Char('='));
            if (equals > 0) {
                inlineValue = option.mid(equals + 1);
                option.truncate(equals);
            }
        }
        const auto value = [&]() -> std::optional<QString> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };

        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            line.help = true;
        } else if (option == QLatin1String("--pictures")) {
            if (inlineValue)
                return usageError(io, QStringLiteral("%1 takes no value").arg(option));
            line.pictures = true;
        } else if (option == QLatin1String("--only-major") || option == QLatin1String("--only-minor")
                   || option == QLatin1String("--reversals")) {
            if (inlineValue)
                return usageError(io, QStringLiteral("%1 takes no value").arg(option));
            if (option == QLatin1String("--only-major"))
                line.request.options.majorOnly = true;
            else if (option == QLatin1String("--only-minor"))
                line.request.options.minorOnly = true;
            else
                line.request.options.reversalsAllowed = true;
        } else if (kValueOptions.contains(option)) {
            const std::optional<QString> text = value();
            if (!text)
                return usageError(io, QStringLiteral("%1 needs a value").arg(option));
            if (option == QLatin1String("--spread")) {
                spreadName = *text;
            } else if (option == QLatin1String("--seed")) {
                bool isNumber = false;
                const qulonglong seed = text->toULongLong(&isNumber);
                if (!isNumber || text->startsWith(QLatin1Char('+')) || text->startsWith(QLatin1Char('-')))
                    return usageError(io, QStringLiteral("--seed needs a whole number 0 or more, not '%1'").arg(*text));
                line.seed = seed;
            } else if (option == QLatin1String("--name")) {
                line.request.querentName = *text;
            } else if (option == QLatin1String("--dob")) {
                line.request.birthDate = *text;
            } else if (option == QLatin1String("--question")) {
                line.request.question = *text;
            } else if (option == QLatin1String("--app-folder")) {
                line.appFolder = *text;
            } else if (option == QLatin1String("--output")) {
                line.output = *text;
            } else if (option == QLatin1String("--deck")) {
                line.deck = *text;
            } else if (option == QLatin1String("--cards")) {
                line.cards = *text;
            } else if (*text == QLatin1String("text")) {
                line.format = OutputFormat::Text;
            } else if (*text == QLatin1String("json")) {
                line.format = OutputFormat::Json;
            } else if (*text == QLatin1String("html")) {
                line.format = OutputFormat::Html;
            } else if (*text == QLatin1String("ansi")) {
                line.format = OutputFormat::Ansi;
            } else if (*text == QLatin1String("pdf")) {
                line.format = OutputFormat::Pdf;
            } else {
                return usageError(
                    io, QStringLiteral("--format must be text, json, html, ansi or pdf, not '%1'").arg(*text));
            }
        } else {
            return usageError(io, QStringLiteral("cast: unknown argument '%1'").arg(args[i]));
        }
    }
    if (line.help)
        return line;
    if (line.request.options.majorOnly && line.request.options.minorOnly)
        return usageError(io, QStringLiteral("--only-major and --only-minor exclude each other"));
    if (line.pictures && line.format != OutputFormat::Html)
        return usageError(io, QStringLiteral("--pictures goes with --format html"));
    if (line.format == OutputFormat::Pdf && line.output.isEmpty())
        return usageError(io, QStringLiteral("--format pdf needs --output FILE"));
    if (line.seed && line.cards)
        return usageError(io, QStringLiteral("--seed and --cards exclude each other"));
    if (!spreadName)
        return spreadError(io, QStringLiteral("cast needs --spread NAME"));
    line.request.spread = SpreadCatalogue::instance().byKey(*spreadName);
    if (!line.request.spread)
        return spreadError(io, QStringLiteral("no spread is named '%1'").arg(*spreadName));
    return line;
}

QByteArray readingJson(const CurrentReading& reading, const StyledText& text, const ReadingMoment& moment)
{
    QList<int> flags;
    for (const ReadingCard& card : reading.cards)
        flags.append(card.reversed ? 1 : 0);
    QJsonObject object;
    object.insert(QStringLiteral("spread"), reading.spreadKey());
    object.insert(QStringLiteral("cards"), jsonNumbers(reading.cardIndices()));
    object.insert(QStringLiteral("flags"), jsonNumbers(flags));
    object.insert(QStringLiteral("reversed"), jsonNumbers(reading.reversedCardIndices()));
    object.insert(QStringLiteral("name"), reading.querentName);
    object.insert(QStringLiteral("dob"), reading.birthDate);
    object.insert(QStringLiteral("question"), reading.question);
    object.insert(QStringLiteral("date"), reading.creationDate.isEmpty() ? moment.date : reading.creationDate);
    object.insert(QStringLiteral("time"), reading.creationTime.isEmpty() ? moment.time : reading.creationTime);
    insertTextAndRuns(object, text);
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

int runCast(const QStringList& args, CommandIo& io)
{
    const std::variant<CastCommandLine, int> parsed = parseCastArguments(args, io);
    if (const int* exitCode = std::get_if<int>(&parsed))
        return *exitCode;
    const CastCommandLine& line = std::get<CastCommandLine>(parsed);
    if (line.help) {
        io.out << "usage: quillmere-cli COMMAND [ARGUMENTS]\n\n" << kCastHelp << '\n';
        return kExitSuccess;
    }

    OutputTarget target{line.output, line.deck, std::nullopt};
    if (line.appFolder)
        target.appFolder = AppFolder(*line.appFolder);
    if (const StorageResult usable = checkOutputTarget(target); !usable)
        return usageError(io, usable.error());

    SeededRandomSource random = line.seed ? SeededRandomSource(*line.seed) : SeededRandomSource::fromEntropy();
    // One look at the clock for everything written about this reading.
    const FixedReadingClock clock(QDateTime::currentDateTime(), QLocale::system());
    CurrentReading reading;
    StyledText text;
    if (line.cards) {
        const StorageValue<Cast> entered = castFromCardList(*line.request.spread, line.request.options, *line.cards);
        if (!entered)
            return usageError(io, QStringLiteral("--cards: %1").arg(entered.error()));
        text = castEnteredReading(reading, line.request, *entered, clock);
    } else {
        text = castReading(reading, line.request, random, clock);
    }
    if (line.appFolder) {
        if (const StorageResult written = writeTempReading(AppFolder(*line.appFolder), reading, clock); !written) {
            io.err << tempRecordFailureMessage(written) << '\n';
            return kExitFailure;
        }
    }

    switch (line.format) {
    case OutputFormat::Text:
        return writeTextOutput(renderPlainText(text), target, io);
    case OutputFormat::Json:
        return writeTextOutput(QString::fromUtf8(readingJson(reading, text, clock.moment())), target, io);
    case OutputFormat::Html:
        if (line.pictures)
            return writePicturePageOutput(handoutOfReading(reading, text, clock.moment()), target, io);
        return writeTextOutput(renderHtml(text, true), target, io);
    case OutputFormat::Ansi:
        return writeTextOutput(renderAnsi(text) + QLatin1Char('\n'), target, io);
    case OutputFormat::Pdf:
        return writePdfOutput(handoutOfReading(reading, text, clock.moment()), target, io);
    }
    return kExitSuccess;
}

} // namespace

QList<Command> castCommands()
{
    return {{"cast", kCastHelp, runCast}};
}

} // namespace quillmere::cli
