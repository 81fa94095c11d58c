#include "Artwork.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace quillmere;

namespace {

QString stagePath(const QString& relative)
{
    return QDir(QStringLiteral(QUILLMERE_STAGE_DIR)).filePath(relative);
}

QString stagedCard(const QString& deck, int index, bool twice = false)
{
    return stagePath(
        QStringLiteral("decks/%1/r%2%3.jpg").arg(deck).arg(index).arg(twice ? QStringLiteral("@2x") : QString()));
}

const QString kEmblems = QStringLiteral("quillmere-emblems");
const QString kClassic = QStringLiteral("classic-1909");
const QString kScans = QStringLiteral(QUILLMERE_SOURCE_DIR "/decks/classic-1909");

// The mean difference of all colour channels between two images of the same size.
double meanDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x)
            total += std::abs(qRed(l[x]) - qRed(r[x])) + std::abs(qGreen(l[x]) - qGreen(r[x]))
                + std::abs(qBlue(l[x]) - qBlue(r[x]));
    }
    return total / (3.0 * left.width() * left.height());
}

// The scan the classic deck's list must give a card, from the list's own naming rule alone: mNN the majors by
// their traditional number, cNN pNN sNN wNN the suits with 01 Ace ... 10 Ten, 11 Page, 12 Knight, 13 Queen, 14 King.
QString expectedScan(int index)
{
    if (Deck::isMajorArcana(index)) {
        static const QStringList numerals
            = {QStringLiteral("0"),    QStringLiteral("I"),    QStringLiteral("II"),    QStringLiteral("III"),
               QStringLiteral("IV"),   QStringLiteral("V"),    QStringLiteral("VI"),    QStringLiteral("VII"),
               QStringLiteral("VIII"), QStringLiteral("IX"),   QStringLiteral("X"),     QStringLiteral("XI"),
               QStringLiteral("XII"),  QStringLiteral("XIII"), QStringLiteral("XIV"),   QStringLiteral("XV"),
               QStringLiteral("XVI"),  QStringLiteral("XVII"), QStringLiteral("XVIII"), QStringLiteral("XIX"),
               QStringLiteral("XX"),   QStringLiteral("XXI")};
        return QStringLiteral("m%1.jpg").arg(numerals.indexOf(artwork::traditionalNumeral(index)), 2, 10,
                                             QLatin1Char('0'));
    }
    static const QStringList ranks = {QString(),
                                      QStringLiteral("Ace"),
                                      QStringLiteral("Two"),
                                      QStringLiteral("Three"),
                                      QStringLiteral("Four"),
                                      QStringLiteral("Five"),
                                      QStringLiteral("Six"),
                                      QStringLiteral("Seven"),
                                      QStringLiteral("Eight"),
                                      QStringLiteral("Nine"),
                                      QStringLiteral("Ten"),
                                      QStringLiteral("Page"),
                                      QStringLiteral("Knight"),
                                      QStringLiteral("Queen"),
                                      QStringLiteral("King")};
    const QStringList words = Deck::instance().name(index).split(QLatin1Char(' '));
    return QStringLiteral("%1%2.jpg")
        .arg(words.last().at(0).toLower())
        .arg(ranks.indexOf(words.first()), 2, 10, QLatin1Char('0'));
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray pixelHash(const QImage& image)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    return QCryptographicHash::hash(
        QByteArrayView(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()),
        QCryptographicHash::Sha1);
}

// The largest difference of any colour channel between two images of the same size.
int largestDifference(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            largest = std::max({largest, std::abs(qRed(l[x]) - qRed(r[x])), std::abs(qGreen(l[x]) - qGreen(r[x])),
                                std::abs(qBlue(l[x]) - qBlue(r[x]))});
        }
    }
    return largest;
}

int cardIndex(const QString& name)
{
    for (int i = 0; i < kDeckSize; ++i) {
        if (Deck::instance().name(i) == name)
            return i;
    }
    return -1;
}

} // namespace

