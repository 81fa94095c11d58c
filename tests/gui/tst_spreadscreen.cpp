#include "TestSupport.h"

#include "content/SpreadCatalogue.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

const QColor kPictureColours[]
    = {Qt::red, Qt::green, Qt::blue, Qt::cyan, Qt::magenta, Qt::yellow, Qt::gray, Qt::darkRed};

struct Fixture
{
    explicit Fixture(bool withPictures = true)
    {
        if (withPictures) {
            for (int i = 0; i < 8; ++i) {
                QImage picture(145, 249, QImage::Format_RGB32);
                picture.fill(kPictureColours[i]);
                picture.save(app.folder.path(QStringLiteral("pic/c%1.jpg").arg(i)), "JPG");
            }
        }
        window.resize(1280, 800);
        window.show();
        screen = window.showSpreadScreen();
    }
    template <typename T> T* child(const char* name) { return screen->findChild<T*>(QString::fromLatin1(name)); }
    QString page() { return screen->findChild<QStackedWidget*>()->currentWidget()->objectName(); }
    bool isOpen(const char* name) { return openForm(window.workspace(), QString::fromLatin1(name)) != nullptr; }
    QColor pictureColour()
    {
        const QPixmap picture = child<QLabel>("pctCard")->pixmap();
        return picture.isNull() ? QColor() : picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
    }

    TestApp app;
    MainWindow window{app.context};
    SpreadScreen* screen = nullptr;
};

bool closeTo(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24
        && std::abs(a.blue() - b.blue()) < 24;
}

// A radio button takes clicks on its indicator and its text only.
void clickOption(QRadioButton* option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
}

// What a cast command handed to the reading at the moment the card table is opened.
struct CastSnapshot
{
    int calls = 0;
    CurrentReading reading;
    bool waitPanelShown = false;
};

} // namespace

class TestSpreadScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingResetsTheReading();
    void optionButtonsInTheirOnScreenOrder();
    void selectingASpread_data();
    void selectingASpread();
    void missingPictureClearsTheBox();
    void arcanaExclusion_data();
    void arcanaExclusion();
    void pagesAndHiddenCommands();
    void automaticCast_data();
    void automaticCast();
    void manualCast();
    void backToMain();
    void lastChoicesOnlyWhenAsked_data();
    void lastChoicesOnlyWhenAsked();
    void badLastChoicesAreIgnored_data();
    void badLastChoicesAreIgnored();
};

void TestSpreadScreen::openingResetsTheReading()
{
    TestApp app;
    MainWindow window(app.context);
    app.reading.mode = CastMode::Manual;
    app.reading.spread = SpreadCatalogue::instance().byKey(u"One Card");
    app.reading.options = CastOptions{false, true, true};
    app.reading.cards = {{3, true}};
    app.reading.creationDate = QStringLiteral("1/2/2020");
    app.reading.creationTime = QStringLiteral("10:00:00 AM");
    app.reading.querentName = QStringLiteral("Jane");
    const SpreadScreen* screen = window.showSpreadScreen();

    QVERIFY(!app.reading.spread);
    QCOMPARE(app.reading.cardCount(), 0);
    QCOMPARE(app.reading.mode, CastMode::NotChosen);
    QVERIFY(!app.reading.options.majorOnly);
    QVERIFY(!app.reading.options.minorOnly);
    QVERIFY(!app.reading.options.reversalsAllowed);
    QVERIFY(app.reading.cards.isEmpty());
    QVERIFY(app.reading.creationDate.isEmpty());
    QVERIFY(app.reading.creationTime.isEmpty());
    // Not part of the cast: the querent stays; the screen opens on the first spread.
    QCOMPARE(app.reading.querentName, QStringLiteral("Jane"));
    QCOMPARE(screen->chosenSpreadIndex(), 0);
}

