// Painting and printing of CGridView.
#include "grid/CGridView.h"
#include "grid/GridText.h"

#include "framework/core/MessageBox.h"
#include "framework/gui/PrintDialogs.h"

#include <QPaintEvent>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kHeaderBackground(225, 225, 220);
const QColor kSelectionBackground(0, 255, 255);
const QColor kGridLine(200, 200, 200);

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

void Fill(QPainter& dc, int left, int top, int right, int bottom, const QColor& color)
{
    if (right > left && bottom > top)
        dc.fillRect(QRect(left, top, right - left, bottom - top), color);
}

// A line from (x1, y1) to (x2, y2) without its end point, horizontal or vertical.
void Line(QPainter& dc, int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 != y2)
        dc.drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
    else if (y1 == y2 && x1 != x2)
        dc.drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
}

} // namespace

void CGridView::PrepareCellDC(QPainter& dc)
{
    m_oldFont = dc.font();
    dc.setFont(m_font);
    m_oldPen = dc.pen();
    dc.setPen(ToQColor(m_textColor));
}

void CGridView::RestoreCellDC(QPainter& dc)
{
    dc.setFont(m_oldFont);
    dc.setPen(m_oldPen);
}

void CGridView::OnDraw(QPainter& dc)
{
    PrepareCellDC(dc);
    const int h = GetHScrollPos();
    const int v = GetVScrollPos();
    const CellRange visible = GetVisibleRange();
    const CRect r = GetRangeRect(visible);
    const int fixedWidth = GetFixedColsWidth();
    const int fixedHeight = GetFixedRowsHeight();
    const int firstRow = m_fixedRows + v;
    const int firstCol = m_fixedCols + h;

    Fill(dc, 0, 0, fixedWidth, r.bottom, kHeaderBackground);
    Fill(dc, 0, 0, r.right, fixedHeight, kHeaderBackground);
    Fill(dc, fixedWidth, fixedHeight, r.right, r.bottom, Qt::white);

    const CellRange shown = m_selection.Intersect(visible);
    if (shown.IsValid()) {
        const CRect s = GetRangeRect(shown);
        Fill(dc, s.left, s.top, s.right, s.bottom, kSelectionBackground);
    }

    // The outer border in the painter's own pen (black on a fresh painter).
    dc.setPen(m_oldPen.style() == Qt::NoPen ? QPen(Qt::black) : m_oldPen);
    Line(dc, 0, 0, r.right, 0);
    Line(dc, 0, 0, 0, r.bottom);

    dc.setPen(QPen(kGridLine, 1));
    int x = 0;
    for (int c = 0; c < m_fixedCols && c < m_colCount; ++c) {
        x += GetColWidth(c);
        Line(dc, x, 0, x, r.bottom);
    }
    for (int c = firstCol; c <= visible.right; ++c) {
        x += GetColWidth(c);
        Line(dc, x, 0, x, r.bottom);
    }
    int y = 0;
    for (int row = 0; row < m_fixedRows && row < m_rowCount; ++row) {
        y += GetRowHeight(row);
        Line(dc, 0, y, r.right, y);
    }
    for (int row = firstRow; row <= visible.bottom; ++row) {
        y += GetRowHeight(row);
        Line(dc, 0, y, r.right, y);
    }

    // Raised edges of the header cells on screen.
    dc.setPen(QPen(Qt::white, 1));
    auto raise = [&](int row, int col) {
        const int ex = GetColLeft(col) + 1;
        const int ey = GetRowTop(row) + 1;
        Line(dc, ex, ey, ex + GetColWidth(col) - 2, ey);
        Line(dc, ex, ey, ex, ey + GetRowHeight(row) - 2);
    };
    const int fixedColEnd = std::min(m_fixedCols, m_colCount);
    const int fixedRowEnd = std::min(m_fixedRows, m_rowCount);
    for (int c = 0; c < fixedColEnd; ++c)
        for (int row = 0; row < fixedRowEnd; ++row)
            raise(row, c);
    for (int c = 0; c < fixedColEnd; ++c)
        for (int row = firstRow; row <= visible.bottom; ++row)
            raise(row, c);
    for (int row = 0; row < fixedRowEnd; ++row)
        for (int c = firstCol; c <= visible.right; ++c)
            raise(row, c);
    dc.setPen(ToQColor(m_textColor));
    dc.setBackgroundMode(Qt::TransparentMode);

    // Cell contents: corner, row headers, column headers, data; each block
    // column by column, top to bottom. Positions are summed as we go.
    auto drawBlock = [&](int col0, int col1, int row0, int row1) {
        int cx = GetColLeft(col0);
        const int top = GetRowTop(row0);
        for (int c = col0; c <= col1; ++c) {
            int cy = top;
            for (int row = row0; row <= row1; ++row) {
                DrawCell(row, c, dc, cx + m_cellMargin, cy + m_cellMargin);
                cy += GetRowHeight(row);
            }
            cx += GetColWidth(c);
        }
    };
    drawBlock(0, fixedColEnd - 1, 0, fixedRowEnd - 1);
    drawBlock(0, fixedColEnd - 1, firstRow, visible.bottom);
    drawBlock(firstCol, visible.right, 0, fixedRowEnd - 1);
    drawBlock(firstCol, visible.right, firstRow, visible.bottom);

    RestoreCellDC(dc);

    if (m_editing && IsCurrentCellVisible() && m_selection.IsSingleCell())
        DrawEditText(dc);
}

