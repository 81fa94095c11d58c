#include "screens/JournalWindow.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "screens/JournalProfilesPage.h"
#include "screens/JournalTrashPage.h"
#include "screens/PanelSupport.h"
#include "storage/JournalChanges.h"
#include "storage/ReadingNotes.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {

namespace {

QString cardsText(const ReadingRecord& record)
{
    QStringList names;
    for (const RecordCard& card : record.cards) {
        if (!Deck::isValidIndex(card.index))
            continue;
        names.append(card.reversed ? Deck::instance().name(card.index) + QStringLiteral(" (R)")
                                   : Deck::instance().name(card.index));
    }
    return names.join(QStringLiteral(", "));
}

QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

} // namespace

void JournalTableModel::setJournal(const QList<JournalEntry>* readings)
{
    beginResetModel();
    m_readings = readings;
    m_order.clear();
    for (qsizetype i = 0; readings && i < readings->size(); ++i)
        m_order.append(i);
    m_rows = m_order;
    applyOrder();
    endResetModel();
}

void JournalTableModel::setRows(const QList<qsizetype>& rows)
{
    // The shown rows follow the chosen order: a filter change is one pass, no sorting.
    std::vector<bool> wanted(static_cast<std::size_t>(m_readings ? m_readings->size() : 0), false);
    for (const qsizetype row : rows)
        wanted[static_cast<std::size_t>(row)] = true;
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (const qsizetype row : m_order) {
        if (wanted[static_cast<std::size_t>(row)])
            m_rows.append(row);
    }
    endResetModel();
}

const JournalEntry* JournalTableModel::entryAt(int row) const
{
    if (!m_readings || row < 0 || row >= m_rows.size())
        return nullptr;
    return &(*m_readings)[m_rows[row]];
}

int JournalTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int JournalTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JournalTableModel::text(const JournalEntry& entry, int column) const
{
    switch (column) {
    case Date:
        return entry.record.date;
    case Time:
        return entry.record.time;
    case Profile:
        return entry.isMiscellaneous() ? QStringLiteral("Miscellaneous") : entry.profile;
    case Name:
        return oneLine(entry.record.querentName);
    case Spread:
        return entry.record.spreadName;
    case Question:
        return oneLine(entry.record.question);
    case Texts: {
        QStringList texts = entry.descriptions;
        for (const ReadingNote& note : entry.notes)
            texts.append(descriptionOfNote(note));
        return oneLine(texts.join(QStringLiteral(" | ")));
    }
    case Cards:
        return cardsText(entry.record);
    default:
        return {};
    }
}

QVariant JournalTableModel::data(const QModelIndex& index, int role) const
{
    const JournalEntry* entry = entryAt(index.row());
    if (!entry || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    return text(*entry, index.column());
}

QVariant JournalTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList titles{QStringLiteral("Date"),
                                    QStringLiteral("Time"),
                                    QStringLiteral("Profile"),
                                    QStringLiteral("Name"),
                                    QStringLiteral("Spread"),
                                    QStringLiteral("Question"),
                                    QStringLiteral("Descriptions and notes"),
                                    QStringLiteral("Cards")};
    return titles.value(section);
}

void JournalTableModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    applyOrder();
    const QList<qsizetype> shown = m_rows;
    endResetModel();
    setRows(shown);
}

void JournalTableModel::applyOrder()
{
    if (!m_readings)
        return;
    const QList<JournalEntry>& readings = *m_readings;
    const bool ascending = m_sortOrder == Qt::AscendingOrder;
    if (m_sortColumn == Date || m_sortColumn == Time) {
        std::stable_sort(m_order.begin(), m_order.end(), [&](qsizetype a, qsizetype b) {
            return ascending ? readings[a].moment < readings[b].moment : readings[a].moment > readings[b].moment;
        });
        return;
    }
    QList<QString> keys(readings.size());
    for (const qsizetype row : m_order)
        keys[row] = text(readings[row], m_sortColumn).toCaseFolded();
    std::stable_sort(m_order.begin(), m_order.end(),
                     [&](qsizetype a, qsizetype b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });
}

BarChart::BarChart(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(60);
}

void BarChart::setBars(const QString& title, const QList<std::pair<QString, int>>& bars)
{
    m_title = title;
    m_bars = bars;
    updateGeometry();
    update();
}

