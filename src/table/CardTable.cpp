#include "table/CardTable.h"

#include "content/Deck.h"
#include "content/Twips.h"
#include "look/ProgramColours.h"
#include "table/CardPicture.h"

#include <QDynamicPropertyChangeEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

namespace quillmere {

namespace {

// Design places of the ten boxes before a spread moves them: two rows of five.
constexpr int kStartLefts[] = {240, 2280, 4560, 6600, 8640};
constexpr int kStartTopFirstRow = 1320;
constexpr int kStartTopSecondRow = 2160;
constexpr int kLabelWidth = 615;
constexpr int kLabelHeight = 495;
// The number of position 7 stands a little to the right.
constexpr int kSeventhLabelLeft = 120;

TwipsPoint startPlace(int index)
{
    return {kStartLefts[index % 5], index < 5 ? kStartTopFirstRow : kStartTopSecondRow};
}

// Shows the table's contents at their own size; the window around it is sized from this.
class TableScrollArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override
    {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->size() + QSize(frame, frame) : QScrollArea::sizeHint();
    }
};

// The dynamic property of a workspace that says its card tables are fitted to it.
const char* const kFitTablesProperty = "quillmereFitsTables";

// The card's picture upright for a table drawn at scale on a screen of devicePixelRatio. It is read as for a screen
// of both ratios together, so the file at twice the card size is taken wherever the scaled card needs its pixels,
// then brought smoothly to exactly the screen's pixels of the scaled size and marked with the screen's ratio.
QImage scaledCardPicture(const DeckFolder& deck, int cardIndex, qreal devicePixelRatio, double scale)
{
    if (scale == 1)
        return loadCardPicture(deck, cardIndex, devicePixelRatio);
    QImage picture = loadCardPicture(deck, cardIndex, devicePixelRatio * scale);
    if (picture.isNull())
        return picture;
    const qreal ratio = std::max<qreal>(1, devicePixelRatio);
    const QSizeF shown = picture.deviceIndependentSize() * scale;
    const QSize pixels(std::max(1, qRound(shown.width() * ratio)), std::max(1, qRound(shown.height() * ratio)));
    if (picture.size() != pixels)
        picture = picture.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// Keeps a table's window in step with the workspace: it follows the table's size and the workspace's visible part,
// scales the table to fit that part while the workspace fits its tables, and shows the first position of a table
// that scrolls. Lives as long as the window.
class TableWindowFitter : public QObject
{
public:
    TableWindowFitter(QMdiArea* workspace, QMdiSubWindow* window, QScrollArea* area, CardTable* table)
        : QObject(window)
        , m_workspace(workspace)
        , m_window(window)
        , m_area(area)
        , m_table(table)
        , m_viewport(workspace->viewport())
    {
        workspace->installEventFilter(this);
        m_viewport->installEventFilter(this);
        connect(table, &CardTable::tableResized, this, &TableWindowFitter::follow);
    }

    void follow()
    {
        // Scaling the table resizes it, which would ask for the same step again.
        if (m_following)
            return;
        m_following = true;
        fit();
        showFirstPosition();
        m_following = false;
    }

protected:
    // Events still come while the workspace is being destroyed, when it is no longer a scroll area: the watched
    // objects are only compared, never asked anything.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_viewport && event->type() == QEvent::Resize)
            follow();
        else if (watched == m_workspace && event->type() == QEvent::DynamicPropertyChange
                 && static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName() == kFitTablesProperty)
            follow();
        return QObject::eventFilter(watched, event);
    }

private:
    // The window takes the table's size, but never more than the workspace shows; the rest scrolls. A fitted table
    // is first scaled to what the workspace shows, less the window's frame.
    void fit()
    {
        const bool fitted = tablesFitWorkspace(m_workspace);
        const Qt::ScrollBarPolicy policy = fitted ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded;
        m_area->setHorizontalScrollBarPolicy(policy);
        m_area->setVerticalScrollBarPolicy(policy);
        const QSize visible = m_workspace->viewport()->size();
        if (!fitted) {
            m_table->setScale(1);
        } else if (!visible.isEmpty()) {
            const QSize frame = (m_window->sizeHint() - m_area->sizeHint()).expandedTo(QSize(0, 0));
            m_table->setScale(fittedTableScale(m_table->designSize(), visible - frame));
        }
        m_area->updateGeometry();
        QSize wanted = m_window->sizeHint();
        if (visible.width() > 0 && visible.height() > 0) {
            // A scroll bar in one direction takes room from the other, which the window gives back where it can.
            if (!fitted) {
                const int scrollBar = m_area->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_area);
                if (wanted.height() > visible.height())
                    wanted.rwidth() += scrollBar;
                if (wanted.width() > visible.width())
                    wanted.rheight() += scrollBar;
            }
            wanted = wanted.boundedTo(visible);
        }
        m_window->resize(wanted);
    }