class TestArtwork : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stagedPictureIsJpegOfItsSize_data();
    void stagedPictureIsJpegOfItsSize();
    void stagedCardsAreTheCurrentRender();
    void classicScanOfEveryIndex_data();
    void classicScanOfEveryIndex();
    void classicListFaults_data();
    void classicListFaults();
    void stagedDecksStaySmall();
    void stagedSpreadPicturesFollowTheCatalogue_data();
    void stagedSpreadPicturesFollowTheCatalogue();
    void cardFacesAreAllDifferent();
    void reversedFaceDiffersFromUpright();
    void spreadPictureFollowsGeometry_data();
    void spreadPictureFollowsGeometry();
    void majorsCarryTraditionalNumerals_data();
    void majorsCarryTraditionalNumerals();
    void everyTrumpNumberOnce();
    void cardBackHidesOrientation_data();
    void cardBackHidesOrientation();
    void programPicturesAreResources_data();
    void programPicturesAreResources();
    void noProfileStoreIsStaged();
};

void TestArtwork::stagedPictureIsJpegOfItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    // The drawn deck fills the card; the classic scans (350 x 600) are fitted inside it keeping their proportions.
    for (int i = 0; i < kDeckSize; ++i) {
        QTest::addRow("drawn %d", i) << stagedCard(kEmblems, i) << artwork::kCardFaceSize;
        QTest::addRow("drawn %d at 2x", i) << stagedCard(kEmblems, i, true) << artwork::kCardFaceSize * 2;
        QTest::addRow("classic %d", i) << stagedCard(kClassic, i) << QSize(130, 222);
        QTest::addRow("classic %d at 2x", i) << stagedCard(kClassic, i, true) << QSize(260, 444);
    }
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        QTest::addRow("spread %d", spread.index) << spread.picturePath() << artwork::kSpreadPictureSize;
}

void TestArtwork::stagedPictureIsJpegOfItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QImageReader reader(stagePath(path));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestArtwork::stagedCardsAreTheCurrentRender()
{
    for (int i = 0; i < kDeckSize; ++i) {
        const QByteArray rendered = artwork::encodeJpeg(artwork::renderCardFace(i));
        QCOMPARE(artwork::encodeJpeg(artwork::renderCardFace(i)), rendered);
        QVERIFY2(fileBytes(stagedCard(kEmblems, i)) == rendered, qPrintable(QStringLiteral("r%1.jpg is stale").arg(i)));
        // The 2x face is drawn at twice the size, not blown up from the 1x one.
        QVERIFY2(fileBytes(stagedCard(kEmblems, i, true)) == artwork::encodeJpeg(artwork::renderCardFace(i, 2)),
                 qPrintable(QStringLiteral("r%1@2x.jpg is stale").arg(i)));
    }
}

void TestArtwork::classicScanOfEveryIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("scan");
    for (int i = 0; i < kDeckSize; ++i)
        QTest::addRow("%d %s", i, qPrintable(Deck::instance().name(i))) << i << expectedScan(i);
    // The names that differ from the list's and the card out of order, spelt out.
    QTest::newRow("Death is XIII") << 0 << QStringLiteral("m13.jpg");
    QTest::newRow("Wheel Fortune is the Wheel of Fortune") << 21 << QStringLiteral("m10.jpg");
    QTest::newRow("Judgement is XX") << 2 << QStringLiteral("m20.jpg");
    QTest::newRow("Strength is VIII") << 4 << QStringLiteral("m08.jpg");
    QTest::newRow("Justice is XI") << 3 << QStringLiteral("m11.jpg");
    QTest::newRow("index 77 is the Two of Pentacles") << 77 << QStringLiteral("p02.jpg");
    QTest::newRow("index 22 is the Two of Cups") << 22 << QStringLiteral("c02.jpg");
}