QSize BarChart::sizeHint() const
{
    const int line = fontMetrics().height() + 4;
    return {360, line * (static_cast<int>(m_bars.size()) + 1) + 8};
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height() + 4;
    painter.setPen(palette().color(QPalette::WindowText));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(4, 2, width() - 8, line), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(font());
    int labelWidth = 0;
    int numberWidth = 0;
    int largest = 1;
    for (const auto& [label, value] : m_bars) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
        numberWidth = std::max(numberWidth, metrics.horizontalAdvance(QString::number(value)));
        largest = std::max(largest, value);
    }
    const int barLeft = 8 + labelWidth + 8;
    const int barSpace = std::max(10, width() - barLeft - numberWidth - 16);
    int top = line + 4;
    for (const auto& [label, value] : m_bars) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(8, top, labelWidth, line), Qt::AlignLeft | Qt::AlignVCenter, label);
        const int length = value * barSpace / largest;
        painter.fillRect(QRect(barLeft, top + 3, std::max(length, value > 0 ? 1 : 0), line - 6),
                         palette().color(QPalette::Highlight));
        painter.drawText(QRect(barLeft + length + 6, top, numberWidth + 4, line), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(value));
        top += line;
    }
}

JournalWindow::JournalWindow(AppContext& context, Asker& asker, Opener open, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_asker(asker)
    , m_open(std::move(open))
{
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(QStringLiteral("Journal"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 640);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabJournal"));
    auto* layout = new QVBoxLayout(this);
    auto* menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("mnuJournalBar"));
    layout->setMenuBar(menuBar);
    layout->addWidget(m_tabs);

    // Readings page: the filters, the table, the commands on the chosen reading and its notes.
    m_readingsPage = new QWidget;
    m_readingsPage->setObjectName(QStringLiteral("pageReadings"));
    auto* grid = new QGridLayout(m_readingsPage);
    m_txtSearch = new QLineEdit;
    m_txtSearch->setObjectName(QStringLiteral("txtSearch"));
    m_txtSearch->setPlaceholderText(QStringLiteral("Search question, name, descriptions and notes"));
    m_txtSearch->setClearButtonEnabled(true);
    auto* searchLabel = new QLabel(QStringLiteral("&Search:"));
    searchLabel->setBuddy(m_txtSearch);
    m_cboCard = new QComboBox;
    m_cboCard->setObjectName(QStringLiteral("cboCard"));
    m_cboCard->addItem(QStringLiteral("Any card"), -1);
    for (int i = 0; i < kDeckSize; ++i)
        m_cboCard->addItem(Deck::instance().name(i), i);
    auto* cardLabel = new QLabel(QStringLiteral("&Card:"));
    cardLabel->setBuddy(m_cboCard);
    m_chkReversed = new QCheckBox(QStringLiteral("Reversed onl&y"));
    m_chkReversed->setObjectName(QStringLiteral("chkReversed"));
    m_cboSpread = new QComboBox;
    m_cboSpread->setObjectName(QStringLiteral("cboSpread"));
    m_cboSpread->addItem(QStringLiteral("Any spread"));
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        m_cboSpread->addItem(spread.name);
    auto* spreadLabel = new QLabel(QStringLiteral("Spr&ead:"));
    spreadLabel->setBuddy(m_cboSpread);
    m_cboProfile = new QComboBox;
    m_cboProfile->setObjectName(QStringLiteral("cboProfile"));
    auto* profileLabel = new QLabel(QStringLiteral("Profi&le:"));
    profileLabel->setBuddy(m_cboProfile);
    m_chkFrom = new QCheckBox(QStringLiteral("&From"));
    m_chkFrom->setObjectName(QStringLiteral("chkFrom"));
    m_dtFrom = new QDateEdit(context.clock.now().date().addMonths(-1));
    m_dtFrom->setObjectName(QStringLiteral("dtFrom"));
    m_dtFrom->setCalendarPopup(true);
    m_chkTo = new QCheckBox(QStringLiteral("To"));
    m_chkTo->setObjectName(QStringLiteral("chkTo"));
    m_dtTo = new QDateEdit(context.clock.now().date());
    m_dtTo->setObjectName(QStringLiteral("dtTo"));
    m_dtTo->setCalendarPopup(true);
    m_spinMajorMin = new QSpinBox;
    m_spinMajorMin->setObjectName(QStringLiteral("spinMajorMin"));
    m_spinMajorMin->setRange(0, 100);
    m_spinMajorMin->setSuffix(QStringLiteral(" %"));
    m_spinMajorMax = new QSpinBox;
    m_spinMajorMax->setObjectName(QStringLiteral("spinMajorMax"));
    m_spinMajorMax->setRange(0, 100);
    m_spinMajorMax->setValue(100);
    m_spinMajorMax->setSuffix(QStringLiteral(" %"));
    m_spinMajorMax->setPrefix(QStringLiteral("to "));
    auto* majorLabel = new QLabel(QStringLiteral("Ma&jor arcana share:"));
    majorLabel->setBuddy(m_spinMajorMin);

    grid->addWidget(searchLabel, 0, 0);
    grid->addWidget(m_txtSearch, 0, 1, 1, 3);
    grid->addWidget(profileLabel, 0, 4);
    grid->addWidget(m_cboProfile, 0, 5, 1, 2);
    grid->addWidget(cardLabel, 1, 0);
    grid->addWidget(m_cboCard, 1, 1);
    grid->addWidget(m_chkReversed, 1, 2);
    grid->addWidget(spreadLabel, 1, 4);
    grid->addWidget(m_cboSpread, 1, 5, 1, 2);
    grid->addWidget(m_chkFrom, 2, 0);
    grid->addWidget(m_dtFrom, 2, 1);
    auto* to = new QHBoxLayout;
    to->addWidget(m_chkTo);
    to->addWidget(m_dtTo, 1);
    grid->addLayout(to, 2, 2, 1, 2);
    grid->addWidget(majorLabel, 2, 4);
    grid->addWidget(m_spinMajorMin, 2, 5);
    grid->addWidget(m_spinMajorMax, 2, 6);

    m_model = new JournalTableModel;
    m_model->setParent(this);
    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("tblReadings"));
    m_table->setModel(m_model);
    m_table->setSortingEnabled(true);
    m_table->horizontalHeader()->setSortIndicator(JournalTableModel::Date, Qt::DescendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    // Widths from the font, not from the contents: measuring ten thousand rows would delay the opening.
    {
        const QFontMetrics metrics = m_table->fontMetrics();
        const auto width = [&](const char* sample) { return metrics.horizontalAdvance(QLatin1String(sample)) + 16; };
        const QList<std::pair<int, int>> widths{{JournalTableModel::Date, width("00 Mmm 0000")},
                                                {JournalTableModel::Time, width("00:00:00 PM")},
                                                {JournalTableModel::Profile, width("Miscellaneous")},
                                                {JournalTableModel::Name, width("Firstname Last")},
                                                {JournalTableModel::Spread, width("Celtic Cross")},
                                                {JournalTableModel::Question, width("What does the year hold for my")},
                                                {JournalTableModel::Texts, width("Descriptions and notes")}};
        for (const auto& [column, pixels] : widths)
            m_table->setColumnWidth(column, pixels);
    }
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->installEventFilter(this);
    grid->addWidget(m_table, 3, 0, 1, 7);

    m_lblCount = new QLabel;
    m_lblCount->setObjectName(QStringLiteral("lblCount"));
    m_cboMoveTo = new QComboBox;
    m_cboMoveTo->setObjectName(QStringLiteral("cboMoveTo"));
    m_cboMoveTo->setToolTip(QStringLiteral("Where Move puts the chosen reading"));
    auto* moveLabel = new QLabel(QStringLiteral("Mo&ve to:"));
    moveLabel->setBuddy(m_cboMoveTo);
    auto* moveButton = new QPushButton(QStringLiteral("&Move"));
    moveButton->setObjectName(QStringLiteral("cmdMove"));
    auto* openButton = new QPushButton(QStringLiteral("&Open"));
    openButton->setObjectName(QStringLiteral("cmdOpen"));
    openButton->setDefault(false);
    auto* deleteButton = new QPushButton(QStringLiteral("&Delete to Trash"));
    deleteButton->setObjectName(QStringLiteral("cmdDelete"));
    auto* refreshButton = new QPushButton(QStringLiteral("Refres&h"));
    refreshButton->setObjectName(QStringLiteral("cmdRefresh"));
    auto* commands = new QHBoxLayout;
    commands->addWidget(m_lblCount, 1);
    commands->addWidget(refreshButton);
    commands->addSpacing(12);
    commands->addWidget(moveLabel);
    commands->addWidget(m_cboMoveTo);
    commands->addWidget(moveButton);
    commands->addWidget(deleteButton);
    commands->addSpacing(12);
    commands->addWidget(openButton);
    grid->addLayout(commands, 4, 0, 1, 7);

    m_lstNotes = new QListWidget;
    m_lstNotes->setObjectName(QStringLiteral("lstNotes"));
    m_lstNotes->setMaximumHeight(96);
    auto* notesLabel = new QLabel(QStringLiteral("&Notes:"));
    notesLabel->setBuddy(m_lstNotes);
    m_txtNote = new QPlainTextEdit;
    m_txtNote->setObjectName(QStringLiteral("txtNote"));
    m_txtNote->setMaximumHeight(96);
    m_txtNote->setTabChangesFocus(true);
    m_txtNote->setPlaceholderText(QStringLiteral("A note on the chosen reading; choose a note to change it"));
    m_dtNote = new QDateEdit(context.clock.now().date());
    m_dtNote->setObjectName(QStringLiteral("dtNote"));
    m_dtNote->setCalendarPopup(true);
    m_dtNote->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    m_dtNote->setToolTip(QStringLiteral("The day the note is dated"));
    auto* addNote = new QPushButton(QStringLiteral("&Add Note"));
    addNote->setObjectName(QStringLiteral("cmdAddNote"));
    auto* changeNote = new QPushButton(QStringLiteral("Chan&ge Note"));
    changeNote->setObjectName(QStringLiteral("cmdChangeNote"));
    auto* removeNote = new QPushButton(QStringLiteral("Remo&ve Note"));
    removeNote->setObjectName(QStringLiteral("cmdRemoveNote"));
    grid->addWidget(notesLabel, 5, 0, Qt::AlignTop);
    grid->addWidget(m_lstNotes, 5, 1, 1, 3);
    grid->addWidget(m_txtNote, 5, 4, 1, 2);
    auto* noteCommands = new QVBoxLayout;
    noteCommands->addWidget(m_dtNote);
    noteCommands->addWidget(addNote);
    noteCommands->addWidget(changeNote);
    noteCommands->addWidget(removeNote);
    noteCommands->addStretch(1);
    grid->addLayout(noteCommands, 5, 6);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    m_tabs->addTab(m_readingsPage, QStringLiteral("Readings"));

    // Statistics page: the readings the filters show, in bars and as text.
    m_statisticsPage = new QWidget;
    m_statisticsPage->setObjectName(QStringLiteral("pageStatistics"));
    auto* statisticsLayout = new QGridLayout(m_statisticsPage);
    m_cardsChart = new BarChart;
    m_cardsChart->setObjectName(QStringLiteral("chartCards"));
    m_suitsChart = new BarChart;
    m_suitsChart->setObjectName(QStringLiteral("chartSuits"));
    m_sharesChart = new BarChart;
    m_sharesChart->setObjectName(QStringLiteral("chartShares"));
    m_spreadsChart = new BarChart;
    m_spreadsChart->setObjectName(QStringLiteral("chartSpreads"));
    m_txtStatistics = new QPlainTextEdit;
    m_txtStatistics->setObjectName(QStringLiteral("txtStatistics"));
    m_txtStatistics->setReadOnly(true);
    m_txtStatistics->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The text lines its numbers up with tabs, as it is copied: a fixed font with tab stops past the longest name.
    m_txtStatistics->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_txtStatistics->setTabStopDistance(m_txtStatistics->fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 24);
    auto* copy = new QPushButton(QStringLiteral("&Copy as Text"));
    copy->setObjectName(QStringLiteral("cmdCopyStatistics"));
    statisticsLayout->addWidget(m_cardsChart, 0, 0, 2, 1);
    statisticsLayout->addWidget(m_sharesChart, 0, 1);
    statisticsLayout->addWidget(m_suitsChart, 1, 1);
    statisticsLayout->addWidget(m_spreadsChart, 2, 0);
    statisticsLayout->addWidget(m_txtStatistics, 2, 1);
    statisticsLayout->addWidget(copy, 3, 1, Qt::AlignRight);
    m_tabs->addTab(m_statisticsPage, QStringLiteral("Statistics"));

    m_profilesPage = new JournalProfilesPage(context, asker);
    m_tabs->addTab(m_profilesPage, QStringLiteral("Profiles"));
    m_trashPage = new JournalTrashPage(context, asker);
    m_tabs->addTab(m_trashPage, QStringLiteral("Trash"));

    connect(m_txtSearch, &QLineEdit::textChanged, this, &JournalWindow::applyFilter);
    for (QComboBox* box : {m_cboCard, m_cboSpread, m_cboProfile})
        connect(box, &QComboBox::currentIndexChanged, this, &JournalWindow::applyFilter);
    for (QCheckBox* box : {m_chkReversed, m_chkFrom, m_chkTo})
        connect(box, &QCheckBox::toggled, this, &JournalWindow::applyFilter);
    for (QDateEdit* edit : {m_dtFrom, m_dtTo})
        connect(edit, &QDateEdit::dateChanged, this, &JournalWindow::applyFilter);
    // A date counts only while its box is ticked, and looks it.
    for (const auto& [box, edit] : {std::pair{m_chkFrom, m_dtFrom}, std::pair{m_chkTo, m_dtTo}}) {
        edit->setEnabled(false);
        connect(box, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    }
    for (QSpinBox* spin : {m_spinMajorMin, m_spinMajorMax})
        connect(spin, &QSpinBox::valueChanged, this, &JournalWindow::applyFilter);
    connect(m_table, &QTableView::activated, this, &JournalWindow::openCurrent);
    connect(openButton, &QPushButton::clicked, this, &JournalWindow::openCurrent);
    connect(moveButton, &QPushButton::clicked, this, &JournalWindow::moveToChosenTarget);
    connect(deleteButton, &QPushButton::clicked, this, &JournalWindow::deleteCurrent);
    connect(refreshButton, &QPushButton::clicked, this, &JournalWindow::refresh);
    connect(addNote, &QPushButton::clicked, this, &JournalWindow::addNote);
    connect(changeNote, &QPushButton::clicked, this, &JournalWindow::changeNote);
    connect(removeNote, &QPushButton::clicked, this, &JournalWindow::removeNote);
    connect(m_lstNotes, &QListWidget::currentRowChanged, this, &JournalWindow::showChosenNote);
    connect(copy, &QPushButton::clicked, this, &JournalWindow::copyStatistics);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &JournalWindow::showNotesOfCurrent);
    connect(m_tabs, &QTabWidget::currentChanged, this, &JournalWindow::pageShown);
    connect(m_profilesPage, &JournalProfilesPage::profilesChanged, this, [this](const QString& profile) {
        m_trashDue = true;
        reload(QString());
        m_profilesPage->choose(profile);
    });
    connect(m_trashPage, &JournalTrashPage::trashChanged, this, [this](const QString& restored) {
        reload(restored);
        m_trashPage->setFocus();
    });
    // Down from the search box goes to the table, so the keyboard alone finds and opens a reading.
    auto* toTable = new QShortcut(QKeySequence(Qt::Key_Down), m_txtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(toTable, &QShortcut::activated, this, [this] {
        m_table->setFocus();
        if (m_model->rowCount() > 0 && !m_table->currentIndex().isValid())
            m_table->setCurrentIndex(m_model->index(0, 0));
    });
    buildMenus(menuBar);

    reload(QString());
    m_txtSearch->setFocus();
}

void JournalWindow::buildMenus(QMenuBar* bar)
{
    const auto action
        = [this](QMenu* menu, const QString& objectName, const QString& text, const QKeySequence& shortcut, auto slot) {
              QAction* added = menu->addAction(text);
              added->setObjectName(objectName);
              if (!shortcut.isEmpty())
                  added->setShortcut(shortcut);
              connect(added, &QAction::triggered, this, slot);
              return added;
          };

    QMenu* reading = bar->addMenu(QStringLiteral("&Reading"));
    reading->setObjectName(QStringLiteral("mnuJournalReading"));
    QAction* open
        = action(reading, QStringLiteral("mnuOpenReading"), QStringLiteral("&Open"), {}, &JournalWindow::openCurrent);
    QAction* addNote = action(reading, QStringLiteral("mnuAddNote"), QStringLiteral("&Add Note…"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N), [this] {
                                  showPage(m_readingsPage);
                                  m_lstNotes->setCurrentRow(-1);
                                  m_txtNote->setFocus();
                              });
    action(reading, QStringLiteral("mnuChangeNote"), QStringLiteral("Chan&ge Note"), {}, &JournalWindow::changeNote);
    action(reading, QStringLiteral("mnuRemoveNote"), QStringLiteral("Remo&ve Note"), {}, &JournalWindow::removeNote);
    reading->addSeparator();
    m_moveMenu = reading->addMenu(QStringLiteral("&Move To"));
    m_moveMenu->setObjectName(QStringLiteral("mnuMoveTo"));
    QAction* remove = action(reading, QStringLiteral("mnuDeleteReading"), QStringLiteral("&Delete to Trash"),
                             QKeySequence::Delete, &JournalWindow::deleteCurrent);
    // Delete belongs to the table: in a text box it deletes a character.
    remove->setShortcutContext(Qt::WidgetShortcut);
    reading->addSeparator();
    action(reading, QStringLiteral("mnuRefresh"), QStringLiteral("Refres&h"), QKeySequence::Refresh,
           &JournalWindow::refresh);
    action(reading, QStringLiteral("mnuCloseJournal"), QStringLiteral("&Close Journal"), QKeySequence::Close,
           &QWidget::close);

    QMenu* profile = bar->addMenu(QStringLiteral("&Profile"));
    profile->setObjectName(QStringLiteral("mnuJournalProfile"));
    QAction* rename = action(profile, QStringLiteral("mnuRenameProfile"), QStringLiteral("Re&name Profile…"),
                             QKeySequence(Qt::Key_F2), [this] { showProfileOfCurrent(true); });
    QAction* edit = action(profile, QStringLiteral("mnuEditProfile"), QStringLiteral("&Edit Name and Date of Birth…"),
                           {}, [this] { showProfileOfCurrent(false); });
    QAction* removeProfile
        = action(profile, QStringLiteral("mnuDeleteProfile"), QStringLiteral("&Delete Profile to Trash"), {},
                 &JournalWindow::deleteProfileOfCurrent);

    QMenu* trash = bar->addMenu(QStringLiteral("&Trash"));
    trash->setObjectName(QStringLiteral("mnuJournalTrash"));
    // From another page Restore first shows the trash, so that what comes back is chosen, not guessed.
    action(trash, QStringLiteral("mnuRestore"), QStringLiteral("Re&store"), {}, [this] {
        if (m_tabs->currentWidget() != m_trashPage)
            showPage(m_trashPage);
        else
            m_trashPage->restoreCurrent();
    });
    action(trash, QStringLiteral("mnuEmptyTrash"), QStringLiteral("&Empty Trash…"), {}, [this] {
        showPage(m_trashPage);
        m_trashPage->emptyTrash();
    });

    // The pages, by number as well as with Ctrl+Tab.
    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuJournalView"));
    const QList<std::pair<QWidget*, QString>> pages{{m_readingsPage, QStringLiteral("&Readings")},
                                                    {m_statisticsPage, QStringLiteral("&Statistics")},
                                                    {m_profilesPage, QStringLiteral("&Profiles")},
                                                    {m_trashPage, QStringLiteral("&Trash")}};
    for (int i = 0; i < pages.size(); ++i) {
        QWidget* page = pages[i].first;
        QAction* show = view->addAction(pages[i].second);
        show->setObjectName(QStringLiteral("mnuShow") + page->objectName().sliced(4));
        show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        connect(show, &QAction::triggered, this, [this, page] { showPage(page); });
    }

    // The table's context menu: the commands on the reading under the pointer or the keyboard's focus.
    m_table->addAction(open);
    m_table->addAction(m_moveMenu->menuAction());
    m_table->addAction(remove);
    auto* separator = new QAction(m_table);
    separator->setSeparator(true);
    m_table->addAction(separator);
    m_table->addAction(addNote);
    m_table->addAction(rename);
    m_table->addAction(edit);
    m_table->addAction(removeProfile);
}

void JournalWindow::refresh()
{
    const JournalEntry* entry = currentEntry();
    reload(entry ? entry->path : QString());
}

void JournalWindow::reload(const QString& selectPath)
{
    const QString profile = m_cboProfile->currentText();
    m_journal = scanJournal(m_context.folder);
    m_search = std::make_unique<JournalSearch>(m_journal.readings);
    {
        const QSignalBlocker blocker(m_cboProfile);
        m_cboProfile->clear();
        m_cboProfile->addItem(QStringLiteral("All profiles"));
        m_cboProfile->addItem(QStringLiteral("Miscellaneous"));
        m_cboProfile->addItems(m_journal.profiles);
        m_cboProfile->setCurrentIndex(std::max(0, m_cboProfile->findText(profile)));
    }
    rebuildMoveTargets();
    m_model->setJournal(&m_journal.readings);
    applyFilter();
    this->selectPath(selectPath);
    m_profilesDue = true;
    m_trashDue = true;
    pageShown(m_tabs->currentIndex());
}

void JournalWindow::selectPath(const QString& path)
{
    if (path.isEmpty())
        return;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->entryAt(row)->path == path) {
            m_table->setCurrentIndex(m_model->index(row, 0));
            m_table->scrollTo(m_model->index(row, 0));
            return;
        }
    }
}

