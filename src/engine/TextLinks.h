#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

namespace quillmere {

// A web or mail address found in a text: where it stands and where it leads.
struct TextLink
{
    qsizetype start = 0;
    qsizetype length = 0;
    QUrl url;
};

// The addresses in a text that can be opened: http, https and mailto addresses and "www." addresses, without
// the punctuation that ends a sentence after them. The question is typed by the user, so nothing else is ever a
// link, whatever the text holds.
QList<TextLink> findTextLinks(const QString& text);

// The address a link's text stands for, or nothing when it is not an http, https or mailto address. "www."
// addresses are web addresses.
std::optional<QUrl> openableUrl(const QString& linkText);

} // namespace quillmere
