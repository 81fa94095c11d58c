#include "TestSupport.h"

#include "screens/AboutBox.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "screens/SpreadScreen.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

const QString kSite = QStringLiteral("https://quillmere.example.org");

QPushButton* button(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(QString::fromLatin1(name));
}

// A stand-in for a card table or board: the main window only needs its name to close it.
void openStandIn(MainWindow& window, const QString& name)
{
    auto* form = new QWidget;
    form->setObjectName(name);
    form->setFixedSize(100, 100);
    openFormInWorkspace(window.workspace(), form)->show();
}

StyledText sampleText()
{
    StyledText text;
    StyledTextWriter out(text);
    out.setColour(colours::kNavy);
    out.setBold(true);
    out.write(QStringLiteral("A reading\r\n"));
    out.setBold(false);
    out.write(QStringLiteral("for you\r\n"));
    return text;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowAndMenus();
    void shutdownByEveryRoute_data();
    void shutdownByEveryRoute();
    void shutdownWithoutReading();
    void rightPanelLayout();
    void startAgainReturnsToNoReading();
    void readingStatesAndSave();
    void helpPages_data();
    void helpPages();
    void aboutBox();
};

void TestMainWindow::windowAndMenus()
{
    TestApp app;
    MainWindow window(app.context);
    QCOMPARE(window.objectName(), QStringLiteral("frmMDI"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Quillmere v1.0"));
    const QList<QPair<const char*, QString>> captions = {
        {"mnuExit", QStringLiteral("E&xit")},
        {"mnuOnline", QStringLiteral("&Online Help")},
        {"mnuVisit", QStringLiteral("&Visit Us Online")},
        {"mnuAbout", QStringLiteral("&About Software")},
    };
    for (const auto& [name, caption] : captions) {
        QVERIFY2(action(&window, name), name);
        QCOMPARE(action(&window, name)->text(), caption);
    }
    QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&File"));
    QCOMPARE(window.findChild<QMenu*>(QStringLiteral("mnuHelp"))->title(), QStringLiteral("&Help"));
    QCOMPARE(button(&window, "cmdRestart")->text(), QStringLiteral("Start Again"));
    QCOMPARE(button(&window, "cmdSave")->text(), QStringLiteral("Save This Reading"));
    QCOMPARE(button(&window, "cmdExit")->text(), QStringLiteral("Exit"));
    const QPalette savePalette = button(&window, "cmdSave")->palette();
    QCOMPARE(savePalette.color(QPalette::Active, QPalette::Button), QColor(255, 199, 6));
    // Disabled, Save must look disabled rather than like the live gold buttons.
    QVERIFY(savePalette.color(QPalette::Disabled, QPalette::ButtonText)
            != savePalette.color(QPalette::Active, QPalette::ButtonText));
    QVERIFY(button(&window, "cmdSave")->font().bold());
    QCOMPARE(window.rightPanel()->objectName(), QStringLiteral("picRight"));
    QCOMPARE(window.rightPanel()->width(), 3735 / 15);
}

void TestMainWindow::shutdownByEveryRoute_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("site");
    for (const QString& route : {QStringLiteral("Exit button"), QStringLiteral("File Exit"),
                                 QStringLiteral("close box"), QStringLiteral("spread screen Exit")}) {
        QTest::newRow(qPrintable(route + QStringLiteral(", no site"))) << route << QString();
        QTest::newRow(qPrintable(route + QStringLiteral(", site"))) << route << kSite;
    }
}

void TestMainWindow::shutdownByEveryRoute()
{
    QFETCH(QString, route);
    QFETCH(QString, site);

    TestApp app(site);
    writeFile(app.folder.profileStore(), "Jane\r\n");
    writeFile(app.folder.tempRecord(), "\"name\",\"Jane\"\r\n");
    QDir(app.folder.root()).mkpath(QStringLiteral("misc"));
    const QString saved = app.folder.path(QStringLiteral("misc/12092026213005"));
    writeFile(saved, "\"name\",\"Jane\"\r\n");

    MainWindow window(app.context);
    window.show();
    window.showDetailsScreen();
    SpreadScreen* spread = window.showSpreadScreen();
    openStandIn(window, QStringLiteral("frmAuto"));
    app.reading.cards = {{3, false}, {8, true}, {12, false}};
    window.setReadingText(sampleText());
    window.enterFreshReadingState();

    if (route == QLatin1String("Exit button")) {
        QTest::mouseClick(button(&window, "cmdExit"), Qt::LeftButton);
    } else if (route == QLatin1String("File Exit")) {
        action(&window, "mnuExit")->trigger();
    } else if (route == QLatin1String("close box")) {
        window.close();
    } else {
        spread->showOptionsPage();
        QPushButton* cancel = spread->findChild<QPushButton*>(QStringLiteral("cmdCancel"));
        cancel->setFocus();
        QTest::keyClick(cancel, Qt::Key_Space);
    }
    settle();

    QVERIFY(!window.isVisible());
    QVERIFY(!QFile::exists(app.folder.tempRecord()));
    QVERIFY(QFile::exists(saved));
    QVERIFY(QFile::exists(app.folder.profileStore()));
    QVERIFY(app.reading.reversedCardIndices().isEmpty());
    QVERIFY(window.workspace()->subWindowList().isEmpty());
    QCOMPARE(window.readingState(), MainWindow::ReadingState::None);
    if (site.isEmpty())
        QVERIFY(app.urlOpener.urls.isEmpty());
    else
        QCOMPARE(app.urlOpener.urls, QList<QUrl>{QUrl(kSite + QStringLiteral("/thankyou-for-using-quillmere.php"))});
    QVERIFY(app.notifier.messages.isEmpty());
}

void TestMainWindow::shutdownWithoutReading()
{
    TestApp app(kSite + QStringLiteral("/"));
    MainWindow window(app.context);
    window.show();
    window.showDetailsScreen();
    window.close();
    settle();
    QVERIFY(!QFile::exists(app.folder.tempRecord()));
    QCOMPARE(app.urlOpener.urls, QList<QUrl>{QUrl(kSite + QStringLiteral("/thankyou-for-using-quillmere.php"))});
}

void TestMainWindow::rightPanelLayout()
{
    TestApp app;
    MainWindow window(app.context);
    window.resize(1000, 700);
    window.show();
    window.enterFreshReadingState();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget* panel = window.rightPanel();
    QWidget* pane = window.readingPane();
    QPushButton* exit = button(&window, "cmdExit");
    QCOMPARE(button(&window, "cmdRestart")->geometry(), QRect(0, 0, 249, 33));
    QCOMPARE(button(&window, "cmdSave")->geometry(), QRect(0, 33, 249, 33));
    QCOMPARE(pane->x(), 0);
    QCOMPARE(pane->y(), 66);
    QCOMPARE(pane->width(), 3645 / 15);
    QCOMPARE(exit->y(), pane->geometry().bottom() + 1);
    QCOMPARE(exit->geometry().bottom(), panel->height() - 1);
    QCOMPARE(exit->width(), 249);
    const int normalHeight = pane->height();
    QVERIFY(normalHeight > 300);

    // Too small a window: the pane keeps its height and Exit stays below it.
    window.resize(1000, 1000 / 15);
    QTRY_VERIFY(panel->height() < 100);
    QCOMPARE(pane->height(), normalHeight);
    QCOMPARE(exit->y(), pane->geometry().bottom() + 1);

    window.resize(1000, 600);
    QTRY_COMPARE(exit->geometry().bottom(), panel->height() - 1);
    QVERIFY(pane->height() < normalHeight);
    QCOMPARE(exit->y(), pane->geometry().bottom() + 1);
}

void TestMainWindow::startAgainReturnsToNoReading()
{
    TestApp app;
    MainWindow window(app.context);
    window.show();
    window.showSpreadScreen();
    for (const QString& name : {QStringLiteral("frmAuto"), QStringLiteral("frmManual"), QStringLiteral("frmReading")})
        openStandIn(window, name);
    app.reading.cards = {{4, true}, {9, false}};
    app.reading.querentName = QStringLiteral("Jane");
    window.setReadingText(sampleText());
    window.enterFreshReadingState();

    QTest::mouseClick(button(&window, "cmdRestart"), Qt::LeftButton);
    settle();

    QCOMPARE(window.readingState(), MainWindow::ReadingState::None);
    QVERIFY(!window.rightPanel()->isVisible());
    QCOMPARE(window.workspace()->background().color(), QColor(Qt::black));
    QVERIFY(!button(&window, "cmdSave")->isEnabled());
    QVERIFY(openForm(window.workspace(), QStringLiteral("frmFront")));
    for (const QString& name : {QStringLiteral("frmTarot"), QStringLiteral("frmAuto"), QStringLiteral("frmManual"),
                                QStringLiteral("frmReading")})
        QVERIFY2(!openForm(window.workspace(), name), qPrintable(name));
    QCOMPARE(window.workspace()->subWindowList().size(), 1);
    // Only how the cards lay is forgotten; the pane keeps its text until the next reading.
    QVERIFY(app.reading.reversedCardIndices().isEmpty());
    QCOMPARE(app.reading.cardIndices(), (QList<int>{4, 9}));
    QCOMPARE(app.reading.querentName, QStringLiteral("Jane"));
    QCOMPARE(window.readingPane()->displayedText(), sampleText());
}

void TestMainWindow::readingStatesAndSave()
{
    TestApp app;
    MainWindow window(app.context);
    int saves = 0;
    QWidget* saveParent = nullptr;
    window.setSaveHandler([&](QWidget* parent) {
        ++saves;
        saveParent = parent;
    });
    window.show();
    QPushButton* save = button(&window, "cmdSave");

    window.enterFreshReadingState();
    QCOMPARE(window.readingState(), MainWindow::ReadingState::Fresh);
    QVERIFY(window.rightPanel()->isVisible());
    QCOMPARE(window.workspace()->background().color(), QColor(Qt::white));
    QVERIFY(save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saves, 1);
    QCOMPARE(saveParent, &window);

    window.enterReopenedReadingState();
    QCOMPARE(window.readingState(), MainWindow::ReadingState::Reopened);
    QVERIFY(window.rightPanel()->isVisible());
    QCOMPARE(window.workspace()->background().color(), QColor(Qt::white));
    QVERIFY(!save->isEnabled());
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(saves, 1);
}

void TestMainWindow::helpPages_data()
{
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("expected");
    QTest::newRow("help, site") << kSite << QStringLiteral("mnuOnline") << kSite + QStringLiteral("/quillmere-help/");
    QTest::newRow("visit, site") << kSite << QStringLiteral("mnuVisit") << kSite + QStringLiteral("/");
    QTest::newRow("help, no site") << QString() << QStringLiteral("mnuOnline") << QStringLiteral("help/index.html");
    QTest::newRow("visit, no site") << QString() << QStringLiteral("mnuVisit") << QStringLiteral("help/index.html");
}

void TestMainWindow::helpPages()
{
    QFETCH(QString, site);
    QFETCH(QString, menuItem);
    QFETCH(QString, expected);
    TestApp app(site);
    MainWindow window(app.context);
    window.findChild<QAction*>(menuItem)->trigger();
    QCOMPARE(app.urlOpener.urls.size(), 1);
    const QUrl url = app.urlOpener.urls.first();
    if (site.isEmpty())
        QCOMPARE(url, QUrl::fromLocalFile(app.folder.path(expected)));
    else
        QCOMPARE(url, QUrl(expected));
}

void TestMainWindow::aboutBox()
{
    TestApp app(kSite);
    MainWindow window(app.context);
    window.show();
    window.enterFreshReadingState();

    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->objectName(), QStringLiteral("frmAbout"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Rivod Erarova v1.0"));
        QCOMPARE(box->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("Quillmere v1.0"));
        QVERIFY(box->findChild<QLabel*>(QStringLiteral("Label2"))
                    ->text()
                    .startsWith(QStringLiteral("Quillmere is a completely automated tarot reading software")));
        auto* address = box->findChild<QLabel*>(QStringLiteral("Label3"));
        QCOMPARE(address->text(), kSite);
        QVERIFY(!window.rightPanel()->isEnabled());
        QTest::mouseClick(address, Qt::LeftButton);
        QCOMPARE(app.urlOpener.urls, QList<QUrl>{QUrl(kSite + QStringLiteral("/"))});
        QTest::mouseClick(box->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        checked = true;
    });
    action(&window, "mnuAbout")->trigger();
    QVERIFY(checked);
    QVERIFY(window.rightPanel()->isEnabled());

    // Closed without OK, the box still gives the panel back.
    QTimer::singleShot(0, this, [&] { QApplication::activeModalWidget()->close(); });
    window.showAboutBox();
    QVERIFY(window.rightPanel()->isEnabled());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
