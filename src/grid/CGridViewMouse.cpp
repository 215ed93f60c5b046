// Mouse handling of CGridView: pointer feedback, selection gestures and the
// resizing of columns and rows.
#include "grid/CGridView.h"

#include <QMouseEvent>

#include <algorithm>

namespace {

// Pointer within this many units of a boundary grabs it.
constexpr int kGrab = 3;

CPoint ToCPoint(const QPointF& p) { return CPoint { static_cast<int>(p.x()), static_cast<int>(p.y()) }; }

} // namespace

void CGridView::SetGridCursor(Qt::CursorShape shape)
{
    s_gridCursor = shape;
    viewport()->setCursor(shape);
}

Qt::CursorShape CGridView::ReapplyGridCursor()
{
    viewport()->setCursor(s_gridCursor);
    return s_gridCursor;
}

void CGridView::mouseMoveEvent(QMouseEvent* event) { OnMouseMove(ToCPoint(event->position())); }

void CGridView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(event->modifiers(), ToCPoint(event->position()));
    else if (event->button() == Qt::RightButton)
        OnRButtonDown(event->modifiers(), ToCPoint(event->position()));
}

void CGridView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(ToCPoint(event->position()));
}

void CGridView::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click is the double click alone.
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(ToCPoint(event->position()));
}

void CGridView::OnRButtonDown(Qt::KeyboardModifiers, CPoint) { }

void CGridView::OnMouseMove(CPoint point)
{
    const CellCoord hit = HitTest(point);
    if (m_dragMode != DRAG_NONE) {
        OnDragMove(point, hit);
        return;
    }

    Qt::CursorShape shape = Qt::ArrowCursor;
    if (hit.row != -1 && hit.col != -1 && hit.row < m_fixedRows) {
        const int left = GetColLeft(hit.col);
        const int right = left + GetColWidth(hit.col);
        if ((point.x - left <= kGrab && hit.col != 0) || right - point.x <= kGrab)
            shape = Qt::SizeHorCursor;
    } else if (hit.row != -1 && hit.col != -1 && hit.col < m_fixedCols) {
        const int top = GetRowTop(hit.row);
        const int bottom = top + GetRowHeight(hit.row);
        if ((point.y - top <= kGrab && hit.row != 0) || bottom - point.y <= kGrab)
            shape = Qt::SizeVerCursor;
    }
    SetGridCursor(shape);
    m_lastPoint = point;
}

void CGridView::OnDragMove(CPoint point, CellCoord hit)
{
    if (!m_anchor.IsValid()) {
        m_lastPoint = point;
        return;
    }
    switch (m_dragMode) {
    case DRAG_CELLS:
        if (hit.row >= m_fixedRows && hit.col >= m_fixedCols) {
            if (hit == m_lastCell)
                return;
            // Below the window the selection drags the view along, one row per move.
            if (hit.row > GetLastVisibleRow())
                OnVScroll(SB_LINEDOWN);
            InvalidateRange(m_selection);
            m_selection = CellRange::Spanning(m_anchor, hit);
            InvalidateRange(m_selection);
        }
        break;
    case DRAG_ROWS:
        if (hit.row != m_lastCell.row && hit.row >= m_fixedRows) {
            InvalidateRange(m_selection);
            m_selection.top = std::min(m_anchor.row, hit.row);
            m_selection.bottom = std::max(m_anchor.row, hit.row);
            InvalidateRange(m_selection);
        }
        break;
    case DRAG_COLUMNS:
        if (hit.col != m_lastCell.col && hit.col >= m_fixedCols) {
            InvalidateRange(m_selection);
            m_selection.left = std::min(m_anchor.col, hit.col);
            m_selection.right = std::max(m_anchor.col, hit.col);
            InvalidateRange(m_selection);
        }
        break;
    case DRAG_COLUMN_WIDTH:
    case DRAG_ROW_HEIGHT:
        point = ConfineToResize(point);
        MoveTrackLine(point);
        break;
    case DRAG_ALL:
    case DRAG_NONE:
        break;
    }
    m_lastCell = hit;
    m_lastPoint = point;
}

// The pointer stays in the client area and right of (below) the resized
// column's left (row's top) edge, so a size never becomes negative.
CPoint CGridView::ConfineToResize(CPoint point) const
{
    CRect allowed = GetClientRect();
    if (m_dragMode == DRAG_COLUMN_WIDTH)
        allowed.left = GetColLeft(m_anchor.col);
    else if (m_dragMode == DRAG_ROW_HEIGHT)
        allowed.top = GetRowTop(m_anchor.row);
    point.x = std::clamp(point.x, allowed.left, std::max(allowed.left, allowed.right - 1));
    point.y = std::clamp(point.y, allowed.top, std::max(allowed.top, allowed.bottom - 1));
    return point;
}

