#pragma once

#include "engine/StyledText.h"

#include <QList>
#include <QString>
#include <QUrl>

namespace quillmere {

// A stretch of one line of the reading text with one set of attributes, and the address it links to when it is
// (part of) an address.
struct LineSegment
{
    TextRun style;
    QUrl link;
};

// One line of the reading text: its segments, or a separator (a line of underlined blanks) drawn as a rule.
struct ReadingLine
{
    QList<LineSegment> segments;
    bool isRule = false;
    Rgb ruleColour;
    QString text() const;
};

// The reading text cut into its lines (at CRLF, CR or LF), each address made a link as the pane shows it; every
// printed or exported form of the text is written from these lines.
QList<ReadingLine> readingLines(const StyledText& text);

} // namespace quillmere
