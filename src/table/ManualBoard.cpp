#include "table/ManualBoard.h"

#include "content/Deck.h"
#include "content/Twips.h"
#include "engine/Cast.h"
#include "engine/ReadingComposer.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/FormLook.h"
#include "table/HiddenCommand.h"
#include "table/TempRecord.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace quillmere {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                  const QColor& background, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFont(font);
    setFormColours(label, background, programColours::kFormText);
    return label;
}

// A face-down card's box: 350 x 600 twips.
QSize faceDownSize()
{
    return twipsSize(350, 600);
}

} // namespace

FaceDownCard::FaceDownCard(int index, const QImage& back, QWidget* parent)
    : QAbstractButton(parent)
    , m_index(index)
    , m_back(QPixmap::fromImage(back))
{
    setObjectName(QStringLiteral("p_%1").arg(index));
    setAccessibleName(QStringLiteral("Face-down card %1").arg(index + 1));
    setFocusPolicy(Qt::ClickFocus);
}

void FaceDownCard::setBack(const QImage& back)
{
    m_back = QPixmap::fromImage(back);
    update();
}

QSize FaceDownCard::sizeHint() const
{
    return faceDownSize();
}

void FaceDownCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The second card is borderless and flat; the others have a raised border. Intended: the board has always
    // looked this way, and a reader's eye finds the second card by it.
    const bool flat = m_index == 1;
    const QRect face = flat ? rect() : rect().adjusted(2, 2, -2, -2);
    painter.drawPixmap(face, m_back);
    if (!flat)
        qDrawShadePanel(&painter, rect(), palette(), isDown(), 2);
    if (hasFocus()) {
        painter.setPen(QPen(programColours::kFaceDownFocus, 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void FaceDownCard::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        animateClick();
        return;
    case Qt::Key_Left:
        Q_EMIT moveRequested(m_index, -1, 0);
        return;
    case Qt::Key_Right:
        Q_EMIT moveRequested(m_index, 1, 0);
        return;
    case Qt::Key_Up:
        Q_EMIT moveRequested(m_index, 0, -1);
        return;
    case Qt::Key_Down:
        Q_EMIT moveRequested(m_index, 0, 1);
        return;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

ManualBoard::ManualBoard(AppContext& context, ReadingHost& host, QWidget* parent)
    : QWidget(parent)
    , m_context(context)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    setFixedSize(twipsSize(kFormWidthTwips, kFormHeightTwips));
    setFont(verdanaFont(8.25));
    setFormColours(this, programColours::kFormGrey, programColours::kFormText);

    CurrentReading& reading = context.reading;
    reading.mode = CastMode::Manual;
    m_spread = reading.spread;
    const Spread* spread = m_spread;
    m_cardCount = std::clamp(reading.cardCount(), 1, int(kMaxCardsInSpread));
    // The screen never ticks both arcana; should a reading carry both, the major arcana win.
    const CastOptions& chosen = reading.options;
    m_options = CastOptions{chosen.minorOnly && !chosen.majorOnly, chosen.majorOnly, chosen.reversalsAllowed};

    makeLabel(this, QStringLiteral("Label4"), QStringLiteral("Please select cards one by one to do a manual reading"),
              twipsRect(142, 240, 2415, 1335), programColours::kInstructionStrip, verdanaFont(10, true))
        ->setContentsMargins(kPanelTextMargins);

    auto* spreadPicture = new QLabel(this);
    spreadPicture->setObjectName(QStringLiteral("picManual"));
    spreadPicture->setGeometry(twipsRect(90, 1680, 2415, 4095));
    spreadPicture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (spread) {
        const QImage picture(context.folder.programPath(spread->picturePath()));
        if (!picture.isNull())
            spreadPicture->setPixmap(QPixmap::fromImage(
                picture.width() > spreadPicture->width() || picture.height() > spreadPicture->height()
                    ? picture.scaled(spreadPicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                    : picture));
    }

    // A text longer than the panel scrolls inside it.
    auto* panelArea = new QScrollArea(this);
    panelArea->setObjectName(QStringLiteral("txtDispArea"));
    panelArea->setGeometry(twipsRect(2662, 240, 4740, 1550));
    panelArea->setFrameShape(QFrame::NoFrame);
    panelArea->setWidgetResizable(true);
    panelArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panelArea->setFocusPolicy(Qt::NoFocus);
    setFormColours(panelArea->viewport(), programColours::kPanelNavy, programColours::kFormText);
    m_panel = makeLabel(nullptr, QStringLiteral("txtDisp"), QString(), QRect(), programColours::kPanelNavy,
                        verdanaFont(9, true));
    panelArea->setWidget(m_panel);
    // After setWidget, which gives the widget the scroll area's own (empty) margins.
    m_panel->setContentsMargins(kPanelTextMargins);

    auto* pictures = new QFrame(this);
    pictures->setObjectName(QStringLiteral("fraPictures"));
    pictures->setGeometry(twipsRect(2520, 1740, 5055, 4035));
    pictures->setFrameShape(QFrame::Box);
    setFormColours(pictures, programColours::kFormGrey, programColours::kFormText);

    const QImage cardBack = deckBackPicture(chosenDeck(context), faceDownSize(), devicePixelRatioF());
    for (int i = 0; i < kFaceDownCount; ++i) {
        auto* card = new FaceDownCard(i, cardBack, pictures);
        card->setGeometry(twipsToPixels(90 + 375 * (i % kColumns)), twipsToPixels(180 + 630 * (i / kColumns)),
                          twipsToPixels(350), twipsToPixels(600));
        connect(card, &QAbstractButton::clicked, this, [this, i] { pick(i); });
        connect(card, &FaceDownCard::moveRequested, this, &ManualBoard::moveFocus);
        m_cards.append(card);
    }

    // The wait panel covers the board while the cards are drawn.
    m_waitPanel = makeWaitPanel(this,
                                {twipsRect(1125, 2513, 5295, 975), twipsRect(60, 60, 5175, 840),
                                 twipsRect(90, 360, 5115, 555), 10, QMargins()});

    // Below the visible area: reached only with the Tab key, and shown over the foot of the spread picture while
    // focused.
    auto* back = new QPushButton(QStringLiteral("Back"), this);
    back->setObjectName(QStringLiteral("cmdBack"));
    back->setGeometry(twipsRect(6497, 7785, 975, 375));
    showWhileFocused(back, twipsRect(1327, 5340, 975, 375));
    connect(back, &QPushButton::clicked, this, [this] {
        Q_EMIT backRequested();
        closeBoard();
    });
    auto* exit = new QPushButton(QStringLiteral("Exit"), this);
    exit->setObjectName(QStringLiteral("cmdCancel"));
    exit->setGeometry(twipsRect(5350, 7785, 1095, 375));
    showWhileFocused(exit, twipsRect(142, 5340, 1095, 375));
    connect(exit, &QPushButton::clicked, this, [this] {
        Q_EMIT exitRequested();
        // Closing the main window ends the program.
        if (QMdiArea* workspace = m_host.workspace())
            workspace->window()->close();
    });

    showCardInfo(QStringLiteral("0"));

    // Only as many face-down cards as the permitted part of the deck holds lie on the board.
    const std::optional<DrawPool> pool = drawPool(m_options.minorOnly, m_options.majorOnly);
    const int permitted = pool ? pool->size : kFaceDownCount;
    for (int i = permitted; i < kFaceDownCount; ++i) {
        m_cards[i]->hide();
        m_cards[i]->setEnabled(false);
    }
    // One card at a time takes part in the Tab order; the arrow keys move among the others.
    m_cards[0]->setFocusPolicy(Qt::StrongFocus);
    setTabOrder(m_cards[0], back);
    setTabOrder(back, exit);
}

FaceDownCard* ManualBoard::faceDownCard(int index) const
{
    return index >= 0 && index < kFaceDownCount ? m_cards[index] : nullptr;
}

void ManualBoard::showCardInfo(const QString& position)
{
    bool isNumber = false;
    const int p = position.toInt(&isNumber);
    if (!m_spread || !isNumber)
        return;
    if (const std::optional<QString> text = m_spread->panelText(p))
        setPanelText(*text);
}

void ManualBoard::setPanelText(const QString& text)
{
    m_panelText = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_panel->setText(shown);
    m_panel->setAccessibleName(shown);
}

void ManualBoard::moveFocus(int from, int columns, int rows)
{
    const int step = rows != 0 ? rows * kColumns : columns;
    for (int i = from + step; i >= 0 && i < kFaceDownCount; i += step) {
        FaceDownCard* card = m_cards[i];
        if (card->isHidden() || !card->isEnabled())
            continue;
        for (FaceDownCard* other : std::as_const(m_cards))
            other->setFocusPolicy(Qt::ClickFocus);
        card->setFocusPolicy(Qt::StrongFocus);
        card->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void ManualBoard::pick(int index)
{
    FaceDownCard* card = faceDownCard(index);
    // From the last pick on the board takes no more picks, so the reading is completed once.
    if (m_completing || !card || card->isHidden() || !card->isEnabled())
        return;
    const bool hadFocus = card->hasFocus() || card->focusPolicy() == Qt::StrongFocus;
    card->hide();
    card->setEnabled(false);
    if (hadFocus) {
        moveFocus(index, 1, 0);
        if (card->focusPolicy() == Qt::StrongFocus)
            moveFocus(index, -1, 0);
    }
    if (m_picksMade < m_cardCount - 1) {
        ++m_picksMade;
        showCardInfo(QString::number(m_picksMade));
        return;
    }
    ++m_picksMade;
    m_completing = true;
    for (FaceDownCard* other : std::as_const(m_cards))
        other->setEnabled(false);
    complete();
}

void ManualBoard::complete()
{
    m_waitPanel->show();
    m_waitPanel->raise();
    repaint();
    m_context.pause.wait(kCastPauseMilliseconds);

    CurrentReading& reading = m_context.reading;
    // The cards belong to this reading alone: nothing of an earlier cast is carried into it.
    reading.cards.clear();
    if (m_spread)
        m_cast = Cast::begin(*m_spread, m_options);
    for (int k = 0; m_cast && k < m_cardCount; ++k)
        drawAndPlace(k);

    m_host.enterFreshReadingState();
    StyledTextWriter out(m_text);
    writeCardInterpretations(out, reading);
    m_host.setReadingText(m_text);
    closeBoard();
}

void ManualBoard::openCardTable()
{
    m_table = new CardTable(chosenDeck(m_context));
    m_table->setObjectName(QStringLiteral("frmAuto"));
    // Opening the table for a manual reading writes the header and only clears its pictures.
    m_text.clear();
    StyledTextWriter out(m_text);
    keepReadingMoment(m_context);
    writeReadingHeader(out, m_context.reading, m_context.clock);
    m_host.setReadingText(m_text);
    m_table->clearPictures();
    if (QMdiArea* workspace = m_host.workspace())
        showCardTable(workspace, m_table);
    // The board stays in front while the cards are laid, so its panel can be read.
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        window->raise();
}

void ManualBoard::drawAndPlace(int position)
{
    CurrentReading& reading = m_context.reading;
    // The reading takes the card once its lie is decided, so it only ever holds whole positions.
    const int card = m_cast->drawNext(m_context.random, repaintPendingWindows);

    if (!m_table)
        openCardTable();

    // The crossing card is never reversed; it is turned a quarter instead.
    const bool reversed = m_cast->decideReversal(position, m_context.random);
    m_table->loadCard(position, card, reversed);
    m_cast->writeCards(reading);

    // The spread's placement: the card goes to its place, the panel names the next position while the cards are
    // laid, the temporary record holds the cards placed so far and the table grows to them.
    if (position + 1 < m_cardCount) {
        const SpreadPosition* next = m_spread->position(position + 1);
        if (next && !next->layingText.isEmpty())
            setPanelText(next->layingText);
        else
            showCardInfo(QString::number(position + 1));
    }
    m_table->placeBox(m_spread, position);
    rewriteTempRecord(m_context);
    m_table->sizeToCards(m_spread, m_cardCount);

    m_host.enterFreshReadingState();
}

void ManualBoard::showBacksOf(const DeckFolder& deck)
{
    const QImage back = deckBackPicture(deck, faceDownSize(), devicePixelRatioF());
    for (FaceDownCard* card : m_cards)
        card->setBack(back);
}

void ManualBoard::closeBoard()
{
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        window->close();
    else
        close();
}

ManualBoard* openManualBoard(AppContext& context, ReadingHost& host)
{
    QMdiArea* workspace = host.workspace();
    auto* board = new ManualBoard(context, host);
    QMdiSubWindow* window
        = workspace->addSubWindow(board, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("frmManualWindow"));
    window->setWindowTitle(board->windowTitle());
    window->adjustSize();
    const QSize free = workspace->viewport()->size() - window->size();
    window->move(std::max(0, free.width() / 2), std::max(0, free.height() / 3));
    window->show();
    board->faceDownCard(0)->setFocus(Qt::OtherFocusReason);
    return board;
}

} // namespace quillmere
