#include "storage/SavedReadingText.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

namespace quillmere {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kRule = QString(28, QLatin1Char('_'));

void writePlain(StyledTextWriter& out)
{
    out.setBold(false);
    out.setColour(colours::kBlack);
}

// A green bold label and its bold black value, then the given line ends; bold off after.
void writeField(StyledTextWriter& out, const QString& label, const QString& value, int lineEnds)
{
    out.setBold(true);
    out.setColour(colours::kGreen);
    out.write(label);
    out.setColour(colours::kBlack);
    out.write(value);
    for (int i = 0; i < lineEnds; ++i)
        out.write(kLineEnd);
    out.setBold(false);
}

QString orNotMentioned(const QString& value)
{
    return value.isEmpty() ? QStringLiteral("Not mentioned") : value;
}

void writeRule(StyledTextWriter& out)
{
    out.write(kRule + kLineEnd + kLineEnd);
}

} // namespace

void writeSavedReading(StyledTextWriter& out, const ReadingRecord& record)
{
    out.setBold(true);
    out.setColour(colours::kNavy);
    out.write(QStringLiteral("Your Reading is displayed below. Read it with an open mind and understand what the "
                             "program is trying to convey to you.")
              + kLineEnd + kLineEnd);
    writePlain(out);

    writeField(out, QStringLiteral("Name: "), orNotMentioned(record.querentName), 1);
    writeField(out, QStringLiteral("Date of Birth: "), orNotMentioned(record.birthDate), 1);
    writeField(out, QStringLiteral("Question: "), orNotMentioned(record.question), 1);
    writeField(out, QStringLiteral("Date of Creation: "), record.date, 1);
    writeField(out, QStringLiteral("Time of Creation: "), record.time, 2);

    out.setBold(true);
    out.setColour(colours::kPurple);
    out.write(QStringLiteral("Spread Type - ") + record.spreadName + kLineEnd);
    writePlain(out);
    if (const Spread* spread = SpreadCatalogue::instance().byKey(record.spreadName))
        out.write(spread->description + kLineEnd);
    writeRule(out);

    const Deck& deck = Deck::instance();
    for (qsizetype p = 0; p < record.cards.size(); ++p) {
        const RecordCard& card = record.cards[p];
        if (!Deck::isValidIndex(card.index))
            continue;
        out.setBold(true);
        out.setColour(colours::kTeal);
        out.write(QStringLiteral("Card %1").arg(p + 1) + kLineEnd);
        writePlain(out);
        out.setBold(true);
        out.setColour(colours::kMaroon);
        out.write(deck.name(card.index) + (card.reversed ? QStringLiteral(" - Reversed") : QString()) + kLineEnd);
        writePlain(out);
        out.write(deck.meaning(card.index, card.reversed) + kLineEnd);
        writeRule(out);
    }
}

StyledText showSavedReading(const ReadingRecord& record)
{
    StyledText text;
    StyledTextWriter out(text);
    writeSavedReading(out, record);
    return text;
}

void applySavedReading(const ReadingRecord& record, CurrentReading& reading)
{
    reading.querentName = record.querentName;
    reading.birthDate = record.birthDate;
    reading.question = record.question;
    reading.creationDate = record.date;
    reading.creationTime = record.time;
}

} // namespace quillmere
