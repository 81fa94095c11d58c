#include "table/HiddenCommand.h"

#include <QAbstractButton>
#include <QEvent>

namespace quillmere {

namespace {

// Moves its command into view on focus-in and back to its design place on focus-out.
class FocusRevealer : public QObject
{
public:
    FocusRevealer(QAbstractButton* command, const QRect& shownGeometry)
        : QObject(command)
        , m_command(command)
        , m_shown(shownGeometry)
    { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_command) {
            if (event->type() == QEvent::FocusIn && m_command->geometry() != m_shown) {
                m_design = m_command->geometry();
                m_command->setGeometry(m_shown);
                m_command->raise();
            } else if (event->type() == QEvent::FocusOut && m_design.isValid()) {
                m_command->setGeometry(m_design);
                m_design = QRect();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractButton* m_command;
    QRect m_shown;
    QRect m_design;
};

} // namespace

void showWhileFocused(QAbstractButton* command, const QRect& shownGeometry)
{
    command->installEventFilter(new FocusRevealer(command, shownGeometry));
}

} // namespace quillmere
