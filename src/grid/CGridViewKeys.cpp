// Keyboard handling, type-over editing, scrolling and the selection
// operations of CGridView.
#include "grid/CGridView.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

// The scroll position one page back from p: the columns (rows) just before
// the first one on screen come back into view while they fit into room
// together, counted from the one nearest to it.
template <typename SizeOf> int PagedBack(int p, int room, int fixedCount, SizeOf sizeOf)
{
    int pos = p;
    for (int i = fixedCount + p - 1; i >= fixedCount && pos > 0; --i) {
        room -= sizeOf(i);
        if (room < 1)
            break;
        --pos;
    }
    return pos;
}

} // namespace

bool CGridView::focusNextPrevChild(bool) { return false; }

void CGridView::keyPressEvent(QKeyEvent* event)
{
    int key = event->key();
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == Qt::Key_Backtab) {
        key = Qt::Key_Tab;
        modifiers |= Qt::ShiftModifier;
    }
    OnKeyDown(key, modifiers);

    // The characters the key types, as the character handler wants them.
    switch (key) {
    case Qt::Key_Backspace:
        OnChar(kBackspace);
        return;
    case Qt::Key_Tab:
        OnChar(kTab);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnChar(kEnter);
        return;
    case Qt::Key_Escape:
        OnChar(kEscape);
        return;
    case Qt::Key_Delete:
        return;
    default:
        break;
    }
    for (QChar c : event->text())
        OnChar(c.unicode());
}

void CGridView::OnKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    const int row0 = m_selection.top;
    const int col0 = m_selection.left;
    const bool shift = modifiers & Qt::ShiftModifier;
    int row = row0;
    int col = col0;
    // The Shift corners start from the selection when Shift goes down, and
    // also when Shift comes with a key but was never pressed on its own (held
    // before the grid got the focus).
    if (key == Qt::Key_Shift || (shift && (!m_shiftAnchor.IsValid() || !m_shiftEnd.IsValid()))) {
        m_shiftAnchor = m_selection.TopLeft();
        m_shiftEnd = CellCoord(m_selection.bottom, m_selection.right);
    }

    switch (key) {
    case Qt::Key_Shift:
        return;
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (row0 < m_rowCount - 1)
            row = row0 + 1;
        if (m_shiftEnd.row < m_rowCount - 1)
            ++m_shiftEnd.row;
        break;
    case Qt::Key_Up:
        if (row0 > m_fixedRows)
            row = row0 - 1;
        if (m_shiftEnd.row > m_fixedRows)
            --m_shiftEnd.row;
        break;
    case Qt::Key_Right:
    case Qt::Key_Tab:
        if (col0 < m_colCount - 1)
            col = col0 + 1;
        if (m_shiftEnd.col < m_colCount - 1)
            ++m_shiftEnd.col;
        break;
    case Qt::Key_Left:
        if (col0 > m_fixedCols)
            col = col0 - 1;
        if (m_shiftEnd.col > m_fixedCols)
            --m_shiftEnd.col;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        EndEdit(false);
        OnVScroll(key == Qt::Key_PageUp ? SB_PAGEUP : SB_PAGEDOWN);
        m_selection = CellRange(m_fixedRows + GetVScrollPos(), col0, m_fixedRows + GetVScrollPos(), col0);
        InvalidateAll();
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        EndEdit(false);
        OnVScroll(key == Qt::Key_Home ? SB_TOP : SB_BOTTOM);
        OnHScroll(SB_LEFT);
        m_selection = CellRange(m_fixedRows + GetVScrollPos(), m_fixedCols, m_fixedRows + GetVScrollPos(), m_fixedCols);
        InvalidateAll();
        return;
    default:
        return;
    }
    MoveCurrentCell(key, row0, col0, row, col, shift);
}

void CGridView::MoveCurrentCell(int key, int row0, int col0, int row, int col, bool shift)
{
    EndEdit(false);
    if (row == row0 && col == col0)
        return;
    const CellRange next = shift ? CellRange::Spanning(m_shiftAnchor, m_shiftEnd) : CellRange(row, col, row, col);
    InvalidateRange(m_selection.Union(next));
    m_selection = next;

    const CellCoord seen = shift ? m_shiftEnd : CellCoord(row, col);
    if (IsCellVisible(seen.row, seen.col))
        return;
    // Arrows scroll one step towards the cell; Tab and Enter do not scroll.
    switch (key) {
    case Qt::Key_Left:
        OnHScroll(SB_LINELEFT);
        break;
    case Qt::Key_Right:
        OnHScroll(SB_LINERIGHT);
        break;
    case Qt::Key_Up:
        OnVScroll(SB_LINEUP);
        break;
    case Qt::Key_Down:
        OnVScroll(SB_LINEDOWN);
        break;
    default:
        break;
    }
}

// ---- Type-over editing -----------------------------------------------------

