#pragma once

#include "storage/JournalChanges.h"
#include "table/AppContext.h"

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

namespace quillmere {

// The journal's view of the trash: what was deleted, newest first, with Restore and Empty Trash. Emptying asks
// first; every change goes through the journal's core operations and a refusal is shown in the program's words.
class JournalTrashPage : public QWidget
{
    Q_OBJECT
public:
    JournalTrashPage(AppContext& context, Asker& asker, QWidget* parent = nullptr);

    // Reads the trash folder again.
    void refresh();
    const QList<TrashEntry>& entries() const { return m_entries; }

    // Puts the chosen entry back (its own stamp, or the next free one).
    void restoreCurrent();
    // Removes everything in the trash for good, once the user has said so.
    void emptyTrash();

Q_SIGNALS:
    // Something was put back or removed: the journal reads the folder again. restoredPath is empty after emptying.
    void trashChanged(const QString& restoredPath);

private:
    void refuse(const QString& text);
    void updateCommands();

    AppContext& m_context;
    Asker& m_asker;
    QList<TrashEntry> m_entries;
    QTableWidget* m_table = nullptr;
    QLabel* m_lblTrash = nullptr;
    QPushButton* m_cmdRestore = nullptr;
    QPushButton* m_cmdEmpty = nullptr;
};

} // namespace quillmere
