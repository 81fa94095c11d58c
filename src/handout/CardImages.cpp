#include "handout/CardImages.h"

#include <QImageReader>
#include <QTransform>
#include <algorithm>

namespace quillmere {

QImage loadCardPicture(const DeckFolder& deck, int cardIndex, qreal devicePixelRatio, QSize logicalSize)
{
    if (logicalSize.isEmpty())
        return {};
    // A picture shown larger than the card size wants the larger file as a finer screen does.
    const qreal enlargement = std::max(qreal(logicalSize.width()) / kCardPictureSize.width(),
                                       qreal(logicalSize.height()) / kCardPictureSize.height());
    const QString path = deck.pictureFor(cardIndex, devicePixelRatio * enlargement);
    if (path.isEmpty())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(false);
    QImage picture = reader.read();
    if (picture.isNull())
        return {};
    const QSize shown
        = picture.size() == logicalSize ? logicalSize : picture.size().scaled(logicalSize, Qt::KeepAspectRatio);
    if (shown.isEmpty())
        return {};
    // As many pixels per logical pixel as the screen has, but no more than the file gives: blowing a picture up
    // only blurs it, which the painter does as well when it draws it.
    const qreal available = std::min(qreal(picture.width()) / shown.width(), qreal(picture.height()) / shown.height());
    const qreal ratio = std::max<qreal>(1, std::min(devicePixelRatio, available));
    const QSize pixels(qRound(shown.width() * ratio), qRound(shown.height() * ratio));
    if (picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QSize logicalSize(const QImage& picture)
{
    return (QSizeF(picture.size()) / picture.devicePixelRatio()).toSize();
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
    QImage turned = picture.transformed(QTransform().rotate(90));
    turned.setDevicePixelRatio(picture.devicePixelRatio());
    return turned;
}

QImage rotatePicture180(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage turned = picture.mirrored(true, true);
    turned.setDevicePixelRatio(picture.devicePixelRatio());
    return turned;
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