void JournalWindow::rebuildMoveTargets()
{
    const QString chosen = m_cboMoveTo->currentText();
    m_cboMoveTo->clear();
    m_cboMoveTo->addItem(QStringLiteral("Miscellaneous"), QString());
    for (const QString& profile : m_journal.profiles)
        m_cboMoveTo->addItem(profile, profile);
    m_cboMoveTo->setCurrentIndex(std::max(0, m_cboMoveTo->findText(chosen)));

    m_moveMenu->clear();
    QAction* misc = m_moveMenu->addAction(QStringLiteral("&Miscellaneous"));
    connect(misc, &QAction::triggered, this, [this] { moveCurrent(QString(), true); });
    m_moveMenu->addSeparator();
    for (const QString& profile : m_journal.profiles) {
        QString text = profile;
        QAction* to = m_moveMenu->addAction(text.replace(QLatin1Char('&'), QLatin1String("&&")));
        connect(to, &QAction::triggered, this, [this, profile] { moveCurrent(profile, false); });
    }
}

void JournalWindow::showPage(QWidget* page)
{
    m_tabs->setCurrentWidget(page);
}

void JournalWindow::pageShown(int index)
{
    QWidget* page = m_tabs->widget(index);
    if (page == m_statisticsPage) {
        updateStatistics();
    } else if (page == m_profilesPage && m_profilesDue) {
        QHash<QString, int> counts;
        for (const JournalEntry& entry : std::as_const(m_journal.readings))
            ++counts[entry.profile];
        QList<std::pair<QString, int>> profiles;
        for (const QString& profile : std::as_const(m_journal.profiles))
            profiles.append({profile, counts.value(profile)});
        m_profilesPage->setProfiles(profiles);
        m_profilesDue = false;
    } else if (page == m_trashPage && m_trashDue) {
        m_trashPage->refresh();
        m_trashDue = false;
    }
}

