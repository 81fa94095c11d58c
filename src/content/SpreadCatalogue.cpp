#include "content/SpreadCatalogue.h"

#include <QRegularExpression>
#include <algorithm>

namespace quillmere {

namespace {

struct PositionData
{
    const char* title;
    const char* meaning;
    TwipsPoint place;
};

// "The Root" of "Card 3: The Root"; empty for "Card 2" or "Card 1 - ".
QString withoutCardNumber(const QString& title)
{
    static const QRegularExpression cardNumber(QStringLiteral("^Card\\s+\\d+\\s*[:\\-]?\\s*"));
    return QString(title).remove(cardNumber).trimmed();
}

Spread makeSpread(int index, const char* name, const char* headerTitle, const char* description, PositionLayout layout,
                  std::initializer_list<PositionData> positions, TwipsSize tableSize,
                  DescriptionLayout descriptionLayout = DescriptionLayout::Follows)
{
    Spread spread;
    spread.index = index;
    spread.name = QString::fromLatin1(name);
    spread.headerTitle = QString::fromLatin1(headerTitle);
    spread.description = QString::fromLatin1(description);
    spread.layout = layout;
    spread.descriptionLayout = descriptionLayout;
    for (const PositionData& position : positions) {
        const QString title = QString::fromLatin1(position.title);
        spread.positions.append(
            {title, QString::fromLatin1(position.meaning), position.place, withoutCardNumber(title), QString()});
    }
    spread.tableSize = tableSize;
    return spread;
}

// The Celtic Cross's crossing card lies across the first and is never reversed; its table keeps one size. While
// its cards are laid by hand, the panel names the next position only: the crossing card by its number with its
// name below, each card to the eighth by its title, and the last two together.
Spread withCelticCrossRules(Spread spread)
{
    spread.crossingPosition = kCrossingCardPosition;
    spread.fixedTableSize = true;
    QList<SpreadPosition>& positions = spread.positions;
    const qsizetype last = positions.size() - 1;
    for (qsizetype k = 1; k <= last; ++k)
        positions[k].layingText = positions[k].title;
    SpreadPosition& crossing = positions[kCrossingCardPosition];
    crossing.layingText = QString(crossing.title).replace(QStringLiteral(": "), QStringLiteral("\r\n\r\n"));
    const QString lastTwo = positions[last - 1].title + QStringLiteral("\r\n") + positions[last].title;
    positions[last - 1].layingText = lastTwo;
    positions[last].layingText = lastTwo;
    return spread;
}

const char* const kTwoCardsMeaning
    = "This card signifies what can happen if you carry out the solution that this card represents.";

} // namespace

QString Spread::picturePath() const
{
    return QStringLiteral("pic/c%1.jpg").arg(index);
}

const SpreadPosition* Spread::position(int p) const
{
    return p >= 0 && p < positions.size() ? &positions[p] : nullptr;
}

std::optional<QString> Spread::panelText(int p) const
{
    const SpreadPosition* place = position(p);
    if (!place)
        return std::nullopt;
    if (layout == PositionLayout::SameLine)
        return place->title + place->meaning;
    return place->title + QStringLiteral("\r\n") + place->meaning;
}

TwipsSize Spread::tableSizeFor(const QList<TwipsPoint>& boxPlaces) const
{
    return cardTableSize(this, boxPlaces);
}

SpreadCatalogue::SpreadCatalogue(QList<Spread> spreads)
    : m_spreads(std::move(spreads))
{ }

QList<Spread> SpreadCatalogue::builtInSpreads()
{
    using enum PositionLayout;
    using enum DescriptionLayout;
    return {
        withCelticCrossRules(makeSpread(
            0, "Celtic Cross", "Spread Type - Celtic Cross Spread",
            "This is one of the most common spreads. This is also known as the Grand Cross spread. This spread "
            "provides a very detailed reading of the past and present situation and the external influences. There "
            "are four cards in a row along the side with a cross in the centre. This is a somewhat complex spread and "
            "needs expertise.",
            NextLine,
            {
                {"Card 1: The Covering",
                 "This represents the overall events, situations or influences surrounding the present question.",
                 {3200, 3700}},
                {"Card 2: The Crossing",
                 "This represents the current problems, challenges and negative influences that the querent has to "
                 "face.",
                 {2300, 4200}},
                {"Card 3: The Root",
                 "This represents what was the actual reason for the problem to occur or how the querent feels about "
                 "it subconsciously.",
                 {3200, 7500}},
                {"Card 4: The Past",
                 "This represents events that have occurred in the near past that are going away.",
                 {100, 3700}},
                {"Card 5: The Crown",
                 "This signifies the querent's knowledge of the present situation and the influences affecting it.",
                 {3200, 0}},
                {"Card 6: The Future", "This represents events that will occur in the near future.", {6200, 3700}},
                {"Card 7: The Questioner",
                 "This represents the attitude of the querent and the negative feelings he may have regarding the "
                 "question.",
                 {8500, 11300}},
                {"Card 8: The House",
                 "This represents the opinions and influences of friends and family.",
                 {8500, 7500}},
                {"Card 9: The Inside",
                 "This represents the querent's hopes and fears regarding the situation.",
                 {8500, 3700}},
                {"Card 10: The Outcome", "This represents the final outcome of the situation.", {8500, 0}},
            },
            {11000, 15100})),
        makeSpread(1, "One Card", "Spread Type - One Card",
                   "This is the simplest spread of all. This is generally used for daily and quick readings. This "
                   "spread is concise and good for a single issue. This can be highly exact depending on the "
                   "situation.",
                   SameLine,
                   {
                       {"Card 1:  ",
                        "This represents the most important factor that affects the issue in hand.",
                        {5000, 2500}},
                   },
                   {7200, 6300}, FollowsWithLineEnd),
        makeSpread(2, "Two Cards", "Spread Type - Two Cards",
                   "This spread needs certain knowledge before a reading is done. This may be used at times for a "
                   "yes/no reading or to know which of the two solutions is better. In a yes/no reading the 'yes' card "
                   "and the 'no' card are chosen in advance.",
                   SameLine,
                   {
                       {"Card 1: ", kTwoCardsMeaning, {4000, 2500}},
                       {"Card 2: ", kTwoCardsMeaning, {6200, 2500}},
                   },
                   {8400, 6300}, FollowsWithLineEnd),
        makeSpread(3, "Three Cards", "Spread Type - Three Cards",
                   "This spread is good for someone who wants know how his/her life will be in general. If a specific "
                   "question has been asked, then the cards will be interpreted with respect to the question.",
                   NextLine,
                   {
                       {"Card 1 - Past",
                        "This represents certain events in the past which have influenced the present condition. These "
                        "events are responsible for the current events surrounding the asked question or current "
                        "situation.",
                        {2200, 2500}},
                       {"Card 2 - Present",
                        "This card represents the present state surrounding some current event or situation. This may "
                        "also be the problems and obstacles that the person may have to face.",
                        {4400, 2500}},
                       {"Card 3 - Future",
                        "This card represents the future outcome of the present circumstances or events that may lead "
                        "to the outcome.",
                        {6600, 2500}},
                   },
                   {8800, 6300}, FollowsWithLineEnd),
        makeSpread(4, "Eliphas Levy Wheel Spread(Guiley)", "Spread Type - Eliphas Levy Wheel Spread(Guiley)",
                   "This layout is based on the Eliphas Levy Wheel. He did not invent this spread but this is based on "
                   "his tarot wheel.",
                   NextLine,
                   {
                       {"Card 1 - The Present",
                        "This card represents the current influences on the present situation or event.",
                        {8900, 2500}},
                       {"Card 2 - Waning Influences",
                        "This card represents the influences that have affected the event and have been overcome.",
                        {6700, 2500}},
                       {"Card 3 - Hidden or Unconscious Influences",
                        "This card represents hidden or unknown influences.",
                        {4500, 2500}},
                       {"Card 4 - Emerging Influences",
                        "This card represents new influences that may effect the situation.",
                        {2300, 2500}},
                       {"Card 5 - Synthesis",
                        "This represents the synthesis of the whole situation and the meaning of all the influences.",
                        {100, 2500}},
                   },
                   {11100, 6300}, AfterEmptyLine),
        makeSpread(5, "The Line Spread", "Spread Type - The Line Spread",
                   "All cards in this layout are in a straight horizontal line in a descending order. This spread "
                   "represents the past, present and future and used for quick readings. This is a very simple and "
                   "accurate spread which gives a very clear idea about the situation.",
                   SameLine,
                   {
                       {"Card 1 - ", "This card represents the distant past.", {5000, 3800}},
                       {"Card 2 - ", "This card represents the recent past.", {7200, 3800}},
                       {"Card 3 - ", "This card represents the present.", {5000, 7600}},
                       {"Card 4 - ", "This card represents the near future.", {2800, 3800}},
                       {"Card 5 - ", "This card represents the distant future.", {5000, 0}},
                   },
                   {9400, 11400}),
        makeSpread(
            6, "Seven Card Chakra Layout", "Spread Type - Seven Card Chakra Spread",
            "This is a more meditative spread. This gives a clear idea of what is flowing smoothly in the querent's "
            "body and which chakras are blocked or which need more attention. The layout is vertical representing the "
            "seven chakras in our body. It is read from bottom to top.  This spread is very useful for readings in "
            "which one wants to know more about oneself. Each card is associated with a chakra colour.",
            NextLine,
            {
                {"Card 1 - The Root",
                 "This card is associated with the physical condition of the querent and how he feels about himself "
                 "with respect to the material world in terms of work, power, passion, survival.",
                 {4500, 22600}},
                {"Card 2 - Sexual Center",
                 "This card represents the querent's emotions, desire, sexual passion, pleasure and self love.",
                 {4500, 18800}},
                {"Card 3 - Power Center",
                 "This card is associated with the querent's relation with honor, truth, ego, self confidence, power "
                 "and energy levels.",
                 {4500, 15000}},
                {"Card 4 - The Heart",
                 "This is related to feelings for others, compassion and relationship.",
                 {4500, 11200}},
                {"Card 5 - The Throat",
                 "This relates to the querent's thirst to know 'who he is', 'what does he want' and 'who would he like "
                 "to be'.  This shows how you can connect to your ideas and communicate.",
                 {4500, 7500}},
                {"Card 6 - The Third Eye",
                 "This represents the intuition, spiritual awareness, imagination, visualization and perception.",
                 {4500, 3800}},
                {"Card 7 - The Crown",
                 "This represents the querent's connection to a higher begin whom he reveres, final goals and "
                 "aspirations.",
                 {4500, 0}},
            },
            {6700, 26400}),
        makeSpread(
            7, "Four Seasons Spread(Cortese/Reed)", "Spread Type - Four Seasons Spread",
            "This spread can be used to look into the near future or coming year season by season. It gives a detailed "
            "description about what can be expected to happen in the four seasons of the year. A person gets an in "
            "depth knowledge of his plans from the conception to the execution stage. This is a spiritual spread.",
            NextLine,
            {
                {"Card 1 - The Spring",
                 "This card represents the new beginning of an idea, like the planting of a seed for a new venture.",
                 {100, 7600}},
                {"Card 2", "This card alters the next card (Card 3)", {2300, 11400}},
                {"Card 3 - The Summer", "This card represents the flowering or progression of an idea.", {4500, 0}},
                {"Card 4", "This card alters the next card (Card5)", {2300, 3800}},
                {"Card 5 - Autumn",
                 "This card signifies the finalization of the plan and how events will wind up.",
                 {8900, 7600}},
                {"Card 6", "This card modifies the next card (Card 7)", {6700, 3800}},
                {"Card 7 - Winter",
                 "This represents the period of reflection as to what the querent may have learnt from the "
                 "progression of the plan.",
                 {4500, 15200}},
                {"Card 8", "This card alters Card 1.", {6700, 11400}},
            },
            {11100, 19000}),
    };
}

const SpreadCatalogue& SpreadCatalogue::instance()
{
    static const SpreadCatalogue catalogue(builtInSpreads());
    return catalogue;
}

const Spread* SpreadCatalogue::at(int index) const
{
    return index >= 0 && index < m_spreads.size() ? &m_spreads[index] : nullptr;
}

const Spread* SpreadCatalogue::byKey(QStringView key) const
{
    auto it = std::find_if(m_spreads.cbegin(), m_spreads.cend(), [key](const Spread& s) { return s.name == key; });
    return it == m_spreads.cend() ? nullptr : &*it;
}

const QString& SpreadCatalogue::celticCrossKey()
{
    static const QString key = QStringLiteral("Celtic Cross");
    return key;
}

bool isCrossingCard(QStringView spreadKey, int position)
{
    const Spread* spread = SpreadCatalogue::instance().byKey(spreadKey);
    return spread && spread->isCrossingCard(position);
}

TwipsSize cardTableSize(const Spread* spread, const QList<TwipsPoint>& boxPlaces)
{
    if (spread && spread->fixedTableSize)
        return spread->tableSize;
    int farthestLeft = 0;
    int farthestTop = 0;
    for (const TwipsPoint& place : boxPlaces) {
        farthestLeft = std::max(farthestLeft, place.left);
        farthestTop = std::max(farthestTop, place.top);
    }
    return {farthestLeft + 2200, farthestTop + 3800};
}

std::optional<QString> positionPanelText(QStringView spreadKey, QStringView positionText)
{
    bool isNumber = false;
    const int position = positionText.toInt(&isNumber);
    const Spread* spread = SpreadCatalogue::instance().byKey(spreadKey);
    if (!isNumber || !spread)
        return std::nullopt;
    return spread->panelText(position);
}

} // namespace quillmere
