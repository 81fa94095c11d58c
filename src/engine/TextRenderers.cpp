#include "engine/TextRenderers.h"

namespace quillmere {

namespace {

// Every kind of line end becomes one <br>, so a stray "\n" or "\r" breaks the line as the pane shows it.
QString htmlLines(const QString& text)
{
    QString html;
    html.reserve(text.size() + text.size() / 8);
    const QString escaped = text.toHtmlEscaped();
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const QChar c = escaped[i];
        if (c == QLatin1Char('\r')) {
            if (i + 1 < escaped.size() && escaped[i + 1] == QLatin1Char('\n'))
                ++i;
            html += QLatin1String("<br>");
        } else if (c == QLatin1Char('\n')) {
            html += QLatin1String("<br>");
        } else {
            html += c;
        }
    }
    return html;
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
    // pre-wrap keeps the runs of spaces: the underlined separators are made of nothing else.
    QString body = QStringLiteral("<div style=\"white-space:pre-wrap\">");
    for (const TextRun& run : text.runs()) {
        body += QStringLiteral("<span style=\"color:%1;font-weight:%2;text-decoration:%3\">")
                    .arg(run.colour.name(), run.bold ? QLatin1String("bold") : QLatin1String("normal"),
                         run.underline ? QLatin1String("underline") : QLatin1String("none"));
        body += htmlLines(run.text);
        body += QLatin1String("</span>");
    }
    body += QLatin1String("</div>");
    if (!fullPage)
        return body;
    return QStringLiteral("<!DOCTYPE html>\n"
                          "<html>\n"
                          "<head>\n"
                          "<meta charset=\"utf-8\">\n"
                          "<title>Quillmere reading</title>\n"
                          "</head>\n"
                          "<body style=\"background:#ffffff;font-family:Verdana,'DejaVu Sans',sans-serif\">\n")
        + body + QStringLiteral("\n</body>\n</html>\n");
}

QString renderAnsi(const StyledText& text)
{
    QString ansi;
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
        for (const QChar c : run.text)
            ansi += isTerminalControl(c) ? QChar(0xfffd) : c;
    }
    ansi += QLatin1String("\x1b[0m");
    return ansi;
}

} // namespace quillmere
