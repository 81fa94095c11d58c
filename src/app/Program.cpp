#include "app/Program.h"

#include "app/ImportReadings.h"
#include "app/MoveOver.h"
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
    if (!m_moveOverFolder.isEmpty() && m_asker) {
        MoveOver moveOver(m_context, *m_asker, m_moveOverFolder);
        if (moveOver.isDue())
            moveOver.offer();
    }
    m_window = std::make_unique<MainWindow>(m_context);
    if (m_asker) {
        addImportCommand(*m_window, m_context, *m_asker);
        m_window->setAsker(*m_asker);
    }
    m_windowMemory = std::make_unique<WindowMemory>(*m_window, m_context.settings);
    if (!m_windowMemory->restore())
        m_window->showMaximized();
    m_window->showDetailsScreen();
    return true;
}

} // namespace quillmere
