#include "FileHelpers.h"
#include "storage/ProfileStore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace quillmere;

namespace {

NewProfile newProfile(const QString& name, const QString& person = QStringLiteral("Jane Roe"))
{
    return NewProfile{name,
                      ProfileDetails{person, QStringLiteral("January"), QStringLiteral("1"), QStringLiteral("1980")}};
}

} // namespace

// The profile store: listing line by line, creating safely and completely, and the details for the pre-fill.
class TestProfiles : public QObject
{
    Q_OBJECT

private:
    std::optional<QTemporaryDir> m_dir;
    std::optional<AppFolder> m_folder;

    const AppFolder& folder() const { return *m_folder; }
    ProfileStore store() const { return ProfileStore(folder()); }
    QString root() const { return m_dir->path(); }

private Q_SLOTS:
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_folder.emplace(m_dir->path());
        writeFile(folder().profileStore(), "pic\r\ncards\r\nJANE\r\n");
        QVERIFY(QDir(root()).mkdir(QStringLiteral("pic")));
        QVERIFY(QDir(root()).mkdir(QStringLiteral("cards")));
    }

    // Line by line: "Smith, John" is one profile; blank lines, the reserved entries and lines too long to
    // name a folder are skipped; each line is UTF-8 when valid, else Windows-1252.
    void listsTheStoreLineByLine()
    {
        QFile::remove(folder().profileStore());
        QVERIFY(QFile::copy(QStringLiteral(QUILLMERE_FIXTURES_DIR "/stores/mixed-store"), folder().profileStore()));
        const StorageValue<QStringList> names = store().list();
        QVERIFY2(names.ok(), qPrintable(names.error()));
        QCOMPARE(*names,
                 (QStringList{QStringLiteral("Smith, John"), QStringLiteral("Renée"), QStringLiteral("Zoë"),
                              QStringLiteral("Last")}));
    }

    void aMissingStoreHoldsNoProfiles()
    {
        QVERIFY(QFile::remove(folder().profileStore()));
        QVERIFY(store().list().ok());
        QVERIFY(store().list()->isEmpty());
    }

    void anUnreadableStoreIsAFailure()
    {
        QVERIFY(QFile::remove(folder().profileStore()));
        QVERIFY(QDir(root()).mkdir(QStringLiteral("vt.dll")));
        QVERIFY(!store().list().ok());
        const ProfileCreation created = store().create(newProfile(QStringLiteral("Ann")));
        QCOMPARE(created.refusal, std::optional(ProfileRefusal::WriteFailed));
        QVERIFY(!QFileInfo::exists(root() + QStringLiteral("/Ann")));
    }

    void createsFolderDetailsAndStoreLine()
    {
        const ProfileCreation created
            = store().create(NewProfile{QStringLiteral("  Smith, John  "),
                                        ProfileDetails{QStringLiteral("John \"Jack\" Smith"), QStringLiteral("March"),
                                                       QStringLiteral("4"), QStringLiteral("1970")}});
        QVERIFY2(created.ok(), qPrintable(created.error));
        QCOMPARE(created.profileName, QStringLiteral("Smith, John"));
        QCOMPARE(fileBytes(folder().profileStore()), QByteArray("pic\r\ncards\r\nJANE\r\nSmith, John\r\n"));
        QCOMPARE(fileBytes(root() + QStringLiteral("/Smith, John/Smith, John")),
                 QByteArray("\"John \"\"Jack\"\" Smith\",\"March\",\"4\",\"1970\"\r\n"));
        QCOMPARE(*store().list(), (QStringList{QStringLiteral("JANE"), QStringLiteral("Smith, John")}));
        const StorageValue<ProfileDetails> details = store().details(QStringLiteral("Smith, John"));
        QVERIFY2(details.ok(), qPrintable(details.error()));
        QCOMPARE(*details,
                 (ProfileDetails{QStringLiteral("John \"Jack\" Smith"), QStringLiteral("March"), QStringLiteral("4"),
                                 QStringLiteral("1970")}));
    }

    void appendsToAStoreWithoutAFinalLineEndOrWithoutAStore()
    {
        writeFile(folder().profileStore(), "Ren\xe9");
        QVERIFY(store().create(newProfile(QStringLiteral("Zoë"))).ok());
        QCOMPARE(fileBytes(folder().profileStore()), QByteArray("Ren\xe9\r\nZo\xc3\xab\r\n"));
        QCOMPARE(*store().list(), (QStringList{QStringLiteral("René"), QStringLiteral("Zoë")}));

        QVERIFY(QFile::remove(folder().profileStore()));
        QVERIFY(store().create(newProfile(QStringLiteral("Ann"))).ok());
        QCOMPARE(fileBytes(folder().profileStore()), QByteArray("Ann\r\n"));
    }

    void aFolderLeftWithoutItsStoreLineIsTakenOver()
    {
        QVERIFY(QDir(root()).mkdir(QStringLiteral("Ann")));
        writeFile(root() + QStringLiteral("/Ann/12082025153405"), "\"descsaved before\"\r\n");
        QVERIFY(store().create(newProfile(QStringLiteral("Ann"))).ok());
        QCOMPARE(entriesOf(root() + QStringLiteral("/Ann")),
                 (QStringList{QStringLiteral("12082025153405"), QStringLiteral("Ann")}));
    }

    void refusesAndWritesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("person");
        QTest::addColumn<int>("refusal");
        QTest::addColumn<QString>("message");
        const int empty = int(ProfileRefusal::EmptyProfileName);
        const int noPerson = int(ProfileRefusal::EmptyPersonName);
        const int exists = int(ProfileRefusal::AlreadyExists);
        const int unsafe = int(ProfileRefusal::UnsafeName);
        const QString person = QStringLiteral("Jane Roe");
        QTest::newRow("empty") << QString() << person << empty << QStringLiteral("Please enter profile name.");
        QTest::newRow("blanks") << QStringLiteral("   ") << person << empty
                                << QStringLiteral("Please enter profile name.");
        QTest::newRow("no person") << QStringLiteral("Ann") << QString() << noPerson
                                   << QStringLiteral("Please enter your name.");
        QTest::newRow("exists in another case")
            << QStringLiteral("jane") << person << exists << QStringLiteral("already exists");
        QTest::newRow("exists with blanks")
            << QStringLiteral(" Jane ") << person << exists << QStringLiteral("already exists");
        QTest::newRow("reserved store entry")
            << QStringLiteral("Cards") << person << exists << QStringLiteral("already exists");
        QTest::newRow("reserved pic") << QStringLiteral("PIC") << person << exists << QStringLiteral("already exists");
        QTest::newRow("misc") << QStringLiteral("Misc") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("temp") << QStringLiteral("temp") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("store") << QStringLiteral("VT.DLL") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("help") << QStringLiteral("Help") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("decks") << QStringLiteral("Decks") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("trash") << QStringLiteral("TRASH") << person << unsafe << QStringLiteral("kept by the program");
        QTest::newRow("dot") << QStringLiteral(".") << person << unsafe << QStringLiteral("dot");
        QTest::newRow("dot dot") << QStringLiteral("..") << person << unsafe << QStringLiteral("dot");
        QTest::newRow("leading dot") << QStringLiteral(".hidden") << person << unsafe << QStringLiteral("dot");
        QTest::newRow("trailing dot") << QStringLiteral("Ann.") << person << unsafe << QStringLiteral("dot");
        QTest::newRow("parent path") << QStringLiteral("../outside") << person << unsafe
                                     << QStringLiteral("characters");
        QTest::newRow("slash") << QStringLiteral("a/b") << person << unsafe << QStringLiteral("characters");
        QTest::newRow("backslash") << QStringLiteral("a\\b") << person << unsafe << QStringLiteral("characters");
        for (const char c : QByteArray("<>:\"|?*")) {
            QTest::addRow("character %c", c) << (QStringLiteral("a") + QLatin1Char(c) + QStringLiteral("b")) << person
                                             << unsafe << QStringLiteral("characters");
        }
        QTest::newRow("line break") << QStringLiteral("a\nb") << person << unsafe << QStringLiteral("control");
        QTest::newRow("tab") << QStringLiteral("a\tb") << person << unsafe << QStringLiteral("control");
        QTest::newRow("too long") << QString(256, QLatin1Char('x')) << person << unsafe << QStringLiteral("too long");
        QTest::newRow("too long in bytes")
            << QString(128, QChar(0x00e9)) << person << unsafe << QStringLiteral("too long");
    }
    void refusesAndWritesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QString, person);
        QFETCH(int, refusal);
        QFETCH(QString, message);
        const QByteArray storeBefore = fileBytes(folder().profileStore());
        const QStringList entriesBefore = entriesOf(root());
        const ProfileCreation created = store().create(newProfile(name, person));
        QVERIFY(!created.ok());
        QCOMPARE(int(*created.refusal), refusal);
        QVERIFY2(created.error.contains(message), qPrintable(created.error));
        QVERIFY(!created.error.contains(QLatin1String("Successfully")));
        QCOMPARE(fileBytes(folder().profileStore()), storeBefore);
        QCOMPARE(entriesOf(root()), entriesBefore);
        QCOMPARE(entriesOf(QFileInfo(root()).dir().path()).filter(QStringLiteral("outside")), QStringList());
    }

    void aPersonNameOfBlanksIsAName()
    {
        QVERIFY(store().create(newProfile(QStringLiteral("Ann"), QStringLiteral("  "))).ok());
        QCOMPARE(store().details(QStringLiteral("Ann"))->personName, QStringLiteral("  "));
    }

    void aNameTakenByAFileIsAFailureWithoutAStoreLine()
    {
        writeFile(root() + QStringLiteral("/Ann"), "a file, not a folder");
        const QByteArray storeBefore = fileBytes(folder().profileStore());
        const ProfileCreation created = store().create(newProfile(QStringLiteral("Ann")));
        QCOMPARE(created.refusal, std::optional(ProfileRefusal::WriteFailed));
        QVERIFY(created.error.contains(QLatin1String("could not be created")));
        QCOMPARE(fileBytes(folder().profileStore()), storeBefore);
    }

    void readsTheLastCompleteDetailsRecord_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("details"); // empty: a failure
        QTest::newRow("one record") << QByteArray("\"Jane Roe\",\"May\",\"2\",\"1975\"\r\n")
                                    << QStringList{QStringLiteral("Jane Roe"), QStringLiteral("May"),
                                                   QStringLiteral("2"), QStringLiteral("1975")};
        QTest::newRow("last complete record counts")
            << QByteArray("\"A\",\"May\",\"2\",\"1975\"\r\n\"B\",\"June\",\"3\",\"1976\"\r\n\"C\",\"July\"\r\n")
            << QStringList{QStringLiteral("B"), QStringLiteral("June"), QStringLiteral("3"), QStringLiteral("1976")};
        QTest::newRow("older file with a bare quotation mark")
            << QByteArray("\"Jo \"Jo\" Ray\",\"May\",\"2\",\"1975\"\r\n")
            << QStringList{QStringLiteral("Jo "), QStringLiteral("Jo\" Ray\""), QStringLiteral("May"),
                           QStringLiteral("2")};
        QTest::newRow("Windows-1252, LF")
            << QByteArray("\"Ren\xe9\",\"Mai\",\"2\",\"1975\"\n")
            << QStringList{QStringLiteral("René"), QStringLiteral("Mai"), QStringLiteral("2"), QStringLiteral("1975")};
        QTest::newRow("fewer than four items") << QByteArray("\"Jane\",\"May\"\r\n") << QStringList{};
        QTest::newRow("empty") << QByteArray() << QStringList{};
    }
    void readsTheLastCompleteDetailsRecord()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, details);
        QVERIFY(QDir(root()).mkdir(QStringLiteral("Jane")));
        writeFile(root() + QStringLiteral("/Jane/Jane"), content);
        const StorageValue<ProfileDetails> read = store().details(QStringLiteral("Jane"));
        QCOMPARE(read.ok(), !details.isEmpty());
        if (read.ok())
            QCOMPARE((QStringList{read->personName, read->month, read->day, read->year}), details);
        else
            QVERIFY(!read.error().isEmpty());
    }

    void detailsOfAMissingOrUnsafeProfileAreAFailure()
    {
        QVERIFY(!store().details(QStringLiteral("JANE")).ok());
        QVERIFY(!store().details(QStringLiteral("../JANE")).ok());
        QVERIFY(!store().details(QString()).ok());
    }
};

QTEST_GUILESS_MAIN(TestProfiles)
#include "tst_profiles.moc"
