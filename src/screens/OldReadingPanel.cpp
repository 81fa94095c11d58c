#include "screens/OldReadingPanel.h"

#include "screens/PanelSupport.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"
#include "table/ReopenedReading.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace quillmere {

namespace {

const QString kMiscEntry = QStringLiteral("misc");
const QString kCaption = QStringLiteral("Reading Displayed for ");
// The file a line of the readings list stands for, kept beside the entry text that shows it.
constexpr int kFileNameRole = Qt::UserRole;

} // namespace

OldReadingPanel::OldReadingPanel(AppContext& context, ReadingHost& host, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_host(host)
{
    setObjectName(QStringLiteral("picOldProfile"));
    setAutoFillBackground(true);
    setTwipGeometry(this, 0, 0, 7545, 6000);

    auto* intro = new QGroupBox(this);
    setTwipGeometry(intro, 165, 120, 7215, 735);
    auto* introText = new QLabel(QStringLiteral("First select a profile of a person. Then select the right reading "
                                                "you wold like to view from your saved list ."),
                                 intro);
    introText->setWordWrap(true);
    setTwipGeometry(introText, 120, 180, 6975, 495);

    m_cboProfiles = placeControl(new QComboBox(this), QStringLiteral("cboProfiles"), 165, 1680, 3735, 330);
    auto* selectLabel = new QLabel(QStringLiteral("Select Profile"), this);
    selectLabel->setBuddy(m_cboProfiles);
    setTwipGeometry(selectLabel, 165, 1320, 1305, 240);

    m_lblCaption = placeControl(new QLabel(kCaption + QStringLiteral("...."), this), QStringLiteral("lblCaption"), 165,
                                2280, 7215, 240);

    m_lstReadings = placeControl(new QListWidget(this), QStringLiteral("lstReadings"), 165, 2640, 7215, 2565);
    // Kept in step with lstReadings, entry for entry; it is never shown.
    m_lstReadings1 = new QListWidget(this);
    m_lstReadings1->setObjectName(QStringLiteral("lstReadings1"));
    m_lstReadings1->hide();

    auto* back = placeControl(new QPushButton(QStringLiteral("Back to Main"), this), QStringLiteral("cmdBacktoMain1"),
                              165, 5400, 1815, 375);
    auto* view = placeControl(new QPushButton(QStringLiteral("View Old Reading"), this), QStringLiteral("cmdReading1"),
                              5565, 5400, 1815, 375);

    connect(m_cboProfiles, &QComboBox::activated, this, &OldReadingPanel::onCboProfilesActivated);
    connect(m_lstReadings, &QListWidget::itemDoubleClicked, this, &OldReadingPanel::openSelectedReading);
    connect(view, &QPushButton::clicked, this, &OldReadingPanel::openSelectedReading);
    connect(back, &QPushButton::clicked, this, &OldReadingPanel::backToMainRequested);
}

void OldReadingPanel::fillProfiles()
{
    m_cboProfiles->clear();
    const auto profiles = ProfileStore(m_context.folder).list();
    if (profiles.ok())
        m_cboProfiles->addItems(profiles.value());
    if (QFileInfo(m_context.folder.miscFolder()).isDir())
        m_cboProfiles->addItem(kMiscEntry);
    m_cboProfiles->setCurrentIndex(-1);
}

void OldReadingPanel::onCboProfilesActivated()
{
    const QString profile = m_cboProfiles->currentText().trimmed();
    m_lblCaption->setText(kCaption + profile);
    m_lstReadings->clear();
    m_lstReadings1->clear();
    const auto entries = listSavedReadings(m_context.folder, profile);
    if (!entries.ok())
        return;
    for (const SavedReadingEntry& entry : entries.value()) {
        m_lstReadings->addItem(entry.displayLine);
        auto* fileEntry = new QListWidgetItem(entry.fileEntry, m_lstReadings1);
        fileEntry->setData(kFileNameRole, entry.fileName);
    }
    m_lstReadings->setCurrentRow(-1);
}

void OldReadingPanel::refuse(const QString& text)
{
    showRefusal(m_context.notifier, this, text);
}

void OldReadingPanel::openSelectedReading()
{
    const QString profile = m_cboProfiles->currentText();
    if (profile.isEmpty()) {
        refuse(QStringLiteral("Please select profile."));
        return;
    }
    const QList<QListWidgetItem*> selected = m_lstReadings->selectedItems();
    const int row = selected.isEmpty() ? -1 : m_lstReadings->row(selected.first());
    const QListWidgetItem* fileEntry = row >= 0 ? m_lstReadings1->item(row) : nullptr;
    const QString fileName = fileEntry ? fileEntry->data(kFileNameRole).toString() : QString();
    if (fileName.isEmpty()) {
        refuse(QStringLiteral("Please select file to be read."));
        return;
    }

    const auto folderName = readingFolderName(profile);
    const auto file = EntryName::check(fileName);
    QString error = !folderName.ok() ? folderName.error() : file.error();
    if (error.isEmpty())
        error = openReopenedReading(m_context, m_host, m_context.folder.entry(folderName.value(), file.value()));
    if (!error.isEmpty()) {
        refuse(QStringLiteral("The reading could not be opened.\n%1").arg(error));
        return;
    }
    Q_EMIT readingOpened();
}

} // namespace quillmere