void CGridView::DrawCell(int row, int col, QPainter& dc, int x, int y)
{
    const QString text = QStringLiteral("base");
    if (m_drawInRect) {
        const int w = GetColWidth(col) - 2 * m_cellMargin;
        const int hgt = GetRowHeight(row) - 2 * m_cellMargin;
        GridDrawText(dc, text, CRect { x, y, x + w, y + hgt }, DT_CENTER);
    } else {
        GridTextOut(dc, x, y, text);
    }
}

CSize CGridView::GetCellExtent(int, int, QPainter&) { return CSize { m_defaultColWidth, m_defaultRowHeight }; }

void CGridView::DrawEditText(QPainter& dc)
{
    CRect rect = GetCellRect(m_selection.top, m_selection.left);
    rect.InflateRect(-m_cellMargin, -m_cellMargin);
    PrepareCellDC(dc);
    Fill(dc, rect.left, rect.top, rect.right, rect.bottom, Qt::white);
    GridDrawText(dc, m_editText, rect, DT_CENTER);
    RestoreCellDC(dc);
}

void CGridView::paintEvent(QPaintEvent*)
{
    QPainter dc(viewport());
    dc.setPen(Qt::black);
    OnDraw(dc);
    if (!m_trackLine.IsRectEmpty()) {
        // The resize tracking line inverts what lies under it.
        dc.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        dc.fillRect(QRect(m_trackLine.left, m_trackLine.top, m_trackLine.Width(), m_trackLine.Height()), Qt::white);
    }
}

void CGridView::RenderPrintPage(QPainter& dc)
{
    // The window's font in pixels, so that its text grows four times with
    // the cells; a size in points would follow the printer's resolution.
    const QFont screenFont = m_font;
    if (m_font.pixelSize() <= 0)
        m_font.setPixelSize(std::max(1, static_cast<int>(std::lround(m_font.pointSizeF() * logicalDpiY() / 72.0))));
    dc.save();
    dc.scale(4.0, 4.0);
    dc.setPen(Qt::black);
    OnDraw(dc);
    dc.restore();
    m_font = screenFont;
}

bool CGridView::PrintToPdf(const QString& path)
{
    QPdfWriter writer(path);
    writer.setResolution(600);
    QPainter dc;
    if (!dc.begin(&writer))
        return false;
    RenderPrintPage(dc);
    return dc.end();
}

namespace {

// Four device units to a pixel of the window: a printer of four times the
// window's resolution prints the table at the size the window shows it.
class TablePrinterResolution {
public:
    TablePrinterResolution(QPrinter& printer, int windowDpi)
        : m_printer(printer)
        , m_saved(printer.resolution())
    {
        printer.setResolution(4 * windowDpi);
    }
    ~TablePrinterResolution() { m_printer.setResolution(m_saved); }

private:
    QPrinter& m_printer;
    int m_saved;
};

} // namespace

void CGridView::OnFilePrint()
{
    QPrinter& printer = AppPrinter();
    TablePrinterResolution resolution(printer, logicalDpiY());
    if (!ExecPrintDialog(printer, window()))
        return;
    QPainter dc;
    if (!dc.begin(&printer)) {
        MessageBox(
            QStringLiteral("Unable to print to \"%1\".")
                .arg(printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : printer.printerName()));
        return;
    }
    RenderPrintPage(dc);
}

void CGridView::OnFilePrintPreview()
{
    QPrinter& printer = AppPrinter();
    TablePrinterResolution resolution(printer, logicalDpiY());
    ExecPrintPreview(printer, window(), [this](QPaintDevice* target) {
        QPainter dc;
        if (dc.begin(target))
            RenderPrintPage(dc);
    });
}
