#include "content/Deck.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace quillmere;

namespace {

// How a card is called inside the meaning texts.
QString nameInTexts(const QString& cardName)
{
    if (cardName == QLatin1String("Judgement"))
        return QStringLiteral("Judgment");
    if (cardName == QLatin1String("Wheel Fortune"))
        return QStringLiteral("Wheel");
    if (cardName.startsWith(QLatin1String("The ")))
        return cardName.mid(4);
    return cardName;
}

bool isPlainPrintableAscii(const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return true;
}

QString firstSentence(const QString& text)
{
    const qsizetype end = text.indexOf(QLatin1String(". "));
    return end < 0 ? text : text.left(end + 1);
}

const int kEightOfPentacles = 46;

} // namespace

class DeckTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void namesAtFixedIndices_data();
    void namesAtFixedIndices();
    void arcanaRanges();
    void everyTextHasTheRequiredForm_data();
    void everyTextHasTheRequiredForm();
    void hebrewLetterOfTheMajors_data();
    void hebrewLetterOfTheMajors();
    void quotedTextsAreExact();
    void lengthsAndUniqueness();
};

void DeckTest::namesAtFixedIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::newRow("first major") << 0 << QStringLiteral("Death");
    QTest::newRow("Judgement with the e") << 2 << QStringLiteral("Judgement");
    QTest::newRow("Fool") << 6 << QStringLiteral("The Fool");
    QTest::newRow("Wheel without of") << 21 << QStringLiteral("Wheel Fortune");
    QTest::newRow("first minor") << 22 << QStringLiteral("Two of Cups");
    QTest::newRow("no Two of Pentacles in the Two group") << 24 << QStringLiteral("Two of Wands");
    QTest::newRow("short texts") << 46 << QStringLiteral("Eight of Pentacles");
    QTest::newRow("Ace group") << 57 << QStringLiteral("Ace of Cups");
    QTest::newRow("Queen group ends") << 76 << QStringLiteral("Queen of Wands");
    QTest::newRow("last card") << 77 << QStringLiteral("Two of Pentacles");
}

void DeckTest::namesAtFixedIndices()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QCOMPARE(Deck::instance().name(index), name);
}

void DeckTest::arcanaRanges()
{
    QSet<QString> names;
    QMap<QString, int> cardsPerSuit;
    for (int i = 0; i < kDeckSize; ++i) {
        const QString name = Deck::instance().name(i);
        names.insert(name);
        if (Deck::isMajorArcana(i)) {
            QVERIFY2(!name.contains(QLatin1String(" of ")), qPrintable(name));
        } else {
            QVERIFY2(name.contains(QLatin1String(" of ")), qPrintable(name));
            ++cardsPerSuit[name.section(QLatin1String(" of "), 1)];
        }
    }
    QCOMPARE(names.size(), kDeckSize);
    QVERIFY(!Deck::isMajorArcana(kFirstMinorArcana));
    QVERIFY(Deck::isMajorArcana(kFirstMinorArcana - 1));
    const QMap<QString, int> expected{{QStringLiteral("Cups"), 14},
                                      {QStringLiteral("Pentacles"), 14},
                                      {QStringLiteral("Swords"), 14},
                                      {QStringLiteral("Wands"), 14}};
    QCOMPARE(cardsPerSuit, expected);
    QVERIFY(!Deck::isValidIndex(-1));
    QVERIFY(!Deck::isValidIndex(kDeckSize));
}

void DeckTest::everyTextHasTheRequiredForm_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kDeckSize; ++i)
        QTest::newRow(qPrintable(Deck::instance().name(i))) << i;
}

void DeckTest::everyTextHasTheRequiredForm()
{
    QFETCH(int, index);
    const Card& card = Deck::instance().card(index);
    for (const QString* text : {&card.uprightMeaning, &card.reversedMeaning}) {
        QVERIFY2(isPlainPrintableAscii(*text), qPrintable(*text));
        QVERIFY2(text->size() >= 196 && text->size() <= 854, qPrintable(QString::number(text->size())));
        QVERIFY2(*text == text->trimmed(), "no leading or trailing blanks");
    }
    if (index == kEightOfPentacles)
        return;

    const QString name = nameInTexts(card.name);
    const QString uprightOpening = card.uprightMeaning.left(100);
    const QString reversedOpening = card.reversedMeaning.left(120);
    if (card.name == QLatin1String("The Fool")) {
        QVERIFY(card.uprightMeaning.startsWith(
            QLatin1String("Related to Aleph, the Hebrew letter which means Ox, Fool upright")));
    } else if (card.name == QLatin1String("The Magician")) {
        QVERIFY(card.uprightMeaning.startsWith(
            QLatin1String("Related to Beth, the Hebrew letter which means House, upright")));
    } else {
        QVERIFY2(uprightOpening.contains(name), qPrintable(uprightOpening));
        QVERIFY2(uprightOpening.contains(QLatin1String("upright")), qPrintable(uprightOpening));
    }
    if (card.name == QLatin1String("The Magician")) {
        QVERIFY(card.reversedMeaning.startsWith(QLatin1String("In its reversed position, Magician signifies")));
    } else {
        QVERIFY2(reversedOpening.contains(name), qPrintable(reversedOpening));
        QVERIFY2(reversedOpening.contains(QLatin1String("in the reversed position"), Qt::CaseInsensitive),
                 qPrintable(reversedOpening));
    }
    // The majors are called without "The" and Judgement is spelled Judgment in the texts.
    if (card.name.startsWith(QLatin1String("The ")))
        QVERIFY(!card.uprightMeaning.startsWith(card.name + QLatin1Char(' ')));
    if (card.name == QLatin1String("Judgement"))
        QVERIFY(!card.uprightMeaning.contains(QLatin1String("Judgement")));
}

