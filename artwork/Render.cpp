#include "Artwork.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "storage/DeckLibrary.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageWriter>

namespace quillmere::artwork {

namespace {

QByteArray encode(const QImage& image, const char* format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setOptimizedWrite(false);
    writer.setProgressiveScanWrite(false);
    if (!writer.write(image))
        return {};
    return bytes;
}

QString writeFile(const QString& path, const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return QStringLiteral("cannot encode %1").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace

QByteArray encodeJpeg(const QImage& image)
{
    // JPEG has no alpha; a fixed pixel format keeps the encoder's input, and so its output, the same.
    return encode(image.convertToFormat(QImage::Format_RGB888), "jpeg", kJpegQuality);
}

QByteArray encodePng(const QImage& image)
{
    return encode(image.convertToFormat(QImage::Format_ARGB32), "png", -1);
}

QStringList resourcePictureNames()
{
    return {QStringLiteral("back.png"), QStringLiteral("back-large.png"), QStringLiteral("details.png"),
            QStringLiteral("options.png"), QStringLiteral("icon.png")};
}

QString renderAll(const QString& stageDir, const QString& resourceDir, const QString& classicSource)
{
    const QDir stage(stageDir);
    const QDir resources(resourceDir);
    const QString emblems = QStringLiteral("decks/") + kEmblemDeckId;
    const QString classic = QStringLiteral("decks/") + kClassicDeckId;
    if (!stage.mkpath(emblems) || !stage.mkpath(classic) || !stage.mkpath(QStringLiteral("pic"))
        || !resources.mkpath(QStringLiteral(".")))
        return QStringLiteral("cannot create the picture folders in %1 and %2").arg(stageDir, resourceDir);
    // Earlier builds staged the drawn deck as cards/; an install would carry it along.
    if (QDir oldCards(stage.filePath(QStringLiteral("cards"))); oldCards.exists()) {
        for (const QString& file : oldCards.entryList({QStringLiteral("r*.jpg")}, QDir::Files))
            oldCards.remove(file);
        stage.rmdir(QStringLiteral("cards"));
    }

    const auto stageCard = [&stage](const QString& deck, int index, const QImage& single, const QImage& twice) {
        QString error
            = writeFile(stage.filePath(QStringLiteral("%1/r%2.jpg").arg(deck).arg(index)), encodeJpeg(single));
        if (error.isEmpty())
            error = writeFile(stage.filePath(QStringLiteral("%1/r%2@2x.jpg").arg(deck).arg(index)), encodeJpeg(twice));
        return error;
    };
    for (int index = 0; index < kDeckSize; ++index) {
        const QString error = stageCard(emblems, index, renderCardFace(index, 1), renderCardFace(index, 2));
        if (!error.isEmpty())
            return error;
    }

    const QDir scans(classicSource);
    const StagingPlan plan = mapScansByName(scans.filePath(QStringLiteral("cards.tsv")));
    if (!plan.error.isEmpty())
        return plan.error;
    for (int index = 0; index < kDeckSize; ++index) {
        const QImage scan = readScan(scans.filePath(plan.files[index]));
        if (scan.isNull())
            return QStringLiteral("cannot read the scan %1").arg(scans.filePath(plan.files[index]));
        const QString error = stageCard(classic, index, fitCardPicture(scan, 1), fitCardPicture(scan, 2));
        if (!error.isEmpty())
            return error;
    }
    const QString provenance = stage.filePath(classic + QStringLiteral("/PROVENANCE.md"));
    QFile::remove(provenance);
    if (!QFile::copy(scans.filePath(QStringLiteral("PROVENANCE.md")), provenance))
        return QStringLiteral("cannot copy %1 to %2").arg(scans.filePath(QStringLiteral("PROVENANCE.md")), provenance);

    for (const Spread& spread : SpreadCatalogue::instance().spreads()) {
        const QString error = writeFile(stage.filePath(spread.picturePath()), encodeJpeg(renderSpreadPicture(spread)));
        if (!error.isEmpty())
            return error;
    }
    const QImage pictures[] = {renderCardBack(kSmallBackSize), renderCardBack(kLargeBackSize), renderDetailsPicture(),
                               renderOptionsPicture(), renderIcon()};
    const QStringList names = resourcePictureNames();
    for (int i = 0; i < names.size(); ++i) {
        const QString error = writeFile(resources.filePath(names[i]), encodePng(pictures[i]));
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace quillmere::artwork
