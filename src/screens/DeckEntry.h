#pragma once

#include "engine/Cast.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quillmere {

// The screen of a reading with the user's own deck ("frmDeckEntry"): for each position of the chosen spread in
// order, the user names the card they turned over and says whether it lies reversed.
//
// The name is typed into `txtCard`; the list `lstCards` below it shows the cards still to be had (those the
// arcana option allows and no earlier position holds) whose names contain what is typed, and Up and Down in the
// field move through it. Enter or "Place Card" (`cmdPlace`) lays the card the text names exactly, otherwise the
// one selected in the list; a card that cannot go there (already laid, outside the arcana chosen) is refused
// with the reason in `lblMessage` and nothing is laid. "Reversed" (`chkReversed`, Alt+R from anywhere on the
// screen) is offered only when the reading allows reversals and never for the crossing card. "Back" (`cmdUndo`)
// takes the last card laid back up.
//
// When the last position is filled, the reading is laid on the card table, composed and kept in the temporary
// record exactly as an automatic cast is, and the screen closes. "Back to Main" (`cmdMain`) emits backRequested()
// (the main window shows the details screen) and closes the screen; nothing of the cast is kept.
class DeckEntry : public QWidget
{
    Q_OBJECT
public:
    // The cast of the reading's spread and options; the reading must carry the marks of chooseCast with
    // CastWay::FromDeck.
    DeckEntry(AppContext& context, ReadingHost& host, QWidget* parent = nullptr);

    // The cast so far.
    const Cast* cast() const { return m_cast ? &*m_cast : nullptr; }
    // Lays the card named exactly (letter case aside) by the typed text, or else the one selected in the list,
    // on the next position. Returns false, with the reason shown, when no card is named or it is refused.
    bool placeCard();
    // Takes the last card laid back up, so its position is the next one again.
    void takeBack();

Q_SIGNALS:
    void backRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPosition();
    void filterCards();
    void showMessage(const QString& text);
    void finish();
    void closeScreen();

    AppContext& m_context;
    ReadingHost& m_host;
    const Spread* m_spread = nullptr;
    std::optional<Cast> m_cast;
    QLabel* m_position = nullptr;
    QLabel* m_message = nullptr;
    QLineEdit* m_text = nullptr;
    QListWidget* m_cards = nullptr;
    QListWidget* m_laid = nullptr;
    QCheckBox* m_reversed = nullptr;
    QPushButton* m_place = nullptr;
    QPushButton* m_undo = nullptr;
};

// Opens the screen in the workspace, placed as the other screens are, with the focus in the card field.
DeckEntry* openDeckEntry(AppContext& context, ReadingHost& host);

} // namespace quillmere
