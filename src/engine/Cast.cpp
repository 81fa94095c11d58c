#include "engine/Cast.h"

#include "content/Deck.h"

namespace quillmere {

Cast::Cast(const QString& spreadKey, int cardCount, const CastOptions& options, const DrawPool& pool)
    : m_spreadKey(spreadKey)
    , m_cardCount(cardCount)
    , m_options(options)
    , m_pool(pool)
{ }

std::optional<Cast> Cast::begin(const QString& spreadKey, int cardCount, const CastOptions& options)
{
    const std::optional<DrawPool> pool = drawPool(options.minorOnly, options.majorOnly);
    // Distinct cards need a pool at least as large as the spread; otherwise the draw could never end.
    if (!pool || cardCount < 1 || cardCount > pool->size)
        return std::nullopt;
    return Cast(spreadKey, cardCount, options, *pool);
}

std::optional<Cast> Cast::begin(const Spread& spread, const CastOptions& options)
{
    return begin(spread.name, spread.cardCount(), options);
}

std::optional<Cast> Cast::forReading(const CurrentReading& reading)
{
    return begin(reading.spreadName, reading.cardCount,
                 CastOptions{reading.minorOnly, reading.majorOnly, reading.reversalsAllowed});
}

bool Cast::mayReverse(int position) const
{
    return m_options.reversalsAllowed && !isCrossingCard(m_spreadKey, position);
}

QList<int> Cast::flags() const
{
    QList<int> flags;
    flags.reserve(m_reversed.size());
    for (bool reversed : m_reversed)
        flags.append(reversed ? 1 : 0);
    return flags;
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
        return m_cardCount == 1 ? QStringLiteral("the spread has only 1 position")
                                : QStringLiteral("the spread has only %1 positions").arg(m_cardCount);
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

void Cast::writeCards(CurrentReading& reading, CastListShape shape) const
{
    QList<int> cards = m_cards;
    QList<int> flags = this->flags();
    const bool withSpare = shape == CastListShape::WithSpareEntry;
    if (withSpare) {
        cards.append(0);
        flags.append(0);
    }
    reading.drawnCards = CardList::of(cards);
    reading.orientationFlags = CardList::of(flags);
    if (withSpare && !m_options.reversalsAllowed)
        return;
    // Not created when no card lies reversed.
    reading.reversedCards.clear();
    for (int card : reversedCards())
        reading.reversedCards.append(card);
}

void chooseCast(CurrentReading& reading, const Spread& spread, const CastOptions& options, CastWay way)
{
    const bool manual = way == CastWay::Manual;
    reading.spreadName = spread.name;
    reading.spreadIndex = spread.index;
    reading.cardCount = spread.cardCount();
    reading.minorOnly = options.minorOnly;
    reading.majorOnly = options.majorOnly;
    reading.reversalsAllowed = options.reversalsAllowed;
    reading.autoChosen = !manual;
    reading.manualChosen = manual;
    reading.manualMode = manual;
}

} // namespace quillmere