JournalFilter JournalWindow::currentFilter() const
{
    JournalFilter filter;
    filter.text = m_txtSearch->text();
    if (const int card = m_cboCard->currentData().toInt(); card >= 0)
        (m_chkReversed->isChecked() ? filter.reversedCards : filter.cards).append(card);
    if (m_cboSpread->currentIndex() > 0)
        filter.spread = m_cboSpread->currentText();
    if (m_cboProfile->currentIndex() == 1) {
        filter.scope = JournalFilter::Scope::Miscellaneous;
    } else if (m_cboProfile->currentIndex() > 1) {
        filter.scope = JournalFilter::Scope::Profile;
        filter.profile = m_cboProfile->currentText();
    }
    if (m_chkFrom->isChecked())
        filter.from = m_dtFrom->date();
    if (m_chkTo->isChecked())
        filter.to = m_dtTo->date();
    filter.minMajorPercent = m_spinMajorMin->value();
    filter.maxMajorPercent = m_spinMajorMax->value();
    return filter;
}

void JournalWindow::applyFilter()
{
    if (!m_search)
        return;
    m_model->setRows(m_search->matching(currentFilter()));
    QString count = QStringLiteral("%1 of %2 readings").arg(m_model->rows().size()).arg(m_journal.readings.size());
    if (!m_journal.unreadable.isEmpty()) {
        count += QStringLiteral("; %1 files could not be read").arg(m_journal.unreadable.size());
        QStringList reasons;
        for (const UnreadableFile& file : std::as_const(m_journal.unreadable))
            reasons.append(file.reason);
        m_lblCount->setToolTip(reasons.mid(0, 30).join(QLatin1Char('\n')));
    } else {
        m_lblCount->setToolTip(QString());
    }
    m_lblCount->setText(count);
    m_statisticsDue = true;
    if (m_tabs->currentWidget() == m_statisticsPage)
        updateStatistics();
    showNotesOfCurrent();
}

