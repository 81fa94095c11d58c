#pragma once

#include "storage/DeckLibrary.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QListView;
class QModelIndex;
class QStandardItemModel;

namespace quillmere {

class CardViewer;

// All 78 cards of a deck at a glance ("frmDeckBrowser"): a grid of the pictures with their names, in the program's
// card order, narrowed to the major arcana or one suit with the Show box ("cboShow"). Activating a card (Enter or a
// double-click in the grid "lstCards") opens the viewer with both meanings; Previous and Next there step through the
// cards shown.
class DeckBrowser : public QDialog
{
    Q_OBJECT
public:
    // The parts of the deck the grid can be narrowed to, in the order the Show box lists them.
    enum class Part { All, MajorArcana, Wands, Cups, Swords, Pentacles };

    explicit DeckBrowser(DeckFolder deck, QWidget* parent = nullptr);

    const DeckFolder& deck() const { return m_deck; }
    // Shows the deck's pictures from now on.
    void setDeck(DeckFolder deck);

    Part part() const;
    void showPart(Part part);
    // The card indexes the grid shows, in its order: the deck laid out as a reader lays it.
    QList<int> shownCards() const;
    // The card index of a place in the grid; -1 for none.
    static int cardAt(const QModelIndex& index);
    QListView* cardGrid() const { return m_grid; }

    // Opens the viewer on the card, modal, stepping through the cards shown; nullptr for a card the grid does not
    // show.
    CardViewer* openCard(int cardIndex);

private:
    void fillPictures();
    void applyPart();
    void openIndex(const QModelIndex& index);

    DeckFolder m_deck;
    QComboBox* m_show = nullptr;
    QListView* m_grid = nullptr;
    QStandardItemModel* m_model = nullptr;
};

// Whether the card belongs to the part of the deck.
bool cardInPart(int cardIndex, DeckBrowser::Part part);

} // namespace quillmere
