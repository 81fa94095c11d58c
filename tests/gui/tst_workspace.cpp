#include "TableTestSupport.h"
#include "TestSupport.h"

#include "app/DesktopServices.h"
#include "content/SpreadCatalogue.h"
#include "screens/AboutBox.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "screens/SaveReadingDialog.h"
#include "screens/SpreadScreen.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

constexpr int kPanelWidth = 3735 / 15;

QAction* newReadingAction(MainWindow& window)
{
    return window.findChild<QAction*>(QStringLiteral("mnuNewReading"));
}

// A stand-in for a card table or board: the main window only needs its name.
void openStandIn(MainWindow& window, const QString& name)
{
    auto* form = new QWidget;
    form->setObjectName(name);
    form->setFixedSize(100, 100);
    openFormInWorkspace(window.workspace(), form)->show();
}

bool isOpen(MainWindow& window, const char* name)
{
    return openForm(window.workspace(), QString::fromLatin1(name)) != nullptr;
}

// What a dialog's title bar may offer: a close box, never minimise or maximise.
void verifyOnlyCloseBox(QWidget* dialog)
{
    QVERIFY(dialog);
    const Qt::WindowFlags flags = dialog->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Dialog);
    QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
}

// Drags the handle between workspace and right panel by dx pixels.
void dragSplitter(QSplitter* splitter, int dx)
{
    QWidget* handle = splitter->handle(1);
    const QPoint start = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, start);
    QTest::mouseMove(handle, start + QPoint(dx, 0));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, start + QPoint(dx, 0));
}

} // namespace

class TestWorkspace : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dialogsOfferOnlyACloseBox_data();
    void dialogsOfferOnlyACloseBox();
    void newReadingLeavesTheEmptyWindow();
    void newReadingOnlyWhenNoScreenIsOpen_data();
    void newReadingOnlyWhenNoScreenIsOpen();
    void readingPanelCanBeWidened();
    void readingPanelWidthIsRemembered_data();
    void readingPanelWidthIsRemembered();
    void cardTableCannotBeLost();
    void tallTableOpensAtItsFirstPosition();
    void initTestCase();
    void fittedTableFillsTheWorkspace_data();
    void fittedTableFillsTheWorkspace();
    void fittedTableFollowsTheWorkspace();
    void fitTableIsRemembered();

private:
    // One deck of marked pictures at the card size and at twice it, shared by the tests that look at pictures.
    QTemporaryDir m_deckDir;
};

void TestWorkspace::dialogsOfferOnlyACloseBox_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("About box") << QStringLiteral("about");
    QTest::newRow("save dialog") << QStringLiteral("save");
    QTest::newRow("message box") << QStringLiteral("message");
}

void TestWorkspace::dialogsOfferOnlyACloseBox()
{
    QFETCH(QString, dialog);
    TestApp app;
    MainWindow window(app.context);
    window.show();
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        verifyOnlyCloseBox(modal);
        checked = true;
        if (modal)
            modal->close();
    });
    if (dialog == QLatin1String("about")) {
        window.showAboutBox();
    } else if (dialog == QLatin1String("save")) {
        SaveReadingDialog save(app.context, &window);
        save.exec();
    } else {
        MessageBoxNotifier notifier;
        notifier.show(&window, Notifier::Icon::Error, QStringLiteral("Quillmere"), QStringLiteral("A message"));
    }
    QVERIFY(checked);
}

