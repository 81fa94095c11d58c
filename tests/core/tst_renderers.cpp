#include "engine/TextRenderers.h"

#include <QTest>

using namespace quillmere;

namespace {

StyledText sample()
{
    StyledText text;
    text.append({QStringLiteral("Name: "), true, colours::kGreen, false});
    text.append({QStringLiteral("<Ann & \"Bo\">\r\n"), true, colours::kBlack, false});
    text.append({QStringLiteral("   \r\n"), false, colours::kBlack, true});
    text.append({QStringLiteral("end"), false, colours::kMaroon, false});
    return text;
}

} // namespace

class RenderersTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plainTextKeepsEveryCharacter();
    void htmlFragment();
    void htmlLineEnds_data();
    void htmlLineEnds();
    void htmlPage();
    void ansi();
    void ansiNeutralisesControlCharacters();
};

void RenderersTest::plainTextKeepsEveryCharacter()
{
    QCOMPARE(renderPlainText(sample()), QStringLiteral("Name: <Ann & \"Bo\">\r\n   \r\nend"));
    QCOMPARE(renderPlainText(StyledText()), QString());
}

void RenderersTest::htmlFragment()
{
    QCOMPARE(renderHtml(sample(), false),
             QStringLiteral("<div style=\"white-space:pre-wrap\">"
                            "<span style=\"color:#008000;font-weight:bold;text-decoration:none\">Name: </span>"
                            "<span style=\"color:#000000;font-weight:bold;text-decoration:none\">"
                            "&lt;Ann &amp; &quot;Bo&quot;&gt;<br></span>"
                            "<span style=\"color:#000000;font-weight:normal;text-decoration:underline\">   <br></span>"
                            "<span style=\"color:#800000;font-weight:normal;text-decoration:none\">end</span>"
                            "</div>"));
    QCOMPARE(renderHtml(StyledText(), false), QStringLiteral("<div style=\"white-space:pre-wrap\"></div>"));
}

void RenderersTest::htmlLineEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("body");
    QTest::newRow("crlf") << QStringLiteral("a\r\nb") << QStringLiteral("a<br>b");
    QTest::newRow("two crlf") << QStringLiteral("\r\n\r\n") << QStringLiteral("<br><br>");
    QTest::newRow("lone lf") << QStringLiteral("a\nb") << QStringLiteral("a<br>b");
    QTest::newRow("lone cr") << QStringLiteral("a\rb") << QStringLiteral("a<br>b");
    QTest::newRow("lf cr") << QStringLiteral("a\n\rb") << QStringLiteral("a<br><br>b");
    QTest::newRow("apostrophe and non-ascii") << QStringLiteral("it's \u00e9") << QStringLiteral("it's \u00e9");
}

void RenderersTest::htmlLineEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, body);
    StyledText styled;
    styled.append({text, false, colours::kNavy, false});
    QCOMPARE(renderHtml(styled, false),
             QStringLiteral("<div style=\"white-space:pre-wrap\"><span "
                            "style=\"color:#000080;font-weight:normal;text-decoration:none\">%1</span></div>")
                 .arg(body));
}

void RenderersTest::htmlPage()
{
    const QString page = renderHtml(sample(), true);
    QVERIFY(page.startsWith(QLatin1String("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">")));
    QVERIFY(page.endsWith(QLatin1String("</body>\n</html>\n")));
    // The page carries the fragment unchanged.
    QCOMPARE(page.count(renderHtml(sample(), false)), 1);
    QCOMPARE(page.count(QLatin1String("<body")), 1);
}

void RenderersTest::ansi()
{
    QCOMPARE(renderAnsi(sample()),
             QStringLiteral("\x1b[0;1;38;2;0;128;0mName: "
                            "\x1b[0;1;39m<Ann & \"Bo\">\r\n"
                            "\x1b[0;4;39m   \r\n"
                            "\x1b[0;38;2;128;0;0mend"
                            "\x1b[0m"));
    QCOMPARE(renderAnsi(StyledText()), QStringLiteral("\x1b[0m"));
}

// A querent's name could carry escape sequences; they reach the terminal only as replacement characters.
void RenderersTest::ansiNeutralisesControlCharacters()
{
    StyledText text;
    text.append(
        {QStringLiteral("a\x1b]0;title\x07") + QChar(0x9b) + QStringLiteral("b\tc\r\n"), false, colours::kTeal, false});
    const QChar r(0xfffd);
    QCOMPARE(renderAnsi(text),
             QStringLiteral("\x1b[0;38;2;0;128;128ma") + r + QStringLiteral("]0;title") + r + r
                 + QStringLiteral("b\tc\r\n\x1b[0m"));
}

QTEST_GUILESS_MAIN(RenderersTest)
#include "tst_renderers.moc"
