#include "table/ProgramSettings.h"

#include <QStandardPaths>

namespace quillmere {

ProgramSettings::ProgramSettings(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{ }

std::unique_ptr<ProgramSettings> ProgramSettings::forUser()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return std::make_unique<ProgramSettings>(folder + QStringLiteral("/Quillmere.conf"));
}

QVariant ProgramSettings::value(const QString& key, const QVariant& fallback) const
{
    return m_settings->value(key, fallback);
}

void ProgramSettings::setValue(const QString& key, const QVariant& value)
{
    m_settings->setValue(key, value);
}

bool ProgramSettings::contains(const QString& key) const
{
    return m_settings->contains(key);
}

void ProgramSettings::remove(const QString& key)
{
    m_settings->remove(key);
}

bool ProgramSettings::sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

QString ProgramSettings::error() const
{
    switch (m_settings->status()) {
    case QSettings::NoError:
        return QString();
    case QSettings::AccessError:
        return QStringLiteral("The settings file %1 could not be written.").arg(m_settings->fileName());
    case QSettings::FormatError:
        return QStringLiteral("The settings file %1 is damaged.").arg(m_settings->fileName());
    }
    return QString();
}

QString ProgramSettings::fileName() const
{
    return m_settings->fileName();
}

} // namespace quillmere
