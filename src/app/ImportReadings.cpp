#include "app/ImportReadings.h"

#include "app/Startup.h"
#include "storage/FolderImport.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace quillmere {

void importReadingsFrom(const QString& folder, QWidget* parent, AppContext& context, Asker& asker)
{
    const StorageValue<ImportSummary> summary
        = FolderImport(AppFolder(folder), context.folder).run([&](const QString& name) {
              const int answer = asker.ask(
                  parent, kApplicationTitle,
                  QStringLiteral("A profile named \"%1\" exists already. Add the imported readings of \"%1\" to it, "
                                 "or skip them?\n\nNothing of the existing profile is overwritten.")
                      .arg(name),
                  {QStringLiteral("Add To It"), QStringLiteral("Skip")});
              return answer == 0 ? NameClash::MergeIntoExisting : NameClash::Skip;
          });
    const QString from = QDir::toNativeSeparators(folder);
    if (!summary) {
        context.notifier.show(parent, Notifier::Icon::Error, kApplicationTitle,
                              QStringLiteral("Nothing was imported from %1. %2").arg(from, summary.error()));
        return;
    }
    context.notifier.show(parent, summary->stoppedBy.isEmpty() ? Notifier::Icon::Information : Notifier::Icon::Error,
                          kApplicationTitle, QStringLiteral("Imported from %1:\n\n%2").arg(from, summary->text()));
}

void addImportCommand(QMainWindow& window, AppContext& context, Asker& asker)
{
    QMenu* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (!file)
        return;
    auto* import = new QAction(QStringLiteral("&Import Readings From Folder…"), file);
    import->setObjectName(QStringLiteral("mnuImportReadings"));
    const QList<QAction*> actions = file->actions();
    QAction* before = nullptr;
    for (QAction* action : actions) {
        if (action->isSeparator()) {
            before = action;
            break;
        }
    }
    file->insertAction(before, import);
    QObject::connect(import, &QAction::triggered, &window, [&window, &context, &asker] {
        const QString folder = QFileDialog::getExistingDirectory(&window, QStringLiteral("Import Readings From Folder"),
                                                                 QDir::homePath());
        if (!folder.isEmpty())
            importReadingsFrom(folder, &window, context, asker);
    });
}

} // namespace quillmere