void TestWorkspace::newReadingLeavesTheEmptyWindow()
{
    TestApp app;
    MainWindow window(app.context);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QAction* newReading = newReadingAction(window);
    QVERIFY(newReading);
    QCOMPARE(newReading->text(), QStringLiteral("&New Reading"));
    QCOMPARE(newReading->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));

    DetailsScreen* details = window.showDetailsScreen();
    QVERIFY(!newReading->isEnabled());
    // Exit on the details screen leaves the empty window, from which New Reading leads on.
    QTest::keyClick(details->findChild<QLineEdit*>(QStringLiteral("txtName")), Qt::Key_E, Qt::AltModifier);
    QTRY_VERIFY(!isOpen(window, "frmFront"));
    settle();
    QVERIFY(newReading->isEnabled());

    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    settle();
    QVERIFY(isOpen(window, "frmFront"));
    QCOMPARE(window.workspace()->subWindowList().size(), 1);
    QCOMPARE(window.readingState(), MainWindow::ReadingState::None);
    QVERIFY(!window.rightPanel()->isVisible());
    QCOMPARE(window.workspace()->background().color(), QColor(Qt::black));
    QVERIFY(!newReading->isEnabled());
    // Disabled, the shortcut opens nothing more.
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
    newReading->trigger();
    settle();
    QCOMPARE(window.workspace()->subWindowList().size(), 1);
}

void TestWorkspace::newReadingOnlyWhenNoScreenIsOpen_data()
{
    QTest::addColumn<QString>("open");
    QTest::addColumn<bool>("readingShown");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("nothing") << QString() << false << true;
    QTest::newRow("details screen") << QStringLiteral("frmFront") << false << false;
    QTest::newRow("spread screen") << QStringLiteral("frmTarot") << false << false;
    QTest::newRow("manual board, picking") << QStringLiteral("frmManual") << false << false;
    QTest::newRow("a reading on its table") << QStringLiteral("frmAuto") << true << true;
    QTest::newRow("a reopened reading") << QStringLiteral("frmReading") << true << true;
}

void TestWorkspace::newReadingOnlyWhenNoScreenIsOpen()
{
    QFETCH(QString, open);
    QFETCH(bool, readingShown);
    QFETCH(bool, enabled);
    TestApp app;
    MainWindow window(app.context);
    window.show();
    if (open == QLatin1String("frmFront"))
        window.showDetailsScreen();
    else if (open == QLatin1String("frmTarot"))
        window.showSpreadScreen();
    else if (!open.isEmpty())
        openStandIn(window, open);
    if (readingShown)
        window.enterFreshReadingState();
    settle();
    QCOMPARE(newReadingAction(window)->isEnabled(), enabled);
    QCOMPARE(window.canStartNewReading(), enabled);

    newReadingAction(window)->trigger();
    settle();
    if (enabled) {
        // As at start-up: the details screen alone, no reading.
        QVERIFY(isOpen(window, "frmFront"));
        QCOMPARE(window.workspace()->subWindowList().size(), 1);
        QCOMPARE(window.readingState(), MainWindow::ReadingState::None);
    } else {
        QVERIFY(isOpen(window, qPrintable(open)));
    }
}

void TestWorkspace::readingPanelCanBeWidened()
{
    TestApp app;
    MainWindow window(app.context);
    window.resize(1200, 700);
    window.show();
    window.enterFreshReadingState();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* splitter = window.findChild<QSplitter*>(QStringLiteral("splitRight"));
    QVERIFY(splitter);
    QWidget* panel = window.rightPanel();
    QCOMPARE(panel->width(), kPanelWidth);

    dragSplitter(splitter, -200);
    QTRY_COMPARE(panel->width(), kPanelWidth + 200);
    // The buttons take the panel's width; the pane keeps its small gap to the edge.
    for (const char* name : {"cmdRestart", "cmdSave", "cmdExit"})
        QCOMPARE(window.findChild<QPushButton*>(QString::fromLatin1(name))->width(), panel->width());
    QCOMPARE(window.readingPane()->width(), panel->width() - (3735 / 15 - 3645 / 15));
    // The workspace ends where the panel begins: they never overlap.
    QCOMPARE(window.workspace()->geometry().right() + splitter->handleWidth() + 1, panel->x());

    // A wider or narrower window keeps the chosen width.
    window.resize(1000, 700);
    QTRY_COMPARE(splitter->width(), 1000);
    QCOMPARE(panel->width(), kPanelWidth + 200);
    QCOMPARE(app.settings.value(QStringLiteral("window/readingPanelWidth")).toInt(), kPanelWidth + 200);

    // Narrower than its design width it never gets.
    dragSplitter(splitter, 400);
    QTRY_COMPARE(panel->width(), kPanelWidth);
    QCOMPARE(app.settings.value(QStringLiteral("window/readingPanelWidth")).toInt(), kPanelWidth);
}