const JournalStatistics& JournalWindow::statistics() const
{
    if (m_statisticsDue) {
        m_statistics = journalStatistics(m_journal.readings, m_model->rows());
        m_statisticsDue = false;
    }
    return m_statistics;
}

void JournalWindow::updateStatistics()
{
    const JournalStatistics& shown = statistics();
    QList<std::pair<QString, int>> cards;
    for (const CardTally& tally : shown.topCards())
        cards.append({QStringLiteral("%1 (%2 reversed)").arg(Deck::instance().name(tally.index)).arg(tally.reversed),
                      tally.count});
    m_cardsChart->setBars(QStringLiteral("Most frequent cards"), cards);
    QList<std::pair<QString, int>> suits;
    for (const Suit suit : {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands})
        suits.append({suitName(suit), shown.suits[static_cast<std::size_t>(suit)]});
    m_suitsChart->setBars(QStringLiteral("Suits"), suits);
    m_sharesChart->setBars(QStringLiteral("Cards"),
                           {{QStringLiteral("Major arcana"), shown.majorCards},
                            {QStringLiteral("Minor arcana"), shown.cards - shown.majorCards},
                            {QStringLiteral("Reversed"), shown.reversedCards}});
    m_spreadsChart->setBars(QStringLiteral("Spreads"), shown.spreads);
    m_txtStatistics->setPlainText(statisticsText(shown));
}

