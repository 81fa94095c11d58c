#include "TestSupport.h"

#include "screens/ReadingPane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace quillmere;
using namespace quillmere::test;

namespace {

StyledText runs(std::initializer_list<TextRun> list)
{
    StyledText text;
    for (const TextRun& run : list)
        text.append(run);
    return text;
}

// The point in the pane's viewport over the character at offset within the first occurrence of needle.
QPoint pointOver(ReadingPane& pane, const QString& needle, int offset = 2)
{
    const qsizetype at = pane.document()->toRawText().indexOf(needle);
    QTextCursor cursor(pane.document());
    cursor.setPosition(static_cast<int>(at + offset));
    return pane.cursorRect(cursor).center() + QPoint(2, 0);
}

} // namespace

class TestReadingPane : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsRunsExactly_data();
    void showsRunsExactly();
    void usesTheReadingFont();
    void showsNewTextFromItsTop();
    void separatorIsDrawnAsARule();
    void openableAddresses_data();
    void openableAddresses();
    void linkClicks_data();
    void linkClicks();
    void rightClickAndHoverOpenNothing();
    void nothingButWebAndMailIsOpened();
};

void TestReadingPane::showsRunsExactly_data()
{
    QTest::addColumn<StyledText>("text");
    QTest::newRow("plain") << runs({{QStringLiteral("Card 1")}});
    QTest::newRow("attributes") << runs({
        {QStringLiteral("Bold navy "), true, colours::kNavy, false},
        {QStringLiteral("green underlined "), false, colours::kGreen, true},
        {QStringLiteral("purple bold underlined"), true, colours::kPurple, true},
        {QStringLiteral(" teal"), false, colours::kTeal, false},
        {QStringLiteral(" maroon"), false, colours::kMaroon, false},
    });
    QTest::newRow("line ends keep their run") << runs({
        {QStringLiteral("Title\r\n\r\n"), true, colours::kNavy, true},
        {QStringLiteral("Meaning\r\n"), false, colours::kBlack, false},
        {QStringLiteral("\r\n"), true, colours::kMaroon, false},
    });
    QTest::newRow("characters of every kind") << runs({
        {QStringLiteral("Quotes \"here\", <angle> & ampersand\r\n\tTab, accents: \u00e9\u00e8\u00fc"), false,
         colours::kBlack, false},
    });
    QTest::newRow("empty") << StyledText{};
}

void TestReadingPane::showsRunsExactly()
{
    QFETCH(StyledText, text);
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.setStyledText(text);
    QCOMPARE(pane.displayedText(), text);
    QVERIFY(pane.isReadOnly());

    // A second text replaces the first entirely.
    const StyledText other = runs({{QStringLiteral("Other\r\n"), true, colours::kTeal, false}});
    pane.setStyledText(other);
    QCOMPARE(pane.displayedText(), other);
}

void TestReadingPane::usesTheReadingFont()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    const QFont font = pane.document()->defaultFont();
    QCOMPARE(font.families().value(0), QStringLiteral("Verdana"));
    QVERIFY(font.families().contains(QStringLiteral("DejaVu Sans")));
    QCOMPARE(font.pointSizeF(), 9.0);
    QCOMPARE(pane.objectName(), QStringLiteral("rtbDisp1"));
}

void TestReadingPane::showsNewTextFromItsTop()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(240, 200);
    pane.show();
    QString many;
    for (int line = 0; line < 200; ++line)
        many += QStringLiteral("Line %1\r\n").arg(line);
    pane.setStyledText(runs({{many}}));
    QVERIFY(pane.verticalScrollBar()->maximum() > 0);
    pane.verticalScrollBar()->setValue(pane.verticalScrollBar()->maximum());
    pane.moveCursor(QTextCursor::End);
    pane.setStyledText(runs({{many + QStringLiteral("again")}}));
    QCOMPARE(pane.verticalScrollBar()->value(), 0);
    QCOMPARE(pane.textCursor().position(), 0);
}

namespace {

// The widest run of dark pixels in any row of the image.
int widestDarkRow(const QImage& image)
{
    int widest = 0;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                ++dark;
        }
        widest = std::max(widest, dark);
    }
    return widest;
}

} // namespace

void TestReadingPane::separatorIsDrawnAsARule()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(240, 200);
    pane.show();
    StyledText text;
    StyledTextWriter writer(text);
    writer.write(QStringLiteral("above\r\n"));
    writer.setUnderline(true);
    writer.write(QString(512, QLatin1Char(' ')) + QStringLiteral("\r\n"));
    writer.setUnderline(false);
    writer.write(QStringLiteral("below"));
    pane.setStyledText(text);
    QCOMPARE(pane.displayedText(), text);
    const int viewportWidth = pane.viewport()->width();
    QVERIFY2(widestDarkRow(pane.viewport()->grab().toImage()) > viewportWidth * 3 / 4,
             "the underlined blanks show as a line across the pane");

    // Without the underline the same blanks show nothing.
    StyledText plain;
    StyledTextWriter(plain).write(QStringLiteral("above\r\n") + QString(512, QLatin1Char(' '))
                                  + QStringLiteral("\r\nbelow"));
    pane.setStyledText(plain);
    QVERIFY(widestDarkRow(pane.viewport()->grab().toImage()) < viewportWidth / 2);
}

