#pragma once

#include "TestDoubles.h"
#include "engine/CurrentReading.h"
#include "engine/RandomSource.h"
#include "engine/ReadingClock.h"
#include "storage/AppFolder.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"
#include "table/Services.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QMdiArea>
#include <QTemporaryDir>
#include <QTest>

namespace quillmere::testing {

using doubles::RecordingNotifier;
using doubles::RecordingUrlOpener;
using doubles::ShownMessage;
using NoPause = doubles::RecordingPause;

// A main window reduced to what the card tables use: a workspace, the pane's last text and the state.
class RecordingHost final : public ReadingHost
{
public:
    enum class State { NoReading, Fresh, Reopened };
    QMdiArea* workspace() override { return &area; }
    void setReadingText(const StyledText& value) override
    {
        text = value;
        ++textsSet;
    }
    void enterFreshReadingState() override { state = State::Fresh; }
    void enterReopenedReadingState() override { state = State::Reopened; }

    QMdiArea area;
    StyledText text;
    int textsSet = 0;
    State state = State::NoReading;
};

// An application folder of its own with an empty profile store, a standing clock and recording services.
class PanelFixture
{
public:
    explicit PanelFixture(const QDateTime& moment = QDateTime(QDate(2025, 12, 8), QTime(15, 34, 5)))
        : folder(dir.path())
        , clock(moment)
        , settings(dir.filePath(QStringLiteral(".settings/Quillmere.conf")))
        , context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings}
    {
        QDir(dir.path()).mkpath(QStringLiteral("cards"));
        QDir(dir.path()).mkpath(QStringLiteral("pic"));
        writeFile(QStringLiteral("vt.dll"), QByteArray());
    }

    void writeFile(const QString& relative, const QByteArray& bytes) const
    {
        QFile file(folder.path(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray readFile(const QString& relative) const
    {
        QFile file(folder.path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The entries of a folder under the application folder, sorted, without "." and "..".
    QStringList entries(const QString& relative) const
    {
        return QDir(folder.path(relative)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir dir;
    AppFolder folder;
    CurrentReading reading;
    SeededRandomSource random{7};
    FixedReadingClock clock;
    RecordingNotifier notifier;
    NoPause pause;
    RecordingUrlOpener urlOpener;
    ProgramSettings settings;
    AppContext context;
};

} // namespace quillmere::testing
