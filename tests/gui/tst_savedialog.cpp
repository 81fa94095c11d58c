#include "PanelFixtures.h"

#include "screens/SaveReadingDialog.h"
#include "storage/ProfileStore.h"
#include "storage/ReadingArchive.h"
#include "storage/RecordFormat.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::testing;

namespace {

// What the user does in the dialog before pressing Save Reading.
enum class Option { None, Profile, Misc, ProfileThenMisc };

} // namespace

Q_DECLARE_METATYPE(Option)

class SaveDialogTest : public QObject
{
    Q_OBJECT

private:
    // A fixture with the profiles Jane and Bob and the temporary record of a three-card reading.
    std::unique_ptr<PanelFixture> makeFixture()
    {
        auto fixture = std::make_unique<PanelFixture>();
        const ProfileStore store(fixture->folder);
        for (const QString& name : {QStringLiteral("Jane"), QStringLiteral("Bob")}) {
            const ProfileCreation created
                = store.create({name, {name, QStringLiteral("March"), QStringLiteral("3"), QStringLiteral("1975")}});
            if (!created.ok())
                qFatal("profile not created: %s", qPrintable(created.error));
        }
        CurrentReading& reading = fixture->reading;
        reading.querentName = QStringLiteral("Jane Doe");
        reading.birthDate = QStringLiteral("March 3, 1975");
        reading.question = QStringLiteral("Which way?");
        reading.spread = SpreadCatalogue::instance().byKey(u"Three Cards");
        reading.mode = CastMode::Manual;
        reading.cards = {{4, false}, {30, true}, {77, false}};
        if (!writeTempReading(fixture->folder, reading, fixture->clock).ok())
            qFatal("temporary record not written");
        return fixture;
    }

    struct Dialog
    {
        QPointer<SaveReadingDialog> window;
        QRadioButton* underProfile;
        QRadioButton* underMisc;
        QComboBox* profiles;
        QPlainTextEdit* description;
        QPushButton* save;
        QPushButton* back;
    };

    Dialog openDialog(PanelFixture& fixture)
    {
        auto* window = SaveReadingDialog::open(fixture.context, nullptr);
        Dialog dialog{window,
                      window->findChild<QRadioButton*>(QStringLiteral("optUnderProfile")),
                      window->findChild<QRadioButton*>(QStringLiteral("optUnderMisc")),
                      window->findChild<QComboBox*>(QStringLiteral("cboProfiles")),
                      window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesc")),
                      window->findChild<QPushButton*>(QStringLiteral("cmdSaveReading")),
                      window->findChild<QPushButton*>(QStringLiteral("cmdBacktoMain"))};
        if (!dialog.underProfile || !dialog.underMisc || !dialog.profiles || !dialog.description || !dialog.save
            || !dialog.back)
            qFatal("a control of the save dialog is missing");
        return dialog;
    }

    void choose(Dialog& dialog, Option option, const QString& profile)
    {
        if (option == Option::Profile || option == Option::ProfileThenMisc) {
            QTest::mouseClick(dialog.underProfile, Qt::LeftButton);
            if (!profile.isEmpty())
                dialog.profiles->setCurrentIndex(dialog.profiles->findText(profile));
        }
        if (option == Option::Misc || option == Option::ProfileThenMisc)
            QTest::mouseClick(dialog.underMisc, Qt::LeftButton);
    }

