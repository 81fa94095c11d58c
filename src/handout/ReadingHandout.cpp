#include "handout/ReadingHandout.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

namespace quillmere {

ReadingHandout handoutOfReading(const CurrentReading& reading, const StyledText& text, const ReadingMoment& moment)
{
    ReadingHandout handout;
    handout.spreadKey = reading.spreadKey();
    for (int k = 0; k < reading.positionCount() && k < kMaxCardsInSpread; ++k) {
        const ReadingCard& card = reading.cards.at(k);
        const bool valid = Deck::isValidIndex(card.index);
        const bool crossing = reading.spread && reading.spread->isCrossingCard(k);
        handout.cards.append(HandoutCard{valid ? card.index : -1, valid && card.reversed && !crossing});
    }
    handout.querentName = reading.querentName;
    handout.birthDate = reading.birthDate;
    handout.question = reading.question;
    handout.date = reading.creationDate.isEmpty() ? moment.date : reading.creationDate;
    handout.time = reading.creationTime.isEmpty() ? moment.time : reading.creationTime;
    handout.text = text;
    return handout;
}

ReadingHandout handoutOfRecord(const ReadingRecord& record, const StyledText& text)
{
    ReadingHandout handout;
    handout.spreadKey = record.spreadName;
    for (qsizetype k = 0; k < record.cards.size() && k < kMaxCardsInSpread; ++k) {
        const RecordCard& card = record.cards[k];
        const bool valid = Deck::isValidIndex(card.index);
        handout.cards.append(
            HandoutCard{valid ? card.index : -1, valid && card.reversed && !isCrossingCard(record.spreadName, int(k))});
    }
    handout.querentName = record.querentName;
    handout.birthDate = record.birthDate;
    handout.question = record.question;
    handout.date = record.date;
    handout.time = record.time;
    handout.text = text;
    return handout;
}

QString shortPositionTitle(const Spread* spread, int position)
{
    const SpreadPosition* spreadPosition = spread ? spread->position(position) : nullptr;
    return spreadPosition ? spreadPosition->shortTitle : QString();
}

QString cardBoxAccessibleName(const Spread* spread, int position, int cardIndex, bool reversed)
{
    const QString title = shortPositionTitle(spread, position);
    QString name = QStringLiteral("Position %1").arg(position + 1);
    if (!title.isEmpty())
        name += QStringLiteral(": ") + title;
    if (Deck::isValidIndex(cardIndex))
        name += QStringLiteral(" \u2014 ") + Deck::instance().name(cardIndex);
    if (spread && spread->isCrossingCard(position))
        name += QStringLiteral(", lying across");
    else if (reversed)
        name += QStringLiteral(", reversed");
    return name;
}

QString handoutSpreadTitle(const ReadingHandout& handout)
{
    const Spread* spread = handout.spread();
    if (!spread)
        return handout.spreadKey;
    return QString(spread->headerTitle).remove(QStringLiteral("Spread Type - "));
}

} // namespace quillmere
