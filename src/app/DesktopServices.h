#pragma once

#include "app/Asker.h"
#include "table/Services.h"

namespace quillmere {

// Message boxes as modal QMessageBox windows with a single OK button, and questions with their answers.
class MessageBoxNotifier final : public Notifier, public Asker
{
public:
    void show(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    int ask(QWidget* parent, const QString& title, const QString& text, const QStringList& answers) override;
    // Carriage returns without a line feed become line breaks, as the message boxes show them.
    static QString displayText(const QString& text);
};

// A blocking wait: everything on screen is painted first, then nothing moves until the time is up.
class SleepingPause final : public Pause
{
public:
    void wait(int milliseconds) override;
};

// The desktop's default handler (browser, mail program).
class DesktopUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl& url) override;
};

} // namespace quillmere
