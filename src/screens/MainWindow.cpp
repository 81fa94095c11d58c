#include "screens/MainWindow.h"

#include "screens/AboutBox.h"
#include "screens/DeckBrowser.h"
#include "screens/DeckEntry.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/JournalWindow.h"
#include "screens/ReadingExport.h"
#include "screens/ReadingPane.h"
#include "screens/SaveReadingDialog.h"
#include "screens/SpreadScreen.h"
#include "storage/DeckLibrary.h"
#include "storage/ReadingArchive.h"
#include "table/AutomaticCast.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/LastChoices.h"
#include "table/ManualBoard.h"
#include "table/ReopenedReading.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QWindow>

namespace quillmere {

namespace {

constexpr int kPanelWidthTwips = 3735;
constexpr int kButtonHeightTwips = 500;
constexpr int kSaveTopTwips = 495;
constexpr int kPaneTopTwips = 990;
constexpr int kPaneWidthTwips = 3645;
constexpr int kSplitterHandleWidth = 6;
// The workspace keeps room for a screen's edge however wide the reading panel is made.
constexpr int kWorkspaceMinimumWidth = 240;
// The width the user gave the reading panel, remembered between runs.
const QString kPanelWidthKey = QStringLiteral("window/readingPanelWidth");
// Whether the card tables are fitted to the workspace, remembered once chosen.
const QString kFitTableKey = QStringLiteral("view/fitTableToWindow");

// The screens and tables a reading opens; Start Again and shutdown close them.
const char* const kReadingScreens[] = {"frmTarot", "frmManual", "frmDeckEntry", "frmAuto", "frmReading"};

QPushButton* panelButton(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setFont(verdanaFont(9.75, true));
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, programColours::kCommandButton);
    palette.setColor(QPalette::ButtonText, programColours::kCommandButtonText);
    // A disabled command must look disabled: Save is greyed out for a reopened reading.
    palette.setColor(QPalette::Disabled, QPalette::Button,
                     programColours::kCommandButton.lighter(programColours::kCommandButtonDisabledLighter));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, programColours::kCommandButtonDisabledText);
    button->setPalette(palette);
    return button;
}

} // namespace

// The right panel `picRight`. Its layout keeps Start Again and Save at the top, Exit at the bottom and gives
// the pane everything between; when that leaves the pane no room, the pane keeps its height and Exit goes
// below it. The user may widen the panel with the splitter handle beside it; the buttons take the panel's width
// and the pane keeps its small gap to the right edge. It is never narrower than its design width.
class RightPanel : public QWidget
{
public:
    explicit RightPanel(QWidget* parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("picRight"));
        setMinimumWidth(twipsToPixels(kPanelWidthTwips));
    }

    QSize sizeHint() const override { return {twipsToPixels(kPanelWidthTwips), QWidget::sizeHint().height()}; }

    void setControls(QPushButton* restart, QPushButton* save, QWidget* pane, QPushButton* exit)
    {
        m_restart = restart;
        m_save = save;
        m_pane = pane;
        m_exit = exit;
        layoutControls();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        layoutControls();
    }

private:
    void layoutControls()
    {
        if (!m_pane)
            return;
        const int width = this->width();
        const int paneWidth = width - (twipsToPixels(kPanelWidthTwips) - twipsToPixels(kPaneWidthTwips));
        const int buttonHeight = twipsToPixels(kButtonHeightTwips);
        const int paneTop = twipsToPixels(kPaneTopTwips);
        m_restart->setGeometry(0, 0, width, buttonHeight);
        m_save->setGeometry(0, twipsToPixels(kSaveTopTwips), width, buttonHeight);
        int paneHeight = height() - paneTop - buttonHeight;
        if (paneHeight < 1)
            paneHeight = m_pane->height();
        m_pane->setGeometry(0, paneTop, paneWidth, paneHeight);
        m_exit->setGeometry(0, paneTop + paneHeight, width, buttonHeight);
    }

    QPushButton* m_restart = nullptr;
    QPushButton* m_save = nullptr;
    QWidget* m_pane = nullptr;
    QPushButton* m_exit = nullptr;
};

