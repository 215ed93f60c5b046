#pragma once

#include <QString>

#include <memory>

class QSettings;

// The program's per-user settings store: the profile under organisation
// "Kestrova", application "Ternary" (QSettings' native place on this
// system). Values live in sections, each entry a string or an integer.
// Tests and tools give a file of their own instead.
class CProfile {
public:
    // The user's profile for Kestrova / Ternary.
    CProfile();
    // A profile kept in the given INI file (created when written).
    explicit CProfile(const QString& iniPath);
    ~CProfile();
    CProfile(const CProfile&) = delete;
    CProfile& operator=(const CProfile&) = delete;

    QString GetProfileString(const QString& section, const QString& entry, const QString& defaultValue = {}) const;
    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    void WriteProfileString(const QString& section, const QString& entry, const QString& value);
    void WriteProfileInt(const QString& section, const QString& entry, int value);
    // Removes the entry; an absent entry reads as its default afterwards.
    void RemoveEntry(const QString& section, const QString& entry);
    // Writes pending changes to storage; false when that failed.
    bool Sync();

private:
    std::unique_ptr<QSettings> m_settings;
};
