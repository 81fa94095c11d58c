#include "ChildProcess.h"
#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "handout/HandoutExport.h"
#include "handout/HandoutPages.h"
#include "handout/SpreadPicture.h"
#include "storage/DeckLibrary.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <unistd.h>

using namespace quillmere;

namespace {

using Run = testing::ProgramRun;
using testing::runProgram;

Run runCli(const QStringList& args, const std::function<void()>& inChild = {})
{
    return runProgram(QStringLiteral(QUILLMERE_CLI_PATH), args, inChild);
}

QString classicDeck()
{
    return QStringLiteral(QUILLMERE_STAGE_DIR "/decks/classic-1909");
}

const QStringList kCelticCast
    = {QStringLiteral("cast"),         QStringLiteral("--spread"),
       QStringLiteral("Celtic Cross"), QStringLiteral("--reversals"),
       QStringLiteral("--seed"),       QStringLiteral("7"),
       QStringLiteral("--name"),       QStringLiteral("Jane Doe"),
       QStringLiteral("--question"),   QStringLiteral("Will it work? See www.example.org/faq.")};

// The pages of a PDF as text, one string per page.
QStringList pdfPages(const QString& pdf)
{
    const Run run = runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (run.exitCode != 0)
        return {};
    // The page's ligatures ("fl" drawn as one glyph) come back as their letters.
    QStringList pages = QString::fromUtf8(run.out).normalized(QString::NormalizationForm_KC).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

int pdfPageCount(const QString& pdf)
{
    const Run run = runProgram(QStringLiteral("pdfinfo"), {pdf});
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(QString::fromUtf8(run.out));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// Text with its runs of blanks and line ends made single blanks, as a wrapped page gives it back.
QString squeezed(const QString& text)
{
    return text.simplified();
}

// A deck whose every card is red in its upper half and blue in its lower half, so a turned card shows.
QString writeTwoToneDeck(const QString& folder)
{
    QDir().mkpath(folder);
    QImage card(130, 225, QImage::Format_RGB32);
    card.fill(Qt::blue);
    QPainter(&card).fillRect(0, 0, 130, 112, Qt::red);
    for (int i = 0; i < kDeckSize; ++i)
        card.save(QStringLiteral("%1/r%2.png").arg(folder).arg(i));
    return folder;
}

DeckFolder deckAt(const QString& folder)
{
    return DeckLibrary::readFolder(folder, QStringLiteral("user:test"), QStringLiteral("test"),
                                   DeckFolder::Source::User);
}

ReadingHandout oneCard(bool reversed)
{
    ReadingHandout handout;
    handout.spreadKey = QStringLiteral("One Card");
    handout.cards = {HandoutCard{13, reversed}};
    handout.querentName = QStringLiteral("Ann");
    StyledText text;
    StyledTextWriter(text).write(QStringLiteral("A short reading.\r\n"));
    handout.text = text;
    return handout;
}

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 180 && qRed(pixel) < 90 && qGreen(pixel) < 90;
}

} // namespace

class TestHandout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const char* tool : {"pdftotext", "pdfinfo", "pdftoppm"})
            QVERIFY2(!QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty(),
                     "poppler-utils is needed (scripts/install-deps.sh installs it)");
        QVERIFY(QFileInfo(classicDeck() + QStringLiteral("/r0.jpg")).isFile());
    }

    // The CLI's PDF of a Celtic Cross: its pages, its text and its link, page one holding the spread.
    void celticCrossPdf()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
        const Run made
            = runCli(kCelticCast
                     + QStringList{QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--output"), pdf,
                                   QStringLiteral("--deck"), classicDeck()});
        QVERIFY2(made.exitCode == 0, qPrintable(made.err));
        QVERIFY(made.out.isEmpty());
        const Run json = runCli(kCelticCast + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
        QCOMPARE(json.exitCode, 0);
        const QJsonObject reading = QJsonDocument::fromJson(json.out).object();

        const QStringList pages = pdfPages(pdf);
        const int pageCount = pdfPageCount(pdf);
        QVERIFY(pageCount >= 3);
        QCOMPARE(pages.size(), pageCount);
        for (int p = 0; p < pageCount; ++p)
            QVERIFY2(pages[p].contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pageCount)),
                     qPrintable(pages[p]));
        // Page one: the title, the querent, the spread's positions with their cards.
        QVERIFY(pages[0].contains(QStringLiteral("Tarot Reading for Jane Doe")));
        QVERIFY(pages[0].contains(QStringLiteral("Celtic Cross Spread")));
        QVERIFY(pages[0].contains(reading.value(QStringLiteral("date")).toString()));
        const QJsonArray cards = reading.value(QStringLiteral("cards")).toArray();
        const QJsonArray flags = reading.value(QStringLiteral("flags")).toArray();
        QCOMPARE(cards.size(), 10);
        for (int k = 0; k < cards.size(); ++k) {
            QString name = Deck::instance().name(cards[k].toInt());
            if (flags[k].toInt() != 0 && k != kCrossingCardPosition)
                name += QStringLiteral(", reversed");
            QVERIFY2(squeezed(pages[0]).contains(name), qPrintable(name));
        }
        // The rest: the whole reading text, each card's block on one page.
        const QString text = squeezed(pages.mid(1).join(QLatin1Char(' ')));
        for (const QString& line : reading.value(QStringLiteral("text")).toString().split(QStringLiteral("\r\n"))) {
            // The two runs may fall in different seconds.
            const QString label = QStringLiteral("Time of Creation: ");
            if (line.startsWith(label))
                QVERIFY(text.contains(label));
            else if (!line.trimmed().isEmpty())
                QVERIFY2(text.contains(squeezed(line).left(60)), qPrintable(line));
        }
        for (int k = 0; k < cards.size(); ++k) {
            const int card = cards[k].toInt();
            const QString name = Deck::instance().name(card);
            const QString meaning = squeezed(Deck::instance().meaning(card, flags[k].toInt() != 0 && k != 1)).left(40);
            bool together = false;
            for (const QString& page : pages.mid(1))
                together = together || (squeezed(page).contains(name) && squeezed(page).contains(meaning));
            QVERIFY2(together, qPrintable(name));
        }
        // The address in the question stays a link.
        QVERIFY(fileBytes(pdf).contains("/URI (http://www.example.org/faq)"));
    }

    // A reversed card lies upside down on page one, an upright one does not.
    void reversedCardTurned_data()
    {
        QTest::addColumn<bool>("reversed");
        QTest::newRow("upright") << false;
        QTest::newRow("reversed") << true;
    }
    void reversedCardTurned()
    {
        QFETCH(bool, reversed);
        QTemporaryDir dir;
        const DeckFolder deck = deckAt(writeTwoToneDeck(dir.filePath(QStringLiteral("deck"))));
        const QString pdf = dir.filePath(QStringLiteral("one.pdf"));
        QVERIFY(writeHandoutPdf(pdf, oneCard(reversed), deck, QLocale(QLocale::German, QLocale::Germany)).ok());
        const Run rendered = runProgram(QStringLiteral("pdftoppm"),
                                        {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-f"),
                                         QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                         QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
        QCOMPARE(rendered.exitCode, 0);
        const QStringList pngs = QDir(dir.path()).entryList({QStringLiteral("page*.png")});
        QCOMPARE(pngs.size(), 1);
        const QImage page(dir.filePath(pngs.first()));
        QVERIFY(!page.isNull());
        int firstRed = -1;
        int firstBlue = -1;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                if (firstRed < 0 && isRed(page.pixel(x, y)))
                    firstRed = y;
                if (firstBlue < 0 && isBlue(page.pixel(x, y)))
                    firstBlue = y;
            }
        }
        QVERIFY(firstRed >= 0 && firstBlue >= 0);
        QCOMPARE(firstBlue < firstRed, reversed);
    }

    // The crossing card lies across, every other card upright; a card without a picture is an empty frame.
    void spreadAsItLies()
    {
        QTemporaryDir dir;
        ReadingHandout handout;
        handout.spreadKey = SpreadCatalogue::celticCrossKey();
        for (int k = 0; k < 10; ++k)
            handout.cards.append(HandoutCard{k * 7, k % 2 == 0});
        const QString folder = writeTwoToneDeck(dir.filePath(QStringLiteral("deck")));
        QVERIFY(QFile::remove(folder + QStringLiteral("/r14.png")));
        const SpreadPicture spread(handout, deckAt(folder), 1);
        QCOMPARE(spread.cards().size(), 10);
        QCOMPARE(spread.pictureCount(), 9);
        for (const SpreadPicture::PlacedCard& card : spread.cards()) {
            const bool wide = card.box.width() > card.box.height();
            QCOMPARE(wide, card.position == kCrossingCardPosition);
            QCOMPARE(card.picture.isNull(), card.cardIndex == 14);
            if (!card.picture.isNull() && !card.crossing)
                QCOMPARE(isBlue(card.picture.pixel(65, 5)), card.reversed);
        }
        const QImage table = cardTableImage(handout, deckAt(folder), 2);
        QCOMPARE(table.size(), (spread.tableSize() * 2).toSize());
    }

    // The self-contained page holds the ten pictures, turned, as data: addresses; missing ones are named frames.
    void htmlExport()
    {
        QTemporaryDir dir;
        const QString page = dir.filePath(QStringLiteral("reading.html"));
        const Run made
            = runCli(kCelticCast
                     + QStringList{QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("--pictures"),
                                   QStringLiteral("--output"), page, QStringLiteral("--deck"), classicDeck()});
        QVERIFY2(made.exitCode == 0, qPrintable(made.err));
        const QString html = QString::fromUtf8(fileBytes(page));
        const QRegularExpression image(QStringLiteral("<img src=\"data:image/(jpeg|png);base64,([A-Za-z0-9+/=]+)\""));
        int images = 0;
        for (QRegularExpressionMatchIterator it = image.globalMatch(html); it.hasNext(); ++images) {
            const QByteArray bytes = QByteArray::fromBase64(it.next().captured(2).toLatin1());
            QVERIFY(!QImage::fromData(bytes).isNull());
        }
        QCOMPARE(images, 10);
        QCOMPARE(html.count(QStringLiteral("<img ")), 10);
        // Eleven rules: the header's and one after each card.
        QCOMPARE(html.count(QStringLiteral("<hr style")), 11);
        QVERIFY(html.contains(QStringLiteral("<a href=\"http://www.example.org/faq\">")));
        QTextDocument document;
        document.setHtml(html);
        QVERIFY(document.toPlainText().contains(QStringLiteral("Jane Doe")));

        QDir().mkpath(dir.filePath(QStringLiteral("empty")));
        const Run bare
            = runCli(kCelticCast
                     + QStringList{QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("--pictures"),
                                   QStringLiteral("--deck"), dir.filePath(QStringLiteral("empty"))});
        QCOMPARE(bare.exitCode, 0);
        QCOMPARE(bare.out.count("<img "), 0);
        QCOMPARE(bare.out.count("class=\"card missing\""), 10);
    }

    // The saved reading's PDF, with the Markdown of the same reading.
    void savedReadingPdfAndMarkdown()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("saved.pdf"));
        const QString record = QStringLiteral(QUILLMERE_FIXTURES_DIR "/reopen/celtic-cross-reversed");
        QVERIFY2(QFileInfo(record).isFile(), qPrintable(record));
        const Run made = runCli({QStringLiteral("show"), record, QStringLiteral("--format=pdf"),
                                 QStringLiteral("--output"), pdf, QStringLiteral("--deck"), classicDeck()});
        QVERIFY2(made.exitCode == 0, qPrintable(made.err));
        QVERIFY(pdfPageCount(pdf) >= 2);
        QVERIFY(pdfPages(pdf).value(0).contains(QStringLiteral("Celtic Cross Spread")));
    }

    void markdown()
    {
        ReadingHandout handout = oneCard(true);
        StyledText text;
        StyledTextWriter out(text);
        out.setBold(true);
        out.write(QStringLiteral("Name: "));
        out.setBold(false);
        out.write(QStringLiteral("A*B see https://example.org/x.\r\n"));
        out.setUnderline(true);
        out.write(QString(40, QLatin1Char(' ')));
        out.setUnderline(false);
        out.write(QStringLiteral("\r\nend"));
        handout.text = text;
        const QString md = handoutMarkdown(handout);
        QVERIFY2(md.contains(QStringLiteral("**Name:** A\\*B see <https://example.org/x>.")), qPrintable(md));
        QVERIFY(md.contains(QStringLiteral("\n---\n\nend")));
        QVERIFY(md.contains(QStringLiteral("| 1 |  | %1, reversed |").arg(Deck::instance().name(13))));
    }

    void pageSizeFromLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("size");
        QTest::newRow("United States") << QLocale(QLocale::English, QLocale::UnitedStates) << int(QPageSize::Letter);
        QTest::newRow("Canada") << QLocale(QLocale::French, QLocale::Canada) << int(QPageSize::Letter);
        QTest::newRow("Britain") << QLocale(QLocale::English, QLocale::UnitedKingdom) << int(QPageSize::A4);
        QTest::newRow("Germany") << QLocale(QLocale::German, QLocale::Germany) << int(QPageSize::A4);
    }
    void pageSizeFromLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, size);
        QCOMPARE(int(handoutPageSize(locale).id()), size);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sized.pdf"));
        QVERIFY(writeHandoutPdf(pdf, oneCard(false), DeckFolder(), locale).ok());
        const Run info = runProgram(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(QString::fromUtf8(info.out).contains(size == QPageSize::Letter ? QStringLiteral("letter")
                                                                               : QStringLiteral("A4")));
    }

    // A PDF that cannot be written fails with the reason and leaves nothing behind.
    void unwritablePdf_data()
    {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("file-size limit") << false;
    }
    void unwritablePdf()
    {
        QFETCH(bool, readOnlyFolder);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("out"));
        QVERIFY(QDir().mkpath(target));
        QFile::setPermissions(dir.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ExeGroup | QFileDevice::ExeOther);
        QFile::setPermissions(target,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                  | QFileDevice::ReadOther | QFileDevice::ExeOther);
        const std::function<void()> child = readOnlyFolder ? std::function<void()>([] {
            if (setgid(65534) != 0 || setuid(65534) != 0)
                _exit(99);
        })
                                                           : std::function<void()>(testing::fileSizeLimit(20000));
        if (readOnlyFolder && getuid() != 0)
            QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const QString pdf = target + QStringLiteral("/reading.pdf");
        const Run run
            = runCli(kCelticCast
                         + QStringList{QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--output"),
                                       pdf, QStringLiteral("--deck"), classicDeck()},
                     readOnlyFolder && getuid() == 0 ? child : (readOnlyFolder ? nullptr : child));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(pdf), qPrintable(run.err));
        QVERIFY(QDir(target).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("pdf without output") << QStringList{QStringLiteral("--format"), QStringLiteral("pdf")}
                                            << QStringLiteral("--format pdf needs --output FILE");
        QTest::newRow("pictures without html")
            << QStringList{QStringLiteral("--pictures")} << QStringLiteral("--pictures goes with --format html");
        QTest::newRow("deck that is no folder")
            << QStringList{QStringLiteral("--format"), QStringLiteral("html"), QStringLiteral("--pictures"),
                           QStringLiteral("--deck"), QStringLiteral("/nonexistent")}
            << QStringLiteral("--deck needs a folder");
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        const Run run = runCli(kCelticCast + args);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
    }

private:
    static QByteArray fileBytes(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(TestHandout)
#include "tst_handout.moc"