void TestWorkspace::readingPanelWidthIsRemembered_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<int>("shown");
    QTest::newRow("nothing stored") << QVariant() << kPanelWidth;
    QTest::newRow("a wider panel") << QVariant(420) << 420;
    QTest::newRow("narrower than designed") << QVariant(100) << kPanelWidth;
    QTest::newRow("not a number") << QVariant(QStringLiteral("wide")) << kPanelWidth;
    QTest::newRow("wider than the window") << QVariant(5000) << 1200 - 6 - 240;
}

void TestWorkspace::readingPanelWidthIsRemembered()
{
    QFETCH(QVariant, stored);
    QFETCH(int, shown);
    TestApp app;
    if (stored.isValid())
        app.settings.setValue(QStringLiteral("window/readingPanelWidth"), stored);
    MainWindow window(app.context);
    window.resize(1200, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.enterReopenedReadingState();
    QTRY_COMPARE(window.rightPanel()->width(), shown);
    QVERIFY(window.rightPanel()->width() >= kPanelWidth);
}

namespace {

// A table laid out for the spread with empty boxes, in the window's workspace.
QMdiSubWindow* openTable(TestApp& app, MainWindow& window, const QString& spreadKey)
{
    const Spread* spread = SpreadCatalogue::instance().byKey(spreadKey);
    auto* table = new CardTable(app.folder);
    table->setObjectName(QStringLiteral("frmAuto"));
    for (int k = 0; k < spread->cardCount(); ++k)
        table->placeCard(spread, k, k, false);
    table->sizeToCards(spread, spread->cardCount());
    window.enterFreshReadingState();
    return showCardTable(window.workspace(), table);
}

bool insideWorkspace(MainWindow& window, QWidget* tableWindow)
{
    return window.workspace()->viewport()->rect().contains(tableWindow->geometry());
}

const QColor kField(200, 200, 200);

// The app's old cards folder becomes the marked deck (rN.png with a light field, rN@2x.png a shade darker).
void useMarkedDeck(TestApp& app, const QString& deck)
{
    const QString cards = app.folder.cardsFolder();
    QDir(cards).removeRecursively();
    QVERIFY(QFile::link(deck, cards));
}

CardTable* tableIn(QMdiSubWindow* tableWindow)
{
    auto* area = qobject_cast<QScrollArea*>(tableWindow->widget());
    return area ? qobject_cast<CardTable*>(area->widget()) : nullptr;
}

// Where a box, its number and the number's font are, as drawn.
struct BoxLayout
{
    QRect box;
    QRect number;
    qreal numberPoints;
};

QList<BoxLayout> layoutOf(const CardTable& table, int cardCount)
{
    QList<BoxLayout> layout;
    for (int k = 0; k < cardCount; ++k) {
        const CardBox* box = table.box(k);
        layout.append({box->geometry(), box->numberLabel()->geometry(), box->numberLabel()->font().pointSizeF()});
    }
    return layout;
}

// The field of a marked picture, away from its red quarter, its corner block and its number, as the card lies.
QColor fieldColour(const CardBox& box)
{
    const QImage& picture = box.picture();
    const QPoint field = box.isQuarterTurned() ? QPoint(picture.width() * 3 / 4, picture.height() * 3 / 4)
                                               : QPoint(picture.width() * 3 / 4, picture.height() / 4);
    return picture.pixelColor(field);
}

bool nearColour(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
}

bool within(double shown, double expected, double tolerance = 1)
{
    return qAbs(shown - expected) <= tolerance;
}

// The table fits the workspace: its window inside the visible part, no scroll bar, the whole table in view and
// as large as the room allows in one direction (or at the largest scale).
void verifyFitted(MainWindow& window, QMdiSubWindow* tableWindow)
{
    CardTable* table = tableIn(tableWindow);
    auto* area = qobject_cast<QScrollArea*>(tableWindow->widget());
    QVERIFY2(insideWorkspace(window, tableWindow),
             qPrintable(QStringLiteral("%1x%2 in %3x%4")
                            .arg(tableWindow->width())
                            .arg(tableWindow->height())
                            .arg(window.workspace()->viewport()->width())
                            .arg(window.workspace()->viewport()->height())));
    QVERIFY(!area->horizontalScrollBar()->isVisible());
    QVERIFY(!area->verticalScrollBar()->isVisible());
    QVERIFY(area->viewport()->rect().contains(table->geometry()));
    const QSize room = window.workspace()->viewport()->size();
    QVERIFY2(table->scale() == kMaxFittedTableScale || tableWindow->width() >= room.width() - 1
                 || tableWindow->height() >= room.height() - 1,
             qPrintable(QStringLiteral("scale %1").arg(table->scale())));
    // In proportion.
    const QSize design = table->designSize();
    QVERIFY(within(table->width(), design.width() * table->scale()));
    QVERIFY(within(table->height(), design.height() * table->scale()));
}

} // namespace

void TestWorkspace::cardTableCannotBeLost()
{
    TestApp app;
    MainWindow window(app.context);
    window.resize(1366, 740);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QMdiSubWindow* tableWindow = openTable(app, window, QStringLiteral("Celtic Cross"));
    QPointer<QMdiSubWindow> watched(tableWindow);
    const Qt::WindowFlags flags = tableWindow->windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowSystemMenuHint));
    for (const QKeySequence& keys : {QKeySequence(QKeySequence::Close), QKeySequence(Qt::CTRL | Qt::Key_F4)}) {
        tableWindow->setFocus();
        QTest::keySequence(tableWindow, keys);
        settle();
        QVERIFY(!watched.isNull());
        QVERIFY(tableWindow->isVisible());
    }
    QVERIFY(insideWorkspace(window, tableWindow));

    // A wider reading panel narrows the workspace; the table's window follows and scrolls instead of sliding
    // under the panel.
    auto* splitter = window.findChild<QSplitter*>(QStringLiteral("splitRight"));
    dragSplitter(splitter, -500);
    QTRY_VERIFY(window.rightPanel()->width() > kPanelWidth + 400);
    QTRY_VERIFY(insideWorkspace(window, tableWindow));
    window.resize(800, 600);
    QTRY_VERIFY(insideWorkspace(window, tableWindow));

    // Start Again still closes it.
    window.startAgain();
    settle();
    QVERIFY(watched.isNull());
}

