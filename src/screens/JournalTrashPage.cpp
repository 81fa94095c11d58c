#include "screens/JournalTrashPage.h"

#include "screens/PanelSupport.h"
#include "storage/Journal.h"
#include "storage/RecordFormat.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillmere {

namespace {

enum Column { Deleted, What, Profile, Saved, Question, ColumnCount };

// What a trash entry was, in words the table shows: the reading's saving moment and question, or the number of
// readings of a profile.
struct EntryDescription
{
    QString saved;
    QString question;
};

EntryDescription describe(const TrashEntry& entry)
{
    if (entry.kind == TrashEntry::Kind::Profile) {
        const QStringList files = QDir(entry.itemPath).entryList(QDir::Files | QDir::NoDotAndDotDot);
        const qsizetype readings = std::max<qsizetype>(0, files.size() - (files.contains(entry.profile) ? 1 : 0));
        return {QString(), readings == 1 ? QStringLiteral("1 reading") : QStringLiteral("%1 readings").arg(readings)};
    }
    const StorageValue<ReadingRecord> record = readRecordFile(entry.itemPath);
    const QDateTime moment
        = readingMomentOf(entry.fileName, record ? *record : ReadingRecord{}, QFileInfo(entry.itemPath).lastModified());
    QString question = record ? record->question : QString();
    question.replace(QLatin1String("\r\n"), QLatin1String(" "));
    question.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return {QLocale().toString(moment, QLocale::ShortFormat), question};
}

} // namespace

JournalTrashPage::JournalTrashPage(AppContext& context, Asker& asker, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_asker(asker)
{
    setObjectName(QStringLiteral("pageTrash"));
    auto* layout = new QVBoxLayout(this);
    m_lblTrash = new QLabel;
    m_lblTrash->setObjectName(QStringLiteral("lblTrash"));
    m_lblTrash->setWordWrap(true);
    m_lblTrash->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_lblTrash);

    m_table = new QTableWidget(0, ColumnCount);
    m_table->setObjectName(QStringLiteral("tblTrash"));
    m_table->setHorizontalHeaderLabels({QStringLiteral("Deleted"), QStringLiteral("What"), QStringLiteral("Profile"),
                                        QStringLiteral("Saved"), QStringLiteral("Question or readings")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setWordWrap(false);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    layout->addWidget(m_table, 1);

    auto* buttons = new QHBoxLayout;
    m_cmdRestore = new QPushButton(QStringLiteral("Re&store"));
    m_cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    m_cmdEmpty = new QPushButton(QStringLiteral("&Empty Trash…"));
    m_cmdEmpty->setObjectName(QStringLiteral("cmdEmptyTrash"));
    buttons->addWidget(m_cmdEmpty);
    buttons->addStretch(1);
    buttons->addWidget(m_cmdRestore);
    layout->addLayout(buttons);

    auto* restore = new QAction(QStringLiteral("Re&store"), m_table);
    auto* empty = new QAction(QStringLiteral("&Empty Trash…"), m_table);
    m_table->addAction(restore);
    m_table->addAction(empty);
    connect(restore, &QAction::triggered, this, &JournalTrashPage::restoreCurrent);
    connect(empty, &QAction::triggered, this, &JournalTrashPage::emptyTrash);
    connect(m_cmdRestore, &QPushButton::clicked, this, &JournalTrashPage::restoreCurrent);
    connect(m_cmdEmpty, &QPushButton::clicked, this, &JournalTrashPage::emptyTrash);
    // Enter on an entry puts it back, so the keyboard alone restores.
    connect(m_table, &QTableWidget::activated, this, &JournalTrashPage::restoreCurrent);
    refresh();
}

void JournalTrashPage::refresh()
{
    const StorageValue<QList<TrashEntry>> listed = listTrash(m_context.folder);
    m_entries = listed ? *listed : QList<TrashEntry>();
    m_table->setRowCount(0);
    m_table->setRowCount(static_cast<int>(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const TrashEntry& entry = m_entries[row];
        const EntryDescription description = describe(entry);
        const bool profile = entry.kind == TrashEntry::Kind::Profile;
        const QStringList texts{QLocale().toString(entry.deleted, QLocale::ShortFormat),
                                profile ? QStringLiteral("Profile") : QStringLiteral("Reading"),
                                entry.profile.isEmpty() ? QStringLiteral("Miscellaneous") : entry.profile,
                                description.saved, description.question};
        for (int column = 0; column < ColumnCount; ++column)
            m_table->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    for (int column = 0; column < Question; ++column)
        m_table->resizeColumnToContents(column);
    if (!m_entries.isEmpty())
        m_table->setCurrentCell(0, 0);
    if (!listed)
        m_lblTrash->setText(listed.error());
    else if (m_entries.isEmpty())
        m_lblTrash->setText(QStringLiteral("The trash is empty."));
    else
        m_lblTrash->setText(
            QStringLiteral("Deleted readings and profiles wait here until the trash is emptied (%1 in all).")
                .arg(m_entries.size()));
    updateCommands();
}

void JournalTrashPage::updateCommands()
{
    m_cmdRestore->setEnabled(!m_entries.isEmpty());
    m_cmdEmpty->setEnabled(!m_entries.isEmpty());
}

void JournalTrashPage::refuse(const QString& text)
{
    showRefusal(m_context.notifier, this, text);
}

void JournalTrashPage::restoreCurrent()
{
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_entries.size()) {
        refuse(QStringLiteral("Please select an entry of the trash."));
        return;
    }
    const StorageValue<QString> restored = restoreFromTrash(m_context.folder, m_entries[row].id);
    if (!restored) {
        refuse(restored.error());
        return;
    }
    refresh();
    Q_EMIT trashChanged(*restored);
    m_lblTrash->setText(QStringLiteral("Restored to %1").arg(QDir::toNativeSeparators(*restored)));
}

void JournalTrashPage::emptyTrash()
{
    if (m_entries.isEmpty())
        return;
    const int answer = m_asker.ask(
        this, kMessageTitle,
        QStringLiteral("Empty the trash? %1 in it removed for good; nothing of it can be restored afterwards.")
            .arg(m_entries.size() == 1 ? QStringLiteral("The deleted item is")
                                       : QStringLiteral("The %1 deleted items are").arg(m_entries.size())),
        {QStringLiteral("Empty Trash"), QStringLiteral("Cancel")});
    if (answer != 0)
        return;
    const StorageResult emptied = quillmere::emptyTrash(m_context.folder);
    refresh();
    if (!emptied) {
        refuse(emptied.error());
        return;
    }
    Q_EMIT trashChanged(QString());
}

} // namespace quillmere
