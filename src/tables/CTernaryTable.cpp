#include "tables/CTernaryTable.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "document/DocumentState.h"
#include "document/NumberFormat.h"
#include "document/StoredText.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/core/MessageBox.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/CStatusBar.h"
#include "grid/CTextCell.h"
#include "tables/CSymbolCell.h"
#include "tables/ClipboardFields.h"
#include "tables/ISymbolPalette.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// The pattern comparison the document's empty marker is defined by.
bool IsEmptyValue(float v) { return v == EMPTY_VALUE; }

} // namespace

CTernaryTable::CTernaryTable(QWidget* parent)
    : CTableView(parent)
{
    setObjectName(QStringLiteral("SampleTable"));
    RegisterCommands();
}

CTernaryTable::~CTernaryTable()
{
    if (CTernaryDoc* doc = GetDocument(); doc && doc->m_tableView == this)
        doc->m_tableView = nullptr;
}

CTernaryDoc* CTernaryTable::GetDocument() const { return dynamic_cast<CTernaryDoc*>(CView::GetDocument()); }

void CTernaryTable::RegisterCommands()
{
    OnCommand(ID_EDIT_COPY, [this] { OnEditCopy(); });
    OnCommand(ID_EDIT_CUT, [this] {
        DocumentChange change(GetDocument(), "Cut");
        OnEditCut();
    });
    OnCommand(ID_EDIT_PASTE, [this] { OnEditPaste(); });
    OnCommand(ID_EDIT_CLEAR, [this] { ClearSelection(); });
    OnCommand(ID_EDIT_FILL_DOWN, [this] { OnFillDown(); });
    RegisterRowCommands();
    OnCommand(ID_FILE_PRINT, [this] { OnFilePrint(); });
    OnCommand(ID_FILE_PRINT_PREVIEW, [this] { OnFilePrintPreview(); });
    OnCommand(ID_SHOW_COLOR_PALETTE, [this] { ShowPalette(ISymbolPalette::ColorPage); });
    OnCommand(ID_SHOW_SYMBOL_PALETTE, [this] { ShowPalette(ISymbolPalette::SymbolPage); });
    OnCommand(ID_TOGGLE_PALETTE, [this] {
        if (m_palette && m_palette->IsShown())
            m_palette->Destroy();
        else
            ShowPalette(ISymbolPalette::SymbolPage);
    });
    OnUpdateCommand(ID_TOGGLE_PALETTE, [this](CCmdUI& ui) { ui.SetCheck(m_palette && m_palette->IsShown()); });
}

// ---- Initial update -----------------------------------------------------------

void CTernaryTable::OnInitialUpdate()
{
    // Nothing of the document before survives: an edit still running (the
    // document manager has ended it already) is dropped, the table starts at
    // row 1.
    DiscardCellEdit();
    m_editing = false;
    m_editText.clear();
    CTableView::OnInitialUpdate();
    CTernaryDoc* doc = GetDocument();
    if (doc)
        doc->m_tableView = this;
    // The base has made the table editable and the row header column 30 wide.
    SetColCount(kColumns);
    SetRowCount(kRows); // a big document's rows go with their cells
    EmptyDataCells();
    if (doc)
        GrowToRow(doc->LastUsedSlot());
    SetRowLabels();

    SetTextCell(0, kNameCol, QStringLiteral("Sample"));
    SetTextCell(0, kSymbolCol, QStringLiteral("Symbol"));
    SetDefaultColumnWidths();
    RefreshAxisHeaders();
    SetColumnHeaderFormat(DT_CENTER);

    LoadRowsFromDocument(1, GetRowCount() - 1);
    m_selection = CellRange(m_fixedRows, m_fixedCols, m_fixedRows, m_fixedCols);
    UpdateScrollRanges();
    SetScrollPos(Qt::Vertical, 0);
    SetScrollPos(Qt::Horizontal, 0);
    viewport()->update();
}

void CTernaryTable::LoadRowsFromDocument(int first, int last)
{
    const CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    GrowToRow(std::min(last, doc->LastUsedSlot()));
    // The rows show the document's records until a cell of them changes.
    LendRows(std::max(first, 1), std::min({ last, doc->m_sampleSlots - 1, GetRowCount() - 1 }));
    InvalidateRange(CellRange(first, kNameCol, last, kSymbolCol));
}