MainWindow::MainWindow(AppContext& context, QWidget* parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_links(context.siteUrl, context.folder)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    // Decoded only when the desktop asks for it, at the sizes it asks for.
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.png")));

    // The workspace and the right panel share the window; the handle between them widens the reading pane.
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("splitRight"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(kSplitterHandleWidth);

    m_workspace = new QMdiArea(m_splitter);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setMinimumWidth(kWorkspaceMinimumWidth);
    m_workspaceViewport = m_workspace->viewport();
    m_workspaceViewport->installEventFilter(this);
    m_splitter->addWidget(m_workspace);

    m_rightPanel = new RightPanel(m_splitter);
    m_cmdRestart = panelButton(QStringLiteral("cmdRestart"), QStringLiteral("Start Again"), m_rightPanel);
    m_cmdSave = panelButton(QStringLiteral("cmdSave"), QStringLiteral("Save This Reading"), m_rightPanel);
    m_pane = new ReadingPane(context.urlOpener, m_rightPanel);
    m_cmdExit = panelButton(QStringLiteral("cmdExit"), QStringLiteral("Exit"), m_rightPanel);
    m_rightPanel->setControls(m_cmdRestart, m_cmdSave, m_pane, m_cmdExit);
    m_splitter->addWidget(m_rightPanel);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 0);
    setCentralWidget(m_splitter);
    m_panelWidth = std::max(twipsToPixels(kPanelWidthTwips), m_context.settings.value(kPanelWidthKey, 0).toInt());
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::rememberPanelWidth);

    connect(m_cmdRestart, &QPushButton::clicked, this, &MainWindow::startAgain);
    connect(m_cmdSave, &QPushButton::clicked, this, &MainWindow::onCmdSaveClicked);
    connect(m_cmdExit, &QPushButton::clicked, this, &QWidget::close);

    m_export = new ReadingExport(m_context, m_workspace, m_pane, this);
    buildMenus();
    m_saveHandler = [this](QWidget* parent) { SaveReadingDialog::open(m_context, parent); };
    m_automaticCast = [](AppContext& context, ReadingHost& host) { openAutomaticCast(context, host); };
    m_manualBoard = [this](AppContext& context, ReadingHost& host) {
        connect(openManualBoard(context, host), &ManualBoard::backRequested, this, &MainWindow::showDetailsScreen);
    };
    m_deckEntry = [this](AppContext& context, ReadingHost& host) {
        connect(openDeckEntry(context, host), &DeckEntry::backRequested, this, &MainWindow::showDetailsScreen);
    };

    m_rightPanel->hide();
    setWorkspaceWhite(false);
    m_cmdSave->setEnabled(false);
    resize(twipsToPixels(11880), twipsToPixels(8490));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));

    // New Reading: the way back to the details screen whenever none of a reading's screens is open.
    m_newReading = file->addAction(QStringLiteral("&New Reading"));
    m_newReading->setObjectName(QStringLiteral("mnuNewReading"));
    m_newReading->setShortcut(QKeySequence::New);
    connect(m_newReading, &QAction::triggered, this, &MainWindow::newReading);
    file->addSeparator();

    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    // Print, PDF, pictures, copies and exports of the reading on screen come before Exit.
    m_export->addTo(file, exit);
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* journal = menuBar()->addMenu(QStringLiteral("&Journal"));
    journal->setObjectName(QStringLiteral("mnuJournal"));
    QAction* openJournal = journal->addAction(QStringLiteral("&Open Journal"));
    openJournal->setObjectName(QStringLiteral("mnuOpenJournal"));
    openJournal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    connect(openJournal, &QAction::triggered, this, &MainWindow::showJournal);

    m_deckMenu = menuBar()->addMenu(QStringLiteral("&Deck"));
    m_deckMenu->setObjectName(QStringLiteral("menuDeck"));
    m_deckChoices = new QActionGroup(this);
    m_deckChoices->setExclusive(true);
    m_deckChoicesEnd = m_deckMenu->addSeparator();
    QAction* browse = m_deckMenu->addAction(QStringLiteral("&Browse the Cards\u2026"));
    browse->setObjectName(QStringLiteral("mnuBrowseCards"));
    connect(browse, &QAction::triggered, this, &MainWindow::showDeckBrowser);
    connect(m_deckMenu, &QMenu::aboutToShow, this, &MainWindow::refreshDeckChoices);
    refreshDeckChoices();

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    m_fitTable = view->addAction(QStringLiteral("&Fit Table to Window"));
    m_fitTable->setObjectName(QStringLiteral("mnuFitTable"));
    m_fitTable->setCheckable(true);
    m_fitTable->setChecked(m_context.settings.value(kFitTableKey, false).toBool());
    setTablesFitWorkspace(m_workspace, m_fitTable->isChecked());
    connect(m_fitTable, &QAction::toggled, this, &MainWindow::setFitTableToWindow);
    // Off, the spread screen opens on its defaults; on, on the spread and options of the last cast.
    QAction* lastChoices = view->addAction(QStringLiteral("Open Spreads on &Last Choices"));
    lastChoices->setObjectName(QStringLiteral("mnuRememberSpread"));
    lastChoices->setCheckable(true);
    lastChoices->setChecked(LastChoices(m_context.settings).opensOnLastChoices());
    connect(lastChoices, &QAction::toggled, this,
            [this](bool open) { LastChoices(m_context.settings).setOpensOnLastChoices(open); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* online = help->addAction(QStringLiteral("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    connect(online, &QAction::triggered, this, [this] { m_context.urlOpener.open(m_links.helpPage()); });
    QAction* visit = help->addAction(QStringLiteral("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    connect(visit, &QAction::triggered, this, [this] { m_context.urlOpener.open(m_links.homePage()); });
    QAction* about = help->addAction(QStringLiteral("&About Software"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this, &MainWindow::showAboutBox);
}

void MainWindow::setFitTableToWindow(bool fit)
{
    if (m_fitTable->isChecked() != fit) {
        // The action's toggle comes back here.
        m_fitTable->setChecked(fit);
        return;
    }
    setTablesFitWorkspace(m_workspace, fit);
    // A settings file that cannot be written costs only the memory of the choice.
    m_context.settings.setValue(kFitTableKey, fit);
    m_context.settings.sync();
}

bool MainWindow::fitsTableToWindow() const
{
    return m_fitTable->isChecked();
}

void MainWindow::refreshDeckChoices()
{
    for (QAction* old : m_deckChoices->actions()) {
        m_deckChoices->removeAction(old);
        m_deckMenu->removeAction(old);
        old->deleteLater();
    }
    const DeckLibrary library(m_context.folder);
    const QString chosen = chosenDeck(m_context).id;
    for (const DeckFolder& deck : library.decks()) {
        const QString reason = deck.whyUnusable();
        auto* choice = new QAction(reason.isEmpty() ? deck.name : QStringLiteral("%1 (%2)").arg(deck.name, reason),
                                   m_deckChoices);
        choice->setObjectName(QStringLiteral("mnuDeck_") + deck.id);
        choice->setData(deck.id);
        choice->setCheckable(true);
        choice->setChecked(deck.id == chosen);
        choice->setEnabled(reason.isEmpty());
        if (!reason.isEmpty())
            choice->setToolTip(QStringLiteral("%1 cannot be used: %2").arg(deck.path, reason));
        const QString id = deck.id;
        connect(choice, &QAction::triggered, this, [this, id] { chooseDeck(id); });
        m_deckMenu->insertAction(m_deckChoicesEnd, choice);
    }
}

void MainWindow::chooseDeck(const QString& deckId)
{
    const DeckLibrary library(m_context.folder);
    const DeckFolder* deck = library.find(deckId);
    if (!deck || !deck->isUsable()) {
        refreshDeckChoices();
        return;
    }
    // A settings file that cannot be written costs only the memory of the choice; the cards change all the same.
    rememberChosenDeck(m_context.settings, deckId);
    showDeckEverywhere(*deck);
    refreshDeckChoices();
}

void MainWindow::showDeckEverywhere(const DeckFolder& deck)
{
    for (CardTable* table : m_workspace->findChildren<CardTable*>())
        table->setDeck(deck);
    for (ManualBoard* board : m_workspace->findChildren<ManualBoard*>())
        board->showBacksOf(deck);
    if (auto* browser = findChild<DeckBrowser*>(QString(), Qt::FindDirectChildrenOnly))
        browser->setDeck(deck);
}

DeckBrowser* MainWindow::showDeckBrowser()
{
    if (auto* open = findChild<DeckBrowser*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->raise();
        open->activateWindow();
        return open;
    }
    auto* browser = new DeckBrowser(chosenDeck(m_context), this);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->show();
    return browser;
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Moved to a screen of another density, the cards are read again for it.
    if (!m_followsScreens && windowHandle()) {
        m_followsScreens = true;
        connect(windowHandle(), &QWindow::screenChanged, this, [this] { showDeckEverywhere(chosenDeck(m_context)); });
    }
}

QMdiArea* MainWindow::workspace()
{
    return m_workspace;
}

QWidget* MainWindow::rightPanel() const
{
    return m_rightPanel;
}

void MainWindow::setReadingText(const StyledText& text)
{
    m_pane->setStyledText(text);
}

void MainWindow::showRightPanel()
{
    if (m_rightPanel->isVisible())
        return;
    m_rightPanel->show();
    applyPanelWidth();
}

void MainWindow::enterFreshReadingState()
{
    showRightPanel();
    setWorkspaceWhite(true);
    m_cmdSave->setEnabled(true);
    m_state = ReadingState::Fresh;
    m_export->setReadingOnScreen(true);
}

void MainWindow::enterReopenedReadingState()
{
    showRightPanel();
    setWorkspaceWhite(true);
    m_cmdSave->setEnabled(false);
    m_state = ReadingState::Reopened;
    m_export->setReadingOnScreen(true);
}

void MainWindow::setWorkspaceWhite(bool white)
{
    m_workspace->setBackground(QBrush(white ? programColours::kWorkspaceLight : programColours::kWorkspaceDark));
}

DetailsScreen* MainWindow::showDetailsScreen()
{
    if (QWidget* open = openForm(m_workspace, QStringLiteral("frmFront")))
        closeForm(open);
    auto* screen = new DetailsScreen(*this);
    QMdiSubWindow* window = openFormInWorkspace(m_workspace, screen);
    placeFormInWorkspace(window);
    window->show();
    screen->focusName();
    return screen;
}

SpreadScreen* MainWindow::showSpreadScreen()
{
    if (QWidget* open = openForm(m_workspace, QStringLiteral("frmTarot")))
        closeForm(open);
    auto* screen = new SpreadScreen(*this);
    QMdiSubWindow* window = openFormInWorkspace(m_workspace, screen);
    placeFormInWorkspace(window);
    window->show();
    return screen;
}

void MainWindow::resetReadingState()
{
    m_context.reading.resetForStartAgain();
    m_rightPanel->hide();
    setWorkspaceWhite(false);
    m_cmdSave->setEnabled(false);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window->objectName() == QLatin1String("frmSaveReading") && window->isVisible())
            window->close();
    }
    m_state = ReadingState::None;
    m_export->setReadingOnScreen(false);
}

void MainWindow::closeReadingScreens()
{
    for (const char* name : kReadingScreens) {
        if (QWidget* open = openForm(m_workspace, QString::fromLatin1(name)))
            closeForm(open);
    }
}

void MainWindow::startAgain()
{
    resetReadingState();
    showDetailsScreen();
    closeReadingScreens();
}

JournalWindow* MainWindow::showJournal()
{
    if (auto* open = findChild<JournalWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->refresh();
        open->raise();
        open->activateWindow();
        return open;
    }
    // Without an asker no question is put, and nothing it would have asked about changes.
    class Declining final : public Asker
    {
    public:
        int ask(QWidget*, const QString&, const QString&, const QStringList&) override { return -1; }
    };
    static Declining declining;
    auto* journal = new JournalWindow(
        m_context, m_asker ? *m_asker : declining, [this](const QString& path) { return showSavedReadingFile(path); },
        this);
    journal->show();
    return journal;
}

QString MainWindow::showSavedReadingFile(const QString& path)
{
    const StorageValue<ReadingRecord> record = readRecordFile(path);
    if (!record)
        return record.error();
    resetReadingState();
    closeReadingScreens();
    if (QWidget* details = openForm(m_workspace, QStringLiteral("frmFront")))
        closeForm(details);
    showReopenedReading(m_context, *this, *record);
    updateNewReadingAction();
    return {};
}

bool MainWindow::canStartNewReading() const
{
    // No details or spread screen to go on with, and no manual reading being picked or entered.
    for (const char* name : {"frmFront", "frmTarot", "frmManual", "frmDeckEntry"}) {
        if (openForm(m_workspace, QString::fromLatin1(name)))
            return false;
    }
    return true;
}

void MainWindow::newReading()
{
    if (!canStartNewReading())
        return;
    startAgain();
}

void MainWindow::updateNewReadingAction()
{
    if (!m_newReading)
        return;
    m_newReading->setEnabled(canStartNewReading());
}

int MainWindow::readingPanelWidth() const
{
    return m_panelWidth;
}

void MainWindow::applyPanelWidth()
{
    const int available = m_splitter->width() - m_splitter->handleWidth();
    const int panel = std::clamp(m_panelWidth, twipsToPixels(kPanelWidthTwips),
                                 std::max(twipsToPixels(kPanelWidthTwips), available - kWorkspaceMinimumWidth));
    m_splitter->setSizes({std::max(0, available - panel), panel});
}

void MainWindow::rememberPanelWidth()
{
    if (!m_rightPanel->isVisible())
        return;
    m_panelWidth = m_rightPanel->width();
    m_context.settings.setValue(kPanelWidthKey, m_panelWidth);
}

void MainWindow::onCmdSaveClicked()
{
    if (m_saveHandler && m_state == ReadingState::Fresh)
        m_saveHandler(this);
}

void MainWindow::showAboutBox()
{
    AboutBox box(m_links, m_context.urlOpener, m_rightPanel, this);
    box.exec();
}

void MainWindow::shutDown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // A record that cannot be deleted stays; the rest of shutdown goes on regardless.
    deleteTempReading(m_context.folder);
    resetReadingState();
    closeReadingScreens();
    if (const std::optional<QUrl> farewell = m_links.farewellPage())
        m_context.urlOpener.open(*farewell);
    m_workspace->closeAllSubWindows();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    shutDown();
    event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_workspaceViewport) {
        if (event->type() == QEvent::Resize)
            replaceFormsAfterResize(m_workspace);
        // Every child window that comes and goes may change whether a new reading can start.
        // (A child window is still being built when it is added, so it is known by its parent, not its type.)
        if (event->type() == QEvent::ChildAdded) {
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType())
                child->installEventFilter(this);
        }
        if (event->type() == QEvent::ChildAdded || event->type() == QEvent::ChildRemoved)
            updateNewReadingAction();
    } else if (watched->parent() == m_workspaceViewport
               && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        updateNewReadingAction();
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace quillmere
