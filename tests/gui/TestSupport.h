#pragma once

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

struct Message
{
    Notifier::Icon icon;
    QString title;
    QString text;
};

// Records every message box and answers OK at once.
class RecordingNotifier final : public Notifier
{
public:
    void show(QWidget*, Icon icon, const QString& title, const QString& text) override
    {
        messages.append({icon, title, text});
    }
    QList<Message> messages;
};

// Records the pauses and returns at once; onWait runs at the moment of the pause.
class RecordingPause final : public Pause
{
public:
    void wait(int milliseconds) override
    {
        waits.append(milliseconds);
        if (onWait)
            onWait();
    }
    QList<int> waits;
    std::function<void()> onWait;
};

class RecordingUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl& url) override { urls.append(url); }
    QList<QUrl> urls;
};

// Answers the questions from a list (then with -1, the box closed) and records them.
class AnsweringAsker final : public Asker
{
public:
    int ask(QWidget*, const QString&, const QString& text, const QStringList&) override
    {
        questions.append(text);
        return answers.isEmpty() ? -1 : answers.takeFirst();
    }
    QStringList questions;
    QList<int> answers;
};

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