    static void close(Dialog& dialog)
    {
        if (dialog.window)
            dialog.window->close();
        QTRY_VERIFY(dialog.window.isNull());
    }

private Q_SLOTS:
    void opensWithNothingChosenAndTheStoreListed()
    {
        auto fixture = makeFixture();
        fixture->writeFile(QStringLiteral("vt.dll"), "pic\r\nJane\r\nCARDS\r\nBob\r\nSmith, John\r\n");
        Dialog dialog = openDialog(*fixture);
        QCOMPARE(dialog.window->objectName(), QStringLiteral("frmSaveReading"));
        QCOMPARE(dialog.window->windowTitle(), QStringLiteral("Quillmere v1.0"));
        QVERIFY(dialog.window->isModal());
        QVERIFY(!dialog.underProfile->isChecked());
        QVERIFY(!dialog.underMisc->isChecked());
        QVERIFY(!dialog.profiles->isEnabled());
        QCOMPARE(dialog.profiles->currentText(), QString());
        QStringList listed;
        for (int i = 0; i < dialog.profiles->count(); ++i)
            listed.append(dialog.profiles->itemText(i));
        QCOMPARE(listed, (QStringList{QStringLiteral("Jane"), QStringLiteral("Bob"), QStringLiteral("Smith, John")}));
        QVERIFY(dialog.description->toPlainText().isEmpty());

        QTest::mouseClick(dialog.underProfile, Qt::LeftButton);
        QVERIFY(dialog.profiles->isEnabled());
        dialog.profiles->setCurrentIndex(1);
        QTest::mouseClick(dialog.underMisc, Qt::LeftButton);
        QVERIFY(!dialog.profiles->isEnabled());
        QVERIFY(!dialog.underProfile->isChecked());
        QCOMPARE(dialog.profiles->currentText(), QStringLiteral("Bob"));
        close(dialog);
    }

    void refusals_data()
    {
        QTest::addColumn<Option>("option");
        QTest::addColumn<QString>("profile");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing chosen") << Option::None << QString() << QStringLiteral("Weekly")
                                        << QStringLiteral("Please select an option.");
        QTest::newRow("no profile picked") << Option::Profile << QString() << QStringLiteral("Weekly")
                                           << QStringLiteral("Please select profile to save.");
        QTest::newRow("profile, description of blanks")
            << Option::Profile << QStringLiteral("Jane") << QStringLiteral("   ")
            << QStringLiteral("Please enter description.");
        QTest::newRow("profile, empty description")
            << Option::Profile << QStringLiteral("Jane") << QString() << QStringLiteral("Please enter description.");
        QTest::newRow("misc, description of blanks")
            << Option::Misc << QString() << QStringLiteral("  \n ") << QStringLiteral("Please enter description.");
    }

    // Each refusal shows its message with the error icon and leaves the dialog open, as it was, with nothing written.
    void refusals()
    {
        QFETCH(Option, option);
        QFETCH(QString, profile);
        QFETCH(QString, description);
        QFETCH(QString, message);
        auto fixture = makeFixture();
        const QByteArray temp = fixture->readFile(QStringLiteral("temp"));
        Dialog dialog = openDialog(*fixture);
        choose(dialog, option, profile);
        dialog.description->setPlainText(description);

        QTest::mouseClick(dialog.save, Qt::LeftButton);

        QCOMPARE(fixture->notifier.messages.size(), 1);
        QCOMPARE(fixture->notifier.messages[0].icon, Notifier::Icon::Error);
        QCOMPARE(fixture->notifier.messages[0].title, QStringLiteral("Quillmere"));
        QCOMPARE(fixture->notifier.messages[0].text, message);
        QVERIFY(dialog.window && dialog.window->isVisible());
        QCOMPARE(dialog.description->toPlainText(), description);
        QCOMPARE(dialog.profiles->currentText(), profile);
        QCOMPARE(fixture->readFile(QStringLiteral("temp")), temp);
        QCOMPARE(fixture->entries(QStringLiteral("Jane")), QStringList{QStringLiteral("Jane")});
        QVERIFY(!QFileInfo::exists(fixture->folder.miscFolder()));
        close(dialog);
    }

    void saves_data()
    {
        QTest::addColumn<Option>("option");
        QTest::addColumn<QString>("folder");
        QTest::newRow("under the profile") << Option::Profile << QStringLiteral("Jane");
        QTest::newRow("under Miscellaneous") << Option::Misc << QStringLiteral("misc");
        // The list still shows Jane, but Miscellaneous is what is chosen.
        QTest::newRow("profile picked, then Miscellaneous") << Option::ProfileThenMisc << QStringLiteral("misc");
    }

