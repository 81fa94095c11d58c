#pragma once

#include "TestDoubles.h"
#include "engine/CurrentReading.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "storage/AppFolder.h"
#include "table/AppContext.h"
#include "table/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>

namespace quillmere::test {

using Message = doubles::ShownMessage;
using doubles::AnsweringAsker;
using doubles::RecordingNotifier;
using doubles::RecordingPause;
using doubles::RecordingUrlOpener;

inline void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

// An application folder in a temporary directory with the three required resources, and test services.
struct TestApp
{
    explicit TestApp(const QString& siteUrl = QString())
        : folder(dir.path())
        , settings(dir.path() + QStringLiteral("/.settings/Quillmere.conf"))
        , context{reading, folder, random, clock, notifier, pause, urlOpener, siteUrl, settings}
    {
        writeFile(folder.profileStore(), QByteArray());
        QDir(dir.path()).mkpath(QStringLiteral("cards"));
        QDir(dir.path()).mkpath(QStringLiteral("pic"));
    }

    QTemporaryDir dir;
    AppFolder folder;
    CurrentReading reading;
    SeededRandomSource random{20261209};
    FixedReadingClock clock{QDateTime(QDate(2026, 12, 9), QTime(21, 30, 5))};
    RecordingNotifier notifier;
    RecordingPause pause;
    RecordingUrlOpener urlOpener;
    ProgramSettings settings;
    AppContext context;
};

// Lets closed windows and screens be deleted, so "is it open" questions see the truth.
inline void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace quillmere::test