    // A table that scrolls shows the first position: the Chakra column, read from the bottom, opens at its foot.
    void showFirstPosition()
    {
        if (CardBox* first = m_table->box(0); first && first->isVisibleTo(m_table))
            m_area->ensureWidgetVisible(first, 0, 0);
    }

    QMdiArea* m_workspace;
    QMdiSubWindow* m_window;
    QScrollArea* m_area;
    CardTable* m_table;
    QWidget* m_viewport;
    bool m_following = false;
};

// A position number: magenta in its own font, drawn with a thin light outline so it reads on any card.
class PositionNumber : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRect area = contentsRect();
        QPainterPath outline;
        outline.addText(area.left() + kHaloWidth, area.top() + fontMetrics().ascent(), font(), text());
        painter.setPen(
            QPen(programColours::kPositionNumberHalo, 2 * kHaloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(outline);
        painter.fillPath(outline, palette().color(QPalette::WindowText));
    }

private:
    static constexpr int kHaloWidth = 1;
};

} // namespace

CardBox::CardBox(int index, QWidget* parent)
    : QLabel(parent)
    , m_index(index)
    , m_label(new PositionNumber(QString::number(index + 1), this))
{
    setObjectName(QStringLiteral("p_%1").arg(index));
    // The box keeps the system's window colour on the white table, so an empty box still shows as a rectangle.
    setAutoFillBackground(true);
    QPalette boxPalette = palette();
    boxPalette.setColor(QPalette::Window, QPalette().color(QPalette::Window));
    setPalette(boxPalette);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);

    m_label->setObjectName(QStringLiteral("lbl_%1").arg(index));
    QPalette labelPalette = m_label->palette();
    labelPalette.setColor(QPalette::WindowText, programColours::kPositionNumber);
    m_label->setPalette(labelPalette);
    m_label->setAutoFillBackground(false);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeNumber();
    m_label->hide();

    m_designSize = emptyCardBoxSize();
    resize(emptyCardBoxSize());
    setPlace(startPlace(index));
    hide();
}

void CardBox::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus frame: the highlight colour with a light line inside it, so it shows on dark and light cards alike.
    QPainter painter(this);
    const QRect outer = rect().adjusted(1, 1, -2, -2);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.drawRect(outer);
    painter.setPen(QPen(programColours::kCardFocusInnerLine, 1));
    painter.drawRect(outer.adjusted(2, 2, -2, -2));
}

void CardBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        Q_EMIT viewRequested(m_index);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        Q_EMIT stepRequested(m_index, -1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        Q_EMIT stepRequested(m_index, 1);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void CardBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && focusPolicy() != Qt::NoFocus) {
        Q_EMIT viewRequested(m_index);
        return;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void CardBox::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    update();
}

void CardBox::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    update();
}

void CardBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    if (picture.isNull()) {
        clear();
        return;
    }
    setPixmap(QPixmap::fromImage(picture));
    resize(logicalSize(picture));
    m_designSize = picture.deviceIndependentSize() / m_scale;
}

void CardBox::setPlace(TwipsPoint place)
{
    m_place = place;
    move(scaled(twipsToPixels(place.left)), scaled(twipsToPixels(place.top)));
}

void CardBox::setScale(double scale)
{
    if (!(scale > 0))
        return;
    m_scale = scale;
    setPlace(m_place);
    placeNumber();
    if (m_picture.isNull())
        showEmpty();
}

int CardBox::scaled(int pixels) const
{
    return m_scale == 1 ? pixels : qRound(pixels * m_scale);
}

void CardBox::placeNumber()
{
    m_label->setGeometry(scaled(twipsToPixels(m_index == 6 ? kSeventhLabelLeft : 0)), 0,
                         scaled(twipsToPixels(kLabelWidth)), scaled(twipsToPixels(kLabelHeight)));
    QFont font = positionLabelFont();
    if (m_scale != 1)
        font.setPointSizeF(font.pointSizeF() * m_scale);
    m_label->setFont(font);
}

void CardBox::showEmpty()
{
    resize(std::max(1, qRound(m_designSize.width() * m_scale)), std::max(1, qRound(m_designSize.height() * m_scale)));
}

CardTable::CardTable(const AppFolder& folder, QWidget* parent)
    : CardTable(chosenDeck(folder, nullptr), parent)
{ }

