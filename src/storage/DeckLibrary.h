#pragma once

#include "content/Deck.h"
#include "storage/AppFolder.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace quillmere {

// The folder name of the classic deck among the built-in decks: the default on a fresh install.
inline constexpr QLatin1StringView kClassicDeckId{"classic-1909"};
// The folder name of the deck the build draws itself.
inline constexpr QLatin1StringView kEmblemDeckId{"quillmere-emblems"};
// The id of the old layout's cards folder in the user's data when it is listed as a deck.
inline constexpr QLatin1StringView kOldCardsDeckId{"cards"};

// One deck of card pictures: a folder holding r0 … r77 in card index order (JPEG or PNG), each perhaps also at
// twice the card size as rN@2x, and perhaps a back.png of its own.
struct DeckFolder
{
    enum class Source { BuiltIn, User, OldCardsFolder };

    // What the settings remember: a built-in deck's folder name, "user:NAME" for a user's deck, "cards" for the old
    // layout's folder.
    QString id;
    // The name the deck menu shows.
    QString name;
    Source source = Source::BuiltIn;
    QString path;
    // Per card index the picture at the card size and at twice it; empty where the folder has none.
    std::array<QString, kDeckSize> pictures;
    std::array<QString, kDeckSize> largePictures;
    // The deck's own back, empty when it has none.
    QString back;
    // The names of the cards it has no picture for, in index order ("r5").
    QStringList missing;

    // A deck can be chosen when it has every picture. The old cards folder is the exception: it is shown as it always
    // was, a missing picture leaving its box empty.
    bool isUsable() const { return missing.isEmpty() || (source == Source::OldCardsFolder && hasAnyPicture()); }
    bool hasAnyPicture() const { return missing.size() < kDeckSize; }
    // The best file for a screen of the given density: the larger picture above 1× where there is one, else the
    // other one. Empty for a card without a picture or an index outside the deck.
    QString pictureFor(int cardIndex, qreal devicePixelRatio) const;
    // Why the deck cannot be chosen, for the menu: "missing r5, r17…" (the first few only); empty when it can be.
    QString whyUnusable() const;
};

// The decks a user can choose from: the built-in ones among the program's files, the user's own folders under
// decks/ in the data folder, and the old layout's cards/ folder when the user put pictures there. Looks only;
// it never writes, so no install or build can change a user's deck.
class DeckLibrary
{
public:
    // Lists the decks of the application folder as they are now.
    explicit DeckLibrary(const AppFolder& folder);

    // Built-in decks first (the classic deck, then the drawn one, then any other), then the old cards folder, then the
    // user's decks by name.
    const QList<DeckFolder>& decks() const { return m_decks; }
    const DeckFolder* find(const QString& id) const;
    // What a user who chose nothing sees: the old cards folder when it holds pictures (so an old user keeps their
    // cards), else the classic deck, else the first deck that can be chosen; nullptr when none can.
    const DeckFolder* defaultDeck() const;
    // The deck chosen under id when it is still there and can be chosen, otherwise the default.
    const DeckFolder* resolve(const QString& chosenId) const;

    // Reads one folder as a deck; every card is missing when it is no folder.
    static DeckFolder readFolder(const QString& path, QString id, QString name, DeckFolder::Source source);

private:
    QList<DeckFolder> m_decks;
};

} // namespace quillmere
