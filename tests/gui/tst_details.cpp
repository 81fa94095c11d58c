#include "TestSupport.h"

#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "screens/SpreadScreen.h"
#include "storage/ProfileStore.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

struct Fixture
{
    explicit Fixture(const QByteArray& store = QByteArray())
    {
        writeFile(app.folder.profileStore(), store);
        window.resize(1280, 800);
        window.show();
        screen = window.showDetailsScreen();
    }
    template <typename T> T* child(const char* name) { return screen->findChild<T*>(QString::fromLatin1(name)); }
    QStringList items(const char* name)
    {
        QStringList texts;
        auto* list = child<QComboBox>(name);
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->itemText(i));
        return texts;
    }
    bool isOpen(const char* name) { return openForm(window.workspace(), QString::fromLatin1(name)) != nullptr; }

    TestApp app;
    MainWindow window{app.context};
    DetailsScreen* screen = nullptr;
};

// Types text key by key; letters beyond ASCII arrive as the key events a keyboard layout gives them.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestDetails : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsAndDefaults();
    void untouchedFieldsGiveTheDefaultReading();
    void detailsAreHandedOverAsTyped();
    void nameFilter_data();
    void nameFilter();
    void nameFilterRefusesKeyboardPasteAndEnter();
    void resetClearsTheDetailsPanel();
    void accessKeys();
    void exitClosesOnlyTheScreen();
    void profileListIsReadLineByLine();
    void sidePanelsComeToTheFront();
    void prefillFromAProfile();
};

void TestDetails::listsAndDefaults()
{
    Fixture f;
    QCOMPARE(f.screen->objectName(), QStringLiteral("frmFront"));
    QCOMPARE(f.screen->windowTitle(), QStringLiteral("Quillmere v1.0"));
    QCOMPARE(f.screen->size(), QSize(7545 / 15, 6000 / 15));
    QCOMPARE(f.screen->panelInFront()->objectName(), QStringLiteral("picMain"));

    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    QCOMPARE(f.items("cmbDate"), days);
    QCOMPARE(f.items("cmbMonth"),
             (QStringList{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                          QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
                          QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
                          QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")}));
    const QStringList years = f.items("cmbYear");
    QCOMPARE(years.size(), 151);
    QCOMPARE(years.first(), QStringLiteral("1900"));
    QCOMPARE(years.last(), QStringLiteral("2050"));
    QCOMPARE(f.child<QComboBox>("cmbDate")->currentText(), QStringLiteral("1"));
    QCOMPARE(f.child<QComboBox>("cmbMonth")->currentText(), QStringLiteral("January"));
    QCOMPARE(f.child<QComboBox>("cmbYear")->currentIndex(), 80);
    QCOMPARE(f.child<QComboBox>("cmbYear")->currentText(), QStringLiteral("1980"));
    for (const char* list : {"cmbDate", "cmbMonth", "cmbYear", "cboProfiles1"})
        QVERIFY(!f.child<QComboBox>(list)->isEditable());
    QCOMPARE(f.child<QPushButton>("cmdReading")->text(), QStringLiteral("Do A Reading"));
    QCOMPARE(f.child<QPushButton>("cmdReset")->text(), QStringLiteral("&Reset"));
    QVERIFY(f.child<QLineEdit>("txtName")->text().isEmpty());
    QVERIFY(f.child<QPlainTextEdit>("txtQuestion")->toPlainText().isEmpty());
    // The two hidden commands lie below the visible area.
    for (const char* hidden : {"cmdNext", "cmdCancel"})
        QVERIFY(f.child<QPushButton>(hidden)->y() >= f.screen->height());
}

void TestDetails::untouchedFieldsGiveTheDefaultReading()
{
    Fixture f;
    f.app.reading.querentName = QStringLiteral("earlier");
    QTest::mouseClick(f.child<QPushButton>("cmdReading"), Qt::LeftButton);
    settle();
    QCOMPARE(f.app.reading.querentName, QString());
    QCOMPARE(f.app.reading.question, QString());
    QCOMPARE(f.app.reading.birthDate, QStringLiteral("January 1, 1980"));
    QVERIFY(!f.isOpen("frmFront"));
    QVERIFY(f.isOpen("frmTarot"));
    auto* spread = qobject_cast<SpreadScreen*>(openForm(f.window.workspace(), QStringLiteral("frmTarot")));
    QCOMPARE(spread->findChild<QStackedWidget*>()->currentWidget()->objectName(), QStringLiteral("picTarot1"));
}

void TestDetails::detailsAreHandedOverAsTyped()
{
    Fixture f;
    QTest::keyClicks(f.child<QLineEdit>("txtName"), QStringLiteral(" Jane  Doe "));
    f.child<QPlainTextEdit>("txtQuestion")->setPlainText(QStringLiteral("Will it \"work\"?\nAnd then?"));
    f.child<QComboBox>("cmbDate")->setCurrentText(QStringLiteral("31"));
    f.child<QComboBox>("cmbMonth")->setCurrentText(QStringLiteral("February"));
    f.child<QComboBox>("cmbYear")->setCurrentText(QStringLiteral("2000"));
    f.screen->doReading();
    QCOMPARE(f.app.reading.querentName, QStringLiteral(" Jane  Doe "));
    QCOMPARE(f.app.reading.question, QStringLiteral("Will it \"work\"?\r\nAnd then?"));
    QCOMPARE(f.app.reading.birthDate, QStringLiteral("February 31, 2000"));
    QVERIFY(f.app.notifier.messages.isEmpty());
}

void TestDetails::nameFilter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("refusals");
    QTest::newRow("hyphen") << QStringLiteral("Anne-Marie") << QStringLiteral("AnneMarie") << 1;
    QTest::newRow("letters and blanks") << QStringLiteral("Anne Marie Smith") << QStringLiteral("Anne Marie Smith")
                                        << 0;
    QTest::newRow("apostrophe") << QStringLiteral("O'Brien") << QStringLiteral("OBrien") << 1;
    QTest::newRow("digits") << QStringLiteral("R2D2") << QStringLiteral("RD") << 2;
    QTest::newRow("accented letter") << QStringLiteral("Jos\u00e9") << QStringLiteral("Jos") << 1;
    QTest::newRow("punctuation") << QStringLiteral("a.b,c!") << QStringLiteral("abc") << 3;
}

void TestDetails::nameFilter()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, refusals);
    Fixture f;
    auto* name = f.child<QLineEdit>("txtName");
    typeText(name, typed);
    QCOMPARE(name->text(), kept);
    QCOMPARE(f.app.notifier.messages.size(), refusals);
    for (const Message& message : std::as_const(f.app.notifier.messages)) {
        QCOMPARE(message.icon, Notifier::Icon::Information);
        QCOMPARE(message.title, QStringLiteral("Fernhollow"));
        QCOMPARE(message.text, QStringLiteral("Name cannot contain Numbers and Special Characters"));
    }
    // Backspace is a key the name box takes.
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), kept.chopped(1));
    QCOMPARE(f.app.notifier.messages.size(), refusals);
}

