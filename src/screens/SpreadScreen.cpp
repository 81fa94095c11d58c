#include "screens/SpreadScreen.h"

#include "content/PictureCards.h"
#include "content/SpreadCatalogue.h"
#include "engine/Cast.h"
#include "screens/FormSupport.h"
#include "screens/MainWindow.h"
#include "table/CardPicture.h"
#include "table/HiddenCommand.h"
#include "table/LastChoices.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <algorithm>
#include <array>

namespace quillmere {

namespace {

// The option buttons from top to bottom: The Line Spread stands above the Wheel, Four Seasons above Chakra,
// while each button keeps the index of its spread in the catalogue.
constexpr std::array<int, 8> kOptionsTopToBottom = {0, 1, 2, 3, 5, 4, 7, 6};
constexpr std::array<int, 8> kDescriptionHeights = {1250, 750, 1000, 750, 500, 1000, 1450, 1250};
constexpr int kOptionsTopTwips = 2115;
constexpr int kOptionsStepTwips = 435;

QLabel* pageLabel(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* pageButton(const QString& objectName, const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setGeometry(geometry);
    return button;
}

QWidget* colouredBox(const QColor& colour, const QRect& geometry, QWidget* parent)
{
    auto* box = new QWidget(parent);
    box->setGeometry(geometry);
    setFormColours(box, colour, programColours::kFormText);
    return box;
}

void showPicture(QLabel* box, const QPixmap& picture)
{
    if (picture.deviceIndependentSize().toSize() == box->size()) {
        box->setPixmap(picture);
        return;
    }
    const qreal ratio = picture.devicePixelRatio();
    QPixmap fitted = picture.scaled(box->size() * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(ratio);
    box->setPixmap(fitted);
}

// The options picture with the chosen deck's cards laid over the three drawn ones, for a screen of the given
// density; the plain picture where the deck lacks a card.
QPixmap optionsPicture(const DeckFolder& deck, qreal ratio)
{
    const QImage base(QStringLiteral(":/pictures/options.png"));
    if (base.isNull())
        return {};
    ratio = std::max<qreal>(1, ratio);
    QImage composed(base.size() * ratio, QImage::Format_RGB32);
    composed.setDevicePixelRatio(ratio);
    QPainter painter(&composed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(base.size())), base);
    for (const PictureCard& card : optionsPictureCards(base.size())) {
        const QImage face = loadCardPicture(deck, card.cardIndex, ratio, card.box.size().toSize());
        if (face.isNull())
            continue;
        const QSizeF shown = QSizeF(face.size()) / face.devicePixelRatio();
        // A card of other proportions covers the drawn one entirely: the cloth above the card fills the rest.
        if (shown != card.box.size())
            painter.fillRect(card.box, base.pixelColor(qRound(card.box.center().x()), qRound(card.box.top()) - 3));
        painter.drawImage(
            QRectF(QPointF(card.box.center().x() - shown.width() / 2, card.box.bottom() - shown.height()), shown),
            face);
    }
    painter.end();
    return QPixmap::fromImage(composed);
}

} // namespace

SpreadScreen::SpreadScreen(MainWindow& host, QWidget* parent)
    : QWidget(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("frmTarot"));
    setWindowTitle(QStringLiteral("Quillmere v1.0"));
    setFixedSize(twipsSize(kFormWidthTwips, kFormHeightTwips));
    setFont(verdanaFont(8.25));
    setFormColours(this, programColours::kFormGrey, programColours::kFormText);

    context().reading.resetForNewCast();

    m_pages = new QStackedWidget(this);
    m_pages->setGeometry(0, 0, width(), height());
    m_spreadPage = buildSpreadPage();
    m_optionsPage = buildOptionsPage();
    m_pages->addWidget(m_spreadPage);
    m_pages->addWidget(m_optionsPage);
    m_picMessage = buildWaitPanel();

