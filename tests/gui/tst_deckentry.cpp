#include "FormLookup.h"
#include "PanelFixtures.h"

#include "app/Program.h"
#include "engine/Cast.h"
#include "screens/DeckEntry.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "screens/SpreadScreen.h"
#include "storage/RecordFormat.h"
#include "table/CardTable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;
using namespace quillmere::forms;

namespace {

// Types into the card field, optionally ticks Reversed with its access key, and presses Enter.
void enterCard(QWidget* entry, const QString& text, bool reversed = false)
{
    auto* field = control<QLineEdit>(entry, "txtCard");
    QVERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, text);
    if (reversed) {
        QTest::keyClick(field, Qt::Key_R, Qt::AltModifier);
        QVERIFY(control<QCheckBox>(entry, "chkReversed")->isChecked());
        QVERIFY(field->hasFocus());
    }
    QTest::keyClick(field, Qt::Key_Return);
}

QStringList listTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

struct LaidCard
{
    int card;
    bool reversed;
    friend bool operator==(const LaidCard&, const LaidCard&) = default;
};

QList<LaidCard> laidCards(const CardTable* table, int count)
{
    QList<LaidCard> cards;
    for (int k = 0; k < count; ++k)
        cards.append({table->box(k)->cardIndex(), table->box(k)->isReversed()});
    return cards;
}

} // namespace

QT_BEGIN_NAMESPACE
namespace QTest {
template <> char* toString(const LaidCard& card)
{
    return qstrdup(QStringLiteral("card %1%2")
                       .arg(card.card)
                       .arg(card.reversed ? QStringLiteral(" reversed") : QString())
                       .toUtf8()
                       .constData());
}
} // namespace QTest
QT_END_NAMESPACE

class DeckEntryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void spreadScreenOffersTheThirdWay();
    void threeCardsWithReversalsEnteredSavedAndReopened();
    void crossingCardAndArcanaLimit();
};

// The options page holds the third command between the reversals box and the other two, none overlapping.
void DeckEntryTest::spreadScreenOffersTheThirdWay()
{
    PanelFixture fixture;
    MainWindow window(fixture.context);
    window.show();
    int opened = 0;
    window.setDeckEntryOpener([&](AppContext& context, ReadingHost&) {
        ++opened;
        QCOMPARE(context.reading.spreadKey(), QStringLiteral("Two Cards"));
        QCOMPARE(context.reading.cardCount(), 2);
        QVERIFY(context.reading.options.majorOnly);
        QVERIFY(context.reading.options.reversalsAllowed);
        QCOMPARE(context.reading.mode, CastMode::Automatic);
    });
    SpreadScreen* screen = window.showSpreadScreen();
    control<QRadioButton>(screen, "optOption_2")->click();
    screen->showOptionsPage();
    auto* deck = control<QPushButton>(screen, "cmdDeck");
    auto* manual = control<QPushButton>(screen, "cmdManual");
    auto* automatic = control<QPushButton>(screen, "cmdAuto");
    QCOMPARE(deck->text(), QStringLiteral("Enter Cards From My Deck"));
    QCOMPARE(deck->geometry(), twipsRect(3525, 4560, 3855, 375));
    QCOMPARE(manual->geometry(), twipsRect(3525, 4980, 3855, 375));
    QCOMPARE(automatic->geometry(), twipsRect(3525, 5400, 3855, 375));
    const QWidget* reversals = control<QCheckBox>(screen, "chkRev")->parentWidget();
    QVERIFY(reversals->geometry().bottom() < deck->geometry().top());
    QVERIFY(deck->geometry().bottom() < manual->geometry().top());
    QVERIFY(manual->geometry().bottom() < automatic->geometry().top());
    QVERIFY(reversals->rect().contains(control<QLabel>(screen, "Label3")->geometry()));

    control<QCheckBox>(screen, "chkHA")->click();
    control<QCheckBox>(screen, "chkRev")->click();
    QTest::mouseClick(deck, Qt::LeftButton);
    settle();
    QCOMPARE(opened, 1);
    QVERIFY(!openForm(window.workspace(), QStringLiteral("frmTarot")));
}

