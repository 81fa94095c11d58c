#pragma once

#include "storage/AppFolder.h"

#include <QString>
#include <QUrl>
#include <optional>

namespace quillmere {

// The pages the program opens in the browser. With a product site configured they are the site's pages;
// without one, help and home are the help page shipped in the application folder and there is no farewell.
class WebLinks
{
public:
    WebLinks(const QString& siteUrl, const AppFolder& folder);

    bool hasSite() const { return !m_site.isEmpty(); }
    QUrl helpPage() const;
    QUrl homePage() const;
    std::optional<QUrl> farewellPage() const;
    // The address shown on the About box.
    QString homeAddressText() const;

private:
    QUrl sitePage(const QString& path) const;
    QUrl localHelp() const;

    QString m_site;
    QString m_localHelp;
};

} // namespace quillmere