void CGridView::MoveTrackLine(CPoint point)
{
    const CRect client = GetClientRect();
    InvalidateRect(m_trackLine);
    if (m_dragMode == DRAG_COLUMN_WIDTH)
        m_trackLine = CRect { point.x, client.top, point.x + 2, client.bottom };
    else
        m_trackLine = CRect { client.left, point.y, client.right, point.y + 2 };
    InvalidateRect(m_trackLine);
}

void CGridView::StartResize(bool columns, CPoint point)
{
    if (columns) {
        m_dragMode = DRAG_COLUMN_WIDTH;
        if (point.x - GetColLeft(m_anchor.col) <= kGrab && m_anchor.col != 0)
            --m_anchor.col;
    } else {
        m_dragMode = DRAG_ROW_HEIGHT;
        if (point.y - GetRowTop(m_anchor.row) <= kGrab && m_anchor.row != 0)
            --m_anchor.row;
    }
    point = ConfineToResize(point);
    MoveTrackLine(point);
    m_lastPoint = point;
}

void CGridView::OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point)
{
    const bool shift = modifiers & Qt::ShiftModifier;
    setFocus(Qt::MouseFocusReason);
    EndEdit(false);
    const CellCoord pressed = HitTest(point);
    m_anchor = pressed;

    // The pointer shape tells a resize press from a selection press. It is
    // brought up to date for the press point first: the pointer may arrive
    // with the press, without a move before it (a touch pad tap, a synthetic
    // event). A shape over no cell cannot start a resize.
    if (m_dragMode == DRAG_NONE)
        OnMouseMove(point);
    const Qt::CursorShape shape = ReapplyGridCursor();
    if (m_anchor.IsValid() && (shape == Qt::SizeHorCursor || shape == Qt::SizeVerCursor)) {
        StartResize(shape == Qt::SizeHorCursor, point);
        return;
    }
    if (!m_anchor.IsValid())
        return;

    const CellRange old = m_selection;
    if (old.IsValid())
        InvalidateRange(old);
    if (m_anchor.row == 0 && m_anchor.col == 0 && m_fixedRows > 0 && m_fixedCols > 0) {
        m_selection = CellRange(m_fixedRows, m_fixedCols, m_rowCount - 1, m_colCount - 1);
        m_dragMode = DRAG_ALL;
    } else if (m_anchor.row < m_fixedRows) {
        m_selection = CellRange(m_fixedRows, m_anchor.col, m_rowCount - 1, m_anchor.col);
        m_dragMode = DRAG_COLUMNS;
    } else if (m_anchor.col < m_fixedCols) {
        m_selection = CellRange(m_anchor.row, m_fixedCols, m_anchor.row, m_colCount - 1);
        m_dragMode = DRAG_ROWS;
    } else {
        m_dragMode = DRAG_CELLS;
        if (!shift) {
            m_selection = CellRange(m_anchor.row, m_anchor.col, m_anchor.row, m_anchor.col);
        } else if (old.IsValid()) {
            // Shift extends from the old current cell, which stays the fixed corner.
            m_selection = CellRange::Spanning(old.TopLeft(), m_anchor);
            m_anchor = old.TopLeft();
        }
    }
    InvalidateRange(m_selection);
    // A drag compares each cell with the one before it; starting from the
    // pressed cell, not from wherever the previous drag ended, a first move
    // onto that old cell is not taken for no move at all.
    m_lastCell = pressed;
    m_lastPoint = point;
}

void CGridView::OnLButtonUp(CPoint point)
{
    if (m_dragMode == DRAG_COLUMN_WIDTH || m_dragMode == DRAG_ROW_HEIGHT) {
        point = ConfineToResize(point);
        InvalidateRect(m_trackLine);
        m_trackLine = CRect {};
        if (m_dragMode == DRAG_COLUMN_WIDTH)
            SetColWidth(m_anchor.col, point.x - GetColLeft(m_anchor.col));
        else
            SetRowHeight(m_anchor.row, point.y - GetRowTop(m_anchor.row));
        UpdateScrollRanges();
        InvalidateAll();
    }
    m_dragMode = DRAG_NONE;
    if (m_anchor.IsValid())
        emit GridClicked(this);
}

void CGridView::OnLButtonDblClk(CPoint point)
{
    if (HitTest(point).IsValid() && m_selection.IsSingleCell())
        emit GridDoubleClicked(this);
}
