#pragma once

#include "storage/StorageResult.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace quillmere {

// One name inside the application folder or inside one of its folders, checked so that it can only ever name
// that one entry: never empty, "." or "..", no path separator, none of the characters Windows refuses in a
// file name (<>:"/\|?*), no control character, at most 255 bytes. Paths are built from these only, so
// nothing a user types can reach outside the application folder.
class EntryName
{
public:
    static StorageValue<EntryName> check(const QString& name);
    const QString& text() const { return m_text; }
    friend bool operator==(const EntryName&, const EntryName&) = default;

private:
    explicit EntryName(QString text)
        : m_text(std::move(text))
    { }
    QString m_text;
};

// The application folder and the fixed places in it. Every file the program reads or writes is named here.
class AppFolder
{
public:
    explicit AppFolder(QString root)
        : m_root(QDir::cleanPath(std::move(root)))
    { }

    const QString& root() const { return m_root; }
    // root/relative, for a relative path the program itself fixes.
    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }

    QString profileStore() const { return path(QStringLiteral("vt.dll")); }
    QString cardsFolder() const { return path(QStringLiteral("cards")); }
    QString spreadPicturesFolder() const { return path(QStringLiteral("pic")); }
    QString tempRecord() const { return path(QStringLiteral("temp")); }
    QString miscFolder() const { return path(QStringLiteral("misc")); }
    QString cardPicture(int index) const { return path(QStringLiteral("cards/r%1.jpg").arg(index)); }
    QString helpPage() const { return path(QStringLiteral("help/index.html")); }

    // root/name and root/folder/file, for checked names only.
    QString entry(const EntryName& name) const { return path(name.text()); }
    QString entry(const EntryName& folder, const EntryName& file) const
    {
        return path(folder.text() + QLatin1Char('/') + file.text());
    }
    // A profile's folder, and in it the details file named like the profile.
    QString profileFolder(const EntryName& profile) const { return entry(profile); }
    QString profileDetailsFile(const EntryName& profile) const { return entry(profile, profile); }

    // The store and the two picture folders must be there (as a file or a folder) for the program to start.
    bool hasRequiredResources() const
    {
        return QFileInfo::exists(profileStore()) && QFileInfo::exists(cardsFolder())
            && QFileInfo::exists(spreadPicturesFolder());
    }

private:
    QString m_root;
};

} // namespace quillmere
