#include "screens/SaveProfilePanel.h"

#include "screens/DateLists.h"
#include "screens/PanelSupport.h"
#include "storage/ProfileStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace quillmere {

namespace {

QLabel* addLabel(QWidget* parent, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    setTwipGeometry(label, left, top, width, height);
    return label;
}

} // namespace

SaveProfilePanel::SaveProfilePanel(AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("picSaveProfile"));
    setAutoFillBackground(true);
    setTwipGeometry(this, 0, 0, 7545, 6000);

    auto* intro = new QGroupBox(this);
    setTwipGeometry(intro, 120, 120, 7215, 1455);
    addLabel(intro, QStringLiteral("You must fill out all fields below before saving."), 120, 240, 6975, 255);
    addLabel(intro,
             QStringLiteral("You can save the personal details that you have entered here. Enter a Name under which "
                            "you would like to save the details."),
             120, 600, 6975, 735);

    auto* fields = new QGroupBox(this);
    setTwipGeometry(fields, 120, 1680, 4215, 4095);
    addLabel(fields, QStringLiteral("All The Fields Below Are Mandatory"), 120, 240, 3855, 255);

    m_txtProfile = placeControl(new QLineEdit(fields), QStringLiteral("txtProfile"), 120, 1140, 3855, 285);
    addLabel(fields, QStringLiteral("Enter Name of Profile"), 120, 840, 3855, 255)->setBuddy(m_txtProfile);

    m_txtNameOfProfiler
        = placeControl(new QLineEdit(fields), QStringLiteral("txtNameOfProfiler"), 120, 1920, 3855, 285);
    addLabel(fields, QStringLiteral("Name"), 120, 1620, 3855, 255)->setBuddy(m_txtNameOfProfiler);

    m_cmbDate1 = placeControl(new QComboBox(fields), QStringLiteral("cmbDate1"), 120, 2640, 735, 360);
    m_cmbMonth1 = placeControl(new QComboBox(fields), QStringLiteral("cmbMonth1"), 960, 2640, 1815, 360);
    m_cmbYear1 = placeControl(new QComboBox(fields), QStringLiteral("cmbYear1"), 2880, 2640, 1215, 360);
    addLabel(fields, QStringLiteral("Date of Birth"), 120, 2340, 3855, 255)->setBuddy(m_cmbDate1);
    fillDateLists(m_context.clock.locale(), *m_cmbDate1, *m_cmbMonth1, *m_cmbYear1);

    auto* ok = placeControl(new QPushButton(QStringLiteral("Save Profile"), fields), QStringLiteral("cmdOK"), 2280,
                            3600, 1815, 375);

    auto* side = new QGroupBox(this);
    setTwipGeometry(side, 4440, 1680, 2895, 4095);
    auto* picture = placeControl(new QLabel(side), QStringLiteral("imgPicture"), 315, 360, 2265, 2415);
    showDetailsPicture(picture);
    auto* back = placeControl(new QPushButton(QStringLiteral("Back to Main"), side), QStringLiteral("cmdBacktoMain"),
                              480, 3600, 1815, 375);

    connect(ok, &QPushButton::clicked, this, &SaveProfilePanel::onCmdOkClicked);
    connect(back, &QPushButton::clicked, this, &SaveProfilePanel::backToMainRequested);
}

void SaveProfilePanel::focusProfileName()
{
    m_txtProfile->setFocus();
}

void SaveProfilePanel::refuse(const QString& text, QWidget* focus)
{
    showRefusal(m_context.notifier, this, text);
    focus->setFocus();
}

void SaveProfilePanel::onCmdOkClicked()
{
    const NewProfile profile{m_txtProfile->text(),
                             {m_txtNameOfProfiler->text(), m_cmbMonth1->currentText(), m_cmbDate1->currentText(),
                              m_cmbYear1->currentText()}};
    const ProfileCreation created = ProfileStore(m_context.folder).create(profile);
    if (!created.ok()) {
        QLineEdit* field = created.refusal == ProfileRefusal::EmptyPersonName ? m_txtNameOfProfiler : m_txtProfile;
        refuse(created.error, field);
        return;
    }

    Q_EMIT profileCreated(created.profileName);
    m_context.notifier.show(this, Notifier::Icon::Information, kMessageTitle,
                            QStringLiteral("Profile creates successfully."));
    // The person's name and date stay for the next profile; only the profile name is cleared.
    m_txtProfile->clear();
    m_txtProfile->setFocus();
    Q_EMIT backToMainRequested();
}

} // namespace quillmere
