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
// Ctrl + plus (or Ctrl + =), Ctrl + minus and Ctrl + wheel zoom the text, Ctrl + 0 brings it back to its normal
// size; the zoom stays for the next reading. The pane keeps its paper, white with black text, whatever the
// system's colours, because the reading's runs carry colours chosen for white.
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

    // The text's size in points: kNormalPointSize unless zoomed, never outside kMinPointSize..kMaxPointSize.
    static constexpr int kNormalPointSize = 9;
    static constexpr int kMinPointSize = 6;
    static constexpr int kMaxPointSize = 32;
    int pointSize() const { return m_pointSize; }
    // Zooms by steps points (negative steps zoom out), within the limits.
    void zoomBy(int steps);
    void resetZoom();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyPointSize(int pointSize);
    void markLinks();
    void onAnchorClicked(const QUrl& link);

    UrlOpener& m_urlOpener;
    int m_pointSize = kNormalPointSize;
    // What is left of the wheel's turning below one step, so that fine-grained wheels zoom too.
    int m_wheelRemainder = 0;
};

} // namespace quillmere
