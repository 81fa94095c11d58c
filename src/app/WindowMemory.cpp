#include "app/WindowMemory.h"

#include <QEvent>
#include <QWidget>

namespace quillmere {

namespace {

const QString kGeometryKey = QStringLiteral("window/geometry");

} // namespace

WindowMemory::WindowMemory(QWidget& window, ProgramSettings& settings)
    : m_window(window)
    , m_settings(settings)
{
    m_window.installEventFilter(this);
}

bool WindowMemory::restore()
{
    const QByteArray geometry = m_settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !m_window.restoreGeometry(geometry))
        return false;
    m_window.show();
    return true;
}

void WindowMemory::keep()
{
    m_settings.setValue(kGeometryKey, m_window.saveGeometry());
    m_settings.sync();
}

bool WindowMemory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::Close)
        keep();
    return QObject::eventFilter(watched, event);
}

} // namespace quillmere
