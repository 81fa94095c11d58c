#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>

namespace quillmere {

struct Spread;

namespace artwork {

// Card faces are drawn at the size the card tables show them, one image pixel to one screen pixel: they fit
// the spread geometry, whose neighbouring places lie 2200 twips (146 px) apart and rows 3700 twips (246 px).
inline constexpr QSize kCardFaceSize{130, 225};
// The spread picture box of the spread selection screen is 2175 x 3735 twips.
inline constexpr QSize kSpreadPictureSize{145, 249};
// The face-down cards of the manual board lie in boxes of 350 x 600 twips.
inline constexpr QSize kSmallBackSize{23, 40};
inline constexpr QSize kLargeBackSize = kCardFaceSize;
// The details screen's picture (2265 x 2415 twips) and the options page's picture (3225 x 3960 twips).
inline constexpr QSize kDetailsPictureSize{151, 161};
inline constexpr QSize kOptionsPictureSize{215, 264};
// Large enough for window decorations and task bars; the About box scales it down to 32 x 32.
inline constexpr QSize kIconSize{256, 256};
inline constexpr int kJpegQuality = 90;

// Paints the face of the card with the given deck index (0..77) in face coordinates, 0..kCardFaceSize; the
// painter may be scaled, so a face drawn for a high-density screen has the same design, only finer.
void paintCardFace(QPainter& painter, int cardIndex);
// The face at scale times kCardFaceSize (1 for the card tables, 2 for screens of twice the density).
QImage renderCardFace(int cardIndex, qreal scale = 1);
// All 78 faces in card index order on one sheet, rows of columns faces, each at scale, for looking at the deck.
QImage renderContactSheet(qreal scale, int columns = 13);
// The card back, symmetric under a half turn so it never gives away a card's orientation.
QImage renderCardBack(QSize size);
// The spread's card outlines in their places, numbered, derived from the spread's geometry alone.
QImage renderSpreadPicture(const Spread& spread);
QImage renderDetailsPicture();
QImage renderOptionsPicture();
// The program icon, square, drawn for the given size in pixels.
QImage renderIcon(int pixels = kIconSize.width());

// The traditional number of a major arcana card ("0", "I" … "XXI"); empty for a minor card or a bad index.
QString traditionalNumeral(int cardIndex);

// The bytes of the image as a baseline JPEG at kJpegQuality; the same image always gives the same bytes.
QByteArray encodeJpeg(const QImage& image);
QByteArray encodePng(const QImage& image);

// The names of the program's own pictures inside the resource folder, as "back.png".
QStringList resourcePictureNames();

// The picture files of a deck of scans in card index order, or why there is none.
struct StagingPlan
{
    QStringList files;
    QString error;
};
// Reads a deck's list of "file<TAB>conventional card name" lines and gives each card index its file, matching the
// deck table's names (its "Wheel Fortune" is the list's "Wheel of Fortune"). Every card needs exactly one file.
StagingPlan mapScansByName(const QString& listPath);
// A picture fitted inside kCardFaceSize keeping its proportions, then made scale times that size, with a smooth
// filter.
QImage fitCardPicture(const QImage& picture, qreal scale);
QImage readScan(const QString& path);

// Stages the built-in decks into stageDir/decks/NAME as rN.jpg at the card size and rN@2x.jpg at twice it: the
// drawn deck rendered here, the classic deck scaled from its scans in classicSource (with its PROVENANCE.md beside
// them); the spread pictures into stageDir/pic and the program's own pictures into resourceDir. Returns an error
// text, empty on success.
QString renderAll(const QString& stageDir, const QString& resourceDir, const QString& classicSource);

} // namespace artwork
} // namespace quillmere
