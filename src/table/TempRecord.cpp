#include "table/TempRecord.h"

#include "storage/ReadingArchive.h"

#include <QCoreApplication>

namespace quillmere {

void rewriteTempRecord(const AppContext& context)
{
    // The reading on screen stands whether or not its record could be written.
    (void)writeTempReading(context.folder, context.reading, context.clock);
}

void repaintPendingWindows()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace quillmere
