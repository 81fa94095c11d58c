#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "engine/ReadingComposer.h"

#include <QTest>

using namespace quillmere;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kSpaces512 = QString(512, QLatin1Char(' '));

// The reading as the pane would show it, built run by run from the layout the reading text must have.
class Expected
{
public:
    Expected& add(const QString& text, bool bold, Rgb colour, bool underline = false)
    {
        m_text.append(TextRun{text, bold, colour, underline});
        return *this;
    }
    const StyledText& text() const { return m_text; }

private:
    StyledText m_text;
};

void expectIntroductionAndDetails(Expected& e, const QString& name, const QString& dob, const QString& question,
                                  const QString& date, const QString& time)
{
    e.add(QStringLiteral("Your Reading is displayed below. Read it with an open mind and understand what the program "
                         "is trying to convey to you.\r\n\r\n"),
          true, colours::kNavy);
    e.add(QStringLiteral("Name: "), true, colours::kGreen).add(name + kCrLf, true, colours::kBlack);
    e.add(QStringLiteral("Date of Birth: "), true, colours::kGreen).add(dob + kCrLf, true, colours::kBlack);
    e.add(QStringLiteral("Question: "), true, colours::kGreen).add(question + kCrLf, true, colours::kBlack);
    e.add(QStringLiteral("Date of Creation: "), true, colours::kGreen).add(date + kCrLf, true, colours::kBlack);
    e.add(QStringLiteral("Time of Creation: "), true, colours::kGreen).add(time + kCrLf + kCrLf, true, colours::kBlack);
}

// How the description follows the spread's title in the header.
enum class ExpectedDescription { SmallSpread, Wheel, Plain };

void expectSpreadTitle(Expected& e, const QString& title, const QString& description, ExpectedDescription layout)
{
    e.add(title, true, colours::kPurple);
    switch (layout) {
    case ExpectedDescription::SmallSpread:
        e.add(kCrLf + description + kCrLf, false, colours::kBlack);
        break;
    case ExpectedDescription::Wheel:
        e.add(kCrLf + kCrLf + description, false, colours::kBlack);
        break;
    case ExpectedDescription::Plain:
        e.add(kCrLf + description, false, colours::kBlack);
        break;
    }
    e.add(kCrLf, false, colours::kBlack);
    e.add(kSpaces512 + kCrLf + kCrLf, false, colours::kBlack, true);
}

// One expected card block. An empty title means no position text; card -1 means a block holding only its
// separator.
struct Block
{
    QString title;
    QString afterTitle;
    int card = -1;
    QString cardName;
    bool reversed = false;
};

Block positionBlock(const QString& title, const QString& afterTitle, int card, const QString& cardName,
                    bool reversed = false)
{
    return {title, afterTitle, card, cardName, reversed};
}

Block bareBlock(int card, const QString& cardName, bool reversed = false)
{
    return {QString(), QString(), card, cardName, reversed};
}

Block separatorOnly()
{
    return {};
}

void expectBlocks(Expected& e, const QList<Block>& blocks)
{
    for (const Block& block : blocks) {
        if (block.card >= 0) {
            if (!block.title.isEmpty()) {
                e.add(block.title, true, colours::kTeal);
                e.add(block.afterTitle, false, colours::kBlack);
            }
            e.add(kCrLf + kCrLf + block.cardName + (block.reversed ? QStringLiteral(" - Reversed") : QString()), true,
                  colours::kMaroon);
            e.add(kCrLf + Deck::instance().meaning(block.card, block.reversed), false, colours::kBlack);
        }
        e.add(kCrLf + kSpaces512 + kCrLf, false, colours::kBlack, true);
    }
    e.add(kCrLf, false, colours::kBlack);
}

// The Celtic Cross position titles and meanings of the catalogue.
const SpreadPosition& celticPosition(int p)
{
    return *SpreadCatalogue::instance().byKey(u"Celtic Cross")->position(p);
}

QString describe(const TextRun* run)
{
    if (!run)
        return QStringLiteral("(none)");
    return QStringLiteral("[%1%2 %3] %5 characters \"%4\"")
        .arg(run->bold ? QLatin1String("bold") : QLatin1String("plain"),
             run->underline ? QLatin1String(" underlined") : QLatin1String(""), run->colour.name(),
             QString(run->text).replace(kCrLf, QStringLiteral("\\r\\n")).left(120))
        .arg(run->text.size());
}

