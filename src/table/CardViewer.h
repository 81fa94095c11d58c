#pragma once

#include "storage/DeckLibrary.h"

#include <QDialog>
#include <QImage>
#include <QList>

class QLabel;
class QPushButton;
class QTextBrowser;

namespace quillmere {

// How a card lies: as printed, upside down, or across the card below it (the crossing card, read upright).
enum class CardLie { Upright, Reversed, Across };

// One card the viewer can show: the card, how it lies and where it lies, in words ("Position 2 of 10: The
// Crossing"; a deck's part such as "Major Arcana" for a card that lies nowhere).
struct ViewedCard
{
    int cardIndex = -1;
    CardLie lie = CardLie::Upright;
    QString place;
};

// The closer look at a card ("frmCardViewer"): the card large, turned as it lies, its name, where it lies, its
// orientation and its meaning; Previous and Next (also the Left and Right arrow keys) step through the cards it was
// given, Esc and Close close it. The picture is twice the card size where the screen has the room, read for the
// screen's density.
class CardViewer : public QDialog
{
    Q_OBJECT
public:
    // The meaning a card was read with (upright or reversed as it lies), or both of them, for a card seen in the deck.
    enum class Meanings { AsRead, Both };

    CardViewer(DeckFolder deck, QList<ViewedCard> cards, int current, Meanings meanings, QWidget* parent = nullptr);

    int currentIndex() const { return m_current; }
    const ViewedCard& currentCard() const { return m_cards[m_current]; }
    int cardCount() const { return static_cast<int>(m_cards.size()); }
    // The picture shown, turned as the card lies, with the device pixel ratio it was read for; null when the deck has
    // no picture of the card.
    const QImage& picture() const { return m_picture; }
    // The logical size of the upright picture.
    QSize pictureSize() const { return m_pictureSize; }

    // Shows the card at that place of the list; outside the list nothing changes.
    void showCard(int index);
    void showPrevious() { showCard(m_current - 1); }
    void showNext() { showCard(m_current + 1); }

private:
    void showCurrent();

    DeckFolder m_deck;
    QList<ViewedCard> m_cards;
    int m_current = 0;
    Meanings m_meanings;
    QSize m_pictureSize;
    QImage m_picture;
    QLabel* m_pictureLabel = nullptr;
    QLabel* m_name = nullptr;
    QLabel* m_place = nullptr;
    QLabel* m_orientation = nullptr;
    QTextBrowser* m_meaning = nullptr;
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
};

// The orientation in words, for the viewer and for screen readers: "Upright", "Reversed", "Lying across".
QString cardLieText(CardLie lie);

} // namespace quillmere
