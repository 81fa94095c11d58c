#include "Artwork.h"

#include "content/Deck.h"

#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QSet>
#include <QTextStream>

namespace quillmere::artwork {

namespace {

// Where the deck table's name is not the conventional one a deck's list uses.
QString conventionalName(const QString& deckName)
{
    if (deckName == QLatin1String("Wheel Fortune"))
        return QStringLiteral("Wheel of Fortune");
    return deckName;
}

} // namespace

StagingPlan mapScansByName(const QString& listPath)
{
    QFile list(listPath);
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return {{}, QStringLiteral("cannot read %1: %2").arg(listPath, list.errorString())};
    QHash<QString, QString> fileOfName;
    QTextStream in(&list);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 2 || fields[0].trimmed().isEmpty())
            return {{}, QStringLiteral("%1: not a \"file<TAB>card name\" line: %2").arg(listPath, line)};
        const QString name = fields[1].trimmed();
        if (fileOfName.contains(name))
            return {{}, QStringLiteral("%1 names %2 twice").arg(listPath, name)};
        fileOfName.insert(name, fields[0].trimmed());
    }
    StagingPlan plan;
    QSet<QString> used;
    for (int index = 0; index < kDeckSize; ++index) {
        const QString name = conventionalName(Deck::instance().name(index));
        const QString file = fileOfName.value(name);
        if (file.isEmpty())
            return {{}, QStringLiteral("%1 has no picture of %2").arg(listPath, name)};
        if (used.contains(file))
            return {{}, QStringLiteral("%1 gives %2 to two cards").arg(listPath, file)};
        used.insert(file);
        plan.files.append(file);
    }
    if (fileOfName.size() != kDeckSize)
        return {{}, QStringLiteral("%1 lists %2 cards, not %3").arg(listPath).arg(fileOfName.size()).arg(kDeckSize)};
    return plan;
}

QImage fitCardPicture(const QImage& picture, qreal scale)
{
    // The larger sizes are exact multiples of the card-size fit, so a screen of that density shows the file's
    // pixels one to one.
    const QSize fitted = picture.size().scaled(kCardFaceSize, Qt::KeepAspectRatio);
    const QSize pixels = (QSizeF(fitted) * scale).toSize();
    if (picture.isNull() || picture.size() == pixels)
        return picture;
    return picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage readScan(const QString& path)
{
    QImageReader reader(path);
    reader.setAutoTransform(false);
    return reader.read();
}

} // namespace quillmere::artwork
