#include "screens/JournalProfilesPage.h"

#include "screens/DateLists.h"
#include "screens/PanelSupport.h"
#include "storage/JournalChanges.h"
#include "storage/ProfileStore.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace quillmere {

namespace {

constexpr int kProfileRole = Qt::UserRole;

} // namespace

JournalProfilesPage::JournalProfilesPage(AppContext& context, Asker& asker, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_asker(asker)
{
    setObjectName(QStringLiteral("pageProfiles"));
    auto* grid = new QGridLayout(this);

    m_lstProfiles = new QListWidget;
    m_lstProfiles->setObjectName(QStringLiteral("lstProfiles"));
    m_lstProfiles->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* listLabel = new QLabel(QStringLiteral("Pro&files:"));
    listLabel->setBuddy(m_lstProfiles);
    grid->addWidget(listLabel, 0, 0);
    grid->addWidget(m_lstProfiles, 1, 0, 8, 1);

    m_txtProfileName = new QLineEdit;
    m_txtProfileName->setObjectName(QStringLiteral("txtProfileName"));
    auto* profileLabel = new QLabel(QStringLiteral("Profile na&me:"));
    profileLabel->setBuddy(m_txtProfileName);
    m_cmdRename = new QPushButton(QStringLiteral("Ren&ame Profile"));
    m_cmdRename->setObjectName(QStringLiteral("cmdRenameProfile"));
    grid->addWidget(profileLabel, 1, 1);
    grid->addWidget(m_txtProfileName, 1, 2, 1, 3);
    grid->addWidget(m_cmdRename, 1, 5);

    m_txtPersonName = new QLineEdit;
    m_txtPersonName->setObjectName(QStringLiteral("txtPersonName"));
    auto* personLabel = new QLabel(QStringLiteral("&Name:"));
    personLabel->setBuddy(m_txtPersonName);
    grid->addWidget(personLabel, 3, 1);
    grid->addWidget(m_txtPersonName, 3, 2, 1, 3);

    m_cmbDay = new QComboBox;
    m_cmbDay->setObjectName(QStringLiteral("cmbDay"));
    m_cmbMonth = new QComboBox;
    m_cmbMonth->setObjectName(QStringLiteral("cmbMonth"));
    m_cmbYear = new QComboBox;
    m_cmbYear->setObjectName(QStringLiteral("cmbYear"));
    fillDateLists(context.clock.locale(), *m_cmbDay, *m_cmbMonth, *m_cmbYear);
    auto* birthLabel = new QLabel(QStringLiteral("Date of &Birth:"));
    birthLabel->setBuddy(m_cmbDay);
    grid->addWidget(birthLabel, 4, 1);
    grid->addWidget(m_cmbDay, 4, 2);
    grid->addWidget(m_cmbMonth, 4, 3);
    grid->addWidget(m_cmbYear, 4, 4);
    m_cmdSaveDetails = new QPushButton(QStringLiteral("&Save Details"));
    m_cmdSaveDetails->setObjectName(QStringLiteral("cmdSaveDetails"));
    grid->addWidget(m_cmdSaveDetails, 4, 5);

    m_lblProfile = new QLabel;
    m_lblProfile->setObjectName(QStringLiteral("lblProfile"));
    m_lblProfile->setWordWrap(true);
    grid->addWidget(m_lblProfile, 6, 1, 1, 5);
    m_cmdDelete = new QPushButton(QStringLiteral("&Delete Profile to Trash"));
    m_cmdDelete->setObjectName(QStringLiteral("cmdDeleteProfile"));
    grid->addWidget(m_cmdDelete, 8, 5);
    grid->setRowMinimumHeight(2, 12);
    grid->setRowMinimumHeight(5, 12);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(3, 1);

    auto* rename = new QAction(QStringLiteral("Ren&ame Profile…"), m_lstProfiles);
    auto* edit = new QAction(QStringLiteral("&Edit Name and Date of Birth…"), m_lstProfiles);
    auto* remove = new QAction(QStringLiteral("&Delete Profile to Trash"), m_lstProfiles);
    m_lstProfiles->addActions({rename, edit, remove});
    connect(rename, &QAction::triggered, this, &JournalProfilesPage::focusRename);
    connect(edit, &QAction::triggered, this, &JournalProfilesPage::focusDetails);
    connect(remove, &QAction::triggered, this, &JournalProfilesPage::deleteChosen);
    connect(m_lstProfiles, &QListWidget::currentRowChanged, this, &JournalProfilesPage::showChosen);
    connect(m_cmdRename, &QPushButton::clicked, this, &JournalProfilesPage::renameChosen);
    connect(m_txtProfileName, &QLineEdit::returnPressed, this, &JournalProfilesPage::renameChosen);
    connect(m_cmdSaveDetails, &QPushButton::clicked, this, &JournalProfilesPage::saveDetails);
    connect(m_txtPersonName, &QLineEdit::returnPressed, this, &JournalProfilesPage::saveDetails);
    connect(m_cmdDelete, &QPushButton::clicked, this, &JournalProfilesPage::deleteChosen);
    showChosen();
}

void JournalProfilesPage::setProfiles(const QList<std::pair<QString, int>>& profiles)
{
    const QString chosen = chosenProfile();
    {
        const QSignalBlocker blocker(m_lstProfiles);
        m_lstProfiles->clear();
        for (const auto& [name, readings] : profiles) {
            auto* item = new QListWidgetItem(readings == 1 ? QStringLiteral("%1 (1 reading)").arg(name)
                                                           : QStringLiteral("%1 (%2 readings)").arg(name).arg(readings),
                                             m_lstProfiles);
            item->setData(kProfileRole, name);
        }
    }
    if (!choose(chosen) && m_lstProfiles->count() > 0)
        m_lstProfiles->setCurrentRow(0);
    showChosen();
}

bool JournalProfilesPage::choose(const QString& profile)
{
    if (profile.isEmpty())
        return false;
    const QString key = ProfileStore::comparisonKey(profile);
    for (int row = 0; row < m_lstProfiles->count(); ++row) {
        if (ProfileStore::comparisonKey(m_lstProfiles->item(row)->data(kProfileRole).toString()) == key) {
            m_lstProfiles->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

QString JournalProfilesPage::chosenProfile() const
{
    const QListWidgetItem* item = m_lstProfiles->currentItem();
    return item ? item->data(kProfileRole).toString() : QString();
}

void JournalProfilesPage::showChosen()
{
    const QString profile = chosenProfile();
    const bool chosen = !profile.isEmpty();
    for (QWidget* widget : std::initializer_list<QWidget*>{m_txtProfileName, m_txtPersonName, m_cmbDay, m_cmbMonth,
                                                           m_cmbYear, m_cmdRename, m_cmdSaveDetails, m_cmdDelete})
        widget->setEnabled(chosen);
    m_txtProfileName->setText(profile);
    m_txtPersonName->clear();
    fillDateLists(m_context.clock.locale(), *m_cmbDay, *m_cmbMonth, *m_cmbYear);
    if (!chosen) {
        m_lblProfile->setText(m_lstProfiles->count() == 0 ? QStringLiteral("There are no profiles.") : QString());
        return;
    }
    const bool read
        = prefillFromProfile(m_context.folder, profile, *m_txtPersonName, *m_cmbDay, *m_cmbMonth, *m_cmbYear);
    m_lblProfile->setText(read ? QStringLiteral("Renaming moves the profile's folder, its details file and its line in "
                                                "the store together. Deleting puts the profile with all its readings "
                                                "in the trash, from where it can be restored.")
                               : QStringLiteral("The details file of this profile could not be read; saving the "
                                                "details writes it anew."));
}

void JournalProfilesPage::focusRename()
{
    m_txtProfileName->setFocus();
    m_txtProfileName->selectAll();
}

void JournalProfilesPage::focusDetails()
{
    m_txtPersonName->setFocus();
    m_txtPersonName->selectAll();
}

void JournalProfilesPage::refuse(const QString& text)
{
    showRefusal(m_context.notifier, this, text);
}

void JournalProfilesPage::renameChosen()
{
    const QString profile = chosenProfile();
    if (profile.isEmpty()) {
        refuse(QStringLiteral("Please select a profile."));
        return;
    }
    const QString newName = m_txtProfileName->text().trimmed();
    if (const StorageResult renamed = renameProfile(m_context.folder, profile, m_txtProfileName->text()); !renamed) {
        refuse(renamed.error());
        focusRename();
        return;
    }
    Q_EMIT profilesChanged(newName);
}

void JournalProfilesPage::saveDetails()
{
    const QString profile = chosenProfile();
    if (profile.isEmpty()) {
        refuse(QStringLiteral("Please select a profile."));
        return;
    }
    const ProfileDetails details{m_txtPersonName->text(), m_cmbMonth->currentText(), m_cmbDay->currentText(),
                                 m_cmbYear->currentText()};
    if (const StorageResult edited = editProfile(m_context.folder, profile, details); !edited) {
        refuse(edited.error());
        focusDetails();
        return;
    }
    Q_EMIT profilesChanged(profile);
}

void JournalProfilesPage::deleteChosen()
{
    const QString profile = chosenProfile();
    if (profile.isEmpty()) {
        refuse(QStringLiteral("Please select a profile."));
        return;
    }
    const QString readings = m_lstProfiles->currentItem()->text().sliced(profile.size()).trimmed();
    const int answer = m_asker.ask(this, kMessageTitle,
                                   QStringLiteral("Delete the profile \"%1\" %2? It goes to the trash with its "
                                                  "details and readings, and can be restored from there.")
                                       .arg(profile, readings),
                                   {QStringLiteral("Delete Profile"), QStringLiteral("Cancel")});
    if (answer != 0)
        return;
    const StorageValue<TrashEntry> trashed = trashProfile(m_context.folder, profile, m_context.clock.now());
    if (!trashed) {
        refuse(trashed.error());
        return;
    }
    Q_EMIT profilesChanged(QString());
}

} // namespace quillmere
