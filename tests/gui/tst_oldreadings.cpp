#include "PanelFixtures.h"

#include "screens/OldReadingPanel.h"
#include "storage/ProfileStore.h"
#include "storage/RecordFormat.h"
#include "storage/SavedReadingText.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

const QString kFiveBlanks = QStringLiteral("     ");

ReadingRecord celticCross()
{
    ReadingRecord record;
    record.querentName = QStringLiteral("Anne Marie");
    record.birthDate = QStringLiteral("March 3, 1975");
    record.question = QStringLiteral("Will it rain, then?");
    record.date = QStringLiteral("12/8/25");
    record.time = QStringLiteral("3:34:05 PM");
    record.spreadName = QStringLiteral("Celtic Cross");
    for (int k = 0; k < 10; ++k)
        record.cards.append({k * 7, k % 3 == 0});
    record.descriptions = {QStringLiteral("Weekly"), QStringLiteral("Weekly, again")};
    return record;
}

ReadingRecord oneCard()
{
    ReadingRecord record;
    record.date = QStringLiteral("1/2/26");
    record.time = QStringLiteral("9:00:00 AM");
    record.spreadName = QStringLiteral("One Card");
    record.cards.append({77, false});
    record.descriptions = {QStringLiteral("Morning card")};
    return record;
}

} // namespace

class OldReadingsTest : public QObject
{
    Q_OBJECT

private:
    struct Panel
    {
        std::unique_ptr<OldReadingPanel> widget;
        QComboBox* profiles;
        QLabel* caption;
        QListWidget* readings;
        QListWidget* files;
        QPushButton* view;
        QPushButton* back;
    };

    // Jane's folder holds her details file and two readings; the store also lists Bob and the reserved entries.
    static void writeReadings(PanelFixture& fixture)
    {
        const ProfileStore store(fixture.folder);
        for (const QString& name : {QStringLiteral("Jane"), QStringLiteral("Bob")})
            QVERIFY(
                store.create({name, {name, QStringLiteral("May"), QStringLiteral("1"), QStringLiteral("1990")}}).ok());
        fixture.writeFile(QStringLiteral("vt.dll"), fixture.readFile(QStringLiteral("vt.dll")) + "pic\r\nCards\r\n");
        fixture.writeFile(QStringLiteral("Jane/12082025153405"), serializeRecord(celticCross()));
        fixture.writeFile(QStringLiteral("Jane/01022026090000"), serializeRecord(oneCard()));
    }

    static Panel makePanel(PanelFixture& fixture, RecordingHost& host)
    {
        auto widget = std::make_unique<OldReadingPanel>(fixture.context, host);
        widget->show();
        Panel panel{nullptr,
                    widget->findChild<QComboBox*>(QStringLiteral("cboProfiles")),
                    widget->findChild<QLabel*>(QStringLiteral("lblCaption")),
                    widget->findChild<QListWidget*>(QStringLiteral("lstReadings")),
                    widget->findChild<QListWidget*>(QStringLiteral("lstReadings1")),
                    widget->findChild<QPushButton*>(QStringLiteral("cmdReading1")),
                    widget->findChild<QPushButton*>(QStringLiteral("cmdBacktoMain1"))};
        if (!panel.profiles || !panel.caption || !panel.readings || !panel.files || !panel.view || !panel.back)
            qFatal("a control of the old-reading panel is missing");
        panel.widget = std::move(widget);
        panel.widget->fillProfiles();
        return panel;
    }

    static QStringList texts(const QListWidget* list)
    {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all.append(list->item(i)->text());
        return all;
    }

    static QStringList texts(const QComboBox* list)
    {
        QStringList all;
        for (int i = 0; i < list->count(); ++i)
            all.append(list->itemText(i));
        return all;
    }

    // Chooses an entry of the profile list as the user does.
    static void chooseProfile(Panel& panel, const QString& profile)
    {
        const int index = panel.profiles->findText(profile);
        QVERIFY(index >= 0);
        panel.profiles->setCurrentIndex(index);
        Q_EMIT panel.profiles->activated(index);
    }