void TestWorkspace::tallTableOpensAtItsFirstPosition()
{
    TestApp app;
    MainWindow window(app.context);
    window.resize(1366, 740);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QMdiSubWindow* tableWindow = openTable(app, window, QStringLiteral("Seven Card Chakra Layout"));
    auto* area = qobject_cast<QScrollArea*>(tableWindow->widget());
    QVERIFY(area);
    auto* table = area->findChild<CardTable*>(QStringLiteral("frmAuto"));
    // The column is taller than the workspace, so it scrolls, and opens with position 1, at its foot, in view.
    QVERIFY(area->verticalScrollBar()->maximum() > 0);
    const QRect first(table->box(0)->mapTo(area->viewport(), QPoint(0, 0)), table->box(0)->size());
    QVERIFY2(area->viewport()->rect().contains(first),
             qPrintable(QStringLiteral("%1,%2").arg(first.y()).arg(area->viewport()->height())));
}

void TestWorkspace::initTestCase()
{
    QVERIFY(m_deckDir.isValid());
    quillmere::testing::writeMarkedDeck(m_deckDir.path(), kField, true);
}

void TestWorkspace::fittedTableFillsTheWorkspace_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QSize>("windowSize");
    for (const QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        for (const char* spread :
             {"Celtic Cross", "The Line Spread", "Four Seasons Spread(Cortese/Reed)", "Seven Card Chakra Layout"}) {
            QTest::addRow("%s, %dx%d", spread, size.width(), size.height()) << QString::fromLatin1(spread) << size;
        }
    }
}