    // A save files the record, named by the stamp of the moment, with the trimmed description (inner blanks
    // and line breaks kept), says so, and closes the dialog.
    void saves()
    {
        QFETCH(Option, option);
        QFETCH(QString, folder);
        auto fixture = makeFixture();
        Dialog dialog = openDialog(*fixture);
        choose(dialog, option, QStringLiteral("Jane"));
        dialog.description->setPlainText(QStringLiteral("  Weekly  reading\nfor Jane  "));

        QTest::mouseClick(dialog.save, Qt::LeftButton);

        QCOMPARE(fixture->notifier.messages.size(), 1);
        QCOMPARE(fixture->notifier.messages[0].icon, Notifier::Icon::Information);
        QCOMPARE(fixture->notifier.messages[0].title, QStringLiteral("Quillmere"));
        QCOMPARE(fixture->notifier.messages[0].text, QStringLiteral("Your Reading has been Saved Successfully"));
        QTRY_VERIFY(dialog.window.isNull());

        const QString stamp = QStringLiteral("12082025153405");
        QStringList expected{stamp};
        if (folder == QStringLiteral("Jane"))
            expected.append(QStringLiteral("Jane"));
        QCOMPARE(fixture->entries(folder), expected);
        const QString other = folder == QStringLiteral("Jane") ? QStringLiteral("misc") : QStringLiteral("Jane");
        QVERIFY(!fixture->entries(other).contains(stamp));

        const auto saved = readRecordFile(fixture->folder.path(folder + QLatin1Char('/') + stamp));
        QVERIFY2(saved.ok(), qPrintable(saved.error()));
        QCOMPARE(saved->querentName, QStringLiteral("Jane Doe"));
        QCOMPARE(saved->spreadName, QStringLiteral("Three Cards"));
        QCOMPARE(saved->cardList().values(), (QList<int>{4, 30, 77}));
        QCOMPARE(saved->flagList().values(), (QList<int>{0, 1, 0}));
        QCOMPARE(saved->descriptions, QStringList{QStringLiteral("Weekly  reading\nfor Jane")});
    }

    // Saving the same reading twice files two copies; the second carries both descriptions.
    void savingAgainFilesASecondCopy()
    {
        auto fixture = makeFixture();
        for (const QString& description : {QStringLiteral("first"), QStringLiteral("second")}) {
            Dialog dialog = openDialog(*fixture);
            choose(dialog, Option::Misc, QString());
            dialog.description->setPlainText(description);
            QTest::mouseClick(dialog.save, Qt::LeftButton);
            QTRY_VERIFY(dialog.window.isNull());
        }
        const QStringList saved = fixture->entries(QStringLiteral("misc"));
        QCOMPARE(saved.size(), 2);
        const auto second = readRecordFile(fixture->folder.path(QStringLiteral("misc/") + saved.last()));
        QVERIFY(second.ok());
        QCOMPARE(second->descriptions, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
        QCOMPARE(fixture->notifier.texts(), QStringList(2, QStringLiteral("Your Reading has been Saved Successfully")));
    }

    // Whatever became of the temporary record since the cast, the reading on screen is what is filed.
    void theReadingOnScreenIsFiled_data()
    {
        QTest::addColumn<QByteArray>("temp");
        QTest::newRow("no record (the disk was full at the cast)") << QByteArray();
        QTest::newRow("a damaged record") << QByteArray("\0\1\2", 3);
    }
    void theReadingOnScreenIsFiled()
    {
        QFETCH(QByteArray, temp);
        auto fixture = makeFixture();
        QVERIFY(QFile::remove(fixture->folder.tempRecord()));
        if (!temp.isEmpty())
            fixture->writeFile(QStringLiteral("temp"), temp);
        Dialog dialog = openDialog(*fixture);
        choose(dialog, Option::Misc, QString());
        dialog.description->setPlainText(QStringLiteral("Kept after all"));
        QTest::mouseClick(dialog.save, Qt::LeftButton);
        QTRY_VERIFY(dialog.window.isNull());
        QCOMPARE(fixture->notifier.texts(), QStringList{QStringLiteral("Your Reading has been Saved Successfully")});
        const QStringList saved = fixture->entries(QStringLiteral("misc"));
        QCOMPARE(saved.size(), 1);
        const auto filed = readRecordFile(fixture->folder.path(QStringLiteral("misc/") + saved.first()));
        QVERIFY(filed.ok());
        QCOMPARE(filed->querentName, QStringLiteral("Jane Doe"));
        QCOMPARE(filed->cardList(), CardList::of({4, 30, 77}));
        QCOMPARE(filed->flagList(), CardList::of({0, 1, 0}));
        QCOMPARE(filed->descriptions, QStringList{QStringLiteral("Kept after all")});
        // The temporary record holds the reading again, for a second save.
        const auto kept = readRecordFile(fixture->folder.tempRecord());
        QVERIFY(kept.ok());
        QCOMPARE(kept->cardList(), CardList::of(fixture->reading.cardIndices()));
    }

    void failures_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("words");
        QTest::newRow("profile folder removed by hand")
            << QStringLiteral("folder")
            << QStringLiteral("The folder of the profile \"Jane\" does not exist, so the reading could not be saved.");
        QTest::newRow("temporary record that cannot be written again")
            << QStringLiteral("temp") << QStringLiteral("The reading could not be saved.");
    }

