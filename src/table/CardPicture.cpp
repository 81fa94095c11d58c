#include "table/CardPicture.h"

#include "content/Twips.h"
#include "table/AppContext.h"
#include "table/ProgramSettings.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QTransform>
#include <algorithm>

namespace quillmere {

QSize emptyCardBoxSize()
{
    return {twipsToPixels(1200), twipsToPixels(500)};
}

DeckFolder chosenDeck(const AppFolder& folder, const ProgramSettings* settings)
{
    const DeckLibrary library(folder);
    const QString chosen = settings ? settings->value(QString(kChosenDeckKey)).toString() : QString();
    const DeckFolder* deck = library.resolve(chosen);
    return deck ? *deck : DeckFolder();
}

DeckFolder chosenDeck(const AppContext& context)
{
    return chosenDeck(context.folder, &context.settings);
}

bool rememberChosenDeck(ProgramSettings& settings, const QString& deckId)
{
    settings.setValue(QString(kChosenDeckKey), deckId);
    return settings.sync();
}

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

QImage loadCardPicture(const AppFolder& folder, int cardIndex)
{
    return loadCardPicture(chosenDeck(folder, nullptr), cardIndex);
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

QImage cardBackPicture(QSize size, qreal devicePixelRatio)
{
    const qreal ratio = std::max<qreal>(1, devicePixelRatio);
    const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
    // The small back is drawn for the board's boxes at 1×; finer screens get the large one scaled down.
    const QString resources[] = {QStringLiteral(":/pictures/back.png"), QStringLiteral(":/pictures/back-large.png")};
    for (int i = ratio > 1 ? 1 : 0; i < 2; ++i) {
        if (!QFile::exists(resources[i]))
            continue;
        QImage back(resources[i]);
        if (back.isNull())
            continue;
        if (back.size() != pixels)
            back = back.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        back.setDevicePixelRatio(ratio);
        return back;
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

QImage deckBackPicture(const DeckFolder& deck, QSize size, qreal devicePixelRatio)
{
    QImageReader reader(deck.back);
    reader.setAutoTransform(false);
    const QImage own = deck.back.isEmpty() ? QImage() : reader.read();
    if (own.isNull() || size.isEmpty())
        return cardBackPicture(size, devicePixelRatio);
    const qreal ratio = std::max<qreal>(1, devicePixelRatio);
    QImage back(QSize(qRound(size.width() * ratio), qRound(size.height() * ratio)),
                QImage::Format_ARGB32_Premultiplied);
    back.fill(Qt::transparent);
    const QImage fitted = own.scaled(back.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QPainter painter(&back);
    painter.drawImage((back.width() - fitted.width()) / 2, (back.height() - fitted.height()) / 2, fitted);
    painter.end();
    back.setDevicePixelRatio(ratio);
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
