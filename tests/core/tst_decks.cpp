#include "FileHelpers.h"
#include "storage/DeckLibrary.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmere;
using namespace Qt::StringLiterals;

namespace {

// The library judges a deck by its file names; the pictures' content is the card tables' business.
void makeDeck(const QString& folder, const QString& pattern, const QList<int>& leaveOut = {})
{
    QVERIFY(QDir().mkpath(folder));
    for (int i = 0; i < kDeckSize; ++i) {
        if (!leaveOut.contains(i))
            writeFile(folder + u'/' + pattern.arg(i), "picture");
    }
}

QStringList idsOf(const DeckLibrary& library)
{
    QStringList ids;
    for (const DeckFolder& deck : library.decks())
        ids.append(deck.id);
    return ids;
}

} // namespace

// Which decks a user can choose from and which one they get: built-in decks among the program's files, the user's
// folders in the data folder, and the old layout's cards folder.
class TestDecks : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    QString at(const QString& relative) const { return m_dir->filePath(relative); }
    // An installed program with both built-in decks, as the build stages them, and an empty data folder.
    AppFolder installed()
    {
        for (const QString& id : {QString(kEmblemDeckId), QString(kClassicDeckId)}) {
            makeDeck(at(u"share/decks/"_s + id), u"r%1.jpg"_s);
            makeDeck(at(u"share/decks/"_s + id), u"r%1@2x.jpg"_s);
        }
        QDir().mkpath(at(u"data"_s));
        return AppFolder(at(u"data"_s), at(u"share"_s));
    }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    // A fresh install offers the two built-in decks, the classic one first and chosen.
    void aFreshInstallShowsTheClassicDeck()
    {
        const DeckLibrary library(installed());
        QCOMPARE(idsOf(library), (QStringList{u"classic-1909"_s, u"quillmere-emblems"_s}));
        QCOMPARE(library.decks()[0].name, u"Classic 1909"_s);
        QCOMPARE(library.decks()[1].name, u"Quillmere Emblems"_s);
        QVERIFY(library.defaultDeck());
        QCOMPARE(library.defaultDeck()->id, u"classic-1909"_s);
        QCOMPARE(library.resolve(QString())->id, u"classic-1909"_s);
        QCOMPARE(library.resolve(u"quillmere-emblems"_s)->id, u"quillmere-emblems"_s);
        // A choice that is gone (a deck removed, a settings file from elsewhere) falls back to the default.
        QCOMPARE(library.resolve(u"user:gone"_s)->id, u"classic-1909"_s);
        for (const DeckFolder& deck : library.decks()) {
            QVERIFY(deck.isUsable());
            QCOMPARE(deck.source, DeckFolder::Source::BuiltIn);
            QVERIFY(deck.back.isEmpty());
        }
    }

    // The file for a screen's density: the 2× picture above 1× where the deck has it, else the one there is.
    void picturesForEveryDensity_data()
    {
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<qreal>("ratio");
        QTest::addColumn<QString>("expected");
        const QStringList both{u"r%1.jpg"_s, u"r%1@2x.jpg"_s};
        QTest::newRow("1x") << both << 1.0 << u"r7.jpg"_s;
        QTest::newRow("1.25x") << both << 1.25 << u"r7@2x.jpg"_s;
        QTest::newRow("1.5x") << both << 1.5 << u"r7@2x.jpg"_s;
        QTest::newRow("2x") << both << 2.0 << u"r7@2x.jpg"_s;
        QTest::newRow("only 1x at 2x") << QStringList{u"r%1.jpg"_s} << 2.0 << u"r7.jpg"_s;
        QTest::newRow("only 2x at 1x") << QStringList{u"r%1@2x.png"_s} << 1.0 << u"r7@2x.png"_s;
        QTest::newRow("PNG") << QStringList{u"r%1.png"_s} << 1.0 << u"r7.png"_s;
        QTest::newRow("upper-case names") << QStringList{u"R%1.JPG"_s} << 1.0 << u"R7.JPG"_s;
        QTest::newRow("JPEG taken over PNG") << QStringList{u"r%1.png"_s, u"r%1.jpeg"_s} << 1.0 << u"r7.jpeg"_s;
    }
    void picturesForEveryDensity()
    {
        QFETCH(QStringList, patterns);
        QFETCH(qreal, ratio);
        QFETCH(QString, expected);
        for (const QString& pattern : patterns)
            makeDeck(at(u"deck"_s), pattern);
        const DeckFolder deck
            = DeckLibrary::readFolder(at(u"deck"_s), u"user:deck"_s, u"deck"_s, DeckFolder::Source::User);
        QVERIFY(deck.isUsable());
        QCOMPARE(deck.pictureFor(7, ratio), at(u"deck/"_s + expected));
        QVERIFY(deck.pictureFor(-1, ratio).isEmpty());
        QVERIFY(deck.pictureFor(kDeckSize, ratio).isEmpty());
    }

    // The user's folders come after the built-in decks, by name; one with every picture can be chosen, one that
    // lacks pictures is listed with what it lacks and is never chosen, not even when the settings name it.
    void theUsersDecks()
    {
        const AppFolder folder = installed();
        makeDeck(at(u"data/decks/Marseille"_s), u"r%1.png"_s);
        writeFile(at(u"data/decks/Marseille/back.png"_s), "back");
        makeDeck(at(u"data/decks/broken"_s), u"r%1.jpg"_s, {5, 17, 40});
        // Names that are not card pictures count for nothing.
        writeFile(at(u"data/decks/broken/r5.gif"_s), "gif");
        writeFile(at(u"data/decks/broken/r017.jpg"_s), "padded");
        writeFile(at(u"data/decks/broken/r78.jpg"_s), "past the deck");
        writeFile(at(u"data/decks/broken/notes.txt"_s), "notes");
        makeDeck(at(u"data/decks/almost/deeper"_s), u"r%1.jpg"_s);
        writeFile(at(u"data/decks/a file"_s), "not a folder");

        const DeckLibrary library(folder);
        QCOMPARE(idsOf(library),
                 (QStringList{u"classic-1909"_s, u"quillmere-emblems"_s, u"user:almost"_s, u"user:broken"_s,
                              u"user:Marseille"_s}));
        const DeckFolder* own = library.find(u"user:Marseille"_s);
        QVERIFY(own && own->isUsable());
        QCOMPARE(own->name, u"Marseille"_s);
        QCOMPARE(own->source, DeckFolder::Source::User);
        QCOMPARE(own->back, at(u"data/decks/Marseille/back.png"_s));
        QCOMPARE(library.resolve(u"user:Marseille"_s), own);

        const DeckFolder* broken = library.find(u"user:broken"_s);
        QVERIFY(broken && !broken->isUsable());
        QCOMPARE(broken->missing, (QStringList{u"r5"_s, u"r17"_s, u"r40"_s}));
        QCOMPARE(broken->whyUnusable(), u"missing r5, r17\u2026"_s);
        QCOMPARE(library.resolve(u"user:broken"_s)->id, u"classic-1909"_s);
        // Pictures one folder too deep are not the deck's.
        QCOMPARE(library.find(u"user:almost"_s)->missing.size(), kDeckSize);
        QCOMPARE(library.find(u"user:almost"_s)->whyUnusable(), u"missing r0, r1\u2026"_s);
        QVERIFY(own->whyUnusable().isEmpty());
    }

    // A user who put pictures into cards/ under the old layout still sees them: the folder is a deck and their
    // default, shown as it always was (a missing picture leaves its box empty). Choosing another deck holds.
    void theOldCardsFolder_data()
    {
        QTest::addColumn<QList<int>>("leftOut");
        QTest::newRow("complete") << QList<int>{};
        QTest::newRow("some pictures missing") << QList<int>{3, 70};
    }
    void theOldCardsFolder()
    {
        QFETCH(QList<int>, leftOut);
        const AppFolder folder = installed();
        makeDeck(folder.cardsFolder(), u"r%1.jpg"_s, leftOut);
        const DeckLibrary library(folder);
        QCOMPARE(idsOf(library), (QStringList{u"classic-1909"_s, u"quillmere-emblems"_s, u"cards"_s}));
        const DeckFolder* cards = library.find(u"cards"_s);
        QCOMPARE(cards->source, DeckFolder::Source::OldCardsFolder);
        QVERIFY(cards->isUsable());
        QCOMPARE(cards->missing.size(), leftOut.size());
        QCOMPARE(library.defaultDeck(), cards);
        QCOMPARE(library.resolve(QString()), cards);
        QCOMPARE(library.resolve(u"classic-1909"_s)->id, u"classic-1909"_s);
    }

    // An empty cards folder (or a file of that name, which the start-up check accepts) is no deck.
    void anEmptyCardsFolderIsNoDeck()
    {
        const AppFolder folder = installed();
        QVERIFY(QDir().mkpath(folder.cardsFolder()));
        QCOMPARE(idsOf(DeckLibrary(folder)), (QStringList{u"classic-1909"_s, u"quillmere-emblems"_s}));
        QVERIFY(QDir().rmdir(folder.cardsFolder()));
        writeFile(folder.cardsFolder(), "a file");
        QCOMPARE(DeckLibrary(folder).defaultDeck()->id, u"classic-1909"_s);
    }

    // A portable folder keeps the program's decks and the user's in one decks folder: the program's are known by
    // name, every other is the user's.
    void aPortableFolderSharesItsDecksFolder()
    {
        makeDeck(at(u"app/decks/classic-1909"_s), u"r%1.jpg"_s);
        makeDeck(at(u"app/decks/mine"_s), u"r%1.jpg"_s);
        const DeckLibrary library{AppFolder(at(u"app"_s))};
        QCOMPARE(idsOf(library), (QStringList{u"classic-1909"_s, u"user:mine"_s}));
        QCOMPARE(library.find(u"classic-1909"_s)->source, DeckFolder::Source::BuiltIn);
        QCOMPARE(library.find(u"user:mine"_s)->source, DeckFolder::Source::User);
    }

    // Without any deck nothing can be chosen, and the tables show empty boxes.
    void noDeckAtAll()
    {
        const DeckLibrary library{AppFolder(at(u"empty"_s))};
        QVERIFY(library.decks().isEmpty());
        QVERIFY(!library.defaultDeck());
        QVERIFY(!library.resolve(u"classic-1909"_s));
    }

    // A built-in deck the build staged incompletely is not offered as the default.
    void anIncompleteBuiltInDeckIsPassedOver()
    {
        makeDeck(at(u"share/decks/classic-1909"_s), u"r%1.jpg"_s, {77});
        makeDeck(at(u"share/decks/quillmere-emblems"_s), u"r%1.jpg"_s);
        const DeckLibrary library(AppFolder(at(u"data"_s), at(u"share"_s)));
        QCOMPARE(library.defaultDeck()->id, u"quillmere-emblems"_s);
        QCOMPARE(library.find(u"classic-1909"_s)->whyUnusable(), u"missing r77"_s);
    }
};

QTEST_GUILESS_MAIN(TestDecks)
#include "tst_decks.moc"
