#pragma once

#include <QByteArrayView>
#include <QString>

namespace quillmere {

// The text of a file the program reads: valid UTF-8 as UTF-8 (a leading byte-order mark dropped), anything
// else as Windows-1252, the 8-bit code page older versions wrote their files in.
QString decodeFileText(QByteArrayView bytes);

// Windows-1252 to text. The five bytes the code page leaves undefined map to the control characters of the
// same value, as Windows itself maps them.
QString decodeWindows1252(QByteArrayView bytes);

bool isValidUtf8(QByteArrayView bytes);

} // namespace quillmere