// The first run in which two texts part, for a readable failure.
QString firstDifference(const StyledText& actual, const StyledText& expected)
{
    const auto& a = actual.runs();
    const auto& e = expected.runs();
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const TextRun* left = i < a.size() ? &a[i] : nullptr;
        const TextRun* right = i < e.size() ? &e[i] : nullptr;
        if (!left || !right || !(*left == *right))
            return QStringLiteral("run %1\nactual:   %2\nexpected: %3").arg(i).arg(describe(left), describe(right));
    }
    return QString();
}

#define COMPARE_STYLED(actual, expected) QVERIFY2((actual) == (expected), qPrintable(firstDifference(actual, expected)))

const QLocale kUsEnglish(QLocale::English, QLocale::UnitedStates);
const QDateTime kMoment(QDate(2026, 3, 4), QTime(17, 6, 7));

QString clockDate()
{
    return QStringLiteral("3/4/26");
}

QString clockTime()
{
    // The locale's long time format, without the time-zone name it would otherwise carry.
    return QStringLiteral("5:06:07 PM");
}

} // namespace

Q_DECLARE_METATYPE(ExpectedDescription)
Q_DECLARE_METATYPE(Block)
Q_DECLARE_METATYPE(QList<ReadingCard>)

class ComposerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerPerSpread_data();
    void headerPerSpread();
    void headerQuerentFields_data();
    void headerQuerentFields();
    void interpretations_data();
    void interpretations();
    void nothingWithoutDrawnCards();
    void wholeCelticCross();
    void celticCrossLines();
};

void ComposerTest::headerPerSpread_data()
{
    QTest::addColumn<QString>("spreadKey");
    QTest::addColumn<QString>("title");
    QTest::addColumn<ExpectedDescription>("layout");
    using enum ExpectedDescription;
    QTest::newRow("Celtic Cross") << QStringLiteral("Celtic Cross")
                                  << QStringLiteral("Spread Type - Celtic Cross Spread") << Plain;
    QTest::newRow("One Card") << QStringLiteral("One Card") << QStringLiteral("Spread Type - One Card") << SmallSpread;
    QTest::newRow("Two Cards") << QStringLiteral("Two Cards") << QStringLiteral("Spread Type - Two Cards")
                               << SmallSpread;
    QTest::newRow("Three Cards") << QStringLiteral("Three Cards") << QStringLiteral("Spread Type - Three Cards")
                                 << SmallSpread;
    QTest::newRow("Eliphas Levy Wheel") << QStringLiteral("Eliphas Levy Wheel Spread(Guiley)")
                                        << QStringLiteral("Spread Type - Eliphas Levy Wheel Spread(Guiley)") << Wheel;
    QTest::newRow("The Line Spread") << QStringLiteral("The Line Spread")
                                     << QStringLiteral("Spread Type - The Line Spread") << Plain;
    QTest::newRow("Seven Card Chakra") << QStringLiteral("Seven Card Chakra Layout")
                                       << QStringLiteral("Spread Type - Seven Card Chakra Spread") << Plain;
    QTest::newRow("Four Seasons") << QStringLiteral("Four Seasons Spread(Cortese/Reed)")
                                  << QStringLiteral("Spread Type - Four Seasons Spread") << Plain;
    // Keys that name no spread: the header ends after the time line and its empty line.
    QTest::newRow("no spread chosen") << QStringLiteral("-1") << QString() << Plain;
    QTest::newRow("wrong case") << QStringLiteral("celtic cross") << QString() << Plain;
    QTest::newRow("trailing blank") << QStringLiteral("One Card ") << QString() << Plain;
    QTest::newRow("empty key") << QString() << QString() << Plain;
}

void ComposerTest::headerPerSpread()
{
    QFETCH(QString, spreadKey);
    QFETCH(QString, title);
    QFETCH(ExpectedDescription, layout);

    CurrentReading reading;
    reading.querentName = QStringLiteral("Ann");
    reading.birthDate = QStringLiteral("January 1, 1980");
    reading.question = QStringLiteral("Will it rain?");
    reading.spread = SpreadCatalogue::instance().byKey(spreadKey);
    const FixedReadingClock clock(kMoment, kUsEnglish);

    StyledText actual;
    StyledTextWriter out(actual);
    writeReadingHeader(out, reading, clock);

    Expected expected;
    expectIntroductionAndDetails(expected, QStringLiteral("Ann"), QStringLiteral("January 1, 1980"),
                                 QStringLiteral("Will it rain?"), clockDate(), clockTime());
    if (!title.isEmpty())
        expectSpreadTitle(expected, title, SpreadCatalogue::instance().byKey(spreadKey)->description, layout);
    COMPARE_STYLED(actual, expected.text());

    // The interpretations continue in plain black.
    QVERIFY(!out.bold());
    QVERIFY(!out.underline());
    QCOMPARE(out.colour(), colours::kBlack);
}