void TestSpreadScreen::optionButtonsInTheirOnScreenOrder()
{
    Fixture f;
    QCOMPARE(f.screen->objectName(), QStringLiteral("frmTarot"));
    QCOMPARE(f.page(), QStringLiteral("picTarot1"));
    QList<QRadioButton*> buttons = f.screen->findChildren<QRadioButton*>();
    QCOMPARE(buttons.size(), 8);
    std::sort(buttons.begin(), buttons.end(), [](QRadioButton* a, QRadioButton* b) { return a->y() < b->y(); });
    QList<int> indices;
    QStringList texts;
    for (QRadioButton* button : buttons) {
        indices.append(button->property("index").toInt());
        texts.append(button->text());
        QCOMPARE(button->objectName(), QStringLiteral("optOption_%1").arg(button->property("index").toInt()));
    }
    QCOMPARE(indices, (QList<int>{0, 1, 2, 3, 5, 4, 7, 6}));
    QCOMPARE(
        texts,
        (QStringList{QStringLiteral("Celtic Cross"), QStringLiteral("One Card"), QStringLiteral("Two Cards"),
                     QStringLiteral("Three Cards"), QStringLiteral("The Line Spread"),
                     QStringLiteral("Eliphas Levy Wheel Spread(Guiley)"),
                     QStringLiteral("Four Seasons Spread(Cortese/Reed)"), QStringLiteral("Seven Card Chakra Layout")}));
    QVERIFY(f.screen->optionButton(0)->isChecked());
    auto* list = f.child<QListWidget>("lstOption");
    QCOMPARE(list->count(), 8);
    QCOMPARE(list->currentRow(), 0);
    QVERIFY(list->y() >= f.screen->height());
}

void TestSpreadScreen::selectingASpread_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("cards");
    QTest::addColumn<int>("labelTwips");
    const int cards[] = {10, 1, 2, 3, 5, 5, 7, 8};
    const int heights[] = {1250, 750, 1000, 750, 500, 1000, 1450, 1250};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("%s", qPrintable(SpreadCatalogue::instance().at(i)->name)) << i << cards[i] << heights[i];
}

void TestSpreadScreen::selectingASpread()
{
    QFETCH(int, index);
    QFETCH(int, cards);
    QFETCH(int, labelTwips);
    Fixture f;
    // Start from another spread so that every row is a change.
    clickOption(f.screen->optionButton(index == 1 ? 2 : 1));
    clickOption(f.screen->optionButton(index));

    const Spread* spread = SpreadCatalogue::instance().at(index);
    QCOMPARE(f.child<QListWidget>("lstOption")->currentRow(), index);
    QCOMPARE(f.child<QListWidget>("lstOption")->currentItem()->text(), spread->name);
    QCOMPARE(f.screen->no(), cards);
    QCOMPARE(f.screen->chosenSpreadIndex(), index);
    QCOMPARE(f.child<QLabel>("lblDisp")->text(), spread->description);
    QCOMPARE(f.child<QLabel>("lblDisp")->height(), labelTwips / 15);
    QCOMPARE(f.child<QPlainTextEdit>("txtDisp")->toPlainText(), spread->description);
    QVERIFY2(closeTo(f.pictureColour(), kPictureColours[index]), qPrintable(f.pictureColour().name()));
    for (int other = 0; other < 8; ++other)
        QCOMPARE(f.screen->optionButton(other)->isChecked(), other == index);
}

void TestSpreadScreen::missingPictureClearsTheBox()
{
    Fixture f;
    QFile::remove(f.app.folder.path(QStringLiteral("pic/c3.jpg")));
    writeFile(f.app.folder.path(QStringLiteral("pic/c4.jpg")), "not a picture");
    clickOption(f.screen->optionButton(2));
    QVERIFY(closeTo(f.pictureColour(), kPictureColours[2]));
    // Another spread's picture never stands for the chosen one: a picture that cannot be read leaves the box empty.
    clickOption(f.screen->optionButton(3));
    QVERIFY(f.child<QLabel>("pctCard")->pixmap().isNull());
    QCOMPARE(f.screen->no(), 3);
    clickOption(f.screen->optionButton(4));
    QVERIFY(f.child<QLabel>("pctCard")->pixmap().isNull());
    QCOMPARE(f.screen->no(), 5);
    clickOption(f.screen->optionButton(5));
    QVERIFY(closeTo(f.pictureColour(), kPictureColours[5]));

    Fixture empty(false);
    QVERIFY(empty.child<QLabel>("pctCard")->pixmap().isNull());
    QCOMPARE(empty.screen->no(), 10);
}

void TestSpreadScreen::arcanaExclusion_data()
{
    QTest::addColumn<QString>("clicks");
    QTest::addColumn<bool>("major");
    QTest::addColumn<bool>("minor");
    QTest::newRow("major alone") << QStringLiteral("H") << true << false;
    QTest::newRow("minor alone") << QStringLiteral("L") << false << true;
    QTest::newRow("major then minor") << QStringLiteral("HL") << false << true;
    QTest::newRow("minor then major") << QStringLiteral("LH") << true << false;
    QTest::newRow("major twice") << QStringLiteral("HH") << false << false;
    QTest::newRow("back and forth") << QStringLiteral("HLHL") << false << true;
}

