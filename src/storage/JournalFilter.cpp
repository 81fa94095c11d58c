#include "storage/JournalFilter.h"

#include <QHash>
#include <algorithm>

namespace quillmere {

namespace {

QString folded(const QString& text)
{
    return text.toCaseFolded();
}

QString percent(double share)
{
    return QString::number(share * 100.0, 'f', 1) + QLatin1Char('%');
}

} // namespace

JournalSearch::JournalSearch(const QList<JournalEntry>& readings)
{
    m_rows.reserve(static_cast<std::size_t>(readings.size()));
    for (const JournalEntry& entry : readings) {
        Row row;
        QString text = entry.record.question + QLatin1Char('\n') + entry.record.querentName;
        for (const QString& description : entry.descriptions)
            text += QLatin1Char('\n') + description;
        for (const ReadingNote& note : entry.notes)
            text += QLatin1Char('\n') + note.text;
        row.text = folded(text);
        row.profile = folded(entry.profile);
        row.spread = entry.record.spreadName;
        row.miscellaneous = entry.isMiscellaneous();
        row.day = entry.moment.date().toJulianDay();
        int valid = 0;
        int major = 0;
        for (const RecordCard& card : entry.record.cards) {
            if (!Deck::isValidIndex(card.index))
                continue;
            ++valid;
            major += Deck::isMajorArcana(card.index) ? 1 : 0;
            row.cards.set(static_cast<std::size_t>(card.index));
            if (card.reversed)
                row.reversed.set(static_cast<std::size_t>(card.index));
        }
        row.majorPercent = valid == 0 ? 0 : (major * 100 + valid / 2) / valid;
        m_rows.push_back(std::move(row));
    }
}

JournalSearch::Prepared JournalSearch::prepare(const JournalFilter& filter)
{
    return Prepared{filter, folded(filter.text.simplified()).split(QLatin1Char(' '), Qt::SkipEmptyParts),
                    folded(filter.profile.trimmed())};
}

bool JournalSearch::matches(qsizetype row, const JournalFilter& filter) const
{
    return matchesPrepared(row, prepare(filter));
}

bool JournalSearch::matchesPrepared(qsizetype index, const Prepared& prepared) const
{
    const JournalFilter& filter = prepared.filter;
    const Row& row = m_rows[static_cast<std::size_t>(index)];
    switch (filter.scope) {
    case JournalFilter::Scope::All:
        break;
    case JournalFilter::Scope::Miscellaneous:
        if (!row.miscellaneous)
            return false;
        break;
    case JournalFilter::Scope::Profile:
        if (row.miscellaneous || row.profile != prepared.profile)
            return false;
        break;
    }
    if (!filter.spread.isEmpty() && row.spread != filter.spread)
        return false;
    if (filter.from.isValid() && row.day < filter.from.toJulianDay())
        return false;
    if (filter.to.isValid() && row.day > filter.to.toJulianDay())
        return false;
    if (row.majorPercent < filter.minMajorPercent || row.majorPercent > filter.maxMajorPercent)
        return false;
    for (const int card : filter.cards) {
        if (!Deck::isValidIndex(card) || !row.cards.test(static_cast<std::size_t>(card)))
            return false;
    }
    for (const int card : filter.reversedCards) {
        if (!Deck::isValidIndex(card) || !row.reversed.test(static_cast<std::size_t>(card)))
            return false;
    }
    for (const QString& word : prepared.words) {
        if (!row.text.contains(word))
            return false;
    }
    return true;
}

QList<qsizetype> JournalSearch::matching(const JournalFilter& filter) const
{
    const Prepared prepared = prepare(filter);
    QList<qsizetype> rows;
    rows.reserve(size());
    for (qsizetype i = 0; i < size(); ++i) {
        if (matchesPrepared(i, prepared))
            rows.append(i);
    }
    return rows;
}

std::optional<int> cardOfName(QStringView name)
{
    const QStringView trimmed = name.trimmed();
    bool isNumber = false;
    const int index = trimmed.toInt(&isNumber);
    if (isNumber)
        return Deck::isValidIndex(index) ? std::optional<int>(index) : std::nullopt;
    for (int i = 0; i < kDeckSize; ++i) {
        if (trimmed.compare(Deck::instance().name(i), Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

std::optional<Suit> suitOf(int index)
{
    if (!Deck::isValidIndex(index) || Deck::isMajorArcana(index))
        return std::nullopt;
    const QString& name = Deck::instance().name(index);
    for (const Suit suit : {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands}) {
        if (name.endsWith(suitName(suit), Qt::CaseInsensitive))
            return suit;
    }
    return std::nullopt;
}

QString suitName(Suit suit)
{
    switch (suit) {
    case Suit::Cups:
        return QStringLiteral("Cups");
    case Suit::Pentacles:
        return QStringLiteral("Pentacles");
    case Suit::Swords:
        return QStringLiteral("Swords");
    case Suit::Wands:
        return QStringLiteral("Wands");
    }
    return {};
}

JournalStatistics journalStatistics(const QList<JournalEntry>& readings, const QList<qsizetype>& rows)
{
    JournalStatistics statistics;
    std::array<CardTally, kDeckSize> tallies{};
    std::array<int, kDeckSize> suitOfCard{};
    for (int i = 0; i < kDeckSize; ++i) {
        tallies[static_cast<std::size_t>(i)].index = i;
        const std::optional<Suit> suit = suitOf(i);
        suitOfCard[static_cast<std::size_t>(i)] = suit ? static_cast<int>(*suit) : -1;
    }
    QHash<QString, int> spreads;
    for (const qsizetype row : rows) {
        const JournalEntry& entry = readings[row];
        ++statistics.readings;
        ++spreads[entry.record.spreadName];
        for (const RecordCard& card : entry.record.cards) {
            if (!Deck::isValidIndex(card.index))
                continue;
            const auto at = static_cast<std::size_t>(card.index);
            ++statistics.cards;
            ++tallies[at].count;
            if (card.reversed) {
                ++tallies[at].reversed;
                ++statistics.reversedCards;
            }
            if (Deck::isMajorArcana(card.index))
                ++statistics.majorCards;
            else if (suitOfCard[at] >= 0)
                ++statistics.suits[static_cast<std::size_t>(suitOfCard[at])];
        }
    }
    for (const CardTally& tally : tallies) {
        if (tally.count > 0)
            statistics.cardTallies.append(tally);
    }
    std::stable_sort(statistics.cardTallies.begin(), statistics.cardTallies.end(),
                     [](const CardTally& a, const CardTally& b) { return a.count > b.count; });
    for (auto it = spreads.cbegin(); it != spreads.cend(); ++it)
        statistics.spreads.append({it.key(), it.value()});
    std::sort(statistics.spreads.begin(), statistics.spreads.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    return statistics;
}

QString statisticsText(const JournalStatistics& statistics)
{
    QString text;
    text += QStringLiteral("Readings: %1\n").arg(statistics.readings);
    text += QStringLiteral("Cards: %1\n").arg(statistics.cards);
    text += QStringLiteral("Reversed cards: %1 (%2)\n")
                .arg(statistics.reversedCards)
                .arg(percent(statistics.reversedShare()));
    text += QStringLiteral("Major arcana: %1 (%2)\n").arg(statistics.majorCards).arg(percent(statistics.majorShare()));
    const int minor = statistics.cards - statistics.majorCards;
    text += QStringLiteral("Minor arcana: %1 (%2)\n")
                .arg(minor)
                .arg(percent(statistics.cards == 0 ? 0.0 : 1.0 - statistics.majorShare()));
    text += QStringLiteral("\nSuits:\n");
    for (const Suit suit : {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands})
        text += QStringLiteral("  %1\t%2\n").arg(suitName(suit)).arg(statistics.suits[static_cast<std::size_t>(suit)]);
    text += QStringLiteral("\nMost frequent cards:\n");
    for (const CardTally& tally : statistics.topCards())
        text += QStringLiteral("  %1\t%2 (%3 reversed)\n")
                    .arg(Deck::instance().name(tally.index))
                    .arg(tally.count)
                    .arg(tally.reversed);
    text += QStringLiteral("\nSpreads:\n");
    for (const auto& [name, count] : statistics.spreads)
        text += QStringLiteral("  %1\t%2\n").arg(name.isEmpty() ? QStringLiteral("(none)") : name).arg(count);
    return text;
}

} // namespace quillmere
