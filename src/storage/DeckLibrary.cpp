#include "storage/DeckLibrary.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <algorithm>
#include <optional>

namespace quillmere {

namespace {

// At most this many missing pictures are named in the menu; the rest are an ellipsis.
constexpr int kMissingNamed = 2;

struct BuiltInName
{
    QLatin1StringView id;
    QLatin1StringView name;
};
// The order and names of the decks that come with the program.
constexpr BuiltInName kBuiltInNames[] = {
    {kClassicDeckId, QLatin1StringView("Classic 1909")},
    {kEmblemDeckId, QLatin1StringView("Quillmere Emblems")},
};

int builtInRank(const QString& id)
{
    for (int i = 0; i < int(std::size(kBuiltInNames)); ++i) {
        if (id == kBuiltInNames[i].id)
            return i;
    }
    return int(std::size(kBuiltInNames));
}

QString builtInName(const QString& id)
{
    const int rank = builtInRank(id);
    return rank < int(std::size(kBuiltInNames)) ? QString(kBuiltInNames[rank].name) : id;
}

struct PictureName
{
    int index;
    bool twice;
    bool png;
};

// "r12.jpg", "R12@2x.PNG": the card index, whether it is the 2x picture and whether it is PNG.
std::optional<PictureName> parsePictureName(QStringView name)
{
    if (name.size() < 6 || (name[0] != u'r' && name[0] != u'R'))
        return std::nullopt;
    qsizetype at = 1;
    int index = 0;
    while (at < name.size() && at <= 2 && name[at].isDigit()) {
        index = index * 10 + name[at].digitValue();
        ++at;
    }
    // One or two digits, no leading zero, inside the deck.
    if (at == 1 || (at == 3 && name[1] == u'0') || !Deck::isValidIndex(index))
        return std::nullopt;
    const bool twice = name.mid(at).startsWith(u"@2x", Qt::CaseInsensitive);
    if (twice)
        at += 3;
    const QStringView extension = name.mid(at);
    const bool png = extension.compare(u".png", Qt::CaseInsensitive) == 0;
    if (!png && extension.compare(u".jpg", Qt::CaseInsensitive) != 0
        && extension.compare(u".jpeg", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return PictureName{index, twice, png};
}

QStringList subfolders(const QString& path)
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

} // namespace

QString DeckFolder::pictureFor(int cardIndex, qreal devicePixelRatio) const
{
    if (!Deck::isValidIndex(cardIndex))
        return {};
    const auto at = static_cast<std::size_t>(cardIndex);
    if (devicePixelRatio > 1 && !largePictures[at].isEmpty())
        return largePictures[at];
    return pictures[at].isEmpty() ? largePictures[at] : pictures[at];
}

QString DeckFolder::whyUnusable() const
{
    if (isUsable())
        return {};
    const QStringList named = missing.mid(0, kMissingNamed);
    QString text = QStringLiteral("missing ") + named.join(QStringLiteral(", "));
    if (missing.size() > kMissingNamed)
        text += QStringLiteral("\u2026");
    return text;
}

DeckFolder DeckLibrary::readFolder(const QString& path, QString id, QString name, DeckFolder::Source source)
{
    DeckFolder deck;
    deck.id = std::move(id);
    deck.name = std::move(name);
    deck.source = source;
    deck.path = QDir::cleanPath(path);

    // One listing instead of a look-up per card: rN.jpg, rN.jpeg or rN.png, and rN@2x beside them, in any letter case.
    // Read by hand: this runs at every start and every cast, and a pattern costs more than the listing itself.
    QDirIterator entries(deck.path, QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        const QString file = entries.fileName();
        if (file.compare(QLatin1String("back.png"), Qt::CaseInsensitive) == 0) {
            deck.back = entries.filePath();
            continue;
        }
        const std::optional<PictureName> picture = parsePictureName(file);
        if (!picture)
            continue;
        QString& slot = (picture->twice ? deck.largePictures : deck.pictures)[std::size_t(picture->index)];
        // Where a card has both, the JPEG is taken: it is what the program itself ships.
        if (slot.isEmpty() || !picture->png)
            slot = entries.filePath();
    }
    for (int i = 0; i < kDeckSize; ++i) {
        if (deck.pictures[std::size_t(i)].isEmpty() && deck.largePictures[std::size_t(i)].isEmpty())
            deck.missing.append(QStringLiteral("r%1").arg(i));
    }
    return deck;
}

DeckLibrary::DeckLibrary(const AppFolder& folder)
{
    // In a portable folder the program's decks and the user's share one decks folder: the known ones are the
    // program's, any other is the user's.
    QList<DeckFolder> builtIn;
    QList<DeckFolder> user;
    const QString builtInFolder = folder.builtInDecksFolder();
    const bool shared = QDir::cleanPath(builtInFolder) == QDir::cleanPath(folder.userDecksFolder());
    for (const QString& name : subfolders(builtInFolder)) {
        const bool known = builtInRank(name) < int(std::size(kBuiltInNames));
        const QString path = builtInFolder + QLatin1Char('/') + name;
        if (shared && !known)
            user.append(readFolder(path, QStringLiteral("user:") + name, name, DeckFolder::Source::User));
        else
            builtIn.append(readFolder(path, name, builtInName(name), DeckFolder::Source::BuiltIn));
    }
    if (!shared) {
        for (const QString& name : subfolders(folder.userDecksFolder())) {
            user.append(readFolder(folder.userDecksFolder() + QLatin1Char('/') + name, QStringLiteral("user:") + name,
                                   name, DeckFolder::Source::User));
        }
    }
    std::stable_sort(builtIn.begin(), builtIn.end(),
                     [](const DeckFolder& a, const DeckFolder& b) { return builtInRank(a.id) < builtInRank(b.id); });
    m_decks = builtIn;

    // The old layout: pictures the user put into cards/ in the data folder.
    DeckFolder oldCards = readFolder(folder.cardsFolder(), QString(kOldCardsDeckId), QStringLiteral("My Cards Folder"),
                                     DeckFolder::Source::OldCardsFolder);
    if (oldCards.hasAnyPicture())
        m_decks.append(oldCards);
    m_decks.append(user);
}

const DeckFolder* DeckLibrary::find(const QString& id) const
{
    for (const DeckFolder& deck : m_decks) {
        if (deck.id == id)
            return &deck;
    }
    return nullptr;
}

const DeckFolder* DeckLibrary::defaultDeck() const
{
    for (const QLatin1StringView id : {kOldCardsDeckId, kClassicDeckId}) {
        if (const DeckFolder* deck = find(QString(id)); deck && deck->isUsable())
            return deck;
    }
    for (const DeckFolder& deck : m_decks) {
        if (deck.isUsable())
            return &deck;
    }
    return nullptr;
}

const DeckFolder* DeckLibrary::resolve(const QString& chosenId) const
{
    if (const DeckFolder* deck = find(chosenId); deck && deck->isUsable())
        return deck;
    return defaultDeck();
}

} // namespace quillmere