void ComposerTest::headerQuerentFields_data()
{
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("shown");
    const QString mentioned = QStringLiteral("Not mentioned");
    QTest::newRow("nothing given") << QStringList(5)
                                   << QStringList{mentioned, mentioned, mentioned, clockDate(), clockTime()};
    QTest::newRow("blanks are kept") << QStringList{QStringLiteral("  "), QStringLiteral(" "), QStringLiteral("   "),
                                                    QString(), QString()}
                                     << QStringList{QStringLiteral("  "), QStringLiteral(" "), QStringLiteral("   "),
                                                    clockDate(), clockTime()};
    QTest::newRow("only the question missing")
        << QStringList{QStringLiteral("Bo"), QStringLiteral("May 2, 1990"), QString(), QString(), QString()}
        << QStringList{QStringLiteral("Bo"), QStringLiteral("May 2, 1990"), mentioned, clockDate(), clockTime()};
    QTest::newRow("reopened reading keeps its moment")
        << QStringList{QStringLiteral("Cy"), QStringLiteral("June 3, 1950"), QStringLiteral("Why?"),
                       QStringLiteral("01/02/2003"), QStringLiteral("10:11:12 AM")}
        << QStringList{QStringLiteral("Cy"), QStringLiteral("June 3, 1950"), QStringLiteral("Why?"),
                       QStringLiteral("01/02/2003"), QStringLiteral("10:11:12 AM")};
    QTest::newRow("stored date, no stored time")
        << QStringList{QString(), QString(), QString(), QStringLiteral("01/02/2003"), QString()}
        << QStringList{mentioned, mentioned, mentioned, QStringLiteral("01/02/2003"), clockTime()};
    QTest::newRow("markup is text") << QStringList{
        QStringLiteral("<b>&amp;"), QString(), QString(), QString(),
        QString()} << QStringList{QStringLiteral("<b>&amp;"), mentioned, mentioned, clockDate(), clockTime()};
}

void ComposerTest::headerQuerentFields()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);
    CurrentReading reading;
    reading.querentName = fields[0];
    reading.birthDate = fields[1];
    reading.question = fields[2];
    reading.creationDate = fields[3];
    reading.creationTime = fields[4];
    const FixedReadingClock clock(kMoment, kUsEnglish);

    StyledText actual;
    StyledTextWriter out(actual);
    writeReadingHeader(out, reading, clock);

    Expected expected;
    expectIntroductionAndDetails(expected, shown[0], shown[1], shown[2], shown[3], shown[4]);
    COMPARE_STYLED(actual, expected.text());
}