void TestSpreadScreen::arcanaExclusion()
{
    QFETCH(QString, clicks);
    QFETCH(bool, major);
    QFETCH(bool, minor);
    Fixture f;
    QTest::mouseClick(f.child<QPushButton>("cmdNext"), Qt::LeftButton);
    auto* chkHA = f.child<QCheckBox>("chkHA");
    auto* chkLA = f.child<QCheckBox>("chkLA");
    QVERIFY(!chkHA->isChecked() && !chkLA->isChecked() && !f.child<QCheckBox>("chkRev")->isChecked());
    for (const QChar c : clicks)
        QTest::mouseClick(c == QLatin1Char('H') ? chkHA : chkLA, Qt::LeftButton);
    QCOMPARE(chkHA->isChecked(), major);
    QCOMPARE(chkLA->isChecked(), minor);
}

void TestSpreadScreen::pagesAndHiddenCommands()
{
    Fixture f;
    QTest::mouseClick(f.child<QPushButton>("cmdNext"), Qt::LeftButton);
    QCOMPARE(f.page(), QStringLiteral("picTarot2"));
    for (const char* hidden : {"cmdPrev", "cmdBack", "cmdCancel", "cmdBack1"})
        QVERIFY2(f.child<QPushButton>(hidden)->y() >= f.screen->height(), hidden);

    // The mouse cannot reach << Back, but the tab order can.
    auto* previous = f.child<QPushButton>("cmdPrev");
    f.child<QPushButton>("cmdAuto")->setFocus();
    QApplication::setActiveWindow(&f.window);
    bool reached = false;
    for (int step = 0; step < 20 && !reached; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached = QApplication::focusWidget() == previous;
    }
    QVERIFY(reached);
    QTest::keyClick(previous, Qt::Key_Space);
    QCOMPARE(f.page(), QStringLiteral("picTarot1"));
}

void TestSpreadScreen::automaticCast_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<bool>("paused");
    QTest::newRow("Celtic Cross, defaults") << 0 << QString() << true;
    QTest::newRow("One Card, reversals") << 1 << QStringLiteral("R") << false;
    QTest::newRow("Line Spread, major") << 5 << QStringLiteral("H") << true;
    QTest::newRow("Wheel, minor and reversals") << 4 << QStringLiteral("LR") << false;
    QTest::newRow("Chakra, major then minor") << 6 << QStringLiteral("HL") << true;
}

void TestSpreadScreen::automaticCast()
{
    QFETCH(int, index);
    QFETCH(QString, ticks);
    QFETCH(bool, paused);
    Fixture f;
    CastSnapshot snapshot;
    bool panelDuringPause = false;
    f.app.pause.onWait = [&] { panelDuringPause = f.child<QWidget>("picMessage")->isVisible(); };
    f.window.setAutomaticCastOpener([&](AppContext& context, ReadingHost& host) {
        ++snapshot.calls;
        snapshot.reading = context.reading;
        snapshot.waitPanelShown = f.child<QWidget>("picMessage")->isVisible();
        QCOMPARE(&host, static_cast<ReadingHost*>(&f.window));
    });
    QVERIFY(!f.child<QWidget>("picMessage")->isVisible());

    clickOption(f.screen->optionButton(index));
    QTest::mouseClick(f.child<QPushButton>("cmdNext"), Qt::LeftButton);
    for (const QChar c : ticks) {
        const char* box = c == QLatin1Char('H') ? "chkHA" : c == QLatin1Char('L') ? "chkLA" : "chkRev";
        QTest::mouseClick(f.child<QCheckBox>(box), Qt::LeftButton);
    }
    QTest::mouseClick(f.child<QPushButton>("cmdAuto"), Qt::LeftButton);
    settle();

    const Spread* spread = SpreadCatalogue::instance().at(index);
    QCOMPARE(snapshot.calls, 1);
    QVERIFY(snapshot.waitPanelShown);
    QCOMPARE(f.app.pause.waits, paused ? QList<int>{3000} : QList<int>{});
    QCOMPARE(panelDuringPause, paused);
    const CurrentReading& r = snapshot.reading;
    QCOMPARE(r.spread, spread);
    QCOMPARE(r.cardCount(), spread->cardCount());
    QCOMPARE(r.mode, CastMode::Automatic);
    QCOMPARE(r.options.reversalsAllowed, ticks.contains(QLatin1Char('R')));
    QCOMPARE(r.options.majorOnly, ticks.endsWith(QLatin1Char('H')) || ticks == QLatin1String("H"));
    QCOMPARE(r.options.minorOnly, ticks.contains(QLatin1Char('L')) && !ticks.endsWith(QLatin1Char('H')));

    QVERIFY(!f.isOpen("frmTarot"));
    QCOMPARE(f.window.readingState(), MainWindow::ReadingState::Fresh);
    QVERIFY(f.window.rightPanel()->isVisible());
    QCOMPARE(f.window.workspace()->background().color(), QColor(Qt::white));
}

