#include "content/Deck.h"

#include "content/CardMeanings.h"

#include <QHash>

namespace quillmere {

const std::array<const char*, kDeckSize>& cardNames()
{
    // Stored files and picture names depend on this order; it is neither traditional nor alphabetical.
    static const std::array<const char*, kDeckSize> names = {
        "Death",
        "The Hermit",
        "Judgement",
        "Justice",
        "Strength",
        "Temperance",
        "The Fool",
        "The Chariot",
        "The Devil",
        "The Emperor",
        "The Empress",
        "The Hanged Man",
        "The Hierophant",
        "The High Priestess",
        "The Lovers",
        "The Magician",
        "The Moon",
        "The Star",
        "The Sun",
        "The Tower",
        "The World",
        "Wheel Fortune",
        "Two of Cups",
        "Two of Swords",
        "Two of Wands",
        "Three of Cups",
        "Three of Pentacles",
        "Three of Swords",
        "Three of Wands",
        "Four of Cups",
        "Four of Pentacles",
        "Four of Swords",
        "Four of Wands",
        "Five of Cups",
        "Five of Pentacles",
        "Five of Swords",
        "Five of Wands",
        "Six of Cups",
        "Six of Pentacles",
        "Six of Swords",
        "Six of Wands",
        "Seven of Cups",
        "Seven of Pentacles",
        "Seven of Swords",
        "Seven of Wands",
        "Eight of Cups",
        "Eight of Pentacles",
        "Eight of Swords",
        "Eight of Wands",
        "Nine of Cups",
        "Nine of Pentacles",
        "Nine of Swords",
        "Nine of Wands",
        "Ten of Cups",
        "Ten of Pentacles",
        "Ten of Swords",
        "Ten of Wands",
        "Ace of Cups",
        "Ace of Pentacles",
        "Ace of Swords",
        "Ace of Wands",
        "King of Cups",
        "King of Pentacles",
        "King of Swords",
        "King of Wands",
        "Knight of Cups",
        "Knight of Pentacles",
        "Knight of Swords",
        "Knight of Wands",
        "Page of Cups",
        "Page of Pentacles",
        "Page of Swords",
        "Page of Wands",
        "Queen of Cups",
        "Queen of Pentacles",
        "Queen of Swords",
        "Queen of Wands",
        "Two of Pentacles",
    };
    return names;
}

Deck::Deck()
{
    QHash<QString, const CardMeaningText*> textsByName;
    for (auto group : {majorArcanaMeanings(), cupsAndWandsMeanings(), swordsAndPentaclesMeanings()}) {
        for (const CardMeaningText& text : group)
            textsByName.insert(QString::fromLatin1(text.cardName), &text);
    }
    for (int index = 0; index < kDeckSize; ++index) {
        Card& card = m_cards[static_cast<std::size_t>(index)];
        card.name = QString::fromLatin1(cardNames()[static_cast<std::size_t>(index)]);
        if (const CardMeaningText* text = textsByName.value(card.name)) {
            card.uprightMeaning = QString::fromLatin1(text->upright);
            card.reversedMeaning = QString::fromLatin1(text->reversed);
        }
    }
}

const Deck& Deck::instance()
{
    static const Deck deck;
    return deck;
}

const std::array<int, kDeckSize>& traditionalOrder()
{
    static const std::array<int, kDeckSize> order = [] {
        static constexpr const char* kMajorArcana[kMajorArcanaCount]
            = {"The Fool",       "The Magician", "The High Priestess", "The Empress", "The Emperor",   "The Hierophant",
               "The Lovers",     "The Chariot",  "Strength",           "The Hermit",  "Wheel Fortune", "Justice",
               "The Hanged Man", "Death",        "Temperance",         "The Devil",   "The Tower",     "The Star",
               "The Moon",       "The Sun",      "Judgement",          "The World"};
        static constexpr const char* kSuits[] = {"Wands", "Cups", "Swords", "Pentacles"};
        static constexpr const char* kRanks[] = {"Ace",   "Two",  "Three", "Four", "Five",   "Six",   "Seven",
                                                 "Eight", "Nine", "Ten",   "Page", "Knight", "Queen", "King"};
        const auto indexOf = [](const QString& name) {
            const auto& names = cardNames();
            for (int index = 0; index < kDeckSize; ++index) {
                if (name == QLatin1String(names[static_cast<std::size_t>(index)]))
                    return index;
            }
            qFatal("no card is named %s", qPrintable(name));
        };
        std::array<int, kDeckSize> cards{};
        std::size_t next = 0;
        for (const char* name : kMajorArcana)
            cards[next++] = indexOf(QLatin1String(name));
        for (const char* suit : kSuits) {
            for (const char* rank : kRanks)
                cards[next++] = indexOf(QStringLiteral("%1 of %2").arg(QLatin1String(rank), QLatin1String(suit)));
        }
        return cards;
    }();
    return order;
}

} // namespace quillmere
