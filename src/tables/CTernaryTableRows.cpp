// The sample table's whole-row operations: inserting, deleting and sorting
// rows (each one undo step, the document's records moving with their rows),
// selecting every cell in use and finding a sample by its name.
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CommandIds.h"
#include "framework/core/MessageBox.h"

#include <QLocale>

#include <algorithm>

void CTernaryTable::RegisterRowCommands()
{
    OnCommand(ID_EDIT_INSERT_ROWS, [this] { OnInsertRows(); });
    OnCommand(ID_EDIT_DELETE_ROWS, [this] { OnDeleteRows(); });
    OnCommand(ID_EDIT_SELECT_ALL, [this] { OnSelectAll(); });
}

void CTernaryTable::FitRowsToDocument()
{
    const CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    const int rows = std::clamp(doc->LastUsedSlot() + 2, kRows, kMaxRows);
    if (rows == GetRowCount())
        return;
    SetRowCount(rows);
    FitRowHeader();
}

void CTernaryTable::ReloadRows(int first, int last)
{
    FitRowsToDocument();
    LoadRowsFromDocument(first, std::min(last, GetRowCount() - 1));
    InvalidateAll();
    if (CTernaryDoc* doc = GetDocument())
        doc->UpdateAllViews(this, 0);
}

void CTernaryTable::OnInsertRows()
{
    CTernaryDoc* doc = GetDocument();
    const CellRange sel = DataSelection();
    if (!doc || !sel.IsValid())
        return;
    FinishEdits();
    DocumentChange change(doc, "Insert Rows");
    const int count = sel.bottom - sel.top + 1;
    const int last = doc->LastUsedSlot();
    if (!InsertSampleRows(*doc, sel.top, count)) {
        MessageBox(QStringLiteral("Unable to insert %1 %2: the samples below would move past row %3, the last "
                                  "row of the table.")
                       .arg(count)
                       .arg(count == 1 ? QStringLiteral("row") : QStringLiteral("rows"))
                       .arg(QLocale(QLocale::English).toString(kMaxRows - 1)),
            MsgIcon::Exclamation);
        return;
    }
    ReloadRows(sel.top, last + count);
}

void CTernaryTable::OnDeleteRows()
{
    CTernaryDoc* doc = GetDocument();
    const CellRange sel = DataSelection();
    if (!doc || !sel.IsValid())
        return;
    FinishEdits();
    DocumentChange change(doc, "Delete Rows");
    const int last = doc->LastUsedSlot();
    DeleteSampleRows(*doc, sel.top, sel.bottom - sel.top + 1);
    ReloadRows(sel.top, last);
}

std::pair<int, int> CTernaryTable::SelectedRowSpan() const
{
    const CellRange sel = DataSelection();
    if (!sel.IsValid() || sel.top == sel.bottom)
        return { 1, 0 };
    return { sel.top, sel.bottom };
}

void CTernaryTable::SortRows(int first, int last, const std::vector<SortKey>& keys)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    FinishEdits();
    if (first > last) {
        first = 1;
        last = doc->LastUsedSlot();
    }
    DocumentChange change(doc, "Sort");
    SortSampleRows(*doc, first, last, keys);
    ReloadRows(first, last);
}

void CTernaryTable::OnSelectAll()
{
    const CTernaryDoc* doc = GetDocument();
    CommitCellEdit();
    EndEdit(true);
    const int last = std::max(doc ? doc->LastUsedSlot() : 0, m_fixedRows);
    InvalidateRange(m_selection);
    m_selection = CellRange(m_fixedRows, m_fixedCols, std::min(last, GetRowCount() - 1), GetColCount() - 1);
    InvalidateRange(m_selection);
}

bool CTernaryTable::FindSample(const QString& text)
{
    if (text.isEmpty())
        return false;
    m_findText = text;
    const CTernaryDoc* doc = GetDocument();
    const int last = doc ? doc->LastUsedSlot() : 0;
    const CellRange sel = DataSelection();
    const int current = sel.IsValid() ? sel.top : 0;
    // From the row after the current one to the last sample, then from the
    // top; the current row comes last.
    for (int i = 1; i <= last; ++i) {
        const int row = (current + i - 1) % last + 1;
        if (GetCellText(row, kNameCol).contains(text, Qt::CaseInsensitive)) {
            ShowSampleRow(row);
            return true;
        }
    }
    MessageBox(QStringLiteral("No sample name holds \"%1\".").arg(text), MsgIcon::Information);
    return false;
}