void TestDetails::nameFilterRefusesKeyboardPasteAndEnter()
{
    Fixture f;
    auto* name = f.child<QLineEdit>("txtName");
    QGuiApplication::clipboard()->setText(QStringLiteral("Pasted"));
    QTest::keyClicks(name, QStringLiteral("Ann"));
    QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(name->text(), QStringLiteral("Ann"));
    QCOMPARE(f.app.notifier.messages.size(), 1);
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(f.app.notifier.messages.size(), 2);
    QVERIFY(f.isOpen("frmFront"));
    // Moving about in the box is not typing.
    QTest::keyClick(name, Qt::Key_Left);
    QTest::keyClick(name, Qt::Key_Home);
    QCOMPARE(f.app.notifier.messages.size(), 2);
    QCOMPARE(f.screen->focusWidget(), name);
}

void TestDetails::resetClearsTheDetailsPanel()
{
    Fixture f("Jane\r\nJohn\r\n");
    auto* profiles = f.child<QComboBox>("cboProfiles1");
    profiles->setCurrentIndex(1);
    QTest::keyClicks(f.child<QLineEdit>("txtName"), QStringLiteral("Jane"));
    f.child<QPlainTextEdit>("txtQuestion")->setPlainText(QStringLiteral("Why?"));
    f.child<QComboBox>("cmbDate")->setCurrentIndex(9);
    f.child<QComboBox>("cmbMonth")->setCurrentIndex(5);
    f.child<QComboBox>("cmbYear")->setCurrentIndex(3);
    f.child<QPushButton>("cmdReading")->setFocus();

    QTest::mouseClick(f.child<QPushButton>("cmdReset"), Qt::LeftButton);
    QVERIFY(f.child<QLineEdit>("txtName")->text().isEmpty());
    QVERIFY(f.child<QPlainTextEdit>("txtQuestion")->toPlainText().isEmpty());
    QCOMPARE(f.child<QComboBox>("cmbDate")->currentIndex(), 0);
    QCOMPARE(f.child<QComboBox>("cmbMonth")->currentIndex(), 0);
    QCOMPARE(f.child<QComboBox>("cmbYear")->currentIndex(), 80);
    QCOMPARE(profiles->currentIndex(), 1);
    QCOMPARE(f.screen->focusWidget(), f.child<QLineEdit>("txtName"));
}

