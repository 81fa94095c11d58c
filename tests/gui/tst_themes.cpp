// Every screen stays readable whatever palette the system gives: where the layout fixes a background, it fixes the
// text on it too, and what the layout leaves alone follows the palette. Each screen is opened under a dark and a
// light application palette, and every text on it is measured against the background it is painted on.
#include "TestSupport.h"

#include "content/Deck.h"
#include "content/SpreadCatalogue.h"
#include "screens/AboutBox.h"
#include "screens/DeckBrowser.h"
#include "screens/DetailsScreen.h"
#include "screens/FormSupport.h"
#include "screens/JournalWindow.h"
#include "screens/MainWindow.h"
#include "screens/ReadingPane.h"
#include "screens/SaveReadingDialog.h"
#include "screens/SpreadScreen.h"
#include "table/CardTable.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <cmath>

using namespace quillmere;
using namespace quillmere::test;

namespace {

QPalette darkPalette()
{
    QPalette dark(QColor(60, 60, 60), QColor(45, 45, 45));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::WindowText, QColor(230, 230, 230));
        dark.setColor(group, QPalette::Base, QColor(30, 30, 30));
        dark.setColor(group, QPalette::AlternateBase, QColor(40, 40, 40));
        dark.setColor(group, QPalette::Text, QColor(230, 230, 230));
        dark.setColor(group, QPalette::ButtonText, QColor(230, 230, 230));
        dark.setColor(group, QPalette::BrightText, QColor(255, 255, 255));
        dark.setColor(group, QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
        dark.setColor(group, QPalette::PlaceholderText, QColor(160, 160, 160));
    }
    return dark;
}

QPalette lightPalette()
{
    QPalette light(QColor(239, 239, 239), QColor(239, 239, 239));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        light.setColor(group, QPalette::WindowText, QColor(0, 0, 0));
        light.setColor(group, QPalette::Base, QColor(255, 255, 255));
        light.setColor(group, QPalette::Text, QColor(0, 0, 0));
        light.setColor(group, QPalette::ButtonText, QColor(0, 0, 0));
    }
    return light;
}

// The relative luminance of a colour on screen, from 0 for black to 1 for white.
double luminance(const QColor& colour)
{
    const auto channel
        = [](double value) { return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) + 0.0722 * channel(colour.blueF());
}

// The contrast of two colours, from 1 for equal colours to 21 for black on white.
double contrast(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// Text that the eye reads as easily as the screens' own white on grey does, with some room.
constexpr double kReadableContrast = 4.5;

// What paints the background behind a widget's text: itself or the nearest ancestor that fills its background, or
// the window; nullptr when that is a picture, which carries its own halo for the text on it.
const QWidget* backgroundPainter(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (const auto* label = qobject_cast<const QLabel*>(w); label && w != widget && !label->pixmap().isNull())
            return nullptr;
        if (w->autoFillBackground() || w->isWindow())
            return w;
    }
    return nullptr;
}

struct Measured
{
    QString what;
    QColor text;
    QColor background;
};

// Every enabled text shown on the screen with the colour it is drawn in and the colour behind it.
QList<Measured> textsOf(const QWidget* root)
{
    QList<Measured> found;
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
        widgets.append(child);
    for (const QWidget* widget : std::as_const(widgets)) {
        // Disabled text is faint on purpose; what is hidden is not read.
        if (!widget->isEnabled() || (widget != root && !widget->isVisibleTo(root)))
            continue;
        const QString name
            = QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
        const QPalette& palette = widget->palette();
        if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractItemView*>(widget)
            || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)) {
            found.append({name, palette.color(QPalette::Text), palette.color(QPalette::Base)});
        } else if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            if (!button->text().isEmpty() && !button->isFlat())
                found.append({name, palette.color(QPalette::ButtonText), palette.color(QPalette::Button)});
        } else if (qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget)
                   || qobject_cast<const QGroupBox*>(widget)) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* button = qobject_cast<const QAbstractButton*>(widget);
            const auto* group = qobject_cast<const QGroupBox*>(widget);
            const bool hasText = (label && !label->text().isEmpty() && label->pixmap().isNull())
                || (button && !button->text().isEmpty()) || (group && !group->title().isEmpty());
            if (!hasText)
                continue;
            if (const QWidget* behind = backgroundPainter(widget))
                found.append(
                    {name, palette.color(widget->foregroundRole()), behind->palette().color(behind->backgroundRole())});
        }
    }
    return found;
}

const Spread& threeCards()
{
    return *SpreadCatalogue::instance().byKey(u"Three Cards");
}

// The program as the user sees it, with a reading on screen.
struct Program
{
    Program()
    {
        window.resize(1280, 800);
        window.show();
    }

    // The spread screen's options page with Three Cards chosen, the cast commands at hand.
    SpreadScreen* spreadScreen()
    {
        SpreadScreen* screen = window.showSpreadScreen();
        screen->findChild<QListWidget*>(QStringLiteral("lstOption"))->setCurrentRow(threeCards().index);
        screen->showOptionsPage();
        return screen;
    }
    void cast(const char* command)
    {
        spreadScreen()->findChild<QPushButton*>(QString::fromLatin1(command))->click();
        settle();
    }
    // The cards of the folder's own deck, so the table shows them as it does with any deck.
    void writeCardPictures()
    {
        QImage picture(130, 225, QImage::Format_RGB32);
        picture.fill(QColor(90, 60, 30));
        for (int card = 0; card < kDeckSize; ++card)
            picture.save(app.folder.cardPicture(card), "PNG");
    }
    QWidget* form(const char* name) { return openForm(window.workspace(), QString::fromLatin1(name)); }