CardTable::CardTable(DeckFolder deck, QWidget* parent)
    : QWidget(parent)
    , m_deck(std::move(deck))
{
    setAutoFillBackground(true);
    QPalette tablePalette = palette();
    tablePalette.setColor(QPalette::Window, programColours::kTableCloth);
    setPalette(tablePalette);
    for (int i = 0; i < kBoxCount; ++i) {
        auto* cardBox = new CardBox(i, this);
        connect(cardBox, &CardBox::viewRequested, this, &CardTable::openViewer);
        connect(cardBox, &CardBox::stepRequested, this, &CardTable::stepFocus);
        m_boxes.append(cardBox);
    }
    // Higher positions lie above lower ones where boxes overlap.
    for (CardBox* cardBox : m_boxes)
        cardBox->raise();
    const TwipsSize initial{pixelsToTwips(480), pixelsToTwips(320)};
    m_size = initial;
    setFixedSize(twipsToPixels(initial.width), twipsToPixels(initial.height));
}

CardBox* CardTable::box(int position) const
{
    return position >= 0 && position < kBoxCount ? m_boxes[position] : nullptr;
}

void CardTable::setDeck(DeckFolder deck)
{
    m_deck = std::move(deck);
    for (CardBox* cardBox : m_boxes) {
        if (cardBox->m_holdsCard) {
            loadUpright(*cardBox);
            cardBox->setPicture(lyingPicture(*cardBox));
        }
    }
}

void CardTable::loadUpright(CardBox& cardBox) const
{
    // The screen's density: a table not yet shown takes the one of the screen it will open on.
    cardBox.m_upright = scaledCardPicture(m_deck, cardBox.m_cardIndex, devicePixelRatioF(), m_scale);
}

QImage CardTable::lyingPicture(const CardBox& cardBox)
{
    if (cardBox.m_quarterTurned)
        return rotatePicture90(cardBox.m_upright);
    return cardBox.m_reversed ? rotatePicture180(cardBox.m_upright) : cardBox.m_upright;
}

void CardTable::loadCard(int position, int cardIndex, bool reversed)
{
    CardBox* cardBox = box(position);
    if (!cardBox)
        return;
    cardBox->m_cardIndex = cardIndex;
    cardBox->m_reversed = reversed;
    cardBox->m_quarterTurned = false;
    cardBox->m_holdsCard = true;
    loadUpright(*cardBox);
    const QImage picture = lyingPicture(*cardBox);
    // A picture that cannot be read leaves the box as it was: empty on a fresh table.
    if (!picture.isNull())
        cardBox->setPicture(picture);
}

void CardTable::placeBox(const Spread* spread, int position)
{
    CardBox* cardBox = box(position);
    if (!cardBox)
        return;
    if (const SpreadPosition* spreadPosition = spread ? spread->position(position) : nullptr)
        cardBox->setPlace(spreadPosition->place);
    if (spread && spread->isCrossingCard(position)) {
        // The crossing card lies across the first card instead of being reversed.
        cardBox->m_reversed = false;
        cardBox->m_quarterTurned = true;
        const QImage turned = lyingPicture(*cardBox);
        if (!turned.isNull())
            cardBox->setPicture(turned);
    }
    m_spread = spread;
    if (Deck::isValidIndex(cardBox->m_cardIndex)) {
        cardBox->setAccessibleName(cardBoxAccessibleName(spread, position, cardBox->m_cardIndex, cardBox->m_reversed));
        cardBox->setAccessibleDescription(QStringLiteral("Enter opens a closer look at the card."));
        cardBox->setFocusPolicy(Qt::StrongFocus);
    }
    cardBox->numberLabel()->setEnabled(true);
    cardBox->numberLabel()->show();
    cardBox->setEnabled(true);
    cardBox->show();
}

void CardTable::placeCard(const Spread* spread, int position, int cardIndex, bool reversed)
{
    loadCard(position, cardIndex, reversed);
    placeBox(spread, position);
}

void CardTable::clearPictures()
{
    for (CardBox* cardBox : m_boxes) {
        cardBox->m_holdsCard = false;
        cardBox->m_upright = QImage();
        cardBox->setPicture(QImage());
        cardBox->setFocusPolicy(Qt::NoFocus);
    }
}

void CardTable::sizeToCards(const Spread* spread, int cardCount)
{
    QList<TwipsPoint> places;
    for (int i = 0; i < std::min(cardCount, static_cast<int>(kBoxCount)); ++i)
        places.append(m_boxes[i]->place());
    m_size = cardTableSize(spread, places);
    applySize();
    Q_EMIT tableResized();
}

