#include "table/ProgramSettings.h"

#include "storage/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace quillmere {

namespace {

// A settings file is a few hundred bytes; anything far larger is not one.
constexpr qsizetype kMaxSettingsBytes = 1024 * 1024;

const QString kScratchName = QStringLiteral("settings.ini");

// The file the settings are written to: the settings file itself, or, when the user keeps it as a link (a
// dotfiles folder, say), the file the link leads to. The config folder is the user's own, unlike the
// application folder, where the program never writes through a link.
QString writtenPath(const QString& fileName)
{
    if (entryKindAt(fileName) == EntryKind::Link && resolvedKindAt(fileName) == EntryKind::File)
        return QFileInfo(fileName).canonicalFilePath();
    return fileName;
}

// The INI text of the values, made by QSettings in a scratch folder and read back. It is parsed again from a
// second name, so that no cached copy can stand in for what really reached the disk: a key missing from it
// means QSettings' own write failed there (its failures are not always reported), and nothing is kept.
StorageValue<QByteArray> iniTextOf(const QMap<QString, QVariant>& values)
{
    if (values.isEmpty())
        return QByteArray();
    const auto noRoom = [] {
        return StorageValue<QByteArray>::failure(QStringLiteral("there is no room for a working copy of them."),
                                                 StorageCause::NoSpace);
    };
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return noRoom();
    const QString draft = scratch.filePath(kScratchName);
    {
        QSettings writer(draft, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            writer.setValue(it.key(), it.value());
        writer.sync();
        if (writer.status() != QSettings::NoError)
            return noRoom();
    }
    const StorageValue<QByteArray> text = readSmallFile(draft, kMaxSettingsBytes);
    const QString checked = scratch.filePath(QStringLiteral("checked.ini"));
    if (!text || !writeWholeFile(checked, *text))
        return noRoom();
    const QSettings check(checked, QSettings::IniFormat);
    if (check.status() != QSettings::NoError || check.allKeys().size() != values.size())
        return noRoom();
    return text;
}

} // namespace

ProgramSettings::ProgramSettings(const QString& fileName)
    : m_fileName(fileName)
{
    load();
}

ProgramSettings::~ProgramSettings()
{
    sync();
}

std::unique_ptr<ProgramSettings> ProgramSettings::forUser()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return std::make_unique<ProgramSettings>(folder + QStringLiteral("/Quillmere.conf"));
}

// QSettings reads and writes the INI text, but only ever in a scratch folder: it is never let near the real
// file, whose reads must not wait on a FIFO and whose writes must be whole or nothing.
void ProgramSettings::load()
{
    if (resolvedKindAt(m_fileName) == EntryKind::Missing)
        return;
    const StorageValue<QByteArray> bytes = readSmallFile(m_fileName, kMaxSettingsBytes);
    if (!bytes) {
        m_error = bytes.error();
        return;
    }
    QTemporaryDir scratch;
    const QString copy = scratch.filePath(kScratchName);
    if (!scratch.isValid() || !writeWholeFile(copy, *bytes)) {
        m_error = QStringLiteral("The settings file %1 could not be read: no room for a working copy.").arg(m_fileName);
        return;
    }
    const QSettings reader(copy, QSettings::IniFormat);
    if (reader.status() != QSettings::NoError) {
        m_error = QStringLiteral("The settings file %1 is damaged.").arg(m_fileName);
        return;
    }
    for (const QString& key : reader.allKeys())
        m_values.insert(key, reader.value(key));
}

QVariant ProgramSettings::value(const QString& key, const QVariant& fallback) const
{
    return m_values.value(key, fallback);
}

void ProgramSettings::setValue(const QString& key, const QVariant& value)
{
    m_values.insert(key, value);
    m_changed = true;
}

bool ProgramSettings::contains(const QString& key) const
{
    return m_values.contains(key);
}

void ProgramSettings::remove(const QString& key)
{
    const QString below = key + QLatin1Char('/');
    for (auto it = m_values.begin(); it != m_values.end();) {
        if (it.key() == key || it.key().startsWith(below)) {
            it = m_values.erase(it);
            m_changed = true;
        } else {
            ++it;
        }
    }
}

bool ProgramSettings::sync()
{
    if (!m_changed)
        return true;
    const StorageValue<QByteArray> text = iniTextOf(m_values);
    StorageResult written = text.result();
    if (written) {
        const QString target = writtenPath(m_fileName);
        written = QDir().mkpath(QFileInfo(target).absolutePath())
            ? writeWholeFile(target, *text)
            : StorageResult::failure(QStringLiteral("The folder of %1 could not be made.").arg(target),
                                     StorageCause::NoPermission);
    }
    if (!written) {
        m_error = QStringLiteral("The settings could not be kept: %1").arg(written.error());
        return false;
    }
    m_changed = false;
    m_error.clear();
    return true;
}

QString ProgramSettings::error() const
{
    return m_error;
}

QString ProgramSettings::fileName() const
{
    return m_fileName;
}

} // namespace quillmere
