#include "handout/ReadingHandout.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

#include <QRegularExpression>

namespace quillmere {

ReadingHandout handoutOfReading(const CurrentReading& reading, const StyledText& text, const ReadingMoment& moment)
{
    ReadingHandout handout;
    handout.spreadKey = reading.spreadName;
    for (int k = 0; k < reading.positionCount() && k < kMaxCardsInSpread; ++k) {
        const int card = reading.drawnCards.at(k);
        const bool valid = Deck::isValidIndex(card);
        const bool flagged = k < reading.orientationFlags.size() && reading.orientationFlags.at(k) != 0;
        handout.cards.append(
            HandoutCard{valid ? card : -1, valid && flagged && !isCrossingCard(reading.spreadName, k)});
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

QString shortPositionTitle(const QString& spreadKey, int position)
{
    const Spread* spread = SpreadCatalogue::instance().byKey(spreadKey);
    const SpreadPosition* spreadPosition = spread ? spread->position(position) : nullptr;
    if (!spreadPosition)
        return {};
    static const QRegularExpression cardNumber(QStringLiteral("^Card\\s+\\d+\\s*[:\\-]?\\s*"));
    return QString(spreadPosition->title).remove(cardNumber).trimmed();
}

QString cardBoxAccessibleName(const QString& spreadKey, int position, int cardIndex, bool reversed)
{
    const QString title = shortPositionTitle(spreadKey, position);
    QString name = QStringLiteral("Position %1").arg(position + 1);
    if (!title.isEmpty())
        name += QStringLiteral(": ") + title;
    if (Deck::isValidIndex(cardIndex))
        name += QStringLiteral(" \u2014 ") + Deck::instance().name(cardIndex);
    if (isCrossingCard(spreadKey, position))
        name += QStringLiteral(", lying across");
    else if (reversed)
        name += QStringLiteral(", reversed");
    return name;
}

} // namespace quillmere