// Every staged classic picture is its own card's scan, scaled down with a smooth filter.
void TestArtwork::classicScanOfEveryIndex()
{
    QFETCH(int, index);
    QFETCH(QString, scan);
    const artwork::StagingPlan plan = artwork::mapScansByName(kScans + QStringLiteral("/cards.tsv"));
    QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
    QCOMPARE(plan.files.size(), kDeckSize);
    QCOMPARE(plan.files[index], scan);

    const QImage source = artwork::readScan(kScans + QLatin1Char('/') + scan);
    QCOMPARE(source.size(), QSize(350, 600));
    // Every scan at the card size, made once for all rows.
    static const QList<QImage> scaledScans = [] {
        QList<QImage> scans;
        for (const QString& file : QDir(kScans).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name))
            scans.append(artwork::fitCardPicture(artwork::readScan(kScans + QLatin1Char('/') + file), 1));
        return scans;
    }();
    QCOMPARE(scaledScans.size(), kDeckSize);
    for (const qreal scale : {1.0, 2.0}) {
        const QImage staged(stagedCard(kClassic, index, scale > 1));
        const QImage expected = source.scaled(staged.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double own = meanDifference(staged, expected);
        // What JPEG leaves; another card, or a picture scaled without a filter, differs far more.
        QVERIFY2(own < 10.0, qPrintable(QString::number(own)));
        if (scale > 1)
            continue;
        // And the staged picture is nearer its own scan than any other card's by far.
        const QImage ownScan = artwork::fitCardPicture(source, 1);
        for (const QImage& other : scaledScans) {
            if (other == ownScan)
                continue;
            const double difference = meanDifference(staged, other);
            QVERIFY2(difference >= 2 * own, qPrintable(QStringLiteral("%1 against %2").arg(difference).arg(own)));
        }
    }
}

void TestArtwork::classicListFaults_data()
{
    QTest::addColumn<QByteArray>("edit");
    QTest::addColumn<QString>("error");
    QTest::newRow("a card left out") << QByteArray("drop:m13.jpg") << QStringLiteral("has no picture of Death");
    QTest::newRow("a name twice") << QByteArray("rename:m12.jpg:Death") << QStringLiteral("names Death twice");
    QTest::newRow("one file for two cards")
        << QByteArray("refile:m12.jpg:m13.jpg") << QStringLiteral("gives m13.jpg to two cards");
    QTest::newRow("an extra card") << QByteArray("add:x01.jpg\tThe Joker") << QStringLiteral("lists 79 cards");
    QTest::newRow("not a list line") << QByteArray("add:just words") << QStringLiteral("not a");
}

// A list that does not give each card exactly one scan stops the build instead of staging a wrong deck.
void TestArtwork::classicListFaults()
{
    QFETCH(QByteArray, edit);
    QFETCH(QString, error);
    const QList<QByteArray> parts = edit.split(':');
    QList<QByteArray> lines = fileBytes(kScans + QStringLiteral("/cards.tsv")).trimmed().split('\n');
    for (QByteArray& line : lines) {
        if (parts[0] == "rename" && line.startsWith(parts[1]))
            line = parts[1] + '\t' + parts[2];
        if (parts[0] == "refile" && line.startsWith(parts[1]))
            line.replace(parts[1], parts[2]);
    }
    if (parts[0] == "drop")
        lines.removeIf([&](const QByteArray& line) { return line.startsWith(parts[1]); });
    if (parts[0] == "add")
        lines.append(parts[1]);
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("cards.tsv")));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(lines.join('\n') + '\n');
    list.close();
    const artwork::StagingPlan plan = artwork::mapScansByName(list.fileName());
    QVERIFY2(plan.error.contains(error), qPrintable(plan.error));
    QVERIFY(plan.files.isEmpty());
}

