#pragma once

#include <Qt>

namespace quillmere {

// Message boxes and dialogs offer only a close box: minimising a dialog would take the program's window with it
// on desktops without a task bar.
inline constexpr Qt::WindowFlags kDialogWindowFlags
    = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace quillmere