void ComposerTest::interpretations_data()
{
    QTest::addColumn<QString>("spreadKey");
    QTest::addColumn<QList<ReadingCard>>("cards");
    QTest::addColumn<QList<Block>>("blocks");

    // The worked example: one card, card 6 reversed.
    QTest::newRow("one card, worked example")
        << QStringLiteral("One Card") << QList<ReadingCard>{{6, true}}
        << QList<Block>{positionBlock(
               QStringLiteral("Card 1:  "),
               QStringLiteral("This represents the most important factor that affects the issue in hand."), 6,
               QStringLiteral("The Fool"), true)};
    const QString twoCards = QStringLiteral(
        "This card signifies what can happen if you carry out the solution that this card represents.");
    QTest::newRow("two cards, same meaning")
        << QStringLiteral("Two Cards") << QList<ReadingCard>{{0, false}, {77, false}}
        << QList<Block>{positionBlock(QStringLiteral("Card 1: "), twoCards, 0, QStringLiteral("Death")),
                        positionBlock(QStringLiteral("Card 2: "), twoCards, 77, QStringLiteral("Two of Pentacles"))};
    QTest::newRow("the line spread, title and meaning on one line")
        << QStringLiteral("The Line Spread")
        << QList<ReadingCard>{{21, false}, {22, true}, {1, false}, {57, true}, {10, false}}
        << QList<Block>{
               positionBlock(QStringLiteral("Card 1 - "), QStringLiteral("This card represents the distant past."), 21,
                             QStringLiteral("Wheel Fortune")),
               positionBlock(QStringLiteral("Card 2 - "), QStringLiteral("This card represents the recent past."), 22,
                             QStringLiteral("Two of Cups"), true),
               positionBlock(QStringLiteral("Card 3 - "), QStringLiteral("This card represents the present."), 1,
                             QStringLiteral("The Hermit")),
               positionBlock(QStringLiteral("Card 4 - "), QStringLiteral("This card represents the near future."), 57,
                             QStringLiteral("Ace of Cups"), true),
               positionBlock(QStringLiteral("Card 5 - "), QStringLiteral("This card represents the distant future."),
                             10, QStringLiteral("The Empress")),
           };
    QTest::newRow("three cards by hand, meaning on the next line")
        << QStringLiteral("Three Cards") << QList<ReadingCard>{{3, false}, {4, false}, {5, true}}
        << QList<Block>{
               positionBlock(QStringLiteral("Card 1 - Past"),
                             QStringLiteral("\r\nThis represents certain events in the past which have influenced the "
                                            "present condition. These events are responsible for the current events "
                                            "surrounding the asked question or current situation."),
                             3, QStringLiteral("Justice")),
               positionBlock(QStringLiteral("Card 2 - Present"),
                             QStringLiteral("\r\nThis card represents the present state surrounding some current event "
                                            "or situation. This may also be the problems and obstacles that the person "
                                            "may have to face."),
                             4, QStringLiteral("Strength")),
               positionBlock(QStringLiteral("Card 3 - Future"),
                             QStringLiteral("\r\nThis card represents the future outcome of the present circumstances "
                                            "or events that may lead to the outcome."),
                             5, QStringLiteral("Temperance"), true),
           };
    QTest::newRow("four seasons, position 4")
        << QStringLiteral("Four Seasons Spread(Cortese/Reed)")
        << QList<ReadingCard>{{30, false}, {31, false}, {32, false}, {33, false}}
        << QList<Block>{
               positionBlock(QStringLiteral("Card 1 - The Spring"),
                             QStringLiteral("\r\nThis card represents the new beginning of an idea, like the planting "
                                            "of a seed for a new venture."),
                             30, QStringLiteral("Four of Pentacles")),
               positionBlock(QStringLiteral("Card 2"), QStringLiteral("\r\nThis card alters the next card (Card 3)"),
                             31, QStringLiteral("Four of Swords")),
               positionBlock(QStringLiteral("Card 3 - The Summer"),
                             QStringLiteral("\r\nThis card represents the flowering or progression of an idea."), 32,
                             QStringLiteral("Four of Wands")),
               positionBlock(QStringLiteral("Card 4"), QStringLiteral("\r\nThis card alters the next card (Card5)"), 33,
                             QStringLiteral("Five of Cups")),
           };
    // A key that names no spread: card names and meanings, no position texts.
    QTest::newRow("unknown spread key") << QStringLiteral("-1") << QList<ReadingCard>{{3, false}, {60, true}}
                                        << QList<Block>{bareBlock(3, QStringLiteral("Justice")),
                                                        bareBlock(60, QStringLiteral("Ace of Wands"), true)};
    // Damaged entries keep only their separators; a position the spread lacks has no position text.
    QTest::newRow("indices outside the deck")
        << QStringLiteral("Three Cards") << QList<ReadingCard>{{78, true}, {9, false}, {-1, true}, {12, true}}
        << QList<Block>{separatorOnly(),
                        positionBlock(QStringLiteral("Card 2 - Present"),
                                      QStringLiteral("\r\n")
                                          + SpreadCatalogue::instance().byKey(u"Three Cards")->position(1)->meaning,
                                      9, QStringLiteral("The Emperor")),
                        separatorOnly(), bareBlock(12, QStringLiteral("The Hierophant"), true)};
}

void ComposerTest::interpretations()
{
    QFETCH(QString, spreadKey);
    QFETCH(QList<ReadingCard>, cards);
    QFETCH(QList<Block>, blocks);

    CurrentReading reading;
    reading.spread = SpreadCatalogue::instance().byKey(spreadKey);
    reading.cards = cards;
    StyledText actual;
    StyledTextWriter out(actual);
    writeCardInterpretations(out, reading);

    Expected expected;
    expectBlocks(expected, blocks);
    COMPARE_STYLED(actual, expected.text());
    QVERIFY(!out.bold());
    QVERIFY(!out.underline());
    QCOMPARE(out.colour(), colours::kBlack);
}