    // A save that does not reach the disk is reported as a failure in words, never as a success; the dialog
    // stays open with the user's choice and description, so nothing is lost.
    void failures()
    {
        QFETCH(QString, damage);
        QFETCH(QString, words);
        auto fixture = makeFixture();
        if (damage == QStringLiteral("folder"))
            QVERIFY(QDir(fixture->folder.path(QStringLiteral("Jane"))).removeRecursively());
        else // the record is gone, and a folder in its place keeps it from being written again
            QVERIFY(QFile::remove(fixture->folder.tempRecord()) && QDir().mkdir(fixture->folder.tempRecord()));
        Dialog dialog = openDialog(*fixture);
        choose(dialog, Option::Profile, QStringLiteral("Jane"));
        dialog.description->setPlainText(QStringLiteral("Weekly"));

        QTest::mouseClick(dialog.save, Qt::LeftButton);

        QCOMPARE(fixture->notifier.messages.size(), 1);
        QCOMPARE(fixture->notifier.messages[0].icon, Notifier::Icon::Error);
        QVERIFY2(fixture->notifier.messages[0].text.startsWith(words), qPrintable(fixture->notifier.messages[0].text));
        QVERIFY(!fixture->notifier.texts().contains(QStringLiteral("Your Reading has been Saved Successfully")));
        QVERIFY(dialog.window && dialog.window->isVisible());
        QVERIFY(dialog.underProfile->isChecked());
        QCOMPARE(dialog.profiles->currentText(), QStringLiteral("Jane"));
        QCOMPARE(dialog.description->toPlainText(), QStringLiteral("Weekly"));
        QVERIFY(!QFileInfo::exists(fixture->folder.path(QStringLiteral("Jane")))
                || fixture->entries(QStringLiteral("Jane")) == QStringList{QStringLiteral("Jane")});
        close(dialog);
    }

    void backToMainWritesNothing()
    {
        auto fixture = makeFixture();
        const QByteArray temp = fixture->readFile(QStringLiteral("temp"));
        Dialog dialog = openDialog(*fixture);
        choose(dialog, Option::Misc, QString());
        dialog.description->setPlainText(QStringLiteral("Weekly"));
        QTest::mouseClick(dialog.back, Qt::LeftButton);
        QTRY_VERIFY(dialog.window.isNull());
        QVERIFY(fixture->notifier.messages.isEmpty());
        QCOMPARE(fixture->readFile(QStringLiteral("temp")), temp);
        QVERIFY(!QFileInfo::exists(fixture->folder.miscFolder()));
    }
};

QTEST_MAIN(SaveDialogTest)
#include "tst_savedialog.moc"
