#include "grid/CCellStore.h"

CCellStore::CCellStore(int rows, int cols)
{
    SetRowCount(rows);
    SetColCount(cols);
}

CGridCell* CCellStore::GetCell(int row, int col) const
{
    if (row < 0 || row >= m_rowCount || col < 0 || col >= m_colCount)
        return nullptr;
    const Column& column = m_columns[static_cast<std::size_t>(col)];
    return static_cast<std::size_t>(row) < column.size() ? column[static_cast<std::size_t>(row)].get() : nullptr;
}

void CCellStore::SetCell(int row, int col, std::unique_ptr<CGridCell> cell)
{
    if (row < 0 || row >= m_rowCount || col < 0 || col >= m_colCount)
        return;
    m_lent[static_cast<std::size_t>(row)] = false;
    Column& column = m_columns[static_cast<std::size_t>(col)];
    const auto index = static_cast<std::size_t>(row);
    if (index >= column.size()) {
        if (!cell)
            return;
        column.resize(index + 1);
    }
    column[index] = std::move(cell);
}

void CCellStore::LendRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    for (Column& column : m_columns)
        if (static_cast<std::size_t>(row) < column.size())
            column[static_cast<std::size_t>(row)].reset();
    m_lent[static_cast<std::size_t>(row)] = true;
}

void CCellStore::AddRow()
{
    m_lent.push_back(false);
    ++m_rowCount;
}

void CCellStore::RemoveRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    for (Column& column : m_columns)
        if (static_cast<std::size_t>(row) < column.size())
            column.erase(column.begin() + row);
    m_lent.erase(m_lent.begin() + row);
    --m_rowCount;
}

void CCellStore::AddColumn()
{
    m_columns.emplace_back();
    ++m_colCount;
}

void CCellStore::RemoveColumn(int col)
{
    if (col < 0 || col >= m_colCount)
        return;
    m_columns.erase(m_columns.begin() + col);
    --m_colCount;
}

void CCellStore::SetRowCount(int n)
{
    if (n < 0)
        n = 0;
    // Whole columns at once: the same as AddRow/RemoveRow at the end, without
    // walking every column once per row.
    if (n == m_rowCount)
        return;
    const auto rows = static_cast<std::size_t>(n);
    for (Column& column : m_columns) {
        if (column.size() > rows) {
            column.resize(rows);
            column.shrink_to_fit();
        }
    }
    m_lent.resize(rows);
    if (n < m_rowCount)
        m_lent.shrink_to_fit();
    m_rowCount = n;
}

void CCellStore::SetColCount(int n)
{
    if (n < 0)
        n = 0;
    while (m_colCount < n)
        AddColumn();
    while (m_colCount > n)
        RemoveColumn(m_colCount - 1);
}