std::unique_ptr<CGridCell> CTernaryTable::MakeLentCell(int row, int col) const
{
    const CTernaryDoc* doc = GetDocument();
    if (!doc || row <= 0 || row >= doc->m_sampleSlots)
        return nullptr;
    const SampleRecord& rec = doc->GetSample(row);
    // A slot's row is its own index; anything else is not to be trusted.
    if (rec.row != row)
        return nullptr;
    switch (col) {
    case kNameCol:
        return rec.name.empty() ? nullptr : std::make_unique<CTextCell>(DecodeText(rec.name));
    case kTopCol:
    case kLeftCol:
    case kRightCol: {
        const float value = col == kTopCol ? rec.top : col == kLeftCol ? rec.left : rec.right;
        return IsEmptyValue(value) ? nullptr : std::make_unique<CTextCell>(DecodeText(FormatNumber(value)));
    }
    case kSymbolCol:
        // As SetRowColor then SetRowSymbol would leave it, in one cell.
        if (rec.colorId != -1 && rec.symbolId != -1)
            return std::make_unique<CSymbolCell>(rec.colorId, rec.symbolId);
        return nullptr;
    default:
        return nullptr;
    }
}

void CTernaryTable::SetDefaultColumnWidths()
{
    // The widths the table was designed with, for a small font; a larger
    // grid font widens a column to its usual text plus the cell margins.
    const QFontMetrics fm(GetGridLogFont());
    const int pad = 2 * m_cellMargin + 4;
    auto width = [&](int designed, const char* usual) {
        return std::max(designed, fm.horizontalAdvance(QLatin1String(usual)) + pad);
    };
    m_rowHeaderWidth = width(30, " 2000");
    FitRowHeader();
    SetColWidth(kNameCol, width(55, "Granite A"));
    for (int col : { kTopCol, kLeftCol, kRightCol })
        SetColWidth(col, width(45, "33.3333"));
    SetColWidth(kSymbolCol, width(42, "Symbol"));
}

void CTernaryTable::OnUpdate(CView* sender, long hint, void* hintObject)
{
    if (hint == CTernaryDoc::kHintStateRestored && hintObject) {
        const auto* state = static_cast<const DocumentState*>(hintObject);
        FitRowsToDocument();
        for (int row : state->Rows())
            LoadRowsFromDocument(row, row);
        if (state->HasSettings())
            RefreshAxisHeaders();
        InvalidateAll();
    } else if (sender != this) {
        // An option such as Auto-100% may change which rows the plot draws.
        viewport()->update();
    }
    CTableView::OnUpdate(sender, hint, hintObject);
}

void CTernaryTable::FinishEdits()
{
    CommitCellEdit();
    EndEdit(true);
}

void CTernaryTable::EndEdit(bool redraw)
{
    if (m_editing && m_editText == m_savedText) {
        m_editing = false;
        if (redraw)
            InvalidateRange(m_selection);
        return;
    }
    CTableView::EndEdit(redraw);
}

void CTernaryTable::GrowToRow(int row)
{
    const int rows = std::min(row + 2, kMaxRows);
    if (rows <= GetRowCount())
        return;
    SetRowCount(rows);
    FitRowHeader();
}

void CTernaryTable::FitRowHeader()
{
    // The standard width holds four digits; longer numbers get their own
    // width and the cell margins.
    const int last = GetRowCount() - 1;
    const int width = last < 10000
        ? m_rowHeaderWidth
        : std::max(
            m_rowHeaderWidth, QFontMetrics(GetGridLogFont()).horizontalAdvance(RowLabel(last)) + 2 * m_cellMargin + 4);
    if (GetColWidth(0) != width) {
        SetColWidth(0, width);
        UpdateScrollRanges();
        viewport()->update();
    }
}

void CTernaryTable::RefreshAxisHeaders()
{
    const CTernaryDoc* doc = GetDocument();
    if (!doc || GetColCount() <= kRightCol)
        return;
    SetTextCell(0, kTopCol, DecodeText(doc->m_topAxis.title));
    SetTextCell(0, kLeftCol, DecodeText(doc->m_leftAxis.title));
    SetTextCell(0, kRightCol, DecodeText(doc->m_rightAxis.title));
    // New header cells start right-aligned; the table's headers are centred.
    SetColumnHeaderFormat(DT_CENTER);
    InvalidateRange(CellRange(0, kTopCol, 0, kRightCol));
}

// ---- Cell texts -----------------------------------------------------------------

