#include "screens/JournalWindow.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "storage/JournalChanges.h"
#include "storage/ReadingNotes.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

const QString kTitle = QStringLiteral("Quillmere");

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

JournalWindow::JournalWindow(AppContext& context, Opener open, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_context(context)
    , m_open(std::move(open))
{
    setObjectName(QStringLiteral("frmJournal"));
    setWindowTitle(QStringLiteral("Journal"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(1000, 640);

    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabJournal"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);

    // Readings page: the filters, the table, the notes of the chosen reading.
    auto* readings = new QWidget;
    auto* grid = new QGridLayout(readings);
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
    m_chkReversed = new QCheckBox(QStringLiteral("&Reversed only"));
    m_chkReversed->setObjectName(QStringLiteral("chkReversed"));
    m_cboSpread = new QComboBox;
    m_cboSpread->setObjectName(QStringLiteral("cboSpread"));
    m_cboSpread->addItem(QStringLiteral("Any spread"));
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        m_cboSpread->addItem(spread.name);
    auto* spreadLabel = new QLabel(QStringLiteral("S&pread:"));
    spreadLabel->setBuddy(m_cboSpread);
    m_cboProfile = new QComboBox;
    m_cboProfile->setObjectName(QStringLiteral("cboProfile"));
    auto* profileLabel = new QLabel(QStringLiteral("Pro&file:"));
    profileLabel->setBuddy(m_cboProfile);
    m_chkFrom = new QCheckBox(QStringLiteral("F&rom"));
    m_chkFrom->setObjectName(QStringLiteral("chkFrom"));
    m_dtFrom = new QDateEdit(context.clock.now().date().addMonths(-1));
    m_dtFrom->setObjectName(QStringLiteral("dtFrom"));
    m_dtFrom->setCalendarPopup(true);
    m_chkTo = new QCheckBox(QStringLiteral("&To"));
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
    auto* majorLabel = new QLabel(QStringLiteral("Major arcana &share:"));
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
    grid->addWidget(m_chkTo, 2, 2);
    grid->addWidget(m_dtTo, 2, 3);
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
    grid->addWidget(m_table, 3, 0, 1, 7);

    m_lblCount = new QLabel;
    m_lblCount->setObjectName(QStringLiteral("lblCount"));
    grid->addWidget(m_lblCount, 4, 0, 1, 3);
    auto* openButton = new QPushButton(QStringLiteral("&Open"));
    openButton->setObjectName(QStringLiteral("cmdOpen"));
    auto* deleteButton = new QPushButton(QStringLiteral("&Delete to Trash"));
    deleteButton->setObjectName(QStringLiteral("cmdDelete"));
    auto* refreshButton = new QPushButton(QStringLiteral("Refres&h"));
    refreshButton->setObjectName(QStringLiteral("cmdRefresh"));
    grid->addWidget(refreshButton, 4, 4);
    grid->addWidget(deleteButton, 4, 5);
    grid->addWidget(openButton, 4, 6);

    m_lstNotes = new QListWidget;
    m_lstNotes->setObjectName(QStringLiteral("lstNotes"));
    m_lstNotes->setMaximumHeight(90);
    m_txtNote = new QPlainTextEdit;
    m_txtNote->setObjectName(QStringLiteral("txtNote"));
    m_txtNote->setMaximumHeight(60);
    m_txtNote->setTabChangesFocus(true);
    m_txtNote->setPlaceholderText(QStringLiteral("A note on the chosen reading"));
    auto* addNote = new QPushButton(QStringLiteral("&Add Note"));
    addNote->setObjectName(QStringLiteral("cmdAddNote"));
    auto* removeNote = new QPushButton(QStringLiteral("Re&move Note"));
    removeNote->setObjectName(QStringLiteral("cmdRemoveNote"));
    grid->addWidget(new QLabel(QStringLiteral("Notes:")), 5, 0);
    grid->addWidget(m_lstNotes, 5, 1, 1, 3);
    grid->addWidget(m_txtNote, 5, 4, 1, 2);
    auto* noteButtons = new QVBoxLayout;
    noteButtons->addWidget(addNote);
    noteButtons->addWidget(removeNote);
    grid->addLayout(noteButtons, 5, 6);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    tabs->addTab(readings, QStringLiteral("&Readings"));

    // Statistics page: the readings the filters show, in bars and as text.
    auto* statisticsPage = new QWidget;
    auto* statisticsLayout = new QGridLayout(statisticsPage);
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
    auto* copy = new QPushButton(QStringLiteral("&Copy as Text"));
    copy->setObjectName(QStringLiteral("cmdCopyStatistics"));
    statisticsLayout->addWidget(m_cardsChart, 0, 0, 2, 1);
    statisticsLayout->addWidget(m_sharesChart, 0, 1);
    statisticsLayout->addWidget(m_suitsChart, 1, 1);
    statisticsLayout->addWidget(m_spreadsChart, 2, 0);
    statisticsLayout->addWidget(m_txtStatistics, 2, 1);
    statisticsLayout->addWidget(copy, 3, 1, Qt::AlignRight);
    tabs->addTab(statisticsPage, QStringLiteral("S&tatistics"));

    connect(m_txtSearch, &QLineEdit::textChanged, this, &JournalWindow::applyFilter);
    for (QComboBox* box : {m_cboCard, m_cboSpread, m_cboProfile})
        connect(box, &QComboBox::currentIndexChanged, this, &JournalWindow::applyFilter);
    for (QCheckBox* box : {m_chkReversed, m_chkFrom, m_chkTo})
        connect(box, &QCheckBox::toggled, this, &JournalWindow::applyFilter);
    for (QDateEdit* edit : {m_dtFrom, m_dtTo})
        connect(edit, &QDateEdit::dateChanged, this, &JournalWindow::applyFilter);
    for (QSpinBox* spin : {m_spinMajorMin, m_spinMajorMax})
        connect(spin, &QSpinBox::valueChanged, this, &JournalWindow::applyFilter);
    connect(m_table, &QTableView::activated, this, &JournalWindow::openCurrent);
    connect(openButton, &QPushButton::clicked, this, &JournalWindow::openCurrent);
    connect(deleteButton, &QPushButton::clicked, this, &JournalWindow::deleteCurrent);
    connect(refreshButton, &QPushButton::clicked, this, &JournalWindow::refresh);
    connect(addNote, &QPushButton::clicked, this, &JournalWindow::addNote);
    connect(removeNote, &QPushButton::clicked, this, &JournalWindow::removeNote);
    connect(copy, &QPushButton::clicked, this, &JournalWindow::copyStatistics);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &JournalWindow::showNotesOfCurrent);
    auto* refreshKey = new QShortcut(QKeySequence::Refresh, this);
    connect(refreshKey, &QShortcut::activated, this, &JournalWindow::refresh);
    // Down from the search box goes to the table, so the keyboard alone finds and opens a reading.
    auto* toTable = new QShortcut(QKeySequence(Qt::Key_Down), m_txtSearch, nullptr, nullptr, Qt::WidgetShortcut);
    connect(toTable, &QShortcut::activated, this, [this] {
        m_table->setFocus();
        if (m_model->rowCount() > 0 && !m_table->currentIndex().isValid())
            m_table->setCurrentIndex(m_model->index(0, 0));
    });

    refresh();
    m_txtSearch->setFocus();
}

void JournalWindow::refresh()
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
    m_model->setJournal(&m_journal.readings);
    applyFilter();
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
    const QList<qsizetype> rows = m_search->matching(currentFilter());
    m_model->setRows(rows);
    QString count = QStringLiteral("%1 of %2 readings").arg(rows.size()).arg(m_journal.readings.size());
    if (!m_journal.unreadable.isEmpty()) {
        count += QStringLiteral("; %1 files could not be read").arg(m_journal.unreadable.size());
        QStringList reasons;
        for (const UnreadableFile& file : m_journal.unreadable)
            reasons.append(file.reason);
        m_lblCount->setToolTip(reasons.mid(0, 30).join(QLatin1Char('\n')));
    }
    m_lblCount->setText(count);

    m_statistics = journalStatistics(m_journal.readings, rows);
    QList<std::pair<QString, int>> cards;
    for (const CardTally& tally : m_statistics.topCards())
        cards.append({QStringLiteral("%1 (%2 reversed)").arg(Deck::instance().name(tally.index)).arg(tally.reversed),
                      tally.count});
    m_cardsChart->setBars(QStringLiteral("Most frequent cards"), cards);
    QList<std::pair<QString, int>> suits;
    for (const Suit suit : {Suit::Cups, Suit::Pentacles, Suit::Swords, Suit::Wands})
        suits.append({suitName(suit), m_statistics.suits[static_cast<std::size_t>(suit)]});
    m_suitsChart->setBars(QStringLiteral("Suits"), suits);
    m_sharesChart->setBars(QStringLiteral("Cards"),
                           {{QStringLiteral("Major arcana"), m_statistics.majorCards},
                            {QStringLiteral("Minor arcana"), m_statistics.cards - m_statistics.majorCards},
                            {QStringLiteral("Reversed"), m_statistics.reversedCards}});
    m_spreadsChart->setBars(QStringLiteral("Spreads"), m_statistics.spreads);
    m_txtStatistics->setPlainText(statisticsText(m_statistics));
    showNotesOfCurrent();
}

const JournalEntry* JournalWindow::currentEntry() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_model->entryAt(current.row()) : nullptr;
}

