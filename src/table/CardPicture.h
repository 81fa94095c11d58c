#pragma once

#include "handout/CardImages.h"
#include "storage/AppFolder.h"
#include "storage/DeckLibrary.h"

#include <QImage>
#include <QSize>

namespace quillmere {

// The size of an empty card box, before a picture sizes it: 1200 × 500 twips.
QSize emptyCardBoxSize();

class ProgramSettings;
struct AppContext;

// Where the settings keep the id of the chosen deck (DeckFolder::id).
inline constexpr QLatin1StringView kChosenDeckKey{"deck/chosen"};

// The deck the card tables show: the one chosen in the settings while it is there and complete, else the
// folder's default (DeckLibrary::defaultDeck). A deck without pictures when the folder has none to offer.
DeckFolder chosenDeck(const AppFolder& folder, const ProgramSettings* settings);
DeckFolder chosenDeck(const AppContext& context);
// Remembers the choice for the next start; false when the settings file could not be written.
bool rememberChosenDeck(ProgramSettings& settings, const QString& deckId);

// The card's picture from the folder's default deck at 1×, for code that knows the folder only.
QImage loadCardPicture(const AppFolder& folder, int cardIndex);

// The back every face-down card shows, at the given logical size for a screen of devicePixelRatio: the program's
// own back picture when it is built in, otherwise a plain drawn back.
QImage cardBackPicture(QSize size, qreal devicePixelRatio = 1);
// The deck's own back (back.png) fitted inside the size keeping its proportions and centred; the program's back
// when the deck has none or it cannot be read.
QImage deckBackPicture(const DeckFolder& deck, QSize size, qreal devicePixelRatio = 1);

} // namespace quillmere