const JournalEntry* JournalWindow::currentEntry() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->entryAt(current.row()) : nullptr;
}

const JournalEntry* JournalWindow::requireCurrent()
{
    const JournalEntry* entry = currentEntry();
    if (!entry)
        refuse(QStringLiteral("Please select file to be read."));
    return entry;
}

std::optional<JournalWindow::ChosenNote> JournalWindow::requireChosenNote()
{
    const JournalEntry* entry = currentEntry();
    const int row = m_lstNotes->currentRow();
    if (!entry || row < 0) {
        refuse(QStringLiteral("Please select a note."));
        return std::nullopt;
    }
    return ChosenNote{entry->path, row};
}

ReadingNote JournalWindow::enteredNote() const
{
    return ReadingNote{m_dtNote->date(), m_txtNote->toPlainText()};
}

void JournalWindow::refuse(const QString& text)
{
    showRefusal(m_context.notifier, this, text);
}

void JournalWindow::refuseAndRefresh(const QString& text)
{
    refuse(text);
    refresh();
}

bool JournalWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Typing in the table searches: the letters go on in the search box.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!text.isEmpty() && text.front().isPrint() && !text.front().isSpace()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            m_txtSearch->setFocus();
            m_txtSearch->insert(text);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void JournalWindow::openCurrent()
{
    const JournalEntry* entry = requireCurrent();
    if (!entry)
        return;
    if (const QString error = m_open(entry->path); !error.isEmpty()) {
        refuseAndRefresh(QStringLiteral("The reading could not be opened.\n%1").arg(error));
    }
}

