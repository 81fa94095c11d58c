#pragma once

#include "table/AppContext.h"

#include <QDialog>

class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace quillmere {

// The dialog behind Save This Reading: files the temporary record, with a description, under a profile or under
// Miscellaneous. It reports success only when the reading is on disk; any failure is said in words and the dialog
// stays open with everything the user entered.
class SaveReadingDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SaveReadingDialog(AppContext& context, QWidget* parent = nullptr);

    // Opens a fresh dialog, modal for the whole program, and returns at once; it deletes itself when closed.
    static SaveReadingDialog* open(AppContext& context, QWidget* parent);

private:
    void fillProfiles();
    void placeOnScreen();
    void onCmdSaveReadingClicked();
    void refuse(const QString& text);

    AppContext& m_context;
    QRadioButton* m_optUnderProfile = nullptr;
    QComboBox* m_cboProfiles = nullptr;
    QRadioButton* m_optUnderMisc = nullptr;
    QPlainTextEdit* m_txtDesc = nullptr;
};

} // namespace quillmere
