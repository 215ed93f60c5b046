#pragma once

#include "grid/CTextCell.h"
#include "support/TestSupport.h"
#include "tables/CTableView.h"

#include <QTest>

// A table of 10 rows and 5 columns after its initial update, rows 20 high,
// the header column 30 wide (its own choice) and data columns 88 wide,
// shown offscreen without a frame. The clipboard can be made to fail.
class TestTable : public CTableView {
public:
    explicit TestTable(int rows = 10, int cols = 5)
    {
        setFrameShape(QFrame::NoFrame);
        SetColCount(cols);
        SetRowCount(rows);
        OnInitialUpdate();
        for (int r = 0; r < rows; ++r)
            SetRowHeight(r, 20);
        for (int c = 1; c < cols; ++c)
            SetColWidth(c, 88);
        resize(500, 300);
        show();
        (void)QTest::qWaitForWindowExposed(this);
    }

    bool WriteClipboard(const QString& text, const QString& html) override
    {
        return clipboardFails ? false : CTableView::WriteClipboard(text, html);
    }

    void Select(int top, int left, int bottom, int right) { GetSelection() = CellRange(top, left, bottom, right); }
    void Select(int row, int col) { Select(row, col, row, col); }
    // The cell's text, or "<none>" for an empty cell.
    QString Text(int row, int col) const
    {
        auto* cell = dynamic_cast<CTextCell*>(GetCell(row, col));
        return cell ? cell->GetText() : QStringLiteral("<none>");
    }
    // Centre of a cell in viewport coordinates.
    QPoint Centre(int row, int col) const
    {
        const CRect r = GetCellRect(row, col);
        return QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    bool clipboardFails = false;
};
