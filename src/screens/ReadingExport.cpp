#include "screens/ReadingExport.h"

#include "content/Deck.h"
#include "handout/HandoutExport.h"
#include "handout/HandoutPages.h"
#include "handout/SpreadPicture.h"
#include "screens/PanelSupport.h"
#include "screens/ReadingPane.h"
#include "storage/ReadingArchive.h"
#include "table/CardTable.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace quillmere {

namespace {

const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kPngFilter = QStringLiteral("PNG image (*.png)");
const QString kHtmlFilter = QStringLiteral("HTML page (*.html)");
const QString kMarkdownFilter = QStringLiteral("Markdown text (*.md)");

// The file dialogs of the desktop.
class DialogFileChooser final : public FileChooser
{
public:
    QString saveFileName(QWidget* parent, const QString& title, const QString& suggestedPath,
                         const QStringList& filters, QString* chosenFilter) override
    {
        QString filter = filters.value(0);
        const QString path
            = QFileDialog::getSaveFileName(parent, title, suggestedPath, filters.join(QStringLiteral(";;")), &filter);
        if (chosenFilter)
            *chosenFilter = filter;
        return path;
    }
};

DialogFileChooser& dialogChooser()
{
    static DialogFileChooser chooser;
    return chooser;
}

// A file name from the querent's name, safe on every file system: "Jane Doe reading".
QString suggestedName(const ReadingHandout& handout)
{
    QString name = handout.querentName.trimmed();
    static const QString unsafe = QStringLiteral("/\\\\:*?\"<>|");
    for (QChar& c : name) {
        if (unsafe.contains(c) || c.unicode() < 0x20)
            c = QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("Tarot reading") : name + QStringLiteral(" reading");
}

QString withSuffix(QString path, const QString& suffix)
{
    if (!path.endsWith(QLatin1Char('.') + suffix, Qt::CaseInsensitive))
        path += QLatin1Char('.') + suffix;
    return path;
}

} // namespace

ReadingExport::ReadingExport(AppContext& context, QMdiArea* workspace, ReadingPane* pane, QWidget* window)
    : QObject(window)
    , m_context(context)
    , m_workspace(workspace)
    , m_pane(pane)
    , m_window(window)
    , m_chooser(&dialogChooser())
{
    m_print = [this](const ReadingHandout& handout, const DeckFolder& deck) { printWithPreview(handout, deck); };
}

void ReadingExport::addTo(QMenu* menu, QAction* before)
{
    const auto add
        = [&](const char* name, const QString& text, void (ReadingExport::*slot)(), QKeySequence shortcut = {}) {
              auto* action = new QAction(text, menu);
              action->setObjectName(QLatin1String(name));
              action->setShortcut(shortcut);
              action->setEnabled(false);
              connect(action, &QAction::triggered, this, slot);
              menu->insertAction(before, action);
              m_actions.append(action);
          };
    add("mnuPrint", QStringLiteral("&Print\u2026"), &ReadingExport::print, QKeySequence::Print);
    add("mnuSavePdf", QStringLiteral("Save as P&DF\u2026"), &ReadingExport::saveAsPdf);
    add("mnuExportReading", QStringLiteral("&Export Reading\u2026"), &ReadingExport::exportReading);
    menu->insertSeparator(before);
    add("mnuSaveTableImage", QStringLiteral("Save &Table as Image\u2026"), &ReadingExport::saveTableImage);
    add("mnuCopyTableImage", QStringLiteral("Copy T&able as Image"), &ReadingExport::copyTableImage);
    add("mnuCopyText", QStringLiteral("&Copy Reading as Text"), &ReadingExport::copyText);
    add("mnuCopyRichText", QStringLiteral("Copy Reading as &Rich Text"), &ReadingExport::copyRichText);
    menu->insertSeparator(before);
}

void ReadingExport::setReadingOnScreen(bool onScreen)
{
    for (QAction* action : std::as_const(m_actions))
        action->setEnabled(onScreen);
}

CardTable* ReadingExport::cardTable() const
{
    // The reading's table is the one whose cards are shown; a closed board's table may linger until deleted.
    CardTable* found = nullptr;
    for (CardTable* table : m_workspace->findChildren<CardTable*>()) {
        for (int k = 0; k < CardTable::kBoxCount; ++k) {
            if (table->box(k)->isVisibleTo(table))
                found = table;
        }
    }
    return found;
}

ReadingHandout ReadingExport::currentHandout() const
{
    const CurrentReading& reading = m_context.reading;
    ReadingHandout handout;
    handout.querentName = reading.querentName;
    handout.birthDate = reading.birthDate;
    handout.question = reading.question;
    handout.date = reading.creationDate;
    handout.time = reading.creationTime;
    if (handout.date.isEmpty()) {
        // A fresh reading's moment is the one its record keeps; the clock only when there is none.
        const StorageValue<ReadingRecord> record = readRecordFile(m_context.folder.tempRecord());
        const ReadingMoment now = m_context.clock.moment();
        handout.date = record && !record->date.isEmpty() ? record->date : now.date;
        handout.time = record && !record->time.isEmpty() ? record->time : now.time;
    }
    handout.text = m_pane->displayedText();
    if (const CardTable* table = cardTable()) {
        handout.spreadKey = table->spread() ? table->spread()->name : QString();
        int positions = 0;
        for (int k = 0; k < CardTable::kBoxCount; ++k) {
            if (table->box(k)->isVisibleTo(table))
                positions = k + 1;
        }
        for (int k = 0; k < positions; ++k) {
            const CardBox* box = table->box(k);
            const bool shown = box->isVisibleTo(table) && Deck::isValidIndex(box->cardIndex());
            handout.cards.append(HandoutCard{shown ? box->cardIndex() : -1, shown && box->isReversed()});
        }
    }
    return handout;
}

DeckFolder ReadingExport::currentDeck() const
{
    const CardTable* table = cardTable();
    return table ? table->deck() : DeckFolder();
}

QString ReadingExport::askPath(const QString& title, const QString& suffix, const QStringList& filters,
                               QString* chosenFilter)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString suggested = folder + QLatin1Char('/') + suggestedName(currentHandout()) + QLatin1Char('.') + suffix;
    return m_chooser->saveFileName(m_window, title, suggested, filters, chosenFilter);
}