void TestSpreadScreen::manualCast()
{
    Fixture f;
    CastSnapshot snapshot;
    f.window.setManualBoardOpener([&](AppContext& context, ReadingHost&) {
        ++snapshot.calls;
        snapshot.reading = context.reading;
    });
    clickOption(f.screen->optionButton(3));
    QTest::mouseClick(f.child<QPushButton>("cmdNext"), Qt::LeftButton);
    QTest::mouseClick(f.child<QCheckBox>("chkLA"), Qt::LeftButton);
    QTest::mouseClick(f.child<QCheckBox>("chkRev"), Qt::LeftButton);
    QTest::mouseClick(f.child<QPushButton>("cmdManual"), Qt::LeftButton);
    settle();

    QCOMPARE(snapshot.calls, 1);
    QVERIFY(f.app.pause.waits.isEmpty());
    QCOMPARE(snapshot.reading.spreadKey(), QStringLiteral("Three Cards"));
    QCOMPARE(snapshot.reading.cardCount(), 3);
    QCOMPARE(snapshot.reading.mode, CastMode::Manual);
    QVERIFY(snapshot.reading.options.minorOnly);
    QVERIFY(!snapshot.reading.options.majorOnly);
    QVERIFY(snapshot.reading.options.reversalsAllowed);
    QVERIFY(!f.isOpen("frmTarot"));
    // The board, not the screen, puts the reading on screen when its last card is placed.
    QCOMPARE(f.window.readingState(), MainWindow::ReadingState::None);
}

void TestSpreadScreen::backToMain()
{
    for (const char* command : {"cmdBack1", "cmdBack"}) {
        Fixture f;
        if (QByteArrayView(command) == "cmdBack")
            f.screen->showOptionsPage();
        clickOption(f.screen->optionButton(6));
        auto* back = f.child<QPushButton>(command);
        back->setFocus();
        QTest::keyClick(back, Qt::Key_Space);
        settle();
        QVERIFY(!f.isOpen("frmTarot"));
        QVERIFY(f.isOpen("frmFront"));
        QVERIFY(!f.app.reading.spread);
        QCOMPARE(f.app.reading.mode, CastMode::NotChosen);
        QCOMPARE(f.window.readingState(), MainWindow::ReadingState::None);
    }
}

namespace {

// What a spread screen opened on: the spread selected and its button, and the three option boxes.
struct Opening
{
    int spread;
    bool majorOnly;
    bool minorOnly;
    bool reversals;
};

Opening openingOf(SpreadScreen& screen)
{
    const int row = screen.findChild<QListWidget*>(QStringLiteral("lstOption"))->currentRow();
    [&] { QVERIFY(screen.optionButton(row)->isChecked()); }();
    const auto ticked
        = [&](const char* name) { return screen.findChild<QCheckBox*>(QString::fromLatin1(name))->isChecked(); };
    return {row, ticked("chkHA"), ticked("chkLA"), ticked("chkRev")};
}

} // namespace

void TestSpreadScreen::lastChoicesOnlyWhenAsked_data()
{
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("ticks");
    QTest::addColumn<QString>("cast");
    QTest::newRow("off: the defaults") << false << QStringLiteral("LR") << QStringLiteral("cmdAuto");
    QTest::newRow("on, minor arcana and reversals, automatic")
        << true << QStringLiteral("LR") << QStringLiteral("cmdAuto");
    QTest::newRow("on, major arcana, manual") << true << QStringLiteral("H") << QStringLiteral("cmdManual");
}

