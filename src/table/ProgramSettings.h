#pragma once

#include <QMap>
#include <QString>
#include <QVariant>
#include <memory>

namespace quillmere {

// What the program remembers between runs (the chosen deck, the window, the last choices), kept in one INI file.
// The program keeps it under the user's config folder; tests give it a file in a temporary folder, so a test
// never reads or changes a user's settings. The record files never live here: losing this file loses no reading.
//
// The values are held in memory and the file is written whole or not at all, through the same writer as every
// other file of the program: a full disk or a folder that cannot be written leaves the last good file as it
// was and is reported, never an empty or half-written settings file.
class ProgramSettings
{
public:
    // Settings kept in the INI file at fileName (created, with its folder, on the first change that is
    // written). A damaged or unreadable file counts as empty settings; error() says why.
    explicit ProgramSettings(const QString& fileName);
    // Writes what changed, as sync() does.
    ~ProgramSettings();
    ProgramSettings(const ProgramSettings&) = delete;
    ProgramSettings& operator=(const ProgramSettings&) = delete;

    // The user's own settings file under the config folder (for example ~/.config/Quillmere/Quillmere.conf).
    static std::unique_ptr<ProgramSettings> forUser();

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    // Removes the key and every key below it ("window" removes "window/geometry").
    void remove(const QString& key);

    // Writes what changed to disk; false (with the reason in error()) when the file could not be written, in
    // which case the values stay in memory and the next sync tries again. Settings are a convenience: a
    // failed write is reported, never fatal.
    bool sync();
    // Why the last read or write failed; empty when it did not.
    QString error() const;

    QString fileName() const;

private:
    void load();

    QString m_fileName;
    QMap<QString, QVariant> m_values;
    bool m_changed = false;
    QString m_error;
};

} // namespace quillmere