void CTernaryTable::SetCellText(int row, int col, const QString& text)
{
    // Headers are the table's own; typing and pasting reach data cells only.
    if (row < m_fixedRows || col < m_fixedCols || row >= GetRowCount() || col >= GetColCount())
        return;
    DocumentChange change(GetDocument(), "Typing");
    if (col == kSymbolCol) {
        const int n = ParseInt(EncodeText(text));
        SetRowSymbol(row, n & 15, true);
        SetRowColor(row, n >> 4, true);
    } else if (std::string bytes = EncodeText(text); col == kNameCol && HoldToStoredLength(bytes)) {
        // A name the plot file could not carry back whole is cut here.
        CTableView::SetCellText(row, col, DecodeText(bytes));
        if (m_pasteCuts)
            ++*m_pasteCuts;
        else
            MessageBox(CutTextsNote(1), MsgIcon::Information);
    } else {
        CTableView::SetCellText(row, col, text);
    }
    SyncRowToDocument(row, col);
}

QString CTernaryTable::GetCellText(int row, int col)
{
    if (col != kSymbolCol || row < m_fixedRows)
        return CTableView::GetCellText(row, col);
    const auto* cell = dynamic_cast<const CSymbolCell*>(GetCell(row, col));
    if (!cell || !cell->HasSymbol())
        return QString();
    return DecodeText(FormatNumber(static_cast<float>(cell->GetColorId() * 16 + cell->GetSymbolId())));
}

// ---- The row and the document -------------------------------------------------------

void CTernaryTable::SyncRowToDocument(int row, int col)
{
    CTernaryDoc* doc = GetDocument();
    if (row <= 0 || !doc || !doc->EnsureSampleSlot(row))
        return;
    // Marks the document modified when the row changed.
    DocumentChange change(doc, "Typing");

    // Names keep their commas (the plot file's rows are separated by
    // semicolons); a value's comma is read as its decimal mark or thousands
    // separator, while the cell keeps what was typed.
    const std::string text = EncodeText(GetCellText(row, col));

    SampleRecord& rec = doc->GetSample(row);
    switch (col) {
    case kNameCol:
        rec.name = text;
        doc->m_legend.SetTextIfDefault(rec.symbolId, rec.colorId, rec.name, false);
        break;
    case kSymbolCol: {
        const int oldColor = rec.colorId;
        const int oldSymbol = rec.symbolId;
        if (!text.empty()) {
            rec.colorId = GetRowColor(row);
            rec.symbolId = GetRowSymbol(row);
        } else {
            rec.colorId = rec.symbolId = -1;
        }
        doc->m_legend.UpdateForSample(rec.symbolId, rec.colorId, oldSymbol, oldColor, rec.name);
        break;
    }
    case kTopCol:
    case kLeftCol:
    case kRightCol: {
        float& value = col == kTopCol ? rec.top : col == kLeftCol ? rec.left : rec.right;
        value = text.empty() ? EMPTY_VALUE : ParseTypedNumber(text);
        break;
    }
    default:
        break;
    }

    const bool hasT = !IsEmptyValue(rec.top);
    const bool hasL = !IsEmptyValue(rec.left);
    const bool hasR = !IsEmptyValue(rec.right);
    if (doc->m_autoAdd) {
        int filledCol = -1;
        float filled = 0;
        if (!hasT && hasL && hasR && (col == kLeftCol || col == kRightCol)) {
            filled = rec.top = static_cast<float>(100.0 - static_cast<double>(rec.right) - rec.left);
            filledCol = kTopCol;
        } else if (!hasL && hasT && hasR && (col == kTopCol || col == kRightCol)) {
            filled = rec.left = static_cast<float>(100.0 - static_cast<double>(rec.right) - rec.top);
            filledCol = kLeftCol;
        } else if (!hasR && hasT && hasL && (col == kTopCol || col == kLeftCol)) {
            filled = rec.right = static_cast<float>(100.0 - static_cast<double>(rec.top) - rec.left);
            filledCol = kRightCol;
        }
        if (filledCol != -1)
            SetTextCell(row, filledCol, DecodeText(FormatNumber(filled)), true);
    }

    const bool complete = !IsEmptyValue(rec.top) && !IsEmptyValue(rec.left) && !IsEmptyValue(rec.right);
    if (complete && !RowHasSymbol(row) && col >= kTopCol && col <= kRightCol && !m_lineHasSymbol) {
        SetRowColor(row, 0, true);
        doc->m_legend.UpdateForSample(0, 0, -1, -1, rec.name);
        rec.colorId = rec.symbolId = 0;
    }

    const bool anyValue = !IsEmptyValue(rec.top) || !IsEmptyValue(rec.left) || !IsEmptyValue(rec.right);
    rec.row = (anyValue || !rec.name.empty() || RowHasSymbol(row)) ? row : -1;
    if (rec.InUse())
        GrowToRow(row);
    // The row's value cells show whether the plot draws it.
    InvalidateRange(CellRange(row, kTopCol, row, kRightCol));

    doc->UpdateAllViews(this, 0);
}
