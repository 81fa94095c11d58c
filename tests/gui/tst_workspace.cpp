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
#include "table/CardTable.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
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
        table->placeCard(spread->name, k, k, false);
    table->sizeToCards(spread->cardCount());
    window.enterFreshReadingState();
    return showCardTable(window.workspace(), table);
}

bool insideWorkspace(MainWindow& window, QWidget* tableWindow)
{
    return window.workspace()->viewport()->rect().contains(tableWindow->geometry());
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

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
