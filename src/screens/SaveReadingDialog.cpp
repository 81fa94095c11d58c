#include "screens/SaveReadingDialog.h"

#include "screens/FormSupport.h"
#include "screens/PanelSupport.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace quillmere {

SaveReadingDialog::SaveReadingDialog(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmSaveReading"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    setWindowFlags(kDialogWindowFlags | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixels(7545), twipsToPixels(6000));

    auto* intro = new QFrame(this);
    intro->setFrameShape(QFrame::Box);
    setTwipGeometry(intro, 165, 120, 7215, 735);
    auto* introText = new QLabel(
        QStringLiteral("You can save your reading here. Choose the option you would like to save under."), intro);
    introText->setWordWrap(true);
    setTwipGeometry(introText, 120, 120, 6975, 495);

    m_optUnderProfile = new QRadioButton(QStringLiteral("Save for Profile"), this);
    m_optUnderProfile->setObjectName(QStringLiteral("optUnderProfile"));
    setTwipGeometry(m_optUnderProfile, 240, 1800, 3135, 255);

    m_cboProfiles = new QComboBox(this);
    m_cboProfiles->setObjectName(QStringLiteral("cboProfiles"));
    setTwipGeometry(m_cboProfiles, 240, 2160, 4215, 330);
    m_cboProfiles->setEnabled(false);

    m_optUnderMisc = new QRadioButton(QStringLiteral("Save Under Miscellaneous "), this);
    m_optUnderMisc->setObjectName(QStringLiteral("optUnderMisc"));
    setTwipGeometry(m_optUnderMisc, 240, 2880, 4695, 255);

    // One group, neither chosen until the user picks.
    auto* options = new QButtonGroup(this);
    options->addButton(m_optUnderProfile);
    options->addButton(m_optUnderMisc);

    auto* descLabel = new QLabel(QStringLiteral("Description of the Reading"), this);
    setTwipGeometry(descLabel, 240, 3480, 2610, 240);
    m_txtDesc = new QPlainTextEdit(this);
    m_txtDesc->setObjectName(QStringLiteral("txtDesc"));
    m_txtDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtDesc->setTabChangesFocus(true);
    descLabel->setBuddy(m_txtDesc);
    setTwipGeometry(m_txtDesc, 165, 3840, 7215, 1365);

    auto* back = new QPushButton(QStringLiteral("Back to Main"), this);
    back->setObjectName(QStringLiteral("cmdBacktoMain"));
    back->setAutoDefault(false);
    setTwipGeometry(back, 165, 5400, 1815, 375);

    auto* save = new QPushButton(QStringLiteral("Save Reading"), this);
    save->setObjectName(QStringLiteral("cmdSaveReading"));
    save->setAutoDefault(false);
    setTwipGeometry(save, 5565, 5400, 1815, 375);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgPicture"));
    setTwipGeometry(picture, 5115, 1080, 2265, 2415);
    showDetailsPicture(picture);

    // The list is usable only under "Save for Profile"; under Miscellaneous it keeps showing its choice, which
    // saving never reads. Toggled rather than clicked, so the arrow keys work the same.
    connect(m_optUnderProfile, &QRadioButton::toggled, m_cboProfiles, &QComboBox::setEnabled);
    connect(save, &QPushButton::clicked, this, &SaveReadingDialog::onCmdSaveReadingClicked);
    connect(back, &QPushButton::clicked, this, &QDialog::reject);

    fillProfiles();
    placeOnScreen();
}

SaveReadingDialog* SaveReadingDialog::open(AppContext& context, QWidget* parent)
{
    auto* dialog = new SaveReadingDialog(context, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    return dialog;
}

void SaveReadingDialog::fillProfiles()
{
    m_cboProfiles->clear();
    // An unreadable store leaves the list empty, which only "Please select profile to save." can follow.
    const auto profiles = ProfileStore(m_context.folder).list();
    if (profiles.ok())
        m_cboProfiles->addItems(profiles.value());
    // A drop-down list starts with no profile chosen.
    m_cboProfiles->setCurrentIndex(-1);
}

void SaveReadingDialog::placeOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    move(free.left() + (free.width() - width()) / 3, free.top() + (free.height() - height()) / 3);
}

void SaveReadingDialog::refuse(const QString& text)
{
    showRefusal(m_context.notifier, this, text);
}

void SaveReadingDialog::onCmdSaveReadingClicked()
{
    std::optional<FilingTarget> target;
    if (m_optUnderProfile->isChecked())
        target = FilingTarget::profile(m_cboProfiles->currentText());
    else if (m_optUnderMisc->isChecked())
        target = FilingTarget::miscellaneous();
    const QString description = m_txtDesc->toPlainText();
    if (const StorageResult checked = checkSaveRequest(target, description); !checked.ok()) {
        refuse(checked.error());
        return;
    }

    // The reading on screen is what is filed, whatever became of the temporary record meanwhile.
    const auto filed = fileTempReading(m_context.folder, *target, description, m_context.clock, &m_context.reading);
    if (!filed.ok()) {
        // The words say what failed; the dialog stays as it is, so the user can try again or go back.
        refuse(filed.error());
        return;
    }
    m_context.notifier.show(this, Notifier::Icon::Information, kMessageTitle,
                            QStringLiteral("Your Reading has been Saved Successfully"));
    accept();
}

} // namespace quillmere