// Off, the table lies exactly as designed; on, the whole of it is scaled into the workspace in proportion, boxes,
// numbers and all, with pictures sharp at their new size; off again, the design layout is back to the pixel.
void TestWorkspace::fittedTableFillsTheWorkspace()
{
    QFETCH(QString, spread);
    QFETCH(QSize, windowSize);
    TestApp app;
    useMarkedDeck(app, m_deckDir.path());
    MainWindow window(app.context);
    window.resize(windowSize);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* fit = window.findChild<QAction*>(QStringLiteral("mnuFitTable"));
    QVERIFY(fit);
    QVERIFY(fit->isCheckable());
    QVERIFY(!fit->isChecked());
    QCOMPARE(fit->text(), QStringLiteral("&Fit Table to Window"));
    QVERIFY(window.findChild<QMenu*>(QStringLiteral("mnuView"))->actions().contains(fit));

    QMdiSubWindow* tableWindow = openTable(app, window, spread);
    settle();
    CardTable* table = tableIn(tableWindow);
    QVERIFY(table);
    const Spread* catalogue = SpreadCatalogue::instance().byKey(spread);
    const int count = catalogue->cardCount();
    const QSize design = table->designSize();
    QCOMPARE(table->size(), design);
    QCOMPARE(table->scale(), 1.0);
    const QList<BoxLayout> designed = layoutOf(*table, count);
    for (int k = 0; k < count; ++k) {
        const TwipsPoint place = catalogue->position(k)->place;
        const QSize card = table->box(k)->isQuarterTurned() ? kCardPictureSize.transposed() : kCardPictureSize;
        QCOMPARE(designed[k].box, QRect(QPoint(twipsToPixels(place.left), twipsToPixels(place.top)), card));
        QCOMPARE(designed[k].numberPoints, positionLabelFont().pointSizeF());
        QVERIFY(nearColour(fieldColour(*table->box(k)), kField));
    }

    fit->trigger();
    settle();
    QVERIFY(window.fitsTableToWindow());
    const double scale = table->scale();
    QVERIFY(scale != 1.0);
    verifyFitted(window, tableWindow);
    const qreal ratio = table->devicePixelRatioF();
    for (int k = 0; k < count; ++k) {
        const CardBox* box = table->box(k);
        const BoxLayout& was = designed[k];
        const QRect now = box->geometry();
        QVERIFY2(within(now.x(), was.box.x() * scale) && within(now.y(), was.box.y() * scale)
                     && within(now.width(), was.box.width() * scale) && within(now.height(), was.box.height() * scale),
                 qPrintable(QStringLiteral("position %1 at scale %2").arg(k + 1).arg(scale)));
        const QRect number = box->numberLabel()->geometry();
        QVERIFY(within(number.x(), was.number.x() * scale) && within(number.width(), was.number.width() * scale)
                && within(number.height(), was.number.height() * scale));
        QVERIFY(qFuzzyCompare(box->numberLabel()->font().pointSizeF(), was.numberPoints * scale));
        // Read for the size shown and the screen's pixels, from the larger file where those need more pixels.
        QCOMPARE(box->picture().size(), now.size() * ratio);
        QCOMPARE(box->picture().devicePixelRatio(), ratio);
        QVERIFY2(nearColour(fieldColour(*box), scale * ratio > 1 ? kField.darker(150) : kField),
                 qPrintable(fieldColour(*box).name()));
    }

    fit->trigger();
    settle();
    QVERIFY(!window.fitsTableToWindow());
    QCOMPARE(table->scale(), 1.0);
    QCOMPARE(table->size(), design);
    for (int k = 0; k < count; ++k) {
        const CardBox* box = table->box(k);
        QCOMPARE(box->geometry(), designed[k].box);
        QCOMPARE(box->numberLabel()->geometry(), designed[k].number);
        QCOMPARE(box->numberLabel()->font().pointSizeF(), designed[k].numberPoints);
        QCOMPARE(box->picture().size(), designed[k].box.size() * ratio);
        QVERIFY(nearColour(fieldColour(*box), kField));
    }
}

