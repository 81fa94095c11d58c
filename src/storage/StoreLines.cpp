#include "storage/StoreLines.h"

#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

#include <QFileInfo>

namespace quillmere {

namespace {

constexpr qsizetype kMaxStoreBytes = 4 * 1024 * 1024;

bool isResourceEntry(const QString& name)
{
    return name.compare(QLatin1String("pic"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("cards"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString profileExistsMessage(const QString& name)
{
    return QStringLiteral("A profile named \"%1\" already exists.").arg(name);
}

StorageValue<StoreLines> StoreLines::read(const AppFolder& folder)
{
    StoreLines store;
    if (!QFileInfo::exists(folder.profileStore()))
        return store;
    const StorageValue<QByteArray> bytes = readSmallFile(folder.profileStore(), kMaxStoreBytes);
    if (!bytes)
        return StorageValue<StoreLines>::failure(
            QStringLiteral("The profile store could not be read. %1").arg(bytes.error()));
    const QByteArray& all = *bytes;
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\r' && all[end] != '\n')
            ++end;
        store.m_lines.append(all.sliced(start, end - start));
        if (end < all.size() && all[end] == '\r')
            ++end;
        if (end < all.size() && all[end] == '\n')
            ++end;
        start = end;
    }
    return store;
}

StorageResult StoreLines::write(const AppFolder& folder) const
{
    QByteArray bytes;
    for (const QByteArray& line : m_lines)
        bytes += line + "\r\n";
    if (bytes.size() > kMaxStoreBytes)
        return StorageResult::failure(QStringLiteral("The profile store would grow too large."));
    return writeWholeFile(folder.profileStore(), bytes);
}

QString StoreLines::nameOf(const QByteArray& line)
{
    return decodeFileText(line).trimmed();
}

std::optional<QString> StoreLines::find(const QString& name) const
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty() || isResourceEntry(wanted))
        return std::nullopt;
    std::optional<QString> caseless;
    for (const QByteArray& line : m_lines) {
        const QString stored = nameOf(line);
        if (stored == wanted)
            return stored;
        if (!caseless && stored.compare(wanted, Qt::CaseInsensitive) == 0)
            caseless = stored;
    }
    return caseless;
}

std::optional<QString> StoreLines::clash(const QString& name, const QString& except) const
{
    for (const QByteArray& line : m_lines) {
        const QString stored = nameOf(line);
        if (stored != except && stored.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return stored;
    }
    return std::nullopt;
}

void StoreLines::rename(const QString& profile, const QString& newName)
{
    for (QByteArray& line : m_lines) {
        if (nameOf(line) == profile)
            line = newName.toUtf8();
    }
}

void StoreLines::remove(const QString& profile)
{
    m_lines.removeIf([&profile](const QByteArray& line) { return nameOf(line) == profile; });
}

void StoreLines::append(const QString& profile)
{
    m_lines.append(profile.toUtf8());
}

} // namespace quillmere
