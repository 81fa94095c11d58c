#include "TestSupport.h"

#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

// True when the widget and all its parents up to the screen are shown and it lies wholly inside the screen.
bool seenOnScreen(QWidget* widget, QWidget* screen)
{
    for (QWidget* w = widget; w && w != screen; w = w->parentWidget()) {
        if (!w->isVisible())
            return false;
    }
    const QRect onScreen(widget->mapTo(screen, QPoint(0, 0)), widget->size());
    return screen->rect().contains(onScreen);
}

// Presses Tab `steps` times from the current focus; every stop must be seen on the screen. Returns the names of
// the stops.
QStringList walkTabChain(QWidget* screen, int steps)
{
    QStringList stops;
    for (int step = 0; step < steps; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (!now || !screen->isAncestorOf(now))
            break;
        stops.append(now->objectName());
        if (!seenOnScreen(now, screen)) {
            qWarning("Tab stop %d (%s) cannot be seen", step + 1, qPrintable(now->objectName()));
            return {};
        }
    }
    return stops;
}

struct Program
{
    Program()
    {
        window.resize(1280, 800);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    TestApp app;
    MainWindow window{app.context};
};

} // namespace

class TestFocus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void detailsScreenStopsAreVisible();
    void spreadScreenStopsAreVisible_data();
    void spreadScreenStopsAreVisible();
    void manualBoardStopsAreVisible();
};

void TestFocus::detailsScreenStopsAreVisible()
{
    Program p;
    DetailsScreen* screen = p.window.showDetailsScreen();
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    screen->focusName();
    const QStringList stops = walkTabChain(screen, 30);
    QVERIFY(!stops.isEmpty());
    QVERIFY(!stops.contains(QStringLiteral("cmdNext")));
    QVERIFY(!stops.contains(QStringLiteral("cmdCancel")));
    // The chain comes round to the name box again, so every control was passed.
    QVERIFY(stops.contains(QStringLiteral("txtName")));
    QVERIFY(stops.contains(QStringLiteral("cmdReading")));
}

void TestFocus::spreadScreenStopsAreVisible_data()
{
    QTest::addColumn<bool>("optionsPage");
    QTest::addColumn<QStringList>("hiddenCommands");
    QTest::newRow("spread page") << false << QStringList{QStringLiteral("cmdBack1")};
    QTest::newRow("options page") << true
                                  << QStringList{QStringLiteral("cmdBack"), QStringLiteral("cmdCancel"),
                                                 QStringLiteral("cmdPrev")};
}

void TestFocus::spreadScreenStopsAreVisible()
{
    QFETCH(bool, optionsPage);
    QFETCH(QStringList, hiddenCommands);
    Program p;
    SpreadScreen* screen = p.window.showSpreadScreen();
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    if (optionsPage) {
        screen->showOptionsPage();
        screen->findChild<QPushButton*>(QStringLiteral("cmdAuto"))->setFocus();
    } else {
        screen->optionButton(0)->setFocus();
    }
    const QStringList stops = walkTabChain(screen, 30);
    // The hidden commands keep their places in the tab order and are seen while they have the focus.
    for (const QString& name : hiddenCommands)
        QVERIFY2(stops.contains(name), qPrintable(stops.join(u' ')));

    // Away from the focus they go back below the visible area, out of the mouse's reach.
    screen->findChild<QPushButton*>(optionsPage ? QStringLiteral("cmdAuto") : QStringLiteral("cmdNext"))->setFocus();
    for (const QString& name : hiddenCommands)
        QVERIFY2(screen->findChild<QPushButton*>(name)->y() >= screen->height(), qPrintable(name));
}

void TestFocus::manualBoardStopsAreVisible()
{
    Program p;
    const Spread* spread = SpreadCatalogue::instance().byKey(u"Three Cards");
    CurrentReading& reading = p.app.reading;
    reading.resetForNewCast();
    chooseCast(reading, *spread, CastOptions{}, CastWay::Manual);
    QVERIFY(QTest::qWaitForWindowActive(&p.window));
    ManualBoard* board = openManualBoard(p.app.context, p.window);
    QPointer<ManualBoard> watched(board);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(0));

    const QStringList stops = walkTabChain(board, 6);
    QVERIFY(stops.contains(QStringLiteral("cmdBack")));
    QVERIFY(stops.contains(QStringLiteral("cmdCancel")));

    // Back to the cards: the arrow keys and Space still pick, and the commands are out of sight again.
    board->faceDownCard(0)->setFocus();
    for (const char* name : {"cmdBack", "cmdCancel"})
        QVERIFY(!board->rect().intersects(board->findChild<QPushButton*>(QString::fromLatin1(name))->geometry()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), board->faceDownCard(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(board->picksMade(), 1);
    QVERIFY(!watched.isNull());
}

QTEST_MAIN(TestFocus)
#include "tst_focus.moc"