void TestArtwork::stagedDecksStaySmall()
{
    qint64 bytes = 0;
    for (const QString& deck : {kEmblems, kClassic}) {
        for (const QFileInfo& file : QDir(stagePath(QStringLiteral("decks/") + deck)).entryInfoList(QDir::Files))
            bytes += file.size();
    }
    QVERIFY2(bytes <= 20 * 1024 * 1024, qPrintable(QStringLiteral("%1 bytes").arg(bytes)));
    qInfo("the built-in decks take %.1f MB", double(bytes) / (1024 * 1024));
}

void TestArtwork::stagedSpreadPicturesFollowTheCatalogue_data()
{
    QTest::addColumn<int>("index");
    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        QTest::newRow(qPrintable(spread.name)) << spread.index;
}

void TestArtwork::stagedSpreadPicturesFollowTheCatalogue()
{
    QFETCH(int, index);
    const Spread& spread = *SpreadCatalogue::instance().at(index);
    QCOMPARE(fileBytes(stagePath(spread.picturePath())), artwork::encodeJpeg(artwork::renderSpreadPicture(spread)));
}

void TestArtwork::cardFacesAreAllDifferent()
{
    QSet<QByteArray> seen;
    for (int i = 0; i < kDeckSize; ++i) {
        const QImage staged(stagedCard(kEmblems, i));
        QVERIFY(!staged.isNull());
        const QByteArray hash = pixelHash(staged);
        QVERIFY2(!seen.contains(hash), qPrintable(Deck::instance().name(i)));
        seen.insert(hash);
    }
}

void TestArtwork::reversedFaceDiffersFromUpright()
{
    for (int i = 0; i < kDeckSize; ++i) {
        const QImage face = artwork::renderCardFace(i);
        QVERIFY2(largestDifference(face, face.mirrored(true, true)) > 128, qPrintable(Deck::instance().name(i)));
    }
}

void TestArtwork::spreadPictureFollowsGeometry_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("position");
    QTest::addColumn<TwipsPoint>("place");
    QTest::newRow("Celtic Cross crown moved") << 0 << 4 << TwipsPoint{3200, 11300};
    QTest::newRow("Two Cards closer") << 2 << 1 << TwipsPoint{5000, 2500};
    QTest::newRow("Line Spread position 3 lowered") << 5 << 2 << TwipsPoint{5000, 9000};
    QTest::newRow("Chakra root beside the column") << 6 << 0 << TwipsPoint{6700, 22600};
    QTest::newRow("Four Seasons winter moved") << 7 << 6 << TwipsPoint{100, 15200};
}

void TestArtwork::spreadPictureFollowsGeometry()
{
    QFETCH(int, index);
    QFETCH(int, position);
    QFETCH(TwipsPoint, place);
    Spread spread = *SpreadCatalogue::instance().at(index);
    const QImage original = artwork::renderSpreadPicture(spread);
    QCOMPARE(artwork::renderSpreadPicture(spread), original);
    spread.positions[position].place = place;
    QVERIFY(largestDifference(artwork::renderSpreadPicture(spread), original) > 128);
}

void TestArtwork::majorsCarryTraditionalNumerals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("numeral");
    QTest::newRow("Fool") << QStringLiteral("The Fool") << QStringLiteral("0");
    QTest::newRow("Magician") << QStringLiteral("The Magician") << QStringLiteral("I");
    QTest::newRow("Emperor") << QStringLiteral("The Emperor") << QStringLiteral("IV");
    QTest::newRow("Strength") << QStringLiteral("Strength") << QStringLiteral("VIII");
    QTest::newRow("Hermit") << QStringLiteral("The Hermit") << QStringLiteral("IX");
    QTest::newRow("Wheel") << QStringLiteral("Wheel Fortune") << QStringLiteral("X");
    QTest::newRow("Justice") << QStringLiteral("Justice") << QStringLiteral("XI");
    QTest::newRow("Death") << QStringLiteral("Death") << QStringLiteral("XIII");
    QTest::newRow("Temperance") << QStringLiteral("Temperance") << QStringLiteral("XIV");
    QTest::newRow("Moon") << QStringLiteral("The Moon") << QStringLiteral("XVIII");
    QTest::newRow("Sun") << QStringLiteral("The Sun") << QStringLiteral("XIX");
    QTest::newRow("Judgement") << QStringLiteral("Judgement") << QStringLiteral("XX");
    QTest::newRow("World") << QStringLiteral("The World") << QStringLiteral("XXI");
}

