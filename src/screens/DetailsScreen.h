#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;

namespace quillmere {

class OldReadingPanel;
class SaveProfilePanel;
class MainWindow;
struct AppContext;

// The querent details screen `frmFront`: name, date of birth and question for the next reading, the
// profile pre-fill list, and the door to the side panels. Its panels lie on top of each other; the details
// panel `picMain` is in front on load; the save-profile and old-reading panels come to the front on demand.
class DetailsScreen : public QWidget
{
    Q_OBJECT
public:
    explicit DetailsScreen(MainWindow& host, QWidget* parent = nullptr);

    // Save Profile: the save-profile panel `picSaveProfile` in front, the focus in its profile-name box.
    void showSaveProfilePanel();
    // View Old Reading: the old-reading panel `picOldProfile` filled and in front.
    void showOldReadingPanel();
    // Brings the details panel back to the front (the side panels' Back to Main).
    void showMainPanel();
    QWidget* panelInFront() const;

    // Refills the pre-fill list from the profile store, one profile a line.
    void refillProfiles();
    // Click of the pre-fill list: name and date of birth from the chosen profile; the question stays.
    void prefillFromChosenProfile();
    // The Do A Reading step: hands the details to the reading and goes on to the spread selection.
    void doReading();
    void focusName();

    MainWindow& host() { return m_host; }
    AppContext& context();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildMainPanel();
    void selectDateDefaults();
    void onCmdResetClicked();
    void bringToFront(QWidget* panel);
    // The name box takes letters and blanks only; anything else typed is refused with a message.
    void refuseNameKey();

    MainWindow& m_host;
    QStackedWidget* m_panels = nullptr;
    QWidget* m_mainPanel = nullptr;
    SaveProfilePanel* m_saveProfilePanel = nullptr;
    OldReadingPanel* m_oldReadingPanel = nullptr;
    QLineEdit* m_txtName = nullptr;
    QComboBox* m_cmbDate = nullptr;
    QComboBox* m_cmbMonth = nullptr;
    QComboBox* m_cmbYear = nullptr;
    QComboBox* m_cboProfiles = nullptr;
    QPlainTextEdit* m_txtQuestion = nullptr;
    QPushButton* m_cmdSaveProfile = nullptr;
    QPushButton* m_cmdOldProfile = nullptr;
};

} // namespace quillmere
