#include "content/SpreadCatalogue.h"

#include <QTest>

using namespace quillmere;

class SpreadCatalogueTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void catalogueOrder_data();
    void catalogueOrder();
    void keysAreExact_data();
    void keysAreExact();
    void positionTexts_data();
    void positionTexts();
    void panelTexts_data();
    void panelTexts();
    void tableSizesFollowTheGeometry();
    void crossingCard();
};

void SpreadCatalogueTest::catalogueOrder_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("headerTitle");
    QTest::addColumn<QString>("picture");
    QTest::newRow("0") << 0 << "Celtic Cross" << 10 << "Spread Type - Celtic Cross Spread"
                       << "pic/c0.jpg";
    QTest::newRow("1") << 1 << "One Card" << 1 << "Spread Type - One Card"
                       << "pic/c1.jpg";
    QTest::newRow("2") << 2 << "Two Cards" << 2 << "Spread Type - Two Cards"
                       << "pic/c2.jpg";
    QTest::newRow("3") << 3 << "Three Cards" << 3 << "Spread Type - Three Cards"
                       << "pic/c3.jpg";
    QTest::newRow("4") << 4 << "Eliphas Levy Wheel Spread(Guiley)" << 5
                       << "Spread Type - Eliphas Levy Wheel Spread(Guiley)"
                       << "pic/c4.jpg";
    QTest::newRow("5") << 5 << "The Line Spread" << 5 << "Spread Type - The Line Spread"
                       << "pic/c5.jpg";
    QTest::newRow("6 Spread, not Layout")
        << 6 << "Seven Card Chakra Layout" << 7 << "Spread Type - Seven Card Chakra Spread"
        << "pic/c6.jpg";
    QTest::newRow("7") << 7 << "Four Seasons Spread(Cortese/Reed)" << 8 << "Spread Type - Four Seasons Spread"
                       << "pic/c7.jpg";
}

void SpreadCatalogueTest::catalogueOrder()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, cards);
    QFETCH(QString, headerTitle);
    QFETCH(QString, picture);
    const SpreadCatalogue& catalogue = SpreadCatalogue::instance();
    QCOMPARE(catalogue.count(), 8);
    const Spread* spread = catalogue.at(index);
    QVERIFY(spread);
    QCOMPARE(spread->index, index);
    QCOMPARE(spread->name, name);
    QCOMPARE(spread->cardCount(), cards);
    QCOMPARE(spread->headerTitle, headerTitle);
    QCOMPARE(spread->picturePath(), picture);
    QCOMPARE(catalogue.byKey(name), spread);
}

void SpreadCatalogueTest::keysAreExact_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("lower case") << "celtic cross";
    QTest::newRow("trailing blank") << "Celtic Cross ";
    QTest::newRow("leading blank") << " One Card";
    QTest::newRow("space before bracket") << "Eliphas Levy Wheel Spread (Guiley)";
    QTest::newRow("reset marker") << "-1";
    QTest::newRow("empty") << "";
}

void SpreadCatalogueTest::keysAreExact()
{
    QFETCH(QString, key);
    QCOMPARE(SpreadCatalogue::instance().byKey(key), nullptr);
    QVERIFY(!positionPanelText(key, u"0"));
    QVERIFY(!SpreadCatalogue::instance().at(-1));
    QVERIFY(!SpreadCatalogue::instance().at(8));
}

void SpreadCatalogueTest::positionTexts_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("meaning");
    QTest::addColumn<bool>("sameLine");
    QTest::newRow("One Card: two spaces after the colon")
        << "One Card" << 0 << "Card 1:  "
        << "This represents the most important factor that affects the issue in hand." << true;
    QTest::newRow("Two Cards: one space, shared meaning")
        << "Two Cards" << 1 << "Card 2: "
        << "This card signifies what can happen if you carry out the solution that this card represents." << true;
    QTest::newRow("Line Spread title ends with dash") << "The Line Spread" << 2 << "Card 3 - "
                                                      << "This card represents the present." << true;
    QTest::newRow("Four Seasons: no space in (Card5)") << "Four Seasons Spread(Cortese/Reed)" << 3 << "Card 4"
                                                       << "This card alters the next card (Card5)" << false;
    QTest::newRow("Four Seasons: full stop after Card 1") << "Four Seasons Spread(Cortese/Reed)" << 7 << "Card 8"
                                                          << "This card alters Card 1." << false;
    QTest::newRow("Four Seasons: no full stop") << "Four Seasons Spread(Cortese/Reed)" << 5 << "Card 6"
                                                << "This card modifies the next card (Card 7)" << false;
    QTest::newRow("Chakra throat: two spaces")
        << "Seven Card Chakra Layout" << 4 << "Card 5 - The Throat"
        << "This relates to the querent's thirst to know 'who he is', 'what does he want' and 'who would he like to "
           "be'.  This shows how you can connect to your ideas and communicate."
        << false;
    QTest::newRow("Celtic Cross uses a colon") << "Celtic Cross" << 9 << "Card 10: The Outcome"
                                               << "This represents the final outcome of the situation." << false;
}

