#include "tables/CTableView.h"

#include "grid/CTextCell.h"
#include "tables/CCellEdit.h"

#include <QPainter>

#include <algorithm>

namespace {

// The most cells of lent rows kept made: a screenful many times over.
constexpr std::size_t kMaxLentCells = 4096;

} // namespace

CTableView::CTableView(QWidget* parent)
    : CGridView(2, 2, 1, 1, parent)
    , m_cells(2, 2)
{
}

CTableView::~CTableView() = default;

void CTableView::OnInitialUpdate()
{
    CGridView::OnInitialUpdate();
    SetEditEnabled(true);
    SetFixedColWidth(30);
    SetRowLabels();
    SetColumnLabels();
    SetColumnHeaderFormat(DT_CENTER);
}

// ---- Cell operations ---------------------------------------------------------

CGridCell* CTableView::GetCell(int row, int col) const
{
    if (CGridCell* cell = m_cells.GetCell(row, col))
        return cell;
    if (!m_cells.IsRowLent(row) || col < 0 || col >= m_colCount)
        return nullptr;
    const std::int64_t key = std::int64_t(row) * m_colCount + col;
    if (const auto made = m_lentCells.find(key); made != m_lentCells.end())
        return made->second.get();
    std::unique_ptr<CGridCell> cell = MakeLentCell(row, col);
    if (!cell)
        return nullptr;
    if (m_lentCells.size() >= kMaxLentCells)
        m_lentCells.clear();
    return m_lentCells.emplace(key, std::move(cell)).first->second.get();
}

std::unique_ptr<CGridCell> CTableView::MakeLentCell(int, int) const { return nullptr; }

void CTableView::ForgetLentCells() const
{
    if (!m_lentCells.empty())
        m_lentCells.clear();
}

void CTableView::LendRows(int first, int last)
{
    ForgetLentCells();
    for (int row = std::max(first, m_fixedRows); row <= last && row < m_rowCount; ++row)
        m_cells.LendRow(row);
}

void CTableView::StoreCell(int row, int col, std::unique_ptr<CGridCell> cell)
{
    if (m_cells.IsRowLent(row)) {
        std::vector<std::unique_ptr<CGridCell>> kept;
        for (int c = 0; c < m_colCount; ++c)
            kept.push_back(MakeLentCell(row, c));
        ForgetLentCells();
        for (int c = 0; c < m_colCount; ++c)
            m_cells.SetCell(row, c, std::move(kept[static_cast<std::size_t>(c)]));
    }
    m_cells.SetCell(row, col, std::move(cell));
}

CGridCell* CTableView::CellOrLabel(int row, int col, std::unique_ptr<CGridCell>& label) const
{
    if (CGridCell* cell = GetCell(row, col))
        return cell;
    if (!IsRowLabel(row, col))
        return nullptr;
    label = std::make_unique<CTextCell>(RowLabel(row));
    return label.get();
}

void CTableView::DrawCell(int row, int col, QPainter& dc, int x, int y)
{
    std::unique_ptr<CGridCell> label;
    CGridCell* cell = CellOrLabel(row, col, label);
    if (!cell)
        return;
    if (m_drawInRect)
        cell->DrawInRect(dc, x, y, GetColWidth(col) - 2 * m_cellMargin, GetRowHeight(row) - 2 * m_cellMargin);
    else
        cell->Draw(dc, x, y);
}

CSize CTableView::GetCellExtent(int row, int col, QPainter& dc)
{
    std::unique_ptr<CGridCell> label;
    CGridCell* cell = CellOrLabel(row, col, label);
    return cell ? cell->GetExtent(dc) : CSize {};
}

void CTableView::SetCellText(int row, int col, const QString& text)
{
    StoreCell(row, col, std::make_unique<CTextCell>(text));
}

QString CTableView::GetCellText(int row, int col)
{
    auto* cell = dynamic_cast<CTextCell*>(GetCell(row, col));
    if (!cell && IsRowLabel(row, col))
        return RowLabel(row);
    return cell ? cell->GetText() : QString();
}

void CTableView::ClearSelection()
{
    const CellRange sel = GetSelection();
    if (!sel.IsValid())
        return;
    for (int row = sel.top; row <= sel.bottom; ++row)
        for (int col = sel.left; col <= sel.right; ++col)
            StoreCell(row, col, nullptr);
    InvalidateRange(sel);
}

// ---- Table-level operations --------------------------------------------------

