#pragma once

#include "engine/StyledText.h"
#include "table/Services.h"

#include <QTextBrowser>
#include <QUrl>
#include <optional>

namespace quillmere {

// The reading pane: shows the reading's styled text run by run, turns the addresses in it into links and
// opens a link when it is clicked with the left button. Only web and mail addresses are ever opened,
// whatever the text holds, because the question is typed by the user.
class ReadingPane : public QTextBrowser
{
    Q_OBJECT
public:
    explicit ReadingPane(UrlOpener& urlOpener, QWidget* parent = nullptr);

    // Replaces the text and shows it from its top.
    void setStyledText(const StyledText& text);
    // The text as the pane shows it: runs with their attributes, line breaks as "\r\n". Links are underlined.
    StyledText displayedText() const;

    // The address a link's text stands for, or nothing when it is not an http, https or mailto address.
    // "www." addresses are web addresses.
    static std::optional<QUrl> openableUrl(const QString& linkText);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void markLinks();
    void onAnchorClicked(const QUrl& link);

    UrlOpener& m_urlOpener;
};

} // namespace quillmere
