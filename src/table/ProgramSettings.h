#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

namespace quillmere {

// What the program remembers between runs (the chosen deck, the window, the last choices), kept in one INI file.
// The program keeps it under the user's config folder; tests give it a file in a temporary folder, so a test
// never reads or changes a user's settings. The record files never live here: losing this file loses no reading.
class ProgramSettings
{
public:
    // Settings kept in the INI file at fileName (created on the first change).
    explicit ProgramSettings(const QString& fileName);
    // The user's own settings file under the config folder (for example ~/.config/Quillmere/Quillmere.conf).
    static std::unique_ptr<ProgramSettings> forUser();

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);
    bool contains(const QString& key) const;
    void remove(const QString& key);

    // Writes what changed to disk; false (with the reason in error()) when the file could not be written.
    // Settings are a convenience: a failed write is reported, never fatal.
    bool sync();
    QString error() const;

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace quillmere
