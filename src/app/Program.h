#pragma once

#include "app/Asker.h"
#include "app/Startup.h"
#include "app/WindowMemory.h"
#include "table/AppContext.h"

#include <memory>

namespace quillmere {

class MainWindow;

// The desktop program's life: the start-up checks, then the main window with the details screen in it.
// The services come from outside, so the same start-up runs with the real ones and with test doubles.
class Program
{
public:
    explicit Program(AppContext& context);
    ~Program();

    // Runs the checks; on success the main window comes up maximised with the details screen, and the
    // program runs until the main window closes. False when start-up refused (the message was shown).
    bool start();
    // The folder earlier versions kept their data in; when set, a first start with an empty data folder offers
    // to copy its readings over.
    void setMoveOverFolder(QString folder) { m_moveOverFolder = std::move(folder); }
    // Who asks the user the questions of moving over and of File > Import Readings From Folder…; without one,
    // neither is offered.
    void setAsker(Asker& asker) { m_asker = &asker; }
    StartupCheck startupCheck() const { return m_check; }
    MainWindow* mainWindow() const { return m_window.get(); }

private:
    AppContext& m_context;
    SingleInstanceLock m_lock;
    StartupCheck m_check = StartupCheck::Passed;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<WindowMemory> m_windowMemory;
    QString m_moveOverFolder;
    Asker* m_asker = nullptr;
};

} // namespace quillmere
