#pragma once

#include "table/AppContext.h"
#include "table/ReadingHost.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QListWidget;

namespace quillmere {

// The details screen's panel for reopening a saved reading: a profile (or the miscellaneous collection), the
// readings saved there by date, time and description, and the command that shows one again with its cards.
class OldReadingPanel : public QWidget
{
    Q_OBJECT
public:
    OldReadingPanel(AppContext& context, ReadingHost& host, QWidget* parent = nullptr);

    // Lists the profiles, then "misc" once that folder exists. The reading lists keep what they showed.
    void fillProfiles();

Q_SIGNALS:
    void backToMainRequested();
    // A reading is on screen in its own table; the details screen has done its part.
    void readingOpened();

private:
    void onCboProfilesActivated();
    void openSelectedReading();
    void refuse(const QString& text);

    AppContext& m_context;
    ReadingHost& m_host;
    QComboBox* m_cboProfiles = nullptr;
    QLabel* m_lblCaption = nullptr;
    QListWidget* m_lstReadings = nullptr;
    QListWidget* m_lstReadings1 = nullptr;
};

} // namespace quillmere
