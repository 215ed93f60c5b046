#include "document/CTextTable.h"

int CTextTable::FindColumn(std::string_view column) const
{
    for (std::size_t i = 0; i < columnNames.size(); ++i)
        if (columnNames[i] == column)
            return static_cast<int>(i);
    return -1;
}

void CTextTable::BeginRow()
{
    m_rowStart.push_back(static_cast<std::uint32_t>(m_values.size()));
    m_rowSize.push_back(static_cast<std::uint32_t>(columnNames.size()));
}

void CTextTable::AddValue(std::size_t offset, std::size_t length)
{
    m_values.push_back({ static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(length) });
}
