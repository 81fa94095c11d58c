#pragma once

#include <QDir>
#include <QFileInfo>
#include <QString>

namespace quillmere {

// The application folder and the fixed places in it. Every file the program reads or writes is named here.
class AppFolder
{
public:
    explicit AppFolder(QString root)
        : m_root(QDir::cleanPath(std::move(root)))
    {
    }

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
