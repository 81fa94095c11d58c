#include "app/Program.h"

#include "screens/MainWindow.h"

namespace quillmere {

Program::Program(AppContext& context)
    : m_context(context)
    , m_lock(context.folder.root())
{ }

Program::~Program() = default;

bool Program::start()
{
    m_check = checkStartup(m_lock, m_context.folder, m_context.notifier);
    if (m_check != StartupCheck::Passed)
        return false;
    m_window = std::make_unique<MainWindow>(m_context);
    m_window->showMaximized();
    m_window->showDetailsScreen();
    return true;
}

} // namespace quillmere