void TestArtwork::majorsCarryTraditionalNumerals()
{
    QFETCH(QString, name);
    QFETCH(QString, numeral);
    const int index = cardIndex(name);
    QVERIFY(Deck::isMajorArcana(index));
    QCOMPARE(artwork::traditionalNumeral(index), numeral);
}

void TestArtwork::everyTrumpNumberOnce()
{
    const QStringList expected
        = {QStringLiteral("0"),    QStringLiteral("I"),    QStringLiteral("II"),    QStringLiteral("III"),
           QStringLiteral("IV"),   QStringLiteral("V"),    QStringLiteral("VI"),    QStringLiteral("VII"),
           QStringLiteral("VIII"), QStringLiteral("IX"),   QStringLiteral("X"),     QStringLiteral("XI"),
           QStringLiteral("XII"),  QStringLiteral("XIII"), QStringLiteral("XIV"),   QStringLiteral("XV"),
           QStringLiteral("XVI"),  QStringLiteral("XVII"), QStringLiteral("XVIII"), QStringLiteral("XIX"),
           QStringLiteral("XX"),   QStringLiteral("XXI")};
    QSet<QString> numerals;
    for (int i = 0; i < kMajorArcanaCount; ++i)
        numerals.insert(artwork::traditionalNumeral(i));
    QCOMPARE(numerals, QSet<QString>(expected.cbegin(), expected.cend()));
    QVERIFY(artwork::traditionalNumeral(kFirstMinorArcana).isEmpty());
    QVERIFY(artwork::traditionalNumeral(-1).isEmpty());
    QVERIFY(artwork::traditionalNumeral(kDeckSize).isEmpty());
}

void TestArtwork::cardBackHidesOrientation_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("manual board") << artwork::kSmallBackSize;
    QTest::newRow("large") << artwork::kLargeBackSize;
}

void TestArtwork::cardBackHidesOrientation()
{
    QFETCH(QSize, size);
    const QImage back = artwork::renderCardBack(size);
    QCOMPARE(back.size(), size);
    // Anti-aliased edges may round differently; a design that is not symmetric differs by far more.
    QVERIFY(largestDifference(back, back.mirrored(true, true)) <= 24);
}

void TestArtwork::programPicturesAreResources_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");
    QTest::newRow("back") << QStringLiteral(":/pictures/back.png") << artwork::kSmallBackSize;
    QTest::newRow("large back") << QStringLiteral(":/pictures/back-large.png") << artwork::kLargeBackSize;
    QTest::newRow("details") << QStringLiteral(":/pictures/details.png") << artwork::kDetailsPictureSize;
    QTest::newRow("options") << QStringLiteral(":/pictures/options.png") << artwork::kOptionsPictureSize;
    QTest::newRow("icon") << QStringLiteral(":/pictures/icon.png") << artwork::kIconSize;
}

void TestArtwork::programPicturesAreResources()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);
    const QImage image(resource);
    QVERIFY2(!image.isNull(), qPrintable(resource));
    QCOMPARE(image.size(), size);
}

// The staged folder holds the program's files only; a profile store there would make a run of the build a
// portable folder that keeps readings in the build tree.
void TestArtwork::noProfileStoreIsStaged()
{
    QVERIFY(QFileInfo::exists(stagePath(QStringLiteral("pic"))));
    QVERIFY(!QFileInfo::exists(stagePath(QStringLiteral("vt.dll"))));
}

QTEST_MAIN(TestArtwork)
#include "tst_artwork.moc"
