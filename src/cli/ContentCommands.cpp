#include "cli/Command.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

namespace quillmere::cli {

namespace {

int runCards(const QStringList& args, CommandIo& io)
{
    if (!args.isEmpty())
        return usageError(io, QStringLiteral("cards takes no arguments"));
    for (int i = 0; i < kDeckSize; ++i)
        io.out << i << '\t' << Deck::instance().name(i) << '\n';
    return kExitSuccess;
}

int runMeaning(const QStringList& args, CommandIo& io)
{
    if (args.size() != 2)
        return usageError(io, QStringLiteral("meaning needs INDEX and upright|reversed"));
    bool isNumber = false;
    const int index = args[0].toInt(&isNumber);
    if (!isNumber || !Deck::isValidIndex(index))
        return usageError(io, QStringLiteral("card index must be 0 to 77, not '%1'").arg(args[0]));
    if (args[1] != QLatin1String("upright") && args[1] != QLatin1String("reversed"))
        return usageError(io, QStringLiteral("orientation must be upright or reversed, not '%1'").arg(args[1]));
    io.out << Deck::instance().meaning(index, args[1] == QLatin1String("reversed")) << '\n';
    return kExitSuccess;
}

int runSpreads(const QStringList& args, CommandIo& io)
{
    if (!args.isEmpty())
        return usageError(io, QStringLiteral("spreads takes no arguments"));
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        io.out << spread.index << '\t' << spread.name << '\t' << spread.cardCount() << '\n';
    return kExitSuccess;
}

} // namespace

QList<Command> contentCommands()
{
    return {
        {"cards", "  cards                     78 lines INDEX<TAB>NAME, in deck index order", runCards},
        {"meaning",
         "  meaning INDEX upright|reversed\n"
         "                            the card's meaning text and a newline",
         runMeaning},
        {"spreads", "  spreads                   8 lines INDEX<TAB>NAME<TAB>CARDCOUNT, in catalogue order", runSpreads},
    };
}

} // namespace quillmere::cli