void CGridView::OnChar(int code)
{
    bool started = false;
    if (m_editEnabled && !m_editing && m_dragMode == DRAG_NONE && m_selection.IsSingleCell() && IsCurrentCellVisible()
        && code != kBackspace && code != kTab && code != kEnter) {
        BeginEdit();
        m_editText.clear();
        started = true;
    }
    if (!m_editing || !IsCurrentCellVisible())
        return;

    switch (code) {
    case kBackspace:
        // One character back; a character outside the basic plane is two units.
        if (m_editText.size() >= 2 && m_editText.back().isLowSurrogate()
            && m_editText.at(m_editText.size() - 2).isHighSurrogate())
            m_editText.chop(2);
        else if (!m_editText.isEmpty())
            m_editText.chop(1);
        break;
    case kTab:
    case kEnter:
        break;
    case kEscape:
        // Esc gives the cell its old text back; an Esc that started the edit
        // leaves it running on that text.
        m_editText = m_savedText;
        if (!started)
            EndEdit(true);
        break;
    default:
        m_editText.append(QChar(code));
        break;
    }
    // The next paint draws the edit text over the current cell.
    InvalidateRect(GetCellRect(m_selection.top, m_selection.left));
}

void CGridView::BeginEdit()
{
    m_editing = true;
    m_editText = GetCellText(m_selection.top, m_selection.left);
    m_savedText = m_editText;
}

void CGridView::EndEdit(bool redraw)
{
    if (!m_editing)
        return;
    m_editing = false;
    SetCellText(m_selection.top, m_selection.left, m_editText);
    if (redraw)
        InvalidateRange(m_selection);
}

void CGridView::SetCellText(int, int, const QString&) { }

QString CGridView::GetCellText(int, int) { return QStringLiteral("grid view"); }

// ---- Selection operations ---------------------------------------------------

void CGridView::SelectRow(int row)
{
    if (row >= m_rowCount || row < 0)
        return;
    EndEdit(false);
    const CellRange next(row, m_fixedCols, row, m_colCount - 1);
    if (next == m_selection)
        return;
    InvalidateRange(m_selection);
    m_selection = next;
    InvalidateRange(m_selection);
}

void CGridView::ScrollRowIntoView(int row)
{
    if (row <= 0 || row >= m_rowCount || IsRowVisible(row))
        return;
    SetScrollPos(Qt::Vertical, row - 1);
    InvalidateAll();
}

// ---- Scrolling ---------------------------------------------------------------

void CGridView::SetScrollPos(Qt::Orientation orientation, int pos)
{
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    bar->setValue(pos);
    InvalidateAll();
}

void CGridView::OnScrollBarAction(Qt::Orientation orientation, int action)
{
    QScrollBar* bar = orientation == Qt::Vertical ? verticalScrollBar() : horizontalScrollBar();
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderMove:
        code = SB_THUMBTRACK;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    default:
        return;
    }
    // The bar has already moved its slider by its own rule; the position is
    // ours to decide, so the slider follows whatever the handler set.
    const int thumb = bar->sliderPosition();
    bar->setSliderPosition(bar->value());
    if (orientation == Qt::Vertical)
        OnVScroll(code, thumb);
    else
        OnHScroll(code, thumb);
    bar->setSliderPosition(bar->value());
}

void CGridView::OnHScroll(int code, int thumbPos)
{
    const int p = GetHScrollPos();
    const CRect client = GetClientRect();
    switch (code) {
    case SB_LINELEFT:
        if (p != 0)
            SetScrollPos(Qt::Horizontal, p - 1);
        break;
    case SB_LINERIGHT:
        if (p != m_maxHScroll)
            SetScrollPos(Qt::Horizontal, p + 1);
        break;
    case SB_PAGELEFT:
        if (p != 0) {
            auto width = [this](int c) { return GetColWidth(c); };
            SetScrollPos(Qt::Horizontal, PagedBack(p, client.Width() - GetFixedColsWidth(), m_fixedCols, width));
        }
        break;
    case SB_PAGERIGHT:
        if (p != m_maxHScroll) {
            // At least one column, as paging down moves at least one row.
            const CellRange visible = GetVisibleRange();
            const int step = std::max(visible.right - visible.left, 1);
            SetScrollPos(Qt::Horizontal, std::min(p + step, m_maxHScroll));
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos(Qt::Horizontal, thumbPos);
        break;
    case SB_LEFT:
        if (p != 0)
            SetScrollPos(Qt::Horizontal, 0);
        break;
    default: // SB_RIGHT is not handled horizontally.
        break;
    }
}

void CGridView::OnVScroll(int code, int thumbPos)
{
    const int p = GetVScrollPos();
    const CRect client = GetClientRect();
    switch (code) {
    case SB_LINEUP:
        if (p != 0)
            SetScrollPos(Qt::Vertical, p - 1);
        break;
    case SB_LINEDOWN:
        if (p != m_maxVScroll)
            SetScrollPos(Qt::Vertical, p + 1);
        break;
    case SB_PAGEUP:
        if (p != 0) {
            auto height = [this](int r) { return GetRowHeight(r); };
            SetScrollPos(Qt::Vertical, PagedBack(p, client.Height() - GetFixedRowsHeight(), m_fixedRows, height));
        }
        break;
    case SB_PAGEDOWN:
        if (p != m_maxVScroll) {
            const CellRange visible = GetVisibleRange();
            const int step = std::max(visible.bottom - visible.top, 1);
            SetScrollPos(Qt::Vertical, std::min(p + step, m_maxVScroll));
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollPos(Qt::Vertical, thumbPos);
        break;
    case SB_TOP:
        if (p != 0)
            SetScrollPos(Qt::Vertical, 0);
        break;
    case SB_BOTTOM:
        if (p != verticalScrollBar()->maximum())
            SetScrollPos(Qt::Vertical, verticalScrollBar()->maximum());
        break;
    default:
        break;
    }
}
