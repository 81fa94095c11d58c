#pragma once

#include "table/AppContext.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace quillmere {

// The details screen's panel for creating a profile: a profile name, the person's name and date of birth. A profile
// is made whole (folder, details file, store entry) or not at all; a name that exists or cannot be a folder name
// is refused in words.
class SaveProfilePanel : public QWidget
{
    Q_OBJECT
public:
    explicit SaveProfilePanel(AppContext& context, QWidget* parent = nullptr);

    // Brings the panel's profile-name box into focus, as when the panel comes to the front.
    void focusProfileName();

Q_SIGNALS:
    // A profile was created: the store has a new entry, which the pre-fill list must show.
    void profileCreated(const QString& profile);
    // The user is done here; the details panel comes back to the front.
    void backToMainRequested();

private:
    void onCmdOkClicked();
    void refuse(const QString& text, QWidget* focus);

    AppContext& m_context;
    QLineEdit* m_txtProfile = nullptr;
    QLineEdit* m_txtNameOfProfiler = nullptr;
    QComboBox* m_cmbDate1 = nullptr;
    QComboBox* m_cmbMonth1 = nullptr;
    QComboBox* m_cmbYear1 = nullptr;
};

} // namespace quillmere
