#pragma once

#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

namespace quillmere {

enum class CastWay;
class MainWindow;
struct AppContext;

// The spread selection screen `frmTarot`: the spread page (eight spreads with picture and description) and
// the options page (arcana, reversals, the three cast commands). Opening it starts a new reading. It opens on the
// first spread with no option ticked, or, with View > Open Spreads on Last Choices, on the spread and options of
// the last cast (which every cast remembers).
class SpreadScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SpreadScreen(MainWindow& host, QWidget* parent = nullptr);

    // The card count of the spread chosen last.
    int no() const { return m_no; }
    // The index in the spread list of the spread chosen last.
    int chosenSpreadIndex() const { return m_chosenSpreadIndex; }

    // The option button for spread list entry index.
    QRadioButton* optionButton(int index) const;
    // The height of the description label for each spread, in twips.
    static int descriptionHeightTwips(int index);

    void showSpreadPage();
    void showOptionsPage();
    void castAutomatically();
    void castManually();
    // "Enter Cards From My Deck": the user names the cards of their own deck, position by position.
    void castFromDeck();
    // Back to Main: the details screen comes up and this screen closes.
    void backToMain();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildSpreadPage();
    QWidget* buildOptionsPage();
    QWidget* buildWaitPanel();
    // Click of the hidden spread list: shows the selected spread.
    void onSpreadSelected(int index);
    void readOptions();
    // Selects the spread and ticks the options the screen opens on.
    void openOnChoices();
    // Copies the chosen spread and options into the current reading for the way of casting chosen.
    void copyCastFields(CastWay way);
    AppContext& context();

    MainWindow& m_host;
    QString m_card;
    int m_no = 0;
    int m_chosenSpreadIndex = 0;
    bool m_lboo = false;
    bool m_hboo = false;
    bool m_rboo = false;

    QStackedWidget* m_pages = nullptr;
    QWidget* m_spreadPage = nullptr;
    QWidget* m_optionsPage = nullptr;
    QListWidget* m_lstOption = nullptr;
    QPlainTextEdit* m_txtDisp = nullptr;
    QLabel* m_lblDisp = nullptr;
    QLabel* m_pctCard = nullptr;
    QList<QRadioButton*> m_options;
    QCheckBox* m_chkHA = nullptr;
    QCheckBox* m_chkLA = nullptr;
    QCheckBox* m_chkRev = nullptr;
    QLabel* m_lblRev = nullptr;
    QWidget* m_picMessage = nullptr;
};

} // namespace quillmere