void TestReadingPane::openableAddresses_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");
    QTest::newRow("http") << QStringLiteral("http://example.org/a?b=c") << QStringLiteral("http://example.org/a?b=c");
    QTest::newRow("https") << QStringLiteral("https://example.org") << QStringLiteral("https://example.org");
    QTest::newRow("upper-case scheme") << QStringLiteral("HTTPS://example.org")
                                       << QStringLiteral("https://example.org");
    QTest::newRow("www") << QStringLiteral("www.example.org/x") << QStringLiteral("http://www.example.org/x");
    QTest::newRow("mailto") << QStringLiteral("mailto:jane@example.org") << QStringLiteral("mailto:jane@example.org");
    QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << QString();
    QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << QString();
    QTest::newRow("ftp") << QStringLiteral("ftp://example.org") << QString();
    QTest::newRow("no host") << QStringLiteral("http://") << QString();
    QTest::newRow("relative path") << QStringLiteral("/usr/bin/xterm") << QString();
    QTest::newRow("empty mail") << QStringLiteral("mailto:") << QString();
    QTest::newRow("empty") << QString() << QString();
}

void TestReadingPane::openableAddresses()
{
    QFETCH(QString, link);
    QFETCH(QString, expected);
    const std::optional<QUrl> url = ReadingPane::openableUrl(link);
    if (expected.isEmpty())
        QVERIFY(!url);
    else
        QCOMPARE(url, std::optional<QUrl>(QUrl(expected)));
}

void TestReadingPane::linkClicks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("expected");
    QTest::newRow("http") << QStringLiteral("See http://example.org/page for more.") << QStringLiteral("http://")
                          << QStringLiteral("http://example.org/page");
    QTest::newRow("https at the end of a sentence")
        << QStringLiteral("Ask https://example.org/q?x=1.") << QStringLiteral("https://")
        << QStringLiteral("https://example.org/q?x=1");
    QTest::newRow("www") << QStringLiteral("Visit www.example.org, please") << QStringLiteral("www.")
                         << QStringLiteral("http://www.example.org");
    QTest::newRow("mailto") << QStringLiteral("Write to mailto:jane@example.org\r\nsoon") << QStringLiteral("mailto:")
                            << QStringLiteral("mailto:jane@example.org");
}

void TestReadingPane::linkClicks()
{
    QFETCH(QString, text);
    QFETCH(QString, link);
    QFETCH(QString, expected);
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.setStyledText(runs({{text, true, colours::kNavy, false}}));

    // The address is shown as a link: underlined, its run's colour and weight kept.
    const StyledText shown = pane.displayedText();
    QCOMPARE(shown.plainText(), text);
    bool underlinedLink = false;
    for (const TextRun& run : shown.runs()) {
        if (run.underline) {
            QCOMPARE(QUrl(expected).toString().endsWith(run.text) || expected.endsWith(run.text), true);
            QCOMPARE(run.colour, colours::kNavy);
            QVERIFY(run.bold);
            underlinedLink = true;
        }
    }
    QVERIFY(underlinedLink);

    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOver(pane, link));
    QCOMPARE(opener.urls, QList<QUrl>{QUrl(expected)});
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOver(pane, link));
    QCOMPARE(opener.urls.size(), 2);
}

void TestReadingPane::rightClickAndHoverOpenNothing()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.setStyledText(runs({{QStringLiteral("Go to https://example.org now")}}));
    const QPoint over = pointOver(pane, QStringLiteral("https://"));
    QTest::mouseMove(pane.viewport(), over);
    QTest::mousePress(pane.viewport(), Qt::RightButton, {}, over);
    QTest::mouseRelease(pane.viewport(), Qt::RightButton, {}, over);
    QTest::mouseClick(pane.viewport(), Qt::MiddleButton, {}, over);
    QVERIFY(opener.urls.isEmpty());
    // The plain words around the link open nothing either.
    QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOver(pane, QStringLiteral("Go to"), 1));
    QVERIFY(opener.urls.isEmpty());
}

void TestReadingPane::nothingButWebAndMailIsOpened()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    pane.setStyledText(runs({{QStringLiteral("file:///etc/passwd javascript:alert(1) ftp://example.org "
                                             "smb://server/share mailto:")}}));
    for (const QString& word : {QStringLiteral("file:"), QStringLiteral("javascript:"), QStringLiteral("ftp:"),
                                QStringLiteral("smb:"), QStringLiteral("mailto:")}) {
        QVERIFY2(pane.anchorAt(pointOver(pane, word)).isEmpty(), qPrintable(word));
        QTest::mouseClick(pane.viewport(), Qt::LeftButton, {}, pointOver(pane, word));
    }
    const StyledText shown = pane.displayedText();
    for (const TextRun& run : shown.runs())
        QVERIFY(!run.underline);
    // Even a link that reaches the pane some other way is refused.
    Q_EMIT pane.anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    QVERIFY(opener.urls.isEmpty());
}

QTEST_MAIN(TestReadingPane)
#include "tst_readingpane.moc"