void ComposerTest::nothingWithoutDrawnCards()
{
    CurrentReading reading;
    reading.spread = SpreadCatalogue::instance().byKey(u"Celtic Cross");
    StyledText actual;
    StyledTextWriter out(actual);
    writeCardInterpretations(out, reading);
    QVERIFY(actual.isEmpty());

    writePositionText(out, reading.spread, 10);
    writePositionText(out, reading.spread, -1);
    writePositionText(out, SpreadCatalogue::instance().byKey(u"Celtic cross"), 0);
    QVERIFY(actual.isEmpty());
}

// An automatic Celtic Cross as the program composes it: header and ten blocks.
void ComposerTest::wholeCelticCross()
{
    CurrentReading reading;
    reading.querentName = QStringLiteral("Dee");
    reading.birthDate = QStringLiteral("March 9, 1971");
    reading.question = QString();
    reading.resetForNewCast();
    reading.spread = SpreadCatalogue::instance().byKey(u"Celtic Cross");
    const QList<int> cards{44, 13, 70, 2, 58, 21, 36, 0, 77, 65};
    const QList<int> flags{1, 0, 0, 1, 0, 0, 0, 0, 1, 0};
    for (int k = 0; k < 10; ++k)
        reading.cards.append({cards[k], flags[k] == 1});
    const FixedReadingClock clock(kMoment, kUsEnglish);

    Expected expected;
    expectIntroductionAndDetails(expected, QStringLiteral("Dee"), QStringLiteral("March 9, 1971"),
                                 QStringLiteral("Not mentioned"), clockDate(), clockTime());
    expectSpreadTitle(expected, QStringLiteral("Spread Type - Celtic Cross Spread"),
                      SpreadCatalogue::instance().byKey(u"Celtic Cross")->description, ExpectedDescription::Plain);
    QList<Block> blocks;
    for (int k = 0; k < 10; ++k) {
        blocks.append(positionBlock(celticPosition(k).title, kCrLf + celticPosition(k).meaning, cards[k],
                                    Deck::instance().name(cards[k]), reading.cards[k].reversed));
    }
    expectBlocks(expected, blocks);

    COMPARE_STYLED(composeReading(reading, clock), expected.text());
}

// The same reading read as lines: the header's twelve lines, six per block and the closing empty line.
void ComposerTest::celticCrossLines()
{
    CurrentReading reading;
    reading.spread = SpreadCatalogue::instance().byKey(u"Celtic Cross");
    for (int card = 5; card < 15; ++card)
        reading.cards.append({card, card == 6});
    reading.creationDate = QStringLiteral("3/4/26");
    reading.creationTime = QStringLiteral("5:06:07 PM");
    const FixedReadingClock clock(kMoment, kUsEnglish);
    const QStringList lines = composeReading(reading, clock).plainText().split(kCrLf);

    QStringList expected{
        QStringLiteral("Your Reading is displayed below. Read it with an open mind and understand what the program is "
                       "trying to convey to you."),
        QString(),
        QStringLiteral("Name: Not mentioned"),
        QStringLiteral("Date of Birth: Not mentioned"),
        QStringLiteral("Question: Not mentioned"),
        QStringLiteral("Date of Creation: 3/4/26"),
        QStringLiteral("Time of Creation: 5:06:07 PM"),
        QString(),
        QStringLiteral("Spread Type - Celtic Cross Spread"),
        SpreadCatalogue::instance().byKey(u"Celtic Cross")->description,
        kSpaces512,
        QString(),
    };
    for (int k = 0; k < 10; ++k) {
        const int card = 5 + k;
        expected << celticPosition(k).title << celticPosition(k).meaning << QString()
                 << Deck::instance().name(card) + (card == 6 ? QStringLiteral(" - Reversed") : QString())
                 << Deck::instance().meaning(card, card == 6) << kSpaces512;
    }
    // The closing line end, then nothing after the last one.
    expected << QString() << QString();
    QCOMPARE(lines, expected);
    QCOMPARE(lines[12], QStringLiteral("Card 1: The Covering"));
}

QTEST_GUILESS_MAIN(ComposerTest)
#include "tst_composer.moc"