    for (const Spread& spread : SpreadCatalogue::instance().spreads())
        m_lstOption->addItem(spread.name);
    connect(m_lstOption, &QListWidget::currentRowChanged, this, &SpreadScreen::onSpreadSelected);
    m_lstOption->setCurrentRow(0);
    openOnChoices();
    showSpreadPage();
}

void SpreadScreen::openOnChoices()
{
    const LastChoices::Choices choices = LastChoices(context().settings).openingChoices();
    if (choices.spreadIndex != m_lstOption->currentRow())
        m_lstOption->setCurrentRow(choices.spreadIndex);
    m_chkHA->setChecked(choices.arcana == LastChoices::Arcana::MajorOnly);
    m_chkLA->setChecked(choices.arcana == LastChoices::Arcana::MinorOnly);
    m_chkRev->setChecked(choices.reversals);
}

AppContext& SpreadScreen::context()
{
    return m_host.context();
}

QWidget* SpreadScreen::buildSpreadPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("picTarot1"));
    setFormColours(page, programColours::kFormGrey, programColours::kFormText);

    QWidget* strip = colouredBox(programColours::kInstructionStrip, twipsRect(165, 120, 7215, 375), page);
    QLabel* prompt
        = pageLabel(QStringLiteral("Select one spread for your reading:"), twipsRect(120, 60, 3825, 240), strip);
    prompt->setObjectName(QStringLiteral("Label4"));

    m_lblDisp = pageLabel(QString(), twipsRect(165, 550, 7215, kDescriptionHeights[0]), page);
    m_lblDisp->setObjectName(QStringLiteral("lblDisp"));
    setFormColours(m_lblDisp, programColours::kPanelNavy, programColours::kFormText);
    m_lblDisp->setContentsMargins(kPanelTextMargins);

    m_pctCard = new QLabel(page);
    m_pctCard->setObjectName(QStringLiteral("pctCard"));
    m_pctCard->setGeometry(twipsRect(165, 2115, 2175, 3735));
    m_pctCard->setAlignment(Qt::AlignCenter);

    m_options.resize(static_cast<qsizetype>(kOptionsTopToBottom.size()));
    const QList<Spread>& spreads = SpreadCatalogue::instance().spreads();
    for (std::size_t row = 0; row < kOptionsTopToBottom.size(); ++row) {
        const int index = kOptionsTopToBottom[row];
        auto* option = new QRadioButton(spreads.value(index).name, page);
        option->setObjectName(QStringLiteral("optOption_%1").arg(index));
        option->setProperty("index", index);
        const int top = twipsToPixels(kOptionsTopTwips + static_cast<int>(row) * kOptionsStepTwips);
        option->setGeometry(twipsToPixels(2520), top, twipsToPixels(4815), option->sizeHint().height());
        connect(option, &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked && m_lstOption->currentRow() != index)
                m_lstOption->setCurrentRow(index);
        });
        m_options[index] = option;
    }

    auto* next
        = pageButton(QStringLiteral("cmdNext"), QStringLiteral("Next >>"), twipsRect(5760, 5400, 1575, 375), page);
    connect(next, &QPushButton::clicked, this, &SpreadScreen::showOptionsPage);

    // The hidden list and description box behind the option buttons, below the visible area.
    m_lstOption = new QListWidget(page);
    m_lstOption->setObjectName(QStringLiteral("lstOption"));
    m_lstOption->setGeometry(twipsRect(165, 6600, 2175, 600));
    m_lstOption->setFocusPolicy(Qt::NoFocus);
    m_txtDisp = new QPlainTextEdit(page);
    m_txtDisp->setObjectName(QStringLiteral("txtDisp"));
    m_txtDisp->setGeometry(twipsRect(2520, 6600, 2175, 600));
    m_txtDisp->setFocusPolicy(Qt::NoFocus);

    // Below the visible area: reached by the tab order only, and shown beside Next >> while focused.
    auto* back1 = pageButton(QStringLiteral("cmdBack1"), QStringLiteral("Back to Main"),
                             twipsRect(5640, 6960, 1575, 375), page);
    showWhileFocused(back1, twipsRect(4065, 5400, 1575, 375));
    connect(back1, &QPushButton::clicked, this, &SpreadScreen::backToMain);
    return page;
}

