#include "framework/core/CArchive.h"

#include "framework/core/FileAccess.h"

#include <algorithm>

CArchive::CArchive(QIODevice* device, Mode mode)
    : m_device(device)
    , m_mode(mode)
{
    if (m_mode != load)
        return;
    // Read straight into the text, in pieces, and never past the size limit:
    // a device that does not end must not take all memory.
    constexpr qint64 kChunk = 1 << 20;
    for (;;) {
        const std::size_t have = m_data.size();
        qint64 want = kChunk;
        if (!m_device->isSequential())
            want = std::max<qint64>(1, m_device->size() - m_device->pos());
        want = std::min(want, kMaxReadBytes + 1 - static_cast<qint64>(have));
        m_data.resize(have + static_cast<std::size_t>(want));
        const qint64 got = m_device->read(m_data.data() + have, want);
        m_data.resize(have + static_cast<std::size_t>(std::max<qint64>(got, 0)));
        if (got < 0)
            m_error = true;
        if (got <= 0)
            break;
        if (static_cast<qint64>(m_data.size()) > kMaxReadBytes) {
            m_tooLarge = true;
            m_data.clear();
            break;
        }
    }
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

std::string CArchive::TakeLines()
{
    std::string text = std::move(m_data);
    m_data.clear();
    text.erase(0, std::min(m_pos, text.size()));
    m_pos = 0;
    // Drop each CR that ends a line, in place.
    std::size_t out = 0;
    for (std::size_t in = 0; in < text.size(); ++in) {
        if (text[in] == '\r' && in + 1 < text.size() && text[in + 1] == '\n')
            continue;
        text[out++] = text[in];
    }
    text.resize(out);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    return text;
}

void CArchive::WriteString(std::string_view text)
{
    if (text.empty())
        return;
    const qint64 written = m_device->write(text.data(), static_cast<qint64>(text.size()));
    if (written != static_cast<qint64>(text.size()))
        m_error = true;
}
