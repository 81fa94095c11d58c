#include "PanelFixtures.h"

#include "screens/DateLists.h"
#include "screens/SaveProfilePanel.h"
#include "storage/ProfileStore.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

class ProfilesPanelTest : public QObject
{
    Q_OBJECT

private:
    struct Panel
    {
        std::unique_ptr<SaveProfilePanel> widget;
        QLineEdit* profile;
        QLineEdit* person;
        QComboBox* day;
        QComboBox* month;
        QComboBox* year;
        QPushButton* ok;
        QPushButton* back;
    };

    static Panel makePanel(PanelFixture& fixture)
    {
        auto widget = std::make_unique<SaveProfilePanel>(fixture.context);
        widget->show();
        widget->activateWindow();
        if (!QTest::qWaitForWindowActive(widget.get()))
            qFatal("the panel did not become active");
        Panel panel{nullptr,
                    widget->findChild<QLineEdit*>(QStringLiteral("txtProfile")),
                    widget->findChild<QLineEdit*>(QStringLiteral("txtNameOfProfiler")),
                    widget->findChild<QComboBox*>(QStringLiteral("cmbDate1")),
                    widget->findChild<QComboBox*>(QStringLiteral("cmbMonth1")),
                    widget->findChild<QComboBox*>(QStringLiteral("cmbYear1")),
                    widget->findChild<QPushButton*>(QStringLiteral("cmdOK")),
                    widget->findChild<QPushButton*>(QStringLiteral("cmdBacktoMain"))};
        if (!panel.profile || !panel.person || !panel.day || !panel.month || !panel.year || !panel.ok || !panel.back)
            qFatal("a control of the save-profile panel is missing");
        panel.widget = std::move(widget);
        return panel;
    }

private Q_SLOTS:
    void datesListsAndDefaults()
    {
        PanelFixture fixture;
        Panel panel = makePanel(fixture);
        QCOMPARE(panel.widget->objectName(), QStringLiteral("picSaveProfile"));
        QCOMPARE(panel.day->count(), 31);
        QCOMPARE(panel.day->itemText(30), QStringLiteral("31"));
        QCOMPARE(panel.month->count(), 12);
        QCOMPARE(panel.month->itemText(0), QStringLiteral("January"));
        QCOMPARE(panel.month->itemText(11), QStringLiteral("December"));
        QCOMPARE(panel.year->count(), 151);
        QCOMPARE(panel.year->itemText(150), QStringLiteral("2050"));
        QCOMPARE(panel.day->currentText(), QStringLiteral("1"));
        QCOMPARE(panel.month->currentText(), QStringLiteral("January"));
        QCOMPARE(panel.year->currentText(), QStringLiteral("1980"));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("store");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("person");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QByteArray jane = "Jane\r\n";
        QTest::newRow("no profile name") << jane << QString() << QStringLiteral("J")
                                         << QStringLiteral("Please enter profile name.")
                                         << QStringLiteral("txtProfile");
        QTest::newRow("profile name of blanks")
            << jane << QStringLiteral("   ") << QStringLiteral("J") << QStringLiteral("Please enter profile name.")
            << QStringLiteral("txtProfile");
        QTest::newRow("no name") << jane << QStringLiteral("Ann") << QString()
                                 << QStringLiteral("Please enter your name.") << QStringLiteral("txtNameOfProfiler");
        QTest::newRow("exists in another case")
            << jane << QStringLiteral("JANE") << QStringLiteral("J")
            << QStringLiteral("A profile named \"Jane\" already exists.") << QStringLiteral("txtProfile");
        QTest::newRow("reserved store entry") << QByteArray("pic\r\ncards\r\n") << QStringLiteral("Cards")
                                              << QStringLiteral("J") << QString() << QStringLiteral("txtProfile");
        QTest::newRow("path separator") << jane << QStringLiteral("a/b") << QStringLiteral("J") << QString()
                                        << QStringLiteral("txtProfile");
        QTest::newRow("parent folder") << jane << QStringLiteral("..") << QStringLiteral("J") << QString()
                                       << QStringLiteral("txtProfile");
        QTest::newRow("a folder of the program")
            << jane << QStringLiteral("misc") << QStringLiteral("J") << QString() << QStringLiteral("txtProfile");
        QTest::newRow("a character Windows refuses")
            << jane << QStringLiteral("Ann?") << QStringLiteral("J") << QString() << QStringLiteral("txtProfile");
    }

