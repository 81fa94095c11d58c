#include "screens/DeckBrowser.h"

#include "content/Deck.h"
#include "table/CardPicture.h"
#include "table/CardViewer.h"
#include "table/DialogFlags.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace quillmere {

namespace {

// The pictures in the grid: a little over half the card size, so six rows of a suit fit on a usual screen.
constexpr QSize kThumbnailSize{78, 135};
constexpr int kCardIndexRole = Qt::UserRole + 1;

struct PartChoice
{
    DeckBrowser::Part part;
    const char* label;
    const char* suffix;
};

constexpr PartChoice kParts[] = {
    {DeckBrowser::Part::All, "All 78 cards", nullptr},   {DeckBrowser::Part::MajorArcana, "Major Arcana", nullptr},
    {DeckBrowser::Part::Wands, "Wands", " of Wands"},    {DeckBrowser::Part::Cups, "Cups", " of Cups"},
    {DeckBrowser::Part::Swords, "Swords", " of Swords"}, {DeckBrowser::Part::Pentacles, "Pentacles", " of Pentacles"},
};

const PartChoice& choiceOf(DeckBrowser::Part part)
{
    for (const PartChoice& choice : kParts) {
        if (choice.part == part)
            return choice;
    }
    return kParts[0];
}

// Where a card belongs, in words, for the viewer: "Major Arcana" or "Minor Arcana, Cups".
QString partText(int cardIndex)
{
    if (Deck::isMajorArcana(cardIndex))
        return QStringLiteral("Major Arcana");
    for (const PartChoice& choice : kParts) {
        if (choice.suffix && cardInPart(cardIndex, choice.part))
            return QStringLiteral("Minor Arcana, %1").arg(QLatin1StringView(choice.label));
    }
    return {};
}

} // namespace

bool cardInPart(int cardIndex, DeckBrowser::Part part)
{
    if (!Deck::isValidIndex(cardIndex))
        return false;
    switch (part) {
    case DeckBrowser::Part::All:
        return true;
    case DeckBrowser::Part::MajorArcana:
        return Deck::isMajorArcana(cardIndex);
    default:
        return !Deck::isMajorArcana(cardIndex)
            && Deck::instance().name(cardIndex).endsWith(QLatin1StringView(choiceOf(part).suffix));
    }
}

DeckBrowser::DeckBrowser(DeckFolder deck, QWidget* parent)
    : QDialog(parent)
    , m_deck(std::move(deck))
{
    setObjectName(QStringLiteral("frmDeckBrowser"));
    setWindowFlags(kDialogWindowFlags);

    m_show = new QComboBox(this);
    m_show->setObjectName(QStringLiteral("cboShow"));
    for (const PartChoice& choice : kParts)
        m_show->addItem(QString::fromLatin1(choice.label), static_cast<int>(choice.part));
    auto* showLabel = new QLabel(QStringLiteral("&Show:"), this);
    showLabel->setBuddy(m_show);

    m_model = new QStandardItemModel(this);
    for (const int index : traditionalOrder()) {
        auto* item = new QStandardItem(Deck::instance().name(index));
        item->setData(index, kCardIndexRole);
        item->setEditable(false);
        m_model->appendRow(item);
    }
    m_grid = new QListView(this);
    m_grid->setObjectName(QStringLiteral("lstCards"));
    m_grid->setAccessibleName(QStringLiteral("Cards"));
    m_grid->setViewMode(QListView::IconMode);
    m_grid->setMovement(QListView::Static);
    m_grid->setResizeMode(QListView::Adjust);
    m_grid->setWrapping(true);
    m_grid->setWordWrap(true);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setIconSize(kThumbnailSize);
    // Room for the picture and two lines of its name below it.
    const int textHeight = 2 * fontMetrics().lineSpacing();
    m_grid->setGridSize(QSize(kThumbnailSize.width() + 40, kThumbnailSize.height() + textHeight + 12));
    m_grid->setModel(m_model);
    m_grid->setMinimumSize(6 * m_grid->gridSize().width() + 30, 2 * m_grid->gridSize().height() + 10);
    // Enter, and a double-click where the desktop does not open items with one click.
    connect(m_grid, &QListView::activated, this, &DeckBrowser::openIndex);

    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(showLabel);
    top->addWidget(m_show);
    top->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_grid, 1);
    layout->addLayout(bottom);

    connect(m_show, &QComboBox::currentIndexChanged, this, &DeckBrowser::applyPart);
    fillPictures();
    applyPart();
    resize(8 * m_grid->gridSize().width() + 60, 3 * m_grid->gridSize().height() + 100);
    m_grid->setFocus(Qt::OtherFocusReason);
}

void DeckBrowser::setDeck(DeckFolder deck)
{
    m_deck = std::move(deck);
    fillPictures();
}

void DeckBrowser::fillPictures()
{
    setWindowTitle(
        QStringLiteral("%1 \u2014 Quillmere").arg(m_deck.name.isEmpty() ? QStringLiteral("Deck") : m_deck.name));
    const qreal ratio = devicePixelRatioF();
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QStandardItem* item = m_model->item(row);
        const QImage picture = loadCardPicture(m_deck, item->data(kCardIndexRole).toInt(), ratio, kThumbnailSize);
        item->setIcon(picture.isNull() ? QIcon() : QIcon(QPixmap::fromImage(picture)));
    }
}

DeckBrowser::Part DeckBrowser::part() const
{
    return static_cast<Part>(m_show->currentData().toInt());
}

void DeckBrowser::showPart(Part part)
{
    m_show->setCurrentIndex(m_show->findData(static_cast<int>(part)));
}

void DeckBrowser::applyPart()
{
    const Part shown = part();
    for (int row = 0; row < m_model->rowCount(); ++row)
        m_grid->setRowHidden(row, !cardInPart(m_model->item(row)->data(kCardIndexRole).toInt(), shown));
    // The keyboard starts on the first card shown.
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_grid->isRowHidden(row)) {
            m_grid->setCurrentIndex(m_model->index(row, 0));
            m_grid->scrollTo(m_grid->currentIndex());
            break;
        }
    }
}

QList<int> DeckBrowser::shownCards() const
{
    QList<int> cards;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_grid->isRowHidden(row))
            cards.append(m_model->item(row)->data(kCardIndexRole).toInt());
    }
    return cards;
}

int DeckBrowser::cardAt(const QModelIndex& index)
{
    return index.isValid() ? index.data(kCardIndexRole).toInt() : -1;
}

void DeckBrowser::openIndex(const QModelIndex& index)
{
    if (index.isValid())
        openCard(index.data(kCardIndexRole).toInt());
}

CardViewer* DeckBrowser::openCard(int cardIndex)
{
    const QList<int> shown = shownCards();
    const int current = static_cast<int>(shown.indexOf(cardIndex));
    if (current < 0)
        return nullptr;
    QList<ViewedCard> cards;
    for (const int card : shown)
        cards.append({card, CardLie::Upright, partText(card)});
    auto* viewer = new CardViewer(m_deck, cards, current, CardViewer::Meanings::Both, this);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setModal(true);
    // The keyboard comes back to the card the viewer was opened on.
    connect(viewer, &QDialog::finished, this, [this, cardIndex] {
        const QModelIndexList rows
            = m_model->match(m_model->index(0, 0), kCardIndexRole, cardIndex, 1, Qt::MatchExactly);
        if (!rows.isEmpty())
            m_grid->setCurrentIndex(rows.first());
        m_grid->setFocus(Qt::OtherFocusReason);
    });
    viewer->show();
    viewer->activateWindow();
    return viewer;
}

} // namespace quillmere