    static void clickRow(QListWidget* list, int row)
    {
        const QRect place = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }

private Q_SLOTS:
    void profilesThenMisc()
    {
        PanelFixture fixture;
        writeReadings(fixture);
        RecordingHost host;
        Panel panel = makePanel(fixture, host);
        QCOMPARE(panel.widget->objectName(), QStringLiteral("picOldProfile"));
        QCOMPARE(texts(panel.profiles), (QStringList{QStringLiteral("Jane"), QStringLiteral("Bob")}));
        QCOMPARE(panel.profiles->currentText(), QString());
        QCOMPARE(panel.caption->text(), QStringLiteral("Reading Displayed for ...."));
        QVERIFY(!panel.files->isVisible());

        QVERIFY(QDir(fixture.folder.root()).mkdir(QStringLiteral("misc")));
        panel.widget->fillProfiles();
        QCOMPARE(texts(panel.profiles),
                 (QStringList{QStringLiteral("Jane"), QStringLiteral("Bob"), QStringLiteral("misc")}));
    }

    // Both lists, entry for entry: the date, the time and each description for the eye; the file name and each
    // description beside it. The profile's details file is no reading.
    void listsTheReadingsOfAFolder()
    {
        PanelFixture fixture;
        writeReadings(fixture);
        RecordingHost host;
        Panel panel = makePanel(fixture, host);

        chooseProfile(panel, QStringLiteral("Jane"));

        QCOMPARE(panel.caption->text(), QStringLiteral("Reading Displayed for Jane"));
        QCOMPARE(texts(panel.readings),
                 (QStringList{QStringLiteral("1/2/26") + kFiveBlanks + QStringLiteral("9:00:00 AM") + kFiveBlanks
                                  + QStringLiteral("Morning card"),
                              QStringLiteral("12/8/25") + kFiveBlanks + QStringLiteral("3:34:05 PM") + kFiveBlanks
                                  + QStringLiteral("Weekly") + kFiveBlanks + QStringLiteral("Weekly, again")}));
        QCOMPARE(texts(panel.files),
                 (QStringList{QStringLiteral("01022026090000") + kFiveBlanks + QStringLiteral("Morning card"),
                              QStringLiteral("12082025153405") + kFiveBlanks + QStringLiteral("Weekly") + kFiveBlanks
                                  + QStringLiteral("Weekly, again")}));
        QVERIFY(panel.readings->selectedItems().isEmpty());

        // Another folder replaces both lists; reopening the panel keeps them.
        chooseProfile(panel, QStringLiteral("Bob"));
        QCOMPARE(panel.caption->text(), QStringLiteral("Reading Displayed for Bob"));
        QCOMPARE(panel.readings->count(), 0);
        QCOMPARE(panel.files->count(), 0);
        QVERIFY(QDir(fixture.folder.root()).mkdir(QStringLiteral("misc")));
        fixture.writeFile(QStringLiteral("misc/02022026100000"), serializeRecord(oneCard()));
        panel.widget->fillProfiles();
        chooseProfile(panel, QStringLiteral("misc"));
        QCOMPARE(texts(panel.files),
                 QStringList{QStringLiteral("02022026100000") + kFiveBlanks + QStringLiteral("Morning card")});
        panel.widget->fillProfiles();
        QCOMPARE(panel.readings->count(), 1);
    }

    void refusals()
    {
        PanelFixture fixture;
        writeReadings(fixture);
        RecordingHost host;
        Panel panel = makePanel(fixture, host);
        QSignalSpy opened(panel.widget.get(), &OldReadingPanel::readingOpened);

        QTest::mouseClick(panel.view, Qt::LeftButton);
        chooseProfile(panel, QStringLiteral("Jane"));
        QTest::mouseClick(panel.view, Qt::LeftButton);

        QCOMPARE(
            fixture.notifier.texts(),
            (QStringList{QStringLiteral("Please select profile."), QStringLiteral("Please select file to be read.")}));
        for (const ShownMessage& message : fixture.notifier.messages) {
            QCOMPARE(message.icon, Notifier::Icon::Error);
            QCOMPARE(message.title, QStringLiteral("Quillmere"));
        }
        QCOMPARE(opened.count(), 0);
        QCOMPARE(host.textsSet, 0);
        QCOMPARE(host.state, RecordingHost::State::NoReading);
    }