// From the details screen to a saved and reopened reading, by keyboard: three cards entered, one reversed, the
// last one taken back and entered again, a card entered twice refused.
void DeckEntryTest::threeCardsWithReversalsEnteredSavedAndReopened()
{
    PanelFixture fixture;
    Program program(fixture.context);
    QVERIFY(program.start());
    MainWindow* window = program.mainWindow();
    QMdiArea* workspace = window->workspace();

    QWidget* front = openForm(workspace, QStringLiteral("frmFront"));
    QVERIFY(front);
    QTest::keyClicks(control<QLineEdit>(front, "txtName"), QStringLiteral("Jane"));
    QTest::mouseClick(control<QPushButton>(front, "cmdReading"), Qt::LeftButton);
    settle();
    QWidget* spreads = openForm(workspace, QStringLiteral("frmTarot"));
    QVERIFY(spreads);
    control<QRadioButton>(spreads, "optOption_3")->click();
    QTest::mouseClick(control<QPushButton>(spreads, "cmdNext"), Qt::LeftButton);
    control<QCheckBox>(spreads, "chkRev")->setChecked(true);
    QTest::mouseClick(control<QPushButton>(spreads, "cmdDeck"), Qt::LeftButton);
    settle();
    QVERIFY(!openForm(workspace, QStringLiteral("frmTarot")));
    QWidget* entry = openForm(workspace, QStringLiteral("frmDeckEntry"));
    QVERIFY(entry);
    QVERIFY(!window->canStartNewReading());
    QApplication::setActiveWindow(window);
    control<QLineEdit>(entry, "txtCard")->setFocus();

    auto* position = control<QLabel>(entry, "lblPosition");
    auto* laid = control<QListWidget>(entry, "lstLaid");
    auto* cards = control<QListWidget>(entry, "lstCards");
    auto* reversed = control<QCheckBox>(entry, "chkReversed");
    QVERIFY(position->text().startsWith(QLatin1String("Position 1 of 3\n")));
    QCOMPARE(cards->count(), 78);
    QVERIFY(reversed->isVisible() && reversed->isEnabled());
    QVERIFY(!control<QPushButton>(entry, "cmdUndo")->isEnabled());

    // Type-ahead: part of the name, in any case; Down picks the next match.
    QTest::keyClicks(control<QLineEdit>(entry, "txtCard"), QStringLiteral("priest"));
    QCOMPARE(listTexts(cards), QStringList{QStringLiteral("The High Priestess")});
    control<QLineEdit>(entry, "txtCard")->clear();
    QTest::keyClicks(control<QLineEdit>(entry, "txtCard"), QStringLiteral("ace of"));
    QCOMPARE(cards->count(), 4);
    QCOMPARE(cards->currentRow(), 0);
    QTest::keyClick(control<QLineEdit>(entry, "txtCard"), Qt::Key_Down);
    QCOMPARE(cards->currentRow(), 1);
    control<QLineEdit>(entry, "txtCard")->clear();

    enterCard(entry, QStringLiteral("high priestess"));
    QCOMPARE(listTexts(laid), QStringList{QStringLiteral("1. The High Priestess")});
    QVERIFY(position->text().startsWith(QLatin1String("Position 2 of 3\n")));
    QCOMPARE(cards->count(), 77);
    enterCard(entry, QStringLiteral("Temperance"), true);
    QCOMPARE(listTexts(laid).last(), QStringLiteral("2. Temperance (reversed)"));
    QVERIFY(!reversed->isChecked());

    // Back takes the last card up again: its position is the next one, and the card can be had again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
    QTRY_COMPARE(laid->count(), 1);
    QVERIFY(position->text().startsWith(QLatin1String("Position 2 of 3\n")));
    QCOMPARE(cards->count(), 77);
    QVERIFY(QApplication::focusWidget() == control<QLineEdit>(entry, "txtCard"));

    // A card already laid is refused with the reason, and nothing is laid.
    enterCard(entry, QStringLiteral("The High Priestess"));
    QCOMPARE(laid->count(), 1);
    QCOMPARE(control<QLabel>(entry, "lblMessage")->text(),
             QStringLiteral("The High Priestess already lies on position 1."));
    QVERIFY(openForm(workspace, QStringLiteral("frmDeckEntry")));

    enterCard(entry, QStringLiteral("Temperance"), true);
    QVERIFY(control<QLabel>(entry, "lblMessage")->text().isEmpty());
    enterCard(entry, QStringLiteral("Ace of Cups"));
    settle();

    // The reading lies on the card table, is composed and kept as an automatic one is.
    QVERIFY(!openForm(workspace, QStringLiteral("frmDeckEntry")));
    QCOMPARE(window->readingState(), MainWindow::ReadingState::Fresh);
    const auto* table = workspace->findChild<CardTable*>(QStringLiteral("frmAuto"));
    QVERIFY(table);
    const QList<LaidCard> expected{{13, false}, {5, true}, {57, false}};
    QCOMPARE(laidCards(table, 3), expected);
    const QString text = window->readingPane()->displayedText().plainText();
    QVERIFY(text.contains(QLatin1String("Temperance - Reversed")));
    QVERIFY(text.contains(QLatin1String("The High Priestess")));
    QVERIFY(!text.contains(QLatin1String("The High Priestess - Reversed")));
    const auto temp = readRecordFile(fixture.folder.tempRecord());
    QVERIFY(temp.ok());
    QCOMPARE(temp->spreadName, QStringLiteral("Three Cards"));
    QCOMPARE(temp->cards, (QList<RecordCard>{{13, false}, {5, true}, {57, false}}));

    // Saved under Miscellaneous, then reopened after Start Again with the same cards lying the same way.
    QTest::mouseClick(control<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    QWidget* dialog = topLevel(QStringLiteral("frmSaveReading"));
    QVERIFY(dialog);
    QTest::mouseClick(control<QRadioButton>(dialog, "optUnderMisc"), Qt::LeftButton);
    QTest::keyClicks(control<QPlainTextEdit>(dialog, "txtDesc"), QStringLiteral("My own deck"));
    QTest::mouseClick(control<QPushButton>(dialog, "cmdSaveReading"), Qt::LeftButton);
    settle();
    QCOMPARE(fixture.notifier.texts().last(), QStringLiteral("Your Reading has been Saved Successfully"));
    const QStringList saved = fixture.entries(QStringLiteral("misc"));
    QCOMPARE(saved.size(), 1);

    QTest::mouseClick(control<QPushButton>(window, "cmdRestart"), Qt::LeftButton);
    settle();
    QCOMPARE(window->readingState(), MainWindow::ReadingState::None);
    QVERIFY(!workspace->findChild<CardTable*>(QStringLiteral("frmAuto")));
    QCOMPARE(window->showSavedReadingFile(fixture.folder.path(QStringLiteral("misc/") + saved.first())), QString());
    settle();
    QCOMPARE(window->readingState(), MainWindow::ReadingState::Reopened);
    const auto* reopened = workspace->findChild<CardTable*>(QStringLiteral("frmReading"));
    QVERIFY(reopened);
    QCOMPARE(laidCards(reopened, 3), expected);
    const auto record = readRecordFile(fixture.folder.path(QStringLiteral("misc/") + saved.first()));
    QVERIFY(record.ok());
    QCOMPARE(record->querentName, QStringLiteral("Jane"));
    QCOMPARE(record->description(), QStringLiteral("My own deck"));
}

// The crossing card cannot be turned, the choice holds the major arcana only, and Back to Main leaves without a
// reading.
void DeckEntryTest::crossingCardAndArcanaLimit()
{
    PanelFixture fixture;
    MainWindow window(fixture.context);
    window.show();
    fixture.reading.resetForNewCast();
    chooseCast(fixture.reading, *SpreadCatalogue::instance().byKey(QStringLiteral("Celtic Cross")),
               CastOptions{false, true, true}, CastWay::FromDeck);
    window.deckEntryOpener()(fixture.context, window);
    QWidget* entry = openForm(window.workspace(), QStringLiteral("frmDeckEntry"));
    QVERIFY(entry);
    auto* deckEntry = qobject_cast<DeckEntry*>(entry);
    QVERIFY(deckEntry);
    auto* field = control<QLineEdit>(entry, "txtCard");
    auto* cards = control<QListWidget>(entry, "lstCards");
    auto* reversed = control<QCheckBox>(entry, "chkReversed");
    QCOMPARE(cards->count(), 22);
    QVERIFY(!listTexts(cards).contains(QStringLiteral("Ace of Cups")));

    field->setText(QStringLiteral("Ace of Cups"));
    QVERIFY(!deckEntry->placeCard());
    QCOMPARE(control<QLabel>(entry, "lblMessage")->text(), QStringLiteral("Ace of Cups is not in the major arcana."));
    QCOMPARE(deckEntry->cast()->placedCount(), 0);

    field->setText(QStringLiteral("The Fool"));
    reversed->setChecked(true);
    QVERIFY(deckEntry->placeCard());
    QVERIFY(deckEntry->cast()->isReversed(0));
    // The crossing card: Reversed is not offered, and stays unticked.
    QVERIFY(reversed->isVisible());
    QVERIFY(!reversed->isEnabled());
    QVERIFY(!reversed->isChecked());
    field->setText(QStringLiteral("The Sun"));
    QVERIFY(deckEntry->placeCard());
    QVERIFY(!deckEntry->cast()->isReversed(1));
    QVERIFY(reversed->isEnabled());

    QTest::mouseClick(control<QPushButton>(entry, "cmdMain"), Qt::LeftButton);
    settle();
    QVERIFY(!openForm(window.workspace(), QStringLiteral("frmDeckEntry")));
    QVERIFY(openForm(window.workspace(), QStringLiteral("frmFront")));
    QVERIFY(!window.workspace()->findChild<CardTable*>(QStringLiteral("frmAuto")));
    QCOMPARE(window.readingState(), MainWindow::ReadingState::None);
}

QTEST_MAIN(DeckEntryTest)
#include "tst_deckentry.moc"
