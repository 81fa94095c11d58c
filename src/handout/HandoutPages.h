#pragma once

#include "handout/ReadingHandout.h"
#include "storage/DeckLibrary.h"
#include "storage/StorageResult.h"

#include <QByteArray>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

class QPagedPaintDevice;

namespace quillmere {

// The paper of the locale: Letter where it is the usual size (the Americas that use it and the Philippines), A4
// everywhere else.
QPageSize handoutPageSize(const QLocale& locale);
// The paper of the locale upright with the handout's margins.
QPageLayout handoutPageLayout(const QLocale& locale);

// Lays the handout out on the device's pages with its own page layout: page one the spread as it lies on the table
// with the querent's details and the date, then the reading text with its styling, rules and links, every page
// numbered. No card block or paragraph is cut across pages when it fits on one. Returns the number of pages, 0
// when the device could not be painted on.
int paintHandout(const ReadingHandout& handout, const DeckFolder& deck, QPagedPaintDevice& device);

// The handout as the bytes of a PDF document on the locale's paper.
QByteArray handoutPdf(const ReadingHandout& handout, const DeckFolder& deck, const QLocale& locale);

// Writes the handout's PDF to path through the one writer: the whole file or, on any failure, none at all.
StorageResult writeHandoutPdf(const QString& path, const ReadingHandout& handout, const DeckFolder& deck,
                              const QLocale& locale);

} // namespace quillmere
