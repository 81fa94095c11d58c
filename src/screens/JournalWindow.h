#pragma once

#include "storage/Journal.h"
#include "storage/JournalFilter.h"
#include "table/AppContext.h"
#include "table/Services.h"

#include <QAbstractTableModel>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace quillmere {

// The journal's readings as table rows: the filtered rows in the chosen order, newest first at the start.
class JournalTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Date, Time, Profile, Name, Spread, Question, Texts, Cards, ColumnCount };

    void setJournal(const QList<JournalEntry>* readings);
    // Shows the rows given (indices into the readings), kept in the current order.
    void setRows(const QList<qsizetype>& rows);
    const JournalEntry* entryAt(int row) const;
    const QList<qsizetype>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    QString text(const JournalEntry& entry, int column) const;
    void applyOrder();

    const QList<JournalEntry>* m_readings = nullptr;
    // All rows in the chosen order, and the filtered ones shown.
    QList<qsizetype> m_order;
    QList<qsizetype> m_rows;
    int m_sortColumn = Date;
    Qt::SortOrder m_sortOrder = Qt::DescendingOrder;
};

// Bars drawn with QPainter, each with its label and its number beside it.
class BarChart : public QWidget
{
    Q_OBJECT
public:
    explicit BarChart(QWidget* parent = nullptr);
    void setBars(const QString& title, const QList<std::pair<QString, int>>& bars);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QList<std::pair<QString, int>> m_bars;
};

class JournalProfilesPage;
class JournalTrashPage;

// The reader's journal: every saved reading of every profile and of Miscellaneous in one sortable table with
// filters that combine and apply as you type; the notes of the chosen reading (added, changed with their date,
// removed); moving a reading to another profile or to Miscellaneous; deleting to the trash and restoring from it;
// renaming, editing and deleting profiles; and what the cards have said in the readings shown. Each command is on
// a button, in the window's menus and, for a reading, in the table's context menu; every change goes through the
// journal's core operations and a refusal is shown in the program's words.
class JournalWindow : public QWidget
{
    Q_OBJECT
public:
    // open shows a reading as View Old Reading does; it returns the reason when the file cannot be shown.
    using Opener = std::function<QString(const QString& path)>;
    JournalWindow(AppContext& context, Asker& asker, Opener open, QWidget* parent = nullptr);

    // Reads the files again, the chosen reading kept chosen: changes made meanwhile by another process show.
    void refresh();
    JournalFilter currentFilter() const;
    // The statistics of the readings the filters show (worked out when first asked for after a change).
    const JournalStatistics& statistics() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus(QMenuBar* bar);
    void reload(const QString& selectPath);
    void selectPath(const QString& path);
    void applyFilter();
    void updateStatistics();
    void showPage(QWidget* page);
    void pageShown(int index);
    void rebuildMoveTargets();
    void openCurrent();
    void showNotesOfCurrent();
    void showChosenNote();
    void addNote();
    void changeNote();
    void removeNote();
    void moveCurrent(const QString& profile, bool miscellaneous);
    void moveToChosenTarget();
    void deleteCurrent();
    void showProfileOfCurrent(bool rename);
    void deleteProfileOfCurrent();
    void copyStatistics();
    const JournalEntry* currentEntry() const;
    // The current reading, or a message saying that one must be chosen.
    const JournalEntry* requireCurrent();
    // A note of the current reading: the reading's file and the note's row in the list.
    struct ChosenNote
    {
        QString path;
        int row = -1;
    };
    // The chosen note, or a message saying that one must be chosen.
    std::optional<ChosenNote> requireChosenNote();
    // The note as the date and text fields hold it.
    ReadingNote enteredNote() const;
    void refuse(const QString& text);
    // A change on disk failed: says why, then shows the journal as the disk now holds it.
    void refuseAndRefresh(const QString& text);

    AppContext& m_context;
    Asker& m_asker;
    Opener m_open;
    Journal m_journal;
    std::unique_ptr<JournalSearch> m_search;
    mutable JournalStatistics m_statistics;
    mutable bool m_statisticsDue = true;
    bool m_profilesDue = true;
    bool m_trashDue = true;
    JournalTableModel* m_model = nullptr;
    QTabWidget* m_tabs = nullptr;
    QWidget* m_readingsPage = nullptr;
    QWidget* m_statisticsPage = nullptr;
    JournalProfilesPage* m_profilesPage = nullptr;
    JournalTrashPage* m_trashPage = nullptr;
    QTableView* m_table = nullptr;
    QLineEdit* m_txtSearch = nullptr;
    QComboBox* m_cboCard = nullptr;
    QCheckBox* m_chkReversed = nullptr;
    QComboBox* m_cboSpread = nullptr;
    QComboBox* m_cboProfile = nullptr;
    QCheckBox* m_chkFrom = nullptr;
    QDateEdit* m_dtFrom = nullptr;
    QCheckBox* m_chkTo = nullptr;
    QDateEdit* m_dtTo = nullptr;
    QSpinBox* m_spinMajorMin = nullptr;
    QSpinBox* m_spinMajorMax = nullptr;
    QLabel* m_lblCount = nullptr;
    QComboBox* m_cboMoveTo = nullptr;
    QListWidget* m_lstNotes = nullptr;
    QPlainTextEdit* m_txtNote = nullptr;
    QDateEdit* m_dtNote = nullptr;
    QMenu* m_moveMenu = nullptr;
    QPlainTextEdit* m_txtStatistics = nullptr;
    BarChart* m_cardsChart = nullptr;
    BarChart* m_suitsChart = nullptr;
    BarChart* m_sharesChart = nullptr;
    BarChart* m_spreadsChart = nullptr;
};

} // namespace quillmere