void CTableView::SetRowCount(int n)
{
    ForgetLentCells();
    m_cells.SetRowCount(n);
    CGridView::SetRowCount(n);
}

void CTableView::SetColCount(int n)
{
    ForgetLentCells();
    m_cells.SetColCount(n);
    CGridView::SetColCount(n);
}

void CTableView::SetCell(int row, int col, std::unique_ptr<CGridCell> cell, bool invalidate)
{
    StoreCell(row, col, std::move(cell));
    if (invalidate)
        InvalidateAll();
}

void CTableView::SetTextCell(int row, int col, const QString& text, bool invalidate)
{
    SetCell(row, col, std::make_unique<CTextCell>(text), invalidate);
}

void CTableView::EmptyDataCells()
{
    // Straight into the store: a lent row ends its loan empty.
    ForgetLentCells();
    for (int row = m_fixedRows; row < m_rowCount; ++row)
        for (int col = m_fixedCols; col < m_colCount; ++col)
            m_cells.SetCell(row, col, nullptr);
}

void CTableView::SetRowLabels()
{
    // Made when drawn, so a table of a million rows holds no label cells.
    m_rowLabels = true;
}

bool CTableView::IsRowLabel(int row, int col) const { return m_rowLabels && col == 0 && row >= 1 && row < m_rowCount; }

QString CTableView::RowLabel(int row) { return QStringLiteral(" %1").arg(row); }

void CTableView::SetColumnLabels()
{
    for (int col = 1; col < m_colCount; ++col)
        SetTextCell(0, col, QStringLiteral("Column %1").arg(col));
}

void CTableView::SetColumnHeaderFormat(unsigned format)
{
    for (int row = 0; row < m_fixedRows; ++row)
        for (int col = m_fixedCols; col < m_colCount; ++col)
            if (auto* cell = dynamic_cast<CTextCell*>(m_cells.GetCell(row, col)))
                cell->SetFormat(format);
}

// ---- In-place editor ---------------------------------------------------------

void CTableView::OpenCellEdit(int row, int col)
{
    if (row < m_fixedRows || col < m_fixedCols || row >= m_rowCount || col >= m_colCount)
        return;
    m_editText = GetCellText(row, col);
    m_savedText = m_editText;
    m_cellEditAbandoned = false;

    const CRect rect = GetCellRect(row, col);
    if (!m_cellEdit)
        m_cellEdit = new CCellEdit(this, viewport());
    m_cellEdit->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
    // Typing stops at 64 characters, but a longer text already in the cell
    // (pasted, say) must come back whole when the edit is committed.
    m_cellEdit->setMaxLength(std::max<int>(CCellEdit::kMaxLength, static_cast<int>(m_editText.size())));
    m_cellEdit->setText(m_editText);
    m_cellEdit->show();
    m_cellEdit->setFocus(Qt::OtherFocusReason);
    m_editing = true;
}

void CTableView::CommitCellEdit()
{
    if (!m_cellEdit)
        return;
    if (!m_cellEditAbandoned)
        m_editText = m_cellEdit->text();
    // The editor may be the one asking (Tab or Enter in it): it goes later.
    CCellEdit* edit = m_cellEdit.data();
    m_cellEdit = nullptr;
    edit->hide();
    edit->deleteLater();
    m_cellEditAbandoned = false;
    setFocus(Qt::OtherFocusReason);
    EndEdit(true);
}

void CTableView::DiscardCellEdit()
{
    if (!m_cellEdit)
        return;
    CCellEdit* edit = m_cellEdit.data();
    m_cellEdit = nullptr;
    edit->hide();
    edit->deleteLater();
    m_cellEditAbandoned = false;
}

void CTableView::AbandonCellEdit()
{
    m_editText = m_savedText;
    m_cellEditAbandoned = true;
    if (m_cellEdit)
        m_cellEdit->hide();
    setFocus(Qt::OtherFocusReason);
}

// ---- Messages ----------------------------------------------------------------

void CTableView::OnKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (key == Qt::Key_Delete) {
        ClearSelection();
        return;
    }
    CGridView::OnKeyDown(key, modifiers);
}

void CTableView::OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point)
{
    CommitCellEdit();
    CGridView::OnLButtonDown(modifiers, point);
}

void CTableView::OnLButtonDblClk(CPoint point)
{
    const CellCoord hit = HitTest(point);
    if (!hit.IsValid())
        return;
    OpenCellEdit(hit.row, hit.col);
}
