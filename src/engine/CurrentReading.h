#pragma once

#include "engine/CardList.h"

#include <QString>

namespace quillmere {

// The reading in progress: who it is for, how it is cast and which cards lie where. The application owns
// exactly one and hands it by reference to the screens, the draw, the composers and the record writer.
struct CurrentReading
{
    // Querent fields, stored as entered; the empty text means "not given".
    QString querentName;
    QString birthDate;
    QString question;
    // Set only when a saved reading is reopened; empty means "now" for the header.
    QString creationDate;
    QString creationTime;

    // Cast fields, copied from the spread selection screen.
    QString spreadName;
    int spreadIndex = 0;
    int cardCount = 0;
    bool minorOnly = false;
    bool majorOnly = false;
    bool reversalsAllowed = false;
    bool autoChosen = false;
    bool manualChosen = false;
    // A manual reading's card list has exactly cardCount entries; an automatic one has a spare last entry.
    bool manualMode = false;

    CardList drawnCards;
    CardList orientationFlags;
    CardList reversedCards;

    // The number of real positions in drawnCards: the spare entry of an automatic cast is not one.
    int positionCount() const
    {
        const int entries = drawnCards.size();
        return manualMode ? entries : (entries > 0 ? entries - 1 : 0);
    }

    // Opening the spread selection screen starts a new cast.
    void resetForNewCast()
    {
        manualMode = false;
        drawnCards.clear();
        reversedCards.clear();
        autoChosen = false;
        manualChosen = false;
        spreadName = QStringLiteral("-1");
        cardCount = -1;
        minorOnly = false;
        majorOnly = false;
        reversalsAllowed = false;
        creationDate.clear();
        creationTime.clear();
    }

    // Start Again forgets the orientation of the cards; the other fields wait for the next reading.
    void resetForStartAgain() { orientationFlags.clear(); }
};

} // namespace quillmere