void DeckTest::hebrewLetterOfTheMajors_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("letter");
    const std::pair<const char*, const char*> letters[] = {
        {"The High Priestess", "Gimel"},
        {"The Empress", "Daleth"},
        {"The Emperor", "Heh"},
        {"The Hierophant", "Vav"},
        {"The Lovers", "Zain"},
        {"The Chariot", "Cheth"},
        {"Strength", "Teth"},
        {"The Hermit", "Yod"},
        {"Wheel Fortune", "Kaph"},
        {"Justice", "Lamed"},
        {"The Hanged Man", "Mem"},
        {"Death", "Nun"},
        {"Temperance", "Samekh"},
        {"The Devil", "Ayin"},
        {"The Tower", "Peh"},
        {"The Star", "Tzaddi"},
        {"The Moon", "Qoph"},
        {"The Sun", "Resh"},
        {"Judgement", "Shin"},
        {"The World", "Tau"},
    };
    for (const auto& [card, letter] : letters)
        QTest::newRow(card) << QString::fromLatin1(card) << QString::fromLatin1(letter);
}

void DeckTest::hebrewLetterOfTheMajors()
{
    QFETCH(QString, card);
    QFETCH(QString, letter);
    int index = -1;
    for (int i = 0; i < kMajorArcanaCount; ++i) {
        if (Deck::instance().name(i) == card)
            index = i;
    }
    QVERIFY(index >= 0);
    const QString sentence = firstSentence(Deck::instance().card(index).uprightMeaning);
    const QRegularExpression form(QStringLiteral("has a connection with the Hebrew word %1 \\([A-Za-z -]+\\)")
                                      .arg(QRegularExpression::escape(letter)));
    QVERIFY2(form.match(sentence).hasMatch(), qPrintable(sentence));
}

void DeckTest::quotedTextsAreExact()
{
    QCOMPARE(
        Deck::instance().card(0).uprightMeaning,
        QStringLiteral(
            "Death upright has a connection with the Hebrew word Nun (Fish). The Death card is often misunderstood "
            "by most of the people. This card hardly ever stands for physical death. In fact, it symbolizes a "
            "powerful and new beginning of your life. A transformation will be there in your life as if it is a "
            "rebirth phase after death. Death upright stands for an end of something in your life that will kick off "
            "an immense change. Negative circumstances present till date in your life will give way to fresh and "
            "superior situations. However, you need to give off some of your old habits to take full advantage of "
            "this positive phase of your life. Also, don't force yourself to do anything that you feel isn't right."));
    const Card& eight = Deck::instance().card(kEightOfPentacles);
    QCOMPARE(eight.uprightMeaning,
             QStringLiteral("You may be learning a new trade. Only hard work will reap rewards. You will be employed "
                            "soon and you skill will be put to test. You should not halt with you work but continue "
                            "till it gives you results."));
    QCOMPARE(eight.reversedMeaning,
             QStringLiteral("Your energy may not be used for the right purpose. You dislike hard work and have no "
                            "ambitions in life. You may not be happy with your trade and not enjoy it. Your dealings "
                            "may not be transparent."));
    // The only texts that name neither their card nor their orientation.
    for (const QString* text : {&eight.uprightMeaning, &eight.reversedMeaning}) {
        QVERIFY(!text->contains(QLatin1String("Eight")));
        QVERIFY(!text->contains(QLatin1String("upright")));
        QVERIFY(!text->contains(QLatin1String("reversed")));
    }
}

void DeckTest::lengthsAndUniqueness()
{
    QSet<QString> texts;
    qsizetype total = 0;
    for (int i = 0; i < kDeckSize; ++i) {
        const Card& card = Deck::instance().card(i);
        texts.insert(card.uprightMeaning);
        texts.insert(card.reversedMeaning);
        total += card.uprightMeaning.size() + card.reversedMeaning.size();
    }
    QCOMPARE(texts.size(), 2 * kDeckSize);
    const double average = double(total) / (2 * kDeckSize);
    QVERIFY2(average >= 500 && average <= 700, qPrintable(QString::number(average)));
}

QTEST_GUILESS_MAIN(DeckTest)
#include "tst_deck.moc"
