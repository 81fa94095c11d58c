#include "screens/WebLinks.h"

namespace quillmere {

WebLinks::WebLinks(const QString& siteUrl, const AppFolder& folder)
    : m_site(siteUrl.trimmed())
    , m_localHelp(folder.helpPage())
{
    while (m_site.endsWith(QLatin1Char('/')))
        m_site.chop(1);
}

QUrl WebLinks::sitePage(const QString& path) const
{
    return QUrl(m_site + path);
}

QUrl WebLinks::localHelp() const
{
    return QUrl::fromLocalFile(m_localHelp);
}

QUrl WebLinks::helpPage() const
{
    return hasSite() ? sitePage(QStringLiteral("/quillmere-help/")) : localHelp();
}

QUrl WebLinks::homePage() const
{
    return hasSite() ? sitePage(QStringLiteral("/")) : localHelp();
}

std::optional<QUrl> WebLinks::farewellPage() const
{
    if (!hasSite())
        return std::nullopt;
    return sitePage(QStringLiteral("/thankyou-for-using-quillmere.php"));
}

QString WebLinks::homeAddressText() const
{
    return hasSite() ? m_site : QStringLiteral("help/index.html");
}

} // namespace quillmere
