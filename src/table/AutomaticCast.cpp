#include "table/AutomaticCast.h"

#include "engine/Draw.h"
#include "engine/ReadingComposer.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/TempRecord.h"

#include <QMdiArea>

namespace quillmere {

CardTable* openAutomaticCast(AppContext& context, ReadingHost& host)
{
    CurrentReading& reading = context.reading;
    auto* table = new CardTable(chosenDeck(context));
    table->setObjectName(QStringLiteral("frmAuto"));

    host.setReadingText(StyledText());
    StyledText text;
    StyledTextWriter out(text);
    writeReadingHeader(out, reading, reading.spreadName, context.clock);

    if (reading.autoChosen) {
        const int cardCount = reading.cardCount;
        if (castAutomatically(reading, context.random, repaintPendingWindows)) {
            for (int k = 0; k < cardCount && k < CardTable::kBoxCount; ++k)
                table->placeCard(reading.spreadName, k, reading.drawnCards.at(k), reading.orientationFlags.at(k) != 0);
        }
        writeCardInterpretations(out, reading, reading.drawnCards, reading.reversedCards);
        host.setReadingText(text);
        table->sizeToCards(cardCount);
        rewriteTempRecord(context);
    } else {
        host.setReadingText(text);
        table->clearPictures();
    }

    showCardTable(host.workspace(), table);
    host.enterFreshReadingState();
    return table;
}

} // namespace quillmere
