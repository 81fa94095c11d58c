#include "engine/ReadingComposer.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

namespace quillmere {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kIntroduction = QStringLiteral("Your Reading is displayed below. Read it with an open mind and "
                                             "understand what the program is trying to convey to you.");
const QString kNotMentioned = QStringLiteral("Not mentioned");
const QString kReversedMark = QStringLiteral(" - Reversed");

// The underlined rule that closes the header and every card block.
const QString& separatorSpaces()
{
    static const QString spaces(512, QLatin1Char(' '));
    return spaces;
}

void writeDetailLine(StyledTextWriter& out, const QString& label, const QString& value, const QString& lineEnd)
{
    out.setColour(colours::kGreen);
    out.write(label);
    out.setColour(colours::kBlack);
    out.write(value);
    out.write(lineEnd);
}

void writeSpreadDescription(StyledTextWriter& out, const Spread& spread)
{
    switch (spread.descriptionLayout) {
    case DescriptionLayout::FollowsWithLineEnd:
        out.write(kLineEnd);
        out.write(spread.description);
        out.write(kLineEnd);
        break;
    case DescriptionLayout::AfterEmptyLine:
        out.write(kLineEnd);
        out.write(kLineEnd);
        out.write(spread.description);
        break;
    case DescriptionLayout::Follows:
        out.write(kLineEnd);
        out.write(spread.description);
        break;
    }
}

} // namespace

void writeReadingHeader(StyledTextWriter& out, const CurrentReading& reading, const ReadingClock& clock)
{
    out.setBold(true);
    out.setColour(colours::kNavy);
    out.write(kIntroduction);
    out.write(kLineEnd);
    out.write(kLineEnd);

    // A reopened reading keeps the moment it was made; a fresh one takes both texts from one look at the clock.
    ReadingMoment now;
    if (reading.creationDate.isEmpty() || reading.creationTime.isEmpty())
        now = clock.moment();
    const QString& date = reading.creationDate.isEmpty() ? now.date : reading.creationDate;
    const QString& time = reading.creationTime.isEmpty() ? now.time : reading.creationTime;

    writeDetailLine(out, QStringLiteral("Name: "), detailOrNotMentioned(reading.querentName), kLineEnd);
    writeDetailLine(out, QStringLiteral("Date of Birth: "), detailOrNotMentioned(reading.birthDate), kLineEnd);
    writeDetailLine(out, QStringLiteral("Question: "), detailOrNotMentioned(reading.question), kLineEnd);
    writeDetailLine(out, QStringLiteral("Date of Creation: "), date, kLineEnd);
    writeDetailLine(out, QStringLiteral("Time of Creation: "), time, kLineEnd + kLineEnd);
    out.setBold(false);

    const Spread* spread = reading.spread;
    if (!spread)
        return;
    out.setBold(true);
    out.setColour(colours::kPurple);
    out.write(spread->headerTitle);
    out.setBold(false);
    out.setColour(colours::kBlack);
    writeSpreadDescription(out, *spread);

    out.write(kLineEnd);
    out.setUnderline(true);
    out.write(separatorSpaces());
    out.write(kLineEnd);
    out.write(kLineEnd);
    out.setUnderline(false);
}

void writeCardInterpretations(StyledTextWriter& out, const CurrentReading& reading)
{
    if (reading.cards.isEmpty())
        return;
    const Deck& deck = Deck::instance();
    for (int i = 0; i < reading.positionCount(); ++i) {
        const int card = reading.cards.at(i).index;
        if (Deck::isValidIndex(card)) {
            const bool isReversed = reading.cards.at(i).reversed;
            writePositionText(out, reading.spread, i);
            out.setBold(true);
            out.setColour(colours::kMaroon);
            out.write(kLineEnd);
            out.write(kLineEnd);
            out.write(deck.name(card));
            if (isReversed)
                out.write(kReversedMark);
            out.setBold(false);
            out.setColour(colours::kBlack);
            out.write(kLineEnd);
            out.write(deck.meaning(card, isReversed));
        }
        // A damaged entry still gets its separator, so the positions after it stay in step.
        out.setUnderline(true);
        out.write(kLineEnd);
        out.write(separatorSpaces());
        out.write(kLineEnd);
        out.setUnderline(false);
    }
    out.write(kLineEnd);
}

void writePositionText(StyledTextWriter& out, const Spread* spread, int p)
{
    const SpreadPosition* position = spread ? spread->position(p) : nullptr;
    if (!position)
        return;
    out.setBold(true);
    out.setColour(colours::kTeal);
    out.write(position->title);
    out.setColour(colours::kBlack);
    out.setBold(false);
    if (spread->layout == PositionLayout::NextLine)
        out.write(kLineEnd);
    out.write(position->meaning);
}

QString detailOrNotMentioned(const QString& value)
{
    return value.isEmpty() ? kNotMentioned : value;
}

StyledText composeReading(const CurrentReading& reading, const ReadingClock& clock)
{
    StyledText text;
    StyledTextWriter out(text);
    writeReadingHeader(out, reading, clock);
    writeCardInterpretations(out, reading);
    return text;
}

} // namespace quillmere
