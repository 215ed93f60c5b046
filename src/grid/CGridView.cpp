#include "grid/CGridView.h"

#include <QApplication>
#include <QFontMetrics>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>

Qt::CursorShape CGridView::s_gridCursor = Qt::ArrowCursor;

CGridView::CGridView(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    Construct(2, 2, 1, 1);
    // The "System" font: the desktop's font at its own text height.
    m_font = QApplication::font();
}

CGridView::CGridView(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent)
    : QAbstractScrollArea(parent)
{
    Construct(rows, cols, fixedRows, fixedCols);
    // The grid font: the desktop's sans serif face at the desktop's size (a
    // cell height of 8 pixels would be unreadable on today's screens).
    m_font = QApplication::font();
    m_font.setStyleHint(QFont::SansSerif);
}

CGridView::~CGridView() = default;

void CGridView::Construct(int rows, int cols, int fixedRows, int fixedCols)
{
    m_rowCount = std::max(rows, 0);
    m_colCount = std::max(cols, 0);
    m_fixedRows = std::max(fixedRows, 0);
    m_fixedCols = std::max(fixedCols, 0);

    // Default sizes come from the desktop's font, whatever the grid font is.
    const QFontMetrics fm(QApplication::font());
    m_defaultRowHeight = fm.height() + 2 * m_cellMargin;
    m_defaultColWidth = 2 * (m_cellMargin + 6 * fm.averageCharWidth());
    m_rowHeights.assign(static_cast<std::size_t>(m_rowCount), m_defaultRowHeight);
    m_colWidths.assign(static_cast<std::size_t>(m_colCount), m_defaultColWidth);
    m_selection = CellRange(m_fixedRows, m_fixedCols, m_fixedRows, m_fixedCols);

    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent, false);
    verticalScrollBar()->setRange(0, 0);
    horizontalScrollBar()->setRange(0, 0);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this,
        [this](int action) { OnScrollBarAction(Qt::Vertical, action); });
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this,
        [this](int action) { OnScrollBarAction(Qt::Horizontal, action); });
}

// ---- Model ---------------------------------------------------------------

void CGridView::SetRowCount(int n)
{
    n = std::max(n, 0);
    if (n == m_rowCount)
        return;
    const int old = m_rowCount;
    m_rowCount = n;
    m_rowHeights.resize(static_cast<std::size_t>(n), m_defaultRowHeight);
    if (n < old)
        ClampSelection();
    UpdateScrollRanges();
    InvalidateAll();
}

void CGridView::SetColCount(int n)
{
    n = std::max(n, 0);
    if (n == m_colCount)
        return;
    const int old = m_colCount;
    m_colCount = n;
    m_colWidths.resize(static_cast<std::size_t>(n), m_defaultColWidth);
    if (n < old)
        ClampSelection();
    UpdateScrollRanges();
    InvalidateAll();
}

int CGridView::GetRowHeight(int row) const
{
    return row >= 0 && row < m_rowCount ? m_rowHeights[static_cast<std::size_t>(row)] : 0;
}

int CGridView::GetColWidth(int col) const
{
    return col >= 0 && col < m_colCount ? m_colWidths[static_cast<std::size_t>(col)] : 0;
}

void CGridView::SetRowHeight(int row, int height)
{
    if (row >= 0 && row < m_rowCount)
        m_rowHeights[static_cast<std::size_t>(row)] = std::max(height, 0);
}

void CGridView::SetColWidth(int col, int width)
{
    if (col >= 0 && col < m_colCount)
        m_colWidths[static_cast<std::size_t>(col)] = std::max(width, 0);
}

void CGridView::SetFixedColWidth(int width)
{
    for (int c = 0; c < m_fixedCols; ++c)
        SetColWidth(c, width);
}

int CGridView::GetFixedRowsHeight() const
{
    int sum = 0;
    for (int r = 0; r < m_fixedRows && r < m_rowCount; ++r)
        sum += m_rowHeights[static_cast<std::size_t>(r)];
    return sum;
}

int CGridView::GetFixedColsWidth() const
{
    int sum = 0;
    for (int c = 0; c < m_fixedCols && c < m_colCount; ++c)
        sum += m_colWidths[static_cast<std::size_t>(c)];
    return sum;
}

void CGridView::ClampSelection()
{
    const CellRange clamped = m_selection.Intersect(CellRange(0, 0, m_rowCount - 1, m_colCount - 1));
    m_selection = clamped.IsValid() ? clamped : CellRange(m_fixedRows, m_fixedCols, m_fixedRows, m_fixedCols);
}

void CGridView::OnUpdate(CView*, long, void*) { InvalidateAll(); }

void CGridView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}
