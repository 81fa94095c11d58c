#pragma once

#include "screens/WebLinks.h"
#include "table/Services.h"

#include <QDialog>

namespace quillmere {

// The About box `frmAbout`: what the program is, and the product's address, which opens the home page when
// clicked. While it is open the main window's right panel is disabled.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    AboutBox(const WebLinks& links, UrlOpener& urlOpener, QWidget* rightPanel, QWidget* parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const WebLinks& m_links;
    UrlOpener& m_urlOpener;
    QWidget* m_rightPanel;
    QWidget* m_address = nullptr;
};

} // namespace quillmere
