#include "table/AutomaticCast.h"

#include "engine/Cast.h"
#include "engine/ReadingComposer.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/TempRecord.h"

#include <QMdiArea>

namespace quillmere {

namespace {

// The card table of a reading whose cards come all at once: `lay` fills the reading's card lists (false when it
// cannot), then the pictures, the interpretations, the table's size and the temporary record follow.
CardTable* openCastTable(AppContext& context, ReadingHost& host, const std::function<bool(CurrentReading&)>& lay)
{
    CurrentReading& reading = context.reading;
    auto* table = new CardTable(chosenDeck(context));
    table->setObjectName(QStringLiteral("frmAuto"));

    host.setReadingText(StyledText());
    StyledText text;
    StyledTextWriter out(text);
    keepReadingMoment(context);
    writeReadingHeader(out, reading, context.clock);

    if (reading.mode == CastMode::Automatic) {
        if (lay(reading)) {
            for (int k = 0; k < reading.positionCount() && k < CardTable::kBoxCount; ++k)
                table->placeCard(reading.spread, k, reading.cards.at(k).index, reading.cards.at(k).reversed);
        }
        writeCardInterpretations(out, reading);
        host.setReadingText(text);
        table->sizeToCards(reading.spread, reading.cardCount());
        rewriteTempRecord(context);
    } else {
        host.setReadingText(text);
        table->clearPictures();
    }

    showCardTable(host.workspace(), table);
    host.enterFreshReadingState();
    return table;
}

} // namespace

CardTable* openAutomaticCast(AppContext& context, ReadingHost& host)
{
    return openCastTable(context, host, [&context](CurrentReading& reading) {
        return castAutomatically(reading, context.random, repaintPendingWindows);
    });
}

CardTable* openEnteredCast(AppContext& context, ReadingHost& host, const Cast& cast)
{
    return openCastTable(context, host, [&cast](CurrentReading& reading) {
        if (!cast.isComplete() || &cast.spread() != reading.spread)
            return false;
        cast.writeCards(reading);
        return true;
    });
}

} // namespace quillmere
