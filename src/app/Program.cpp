#include "app/Program.h"

#include "screens/MainWindow.h"
#include "storage/Leftovers.h"

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
    // Unfinished files of writes killed in an earlier run; what they were writing was never replaced.
    removeStaleLeftovers(m_context.folder, m_context.clock.now());
    m_window = std::make_unique<MainWindow>(m_context);
    m_window->showMaximized();
    m_window->showDetailsScreen();
    return true;
}

} // namespace quillmere
