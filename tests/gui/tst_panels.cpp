#include "TestSupport.h"

#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "screens/DeckEntry.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"
#include "table/CardPicture.h"
#include "table/CardTable.h"
#include "table/ManualBoard.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

void writeSpreadPictures(const AppFolder& folder)
{
    for (int i = 0; i < 8; ++i) {
        QImage picture(145, 249, QImage::Format_RGB32);
        picture.fill(QColor(30 * i, 100, 50));
        picture.save(folder.path(QStringLiteral("pic/c%1.jpg").arg(i)), "PNG");
    }
}

struct SpreadFixture
{
    SpreadFixture()
    {
        window.resize(1280, 800);
        window.show();
        screen = window.showSpreadScreen();
        screen->showOptionsPage();
    }
    template <typename T> T* child(const char* name) { return screen->findChild<T*>(QString::fromLatin1(name)); }
    TestApp app;
    MainWindow window{app.context};
    SpreadScreen* screen = nullptr;
};

} // namespace

class TestPanels : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reverseCardsLabelTicksTheBox();
    void panelTextKeepsAMargin_data();
    void panelTextKeepsAMargin();
    void boardWithoutItsSpreadPictureShowsNone();
    void spreadPicturesComeFromTheProgramFiles_data();
    void spreadPicturesComeFromTheProgramFiles();
    void positionNumbersReadOnDarkCards();
};

void TestPanels::reverseCardsLabelTicksTheBox()
{
    SpreadFixture f;
    auto* label = f.child<QLabel>("Label3");
    auto* box = f.child<QCheckBox>("chkRev");
    QCOMPARE(label->text(), QStringLiteral("Allow Reverse Cards"));
    QVERIFY(!box->isChecked());
    int clicks = 0;
    connect(box, &QCheckBox::clicked, this, [&] { ++clicks; });

    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(box->isChecked());
    QTest::mouseClick(label, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    // The words act as the box's own click does, nothing more.
    QCOMPARE(clicks, 2);
    QTest::mouseClick(label, Qt::RightButton);
    QVERIFY(!box->isChecked());

    // The cast reads what the words ticked.
    QTest::mouseClick(label, Qt::LeftButton);
    f.screen->castManually();
    QVERIFY(f.app.reading.options.reversalsAllowed);
}

void TestPanels::panelTextKeepsAMargin_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("designGeometry");
    QTest::newRow("spread description") << QStringLiteral("lblDisp") << twipsRect(165, 550, 7215, 1250);
    QTest::newRow("board instruction") << QStringLiteral("Label4") << twipsRect(142, 240, 2415, 1335);
    QTest::newRow("board information panel") << QStringLiteral("txtDisp") << QRect();
}

void TestPanels::panelTextKeepsAMargin()
{
    QFETCH(QString, name);
    QFETCH(QRect, designGeometry);
    TestApp app;
    MainWindow window(app.context);
    window.show();
    QLabel* label = nullptr;
    if (name == QLatin1String("lblDisp")) {
        label = window.showSpreadScreen()->findChild<QLabel*>(name);
    } else {
        const Spread* spread = SpreadCatalogue::instance().byKey(u"Three Cards");
        app.reading.spread = spread;
        ManualBoard* board = openManualBoard(app.context, window);
        label = board->findChild<QLabel*>(name);
    }
    QVERIFY(label);
    // The panel keeps its place and size; its text stands off the edges.
    if (designGeometry.isValid())
        QCOMPARE(label->geometry(), designGeometry);
    const QRect text = label->contentsRect();
    QVERIFY(text.left() >= 3 && text.top() >= 2);
    QVERIFY(label->width() - text.right() - 1 >= 3);
}

void TestPanels::boardWithoutItsSpreadPictureShowsNone()
{
    TestApp app;
    writeSpreadPictures(app.folder);
    QFile::remove(app.folder.path(QStringLiteral("pic/c3.jpg")));
    MainWindow window(app.context);
    window.show();
    for (const char* key : {"Celtic Cross", "Three Cards"}) {
        const Spread* spread = SpreadCatalogue::instance().byKey(QString::fromLatin1(key));
        app.reading.spread = spread;
        ManualBoard* board = openManualBoard(app.context, window);
        QPointer<ManualBoard> watched(board);
        const bool pictureShown = !board->findChild<QLabel*>(QStringLiteral("picManual"))->pixmap().isNull();
        QCOMPARE(pictureShown, spread->index != 3);
        closeForm(board);
        settle();
        QVERIFY(watched.isNull());
    }
}

