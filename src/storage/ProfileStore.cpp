#include "storage/ProfileStore.h"

#include "storage/FileAccess.h"
#include "storage/FolderLock.h"
#include "storage/RecordFormat.h"
#include "storage/TextDecoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <array>

namespace quillmere {

namespace {

constexpr int kMaxNameBytes = 255;

// Characters that show nothing, or move the text around, so that two names that look the same would differ:
// controls (C0, DEL, C1), format characters (zero-width spaces and joiners, direction marks, the byte-order
// mark, the soft hyphen), the line and paragraph separators, lone surrogates, characters Unicode has not
// assigned, and the fillers that draw as blanks.
bool isInvisibleCharacter(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    return c == 0x034F || c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || (c >= 0xFE00 && c <= 0xFE0F)
        || (c >= 0xE0100 && c <= 0xE01EF);
}

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

QString ProfileStore::comparisonKey(const QString& name)
{
    return name.trimmed().normalized(QString::NormalizationForm_C).toCaseFolded();
}

StorageResult ProfileStore::checkName(const QString& name)
{
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return StorageResult::failure(QStringLiteral("A profile name cannot contain control characters."));
        if (QStringView(u"<>:\"/\\|?*").contains(c))
            return StorageResult::failure(
                QStringLiteral("A profile name cannot contain any of the characters < > : \" / \\ | ? *"));
    }
    for (const char32_t c : name.toUcs4()) {
        if (isInvisibleCharacter(c))
            return StorageResult::failure(
                QStringLiteral("A profile name cannot contain control characters or characters that show nothing "
                               "(such as U+%1).")
                    .arg(QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'))));
    }
    if (name.startsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char('.')))
        return StorageResult::failure(QStringLiteral("A profile name cannot begin or end with a dot."));
    for (const QLatin1StringView reserved : kReservedNames) {
        if (name.compare(reserved, Qt::CaseInsensitive) == 0)
            return StorageResult::failure(
                QStringLiteral("The name \"%1\" is kept by the program for its own files. Please choose another "
                               "profile name.")
                    .arg(name));
    }
    if (name.toUtf8().size() > kMaxNameBytes)
        return StorageResult::failure(QStringLiteral("The profile name is too long."));
    if (!EntryName::check(name))
        return StorageResult::failure(QStringLiteral("The profile name cannot be used as a folder name."));
    return StorageResult::success();
}

StorageValue<QStringList> ProfileStore::allLines() const
{
    if (!QFileInfo::exists(m_folder.profileStore()))
        return QStringList();
    const StorageValue<QByteArray> bytes = readSmallFile(m_folder.profileStore(), kMaxStoreBytes);
    if (!bytes)
        return StorageValue<QStringList>::failure(
            QStringLiteral("The profile store could not be read. %1").arg(bytes.error()));
    // Lines end with CRLF, LF or a lone CR (stores written or edited elsewhere).
    QStringList lines;
    const QByteArrayView all(*bytes);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = start;
        while (end < all.size() && all[end] != '\n' && all[end] != '\r')
            ++end;
        lines.append(decodeFileText(all.sliced(start, end - start)));
        if (end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n')
            ++end;
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
    // The composed form, so the name, its folder and every later comparison agree however it was typed.
    const QString name = profile.profileName.trimmed().normalized(QString::NormalizationForm_C);
    if (name.isEmpty())
        return refused(ProfileRefusal::EmptyProfileName, QStringLiteral("Please enter profile name."));
    if (profile.details.personName.isEmpty())
        return refused(ProfileRefusal::EmptyPersonName, QStringLiteral("Please enter your name."));

    // Held from reading the store to writing it back, so that adds at the same time all keep their lines.
    const auto lock = FolderLock::acquire(m_folder);
    if (!lock)
        return refused(ProfileRefusal::WriteFailed,
                       QStringLiteral("The profile could not be created. %1").arg(lock.error()));

    const StorageValue<QStringList> lines = allLines();
    if (!lines)
        return refused(ProfileRefusal::WriteFailed, lines.error());
    const QString key = comparisonKey(name);
    for (const QString& line : *lines) {
        if (comparisonKey(line) == key)
            return refused(ProfileRefusal::AlreadyExists,
                           QStringLiteral("A profile named \"%1\" already exists.").arg(line.trimmed()));
    }
    if (const StorageResult safe = checkName(name); !safe)
        return refused(ProfileRefusal::UnsafeName, safe.error());

    QByteArray content;
    if (entryKindAt(m_folder.profileStore()) != EntryKind::Missing) {
        const StorageValue<QByteArray> store = readSmallFile(m_folder.profileStore(), kMaxStoreBytes);
        if (!store)
            return refused(ProfileRefusal::WriteFailed, store.error());
        content = *store;
    }
    if (!content.isEmpty() && !content.endsWith('\n') && !content.endsWith('\r'))
        content += "\r\n";
    content += name.toUtf8() + "\r\n";
    // The reader must always read what the writer writes.
    if (content.size() > kMaxStoreBytes)
        return refused(ProfileRefusal::WriteFailed,
                       QStringLiteral("The profile store %1 is full: no more profiles can be added.")
                           .arg(m_folder.profileStore()));

    // Folder, details file, store line: each step whole or not at all, and what the earlier steps made is
    // taken back when a later one fails, so a failure leaves the folder as it was.
    const StorageValue<EntryName> entry = EntryName::check(name);
    const QString folderPath = m_folder.profileFolder(*entry);
    const QString detailsPath = m_folder.profileDetailsFile(*entry);
    const bool folderIsNew = resolvedKindAt(folderPath) != EntryKind::Folder;
    if (folderIsNew && (entryKindAt(folderPath) != EntryKind::Missing || !QDir(m_folder.root()).mkdir(name)))
        return refused(ProfileRefusal::WriteFailed,
                       QStringLiteral("The folder of the profile could not be created: %1").arg(folderPath));
    const auto undoFolder = [&] {
        if (folderIsNew)
            QDir(m_folder.root()).rmdir(name);
    };
    std::optional<QByteArray> oldDetails;
    if (entryKindAt(detailsPath) == EntryKind::File)
        oldDetails = readFileAtMost(detailsPath, kMaxRecordBytes);
    if (const StorageResult written = writeWholeFile(detailsPath, detailsLine(profile.details)); !written) {
        undoFolder();
        return refused(ProfileRefusal::WriteFailed, written.error());
    }
    if (const StorageResult written = writeWholeFile(m_folder.profileStore(), content); !written) {
        // A folder left by an earlier add gets its old details back; at worst it keeps the new ones, which
        // the next add of the name takes over.
        if (oldDetails)
            (void)writeWholeFile(detailsPath, *oldDetails);
        else
            QFile::remove(detailsPath);
        undoFolder();
        return refused(ProfileRefusal::WriteFailed, written.error());
    }
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