void ReadingExport::tellFailure(const QString& text)
{
    showRefusal(m_context.notifier, m_window, text);
}

void ReadingExport::print()
{
    m_print(currentHandout(), currentDeck());
}

void ReadingExport::printWithPreview(const ReadingHandout& handout, const DeckFolder& deck)
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        m_context.notifier.show(m_window, Notifier::Icon::Information, kMessageTitle,
                                QStringLiteral("No printer is installed. Use File > Save as PDF\u2026 to keep the "
                                               "reading as a document you can print elsewhere."));
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(handoutPageLayout(QLocale::system()));
    printer.setDocName(suggestedName(handout));
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setWindowTitle(QStringLiteral("Print Reading"));
    bool painted = true;
    connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&](QPrinter* target) { painted = paintHandout(handout, deck, *target) > 0; });
    // A cancelled preview prints nothing and is no failure.
    if (preview.exec() != QDialog::Accepted)
        return;
    if (!painted || printer.printerState() == QPrinter::Error)
        tellFailure(QStringLiteral("The reading could not be printed on %1.").arg(printer.printerName()));
}

void ReadingExport::saveAsPdf()
{
    const ReadingHandout handout = currentHandout();
    QString path = askPath(QStringLiteral("Save as PDF"), QStringLiteral("pdf"), {kPdfFilter});
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("pdf"));
    if (const StorageResult written = writeHandoutPdf(path, handout, currentDeck(), QLocale::system()); !written)
        tellFailure(QStringLiteral("The PDF was not saved.\n\n%1").arg(written.error()));
}

void ReadingExport::saveTableImage()
{
    const ReadingHandout handout = currentHandout();
    QString path = askPath(QStringLiteral("Save Table as Image"), QStringLiteral("png"), {kPngFilter});
    if (path.isEmpty())
        return;
    path = withSuffix(path, QStringLiteral("png"));
    if (const StorageResult written = writeExport(path, cardTablePng(handout, currentDeck())); !written)
        tellFailure(QStringLiteral("The picture was not saved.\n\n%1").arg(written.error()));
}

void ReadingExport::copyTableImage()
{
    QImage image = cardTableImage(currentHandout(), currentDeck(), 2);
    // Other programs take the picture's pixels as they are.
    image.setDevicePixelRatio(1);
    QGuiApplication::clipboard()->setImage(image);
}

void ReadingExport::copyText()
{
    QString text = currentHandout().text.plainText();
    QGuiApplication::clipboard()->setText(text);
}

void ReadingExport::copyRichText()
{
    const StyledText text = currentHandout().text;
    auto* data = new QMimeData;
    data->setHtml(readingTextHtml(text));
    data->setText(text.plainText());
    QGuiApplication::clipboard()->setMimeData(data);
}

void ReadingExport::exportReading()
{
    const ReadingHandout handout = currentHandout();
    QString filter;
    QString path
        = askPath(QStringLiteral("Export Reading"), QStringLiteral("html"), {kHtmlFilter, kMarkdownFilter}, &filter);
    if (path.isEmpty())
        return;
    const bool markdown = filter == kMarkdownFilter || path.endsWith(QLatin1String(".md"), Qt::CaseInsensitive)
        || path.endsWith(QLatin1String(".markdown"), Qt::CaseInsensitive);
    if (markdown && !path.endsWith(QLatin1String(".markdown"), Qt::CaseInsensitive))
        path = withSuffix(path, QStringLiteral("md"));
    else if (!markdown && !path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive))
        path = withSuffix(path, QStringLiteral("html"));
    const QByteArray bytes
        = markdown ? handoutMarkdown(handout).toUtf8() : handoutHtml(handout, currentDeck()).toUtf8();
    if (const StorageResult written = writeExport(path, bytes); !written)
        tellFailure(QStringLiteral("The reading was not exported.\n\n%1").arg(written.error()));
}

} // namespace quillmere
