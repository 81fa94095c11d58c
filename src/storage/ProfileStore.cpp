#include "storage/ProfileStore.h"

#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

#include <QDir>
#include <QFileInfo>
#include <array>

namespace quillmere {

namespace {

// The store is a short list of names; a file larger than this is no store.
constexpr qsizetype kMaxStoreBytes = 4 * 1024 * 1024;
constexpr int kMaxNameBytes = 255;

// Entries of the store every reader skips: the resource folders beside the profile folders.
bool isSkippedEntry(const QString& line)
{
    const QString name = line.trimmed();
    return name.compare(QLatin1String("pic"), Qt::CaseInsensitive) == 0
        || name.compare(QLatin1String("cards"), Qt::CaseInsensitive) == 0;
}

// Names of the application folder's own entries, which no profile may take.
constexpr std::array<QLatin1StringView, 8> kReservedNames = {
    QLatin1StringView("pic"),    QLatin1StringView("cards"), QLatin1StringView("misc"),  QLatin1StringView("temp"),
    QLatin1StringView("vt.dll"), QLatin1StringView("help"),  QLatin1StringView("decks"), QLatin1StringView("trash"),
};

ProfileCreation refused(ProfileRefusal refusal, QString error)
{
    return ProfileCreation{refusal, std::move(error), QString()};
}

QByteArray detailsLine(const ProfileDetails& details)
{
    const QString line = quoteRecordValue(details.personName) + QLatin1Char(',') + quoteRecordValue(details.month)
        + QLatin1Char(',') + quoteRecordValue(details.day) + QLatin1Char(',') + quoteRecordValue(details.year)
        + QStringLiteral("\r\n");
    return line.toUtf8();
}

} // namespace

std::optional<QString> ProfileStore::unsafeNameReason(const QString& name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QStringLiteral("A profile name cannot contain control characters.");
        if (QStringView(u"<>:\"/\\|?*").contains(c))
            return QStringLiteral("A profile name cannot contain any of the characters < > : \" / \\ | ? *");
    }
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')))
        return QStringLiteral("A profile name cannot begin or end with a dot.");
    for (const QLatin1StringView reserved : kReservedNames) {
        if (name.compare(reserved, Qt::CaseInsensitive) == 0)
            return QStringLiteral("The name \"%1\" is kept by the program for its own files. Please choose another "
                                  "profile name.")
                .arg(name);
    }
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("The profile name is too long.");
    if (!EntryName::check(name))
        return QStringLiteral("The profile name cannot be used as a folder name.");
    return std::nullopt;
}

StorageValue<QStringList> ProfileStore::allLines() const
{
    if (!QFileInfo::exists(m_folder.profileStore()))
        return QStringList();
    const StorageValue<QByteArray> bytes = readSmallFile(m_folder.profileStore(), kMaxStoreBytes);
    if (!bytes)
        return StorageValue<QStringList>::failure(
            QStringLiteral("The profile store could not be read. %1").arg(bytes.error()));
    QStringList lines;
    const QByteArrayView all(*bytes);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        QByteArrayView line = all.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        lines.append(decodeFileText(line));
        start = end + 1;
    }
    return lines;
}

StorageValue<QStringList> ProfileStore::list() const
{
    const StorageValue<QStringList> lines = allLines();
    if (!lines)
        return lines;
    QStringList names;
    for (const QString& line : *lines) {
        if (line.trimmed().isEmpty() || isSkippedEntry(line) || line.toUtf8().size() > kMaxNameBytes)
            continue;
        names.append(line);
    }
    return names;
}

ProfileCreation ProfileStore::create(const NewProfile& profile) const
{
    const QString name = profile.profileName.trimmed();
    if (name.isEmpty())
        return refused(ProfileRefusal::EmptyProfileName, QStringLiteral("Please enter profile name."));
    if (profile.details.personName.isEmpty())
        return refused(ProfileRefusal::EmptyPersonName, QStringLiteral("Please enter your name."));

    const StorageValue<QStringList> lines = allLines();
    if (!lines)
        return refused(ProfileRefusal::WriteFailed, lines.error());
    for (const QString& line : *lines) {
        if (line.trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return refused(ProfileRefusal::AlreadyExists,
                           QStringLiteral("A profile named \"%1\" already exists.").arg(line.trimmed()));
    }
    if (const std::optional<QString> reason = unsafeNameReason(name))
        return refused(ProfileRefusal::UnsafeName, *reason);

    const StorageValue<EntryName> entry = EntryName::check(name);
    const QString folderPath = m_folder.profileFolder(*entry);
    if (!QFileInfo(folderPath).isDir() && !QDir(m_folder.root()).mkdir(name))
        return refused(ProfileRefusal::WriteFailed,
                       QStringLiteral("The folder of the profile could not be created: %1").arg(folderPath));
    if (const StorageResult written = writeWholeFile(m_folder.profileDetailsFile(*entry), detailsLine(profile.details));
        !written)
        return refused(ProfileRefusal::WriteFailed, written.error());

    QByteArray content;
    if (QFileInfo::exists(m_folder.profileStore())) {
        const StorageValue<QByteArray> store = readSmallFile(m_folder.profileStore(), kMaxStoreBytes);
        if (!store)
            return refused(ProfileRefusal::WriteFailed, store.error());
        content = *store;
    }
    if (!content.isEmpty() && !content.endsWith('\n'))
        content += "\r\n";
    content += name.toUtf8() + "\r\n";
    if (const StorageResult written = writeWholeFile(m_folder.profileStore(), content); !written)
        return refused(ProfileRefusal::WriteFailed, written.error());
    return ProfileCreation{std::nullopt, QString(), name};
}

StorageValue<ProfileDetails> ProfileStore::details(const QString& profileName) const
{
    const StorageValue<EntryName> entry = EntryName::check(profileName.trimmed());
    if (!entry)
        return StorageValue<ProfileDetails>::failure(
            QStringLiteral("The profile \"%1\" has no details: %2").arg(profileName, entry.error()));
    const StorageValue<QByteArray> bytes = readSmallFile(m_folder.profileDetailsFile(*entry), kMaxRecordBytes);
    if (!bytes)
        return StorageValue<ProfileDetails>::failure(bytes.error());
    const QList<RecordItem> items = splitRecordItems(decodeFileText(*bytes));
    const qsizetype complete = items.size() / 4;
    if (complete == 0)
        return StorageValue<ProfileDetails>::failure(
            QStringLiteral("The details file of the profile \"%1\" holds no details.").arg(profileName));
    const qsizetype first = (complete - 1) * 4;
    return ProfileDetails{items[first].text, items[first + 1].text, items[first + 2].text, items[first + 3].text};
}

} // namespace quillmere
