#include "Artwork.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

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

QString renderAll(const QString& stageDir, const QString& resourceDir)
{
    const QDir stage(stageDir);
    const QDir resources(resourceDir);
    if (!stage.mkpath(QStringLiteral("cards")) || !stage.mkpath(QStringLiteral("pic"))
        || !resources.mkpath(QStringLiteral(".")))
        return QStringLiteral("cannot create the picture folders in %1 and %2").arg(stageDir, resourceDir);

    for (int index = 0; index < kDeckSize; ++index) {
        const QString error
            = writeFile(stage.filePath(QStringLiteral("cards/r%1.jpg").arg(index)), encodeJpeg(renderCardFace(index)));
        if (!error.isEmpty())
            return error;
    }
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
