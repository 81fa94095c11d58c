#pragma once

#include "TestDoubles.h"
#include "content/Twips.h"
#include "engine/CurrentReading.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "storage/AppFolder.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"
#include "table/Services.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <QTemporaryDir>

namespace quillmere::testing {

using doubles::RecordingNotifier;
using doubles::RecordingPause;
using doubles::RecordingUrlOpener;

// The main window as the card tables see it: a workspace and a record of the pane's text and states.
class FakeReadingHost final : public ReadingHost
{
public:
    FakeReadingHost() { m_workspace.resize(1280, 1000); }
    QMdiArea* workspace() override { return &m_workspace; }
    void setReadingText(const StyledText& text) override
    {
        paneText = text;
        ++textUpdates;
    }
    void enterFreshReadingState() override { state = State::Fresh; }
    void enterReopenedReadingState() override { state = State::Reopened; }

    enum class State { NoReading, Fresh, Reopened };
    StyledText paneText;
    int textUpdates = 0;
    State state = State::NoReading;
    QMdiArea m_workspace;
};

// A card picture that tells its corners apart: a red top-left quarter, a blue bottom-right corner block and a
// grey field, so every turn and mirror shows in the pixels. Written as PNG data under the .jpg name, which the
// picture reader recognises by content, so no compression blurs the comparison.
inline QImage markedCardPicture(QSize size, int cardIndex, QColor field = QColor(200, 200, 200))
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(field.rgb());
    QPainter painter(&picture);
    painter.fillRect(0, 0, size.width() / 2, size.height() / 2, QColor(255, 0, 0));
    painter.fillRect(size.width() - 10, size.height() - 10, 10, 10, QColor(0, 0, 255));
    painter.setPen(Qt::black);
    painter.drawText(QRect(QPoint(0, size.height() / 2), QSize(size.width(), size.height() / 2)), Qt::AlignCenter,
                     QString::number(cardIndex));
    return picture;
}

// An application folder in a temporary directory with marked card pictures of the given size (none when the size
// is empty) and spread pictures.
class TestFolder
{
public:
    explicit TestFolder(QSize cardSize = QSize(130, 225))
        : folder(dir.path())
    {
        QDir root(dir.path());
        root.mkdir(QStringLiteral("cards"));
        root.mkdir(QStringLiteral("pic"));
        if (!cardSize.isEmpty()) {
            for (int i = 0; i < 78; ++i)
                markedCardPicture(cardSize, i).save(folder.cardPicture(i), "PNG");
        }
        for (int i = 0; i < 8; ++i) {
            QImage spread(QSize(161, 273), QImage::Format_RGB32);
            spread.fill(QColor(20, 80, 20));
            spread.save(folder.path(QStringLiteral("pic/c%1.jpg").arg(i)), "PNG");
        }
    }
    QTemporaryDir dir;
    AppFolder folder;
};

// A deck folder of marked pictures with the given field colour: rN.png at the card size and, when twice is set,
// rN@2x.png at twice it with the field a shade darker, so a test sees which file a picture came from; and a back.png
// of the back colour when one is given.
inline void writeMarkedDeck(const QString& folder, QColor field, bool twice, QColor back = QColor())
{
    QDir().mkpath(folder);
    for (int i = 0; i < 78; ++i) {
        markedCardPicture(QSize(130, 225), i, field).save(folder + QStringLiteral("/r%1.png").arg(i), "PNG");
        if (twice)
            markedCardPicture(QSize(260, 450), i, field.darker(150))
                .save(folder + QStringLiteral("/r%1@2x.png").arg(i), "PNG");
    }
    if (back.isValid()) {
        QImage picture(QSize(70, 120), QImage::Format_RGB32);
        picture.fill(back.rgb());
        picture.save(folder + QStringLiteral("/back.png"), "PNG");
    }
}

// Everything a card table needs, with recording services and a seeded random source.
struct TestContext
{
    explicit TestContext(const AppFolder& folder, std::uint64_t seed = 7)
        : random(seed)
        , clock(QDateTime(QDate(2026, 12, 9), QTime(21, 30, 5)))
        , settings(settingsDir.filePath(QStringLiteral("Quillmere.conf")))
        , context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings}
    { }
    QTemporaryDir settingsDir;
    CurrentReading reading;
    SeededRandomSource random;
    FixedReadingClock clock;
    RecordingNotifier notifier;
    RecordingPause pause;
    RecordingUrlOpener urlOpener;
    ProgramSettings settings;
    AppContext context;
};

inline QRect twipsRect(int left, int top, QSize pixelSize)
{
    return {twipsToPixels(left), twipsToPixels(top), pixelSize.width(), pixelSize.height()};
}

} // namespace quillmere::testing
