#include "ChildProcess.h"
#include "TestSupport.h"

#include "content/SpreadCatalogue.h"
#include "screens/MainWindow.h"
#include "screens/ReadingExport.h"
#include "screens/ReadingPane.h"
#include "storage/RecordFormat.h"
#include "table/CardTable.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMdiArea>
#include <QMimeData>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

using namespace quillmere;
using namespace quillmere::test;

namespace {

const char* const kCommands[] = {"mnuPrint",          "mnuSavePdf",  "mnuExportReading", "mnuSaveTableImage",
                                 "mnuCopyTableImage", "mnuCopyText", "mnuCopyRichText"};

// Answers every save dialog with the next path of a list (the empty text: cancelled) and the filter given.
class AnsweringChooser final : public FileChooser
{
public:
    QString saveFileName(QWidget*, const QString& title, const QString&, const QStringList& filters,
                         QString* chosenFilter) override
    {
        titles.append(title);
        if (chosenFilter)
            *chosenFilter = filter.isEmpty() ? filters.value(0) : filter;
        return paths.isEmpty() ? QString() : paths.takeFirst();
    }
    QStringList paths;
    QString filter;
    QStringList titles;
};

// The program's folder with the staged decks, the user's data in a temporary folder.
struct App
{
    App()
        : folder(dir.path(), QStringLiteral(QUILLMERE_STAGE_DIR))
        , settings(dir.path() + QStringLiteral("/.settings/Quillmere.conf"))
        , context{reading, folder, random, clock, notifier, pause, urlOpener, QString(), settings}
    {
        writeFile(folder.profileStore(), QByteArray());
    }
    QTemporaryDir dir;
    AppFolder folder;
    CurrentReading reading;
    SeededRandomSource random{5};
    FixedReadingClock clock{QDateTime(QDate(2026, 12, 9), QTime(21, 30, 5))};
    RecordingNotifier notifier;
    RecordingPause pause;
    RecordingUrlOpener urlOpener;
    ProgramSettings settings;
    AppContext context;
};

QString celticRecord()
{
    return QStringLiteral(QUILLMERE_FIXTURES_DIR "/reopen/celtic-cross-reversed");
}

QAction* command(MainWindow& window, const char* name)
{
    return window.findChild<QAction*>(QLatin1String(name));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString pdfText(const QString& path)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

class TestExportMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The commands wait for a reading on screen and go with it.
    void enabledWithReadingOnScreen()
    {
        App app;
        MainWindow window(app.context);
        for (const char* name : kCommands) {
            QVERIFY2(command(window, name), name);
            QVERIFY2(!command(window, name)->isEnabled(), name);
        }
        QCOMPARE(window.showSavedReadingFile(celticRecord()), QString());
        for (const char* name : kCommands)
            QVERIFY2(command(window, name)->isEnabled(), name);
        window.startAgain();
        for (const char* name : kCommands)
            QVERIFY2(!command(window, name)->isEnabled(), name);
    }

    // A reopened Celtic Cross goes out as PDF, HTML, Markdown, picture and copies, all from what is on screen.
    void reopenedReadingGoesOut()
    {
        App app;
        MainWindow window(app.context);
        AnsweringChooser chooser;
        window.readingExport()->setFileChooser(chooser);
        QCOMPARE(window.showSavedReadingFile(celticRecord()), QString());
        const ReadingRecord record = *readRecordFile(celticRecord());

        const ReadingHandout handout = window.readingExport()->currentHandout();
        QCOMPARE(handout.spreadKey, SpreadCatalogue::celticCrossKey());
        QCOMPARE(handout.cards.size(), 10);
        for (int k = 0; k < 10; ++k) {
            QCOMPARE(handout.cards[k].cardIndex, record.cards[k].index);
            QCOMPARE(handout.cards[k].reversed, record.cards[k].reversed && k != kCrossingCardPosition);
        }
        QCOMPARE(handout.date, record.date);

        const QString out = app.dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);
        // The suffix is added when the name has none.
        chooser.paths
            = {out + QStringLiteral("/reading"), out + QStringLiteral("/page"), out + QStringLiteral("/table.png")};
        command(window, "mnuSavePdf")->trigger();
        command(window, "mnuExportReading")->trigger();
        command(window, "mnuSaveTableImage")->trigger();
        chooser.filter = QStringLiteral("Markdown text (*.md)");
        chooser.paths = {out + QStringLiteral("/notes")};
        command(window, "mnuExportReading")->trigger();
        QVERIFY(app.notifier.messages.isEmpty());

        const QString text = pdfText(out + QStringLiteral("/reading.pdf"));
        QVERIFY(text.contains(QStringLiteral("Tarot Reading for Anne Marie")));
        QVERIFY(text.contains(QStringLiteral("Will it rain, then?")));
        const QString html = QString::fromUtf8(bytesOf(out + QStringLiteral("/page.html")));
        QCOMPARE(html.count(QStringLiteral("<img src=\"data:image/")), 10);
        const QImage table(out + QStringLiteral("/table.png"));
        auto* cardTable = window.workspace()->findChild<CardTable*>(QStringLiteral("frmReading"));
        QVERIFY(cardTable);
        QCOMPARE(table.size(), cardTable->size() * 2);
        const QString markdown = QString::fromUtf8(bytesOf(out + QStringLiteral("/notes.md")));
        QVERIFY(markdown.contains(QStringLiteral("| 2 | The Crossing |")));

        command(window, "mnuCopyText")->trigger();
        const QString plain = window.readingPane()->displayedText().plainText();
        QCOMPARE(QGuiApplication::clipboard()->text(), plain);
        command(window, "mnuCopyRichText")->trigger();
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->hasHtml());
        // A saved reading's text has no separators; its headings are bold and coloured.
        QVERIFY(
            copied->html().contains(QStringLiteral("<span style=\"color:#008080;font-weight:bold\">Card 2</span>")));
        QCOMPARE(copied->text(), plain);
        command(window, "mnuCopyTableImage")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->image().size(), cardTable->size() * 2);
    }

    // A cancelled dialog does nothing; a write that fails tells why and leaves no file.
    void failedAndCancelledWrites()
    {
        App app;
        MainWindow window(app.context);
        AnsweringChooser chooser;
        window.readingExport()->setFileChooser(chooser);
        QCOMPARE(window.showSavedReadingFile(celticRecord()), QString());
        const QString out = app.dir.filePath(QStringLiteral("out"));
        QDir().mkpath(out);

        command(window, "mnuSavePdf")->trigger();
        QCOMPARE(chooser.titles.size(), 1);
        QVERIFY(app.notifier.messages.isEmpty());

        // A file-size limit makes the disk full for this process, as a full disk does.
        {
            const testing::FileSizeLimit limit(20000);
            chooser.paths = {out + QStringLiteral("/reading.pdf"), out + QStringLiteral("/page.html")};
            command(window, "mnuSavePdf")->trigger();
            command(window, "mnuExportReading")->trigger();
        }

        QCOMPARE(app.notifier.messages.size(), 2);
        QVERIFY(app.notifier.messages[0].text.startsWith(QStringLiteral("The PDF was not saved.")));
        QVERIFY(app.notifier.messages[0].text.contains(out + QStringLiteral("/reading.pdf")));
        QVERIFY(app.notifier.messages[1].text.startsWith(QStringLiteral("The reading was not exported.")));
        QCOMPARE(app.notifier.messages[0].icon, Notifier::Icon::Error);
        QVERIFY(QDir(out).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    // Print hands the reading on screen to the printer; with no printer installed it says so.
    void print()
    {
        App app;
        MainWindow window(app.context);
        QCOMPARE(window.showSavedReadingFile(celticRecord()), QString());
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            command(window, "mnuPrint")->trigger();
            QCOMPARE(app.notifier.messages.size(), 1);
            QVERIFY(app.notifier.messages[0].text.startsWith(QStringLiteral("No printer is installed.")));
        }
        QList<ReadingHandout> printed;
        window.readingExport()->setPrintHandler(
            [&](const ReadingHandout& handout, const DeckFolder&) { printed.append(handout); });
        command(window, "mnuPrint")->trigger();
        QCOMPARE(printed.size(), 1);
        QCOMPARE(printed[0].querentName, QStringLiteral("Anne Marie"));
        QCOMPARE(printed[0].cards.size(), 10);
    }
};

QTEST_MAIN(TestExportMenus)
#include "tst_export_menus.moc"
