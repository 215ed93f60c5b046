#pragma once

#include <QString>
#include <QStringList>

class CProfile;

// The most recently opened or saved files, newest first, at most Size()
// entries, kept in the profile's "Recent File List" section as File1, File2,
// ... Paths are stored absolute and compared exactly.
class CRecentFileList {
public:
    static constexpr int kDefaultSize = 4;

    // Reads the list from the profile, which must outlive this object.
    explicit CRecentFileList(CProfile& profile, int size = kDefaultSize);

    int Size() const { return m_size; }
    int Count() const { return static_cast<int>(m_files.size()); }
    // The path at index (0 = newest); empty outside 0 .. Count() - 1.
    QString GetAt(int index) const;
    // The text a menu shows for the entry: "&1 name.tpf" (file name only).
    QString GetDisplayName(int index) const;
    const QStringList& Files() const { return m_files; }

    // Puts the path first (moving it when present, dropping the oldest entry
    // when the list is full) and writes the list to the profile.
    void Add(const QString& path);
    // Removes the entry (a file that could not be opened) and writes the list.
    void Remove(int index);

    void ReadList();
    void WriteList();

private:
    CProfile& m_profile;
    int m_size;
    QStringList m_files;
};
