#include "handout/ReadingLines.h"

#include "engine/TextLinks.h"

#include <algorithm>

namespace quillmere {

namespace {

// A separator is at least two blanks, underlined, and nothing else on its line.
bool isSeparator(const QList<TextRun>& runs)
{
    qsizetype blanks = 0;
    for (const TextRun& run : runs) {
        if (!run.underline || std::any_of(run.text.cbegin(), run.text.cend(), [](QChar c) { return c != u' '; }))
            return false;
        blanks += run.text.size();
    }
    return blanks >= 2;
}

ReadingLine lineOf(const QList<TextRun>& runs)
{
    ReadingLine line;
    if (isSeparator(runs)) {
        line.isRule = true;
        line.ruleColour = runs.first().colour;
        return line;
    }
    QString text;
    for (const TextRun& run : runs)
        text += run.text;
    const QList<TextLink> links = findTextLinks(text);
    // Cuts the runs where a link begins or ends, so each segment is wholly inside or outside one link.
    qsizetype offset = 0;
    for (const TextRun& run : runs) {
        qsizetype from = 0;
        while (from < run.text.size()) {
            const qsizetype at = offset + from;
            qsizetype until = run.text.size();
            QUrl link;
            for (const TextLink& found : links) {
                if (at >= found.start && at < found.start + found.length) {
                    until = std::min(until, found.start + found.length - offset);
                    link = found.url;
                } else if (found.start > at) {
                    until = std::min(until, found.start - offset);
                }
            }
            TextRun piece = run;
            piece.text = run.text.mid(from, until - from);
            line.segments.append(LineSegment{piece, link});
            from = until;
        }
        offset += run.text.size();
    }
    return line;
}

} // namespace

QString ReadingLine::text() const
{
    QString all;
    for (const LineSegment& segment : segments)
        all += segment.style.text;
    return all;
}

QList<ReadingLine> readingLines(const StyledText& text)
{
    QList<ReadingLine> lines;
    QList<TextRun> current;
    bool pendingCarriageReturn = false;
    for (const TextRun& run : text.runs()) {
        qsizetype from = 0;
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            const QChar c = run.text[i];
            if (c != u'\r' && c != u'\n') {
                pendingCarriageReturn = false;
                continue;
            }
            // The LF of a CRLF split between two runs ends no second line.
            const bool secondHalf = c == u'\n' && pendingCarriageReturn && i == from;
            if (i > from) {
                TextRun piece = run;
                piece.text = run.text.mid(from, i - from);
                current.append(piece);
            }
            if (!secondHalf) {
                lines.append(lineOf(current));
                current.clear();
            }
            pendingCarriageReturn = c == u'\r';
            if (c == u'\r' && i + 1 < run.text.size() && run.text[i + 1] == u'\n') {
                ++i;
                pendingCarriageReturn = false;
            }
            from = i + 1;
        }
        if (from < run.text.size()) {
            TextRun piece = run;
            piece.text = run.text.mid(from);
            current.append(piece);
        }
    }
    if (!current.isEmpty())
        lines.append(lineOf(current));
    return lines;
}

} // namespace quillmere