void JournalWindow::refuse(const QString& text)
{
    m_context.notifier.show(this, Notifier::Icon::Error, kTitle, text);
}

void JournalWindow::openCurrent()
{
    const JournalEntry* entry = currentEntry();
    if (!entry) {
        refuse(QStringLiteral("Please select file to be read."));
        return;
    }
    if (const QString error = m_open(entry->path); !error.isEmpty())
        refuse(QStringLiteral("The reading could not be opened.\n%1").arg(error));
}

void JournalWindow::showNotesOfCurrent()
{
    m_lstNotes->clear();
    if (const JournalEntry* entry = currentEntry()) {
        for (const ReadingNote& note : entry->notes)
            m_lstNotes->addItem(descriptionOfNote(note));
    }
}

void JournalWindow::addNote()
{
    const JournalEntry* entry = currentEntry();
    if (!entry) {
        refuse(QStringLiteral("Please select file to be read."));
        return;
    }
    const QString path = entry->path;
    const StorageValue<int> added
        = quillmere::addNote(path, ReadingNote{m_context.clock.now().date(), m_txtNote->toPlainText()});
    if (!added) {
        refuse(added.error());
        return;
    }
    m_txtNote->clear();
    refresh();
}

void JournalWindow::removeNote()
{
    const JournalEntry* entry = currentEntry();
    const int note = m_lstNotes->currentRow();
    if (!entry || note < 0) {
        refuse(QStringLiteral("Please select a note."));
        return;
    }
    if (const StorageResult removed = quillmere::removeNote(entry->path, note + 1); !removed) {
        refuse(removed.error());
        return;
    }
    refresh();
}

void JournalWindow::deleteCurrent()
{
    const JournalEntry* entry = currentEntry();
    if (!entry) {
        refuse(QStringLiteral("Please select file to be read."));
        return;
    }
    const StorageValue<ReadingLocation> location = locateReading(m_context.folder, entry->path);
    const StorageValue<TrashEntry> trashed = location ? trashReading(m_context.folder, *location, m_context.clock.now())
                                                      : StorageValue<TrashEntry>(location.result());
    if (!trashed) {
        refuse(trashed.error());
        return;
    }
    refresh();
}

void JournalWindow::copyStatistics()
{
    QApplication::clipboard()->setText(statisticsText(m_statistics));
}

} // namespace quillmere
