#include "engine/Cast.h"

#include "content/Deck.h"

namespace quillmere {

Cast::Cast(const Spread& spread, const CastOptions& options, const DrawPool& pool)
    : m_spread(&spread)
    , m_options(options)
    , m_pool(pool)
{ }

std::optional<Cast> Cast::begin(const Spread& spread, const CastOptions& options)
{
    const std::optional<DrawPool> pool = drawPool(options.minorOnly, options.majorOnly);
    // Distinct cards need a pool at least as large as the spread; otherwise the draw could never end.
    const int cardCount = spread.cardCount();
    if (!pool || cardCount < 1 || cardCount > pool->size)
        return std::nullopt;
    return Cast(spread, options, *pool);
}

std::optional<Cast> Cast::forReading(const CurrentReading& reading)
{
    if (!reading.spread)
        return std::nullopt;
    return begin(*reading.spread, reading.options);
}

bool Cast::mayReverse(int position) const
{
    return m_options.reversalsAllowed && !m_spread->isCrossingCard(position);
}

QList<int> Cast::flags() const
{
    QList<int> flags;
    flags.reserve(m_reversed.size());
    for (bool reversed : m_reversed)
        flags.append(reversed ? 1 : 0);
    return flags;
}

QList<ReadingCard> Cast::readingCards() const
{
    QList<ReadingCard> cards;
    cards.reserve(m_cards.size());
    for (int k = 0; k < placedCount(); ++k)
        cards.append({m_cards.at(k), m_reversed.at(k)});
    return cards;
}

QList<int> Cast::reversedCards() const
{
    QList<int> reversed;
    for (int k = 0; k < placedCount(); ++k) {
        if (m_reversed.at(k))
            reversed.append(m_cards.at(k));
    }
    return reversed;
}

int Cast::drawNext(RandomSource& random, const DrawYield& yield)
{
    const int card = drawDistinctCard(m_pool, CardList::of(m_cards), placedCount(), random, yield);
    m_cards.append(card);
    m_reversed.append(false);
    return card;
}

bool Cast::decideReversal(int position, RandomSource& random)
{
    if (!m_options.reversalsAllowed || position < 0 || position >= placedCount())
        return false;
    // The crossing card's number is drawn all the same, so the positions after it get the same numbers.
    const bool reversed = decideReversed(random.next()) && mayReverse(position);
    m_reversed[position] = reversed;
    return reversed;
}

std::optional<CastRefusal> Cast::place(int card, bool reversed)
{
    if (isComplete())
        return CastRefusal::Complete;
    if (!Deck::isValidIndex(card))
        return CastRefusal::UnknownCard;
    if (!allows(card))
        return CastRefusal::NotAllowed;
    if (isPlaced(card))
        return CastRefusal::AlreadyPlaced;
    if (reversed && !m_options.reversalsAllowed)
        return CastRefusal::NoReversals;
    if (reversed && !mayReverse(nextPosition()))
        return CastRefusal::CrossingCardUpright;
    m_cards.append(card);
    m_reversed.append(reversed);
    return std::nullopt;
}

void Cast::takeBackLast()
{
    if (m_cards.isEmpty())
        return;
    m_cards.removeLast();
    m_reversed.removeLast();
}

QString Cast::refusalText(CastRefusal refusal, int card) const
{
    const QString name = Deck::isValidIndex(card) ? Deck::instance().name(card) : QString::number(card);
    switch (refusal) {
    case CastRefusal::Complete:
        return cardCount() == 1 ? QStringLiteral("the spread has only 1 position")
                                : QStringLiteral("the spread has only %1 positions").arg(cardCount());
    case CastRefusal::UnknownCard:
        return QStringLiteral("no card has the index %1 (the deck runs from 0 to %2)").arg(card).arg(kDeckSize - 1);
    case CastRefusal::NotAllowed:
        return QStringLiteral("%1 is not in the %2 arcana")
            .arg(name, m_options.majorOnly ? QStringLiteral("major") : QStringLiteral("minor"));
    case CastRefusal::AlreadyPlaced:
        return QStringLiteral("%1 already lies on position %2").arg(name).arg(m_cards.indexOf(card) + 1);
    case CastRefusal::NoReversals:
        return QStringLiteral("%1 cannot lie reversed: reversals are not allowed").arg(name);
    case CastRefusal::CrossingCardUpright:
        return QStringLiteral("%1 cannot lie reversed: the crossing card (position %2) is never reversed")
            .arg(name)
            .arg(nextPosition() + 1);
    }
    return {};
}

void chooseCast(CurrentReading& reading, const Spread& spread, const CastOptions& options, CastWay way)
{
    reading.spread = &spread;
    reading.options = options;
    reading.mode = way == CastWay::Manual ? CastMode::Manual : CastMode::Automatic;
}

bool castAutomatically(CurrentReading& reading, RandomSource& random, const DrawYield& yield)
{
    std::optional<Cast> cast = Cast::forReading(reading);
    if (!cast)
        return false;
    for (int k = 0; k < cast->cardCount(); ++k)
        cast->drawNext(random, yield);
    // Decided only once every card lies on the table, position by position, as the cards are laid out.
    for (int k = 0; k < cast->cardCount(); ++k)
        cast->decideReversal(k, random);
    cast->writeCards(reading);
    return true;
}

} // namespace quillmere
