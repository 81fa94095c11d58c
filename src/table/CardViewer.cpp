#include "table/CardViewer.h"

#include "content/Deck.h"
#include "table/CardPicture.h"
#include "table/DialogFlags.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace quillmere {

namespace {

// The viewer's picture: twice the card size, smaller only where the screen is too low for it.
QSize viewerPictureSize(const QScreen* screen)
{
    const QSize large = kCardPictureSize * 2;
    if (!screen)
        return large;
    // Room for the title bar and the row of buttons below the picture.
    constexpr int kRoomAround = 140;
    const int height
        = std::clamp(screen->availableGeometry().height() - kRoomAround, kCardPictureSize.height(), large.height());
    return kCardPictureSize.scaled(QSize(large.width(), height), Qt::KeepAspectRatio);
}

QString meaningHtml(const QString& heading, const QString& text)
{
    return QStringLiteral("<h3>%1</h3><p>%2</p>").arg(heading.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

QString cardLieText(CardLie lie)
{
    switch (lie) {
    case CardLie::Reversed:
        return QStringLiteral("Reversed");
    case CardLie::Across:
        return QStringLiteral("Lying across");
    case CardLie::Upright:
        break;
    }
    return QStringLiteral("Upright");
}

CardViewer::CardViewer(DeckFolder deck, QList<ViewedCard> cards, int current, Meanings meanings, QWidget* parent)
    : QDialog(parent)
    , m_deck(std::move(deck))
    , m_cards(std::move(cards))
    , m_current(std::clamp(current, 0, std::max(0, static_cast<int>(m_cards.size()) - 1)))
    , m_meanings(meanings)
{
    setObjectName(QStringLiteral("frmCardViewer"));
    setWindowFlags(kDialogWindowFlags);
    if (m_cards.isEmpty())
        m_cards.append(ViewedCard());

    m_pictureSize = viewerPictureSize(parent ? parent->screen() : QGuiApplication::primaryScreen());
    m_pictureLabel = new QLabel(this);
    m_pictureLabel->setObjectName(QStringLiteral("picCard"));
    m_pictureLabel->setAlignment(Qt::AlignCenter);
    // Square, so the card lying across fits as well as an upright one and the window keeps its size while stepping.
    const int side = std::max(m_pictureSize.width(), m_pictureSize.height());
    m_pictureLabel->setFixedSize(side, side);

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("lblName"));
    QFont nameFont = m_name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    m_name->setFont(nameFont);
    m_name->setWordWrap(true);
    m_place = new QLabel(this);
    m_place->setObjectName(QStringLiteral("lblPosition"));
    m_place->setWordWrap(true);
    m_orientation = new QLabel(this);
    m_orientation->setObjectName(QStringLiteral("lblOrientation"));
    m_orientation->setVisible(m_meanings == Meanings::AsRead);
    m_meaning = new QTextBrowser(this);
    m_meaning->setObjectName(QStringLiteral("txtMeaning"));
    m_meaning->setAccessibleName(QStringLiteral("Meaning"));
    m_meaning->setTabChangesFocus(true);
    m_meaning->setOpenLinks(false);

    m_previous = new QPushButton(QStringLiteral("&Previous"), this);
    m_previous->setObjectName(QStringLiteral("cmdPrevious"));
    m_next = new QPushButton(QStringLiteral("&Next"), this);
    m_next->setObjectName(QStringLiteral("cmdNext"));
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    // Enter on a button presses that button, never a default one elsewhere in the window.
    for (QPushButton* button : {m_previous, m_next, close})
        button->setAutoDefault(false);
    connect(m_previous, &QPushButton::clicked, this, &CardViewer::showPrevious);
    connect(m_next, &QPushButton::clicked, this, &CardViewer::showNext);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    // The arrow keys and the page keys step as well, whichever control has the focus.
    for (const auto& [key, step] : {std::pair{Qt::Key_Left, -1}, std::pair{Qt::Key_PageUp, -1},
                                    std::pair{Qt::Key_Right, 1}, std::pair{Qt::Key_PageDown, 1}}) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { showCard(m_current + step); });
    }

    auto* text = new QVBoxLayout;
    text->addWidget(m_name);
    text->addWidget(m_place);
    text->addWidget(m_orientation);
    text->addWidget(m_meaning, 1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_pictureLabel, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_previous);
    buttons->addWidget(m_next);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    m_meaning->setMinimumWidth(m_pictureSize.width() + m_pictureSize.width() / 4);

    showCurrent();
    (m_next->isEnabled() ? m_next : close)->setFocus(Qt::OtherFocusReason);
}

void CardViewer::showCard(int index)
{
    if (index < 0 || index >= m_cards.size() || index == m_current)
        return;
    m_current = index;
    showCurrent();
}

void CardViewer::showCurrent()
{
    const ViewedCard& card = currentCard();
    const bool known = Deck::isValidIndex(card.cardIndex);
    const QString name = known ? Deck::instance().name(card.cardIndex) : QString();
    setWindowTitle(known ? QStringLiteral("%1 \u2014 Quillmere").arg(name) : QStringLiteral("Quillmere"));

    const QImage upright
        = known ? loadCardPicture(m_deck, card.cardIndex, devicePixelRatioF(), m_pictureSize) : QImage();
    if (card.lie == CardLie::Across)
        m_picture = rotatePicture90(upright);
    else
        m_picture = card.lie == CardLie::Reversed ? rotatePicture180(upright) : upright;
    if (m_picture.isNull())
        m_pictureLabel->setText(QStringLiteral("No picture of this card in the deck."));
    else
        m_pictureLabel->setPixmap(QPixmap::fromImage(m_picture));
    const QString lie = cardLieText(card.lie);
    m_pictureLabel->setAccessibleName(m_meanings == Meanings::AsRead
                                          ? QStringLiteral("Picture of %1, %2").arg(name, lie.toLower())
                                          : QStringLiteral("Picture of %1").arg(name));

    m_name->setText(name);
    m_place->setText(card.place);
    m_place->setVisible(!card.place.isEmpty());
    m_orientation->setText(card.lie == CardLie::Across ? QStringLiteral("Lying across, read upright") : lie);

    if (!known) {
        m_meaning->clear();
    } else if (m_meanings == Meanings::Both) {
        m_meaning->setHtml(meaningHtml(QStringLiteral("Upright"), Deck::instance().meaning(card.cardIndex, false))
                           + meaningHtml(QStringLiteral("Reversed"), Deck::instance().meaning(card.cardIndex, true)));
    } else {
        m_meaning->setPlainText(Deck::instance().meaning(card.cardIndex, card.lie == CardLie::Reversed));
    }

    m_previous->setEnabled(m_current > 0);
    m_next->setEnabled(m_current + 1 < m_cards.size());
    // A button that was just disabled passes the focus on rather than leaving the keyboard nowhere.
    if (!m_next->isEnabled() && m_next->hasFocus() && m_previous->isEnabled())
        m_previous->setFocus(Qt::OtherFocusReason);
    else if (!m_previous->isEnabled() && m_previous->hasFocus() && m_next->isEnabled())
        m_next->setFocus(Qt::OtherFocusReason);
}

} // namespace quillmere
