#pragma once

#include "screens/WebLinks.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"
#include "table/Services.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QPushButton;
class QSplitter;

namespace quillmere {

struct DeckFolder;
class DeckBrowser;
class DetailsScreen;
class JournalWindow;
class ReadingExport;
class ReadingPane;
class RightPanel;
class SpreadScreen;

// The frame window `frmMDI`: the workspace that holds every screen and card table, the right panel with
// the reading pane and its three commands, and the menus. Closing it by any route ends the program.
class MainWindow : public QMainWindow, public ReadingHost
{
    Q_OBJECT
public:
    enum class ReadingState { None, Fresh, Reopened };

    // Opens a screen or dialog on behalf of the main window; the parent to use is passed in.
    using Opener = std::function<void(QWidget* parent)>;
    // Opens a card table for the reading in progress.
    using CastOpener = std::function<void(AppContext&, ReadingHost&)>;

    explicit MainWindow(AppContext& context, QWidget* parent = nullptr);
    ~MainWindow() override;

    AppContext& context() { return m_context; }
    const WebLinks& webLinks() const { return m_links; }

    // ReadingHost
    QMdiArea* workspace() override;
    void setReadingText(const StyledText& text) override;
    void enterFreshReadingState() override;
    void enterReopenedReadingState() override;

    ReadingState readingState() const { return m_state; }
    ReadingPane* readingPane() const { return m_pane; }
    // The File menu's print, PDF, picture, copy and export commands for the reading on screen.
    ReadingExport* readingExport() const { return m_export; }
    QWidget* rightPanel() const;

    // The screens of a reading, each opened afresh inside the workspace.
    DetailsScreen* showDetailsScreen();
    SpreadScreen* showSpreadScreen();

    // What Save This Reading opens; the save dialog unless replaced.
    void setSaveHandler(Opener handler) { m_saveHandler = std::move(handler); }
    // What the spread selection screen's two cast commands open: the automatic cast's card table and the
    // manual board, unless replaced.
    void setAutomaticCastOpener(CastOpener opener) { m_automaticCast = std::move(opener); }
    void setManualBoardOpener(CastOpener opener) { m_manualBoard = std::move(opener); }
    // What "Enter Cards From My Deck" opens: the entry of the cards of the user's own deck, unless replaced.
    void setDeckEntryOpener(CastOpener opener) { m_deckEntry = std::move(opener); }
    const CastOpener& automaticCastOpener() const { return m_automaticCast; }
    const CastOpener& manualBoardOpener() const { return m_manualBoard; }
    const CastOpener& deckEntryOpener() const { return m_deckEntry; }

    // Start Again: back to the No reading state with the details screen in front.
    void startAgain();
    // File > New Reading: the details screen as at start-up. Only when no details, spread, manual board or deck entry
    // is open;
    // with a reading on screen it is Start Again.
    void newReading();
    bool canStartNewReading() const;
    // The width the reading panel takes when shown, in pixels: the design width or the one the user chose.
    int readingPanelWidth() const;
    void showAboutBox();

    // Deck > the decks to choose from ("menuDeck"): one radio item per deck, the chosen one ticked, a deck that
    // cannot be chosen shown disabled with the reason. Listed afresh whenever the menu opens, so a folder the user
    // adds while the program runs appears.
    QMenu* deckMenu() const { return m_deckMenu; }
    void refreshDeckChoices();
    // Shows the deck from now on on every card table and board that is open, and remembers it for the next start.
    // A deck that is not there or cannot be chosen changes nothing.
    void chooseDeck(const QString& deckId);
    // Every open card table and board shows the deck anew, for the density of the screen the window is on now.
    void showDeckEverywhere(const DeckFolder& deck);
    // Deck > Browse the Cards ("mnuBrowseCards"): the chosen deck's cards in a window of their own (one at a time).
    DeckBrowser* showDeckBrowser();

    // View > Fit Table to Window ("mnuFitTable", in "mnuView"): off, every card table keeps its design size and
    // scrolls in the workspace; on, every card table open now or later is scaled to fit the workspace left of the
    // reading panel and refitted as the window or the panel changes. The choice is remembered for the next start.
    void setFitTableToWindow(bool fit);
    bool fitsTableToWindow() const;

    // The reader's journal, in a window of its own (one at a time).
    JournalWindow* showJournal();
    // Who asks the journal's questions (emptying the trash, deleting a profile); without one, every such question
    // is answered with the answer that changes nothing.
    void setAsker(Asker& asker) { m_asker = &asker; }
    // Shows a saved reading as View Old Reading does, in place of whatever reading is on screen; the reason in
    // words when the file cannot be shown, and then nothing changes.
    QString showSavedReadingFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void setWorkspaceWhite(bool white);
    // The steps of Start Again before the details screen comes up; shutdown runs them too.
    void resetReadingState();
    // The last step of Start Again: the screens and tables of the reading close.
    void closeReadingScreens();
    void shutDown();
    void onCmdSaveClicked();
    void updateNewReadingAction();
    void showRightPanel();
    void applyPanelWidth();
    void rememberPanelWidth();

    AppContext& m_context;
    WebLinks m_links;
    QMdiArea* m_workspace = nullptr;
    // Kept apart so the event filter never asks the workspace, which may be half destroyed when the window closes.
    QWidget* m_workspaceViewport = nullptr;
    QSplitter* m_splitter = nullptr;
    RightPanel* m_rightPanel = nullptr;
    int m_panelWidth = 0;
    QAction* m_newReading = nullptr;
    QMenu* m_deckMenu = nullptr;
    QAction* m_fitTable = nullptr;
    QActionGroup* m_deckChoices = nullptr;
    // Ends the deck choices; what the Deck menu offers besides them comes after it.
    QAction* m_deckChoicesEnd = nullptr;
    bool m_followsScreens = false;
    QPushButton* m_cmdRestart = nullptr;
    QPushButton* m_cmdSave = nullptr;
    QPushButton* m_cmdExit = nullptr;
    ReadingPane* m_pane = nullptr;
    ReadingExport* m_export = nullptr;
    ReadingState m_state = ReadingState::None;
    bool m_shutDown = false;
    Opener m_saveHandler;
    CastOpener m_automaticCast;
    CastOpener m_manualBoard;
    CastOpener m_deckEntry;
    Asker* m_asker = nullptr;
};

} // namespace quillmere
