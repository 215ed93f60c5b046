// The sample table's block operations: clearing, pasting and filling down a
// selection, each cell through SetCellText so that every row reaches the
// document, and each operation one undo step.
#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "document/NumberFormat.h"
#include "document/SampleGroups.h"
#include "document/StoredText.h"
#include "framework/core/MessageBox.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/CStatusBar.h"
#include "tables/ClipboardFields.h"

#include <algorithm>
#include <optional>

CellRange CTernaryTable::DataSelection() const
{
    const CellRange sel = GetSelection();
    if (!sel.IsValid())
        return CellRange();
    // Header cells are never part of a block operation.
    return sel.Intersect(CellRange(m_fixedRows, m_fixedCols, GetRowCount() - 1, GetColCount() - 1));
}

void CTernaryTable::ClearSelection()
{
    const CellRange sel = DataSelection();
    if (!sel.IsValid())
        return;
    CTernaryDoc* doc = GetDocument();
    DocumentChange change(doc, "Clear");
    const int savedAutoAdd = doc ? doc->m_autoAdd : 0;
    if (doc)
        doc->m_autoAdd = 0;
    for (int row = sel.top; row <= sel.bottom; ++row) {
        for (int col = sel.left; col <= sel.right; ++col) {
            SetCell(row, col, nullptr, false);
            SyncRowToDocument(row, col);
        }
    }
    if (doc)
        doc->m_autoAdd = savedAutoAdd;
    InvalidateRange(sel);
    if (doc)
        doc->UpdateAllViews(this, 0);
}

bool CTernaryTable::IsHeaderLine(const QStringList& fields, int left) const
{
    // The fields that land in the value columns: at least two, none a
    // number, and some text among them.
    int valueFields = 0;
    bool text = false;
    for (int i = 0; i < fields.size(); ++i) {
        const int col = left + i;
        if (col < kTopCol || col > kRightCol)
            continue;
        ++valueFields;
        const std::string field = EncodeText(fields[i]);
        float value = 0;
        if (ScanFloat(NormalizeDecimal(field), value))
            return false;
        text = text || !fields[i].trimmed().isEmpty();
    }
    return valueFields >= 2 && text;
}

void CTernaryTable::OnEditPaste()
{
    QString text;
    if (!ReadClipboardText(text))
        return;
    const CellRange sel = DataSelection();
    if (!sel.IsValid())
        return;
    EndEdit(false);
    DocumentChange change(GetDocument(), "Paste");

    std::vector<QStringList> lines;
    ForEachClipboardField(text, [&](int blockRow, int, const QString& field) {
        if (blockRow >= static_cast<int>(lines.size()))
            lines.emplace_back();
        lines.back() << field;
        return true;
    });
    // A spreadsheet's header line above the data is not a sample.
    std::size_t firstLine = 0;
    if (lines.size() > 1 && IsHeaderLine(lines.front(), sel.left)) {
        firstLine = 1;
        CStatusBar::SetWindowStatusText(this,
            QStringLiteral("The first line, \"%1\", was taken for a header and not pasted.")
                .arg(lines.front().join(QLatin1Char(' ')).simplified()));
    }

    // A header's Group column gives each line its group's look.
    const int groupField = firstLine ? GroupField(lines.front(), sel.left) : -1;
    CTernaryDoc* doc = GetDocument();
    std::optional<GroupLooks> looks;
    if (groupField >= 0 && doc)
        looks.emplace(doc->m_legend);

    // Fields right of the table are dropped and the line goes on; the paste
    // ends below the last row.
    int cuts = 0;
    m_pasteCuts = &cuts;
    int lastRow = sel.top;
    int maxCol = sel.left;
    for (std::size_t i = firstLine; i < lines.size(); ++i) {
        const int row = sel.top + static_cast<int>(i - firstLine);
        // Lines past the end add rows, up to the table's limit.
        if (row >= kMaxRows)
            break;
        GrowToRow(row - 1);
        QStringList& fields = lines[i];
        const QString group = looks && groupField < fields.size() ? fields[groupField].trimmed() : QString();
        if (looks && groupField < fields.size())
            fields[groupField].clear(); // not a column of the table
        const int symbolField = kSymbolCol - sel.left;
        const bool ownSymbol = symbolField >= 0 && symbolField < fields.size() && !fields[symbolField].isEmpty();
        m_lineHasSymbol = ownSymbol || !group.isEmpty();
        for (int f = 0; f < fields.size(); ++f) {
            const int col = sel.left + f;
            if (col >= GetColCount())
                continue;
            if (!fields[f].isEmpty())
                SetCellText(row, col, fields[f]);
            maxCol = std::max(maxCol, col);
        }
        if (!group.isEmpty() && !ownSymbol)
            ApplyGroupLook(row, group, *looks);
        m_lineHasSymbol = false;
        lastRow = row;
    }
    m_pasteCuts = nullptr;
    InvalidateRange(CellRange(sel.top, sel.left, lastRow, maxCol));
    if (cuts > 0)
        MessageBox(CutTextsNote(cuts), MsgIcon::Information);
}

void CTernaryTable::OnFillDown()
{
    const CellRange sel = DataSelection();
    if (!sel.IsValid())
        return;
    DocumentChange change(GetDocument(), "Fill Down");
    for (int col = sel.left; col <= sel.right; ++col) {
        const QString text = GetCellText(sel.top, col);
        for (int row = sel.top + 1; row <= sel.bottom; ++row)
            SetCellText(row, col, text);
    }
    InvalidateRange(sel);
    if (CTernaryDoc* doc = GetDocument())
        doc->UpdateAllViews(this, 0);
}