// With View > Open Spreads on Last Choices the next spread screen, in this run or the next, opens on the spread
// and options of the last cast; without it, on the first spread with nothing ticked.
void TestSpreadScreen::lastChoicesOnlyWhenAsked()
{
    QFETCH(bool, asked);
    QFETCH(QString, ticks);
    QFETCH(QString, cast);
    Fixture f;
    auto* remember = f.window.findChild<QAction*>(QStringLiteral("mnuRememberSpread"));
    QVERIFY(remember);
    QVERIFY(remember->isCheckable());
    QVERIFY(!remember->isChecked());
    QVERIFY(f.window.findChild<QMenu*>(QStringLiteral("mnuView"))->actions().contains(remember));
    if (asked)
        remember->trigger();
    f.window.setAutomaticCastOpener([](AppContext&, ReadingHost&) {});
    f.window.setManualBoardOpener([](AppContext&, ReadingHost&) {});

    clickOption(f.screen->optionButton(6));
    QTest::mouseClick(f.child<QPushButton>("cmdNext"), Qt::LeftButton);
    for (const QChar c : ticks) {
        const char* box = c == QLatin1Char('H') ? "chkHA" : c == QLatin1Char('L') ? "chkLA" : "chkRev";
        QTest::mouseClick(f.child<QCheckBox>(box), Qt::LeftButton);
    }
    QTest::mouseClick(f.child<QPushButton>(qPrintable(cast)), Qt::LeftButton);
    settle();
    QVERIFY(!f.isOpen("frmTarot"));

    const Opening expected = asked ? Opening{6, ticks.contains(QLatin1Char('H')), ticks.contains(QLatin1Char('L')),
                                             ticks.contains(QLatin1Char('R'))}
                                   : Opening{0, false, false, false};
    // In this run, and in a new window reading the same settings file.
    ProgramSettings reread(f.app.settings.fileName());
    AppContext nextRun{f.app.reading, f.app.folder,    f.app.random, f.app.clock, f.app.notifier,
                       f.app.pause,   f.app.urlOpener, QString(),    reread};
    for (AppContext* context : {&f.app.context, &nextRun}) {
        MainWindow window(*context);
        QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuRememberSpread"))->isChecked(), asked);
        window.show();
        SpreadScreen* screen = window.showSpreadScreen();
        const Opening shown = openingOf(*screen);
        QCOMPARE(shown.spread, expected.spread);
        QCOMPARE(shown.majorOnly, expected.majorOnly);
        QCOMPARE(shown.minorOnly, expected.minorOnly);
        QCOMPARE(shown.reversals, expected.reversals);
        QCOMPARE(screen->chosenSpreadIndex(), expected.spread);
        QCOMPARE(screen->no(), SpreadCatalogue::instance().at(expected.spread)->cardCount());
    }

    // Taken back, the screen opens on its defaults again.
    if (asked) {
        remember->trigger();
        SpreadScreen* screen = f.window.showSpreadScreen();
        const Opening shown = openingOf(*screen);
        QCOMPARE(shown.spread, 0);
        QVERIFY(!shown.majorOnly && !shown.minorOnly && !shown.reversals);
    }
}

void TestSpreadScreen::badLastChoicesAreIgnored_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<QString>("arcana");
    QTest::addColumn<QString>("reversals");
    QTest::addColumn<int>("shownSpread");
    QTest::addColumn<bool>("minorOnly");
    QTest::addColumn<bool>("shownReversals");
    QTest::newRow("all good") << QStringLiteral("Three Cards") << QStringLiteral("minor") << QStringLiteral("true") << 3
                              << true << true;
    QTest::newRow("a spread not in the list")
        << QStringLiteral("Nine Card Star") << QStringLiteral("minor") << QStringLiteral("true") << 0 << true << true;
    QTest::newRow("a spread by number") << QStringLiteral("3") << QString() << QString() << 0 << false << false;
    QTest::newRow("an unknown arcana limit") << QStringLiteral("Three Cards") << QStringLiteral("sideways")
                                             << QStringLiteral("false") << 3 << false << false;
    QTest::newRow("a reversal setting that is no yes or no")
        << QStringLiteral("Three Cards") << QStringLiteral("both") << QStringLiteral("maybe") << 3 << false << false;
}

void TestSpreadScreen::badLastChoicesAreIgnored()
{
    QFETCH(QString, spread);
    QFETCH(QString, arcana);
    QFETCH(QString, reversals);
    QFETCH(int, shownSpread);
    QFETCH(bool, minorOnly);
    QFETCH(bool, shownReversals);
    TestApp app;
    app.settings.setValue(QStringLiteral("spreads/openOnLastChoices"), true);
    app.settings.setValue(QStringLiteral("spreads/lastSpread"), spread);
    if (!arcana.isEmpty())
        app.settings.setValue(QStringLiteral("spreads/lastArcana"), arcana);
    if (!reversals.isEmpty())
        app.settings.setValue(QStringLiteral("spreads/lastReversals"), reversals);
    MainWindow window(app.context);
    window.show();
    const Opening shown = openingOf(*window.showSpreadScreen());
    QCOMPARE(shown.spread, shownSpread);
    QVERIFY(!shown.majorOnly);
    QCOMPARE(shown.minorOnly, minorOnly);
    QCOMPARE(shown.reversals, shownReversals);
}

QTEST_MAIN(TestSpreadScreen)
#include "tst_spreadscreen.moc"