// Resizing the window or moving the splitter fits the table again; so does a table that grows as cards are laid.
void TestWorkspace::fittedTableFollowsTheWorkspace()
{
    TestApp app;
    useMarkedDeck(app, m_deckDir.path());
    MainWindow window(app.context);
    window.resize(1366, 768);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.setFitTableToWindow(true);
    QMdiSubWindow* tableWindow = openTable(app, window, QStringLiteral("The Line Spread"));
    settle();
    CardTable* table = tableIn(tableWindow);
    verifyFitted(window, tableWindow);
    const double wide = table->scale();

    auto* splitter = window.findChild<QSplitter*>(QStringLiteral("splitRight"));
    // Narrower than the table needs at its present scale.
    dragSplitter(splitter, -600);
    QTRY_VERIFY(window.rightPanel()->width() > kPanelWidth + 500);
    settle();
    verifyFitted(window, tableWindow);
    QVERIFY(table->scale() < wide);

    window.resize(1920, 1080);
    QTRY_COMPARE(splitter->width(), 1920);
    settle();
    verifyFitted(window, tableWindow);
    QVERIFY(table->scale() > wide);

    // A table laid card by card, as on the manual board, keeps fitting while it grows.
    window.startAgain();
    settle();
    auto* growing = new CardTable(app.folder);
    growing->setObjectName(QStringLiteral("frmAuto"));
    window.enterFreshReadingState();
    QMdiSubWindow* growingWindow = showCardTable(window.workspace(), growing);
    const Spread* cross = SpreadCatalogue::instance().byKey(u"Celtic Cross");
    for (int k = 0; k < cross->cardCount(); ++k) {
        growing->placeCard(cross, k, k, false);
        growing->sizeToCards(cross, cross->cardCount());
        settle();
        verifyFitted(window, growingWindow);
    }
}

// The choice is remembered for the next start, and so is taking it back.
void TestWorkspace::fitTableIsRemembered()
{
    TestApp app;
    const QString key = QStringLiteral("view/fitTableToWindow");
    {
        MainWindow window(app.context);
        QVERIFY(!window.fitsTableToWindow());
        QVERIFY(!tablesFitWorkspace(window.workspace()));
        QVERIFY(!app.settings.contains(key));
        window.findChild<QAction*>(QStringLiteral("mnuFitTable"))->trigger();
        QVERIFY(tablesFitWorkspace(window.workspace()));
    }
    QCOMPARE(ProgramSettings(app.settings.fileName()).value(key).toBool(), true);
    {
        MainWindow window(app.context);
        window.resize(1366, 768);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.findChild<QAction*>(QStringLiteral("mnuFitTable"))->isChecked());
        QMdiSubWindow* tableWindow = openTable(app, window, QStringLiteral("Celtic Cross"));
        settle();
        QVERIFY(tableIn(tableWindow)->scale() != 1.0);
        verifyFitted(window, tableWindow);
        window.findChild<QAction*>(QStringLiteral("mnuFitTable"))->trigger();
        QCOMPARE(tableIn(tableWindow)->scale(), 1.0);
    }
    QCOMPARE(ProgramSettings(app.settings.fileName()).value(key).toBool(), false);
    MainWindow window(app.context);
    QVERIFY(!window.fitsTableToWindow());
    QVERIFY(!tablesFitWorkspace(window.workspace()));
}

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
