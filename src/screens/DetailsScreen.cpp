#include "screens/DetailsScreen.h"

#include "screens/DateLists.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/OldReadingPanel.h"
#include "screens/SaveProfilePanel.h"
#include "storage/ProfileStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

namespace quillmere {

namespace {

constexpr int kDefaultYearIndex = 80;

QLabel* formLabel(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* formButton(const QString& objectName, const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    return button;
}

QComboBox* dropDownList(const QString& objectName, const QRect& geometry, QWidget* parent)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(objectName);
    list->setEditable(false);
    list->setGeometry(geometry.x(), geometry.y(), geometry.width(), std::max(geometry.height(), 22));
    return list;
}

bool nameCodeAllowed(int code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' || code == 8 || code == 127;
}

// The character code a key press types, as the name filter judges it: control combinations count as their
// control characters, so copy and paste by keyboard are refused like any other special character. Keys that
// type nothing (arrows, Tab, Delete, access keys) are not judged.
std::optional<int> typedCode(const QKeyEvent& key)
{
    if (key.modifiers() & Qt::AltModifier)
        return std::nullopt;
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return key.key() - Qt::Key_A + 1;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text) {
        if (!nameCodeAllowed(c.unicode()))
            return c.unicode();
    }
    return text.front().unicode();
}

} // namespace

DetailsScreen::DetailsScreen(MainWindow& host, QWidget* parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmFront"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    setFixedSize(twipsSize(kFormWidthTwips, kFormHeightTwips));
    setFont(verdanaFont(8.25));

    m_panels = new QStackedWidget(this);
    m_panels->setGeometry(0, 0, width(), height());
    m_mainPanel = buildMainPanel();
    m_panels->addWidget(m_mainPanel);

    // Below the visible area: reached only by their access keys. They take no part in the tab order, so the focus
    // never rests on a command the user cannot see; Do A Reading is the visible face of Next.
    auto* next = formButton(QStringLiteral("cmdNext"), QStringLiteral("&Next"), twipsRect(120, 6300, 1215, 375), this);
    next->setFocusPolicy(Qt::NoFocus);
    connect(next, &QPushButton::clicked, this, &DetailsScreen::doReading);
    auto* cancel
        = formButton(QStringLiteral("cmdCancel"), QStringLiteral("&Exit"), twipsRect(1440, 6300, 1215, 375), this);
    cancel->setFocusPolicy(Qt::NoFocus);
    connect(cancel, &QPushButton::clicked, this, [this] { closeForm(this); });

    selectDateDefaults();
    refillProfiles();
    bringToFront(m_mainPanel);
}

AppContext& DetailsScreen::context()
{
    return m_host.context();
}

QWidget* DetailsScreen::buildMainPanel()
{
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("picMain"));

    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgDetails"));
    picture->setGeometry(twipsRect(0, 120, 2265, 2415));
    const QPixmap pixmap(QStringLiteral(":/pictures/details.png"));
    if (!pixmap.isNull())
        picture->setPixmap(pixmap.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    picture->setAlignment(Qt::AlignCenter);

    auto* saveFrame = new QGroupBox(panel);
    saveFrame->setGeometry(twipsRect(120, 2640, 2055, 1560));
    formLabel(QStringLiteral("To Save a Profile Click \"Save Profile\""), twipsRect(120, 240, 1815, 720), saveFrame);
    m_cmdSaveProfile = formButton(QStringLiteral("cmdSaveProfile"), QStringLiteral("Save Profile"),
                                  twipsRect(120, 1080, 1815, 375), saveFrame);
    connect(m_cmdSaveProfile, &QPushButton::clicked, this, &DetailsScreen::showSaveProfilePanel);

    auto* oldFrame = new QGroupBox(panel);
    oldFrame->setGeometry(twipsRect(120, 4320, 2055, 1575));
    formLabel(QStringLiteral("To see a previously saved reading. Click \"View Old Reading\" "),
              twipsRect(120, 240, 1815, 720), oldFrame);
    m_cmdOldProfile = formButton(QStringLiteral("cmdOldProfile"), QStringLiteral("View Old Reading"),
                                 twipsRect(120, 1080, 1815, 375), oldFrame);
    connect(m_cmdOldProfile, &QPushButton::clicked, this, &DetailsScreen::showOldReadingPanel);

    auto* fields = new QGroupBox(panel);
    fields->setGeometry(twipsRect(2280, 120, 5175, 5775));
    formLabel(QStringLiteral("Entering the details below is not mandatory. We recommend that you do so. This will "
                             "help you in saving the details for viewing at a later date."),
              twipsRect(120, 120, 4935, 855), fields);
    formLabel(QStringLiteral("Pre-Fill Info From Profile "), twipsRect(120, 1200, 2175, 255), fields);
    m_cboProfiles = dropDownList(QStringLiteral("cboProfiles1"), twipsRect(2400, 1170, 2655, 315), fields);

    QLabel* name = formLabel(QStringLiteral("Name"), twipsRect(120, 1560, 630, 240), fields);
    name->setObjectName(QStringLiteral("lblName"));
    m_txtName = new QLineEdit(fields);
    m_txtName->setObjectName(QStringLiteral("txtName"));
    m_txtName->setGeometry(twipsRect(120, 1800, 4935, 375));
    m_txtName->installEventFilter(this);

    QLabel* age = formLabel(QStringLiteral("Date of Birth"), twipsRect(120, 2400, 1365, 240), fields);
    age->setObjectName(QStringLiteral("lblAge"));
    m_cmbDate = dropDownList(QStringLiteral("cmbDate"), twipsRect(120, 2647, 1335, 360), fields);
    m_cmbMonth = dropDownList(QStringLiteral("cmbMonth"), twipsRect(1560, 2640, 2055, 360), fields);
    m_cmbYear = dropDownList(QStringLiteral("cmbYear"), twipsRect(3720, 2640, 1335, 360), fields);
    fillDateLists(context().clock.locale(), *m_cmbDate, *m_cmbMonth, *m_cmbYear);
    connect(m_cboProfiles, &QComboBox::activated, this, &DetailsScreen::prefillFromChosenProfile);

    QLabel* question = formLabel(QStringLiteral("Question"), twipsRect(120, 3240, 975, 240), fields);
    question->setObjectName(QStringLiteral("lblQuestion"));
    m_txtQuestion = new QPlainTextEdit(fields);
    m_txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    m_txtQuestion->setGeometry(twipsRect(120, 3480, 4935, 1455));
    m_txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtQuestion->setTabChangesFocus(true);

    auto* reset
        = formButton(QStringLiteral("cmdReset"), QStringLiteral("&Reset"), twipsRect(120, 5280, 1215, 375), fields);
    connect(reset, &QPushButton::clicked, this, &DetailsScreen::onCmdResetClicked);
    auto* reading = formButton(QStringLiteral("cmdReading"), QStringLiteral("Do A Reading"),
                               twipsRect(3240, 5280, 1815, 375), fields);
    connect(reading, &QPushButton::clicked, this, &DetailsScreen::doReading);
    // The journal, in the free space between the row's two commands, as wide as Reset and as far from either.
    auto* journal
        = formButton(QStringLiteral("cmdJournal"), QStringLiteral("Journal"), twipsRect(1680, 5280, 1215, 375), fields);
    journal->setToolTip(QStringLiteral("Every saved reading in one place: search, notes, statistics (Ctrl+J)"));
    connect(journal, &QPushButton::clicked, this, [this] { m_host.showJournal(); });
    // The focus passes the row's commands in the order they stand.
    setTabOrder(reset, journal);
    setTabOrder(journal, reading);
    return panel;
}

