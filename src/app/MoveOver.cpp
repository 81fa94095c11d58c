#include "app/MoveOver.h"

#include "app/Startup.h"
#include "storage/FolderImport.h"
#include "storage/ProfileStore.h"

#include <QDir>
#include <QFileInfo>

namespace quillmere {

namespace {

const QString kAnsweredKey = QStringLiteral("moveOver/answered");

} // namespace

QString MoveOver::defaultOldFolder()
{
    return QDir::home().filePath(QStringLiteral("Quillmere"));
}

bool MoveOver::dataFolderIsEmpty() const
{
    const StorageValue<QStringList> profiles = ProfileStore(m_context.folder).list();
    if (!profiles || !profiles->isEmpty())
        return false;
    return QDir(m_context.folder.miscFolder()).isEmpty(QDir::Files | QDir::NoDotAndDotDot);
}

bool MoveOver::isDue() const
{
    if (m_context.folder.isPortable() || m_context.settings.value(kAnsweredKey).toBool())
        return false;
    if (!FolderImport::checkSource(m_oldFolder))
        return false;
    const QString old = QFileInfo(m_oldFolder).canonicalFilePath();
    if (old == QFileInfo(m_context.folder.root()).canonicalFilePath())
        return false;
    return dataFolderIsEmpty();
}

bool MoveOver::offer()
{
    const QString old = QDir::toNativeSeparators(m_oldFolder);
    const QString data = QDir::toNativeSeparators(m_context.folder.root());
    const int answer = m_asker.ask(
        nullptr, kApplicationTitle,
        QStringLiteral("An earlier version of Quillmere kept your profiles and readings in %1. Quillmere now keeps "
                       "them in %2.\n\nCopy your profiles and readings over? The old folder is left as it is.")
            .arg(old, data),
        {QStringLiteral("Copy"), QStringLiteral("Not Now")});
    if (answer != 0) {
        // "Not Now" is remembered too; File > Import Readings From Folder… copies them later.
        if (answer == 1)
            m_context.settings.setValue(kAnsweredKey, true);
        return false;
    }
    m_context.settings.setValue(kAnsweredKey, true);
    const StorageValue<ImportSummary> summary
        = FolderImport(AppFolder(m_oldFolder), m_context.folder).run([](const QString&) {
              return NameClash::MergeIntoExisting;
          });
    if (!summary) {
        m_context.notifier.show(nullptr, Notifier::Icon::Error, kApplicationTitle,
                                QStringLiteral("Nothing was copied from %1. %2").arg(old, summary.error()));
        return false;
    }
    m_context.notifier.show(nullptr, summary->stoppedBy.isEmpty() ? Notifier::Icon::Information : Notifier::Icon::Error,
                            kApplicationTitle,
                            QStringLiteral("Copied from %1 to %2:\n\n%3\n\nThe old folder was left as it was.")
                                .arg(old, data, summary->text()));
    return summary->readingsCopied > 0 || !summary->profilesCreated.isEmpty();
}

} // namespace quillmere
