#pragma once

#include "grid/CGridCell.h"

#include <memory>
#include <vector>

// The cell objects of one table, column by column. A null entry is an empty
// cell. The store owns every cell; replacing or removing one deletes it.
// Indexes outside the store are ignored (GetCell answers null). A column
// holds entries only as far down as its last cell set, so a long table of
// empty or lent rows costs a bit a row.
//
// A lent row holds no cells: the table shows it from a source of its own
// (the sample table from the document) until one of its cells is set, which
// ends the loan. The table takes the row's cells from the source first.
class CCellStore {
public:
    CCellStore(int rows, int cols);

    int GetRowCount() const { return m_rowCount; }
    int GetColCount() const { return m_colCount; }

    CGridCell* GetCell(int row, int col) const;
    // Deletes the cell that was at the place, then keeps the new one (may be
    // null). Ends the row's loan.
    void SetCell(int row, int col, std::unique_ptr<CGridCell> cell);

    // Deletes the row's cells and lends it.
    void LendRow(int row);
    bool IsRowLent(int row) const { return row >= 0 && row < m_rowCount && m_lent[static_cast<std::size_t>(row)]; }

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
    std::vector<bool> m_lent; // one a row
};
