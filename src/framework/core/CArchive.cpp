#include "framework/core/CArchive.h"

CArchive::CArchive(QIODevice* device, Mode mode)
    : m_device(device)
    , m_mode(mode)
{
    if (m_mode != load)
        return;
    const QByteArray bytes = m_device->readAll();
    m_data.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool CArchive::ReadString(std::string& line)
{
    if (m_pos >= m_data.size())
        return false;
    std::size_t end = m_data.find('\n', m_pos);
    std::size_t next = end + 1;
    if (end == std::string::npos)
        end = next = m_data.size();
    std::size_t len = end - m_pos;
    if (end < m_data.size() && len > 0 && m_data[end - 1] == '\r')
        --len;
    line.assign(m_data, m_pos, len);
    m_pos = next;
    return true;
}

void CArchive::WriteString(std::string_view text)
{
    if (text.empty())
        return;
    const qint64 written = m_device->write(text.data(), static_cast<qint64>(text.size()));
    if (written != static_cast<qint64>(text.size()))
        m_error = true;
}