QWidget* SpreadScreen::buildOptionsPage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("picTarot2"));
    setFormColours(page, programColours::kFormGrey, programColours::kFormText);

    QWidget* strip = colouredBox(programColours::kInstructionStrip, twipsRect(165, 120, 7215, 1695), page);
    pageLabel(QStringLiteral("Select either the Major or Minor Arcana if you want cards drawn from only one of them "
                             "for your reading. Do not select any if you wish to have cards from both the Major "
                             "and Minor Arcana."),
              twipsRect(120, 120, 6975, 855), strip)
        ->setObjectName(QStringLiteral("Label5"));
    pageLabel(QStringLiteral("You can select your own individual cards or let the program choose for you."),
              twipsRect(120, 1080, 6975, 615), strip)
        ->setObjectName(QStringLiteral("Label6"));

    auto* decoration = new QLabel(page);
    decoration->setObjectName(QStringLiteral("Picture4"));
    decoration->setGeometry(twipsRect(165, 1815, 3225, 3960));
    decoration->setAlignment(Qt::AlignCenter);
    const QPixmap picture = optionsPicture(chosenDeck(m_host.context()), devicePixelRatioF());
    if (!picture.isNull())
        showPicture(decoration, picture);

    auto* arcana = new QGroupBox(QStringLiteral("Select Option"), page);
    arcana->setObjectName(QStringLiteral("frmArcane"));
    arcana->setGeometry(twipsRect(3525, 1920, 3855, 1815));
    setFormColours(arcana, programColours::kPanelNavy, programColours::kFormText);
    pageLabel(QStringLiteral("By default Cards will be taken from both Major and Minor Arcana"),
              twipsRect(240, 360, 3375, 495), arcana)
        ->setObjectName(QStringLiteral("Label7"));
    m_chkHA = new QCheckBox(QStringLiteral("Only Major Arcana"), arcana);
    m_chkHA->setObjectName(QStringLiteral("chkHA"));
    m_chkHA->setGeometry(twipsToPixels(240), twipsToPixels(960), twipsToPixels(2415), m_chkHA->sizeHint().height());
    m_chkLA = new QCheckBox(QStringLiteral("Only Minor Arcana"), arcana);
    m_chkLA->setObjectName(QStringLiteral("chkLA"));
    m_chkLA->setGeometry(twipsToPixels(240), twipsToPixels(1320), twipsToPixels(2655), m_chkLA->sizeHint().height());
    // The box just ticked wins: the two arcana never stay ticked together.
    connect(m_chkHA, &QCheckBox::clicked, this, [this] {
        if (m_chkHA->isChecked() && m_chkLA->isChecked())
            m_chkLA->setChecked(false);
    });
    connect(m_chkLA, &QCheckBox::clicked, this, [this] {
        if (m_chkLA->isChecked() && m_chkHA->isChecked())
            m_chkHA->setChecked(false);
    });

    QWidget* reversals = colouredBox(programColours::kPanelNavy, twipsRect(3525, 3840, 3855, 615), page);
    m_chkRev = new QCheckBox(reversals);
    m_chkRev->setObjectName(QStringLiteral("chkRev"));
    m_chkRev->move(twipsToPixels(600), twipsToPixels(270) - 3);
    m_chkRev->resize(m_chkRev->sizeHint());
    QLabel* reverseLabel = pageLabel(QStringLiteral("Allow Reverse Cards"), twipsRect(900, 270, 2220, 195), reversals);
    reverseLabel->setObjectName(QStringLiteral("Label3"));
    // As tall as its words need at its width, so it stays inside the box.
    reverseLabel->resize(reverseLabel->width(), reverseLabel->heightForWidth(reverseLabel->width()));
    // The words tick the box, as the arcana boxes' own texts do.
    reverseLabel->installEventFilter(this);
    m_lblRev = reverseLabel;

    auto* deck = pageButton(QStringLiteral("cmdDeck"), QStringLiteral("Enter Cards From My Deck"),
                            twipsRect(3525, 4560, 3855, 375), page);
    connect(deck, &QPushButton::clicked, this, &SpreadScreen::castFromDeck);
    auto* manual = pageButton(QStringLiteral("cmdManual"), QStringLiteral("Cast Cards Manually"),
                              twipsRect(3525, 4980, 3855, 375), page);
    connect(manual, &QPushButton::clicked, this, &SpreadScreen::castManually);
    auto* automatic = pageButton(QStringLiteral("cmdAuto"), QStringLiteral("Auto Cast Cards"),
                                 twipsRect(3525, 5400, 3855, 375), page);
    connect(automatic, &QPushButton::clicked, this, &SpreadScreen::castAutomatically);

    // Below the visible area: reached by the tab order only. The one that has the focus shows over the foot of
    // the decorative picture.
    const QRect shownWhileFocused = twipsRect(990, 5400, 1575, 375);
    auto* back
        = pageButton(QStringLiteral("cmdBack"), QStringLiteral("Back to Main"), twipsRect(2400, 7200, 1575, 375), page);
    showWhileFocused(back, shownWhileFocused);
    connect(back, &QPushButton::clicked, this, &SpreadScreen::backToMain);
    auto* cancel
        = pageButton(QStringLiteral("cmdCancel"), QStringLiteral("Exit"), twipsRect(5040, 6600, 1575, 375), page);
    showWhileFocused(cancel, shownWhileFocused);
    connect(cancel, &QPushButton::clicked, this, [this] { m_host.close(); });
    auto* previous
        = pageButton(QStringLiteral("cmdPrev"), QStringLiteral("<< Back"), twipsRect(4200, 7620, 1575, 375), page);
    showWhileFocused(previous, shownWhileFocused);
    connect(previous, &QPushButton::clicked, this, &SpreadScreen::showSpreadPage);
    return page;
}