void JournalWindow::showNotesOfCurrent()
{
    const QSignalBlocker blocker(m_lstNotes);
    m_lstNotes->clear();
    if (const JournalEntry* entry = currentEntry()) {
        for (const ReadingNote& note : entry->notes) {
            QString shown = descriptionOfNote(note);
            shown.replace(QLatin1String("\r\n"), QLatin1String(" "));
            shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
            auto* item = new QListWidgetItem(shown, m_lstNotes);
            item->setToolTip(note.text);
        }
    }
}

void JournalWindow::showChosenNote()
{
    const JournalEntry* entry = currentEntry();
    const int row = m_lstNotes->currentRow();
    if (!entry || row < 0 || row >= entry->notes.size())
        return;
    m_txtNote->setPlainText(entry->notes[row].text);
    m_dtNote->setDate(entry->notes[row].date);
}

void JournalWindow::addNote()
{
    const JournalEntry* entry = requireCurrent();
    if (!entry)
        return;
    const QString path = entry->path;
    const StorageValue<int> added = quillmere::addNote(path, enteredNote());
    if (!added) {
        refuseAndRefresh(added.error());
        return;
    }
    m_txtNote->clear();
    m_dtNote->setDate(m_context.clock.now().date());
    reload(path);
    m_lstNotes->setCurrentRow(*added - 1);
}