    TestApp app;
    MainWindow window{app.context};
};

// The screen with its wait panel shown, as while the cards are drawn.
QWidget* showWaitPanel(QWidget* screen)
{
    QWidget* panel = screen ? screen->findChild<QWidget*>(QStringLiteral("picMessage")) : nullptr;
    if (!panel)
        return nullptr;
    panel->show();
    panel->raise();
    return panel;
}

// Opens one screen of the program and returns it.
QWidget* openScreen(Program& program, const QString& screen)
{
    MainWindow& window = program.window;
    // The right panel, the reading pane and the card table of an automatic cast.
    if (screen == QLatin1String("main window with a reading")) {
        program.writeCardPictures();
        program.cast("cmdAuto");
        return &window;
    }
    if (screen == QLatin1String("details screen"))
        return window.showDetailsScreen();
    if (screen == QLatin1String("details: save profile")) {
        DetailsScreen* details = window.showDetailsScreen();
        details->showSaveProfilePanel();
        return details;
    }
    if (screen == QLatin1String("details: old readings")) {
        DetailsScreen* details = window.showDetailsScreen();
        details->showOldReadingPanel();
        return details;
    }
    if (screen == QLatin1String("spread screen: spreads")) {
        SpreadScreen* spread = program.spreadScreen();
        spread->showSpreadPage();
        return spread;
    }
    if (screen == QLatin1String("spread screen: options"))
        return program.spreadScreen();
    if (screen == QLatin1String("spread screen: please wait"))
        return showWaitPanel(program.spreadScreen());
    if (screen == QLatin1String("manual board")) {
        program.cast("cmdManual");
        return program.form("frmManual");
    }
    if (screen == QLatin1String("manual board: please wait")) {
        program.cast("cmdManual");
        return showWaitPanel(program.form("frmManual"));
    }
    if (screen == QLatin1String("deck entry")) {
        program.cast("cmdDeck");
        return program.form("frmDeckEntry");
    }
    if (screen == QLatin1String("card viewer")) {
        program.writeCardPictures();
        program.cast("cmdAuto");
        auto* table = qobject_cast<CardTable*>(program.form("frmAuto"));
        return table ? table->openViewer(0) : nullptr;
    }
    if (screen == QLatin1String("reading pane")) {
        program.cast("cmdAuto");
        return window.readingPane();
    }
    if (screen == QLatin1String("save dialog")) {
        program.cast("cmdAuto");
        auto* dialog = new SaveReadingDialog(program.app.context, &window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return dialog;
    }
    if (screen == QLatin1String("About")) {
        auto* box = new AboutBox(window.webLinks(), program.app.urlOpener, window.rightPanel(), &window);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->show();
        return box;
    }
    if (screen == QLatin1String("journal window"))
        return window.showJournal();
    if (screen == QLatin1String("deck browser"))
        return window.showDeckBrowser();
    return nullptr;
}

} // namespace

class TestThemes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QApplication::setPalette(m_systemPalette); }
    void textContrastsWithItsBackground_data();
    void textContrastsWithItsBackground();

private:
    QPalette m_systemPalette = QApplication::palette();
};

void TestThemes::textContrastsWithItsBackground_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QPalette>("palette");
    const QString screens[] = {QStringLiteral("main window with a reading"),
                               QStringLiteral("details screen"),
                               QStringLiteral("details: save profile"),
                               QStringLiteral("details: old readings"),
                               QStringLiteral("spread screen: spreads"),
                               QStringLiteral("spread screen: options"),
                               QStringLiteral("spread screen: please wait"),
                               QStringLiteral("manual board"),
                               QStringLiteral("manual board: please wait"),
                               QStringLiteral("deck entry"),
                               QStringLiteral("card viewer"),
                               QStringLiteral("reading pane"),
                               QStringLiteral("save dialog"),
                               QStringLiteral("About"),
                               QStringLiteral("journal window"),
                               QStringLiteral("deck browser")};
    for (const QString& screen : screens) {
        QTest::addRow("%s, dark", qPrintable(screen)) << screen << darkPalette();
        QTest::addRow("%s, light", qPrintable(screen)) << screen << lightPalette();
    }
}

void TestThemes::textContrastsWithItsBackground()
{
    QFETCH(QString, screen);
    QFETCH(QPalette, palette);
    QApplication::setPalette(palette);
    Program program;
    QWidget* shown = openScreen(program, screen);
    QVERIFY(shown);
    settle();

    const QList<Measured> texts = textsOf(shown);
    QVERIFY(!texts.isEmpty());
    QStringList unreadable;
    for (const Measured& text : texts) {
        if (contrast(text.text, text.background) < kReadableContrast)
            unreadable.append(QStringLiteral("%1: %2 on %3").arg(text.what, text.text.name(), text.background.name()));
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestThemes)
#include "tst_themes.moc"
