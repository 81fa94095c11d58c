#include "screens/DeckEntry.h"

#include "content/Deck.h"
#include "screens/FormSupport.h"
#include "screens/PanelSupport.h"
#include "table/AutomaticCast.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>

namespace quillmere {

namespace {

QLabel* screenLabel(const QString& objectName, const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = placeControl(new QLabel(text, parent), objectName, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* screenButton(const QString& objectName, const QString& text, const QRect& geometry, QWidget* parent)
{
    return placeControl(new QPushButton(text, parent), objectName, geometry);
}

// The card whose name is the text, letter case aside.
std::optional<int> cardNamed(const QString& text)
{
    for (int card = 0; card < kDeckSize; ++card) {
        if (Deck::instance().name(card).compare(text, Qt::CaseInsensitive) == 0)
            return card;
    }
    return std::nullopt;
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

} // namespace

DeckEntry::DeckEntry(AppContext& context, ReadingHost& host, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmDeckEntry"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    setFixedSize(twipsSize(kFormWidthTwips, kFormHeightTwips));
    setFont(verdanaFont(8.25));
    setFormColours(this, programColours::kFormGrey, programColours::kFormText);

    const CurrentReading& reading = context.reading;
    m_spread = reading.spread;
    m_cast = Cast::forReading(reading);

    auto* strip = new QWidget(this);
    strip->setGeometry(twipsRect(165, 120, 7215, 615));
    setFormColours(strip, programColours::kInstructionStrip, programColours::kFormText);
    screenLabel(QStringLiteral("Label1"),
                QStringLiteral("Enter the cards you turned over from your own deck, one by one in the order of the "
                               "spread's positions."),
                twipsRect(120, 90, 6975, 480), strip);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("pctSpread"));
    picture->setGeometry(twipsRect(165, 855, 2175, 2895));
    picture->setAlignment(Qt::AlignCenter);
    if (m_spread) {
        const QPixmap spreadPicture(context.folder.programPath(m_spread->picturePath()));
        if (!spreadPicture.isNull())
            picture->setPixmap(spreadPicture.scaled(picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    m_laid = new QListWidget(this);
    m_laid->setObjectName(QStringLiteral("lstLaid"));
    m_laid->setAccessibleName(QStringLiteral("Cards laid"));
    m_laid->setGeometry(twipsRect(165, 3855, 2175, 1920));
    m_laid->setFocusPolicy(Qt::NoFocus);
    m_laid->setSelectionMode(QAbstractItemView::NoSelection);

    m_position = screenLabel(QStringLiteral("lblPosition"), QString(), twipsRect(2520, 855, 4860, 1095), this);
    setFormColours(m_position, programColours::kPanelNavy, programColours::kFormText);
    m_position->setContentsMargins(kPanelTextMargins);

    auto* prompt
        = screenLabel(QStringLiteral("Label2"), QStringLiteral("&Card:"), twipsRect(2520, 2085, 600, 255), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("txtCard"));
    m_text->setAccessibleName(QStringLiteral("Card turned over"));
    m_text->setPlaceholderText(QStringLiteral("Type the card's name"));
    m_text->setGeometry(twipsRect(3165, 2040, 4215, 330));
    prompt->setBuddy(m_text);
    m_text->installEventFilter(this);

    m_cards = new QListWidget(this);
    m_cards->setObjectName(QStringLiteral("lstCards"));
    m_cards->setAccessibleName(QStringLiteral("Cards to choose from"));
    m_cards->setGeometry(twipsRect(2520, 2445, 4860, 1815));

    // Alt+R turns the card without taking the focus from the card field.
    m_reversed = new QCheckBox(QStringLiteral("Reversed (Alt+R)"), this);
    m_reversed->setObjectName(QStringLiteral("chkReversed"));
    m_reversed->setGeometry(twipsToPixels(2520), twipsToPixels(4365), twipsToPixels(4860),
                            m_reversed->sizeHint().height());
    m_reversed->setVisible(m_cast && m_cast->options().reversalsAllowed);
    m_reversed->installEventFilter(this);
    auto* turn = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), this);
    turn->setContext(Qt::WidgetWithChildrenShortcut);
    connect(turn, &QShortcut::activated, this, [this] {
        if (m_reversed->isVisible() && m_reversed->isEnabled())
            m_reversed->toggle();
    });

    m_message = screenLabel(QStringLiteral("lblMessage"), QString(), twipsRect(2520, 4710, 4860, 615), this);
    setFormColours(m_message, programColours::kFormGrey, programColours::kTitleGold);

    auto* main = screenButton(QStringLiteral("cmdMain"), QStringLiteral("Back to &Main"),
                              twipsRect(2520, 5400, 1530, 375), this);
    m_undo = screenButton(QStringLiteral("cmdUndo"), QStringLiteral("&Back"), twipsRect(4185, 5400, 1530, 375), this);
    m_place = screenButton(QStringLiteral("cmdPlace"), QStringLiteral("&Place Card"), twipsRect(5850, 5400, 1530, 375),
                           this);

    connect(m_text, &QLineEdit::textChanged, this, &DeckEntry::filterCards);
    connect(m_text, &QLineEdit::returnPressed, this, &DeckEntry::placeCard);
    connect(m_cards, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        // The exact name names the card, whatever the filter shows next.
        m_text->setText(item->text());
        placeCard();
        m_text->setFocus(Qt::OtherFocusReason);
    });
    connect(m_place, &QPushButton::clicked, this, [this] {
        placeCard();
        m_text->setFocus(Qt::OtherFocusReason);
    });
    connect(m_undo, &QPushButton::clicked, this, [this] {
        takeBack();
        m_text->setFocus(Qt::OtherFocusReason);
    });
    connect(main, &QPushButton::clicked, this, [this] {
        Q_EMIT backRequested();
        closeScreen();
    });

    setTabOrder(m_text, m_cards);
    setTabOrder(m_cards, m_reversed);
    setTabOrder(m_reversed, m_place);
    setTabOrder(m_place, m_undo);
    setTabOrder(m_undo, main);

    showPosition();
    filterCards();
}

bool DeckEntry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_reversed && event->type() == QEvent::KeyPress) {
        // Enter lays the card from the Reversed box as it does from the card field.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            placeCard();
            m_text->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    if (watched == m_text && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && m_cards->count() > 0) {
            const int step = key == Qt::Key_Down ? 1 : -1;
            m_cards->setCurrentRow(std::clamp(m_cards->currentRow() + step, 0, m_cards->count() - 1));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DeckEntry::showPosition()
{
    if (!m_cast) {
        m_position->setText(QStringLiteral("No card of the deck can be laid with these options."));
        m_text->setEnabled(false);
        m_place->setEnabled(false);
        m_undo->setEnabled(false);
        return;
    }
    const int next = m_cast->nextPosition();
    const SpreadPosition* position = m_spread ? m_spread->position(next) : nullptr;
    QString text = QStringLiteral("Position %1 of %2").arg(next + 1).arg(m_cast->cardCount());
    if (position)
        text += QStringLiteral("\n%1\n%2").arg(position->title, position->meaning);
    m_position->setText(text);
    m_position->setAccessibleName(text);

    const bool mayReverse = m_cast->mayReverse(next);
    m_reversed->setEnabled(mayReverse);
    m_reversed->setToolTip(mayReverse || !m_cast->options().reversalsAllowed
                               ? QString()
                               : QStringLiteral("The crossing card is never reversed."));
    if (!mayReverse)
        m_reversed->setChecked(false);
    m_undo->setEnabled(m_cast->placedCount() > 0);
}

void DeckEntry::filterCards()
{
    m_cards->clear();
    if (!m_cast)
        return;
    const QString typed = m_text->text().trimmed();
    QList<int> matches;
    for (int card = 0; card < kDeckSize; ++card) {
        if (m_cast->isAvailable(card) && Deck::instance().name(card).contains(typed, Qt::CaseInsensitive))
            matches.append(card);
    }
    // Names that begin with the text come first, each group in alphabetical order.
    const auto key = [&typed](int card) {
        const QString& name = Deck::instance().name(card);
        return std::make_pair(!name.startsWith(typed, Qt::CaseInsensitive), name);
    };
    std::sort(matches.begin(), matches.end(), [&key](int a, int b) { return key(a) < key(b); });
    for (int card : std::as_const(matches)) {
        auto* item = new QListWidgetItem(Deck::instance().name(card), m_cards);
        item->setData(Qt::UserRole, card);
    }
    if (m_cards->count() > 0)
        m_cards->setCurrentRow(0);
}

void DeckEntry::showMessage(const QString& text)
{
    m_message->setText(text);
    m_message->setAccessibleName(text);
}

bool DeckEntry::placeCard()
{
    if (!m_cast || m_cast->isComplete())
        return false;
    const QString typed = m_text->text().trimmed();
    std::optional<int> card = typed.isEmpty() ? std::nullopt : cardNamed(typed);
    if (!card) {
        if (const QListWidgetItem* item = m_cards->currentItem())
            card = item->data(Qt::UserRole).toInt();
    }
    if (!card) {
        showMessage(typed.isEmpty() ? QStringLiteral("Type the name of the card you turned over.")
                                    : QStringLiteral("No card that can be laid here is called \"%1\".").arg(typed));
        return false;
    }
    const bool reversed = m_reversed->isVisible() && m_reversed->isEnabled() && m_reversed->isChecked();
    if (const std::optional<CastRefusal> refused = m_cast->place(*card, reversed)) {
        showMessage(capitalised(m_cast->refusalText(*refused, *card)) + QLatin1Char('.'));
        return false;
    }
    const int position = m_cast->placedCount() - 1;
    const SpreadPosition* spreadPosition = m_spread ? m_spread->position(position) : nullptr;
    QString laid = QStringLiteral("%1. %2").arg(position + 1).arg(Deck::instance().name(*card));
    if (reversed)
        laid += QStringLiteral(" (reversed)");
    auto* item = new QListWidgetItem(laid, m_laid);
    if (spreadPosition)
        item->setToolTip(spreadPosition->title);
    m_laid->scrollToBottom();
    showMessage(QString());
    m_reversed->setChecked(false);
    if (m_cast->isComplete()) {
        finish();
        return true;
    }
    // Clearing the text shows the remaining cards again.
    m_text->clear();
    filterCards();
    showPosition();
    return true;
}

void DeckEntry::takeBack()
{
    if (!m_cast || m_cast->placedCount() == 0)
        return;
    m_cast->takeBackLast();
    delete m_laid->takeItem(m_laid->count() - 1);
    showMessage(QString());
    filterCards();
    showPosition();
}

void DeckEntry::finish()
{
    const Cast cast = *m_cast;
    // The table comes up with the reading; this screen has done its part.
    openEnteredCast(m_context, m_host, cast);
    closeScreen();
}

void DeckEntry::closeScreen()
{
    closeForm(this);
}

DeckEntry* openDeckEntry(AppContext& context, ReadingHost& host)
{
    auto* entry = new DeckEntry(context, host);
    QMdiSubWindow* window = openFormInWorkspace(host.workspace(), entry);
    placeFormInWorkspace(window);
    window->show();
    entry->findChild<QLineEdit*>(QStringLiteral("txtCard"))->setFocus(Qt::OtherFocusReason);
    return entry;
}

} // namespace quillmere
