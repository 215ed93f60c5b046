#pragma once

#include "grid/CGridCell.h"

#include <memory>
#include <vector>

// The cell objects of one table, column by column. A null entry is an empty
// cell. The store owns every cell; replacing or removing one deletes it.
// Indexes outside the store are ignored (GetCell answers null).
class CCellStore {
public:
    CCellStore(int rows, int cols);

    int GetRowCount() const { return m_rowCount; }
    int GetColCount() const { return m_colCount; }

    CGridCell* GetCell(int row, int col) const;
    // Deletes the cell that was at the place, then keeps the new one (may be null).
    void SetCell(int row, int col, std::unique_ptr<CGridCell> cell);

    void AddRow();
    void RemoveRow(int row);
    void AddColumn();
    void RemoveColumn(int col);
    // Adds or removes rows (columns) at the end until there are n.
    void SetRowCount(int n);
    void SetColCount(int n);

private:
    using Column = std::vector<std::unique_ptr<CGridCell>>;

    int m_rowCount = 0;
    int m_colCount = 0;
    std::vector<Column> m_columns;
};
