#include "table/CardTable.h"

#include "content/Deck.h"
#include "content/Twips.h"
#include "table/CardPicture.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <functional>

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

// Runs a step whenever the workspace's visible part changes size, for as long as the window lives.
class WorkspaceFollower : public QObject
{
public:
    WorkspaceFollower(QWidget* viewport, QObject* window, std::function<void()> step)
        : QObject(window)
        , m_viewport(viewport)
        , m_step(std::move(step))
    {
        viewport->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_viewport && event->type() == QEvent::Resize)
            m_step();
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_viewport;
    std::function<void()> m_step;
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
        painter.setPen(QPen(kHaloColour, 2 * kHaloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(outline);
        painter.fillPath(outline, palette().color(QPalette::WindowText));
    }

private:
    static constexpr int kHaloWidth = 1;
    static constexpr QColor kHaloColour{255, 255, 255, 230};
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
    m_label->setFont(positionLabelFont());
    QPalette labelPalette = m_label->palette();
    labelPalette.setColor(QPalette::WindowText, QColor(255, 0, 255));
    m_label->setPalette(labelPalette);
    m_label->setAutoFillBackground(false);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label->setGeometry(twipsToPixels(index == 6 ? kSeventhLabelLeft : 0), 0, twipsToPixels(kLabelWidth),
                         twipsToPixels(kLabelHeight));
    m_label->hide();

    resize(emptyCardBoxSize());
    setPlace(startPlace(index));
    hide();
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
}

void CardBox::setPlace(TwipsPoint place)
{
    m_place = place;
    move(twipsToPixels(place.left), twipsToPixels(place.top));
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
    tablePalette.setColor(QPalette::Window, Qt::white);
    setPalette(tablePalette);
    for (int i = 0; i < kBoxCount; ++i)
        m_boxes.append(new CardBox(i, this));
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
    cardBox.m_upright = loadCardPicture(m_deck, cardBox.m_cardIndex, devicePixelRatioF());
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

void CardTable::placeBox(const QString& spreadKey, int position)
{
    CardBox* cardBox = box(position);
    if (!cardBox)
        return;
    m_spreadKey = spreadKey;
    const Spread* spread = SpreadCatalogue::instance().byKey(spreadKey);
    if (const SpreadPosition* spreadPosition = spread ? spread->position(position) : nullptr)
        cardBox->setPlace(spreadPosition->place);
    if (isCrossingCard(spreadKey, position)) {
        // The crossing card lies across the first card instead of being reversed.
        cardBox->m_reversed = false;
        cardBox->m_quarterTurned = true;
        const QImage turned = lyingPicture(*cardBox);
        if (!turned.isNull())
            cardBox->setPicture(turned);
    }
    if (Deck::isValidIndex(cardBox->m_cardIndex))
        cardBox->setAccessibleName(
            cardBoxAccessibleName(spreadKey, position, cardBox->m_cardIndex, cardBox->m_reversed));
    cardBox->numberLabel()->setEnabled(true);
    cardBox->numberLabel()->show();
    cardBox->setEnabled(true);
    cardBox->show();
}

void CardTable::placeCard(const QString& spreadKey, int position, int cardIndex, bool reversed)
{
    loadCard(position, cardIndex, reversed);
    placeBox(spreadKey, position);
}

void CardTable::clearPictures()
{
    for (CardBox* cardBox : m_boxes) {
        cardBox->m_holdsCard = false;
        cardBox->m_upright = QImage();
        cardBox->setPicture(QImage());
    }
}

void CardTable::sizeToCards(int cardCount)
{
    QList<TwipsPoint> places;
    for (int i = 0; i < std::min(cardCount, static_cast<int>(kBoxCount)); ++i)
        places.append(m_boxes[i]->place());
    m_size = cardTableSize(cardCount, places);
    setFixedSize(twipsToPixels(m_size.width), twipsToPixels(m_size.height));
    Q_EMIT tableResized();
}

QMdiSubWindow* showCardTable(QMdiArea* workspace, CardTable* table)
{
    auto* scrollArea = new TableScrollArea;
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(false);
    scrollArea->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette areaPalette = scrollArea->palette();
    areaPalette.setColor(QPalette::Window, Qt::white);
    scrollArea->setPalette(areaPalette);
    scrollArea->setWidget(table);

    // A reading's table stays while its reading does: no close box, and no minimise box that would lose it in the
    // workspace. Start Again, a new reading and Exit close it.
    QMdiSubWindow* window
        = workspace->addSubWindow(scrollArea, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Quillmere v1.0"));
    window->setObjectName(table->objectName() + QStringLiteral("Window"));

    // The window takes the table's size, but never more than the workspace shows; the rest scrolls.
    const auto fit = [workspace, window, scrollArea] {
        scrollArea->updateGeometry();
        QSize wanted = window->sizeHint();
        const QSize visible = workspace->viewport()->size();
        if (visible.width() > 0 && visible.height() > 0) {
            // A scroll bar in one direction takes room from the other, which the window gives back where it can.
            const int scrollBar = scrollArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea);
            if (wanted.height() > visible.height())
                wanted.rwidth() += scrollBar;
            if (wanted.width() > visible.width())
                wanted.rheight() += scrollBar;
            wanted = wanted.boundedTo(visible);
        }
        window->resize(wanted);
    };
    // A table that scrolls shows the first position: the Chakra column, read from the bottom, opens at its foot.
    const auto showFirstPosition = [scrollArea, table] {
        if (CardBox* first = table->box(0); first && first->isVisibleTo(table))
            scrollArea->ensureWidgetVisible(first, 0, 0);
    };
    QObject::connect(table, &CardTable::tableResized, window, fit);
    QObject::connect(table, &CardTable::tableResized, window, showFirstPosition);
    // The window never reaches past the workspace's visible part, so it never slides under the reading panel.
    auto* follower = new WorkspaceFollower(workspace->viewport(), window, [fit, showFirstPosition] {
        fit();
        showFirstPosition();
    });
    Q_UNUSED(follower);
    fit();
    window->move(0, 0);
    window->show();
    showFirstPosition();
    return window;
}

} // namespace quillmere
