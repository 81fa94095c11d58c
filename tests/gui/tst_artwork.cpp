#include "Artwork.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QtTest>

using namespace quillmere;

namespace {

QString stagePath(const QString& relative)
{
    return QDir(QStringLiteral(QUILLMERE_STAGE_DIR)).filePath(relative);
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
    for (int i = 0; i < kDeckSize; ++i)
        QTest::addRow("card %d", i) << QStringLiteral("cards/r%1.jpg").arg(i) << artwork::kCardFaceSize;
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
        QVERIFY2(fileBytes(stagePath(QStringLiteral("cards/r%1.jpg").arg(i))) == rendered,
                 qPrintable(QStringLiteral("r%1.jpg is stale").arg(i)));
    }
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
        const QImage staged(stagePath(QStringLiteral("cards/r%1.jpg").arg(i)));
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