void JournalWindow::changeNote()
{
    const std::optional<ChosenNote> note = requireChosenNote();
    if (!note)
        return;
    if (const StorageResult changed = editNote(note->path, note->row + 1, enteredNote()); !changed) {
        refuseAndRefresh(changed.error());
        return;
    }
    reload(note->path);
    m_lstNotes->setCurrentRow(note->row);
}

void JournalWindow::removeNote()
{
    const std::optional<ChosenNote> note = requireChosenNote();
    if (!note)
        return;
    if (const StorageResult removed = quillmere::removeNote(note->path, note->row + 1); !removed) {
        refuseAndRefresh(removed.error());
        return;
    }
    m_txtNote->clear();
    reload(note->path);
}

void JournalWindow::moveToChosenTarget()
{
    const QString profile = m_cboMoveTo->currentData().toString();
    moveCurrent(profile, profile.isEmpty());
}

void JournalWindow::moveCurrent(const QString& profile, bool miscellaneous)
{
    const JournalEntry* entry = requireCurrent();
    if (!entry)
        return;
    const StorageValue<ReadingLocation> location = locateReading(m_context.folder, entry->path);
    const StorageValue<QString> moved = location
        ? moveReading(m_context.folder, *location,
                      miscellaneous ? FilingTarget::miscellaneous() : FilingTarget::profile(profile))
        : StorageValue<QString>(location.result());
    if (!moved) {
        refuseAndRefresh(moved.error());
        return;
    }
    reload(*moved);
}

void JournalWindow::deleteCurrent()
{
    const JournalEntry* entry = requireCurrent();
    if (!entry)
        return;
    const int row = m_table->currentIndex().row();
    const StorageValue<ReadingLocation> location = locateReading(m_context.folder, entry->path);
    const StorageValue<TrashEntry> trashed = location ? trashReading(m_context.folder, *location, m_context.clock.now())
                                                      : StorageValue<TrashEntry>(location.result());
    if (!trashed) {
        refuseAndRefresh(trashed.error());
        return;
    }
    reload(QString());
    // The next reading takes the deleted one's place, so deleting several in a row needs no pointing.
    if (m_model->rowCount() > 0)
        m_table->setCurrentIndex(m_model->index(std::min(row, m_model->rowCount() - 1), 0));
}

void JournalWindow::showProfileOfCurrent(bool rename)
{
    const JournalEntry* entry = m_tabs->currentWidget() == m_readingsPage ? currentEntry() : nullptr;
    showPage(m_profilesPage);
    if (entry && !entry->isMiscellaneous())
        m_profilesPage->choose(entry->profile);
    if (rename)
        m_profilesPage->focusRename();
    else
        m_profilesPage->focusDetails();
}

void JournalWindow::deleteProfileOfCurrent()
{
    // From the readings, the profile meant is the chosen reading's; without one there is nothing to delete yet, and
    // the profiles are shown to choose from.
    const bool fromReadings = m_tabs->currentWidget() == m_readingsPage;
    const JournalEntry* entry = fromReadings ? currentEntry() : nullptr;
    showPage(m_profilesPage);
    if (fromReadings && (!entry || entry->isMiscellaneous() || !m_profilesPage->choose(entry->profile)))
        return;
    m_profilesPage->deleteChosen();
}

void JournalWindow::copyStatistics()
{
    QApplication::clipboard()->setText(statisticsText(statistics()));
}

} // namespace quillmere
