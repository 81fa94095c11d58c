#pragma once

#include "table/Services.h"

namespace quillmere::bench {

// Services that do nothing, so a benchmark never blocks on a message box, a pause or a browser.
class NoNotifier final : public Notifier
{
public:
    void show(QWidget*, Icon, const QString&, const QString&) override { }
};

class NoPause final : public Pause
{
public:
    void wait(int) override { }
};

class NoAsker final : public Asker
{
public:
    int ask(QWidget*, const QString&, const QString&, const QStringList&) override { return -1; }
};

class NoUrlOpener final : public UrlOpener
{
public:
    void open(const QUrl&) override { }
};

} // namespace quillmere::bench
