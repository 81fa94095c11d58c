#pragma once

// The one family of test doubles for the services the program is given at start-up, used by every test and
// benchmark: each records what the program asked of it and returns at once, so nothing ever blocks on a
// message box, a pause or a browser. The random source and the clock the tests control come from the engine
// (SeededRandomSource, ScriptedRandomSource, FixedReadingClock).

#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "table/Services.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace quillmere::doubles {

// A message box as the program would have shown it.
struct ShownMessage
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
    // The texts of the messages, in the order shown.
    QStringList texts() const
    {
        QStringList all;
        for (const ShownMessage& message : messages)
            all.append(message.text);
        return all;
    }
    QList<ShownMessage> messages;
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

// Records the addresses the program would have opened.
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

} // namespace quillmere::doubles