void TestPanels::spreadPicturesComeFromTheProgramFiles_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("picture");
    QTest::newRow("spread selection") << QStringLiteral("frmTarot") << QStringLiteral("pctCard");
    QTest::newRow("manual board") << QStringLiteral("frmManual") << QStringLiteral("picManual");
    QTest::newRow("cards from the user's deck") << QStringLiteral("frmDeckEntry") << QStringLiteral("pctSpread");
}

// An installed program keeps the spread pictures with its own files, apart from the user's readings; every screen
// that shows one finds it there.
void TestPanels::spreadPicturesComeFromTheProgramFiles()
{
    QFETCH(QString, screen);
    QFETCH(QString, picture);
    TestApp app;
    QTemporaryDir program;
    const AppFolder installed(app.dir.path(), program.path());
    QVERIFY(QDir(program.path()).mkpath(QStringLiteral("pic")));
    for (int i = 0; i < 8; ++i) {
        QImage spreadPicture(145, 249, QImage::Format_RGB32);
        spreadPicture.fill(QColor(30 * i, 100, 50));
        QVERIFY(spreadPicture.save(installed.programPath(QStringLiteral("pic/c%1.jpg").arg(i)), "PNG"));
    }
    AppContext context{app.reading, installed,     app.random, app.clock,   app.notifier,
                       app.pause,   app.urlOpener, QString(),  app.settings};
    MainWindow window(context);
    window.show();
    QWidget* form = nullptr;
    if (screen == QLatin1String("frmTarot")) {
        form = window.showSpreadScreen();
    } else {
        const Spread& three = *SpreadCatalogue::instance().byKey(u"Three Cards");
        const bool manual = screen == QLatin1String("frmManual");
        chooseCast(app.reading, three, CastOptions{}, manual ? CastWay::Manual : CastWay::FromDeck);
        form = manual ? static_cast<QWidget*>(openManualBoard(context, window))
                      : static_cast<QWidget*>(openDeckEntry(context, window));
    }
    QVERIFY(form);
    QCOMPARE(form->objectName(), screen);
    const auto* label = form->findChild<QLabel*>(picture);
    QVERIFY(label);
    QVERIFY2(!label->pixmap().isNull(), "the spread's picture is missing");
}

void TestPanels::positionNumbersReadOnDarkCards()
{
    TestApp app;
    QImage dark(130, 225, QImage::Format_RGB32);
    dark.fill(QColor(10, 10, 10));
    dark.save(app.folder.cardPicture(0), "PNG");
    CardTable table(app.folder);
    const Spread* oneCard = SpreadCatalogue::instance().byKey(u"One Card");
    table.placeCard(oneCard, 0, 0, false);
    table.sizeToCards(oneCard, 1);
    table.show();
    QLabel* number = table.box(0)->numberLabel();
    // Colour, font and place as designed.
    QCOMPARE(number->palette().color(QPalette::WindowText), QColor(255, 0, 255));
    QCOMPARE(number->font(), positionLabelFont());
    QCOMPARE(number->pos(), QPoint(0, 0));

    const QImage shown = table.box(0)->grab().toImage();
    int magenta = 0;
    int light = 0;
    for (int y = 0; y < number->height(); ++y) {
        for (int x = 0; x < number->width(); ++x) {
            const QColor c = shown.pixelColor(x, y);
            if (c.red() > 200 && c.blue() > 200 && c.green() < 90)
                ++magenta;
            if (c.red() > 200 && c.green() > 200 && c.blue() > 200)
                ++light;
        }
    }
    QVERIFY(magenta > 20);
    // The light outline around the figure is what makes it read on a dark card.
    QVERIFY2(light > 10, qPrintable(QString::number(light)));
}

QTEST_MAIN(TestPanels)
#include "tst_panels.moc"
