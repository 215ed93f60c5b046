// The grid's layout on screen: where rows and columns lie at the present
// scroll position, hit tests, what is visible, invalidation, and the scroll
// ranges.
#include "grid/CGridView.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

int CGridView::GetHScrollPos() const { return horizontalScrollBar()->value(); }

int CGridView::GetVScrollPos() const { return verticalScrollBar()->value(); }

CRect CGridView::GetClientRect() const { return CRect { 0, 0, viewport()->width(), viewport()->height() }; }

int CGridView::GetColLeft(int col) const
{
    if (col < m_fixedCols) {
        int x = 0;
        for (int c = 0; c < col; ++c)
            x += GetColWidth(c);
        return x;
    }
    int x = GetFixedColsWidth();
    for (int c = m_fixedCols + GetHScrollPos(); c < col; ++c)
        x += GetColWidth(c);
    return x;
}

int CGridView::GetRowTop(int row) const
{
    if (row < m_fixedRows) {
        int y = 0;
        for (int r = 0; r < row; ++r)
            y += GetRowHeight(r);
        return y;
    }
    int y = GetFixedRowsHeight();
    for (int r = m_fixedRows + GetVScrollPos(); r < row; ++r)
        y += GetRowHeight(r);
    return y;
}

CRect CGridView::GetCellRect(int row, int col) const
{
    const int left = GetColLeft(col);
    const int top = GetRowTop(row);
    return CRect { left, top, left + GetColWidth(col), top + GetRowHeight(row) };
}

CRect CGridView::GetRangeRect(const CellRange& range) const
{
    return CRect { GetColLeft(range.left), GetRowTop(range.top), GetColLeft(range.right) + GetColWidth(range.right),
        GetRowTop(range.bottom) + GetRowHeight(range.bottom) };
}

namespace {

// The index whose [edge, edge + size) holds p, walking from first to
// count - 1 with the edge starting at start; -1 when p lies beyond them.
template <typename SizeOf> int HitIndex(int p, int start, int first, int count, SizeOf sizeOf)
{
    int edge = start;
    for (int i = first; i < count; ++i) {
        edge += sizeOf(i);
        if (edge > p)
            return i;
    }
    return -1;
}

} // namespace

CellCoord CGridView::HitTest(CPoint point) const
{
    auto width = [this](int c) { return GetColWidth(c); };
    auto height = [this](int r) { return GetRowHeight(r); };
    CellCoord hit;
    const int fixedWidth = GetFixedColsWidth();
    if (point.x < 0)
        hit.col = -1;
    else if (point.x >= fixedWidth)
        hit.col = HitIndex(point.x, fixedWidth, m_fixedCols + GetHScrollPos(), m_colCount, width);
    else
        hit.col = HitIndex(point.x, 0, 0, std::min(m_fixedCols, m_colCount), width);

    const int fixedHeight = GetFixedRowsHeight();
    if (point.y < 0)
        hit.row = -1;
    else if (point.y >= fixedHeight)
        hit.row = HitIndex(point.y, fixedHeight, m_fixedRows + GetVScrollPos(), m_rowCount, height);
    else
        hit.row = HitIndex(point.y, 0, 0, std::min(m_fixedRows, m_rowCount), height);
    return hit;
}

CellRange CGridView::GetVisibleRange() const
{
    return CellRange(
        m_fixedRows + GetVScrollPos(), m_fixedCols + GetHScrollPos(), GetLastVisibleRow(), GetLastVisibleCol());
}

int CGridView::GetLastVisibleRow() const
{
    const int bottom = GetClientRect().bottom;
    int y = GetFixedRowsHeight();
    for (int r = m_fixedRows + GetVScrollPos(); r < m_rowCount; ++r) {
        y += GetRowHeight(r);
        if (y >= bottom)
            return r;
    }
    return m_rowCount - 1;
}

int CGridView::GetLastVisibleCol() const
{
    const int right = GetClientRect().right;
    int x = GetFixedColsWidth();
    for (int c = m_fixedCols + GetHScrollPos(); c < m_colCount; ++c) {
        x += GetColWidth(c);
        if (x >= right)
            return c;
    }
    return m_colCount - 1;
}

bool CGridView::IsCellVisible(int row, int col) const
{
    if (col < m_fixedCols + GetHScrollPos() || row < m_fixedRows + GetVScrollPos())
        return false;
    if (row >= m_rowCount || col >= m_colCount)
        return false;
    const CRect cell = GetCellRect(row, col);
    const CRect client = GetClientRect();
    return cell.bottom <= client.bottom && cell.right <= client.right;
}

bool CGridView::IsCurrentCellVisible() const { return IsCellVisible(m_selection.top, m_selection.left); }

bool CGridView::IsRowVisible(int row) const
{
    const CellRange visible = GetVisibleRange();
    return row >= visible.top && row <= visible.bottom;
}

void CGridView::InvalidateRange(const CellRange& range)
{
    const CellRange part = range.Intersect(GetVisibleRange());
    if (!part.IsValid())
        return;
    InvalidateRect(GetRangeRect(part));
}

void CGridView::InvalidateRect(const CRect& rect)
{
    if (!rect.IsRectEmpty())
        viewport()->update(rect.left, rect.top, rect.Width(), rect.Height());
}

void CGridView::InvalidateAll() { viewport()->update(); }

namespace {

// True when the sizes add up to less than limit; stops once they reach it.
bool Fits(const std::vector<int>& sizes, int limit)
{
    long long sum = 0;
    for (int size : sizes) {
        sum += size;
        if (sum >= limit)
            return false;
    }
    return sum < limit;
}

} // namespace

void CGridView::UpdateScrollRanges()
{
    // The window without its frame; the scroll bars are taken off below only
    // where the other direction needs its bar.
    const int frame = frameWidth();
    const int w = width() - 2 * frame;
    const int h = height() - 2 * frame;
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
    const int barHeight = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, horizontalScrollBar());

    const int allRows = std::max(m_rowCount - m_fixedRows - 1, 0);
    const int allCols = std::max(m_colCount - m_fixedCols - 1, 0);
    const bool rowsFit = Fits(m_rowHeights, h);
    const bool colsFit = Fits(m_colWidths, w);
    m_maxVScroll = 0;
    m_maxHScroll = 0;
    if (!rowsFit) {
        m_maxVScroll = allRows;
        if (!colsFit || !Fits(m_colWidths, w - barWidth))
            m_maxHScroll = allCols;
    }
    if (!colsFit) {
        m_maxHScroll = allCols;
        if (!rowsFit || !Fits(m_rowHeights, h - barHeight))
            m_maxVScroll = allRows;
    }
    verticalScrollBar()->setRange(0, m_maxVScroll);
    horizontalScrollBar()->setRange(0, m_maxHScroll);
    // The page step only sizes the thumb; paging itself is OnVScroll's.
    verticalScrollBar()->setPageStep(std::max(1, GetLastVisibleRow() - m_fixedRows - GetVScrollPos()));
    horizontalScrollBar()->setPageStep(std::max(1, GetLastVisibleCol() - m_fixedCols - GetHScrollPos()));
}
