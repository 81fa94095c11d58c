#pragma once

#include "engine/StyledText.h"

#include <QString>

namespace quillmere {

// The text alone, line ends kept as they are ("\r\n").
QString renderPlainText(const StyledText& text);

// The runs as HTML: escaped, one span with inline styles per run, line ends as <br>. With fullPage a
// complete HTML document, otherwise a fragment for a rich-text view.
QString renderHtml(const StyledText& text, bool fullPage);

// The runs with ANSI terminal colours, bold and underline (24-bit colour escapes).
QString renderAnsi(const StyledText& text);

} // namespace quillmere