// The side panels are built when first asked for, so the screen comes up as quickly as the details panel alone.
void DetailsScreen::showSaveProfilePanel()
{
    if (!m_saveProfilePanel) {
        m_saveProfilePanel = new SaveProfilePanel(context());
        connect(m_saveProfilePanel, &SaveProfilePanel::profileCreated, this, &DetailsScreen::refillProfiles);
        connect(m_saveProfilePanel, &SaveProfilePanel::backToMainRequested, this, &DetailsScreen::showMainPanel);
        m_panels->addWidget(m_saveProfilePanel);
    }
    bringToFront(m_saveProfilePanel);
    m_saveProfilePanel->focusProfileName();
}

void DetailsScreen::showOldReadingPanel()
{
    if (!m_oldReadingPanel) {
        m_oldReadingPanel = new OldReadingPanel(context(), m_host);
        connect(m_oldReadingPanel, &OldReadingPanel::backToMainRequested, this, &DetailsScreen::showMainPanel);
        // Opening an old reading unloads this screen.
        connect(m_oldReadingPanel, &OldReadingPanel::readingOpened, this, [this] { closeForm(this); });
        m_panels->addWidget(m_oldReadingPanel);
    }
    m_oldReadingPanel->fillProfiles();
    bringToFront(m_oldReadingPanel);
}

void DetailsScreen::showMainPanel()
{
    bringToFront(m_mainPanel);
}

QWidget* DetailsScreen::panelInFront() const
{
    return m_panels->currentWidget();
}

void DetailsScreen::bringToFront(QWidget* panel)
{
    m_panels->setCurrentWidget(panel);
}

void DetailsScreen::selectDateDefaults()
{
    m_cmbDate->setCurrentIndex(0);
    m_cmbMonth->setCurrentIndex(0);
    m_cmbYear->setCurrentIndex(kDefaultYearIndex);
}

void DetailsScreen::refillProfiles()
{
    m_cboProfiles->clear();
    // A store that cannot be read leaves the list empty.
    const StorageValue<QStringList> profiles = ProfileStore(context().folder).list();
    if (profiles.ok())
        m_cboProfiles->addItems(*profiles);
    // A drop-down list starts with no profile chosen.
    m_cboProfiles->setCurrentIndex(-1);
}

void DetailsScreen::prefillFromChosenProfile()
{
    const QString profile = m_cboProfiles->currentText();
    if (!profile.isEmpty())
        prefillFromProfile(context().folder, profile, *m_txtName, *m_cmbDate, *m_cmbMonth, *m_cmbYear);
}

void DetailsScreen::focusName()
{
    m_txtName->setFocus();
}

void DetailsScreen::onCmdResetClicked()
{
    m_txtName->clear();
    m_txtQuestion->clear();
    selectDateDefaults();
    m_txtName->setFocus();
}

void DetailsScreen::doReading()
{
    CurrentReading& reading = context().reading;
    reading.querentName = m_txtName->text();
    // The question keeps its line breaks, written with the program's own line end.
    reading.question = m_txtQuestion->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    reading.birthDate = m_cmbMonth->currentText() + QLatin1Char(' ') + m_cmbDate->currentText() + QStringLiteral(", ")
        + m_cmbYear->currentText();
    m_host.showSpreadScreen();
    closeForm(this);
}

void DetailsScreen::refuseNameKey()
{
    // Intended: this refusal has always carried its own title, unlike the program's other messages.
    context().notifier.show(this, Notifier::Icon::Information, QStringLiteral("Fernhollow"),
                            QStringLiteral("Name cannot contain Numbers and Special Characters"));
    m_txtName->setFocus();
}

bool DetailsScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_txtName && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<int> code = typedCode(*key);
        if (code && !nameCodeAllowed(*code)) {
            refuseNameKey();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quillmere
