#pragma once

#include "table/AppContext.h"
#include "table/Services.h"

#include <QList>
#include <QWidget>
#include <utility>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillmere {

// The journal's profiles: rename one (folder, details file and store line together), edit the person's name and
// date of birth it holds, or delete it with its readings to the trash. Every change goes through the journal's core
// operations; a refusal is shown in the program's words, the same as when the profile was created.
class JournalProfilesPage : public QWidget
{
    Q_OBJECT
public:
    JournalProfilesPage(AppContext& context, Asker& asker, QWidget* parent = nullptr);

    // The profiles in store order with the number of readings of each; the chosen one stays chosen.
    void setProfiles(const QList<std::pair<QString, int>>& profiles);
    // Chooses a profile by name (any letter case); false when it is not listed.
    bool choose(const QString& profile);
    QString chosenProfile() const;

    // The focus in the field of a command, for the journal's menu and shortcuts.
    void focusRename();
    void focusDetails();

    void renameChosen();
    void saveDetails();
    // Asks first: the profile goes to the trash with all its readings.
    void deleteChosen();

Q_SIGNALS:
    // The profiles changed on disk; profile is the one to keep chosen (empty when it went to the trash).
    void profilesChanged(const QString& profile);

private:
    void showChosen();
    void refuse(const QString& text);

    AppContext& m_context;
    Asker& m_asker;
    QListWidget* m_lstProfiles = nullptr;
    QLineEdit* m_txtProfileName = nullptr;
    QLineEdit* m_txtPersonName = nullptr;
    QComboBox* m_cmbDay = nullptr;
    QComboBox* m_cmbMonth = nullptr;
    QComboBox* m_cmbYear = nullptr;
    QLabel* m_lblProfile = nullptr;
    QPushButton* m_cmdRename = nullptr;
    QPushButton* m_cmdSaveDetails = nullptr;
    QPushButton* m_cmdDelete = nullptr;
};

} // namespace quillmere
