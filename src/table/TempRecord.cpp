#include "table/TempRecord.h"

#include "storage/ReadingArchive.h"

#include <QCoreApplication>

namespace quillmere {

void rewriteTempRecord(const AppContext& context)
{
    const StorageResult written = writeTempReading(context.folder, context.reading, context.clock);
    // The reading on screen stands whether or not its record could be written. The user is told once, when
    // the record of the whole reading fails, not for every card a manual reading lays.
    if (!written && context.reading.isComplete())
        context.notifier.show(nullptr, Notifier::Icon::Error, QStringLiteral("Quillmere"),
                              tempRecordFailureMessage(written));
}

void keepReadingMoment(AppContext& context)
{
    CurrentReading& reading = context.reading;
    if (!reading.creationDate.isEmpty() && !reading.creationTime.isEmpty())
        return;
    const ReadingMoment moment = context.clock.moment();
    reading.creationDate = moment.date;
    reading.creationTime = moment.time;
}

void repaintPendingWindows()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quillmere
