#include "framework/core/CRecentFileList.h"

#include "framework/core/CProfile.h"
#include "framework/core/FileName.h"

#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("Recent File List");
QString EntryName(int index) { return QStringLiteral("File%1").arg(index + 1); }
} // namespace

CRecentFileList::CRecentFileList(CProfile& profile, int size)
    : m_profile(profile)
    , m_size(size)
{
    ReadList();
}

QString CRecentFileList::GetAt(int index) const { return index >= 0 && index < Count() ? m_files[index] : QString(); }

QString CRecentFileList::GetDisplayName(int index) const
{
    if (index < 0 || index >= Count())
        return {};
    return QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(m_files[index]).fileName());
}

void CRecentFileList::Add(const QString& path)
{
    const QString absolute = AbsoluteFileName(path);
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_size)
        m_files.removeLast();
    WriteList();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_files.removeAt(index);
    WriteList();
}

void CRecentFileList::ReadList()
{
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString path = m_profile.GetProfileString(kSection, EntryName(i));
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
}

void CRecentFileList::WriteList()
{
    for (int i = 0; i < m_size; ++i) {
        if (i < Count())
            m_profile.WriteProfileString(kSection, EntryName(i), m_files[i]);
        else
            m_profile.RemoveEntry(kSection, EntryName(i));
    }
    m_profile.Sync();
}