void SpreadCatalogueTest::positionTexts()
{
    QFETCH(QString, spread);
    QFETCH(int, position);
    QFETCH(QString, title);
    QFETCH(QString, meaning);
    QFETCH(bool, sameLine);
    const Spread* found = SpreadCatalogue::instance().byKey(spread);
    QVERIFY(found);
    const SpreadPosition* place = found->position(position);
    QVERIFY(place);
    QCOMPARE(place->title, title);
    QCOMPARE(place->meaning, meaning);
    QCOMPARE(found->layout == PositionLayout::SameLine, sameLine);
    QVERIFY(!found->position(found->cardCount()));
    QVERIFY(!found->position(-1));
}

void SpreadCatalogueTest::panelTexts_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("present");
    QTest::newRow("Three Cards 1")
        << "Three Cards"
        << "1"
        << "Card 2 - Present\r\nThis card represents the present state surrounding some current event or situation. "
           "This may also be the problems and obstacles that the person may have to face."
        << true;
    QTest::newRow("One Card 0: one line, two blanks")
        << "One Card"
        << "0"
        << "Card 1:  This represents the most important factor that affects the issue in hand." << true;
    QTest::newRow("Line Spread 4") << "The Line Spread"
                                   << "4"
                                   << "Card 5 - This card represents the distant future." << true;
    QTest::newRow("Four Seasons 1") << "Four Seasons Spread(Cortese/Reed)"
                                    << "1"
                                    << "Card 2\r\nThis card alters the next card (Card 3)" << true;
    QTest::newRow("Celtic Cross 10 is beyond") << "Celtic Cross"
                                               << "10"
                                               << "" << false;
    QTest::newRow("Celtic Cross 9") << "Celtic Cross"
                                    << "9"
                                    << "Card 10: The Outcome\r\nThis represents the final outcome of the situation."
                                    << true;
    QTest::newRow("capitals differ") << "one card"
                                     << "0"
                                     << "" << false;
    QTest::newRow("surrounding blanks") << " One Card "
                                        << "0"
                                        << "" << false;
    QTest::newRow("not a number") << "One Card"
                                  << "x"
                                  << "" << false;
}

void SpreadCatalogueTest::panelTexts()
{
    QFETCH(QString, spread);
    QFETCH(QString, argument);
    QFETCH(QString, expected);
    QFETCH(bool, present);
    const std::optional<QString> text = positionPanelText(spread, argument);
    QCOMPARE(text.has_value(), present);
    if (present)
        QCOMPARE(*text, expected);
}

void SpreadCatalogueTest::tableSizesFollowTheGeometry()
{
    const QList<std::pair<QString, TwipsSize>> sizes = {
        {QStringLiteral("One Card"), {7200, 6300}},
        {QStringLiteral("Two Cards"), {8400, 6300}},
        {QStringLiteral("Three Cards"), {8800, 6300}},
        {QStringLiteral("Eliphas Levy Wheel Spread(Guiley)"), {11100, 6300}},
        {QStringLiteral("The Line Spread"), {9400, 11400}},
        {QStringLiteral("Seven Card Chakra Layout"), {6700, 26400}},
        {QStringLiteral("Four Seasons Spread(Cortese/Reed)"), {11100, 19000}},
        {QStringLiteral("Celtic Cross"), {11000, 15100}},
    };
    for (const auto& [key, size] : sizes) {
        const Spread* spread = SpreadCatalogue::instance().byKey(key);
        QVERIFY(spread);
        QList<TwipsPoint> places;
        for (const SpreadPosition& position : spread->positions)
            places.append(position.place);
        QCOMPARE(spread->tableSize, size);
        QCOMPARE(cardTableSize(spread, places), size);
        QCOMPARE(spread->tableSizeFor(places), size);
    }
    // The ten-card table keeps its size wherever its boxes lie.
    const Spread* celtic = SpreadCatalogue::instance().byKey(u"Celtic Cross");
    QCOMPARE(cardTableSize(celtic, {}), (TwipsSize{11000, 15100}));
    QCOMPARE(cardTableSize(celtic, {{20000, 20000}}), (TwipsSize{11000, 15100}));
    // Without a spread the table reaches past its farthest box.
    QCOMPARE(cardTableSize(nullptr, {{100, 200}, {300, 50}}), (TwipsSize{2500, 4000}));
}

void SpreadCatalogueTest::crossingCard()
{
    QVERIFY(isCrossingCard(u"Celtic Cross", 1));
    QVERIFY(!isCrossingCard(u"Celtic Cross", 0));
    QVERIFY(!isCrossingCard(u"Two Cards", 1));
    QVERIFY(!isCrossingCard(u"celtic cross", 1));
}

QTEST_GUILESS_MAIN(SpreadCatalogueTest)
#include "tst_spreads.moc"
