#include "engine/TextLinks.h"

#include <QRegularExpression>

namespace quillmere {

namespace {

const QRegularExpression& addressPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("(?<![\\w.@/])(?:https?://|www\\.|mailto:)[^\\s<>\"\\x{2028}\\x{2029}]+"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

bool isTrailingPunctuation(QChar c)
{
    return QStringLiteral(".,;:!?)]}'").contains(c);
}

} // namespace

QList<TextLink> findTextLinks(const QString& text)
{
    QList<TextLink> links;
    QRegularExpressionMatchIterator matches = addressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        QString address = match.captured();
        while (!address.isEmpty() && isTrailingPunctuation(address.back()))
            address.chop(1);
        if (const std::optional<QUrl> url = openableUrl(address))
            links.append(TextLink{match.capturedStart(), address.size(), *url});
    }
    return links;
}

std::optional<QUrl> openableUrl(const QString& linkText)
{
    QString address = linkText.trimmed();
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        address.prepend(QLatin1String("http://"));
    const QUrl url(address, QUrl::TolerantMode);
    if (!url.isValid())
        return std::nullopt;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        if (url.host().isEmpty())
            return std::nullopt;
        return url;
    }
    if (scheme == QLatin1String("mailto") && !url.path().isEmpty())
        return url;
    return std::nullopt;
}

} // namespace quillmere
