#include "table/CardPicture.h"

#include "content/Twips.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTransform>

namespace quillmere {

QSize emptyCardBoxSize()
{
    return {twipsToPixels(1200), twipsToPixels(500)};
}

QImage loadCardPicture(const AppFolder& folder, int cardIndex)
{
    // A user's cards/ in the data folder (the old layout) comes first, else the cards that come with the program.
    const QString path = QFileInfo::exists(folder.cardsFolder())
        ? folder.cardPicture(cardIndex)
        : folder.programPath(QStringLiteral("cards/r%1.jpg").arg(cardIndex));
    QImageReader reader(path);
    reader.setAutoTransform(false);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    return fitToCardSize(picture);
}

QImage fitToCardSize(const QImage& picture)
{
    if (picture.isNull() || picture.size() == kCardPictureSize)
        return picture;
    return picture.scaled(kCardPictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage rotatePicture90(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    return picture.transformed(QTransform().rotate(90));
}

QImage rotatePicture180(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    return picture.mirrored(true, true);
}

QImage cardBackPicture(QSize size)
{
    for (const QString& resource :
         {QStringLiteral(":/pictures/back.png"), QStringLiteral(":/pictures/back-large.png")}) {
        if (!QFile::exists(resource))
            continue;
        const QImage back(resource);
        if (!back.isNull())
            return back.size() == size ? back : back.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    // A plain back: a dark red field inside a gold frame.
    QImage back(size, QImage::Format_RGB32);
    back.fill(QColor(110, 20, 30));
    QPainter painter(&back);
    painter.setPen(QColor(212, 175, 55));
    painter.drawRect(back.rect().adjusted(1, 1, -2, -2));
    painter.drawLine(QPoint(3, 3), QPoint(size.width() - 4, size.height() - 4));
    painter.drawLine(QPoint(size.width() - 4, 3), QPoint(3, size.height() - 4));
    return back;
}

QFont positionLabelFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(14.25);
    font.setBold(true);
    return font;
}

QFont verdanaFont(qreal pointSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace quillmere
