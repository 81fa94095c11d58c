#include "storage/RecordFormat.h"
#include "storage/SavedReadingText.h"
#include "storage/TextDecoding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quillmere;

// Any bytes as a record file: reading never crashes or hangs, and whatever is read is written and read back
// unchanged.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const StorageValue<ReadingRecord> read = parseRecord(bytes);
    if (!read.ok()) {
        if (read.error().isEmpty())
            std::abort();
        return 0;
    }
    const StyledText shown = showSavedReading(*read);
    if (shown.isEmpty())
        std::abort();
    const ReadingRecord again = parseRecordText(decodeFileText(serializeRecord(*read)));
    if (!(again == *read))
        std::abort();
    return 0;
}
