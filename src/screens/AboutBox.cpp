#include "screens/AboutBox.h"

#include "screens/FormSupport.h"
#include "screens/PanelSupport.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace quillmere {

namespace {

QLabel* aboutLabel(const QString& objectName, const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = placeControl(new QLabel(text, parent), objectName, geometry);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, programColours::kFormText);
    label->setPalette(palette);
    return label;
}

void addRule(int top, QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(twipsRect(240, top, 6975, 30));
}

} // namespace

AboutBox::AboutBox(const WebLinks& links, UrlOpener& urlOpener, QWidget* rightPanel, QWidget* parent)
    : QDialog(parent)
    , m_links(links)
    , m_urlOpener(urlOpener)
    , m_rightPanel(rightPanel)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Rivod Erarova v1.0"));
    setModal(true);
    setWindowFlags(kDialogWindowFlags);
    setFixedSize(twipsSize(kFormWidthTwips, kFormHeightTwips));
    setFormColours(this, programColours::kFormGrey, programColours::kFormText);
    setFont(verdanaFont(8.25));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setGeometry(twipsRect(240, 360, 480, 480));
    const QPixmap picture(QStringLiteral(":/pictures/icon.png"));
    if (!picture.isNull())
        icon->setPixmap(picture.scaled(icon->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));

    QLabel* title
        = aboutLabel(QStringLiteral("Label1"), QStringLiteral("Quillmere v1.0"), twipsRect(840, 600, 1830, 240), this);
    title->setFont(verdanaFont(8.25, true));
    QPalette gold = title->palette();
    gold.setColor(QPalette::WindowText, programColours::kTitleGold);
    title->setPalette(gold);

    QLabel* text = aboutLabel(
        QStringLiteral("Label2"),
        QStringLiteral(
            "Quillmere is a completely automated tarot reading software that gives you multiple Tarot readings as "
            "and when you please. This unique program can be used for your personal purpose as well as doing "
            "readings for your clients. Quillmere uses the most widely used Rider Waite Deck as its default deck. "
            "Quillmere accurately predicts solutions to problems and queries."),
        twipsRect(240, 960, 7035, 1695), this);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addRule(2730, this);

    QLabel* address
        = aboutLabel(QStringLiteral("Label3"), links.homeAddressText(), twipsRect(240, 2880, 2850, 240), this);
    address->setCursor(Qt::PointingHandCursor);
    address->installEventFilter(this);
    m_address = address;

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setGeometry(twipsRect(5955, 2880, 1260, 345));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    addRule(3345, this);

    if (m_rightPanel)
        m_rightPanel->setEnabled(false);
    placeDialogOnScreen(this, parent);
}

// The right panel comes back however the box closes: OK, Escape or the close box.
void AboutBox::done(int result)
{
    if (m_rightPanel)
        m_rightPanel->setEnabled(true);
    QDialog::done(result);
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_address && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        m_urlOpener.open(m_links.homePage());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillmere
