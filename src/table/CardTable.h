#pragma once

#include "content/SpreadCatalogue.h"
#include "handout/ReadingHandout.h"
#include "storage/AppFolder.h"
#include "storage/DeckLibrary.h"
#include "table/CardViewer.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QWidget>

class QMdiArea;
class QMdiSubWindow;

namespace quillmere {

class CardViewer;

// One card box of a card table: the card's picture, sized to it, with the position number in its top-left
// corner. Box i of a table has the objectName "p_i" and its number label "lbl_i". A table drawn at another scale
// than its design (View > Fit Table to Window) scales the box's place, its empty size and its number with it. A box
// holding a card that has been placed takes the keyboard focus (Tab, a click, the arrow keys from its neighbours) and
// shows a frame while it has it; Enter or a double-click asks for the closer look.
class CardBox : public QLabel
{
    Q_OBJECT
public:
    CardBox(int index, QWidget* parent);

    int index() const { return m_index; }
    // The picture shown, as turned, with the device pixel ratio it was loaded for; null when the box has none.
    const QImage& picture() const { return m_picture; }
    // Shows the picture and takes its logical size; a null picture empties the box and leaves its size.
    void setPicture(const QImage& picture);
    // The box's place on the table in twips; the pixel geometry follows it.
    TwipsPoint place() const { return m_place; }
    void setPlace(TwipsPoint place);
    QLabel* numberLabel() const { return m_label; }

    // The scale the box is drawn at: 1 is the design layout in twips. The place, the number's place and font and
    // the size of an empty box follow it; a picture is given at the scaled size by the table.
    double scale() const { return m_scale; }
    void setScale(double scale);

    // The card the box was last given and how it lies; -1 when none.
    int cardIndex() const { return m_cardIndex; }
    bool isReversed() const { return m_reversed; }
    bool isQuarterTurned() const { return m_quarterTurned; }

Q_SIGNALS:
    // Enter or a double-click on the box.
    void viewRequested(int index);
    // An arrow key: the focus is wanted on the placed card step positions on (-1 before, +1 after).
    void stepRequested(int index, int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class CardTable;
    int scaled(int pixels) const;
    void placeNumber();
    // Sizes a box without a picture to its design size at the box's scale.
    void showEmpty();

    int m_index;
    QLabel* m_label;
    QImage m_picture;
    TwipsPoint m_place;
    double m_scale = 1;
    // The box's size at scale 1: an empty box keeps it, scaled.
    QSizeF m_designSize;
    int m_cardIndex = -1;
    bool m_reversed = false;
    bool m_quarterTurned = false;
    // A card was loaded and its picture not cleared since: a change of deck shows it anew.
    bool m_holdsCard = false;
    // The card's picture upright, as loaded: the quarter turn starts from it without reading the file again.
    QImage m_upright;
};

// A card table: ten card boxes with their position numbers, laid out in a spread's shape. The same table serves
// the automatic cast ("frmAuto"), the manual placements ("frmAuto") and the reopened reading ("frmReading"); the
// objectName is set by whoever creates it. The boxes start hidden, empty and at their design places.
class CardTable : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBoxCount = kMaxCardsInSpread;

    // A table showing the folder's default deck.
    explicit CardTable(const AppFolder& folder, QWidget* parent = nullptr);
    // A table showing the given deck (for the program: chosenDeck(context)).
    explicit CardTable(DeckFolder deck, QWidget* parent = nullptr);

    // Box of the 0-based position; nullptr outside 0..9.
    CardBox* box(int position) const;

    const DeckFolder& deck() const { return m_deck; }
    // Shows the deck from now on: every card on the table takes its picture from it, turned as it lies. Boxes whose
    // picture the deck lacks keep their size and show nothing.
    void setDeck(DeckFolder deck);

    // Puts the card's picture into the box of the position, turned half a turn when reversed. The box does not
    // move and is not shown. A picture that cannot be read leaves the box empty at its size.
    void loadCard(int position, int cardIndex, bool reversed);
    // Moves the box to the spread's place for the position and shows it with its number. The spread's crossing card
    // is loaded again upright and turned a quarter. No spread (a record of an unknown one) leaves the box where it
    // is. The spread must outlive the table.
    void placeBox(const Spread* spread, int position);
    // loadCard, then placeBox.
    void placeCard(const Spread* spread, int position, int cardIndex, bool reversed);
    // Removes the pictures of all ten boxes; visibility, places and labels stay.
    void clearPictures();
    // Sizes the table for the spread to its first cardCount boxes wherever they are now; a spread whose table
    // keeps one size takes that size.
    void sizeToCards(const Spread* spread, int cardCount);
    // The spread whose places the boxes were last put at; nullptr before the first.
    const Spread* spread() const { return m_spread; }
    // The table's size in twips, as last set by sizeToCards.
    TwipsSize sizeInTwips() const { return m_size; }
    // The table's size in pixels at scale 1, the design layout.
    QSize designSize() const;

    // Draws the whole table at this scale, its geometry kept in proportion: places, box sizes and numbers are
    // scaled, and the cards are read again for the scaled size and the screen's density (from the files at twice
    // the card size where that needs more pixels), so nothing blurs. 1, the start, is the exact design layout.
    // A scale that is not above 0 is ignored.
    double scale() const { return m_scale; }
    void setScale(double scale);

    // The placed cards in position order, as the viewer shows them: card, how it lies, position number and title.
    QList<ViewedCard> viewedCards() const;
    // Opens the closer look at the card of the position, modal, stepping through the placed cards; when it closes
    // the focus goes back to that card. nullptr when the position holds no placed card.
    CardViewer* openViewer(int position);
    // The viewer open on this table, nullptr when none is.
    CardViewer* viewer() const { return m_viewer; }

Q_SIGNALS:
    // The table took a new size; the window holding it follows.
    void tableResized();

private:
    // Reads the box's card upright for this table's screen.
    void loadUpright(CardBox& cardBox) const;
    // The box's card as it lies: upright, reversed or turned a quarter.
    static QImage lyingPicture(const CardBox& cardBox);

    // A box whose card was placed on the table and can be looked at.
    bool isPlaced(const CardBox& cardBox) const;
    void stepFocus(int position, int step);
    void applySize();

    DeckFolder m_deck;
    const Spread* m_spread = nullptr;
    QList<CardBox*> m_boxes;
    TwipsSize m_size;
    QPointer<CardViewer> m_viewer;
    double m_scale = 1;
};

// The largest scale a fitted table is drawn at: beyond twice the design the cards' largest files give out.
inline constexpr double kMaxFittedTableScale = 2;

// The scale at which a table of designSize fills as much of available as it can, in proportion: the smaller of the
// two ratios, at most kMaxFittedTableScale. 1 when either size is empty.
double fittedTableScale(QSize designSize, QSize available);

// Whether the card tables of the workspace are fitted to it (View > Fit Table to Window) rather than shown at their
// design size with scrolling. Off unless set; every table window of the workspace follows a change at once.
void setTablesFitWorkspace(QMdiArea* workspace, bool fit);
bool tablesFitWorkspace(const QMdiArea* workspace);

// Puts the table into the workspace as a child window at its top-left corner. Normally the window scrolls the
// table when it is larger than the workspace (opening with position 1 in view) and follows the table's size; when
// the workspace fits its tables, the table is scaled to fill the workspace's visible part without scrolling, and
// refitted whenever that part or the table's design size changes. The window owns the table and deletes itself
// when closed.
QMdiSubWindow* showCardTable(QMdiArea* workspace, CardTable* table);

} // namespace quillmere