    // A refusal is an error message, never the success text; nothing is written, the panel keeps its contents
    // and the focus goes to the field at fault. (Empty message: any words, so long as it is a refusal.)
    void refusals()
    {
        QFETCH(QByteArray, store);
        QFETCH(QString, profile);
        QFETCH(QString, person);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        PanelFixture fixture;
        fixture.writeFile(QStringLiteral("vt.dll"), store);
        const QStringList before = fixture.entries(QString());
        Panel panel = makePanel(fixture);
        QSignalSpy created(panel.widget.get(), &SaveProfilePanel::profileCreated);
        QSignalSpy back(panel.widget.get(), &SaveProfilePanel::backToMainRequested);
        panel.profile->setText(profile);
        panel.person->setText(person);

        QTest::mouseClick(panel.ok, Qt::LeftButton);

        QCOMPARE(fixture.notifier.messages.size(), 1);
        const ShownMessage& shown = fixture.notifier.messages[0];
        QCOMPARE(shown.icon, Notifier::Icon::Error);
        QCOMPARE(shown.title, QStringLiteral("Quillmere"));
        if (!message.isEmpty())
            QCOMPARE(shown.text, message);
        QVERIFY(!shown.text.isEmpty());
        QVERIFY(!shown.text.contains(QStringLiteral("uccess")));
        QCOMPARE(fixture.readFile(QStringLiteral("vt.dll")), store);
        QCOMPARE(fixture.entries(QString()), before);
        QCOMPARE(created.count(), 0);
        QCOMPARE(back.count(), 0);
        QCOMPARE(panel.profile->text(), profile);
        QCOMPARE(panel.person->text(), person);
        QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(), focus);
    }

    // A new profile: store line, folder and details file; the name is trimmed; the pre-fill list is told, the
    // success message shown, the profile name cleared while name and date stay, and the details panel called back.
    void createsAProfile()
    {
        PanelFixture fixture;
        fixture.writeFile(QStringLiteral("vt.dll"), "Jane\r\n");
        Panel panel = makePanel(fixture);
        QSignalSpy created(panel.widget.get(), &SaveProfilePanel::profileCreated);
        QSignalSpy back(panel.widget.get(), &SaveProfilePanel::backToMainRequested);
        QTest::keyClicks(panel.profile, QStringLiteral("  Smith, John "));
        // Blanks are a name as far as the panel is concerned.
        QTest::keyClicks(panel.person, QStringLiteral("John Smith "));
        panel.day->setCurrentIndex(2);
        panel.month->setCurrentIndex(2);
        panel.year->setCurrentIndex(75);

        QTest::mouseClick(panel.ok, Qt::LeftButton);

        QCOMPARE(fixture.notifier.messages.size(), 1);
        QCOMPARE(fixture.notifier.messages[0].icon, Notifier::Icon::Information);
        QCOMPARE(fixture.notifier.messages[0].title, QStringLiteral("Quillmere"));
        QCOMPARE(fixture.notifier.messages[0].text, QStringLiteral("Profile creates successfully."));
        QCOMPARE(created.count(), 1);
        QCOMPARE(created[0][0].toString(), QStringLiteral("Smith, John"));
        QCOMPARE(back.count(), 1);
        const auto listed = ProfileStore(fixture.folder).list();
        QVERIFY(listed.ok());
        QCOMPARE(listed.value(), (QStringList{QStringLiteral("Jane"), QStringLiteral("Smith, John")}));
        const auto details = ProfileStore(fixture.folder).details(QStringLiteral("Smith, John"));
        QVERIFY2(details.ok(), qPrintable(details.error()));
        QCOMPARE(details.value(),
                 (ProfileDetails{QStringLiteral("John Smith "), QStringLiteral("March"), QStringLiteral("3"),
                                 QStringLiteral("1975")}));
        QVERIFY(panel.profile->text().isEmpty());
        QVERIFY(panel.profile->hasFocus());
        QCOMPARE(panel.person->text(), QStringLiteral("John Smith "));
        QCOMPARE(panel.month->currentText(), QStringLiteral("March"));

        // The same name again is refused now that it exists.
        panel.profile->setText(QStringLiteral("smith, john"));
        QTest::mouseClick(panel.ok, Qt::LeftButton);
        QCOMPARE(fixture.notifier.messages.size(), 2);
        QCOMPARE(fixture.notifier.messages[1].icon, Notifier::Icon::Error);
        QCOMPARE(created.count(), 1);
    }

    void backToMain()
    {
        PanelFixture fixture;
        Panel panel = makePanel(fixture);
        QSignalSpy back(panel.widget.get(), &SaveProfilePanel::backToMainRequested);
        panel.profile->setText(QStringLiteral("Ann"));
        QTest::mouseClick(panel.back, Qt::LeftButton);
        QCOMPARE(back.count(), 1);
        QVERIFY(fixture.notifier.messages.isEmpty());
        QCOMPARE(fixture.readFile(QStringLiteral("vt.dll")), QByteArray());
    }

    void prefill_data()
    {
        QTest::addColumn<QByteArray>("details");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("read");
        QTest::newRow("defaults") << QByteArray("\"Ann Lee\",\"January\",\"1\",\"1980\"\r\n")
                                  << QStringLiteral("Ann Lee") << QStringLiteral("1") << QStringLiteral("January")
                                  << QStringLiteral("1980") << true;
        QTest::newRow("the last complete record counts")
            << QByteArray("\"Old\",\"May\",\"9\",\"1950\"\r\n\"Ann\",\"June\",\"30\",\"2001\"\r\n\"Half\",\"July\"\r\n")
            << QStringLiteral("Ann") << QStringLiteral("30") << QStringLiteral("June") << QStringLiteral("2001")
            << true;
        // A month written under another language and a year outside the list leave those lists alone.
        QTest::newRow("values not in the lists")
            << QByteArray("\"Ann\",\"Juin\",\"12\",\"1850\"\r\n") << QStringLiteral("Ann") << QStringLiteral("12")
            << QStringLiteral("April") << QStringLiteral("1999") << true;
        QTest::newRow("no details file") << QByteArray() << QStringLiteral("typed") << QStringLiteral("5")
                                         << QStringLiteral("April") << QStringLiteral("1999") << false;
    }

    // The pre-fill sets the name and the three date lists from the profile's details file.
    void prefill()
    {
        QFETCH(QByteArray, details);
        QFETCH(QString, name);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(bool, read);
        PanelFixture fixture;
        fixture.writeFile(QStringLiteral("vt.dll"), "Ann\r\n");
        QVERIFY(QDir(fixture.folder.root()).mkdir(QStringLiteral("Ann")));
        if (!details.isEmpty())
            fixture.writeFile(QStringLiteral("Ann/Ann"), details);
        QWidget form;
        QLineEdit nameBox(&form);
        QComboBox days(&form);
        QComboBox months(&form);
        QComboBox years(&form);
        fillDateLists(fixture.clock.locale(), days, months, years);
        nameBox.setText(QStringLiteral("typed"));
        days.setCurrentIndex(4);
        months.setCurrentIndex(3);
        years.setCurrentIndex(99);

        QCOMPARE(prefillFromProfile(fixture.folder, QStringLiteral("Ann"), nameBox, days, months, years), read);

        QCOMPARE(nameBox.text(), name);
        QCOMPARE(days.currentText(), day);
        QCOMPARE(months.currentText(), month);
        QCOMPARE(years.currentText(), year);
    }
};

QTEST_MAIN(ProfilesPanelTest)
#include "tst_profiles_panel.moc"
