#pragma once

#include "engine/StyledText.h"

class QMdiArea;

namespace quillmere {

// What the card tables and the manual board need from the main window: its workspace, its reading pane and
// the switch into the states in which a reading is on screen.
class ReadingHost
{
public:
    virtual ~ReadingHost() = default;
    // The workspace that holds the screens and card tables as child windows.
    virtual QMdiArea* workspace() = 0;
    // Replaces the pane's text and shows it from its top.
    virtual void setReadingText(const StyledText& text) = 0;
    // Right panel shown, workspace white, Save This Reading enabled.
    virtual void enterFreshReadingState() = 0;
    // Right panel shown, workspace white, Save This Reading disabled.
    virtual void enterReopenedReadingState() = 0;
};

} // namespace quillmere
