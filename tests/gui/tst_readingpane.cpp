#include "TestSupport.h"

#include "screens/ReadingPane.h"

#include <QApplication>
#include <QPalette>
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
    void zooms_data();
    void zooms();
    void zoomStaysForTheNextReading();
    void keepsItsPaperUnderADarkPalette();
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

namespace {

// One user action on the pane: a key with its modifiers, or a turn of the wheel (in eighths of a degree).
struct ZoomAction
{
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
    int wheel = 0;
};

void perform(ReadingPane& pane, const ZoomAction& action)
{
    if (action.wheel == 0) {
        QTest::keyClick(&pane, Qt::Key(action.key), action.modifiers);
        return;
    }
    const QPointF at = pane.viewport()->rect().center();
    QWheelEvent wheel(at, pane.viewport()->mapToGlobal(at), QPoint(), QPoint(0, action.wheel), Qt::NoButton,
                      action.modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane.viewport(), &wheel);
}

} // namespace

Q_DECLARE_METATYPE(ZoomAction)

void TestReadingPane::zooms_data()
{
    QTest::addColumn<QList<ZoomAction>>("actions");
    QTest::addColumn<int>("expected");
    const ZoomAction plus{Qt::Key_Plus};
    const ZoomAction minus{Qt::Key_Minus};
    const ZoomAction wheelUp{0, Qt::ControlModifier, 120};
    const ZoomAction wheelDown{0, Qt::ControlModifier, -120};
    QTest::newRow("ctrl plus") << QList<ZoomAction>{plus} << 10;
    QTest::newRow("ctrl shift plus") << QList<ZoomAction>{{Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier}}
                                     << 10;
    QTest::newRow("ctrl keypad plus") << QList<ZoomAction>{{Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier}}
                                      << 10;
    QTest::newRow("ctrl equal") << QList<ZoomAction>{{Qt::Key_Equal}, {Qt::Key_Equal}} << 11;
    QTest::newRow("ctrl minus") << QList<ZoomAction>{minus, minus} << 7;
    QTest::newRow("ctrl wheel up") << QList<ZoomAction>{wheelUp} << 10;
    QTest::newRow("ctrl wheel down") << QList<ZoomAction>{wheelDown} << 8;
    QTest::newRow("fine wheel adds up") << QList<ZoomAction>{{0, Qt::ControlModifier, 60}, {0, Qt::ControlModifier, 60}}
                                        << 10;
    QTest::newRow("ctrl zero restores") << QList<ZoomAction>{plus, plus, wheelUp, {Qt::Key_0}} << 9;
    QTest::newRow("ctrl zero after zooming out") << QList<ZoomAction>{minus, {Qt::Key_0}} << 9;
    QTest::newRow("plus without ctrl") << QList<ZoomAction>{{Qt::Key_Plus, Qt::NoModifier}} << 9;
    QTest::newRow("alt plus") << QList<ZoomAction>{{Qt::Key_Plus, Qt::AltModifier}} << 9;
    QTest::newRow("wheel without ctrl") << QList<ZoomAction>{{0, Qt::NoModifier, 120}} << 9;
    QTest::newRow("bounded above") << QList<ZoomAction>(40, plus) << ReadingPane::kMaxPointSize;
    QTest::newRow("bounded above by the wheel")
        << QList<ZoomAction>{{0, Qt::ControlModifier, 120 * 50}} << ReadingPane::kMaxPointSize;
    QTest::newRow("bounded below") << QList<ZoomAction>(10, minus) << ReadingPane::kMinPointSize;
    QTest::newRow("bounded below by the wheel") << QList<ZoomAction>(10, wheelDown) << ReadingPane::kMinPointSize;
    QTest::newRow("back from the bound") << QList<ZoomAction>(10, minus) + QList<ZoomAction>{plus} << 7;
}

void TestReadingPane::zooms()
{
    QFETCH(QList<ZoomAction>, actions);
    QFETCH(int, expected);
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.resize(400, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const StyledText text = runs({
        {QStringLiteral("Title\r\n"), true, colours::kNavy, true},
        {QStringLiteral("Meaning at https://example.org"), false, colours::kMaroon, false},
    });
    pane.setStyledText(text);
    const StyledText shown = pane.displayedText();
    const QStringList families = pane.document()->defaultFont().families();

    for (const ZoomAction& action : actions)
        perform(pane, action);

    QCOMPARE(pane.document()->defaultFont().pointSizeF(), qreal(expected));
    QCOMPARE(pane.pointSize(), expected);
    QCOMPARE(pane.document()->defaultFont().families(), families);
    QCOMPARE(pane.displayedText(), shown);
}

void TestReadingPane::zoomStaysForTheNextReading()
{
    RecordingUrlOpener opener;
    ReadingPane pane(opener);
    pane.setStyledText(runs({{QStringLiteral("First")}}));
    pane.zoomBy(3);
    const StyledText next = runs({{QStringLiteral("Second\r\n"), true, colours::kTeal, false}});
    pane.setStyledText(next);
    QCOMPARE(pane.document()->defaultFont().pointSizeF(), 12.0);
    QCOMPARE(pane.document()->defaultFont().families().value(0), QStringLiteral("Verdana"));
    QCOMPARE(pane.displayedText(), next);
    // The larger text is laid out larger, not only named so.
    pane.resize(300, 200);
    pane.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pane));
    const int zoomedHeight = pane.cursorRect().height();
    pane.resetZoom();
    QVERIFY(pane.cursorRect().height() < zoomedHeight);
}

void TestReadingPane::keepsItsPaperUnderADarkPalette()
{
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));

    RecordingUrlOpener opener;
    ReadingPane before(opener);
    QApplication::setPalette(dark);
    ReadingPane after(opener);
    after.resize(240, 120);
    after.show();
    QVERIFY(QTest::qWaitForWindowExposed(&after));
    after.setStyledText(runs({{QStringLiteral("Card"), false, colours::kBlack, false}}));
    // A pane made before the palette changed and one made after both keep white paper and black text.
    for (ReadingPane* pane : {&before, &after}) {
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(pane->palette().color(group, QPalette::Base), QColor(Qt::white));
            QCOMPARE(pane->palette().color(group, QPalette::Text), QColor(Qt::black));
        }
    }
    // And it is painted so: the corner of the page is white.
    const QImage page = after.viewport()->grab().toImage();
    QApplication::setPalette(original);
    QCOMPARE(QColor(page.pixel(page.width() - 2, page.height() - 2)), QColor(Qt::white));
}

QTEST_MAIN(TestReadingPane)
#include "tst_readingpane.moc"
