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
    return m_columns[col][row].get();
}

void CCellStore::SetCell(int row, int col, std::unique_ptr<CGridCell> cell)
{
    if (row < 0 || row >= m_rowCount || col < 0 || col >= m_colCount)
        return;
    m_columns[col][row] = std::move(cell);
}

void CCellStore::AddRow()
{
    for (Column& column : m_columns)
        column.emplace_back();
    ++m_rowCount;
}

void CCellStore::RemoveRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    for (Column& column : m_columns)
        column.erase(column.begin() + row);
    --m_rowCount;
}

void CCellStore::AddColumn()
{
    m_columns.emplace_back(static_cast<std::size_t>(m_rowCount));
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
    for (Column& column : m_columns)
        column.resize(static_cast<std::size_t>(n));
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
