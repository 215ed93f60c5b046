#include "document/CTextTable.h"

int CTextTable::FindColumn(const std::string& column) const
{
    for (std::size_t i = 0; i < columnNames.size(); ++i)
        if (columnNames[i] == column)
            return static_cast<int>(i);
    return -1;
}
