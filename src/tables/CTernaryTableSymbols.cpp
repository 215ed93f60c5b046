// The sample table's Symbol column: a row's colour and symbol, and the
// colour and symbol palette (opened from the column, its picks applied to
// the selected rows).
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "tables/CSymbolCell.h"
#include "tables/ISymbolPalette.h"

void CTernaryTable::SetRowColor(int row, int colorId, bool redraw)
{
    const auto* old = dynamic_cast<const CSymbolCell*>(GetCell(row, kSymbolCol));
    int symbolId = old ? old->GetSymbolId() : -1;
    if (symbolId == -1 && colorId >= 0)
        symbolId = 0;
    SetCell(row, kSymbolCol, std::make_unique<CSymbolCell>(colorId, symbolId), redraw);
}

void CTernaryTable::SetRowSymbol(int row, int symbolId, bool redraw)
{
    const auto* old = dynamic_cast<const CSymbolCell*>(GetCell(row, kSymbolCol));
    int colorId = old ? old->GetColorId() : -1;
    if (colorId == -1 && symbolId >= 0)
        colorId = 0;
    SetCell(row, kSymbolCol, std::make_unique<CSymbolCell>(colorId, symbolId), redraw);
}

int CTernaryTable::GetRowColor(int row) const
{
    const auto* cell = dynamic_cast<const CSymbolCell*>(GetCell(row, kSymbolCol));
    return cell ? cell->GetColorId() : -1;
}

int CTernaryTable::GetRowSymbol(int row) const
{
    const auto* cell = dynamic_cast<const CSymbolCell*>(GetCell(row, kSymbolCol));
    return cell ? cell->GetSymbolId() : -1;
}

bool CTernaryTable::RowHasSymbol(int row) const
{
    const auto* cell = dynamic_cast<const CSymbolCell*>(GetCell(row, kSymbolCol));
    return cell && cell->HasSymbol();
}

void CTernaryTable::OnTableSetColor(int colorId) { ApplyToSelectedRows(true, colorId); }

void CTernaryTable::OnTableSetSymbol(int symbolId) { ApplyToSelectedRows(false, symbolId); }

void CTernaryTable::ApplyToSelectedRows(bool color, int id)
{
    const CellRange sel = DataSelection();
    if (!sel.IsValid())
        return;
    DocumentChange change(GetDocument(), color ? "Pick Color" : "Pick Symbol");
    for (int row = sel.top; row <= sel.bottom; ++row) {
        if (color)
            SetRowColor(row, id, true);
        else
            SetRowSymbol(row, id, true);
        SyncRowToDocument(row, kSymbolCol);
    }
    InvalidateRange(CellRange(sel.top, kSymbolCol, sel.bottom, kSymbolCol));
    if (CTernaryDoc* doc = GetDocument())
        doc->UpdateAllViews(this, 0);
}

void CTernaryTable::ShowSampleRow(int row)
{
    CommitCellEdit();
    SelectRow(row);
    ScrollRowIntoView(row);
}

bool CTernaryTable::IsOnSymbolCell(CPoint point) const
{
    const CellCoord hit = HitTest(point);
    return hit.IsValid() && hit.col == kSymbolCol && hit.row >= m_fixedRows;
}

void CTernaryTable::OnLButtonDblClk(CPoint point)
{
    if (IsOnSymbolCell(point))
        ShowPalette(ISymbolPalette::ColorPage);
    else
        CTableView::OnLButtonDblClk(point);
}

void CTernaryTable::OnRButtonDown(Qt::KeyboardModifiers, CPoint point)
{
    if (!IsOnSymbolCell(point))
        return;
    // The palette's pick goes to the selected rows: the row clicked is one
    // of them, or becomes the selection.
    const int row = HitTest(point).row;
    const CellRange sel = GetSelection();
    if (!sel.IsValid() || row < sel.top || row > sel.bottom) {
        CommitCellEdit();
        SelectRow(row);
    }
    ShowPalette(ISymbolPalette::SymbolPage);
}

void CTernaryTable::ShowPalette(int page)
{
    if (m_palette)
        m_palette->Show(page);
}