void TestDetails::accessKeys()
{
    {
        Fixture f;
        QApplication::setActiveWindow(&f.window);
        QTest::keyClicks(f.child<QLineEdit>("txtName"), QStringLiteral("Jane"));
        QTest::keyClick(f.child<QLineEdit>("txtName"), Qt::Key_N, Qt::AltModifier);
        // An access key presses its button the way a click does, a moment later.
        QTRY_COMPARE(f.app.reading.querentName, QStringLiteral("Jane"));
        settle();
        QCOMPARE(f.app.reading.birthDate, QStringLiteral("January 1, 1980"));
        QVERIFY(!f.isOpen("frmFront"));
        QVERIFY(f.isOpen("frmTarot"));
        QVERIFY(f.app.notifier.messages.isEmpty());
    }
    {
        Fixture f;
        QApplication::setActiveWindow(&f.window);
        QTest::keyClick(f.child<QLineEdit>("txtName"), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!f.isOpen("frmFront"));
        QVERIFY(!f.isOpen("frmTarot"));
        QVERIFY(f.window.isVisible());
    }
}

void TestDetails::exitClosesOnlyTheScreen()
{
    Fixture f;
    f.child<QPushButton>("cmdCancel")->click();
    settle();
    QVERIFY(!f.isOpen("frmFront"));
    QVERIFY(f.window.isVisible());
    QCOMPARE(f.window.readingState(), MainWindow::ReadingState::None);
}

void TestDetails::profileListIsReadLineByLine()
{
    Fixture f("Jane\r\npic\r\nSmith, John\r\nCARDS\r\n\"Quoted\"\r\nLast without line end");
    QCOMPARE(f.items("cboProfiles1"),
             (QStringList{QStringLiteral("Jane"), QStringLiteral("Smith, John"), QStringLiteral("\"Quoted\""),
                          QStringLiteral("Last without line end")}));
}

void TestDetails::sidePanelsComeToTheFront()
{
    Fixture f;
    auto* save = f.child<QPushButton>("cmdSaveProfile");
    auto* old = f.child<QPushButton>("cmdOldProfile");
    QCOMPARE(save->text(), QStringLiteral("Save Profile"));
    QCOMPARE(old->text(), QStringLiteral("View Old Reading"));
    QCOMPARE(f.screen->panelInFront()->objectName(), QStringLiteral("picMain"));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(f.screen->panelInFront()->objectName(), QStringLiteral("picSaveProfile"));
    QCOMPARE(f.screen->focusWidget()->objectName(), QStringLiteral("txtProfile"));
    f.screen->showMainPanel();
    QTest::mouseClick(old, Qt::LeftButton);
    QCOMPARE(f.screen->panelInFront()->objectName(), QStringLiteral("picOldProfile"));

    // With a side panel in front, Do A Reading by its access key takes the details as they are.
    f.child<QLineEdit>("txtName")->setText(QStringLiteral("Jane"));
    QApplication::setActiveWindow(&f.window);
    QTest::keyClick(&f.window, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(f.app.reading.querentName, QStringLiteral("Jane"));
    settle();
    QVERIFY(f.isOpen("frmTarot"));
}

void TestDetails::prefillFromAProfile()
{
    Fixture f;
    const ProfileStore store(f.app.folder);
    QVERIFY(store
                .create({QStringLiteral("Jane"),
                         {QStringLiteral("Jane Doe"), QStringLiteral("March"), QStringLiteral("7"),
                          QStringLiteral("1975")}})
                .ok());
    QVERIFY(store
                .create({QStringLiteral("Odd"),
                         {QStringLiteral("Odd Month"), QStringLiteral("Brumaire"), QStringLiteral("40"),
                          QStringLiteral("1999")}})
                .ok());
    f.screen->refillProfiles();
    auto* profiles = f.child<QComboBox>("cboProfiles1");
    QCOMPARE(profiles->count(), 2);
    QCOMPARE(profiles->currentIndex(), -1);
    f.child<QPlainTextEdit>("txtQuestion")->setPlainText(QStringLiteral("Kept?"));

    profiles->setCurrentIndex(0);
    Q_EMIT profiles->activated(0);
    QCOMPARE(f.child<QLineEdit>("txtName")->text(), QStringLiteral("Jane Doe"));
    QCOMPARE(f.child<QComboBox>("cmbMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(f.child<QComboBox>("cmbDate")->currentText(), QStringLiteral("7"));
    QCOMPARE(f.child<QComboBox>("cmbYear")->currentText(), QStringLiteral("1975"));
    QCOMPARE(f.child<QPlainTextEdit>("txtQuestion")->toPlainText(), QStringLiteral("Kept?"));

    // Values that are no entries of their lists leave those lists as they were.
    profiles->setCurrentIndex(1);
    Q_EMIT profiles->activated(1);
    QCOMPARE(f.child<QLineEdit>("txtName")->text(), QStringLiteral("Odd Month"));
    QCOMPARE(f.child<QComboBox>("cmbMonth")->currentText(), QStringLiteral("March"));
    QCOMPARE(f.child<QComboBox>("cmbDate")->currentText(), QStringLiteral("7"));
    QCOMPARE(f.child<QComboBox>("cmbYear")->currentText(), QStringLiteral("1999"));
}

QTEST_MAIN(TestDetails)
#include "tst_details.moc"