bool CardTable::isPlaced(const CardBox& cardBox) const
{
    return cardBox.focusPolicy() != Qt::NoFocus && Deck::isValidIndex(cardBox.m_cardIndex) && cardBox.isVisibleTo(this);
}

QList<ViewedCard> CardTable::viewedCards() const
{
    const Spread* spread = m_spread;
    QList<ViewedCard> cards;
    for (const CardBox* cardBox : m_boxes) {
        if (!isPlaced(*cardBox))
            continue;
        const int position = cardBox->index();
        QString place = spread ? QStringLiteral("Position %1 of %2").arg(position + 1).arg(spread->cardCount())
                               : QStringLiteral("Position %1").arg(position + 1);
        if (const QString title = shortPositionTitle(spread, position); !title.isEmpty())
            place += QStringLiteral(": ") + title;
        const CardLie lie = cardBox->isQuarterTurned() ? CardLie::Across
            : cardBox->isReversed()                    ? CardLie::Reversed
                                                       : CardLie::Upright;
        cards.append({cardBox->cardIndex(), lie, place});
    }
    return cards;
}

CardViewer* CardTable::openViewer(int position)
{
    CardBox* from = box(position);
    if (!from || !isPlaced(*from))
        return nullptr;
    if (m_viewer)
        m_viewer->close();
    int current = 0;
    for (int k = 0; k < position; ++k)
        current += isPlaced(*m_boxes[k]) ? 1 : 0;
    auto* viewer = new CardViewer(m_deck, viewedCards(), current, CardViewer::Meanings::AsRead, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setModal(true);
    m_viewer = viewer;
    const QPointer<CardBox> back(from);
    connect(viewer, &QDialog::finished, this, [back] {
        if (!back)
            return;
        back->activateWindow();
        back->setFocus(Qt::OtherFocusReason);
    });
    viewer->show();
    viewer->activateWindow();
    return viewer;
}

void CardTable::stepFocus(int position, int step)
{
    for (int k = position + step; k >= 0 && k < kBoxCount; k += step) {
        if (isPlaced(*m_boxes[k])) {
            m_boxes[k]->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QSize CardTable::designSize() const
{
    return {twipsToPixels(m_size.width), twipsToPixels(m_size.height)};
}

void CardTable::setScale(double scale)
{
    if (!(scale > 0) || scale == m_scale)
        return;
    m_scale = scale;
    for (CardBox* cardBox : m_boxes) {
        cardBox->setScale(scale);
        if (cardBox->m_holdsCard) {
            loadUpright(*cardBox);
            cardBox->setPicture(lyingPicture(*cardBox));
            // A picture gone since it was first read leaves the box empty at its scaled size.
            if (cardBox->m_picture.isNull())
                cardBox->showEmpty();
        }
    }
    applySize();
    Q_EMIT tableResized();
}

void CardTable::applySize()
{
    const QSize design = designSize();
    if (m_scale == 1)
        setFixedSize(design);
    else
        setFixedSize(std::max(1, qRound(design.width() * m_scale)), std::max(1, qRound(design.height() * m_scale)));
}

double fittedTableScale(QSize designSize, QSize available)
{
    if (designSize.isEmpty() || available.isEmpty())
        return 1;
    const double across = double(available.width()) / designSize.width();
    const double down = double(available.height()) / designSize.height();
    return std::min({across, down, kMaxFittedTableScale});
}

void setTablesFitWorkspace(QMdiArea* workspace, bool fit)
{
    if (workspace)
        workspace->setProperty(kFitTablesProperty, fit);
}

bool tablesFitWorkspace(const QMdiArea* workspace)
{
    return workspace && workspace->property(kFitTablesProperty).toBool();
}

QMdiSubWindow* showCardTable(QMdiArea* workspace, CardTable* table)
{
    auto* scrollArea = new TableScrollArea;
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette areaPalette = scrollArea->palette();
    areaPalette.setColor(QPalette::Window, programColours::kTableCloth);
    scrollArea->setPalette(areaPalette);
    scrollArea->setWidget(table);

    // A reading's table stays while its reading does: no close box, and no minimise box that would lose it in the
    // workspace. Start Again, a new reading and Exit close it.
    QMdiSubWindow* window
        = workspace->addSubWindow(scrollArea, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Quillmere v1.0"));
    window->setObjectName(table->objectName() + QStringLiteral("Window"));

    auto* fitter = new TableWindowFitter(workspace, window, scrollArea, table);
    fitter->follow();
    window->move(0, 0);
    window->show();
    fitter->follow();
    return window;
}

} // namespace quillmere
