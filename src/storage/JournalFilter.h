#pragma once

#include "content/Deck.h"
#include "storage/Journal.h"

#include <QDate>
#include <QList>
#include <QString>
#include <bitset>
#include <optional>

namespace quillmere {

// What the journal is narrowed to. Every part that is set must hold; an empty filter keeps every reading.
struct JournalFilter
{
    enum class Scope { All, Profile, Miscellaneous };

    // Every word must appear (any letter case) in the question, the querent's name, a description or a note.
    QString text;
    // Each of these cards must lie in the reading, in any orientation.
    QList<int> cards;
    // Each of these cards must lie in the reading reversed.
    QList<int> reversedCards;
    // The spread's exact name; empty for any.
    QString spread;
    Scope scope = Scope::All;
    // The profile for Scope::Profile, compared without regard to letter case.
    QString profile;
    // The days of saving, both included; a null date leaves that end open.
    QDate from;
    QDate to;
    // The share of major arcana among the reading's cards, in percent, both ends included.
    int minMajorPercent = 0;
    int maxMajorPercent = 100;
};

// The journal's readings prepared for filtering: the texts folded once and the cards as sets, so a filter change
// over many thousands of readings is a single quick pass.
class JournalSearch
{
public:
    explicit JournalSearch(const QList<JournalEntry>& readings);

    bool matches(qsizetype row, const JournalFilter& filter) const;
    // The rows (indices into the readings) that match, in their order.
    QList<qsizetype> matching(const JournalFilter& filter) const;
    qsizetype size() const { return static_cast<qsizetype>(m_rows.size()); }

private:
    struct Row
    {
        QString text;
        QString profile;
        QString spread;
        bool miscellaneous = false;
        qint64 day = 0;
        int majorPercent = 0;
        std::bitset<kDeckSize> cards;
        std::bitset<kDeckSize> reversed;
    };
    // The filter with its words and profile folded once for a whole pass.
    struct Prepared
    {
        const JournalFilter& filter;
        QStringList words;
        QString profile;
    };
    static Prepared prepare(const JournalFilter& filter);
    bool matchesPrepared(qsizetype row, const Prepared& prepared) const;

    std::vector<Row> m_rows;
};

// The card of a name as the deck writes it (any letter case, surrounding blanks ignored), or an index "0" to "77".
std::optional<int> cardOfName(QStringView name);

// The four suits of the minor arcana, in the order the statistics list them.
enum class Suit { Cups, Pentacles, Swords, Wands };
// The suit of a card; nothing for the major arcana and for no card.
std::optional<Suit> suitOf(int index);
QString suitName(Suit suit);

// How often a card lay in the readings counted, and how often of those reversed.
struct CardTally
{
    int index = 0;
    int count = 0;
    int reversed = 0;
    friend bool operator==(const CardTally&, const CardTally&) = default;
};

// What the cards have said in a set of readings. Only cards of the deck are counted.
struct JournalStatistics
{
    int readings = 0;
    int cards = 0;
    int reversedCards = 0;
    int majorCards = 0;
    // Cups, pentacles, swords, wands.
    std::array<int, 4> suits{};
    // Every card that fell, most frequent first (equal counts in deck order).
    QList<CardTally> cardTallies;
    // Spread names with their counts, most used first (equal counts by name).
    QList<std::pair<QString, int>> spreads;

    QList<CardTally> topCards(int count = 10) const { return cardTallies.mid(0, count); }
    // Shares from 0 to 1; 0 when no card was counted.
    double reversedShare() const { return cards == 0 ? 0.0 : double(reversedCards) / cards; }
    double majorShare() const { return cards == 0 ? 0.0 : double(majorCards) / cards; }
};

JournalStatistics journalStatistics(const QList<JournalEntry>& readings, const QList<qsizetype>& rows);

// The statistics as plain text, the same the program copies and the command line prints.
QString statisticsText(const JournalStatistics& statistics);

} // namespace quillmere