    void opens_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("View Old Reading") << false;
        QTest::newRow("double click") << true;
    }

    // The selected reading comes back: the querent and the moment from the file, the text as the saved reading is
    // rendered, its own card table, the main window in the reopened state, and the details screen told.
    void opens()
    {
        QFETCH(bool, doubleClick);
        PanelFixture fixture;
        writeReadings(fixture);
        RecordingHost host;
        host.area.resize(1200, 1000);
        host.area.show();
        fixture.reading.spread = SpreadCatalogue::instance().byKey(u"One Card");
        fixture.reading.cards = {{5, false}};
        Panel panel = makePanel(fixture, host);
        QSignalSpy opened(panel.widget.get(), &OldReadingPanel::readingOpened);
        chooseProfile(panel, QStringLiteral("Jane"));

        if (doubleClick) {
            // A double click begins with the press of its first click.
            clickRow(panel.readings, 1);
            const QRect place = panel.readings->visualItemRect(panel.readings->item(1));
            QTest::mouseDClick(panel.readings->viewport(), Qt::LeftButton, {}, place.center());
        } else {
            clickRow(panel.readings, 1);
            QTest::mouseClick(panel.view, Qt::LeftButton);
        }

        QVERIFY2(fixture.notifier.messages.isEmpty(), qPrintable(fixture.notifier.texts().join(u'|')));
        QCOMPARE(opened.count(), 1);
        QCOMPARE(host.textsSet, 1);
        QCOMPARE(host.text, showSavedReading(celticCross()));
        QCOMPARE(host.state, RecordingHost::State::Reopened);
        QVERIFY(host.area.findChild<QWidget*>(QStringLiteral("frmReading")));
        QCOMPARE(fixture.reading.querentName, QStringLiteral("Anne Marie"));
        QCOMPARE(fixture.reading.creationTime, QStringLiteral("3:34:05 PM"));
        // The reading in progress keeps its spread and cards.
        QCOMPARE(fixture.reading.spreadKey(), QStringLiteral("One Card"));
        QCOMPARE(fixture.reading.cards, (QList<ReadingCard>{{5, false}}));
    }

    void unreadable_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("remove");
        QTest::newRow("not a record") << QByteArray("\x01\x02\x03\x00 binary", 12) << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("removed after listing") << serializeRecord(oneCard()) << true;
    }

    // A file that cannot be read as a reading is reported in words; nothing is shown and the panel stays.
    void unreadable()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, remove);
        PanelFixture fixture;
        writeReadings(fixture);
        fixture.writeFile(QStringLiteral("Jane/notes"), bytes);
        RecordingHost host;
        Panel panel = makePanel(fixture, host);
        QSignalSpy opened(panel.widget.get(), &OldReadingPanel::readingOpened);
        chooseProfile(panel, QStringLiteral("Jane"));
        const int row = static_cast<int>(texts(panel.files).indexOf(QRegularExpression(QStringLiteral("notes.*"))));
        QVERIFY(row >= 0);
        if (remove)
            QVERIFY(QFile::remove(fixture.folder.path(QStringLiteral("Jane/notes"))));
        const QString nameBefore = fixture.reading.querentName;

        clickRow(panel.readings, row);
        QTest::mouseClick(panel.view, Qt::LeftButton);

        QCOMPARE(fixture.notifier.messages.size(), 1);
        QCOMPARE(fixture.notifier.messages[0].icon, Notifier::Icon::Error);
        QVERIFY(fixture.notifier.messages[0].text.startsWith(QStringLiteral("The reading could not be opened.")));
        QCOMPARE(opened.count(), 0);
        QCOMPARE(host.textsSet, 0);
        QCOMPARE(host.state, RecordingHost::State::NoReading);
        QVERIFY(!host.area.findChild<QWidget*>(QStringLiteral("frmReading")));
        QCOMPARE(fixture.reading.querentName, nameBefore);
        QCOMPARE(panel.readings->count(), 3);
    }

    void backToMain()
    {
        PanelFixture fixture;
        RecordingHost host;
        Panel panel = makePanel(fixture, host);
        QSignalSpy back(panel.widget.get(), &OldReadingPanel::backToMainRequested);
        QTest::mouseClick(panel.back, Qt::LeftButton);
        QCOMPARE(back.count(), 1);
    }
};

QTEST_MAIN(OldReadingsTest)
#include "tst_oldreadings.moc"
