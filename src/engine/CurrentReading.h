#pragma once

#include "content/SpreadCatalogue.h"

#include <QList>
#include <QString>

namespace quillmere {

// The options the spread selection screen offers for a cast.
struct CastOptions
{
    bool minorOnly = false;
    bool majorOnly = false;
    bool reversalsAllowed = false;
    friend bool operator==(const CastOptions&, const CastOptions&) = default;
};

// How the reading's cards are laid. A reading from the user's own deck is laid and kept as an automatic one.
enum class CastMode {
    // No cast is chosen yet: the spread selection screen is open, or no reading was begun.
    NotChosen,
    // The program lays every card at once.
    Automatic,
    // The user picks the face-down cards one by one on the manual board.
    Manual,
};

// The card on one position of the reading, and whether it lies reversed.
struct ReadingCard
{
    int index = 0;
    bool reversed = false;
    friend bool operator==(const ReadingCard&, const ReadingCard&) = default;
};

// The reading in progress: who it is for, how it is cast and which cards lie where. The application owns
// exactly one and hands it by reference to the screens, the cast, the composers and the record writer.
struct CurrentReading
{
    // Querent fields, stored as entered; the empty text means "not given".
    QString querentName;
    QString birthDate;
    QString question;
    // The moment the reading's header names: a reopened record's, or the cast's once its header is written; empty
    // means "now" for the header.
    QString creationDate;
    QString creationTime;

    // The spread chosen on the spread selection screen; nullptr while none is chosen. It points into a catalogue
    // that outlives the reading.
    const Spread* spread = nullptr;
    CastOptions options;
    CastMode mode = CastMode::NotChosen;
    // One entry per position laid so far, in position order.
    QList<ReadingCard> cards;

    // The chosen spread's key, as the records keep it; empty while none is chosen.
    QString spreadKey() const { return spread ? spread->name : QString(); }
    // The chosen spread's number of positions; 0 while none is chosen.
    int cardCount() const { return spread ? spread->cardCount() : 0; }
    int positionCount() const { return static_cast<int>(cards.size()); }
    bool isComplete() const { return spread && positionCount() >= cardCount(); }
    // The card indices in position order.
    QList<int> cardIndices() const
    {
        QList<int> indices;
        indices.reserve(cards.size());
        for (const ReadingCard& card : cards)
            indices.append(card.index);
        return indices;
    }
    // The indices of the reversed cards in position order.
    QList<int> reversedCardIndices() const
    {
        QList<int> indices;
        for (const ReadingCard& card : cards) {
            if (card.reversed)
                indices.append(card.index);
        }
        return indices;
    }

    // Opening the spread selection screen starts a new cast: the querent stays, everything of the cast goes.
    void resetForNewCast()
    {
        spread = nullptr;
        options = {};
        mode = CastMode::NotChosen;
        cards.clear();
        creationDate.clear();
        creationTime.clear();
    }

    // Start Again forgets how the cards lay; the other fields wait for the next reading.
    void resetForStartAgain()
    {
        for (ReadingCard& card : cards)
            card.reversed = false;
    }
};

} // namespace quillmere
