#pragma once

#include "table/ProgramSettings.h"

#include <QObject>

class QWidget;

namespace quillmere {

// Remembers a window's size, place and maximised state between runs: restored when the program starts, kept
// when the window closes.
class WindowMemory : public QObject
{
    Q_OBJECT
public:
    WindowMemory(QWidget& window, ProgramSettings& settings);

    // Shows the window as it was left; false (and nothing shown) when nothing was remembered.
    bool restore();
    void keep();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    ProgramSettings& m_settings;
};

} // namespace quillmere