QWidget* SpreadScreen::buildWaitPanel()
{
    return makeWaitPanel(this,
                         {twipsRect(840, 2880, 5295, 975), twipsRect(60, 60, 5175, 840), twipsRect(60, 360, 5175, 555),
                          8.25, kPanelTextMargins});
}

QRadioButton* SpreadScreen::optionButton(int index) const
{
    return m_options.value(index);
}

int SpreadScreen::descriptionHeightTwips(int index)
{
    if (index < 0 || index >= static_cast<int>(kDescriptionHeights.size()))
        return kDescriptionHeights[0];
    return kDescriptionHeights[static_cast<std::size_t>(index)];
}

void SpreadScreen::onSpreadSelected(int index)
{
    const Spread* spread = SpreadCatalogue::instance().at(index);
    if (!spread)
        return;
    // A picture that cannot be read leaves the box empty rather than showing another spread's picture.
    const QPixmap picture(context().folder.programPath(spread->picturePath()));
    if (picture.isNull())
        m_pctCard->clear();
    else
        showPicture(m_pctCard, picture);
    m_chosenSpreadIndex = index;
    m_txtDisp->setPlainText(spread->description);
    m_lblDisp->setText(spread->description);
    m_lblDisp->resize(m_lblDisp->width(), twipsToPixels(descriptionHeightTwips(index)));
    m_no = spread->cardCount();
    if (QRadioButton* option = m_options.value(index); option && !option->isChecked())
        option->setChecked(true);
}

void SpreadScreen::showSpreadPage()
{
    m_pages->setCurrentWidget(m_spreadPage);
}

void SpreadScreen::showOptionsPage()
{
    m_pages->setCurrentWidget(m_optionsPage);
}

void SpreadScreen::readOptions()
{
    const QListWidgetItem* selected = m_lstOption->currentItem();
    m_card = selected ? selected->text() : QString();
    m_rboo = m_chkRev->checkState() != Qt::Unchecked;
    m_lboo = m_chkLA->checkState() != Qt::Unchecked;
    m_hboo = m_chkHA->checkState() != Qt::Unchecked;
}

void SpreadScreen::castAutomatically()
{
    readOptions();
    m_picMessage->show();
    m_picMessage->raise();
    repaint();
    // Intended: the wait panel holds the cast only when reversals are not allowed; with reversals the cards
    // go straight to the table. Readers know the program this way, so it stays.
    if (m_chkRev->checkState() != Qt::Checked)
        context().pause.wait(kCastPauseMilliseconds);

    copyCastFields(CastWay::Automatic);

    if (const MainWindow::CastOpener& open = m_host.automaticCastOpener())
        open(context(), m_host);
    m_host.enterFreshReadingState();
    closeForm(this);
}

void SpreadScreen::copyCastFields(CastWay way)
{
    const Spread* spread = SpreadCatalogue::instance().byKey(m_card);
    if (!spread)
        return;
    chooseCast(context().reading, *spread, CastOptions{m_lboo, m_hboo, m_rboo}, way);
    // Kept for a spread screen that opens on the last choices; a settings file that cannot be written costs only
    // that memory.
    const LastChoices::Arcana arcana = m_hboo ? LastChoices::Arcana::MajorOnly
        : m_lboo                              ? LastChoices::Arcana::MinorOnly
                                              : LastChoices::Arcana::Both;
    LastChoices(context().settings).remember({spread->index, arcana, m_rboo});
}

void SpreadScreen::castManually()
{
    readOptions();
    copyCastFields(CastWay::Manual);

    if (const MainWindow::CastOpener& open = m_host.manualBoardOpener())
        open(context(), m_host);
    closeForm(this);
}

void SpreadScreen::castFromDeck()
{
    readOptions();
    copyCastFields(CastWay::FromDeck);

    if (const MainWindow::CastOpener& open = m_host.deckEntryOpener())
        open(context(), m_host);
    closeForm(this);
}

bool SpreadScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lblRev && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_lblRev->rect().contains(mouse->position().toPoint())) {
            m_chkRev->setFocus(Qt::MouseFocusReason);
            m_chkRev->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpreadScreen::backToMain()
{
    m_host.showDetailsScreen();
    closeForm(this);
}

} // namespace quillmere
