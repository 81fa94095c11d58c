#include "engine/TextRenderers.h"

#include <algorithm>

namespace quillmere {

namespace {

// Appends text escaped for HTML. Every kind of line end becomes one <br>, so a stray "\n" or "\r" breaks the
// line as the pane shows it. Plain stretches are copied whole: readings are mostly plain text.
void appendHtml(QString& html, QStringView text)
{
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QLatin1String replacement;
        qsizetype skip = 0;
        switch (text[i].unicode()) {
        case u'<':
            replacement = QLatin1String("&lt;");
            break;
        case u'>':
            replacement = QLatin1String("&gt;");
            break;
        case u'&':
            replacement = QLatin1String("&amp;");
            break;
        case u'"':
            replacement = QLatin1String("&quot;");
            break;
        case u'\r':
            replacement = QLatin1String("<br>");
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                skip = 1;
            break;
        case u'\n':
            replacement = QLatin1String("<br>");
            break;
        default:
            continue;
        }
        html.append(text.sliced(plainFrom, i - plainFrom));
        html.append(replacement);
        i += skip;
        plainFrom = i + 1;
    }
    html.append(text.sliced(plainFrom));
}

// Control characters in the querent's own texts must not reach the terminal as commands.
bool isTerminalControl(QChar c)
{
    const char16_t code = c.unicode();
    if (code == u'\r' || code == u'\n' || code == u'\t')
        return false;
    return code < 0x20 || (code >= 0x7f && code < 0xa0);
}

} // namespace

QString renderPlainText(const StyledText& text)
{
    return text.plainText();
}

QString renderHtml(const StyledText& text, bool fullPage)
{
    QString html;
    qsizetype length = 0;
    for (const TextRun& run : text.runs())
        length += run.text.size() + 80;
    html.reserve(length + 400);
    if (fullPage) {
        html += QLatin1String("<!DOCTYPE html>\n"
                              "<html>\n"
                              "<head>\n"
                              "<meta charset=\"utf-8\">\n"
                              "<title>Quillmere reading</title>\n"
                              "</head>\n"
                              "<body style=\"background:#ffffff;font-family:Verdana,'DejaVu Sans',sans-serif\">\n");
    }
    // pre-wrap keeps the runs of spaces: the underlined separators are made of nothing else.
    html += QLatin1String("<div style=\"white-space:pre-wrap\">");
    for (const TextRun& run : text.runs()) {
        html += QLatin1String("<span style=\"color:");
        html += run.colour.name();
        html += run.bold ? QLatin1String(";font-weight:bold") : QLatin1String(";font-weight:normal");
        html += run.underline ? QLatin1String(";text-decoration:underline\">")
                              : QLatin1String(";text-decoration:none\">");
        appendHtml(html, run.text);
        html += QLatin1String("</span>");
    }
    html += QLatin1String("</div>");
    if (fullPage)
        html += QLatin1String("\n</body>\n</html>\n");
    return html;
}

QString renderAnsi(const StyledText& text)
{
    QString ansi;
    qsizetype length = 0;
    for (const TextRun& run : text.runs())
        length += run.text.size() + 24;
    ansi.reserve(length + 8);
    for (const TextRun& run : text.runs()) {
        ansi += QLatin1String("\x1b[0");
        if (run.bold)
            ansi += QLatin1String(";1");
        if (run.underline)
            ansi += QLatin1String(";4");
        // Black is the pane's ordinary text colour: the terminal's own foreground keeps it readable on any
        // background.
        if (run.colour == colours::kBlack)
            ansi += QLatin1String(";39");
        else
            ansi += QStringLiteral(";38;2;%1;%2;%3").arg(run.colour.red).arg(run.colour.green).arg(run.colour.blue);
        ansi += QLatin1Char('m');
        if (std::any_of(run.text.cbegin(), run.text.cend(), isTerminalControl)) {
            QString safe = run.text;
            std::replace_if(safe.begin(), safe.end(), isTerminalControl, QChar(0xfffd));
            ansi += safe;
        } else {
            ansi += run.text;
        }
    }
    ansi += QLatin1String("\x1b[0m");
    return ansi;
}

} // namespace quillmere
