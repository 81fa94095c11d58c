#include "table/ReopenedReading.h"

#include "content/Deck.h"
#include "storage/SavedReadingText.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"

#include <QMdiArea>

namespace quillmere {

QString openReopenedReading(AppContext& context, ReadingHost& host, const QString& recordPath)
{
    const StorageValue<ReadingRecord> record = readRecordFile(recordPath);
    if (!record)
        return record.error();
    showReopenedReading(context, host, *record);
    return {};
}

CardTable* showReopenedReading(AppContext& context, ReadingHost& host, const ReadingRecord& record)
{
    applySavedReading(record, context.reading);
    host.setReadingText(showSavedReading(record));

    auto* table = new CardTable(chosenDeck(context));
    table->setObjectName(QStringLiteral("frmReading"));
    const Spread* spread = SpreadCatalogue::instance().byKey(record.spreadName);
    const int cardCount = static_cast<int>(record.cards.size());
    for (int k = 0; k < cardCount && k < CardTable::kBoxCount; ++k) {
        const RecordCard& card = record.cards[k];
        if (Deck::isValidIndex(card.index)) {
            table->placeCard(spread, k, card.index, card.reversed);
        } else if (const SpreadPosition* position = spread ? spread->position(k) : nullptr) {
            // A position without a card still takes its place, which the table's size counts.
            table->box(k)->setPlace(position->place);
        }
    }
    table->sizeToCards(spread, cardCount);

    showCardTable(host.workspace(), table);
    host.enterReopenedReadingState();
    return table;
}

} // namespace quillmere
