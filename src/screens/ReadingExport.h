#pragma once

#include "handout/ReadingHandout.h"
#include "storage/DeckLibrary.h"
#include "table/AppContext.h"
#include "table/Services.h"

#include <QList>
#include <QObject>
#include <functional>

class QAction;
class QMdiArea;
class QMenu;
class QWidget;

namespace quillmere {

class CardTable;
class ReadingPane;

// The File menu's ways to take the reading on screen away: print it (with a preview), save it as PDF, save or copy
// the card table as a picture, copy the text plain or styled, export it as HTML or Markdown. The commands are
// enabled only while a reading is on screen; every file goes through the one writer, and a failure is told in a
// message box and leaves no file behind.
class ReadingExport : public QObject
{
    Q_OBJECT
public:
    // Prints a handout: the program shows the print preview; tests record what would be printed.
    using PrintHandler = std::function<void(const ReadingHandout&, const DeckFolder&)>;

    ReadingExport(AppContext& context, QMdiArea* workspace, ReadingPane* pane, QWidget* window);

    // Adds the commands to the menu before `before`.
    void addTo(QMenu* menu, QAction* before);
    // Commands need a reading on screen.
    void setReadingOnScreen(bool onScreen);
    // Where files are saved; a file dialog unless replaced.
    void setFileChooser(FileChooser& chooser) { m_chooser = &chooser; }
    void setPrintHandler(PrintHandler handler) { m_print = std::move(handler); }

    // The reading on screen as a handout, from the card table, the pane and the reading's details; the deck its
    // table shows.
    ReadingHandout currentHandout() const;
    DeckFolder currentDeck() const;

    void print();
    void saveAsPdf();
    void saveTableImage();
    void copyTableImage();
    void copyText();
    void copyRichText();
    void exportReading();

private:
    CardTable* cardTable() const;
    // Asks for a path; empty when cancelled.
    QString askPath(const QString& title, const QString& suffix, const QStringList& filters,
                    QString* chosenFilter = nullptr);
    void tellFailure(const QString& text);
    void printWithPreview(const ReadingHandout& handout, const DeckFolder& deck);

    AppContext& m_context;
    QMdiArea* m_workspace;
    ReadingPane* m_pane;
    QWidget* m_window;
    FileChooser* m_chooser = nullptr;
    PrintHandler m_print;
    QList<QAction*> m_actions;
};

} // namespace quillmere
