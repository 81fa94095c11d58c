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
//
// Two roots: the user's data (the profile store, profile folders, misc, temp, the user's own decks), which the
// program writes, and the program's own read-only files (spread pictures, built-in decks, help), which it never
// writes. A portable folder, and every test, uses one folder for both.
class AppFolder
{
public:
    explicit AppFolder(QString root)
        : m_root(QDir::cleanPath(std::move(root)))
        , m_programRoot(m_root)
    { }
    AppFolder(QString dataRoot, QString programRoot)
        : m_root(QDir::cleanPath(std::move(dataRoot)))
        , m_programRoot(QDir::cleanPath(std::move(programRoot)))
    { }

    // The user's data folder.
    const QString& root() const { return m_root; }
    // The folder of the program's own read-only files.
    const QString& programRoot() const { return m_programRoot; }
    bool isPortable() const { return m_root == m_programRoot; }
    // root/relative, for a relative path the program itself fixes.
    QString path(const QString& relative) const { return m_root + QLatin1Char('/') + relative; }
    // programRoot/relative.
    QString programPath(const QString& relative) const { return m_programRoot + QLatin1Char('/') + relative; }

    QString profileStore() const { return path(QStringLiteral("vt.dll")); }
    // The card pictures of the old layout (r0.jpg ... r77.jpg) in the data folder.
    QString cardsFolder() const { return path(QStringLiteral("cards")); }
    QString spreadPicturesFolder() const { return programPath(QStringLiteral("pic")); }
    QString tempRecord() const { return path(QStringLiteral("temp")); }
    QString miscFolder() const { return path(QStringLiteral("misc")); }
    QString cardPicture(int index) const { return path(QStringLiteral("cards/r%1.jpg").arg(index)); }
    QString helpPage() const { return programPath(QStringLiteral("help/index.html")); }
    // The decks that come with the program, one folder each (decks/NAME/r0.jpg ...).
    QString builtInDecksFolder() const { return programPath(QStringLiteral("decks")); }
    // The decks the user adds, one folder each, in the data folder.
    QString userDecksFolder() const { return path(QStringLiteral("decks")); }
    // Where deleted readings and profiles wait until the trash is emptied.
    QString trashFolder() const { return path(QStringLiteral("trash")); }

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
    QString m_programRoot;
};

} // namespace quillmere
