#include "storage/AppFolder.h"

namespace quillmere {

namespace {

// The longest name the file systems the program runs on accept for one entry.
constexpr int kMaxEntryBytes = 255;

bool isRefusedCharacter(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f || QStringView(u"<>:\"/\\|?*").contains(c);
}

} // namespace

StorageValue<EntryName> EntryName::check(const QString& name)
{
    if (name.isEmpty())
        return StorageValue<EntryName>::failure(QStringLiteral("The name is empty."));
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return StorageValue<EntryName>::failure(QStringLiteral("The name \"%1\" does not name a file.").arg(name));
    for (const QChar c : name) {
        if (isRefusedCharacter(c))
            return StorageValue<EntryName>::failure(
                QStringLiteral("The name contains a character that is not allowed in a file name."));
    }
    if (name.toUtf8().size() > kMaxEntryBytes)
        return StorageValue<EntryName>::failure(QStringLiteral("The name is too long for a file name."));
    return EntryName(name);
}

} // namespace quillmere
