#include "table/CardPicture.h"

#include "content/Twips.h"
#include "look/ProgramColours.h"
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

QImage loadCardPicture(const AppFolder& folder, int cardIndex)
{
    return loadCardPicture(chosenDeck(folder, nullptr), cardIndex);
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
    back.fill(programColours::kPlainBackField);
    QPainter painter(&back);
    painter.setPen(programColours::kPlainBackFrame);
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

} // namespace quillmere
