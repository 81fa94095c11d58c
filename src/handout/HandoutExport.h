#pragma once

#include "handout/ReadingHandout.h"
#include "storage/DeckLibrary.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quillmere {

// The reading text as an HTML fragment for the clipboard: every run with its colour, weight and underline, each
// line a paragraph, separators as rules, addresses as links. Word processors and mail programs paste it styled.
QString readingTextHtml(const StyledText& text);

// The whole reading as one self-contained HTML page: the querent's details, the spread with each card's picture
// embedded (a data: address, turned as it lies), the list of positions and the reading text as readingTextHtml.
// A card without a picture is an empty frame with its name.
QString handoutHtml(const ReadingHandout& handout, const DeckFolder& deck);

// The reading as Markdown: a title, the querent's details, a table of the positions and their cards, then the
// reading text (bold kept, separators as rules, addresses as links).
QString handoutMarkdown(const ReadingHandout& handout);

// The card table as PNG bytes at twice its size on screen (cardTableImage).
QByteArray cardTablePng(const ReadingHandout& handout, const DeckFolder& deck);

// Writes an export through the one writer: the whole file or none at all.
StorageResult writeExport(const QString& path, const QByteArray& bytes);

} // namespace quillmere
