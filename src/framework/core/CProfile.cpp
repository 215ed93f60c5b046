#include "framework/core/CProfile.h"

#include <QSettings>

namespace {
QString Key(const QString& section, const QString& entry) { return section + QLatin1Char('/') + entry; }
} // namespace

CProfile::CProfile()
    : m_settings(std::make_unique<QSettings>(QStringLiteral("Kestrova"), QStringLiteral("Ternary")))
{
}

CProfile::CProfile(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat))
{
}

CProfile::~CProfile() = default;

QString CProfile::GetProfileString(const QString& section, const QString& entry, const QString& defaultValue) const
{
    return m_settings->value(Key(section, entry), defaultValue).toString();
}

int CProfile::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    bool ok = false;
    const int value = m_settings->value(Key(section, entry)).toInt(&ok);
    return ok ? value : defaultValue;
}

void CProfile::WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    m_settings->setValue(Key(section, entry), value);
}

void CProfile::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    m_settings->setValue(Key(section, entry), value);
}

void CProfile::RemoveEntry(const QString& section, const QString& entry) { m_settings->remove(Key(section, entry)); }

bool CProfile::Sync()
{
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}
