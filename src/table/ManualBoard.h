#pragma once

#include "engine/Cast.h"
#include "table/AppContext.h"
#include "table/ReadingHost.h"

#include <QAbstractButton>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QLabel;
class QMdiSubWindow;

namespace quillmere {

class CardTable;
struct DeckFolder;

// One face-down card on the manual board. Card i of the board has the objectName "p_i" and the accessible name
// "Face-down card i+1". It is picked with a click, Space or Enter; the arrow keys move to its neighbours.
class FaceDownCard : public QAbstractButton
{
    Q_OBJECT
public:
    FaceDownCard(int index, const QImage& back, QWidget* parent);
    int index() const { return m_index; }
    // The back shown, with the device pixel ratio it was made for.
    const QPixmap& back() const { return m_back; }
    void setBack(const QImage& back);
    QSize sizeHint() const override;

Q_SIGNALS:
    // An arrow key asks to move the focus by this many columns and rows.
    void moveRequested(int index, int columns, int rows);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    QPixmap m_back;
};

// The board of a manual reading ("frmManual"): the face-down cards of the permitted part of the deck in a 13 × 6
// grid, the spread's picture and the information panel naming the position the next pick fills. A pick only
// counts; the last one completes the reading: the wait panel, the pause, then for every position the draw, the
// picture on the card table ("frmAuto", whose opening writes the header), the reversal and the placement (which
// rewrites the temporary record with the cards placed so far and sizes the table); then the interpretations,
// shown from the top, and the board closes. From the last pick on, no click changes the reading again.
//
// The hidden commands "Back" (cmdBack) and "Exit" (cmdCancel) lie below the visible area and are reached with
// the Tab key; the one that has the focus shows over the foot of the spread picture. Back emits backRequested(), which
// the main window answers by showing the details screen, and the board closes; Exit emits exitRequested() and closes
// the main window (the workspace's window), which ends the program.
class ManualBoard : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFaceDownCount = 78;
    static constexpr int kColumns = 13;

    // Sets up the board for the reading's spread and options (the reading's mode becomes manual). It is shown
    // by openManualBoard.
    ManualBoard(AppContext& context, ReadingHost& host, QWidget* parent = nullptr);

    // The face-down card i (0..77).
    FaceDownCard* faceDownCard(int index) const;
    // The information panel's text exactly as set, line breaks as CRLF.
    const QString& panelText() const { return m_panelText; }
    // Picks made so far.
    int picksMade() const { return m_picksMade; }
    // True from the last pick on.
    bool isCompleting() const { return m_completing; }
    // The card table the reading is laid on; nullptr before the first card is placed.
    CardTable* cardTable() const { return m_table; }

    // Shows the text of the 0-based position given as decimal text in the information panel; an unknown position
    // leaves the panel as it is.
    void showCardInfo(const QString& position);
    // The face-down cards show the deck's own back where it has one, else the program's.
    void showBacksOf(const DeckFolder& deck);

Q_SIGNALS:
    // "Back": the details screen is wanted; connect it to the main window. The board closes itself afterwards.
    void backRequested();
    // "Exit": the program ends; the board closes the main window right after this signal.
    void exitRequested();

private:
    void pick(int index);
    void complete();
    void drawAndPlace(int position);
    void openCardTable();
    void setPanelText(const QString& text);
    void moveFocus(int from, int columns, int rows);
    void closeBoard();

    AppContext& m_context;
    ReadingHost& m_host;
    // The reading's spread; nullptr when none was chosen.
    const Spread* m_spread = nullptr;
    int m_cardCount = 0;
    CastOptions m_options;
    // The cast the last pick starts; the board's picks only count towards it.
    std::optional<Cast> m_cast;
    int m_picksMade = 0;
    bool m_completing = false;
    QString m_panelText;
    QLabel* m_panel = nullptr;
    QWidget* m_waitPanel = nullptr;
    QList<FaceDownCard*> m_cards;
    QPointer<CardTable> m_table;
    StyledText m_text;
};

// Opens the manual board in the workspace, placed as the board places itself: centred across, a third of the
// free height down. The board's window deletes it when it closes.
ManualBoard* openManualBoard(AppContext& context, ReadingHost& host);

} // namespace quillmere
