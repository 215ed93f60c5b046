// The rows of the sample table the plot leaves out: their value cells
// tinted, and the reason in the status bar when such a row is selected.
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "framework/gui/CStatusBar.h"
#include "tables/RowNotDrawn.h"

#include <QPainter>

void CTernaryTable::DrawCell(int row, int col, QPainter& dc, int x, int y)
{
    const bool valueCell = col == kTopCol || col == kLeftCol || col == kRightCol;
    const CellRange& s = GetSelection();
    const bool selected = row >= s.top && row <= s.bottom && col >= s.left && col <= s.right;
    if (valueCell && !selected && row >= GetFixedRowCount() && GetDocument()
        && !RowNotDrawnReason(*GetDocument(), row).isEmpty()) {
        // The cell inside its grid lines.
        dc.fillRect(x - m_cellMargin, y - m_cellMargin, GetColWidth(col) - 1, GetRowHeight(row) - 1, kRowNotDrawnTint);
    }
    CTableView::DrawCell(row, col, dc, x, y);
}

void CTernaryTable::OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point)
{
    CTableView::OnLButtonDown(modifiers, point);
    ReportRowNotDrawn();
}

void CTernaryTable::OnKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    CTableView::OnKeyDown(key, modifiers);
    ReportRowNotDrawn();
}

void CTernaryTable::ReportRowNotDrawn()
{
    const CTernaryDoc* doc = GetDocument();
    const CellRange& s = GetSelection();
    const QString reason = doc && s.IsValid() && s.top == s.bottom ? RowNotDrawnReason(*doc, s.top) : QString();
    if (!reason.isEmpty())
        CStatusBar::SetWindowStatusText(this, reason);
    else if (m_rowMessageShown)
        CStatusBar::SetWindowStatusText(this, QStringLiteral("Ready"));
    m_rowMessageShown = !reason.isEmpty();
}
