#include "grid/CTextCell.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

CTextCell::CTextCell(const QString& text)
    : m_text(text)
{
}

CTextCell::CTextCell(const char* text)
    : m_text(text ? QString::fromUtf8(text) : QString())
{
}

void CTextCell::Draw(QPainter& dc, int x, int y) { GridTextOut(dc, x, y, m_text); }

void CTextCell::DrawInRect(QPainter& dc, int x, int y, int width, int height)
{
    if (!m_line)
        m_line = std::make_unique<GridTextLine>();
    GridDrawText(dc, m_text, CRect { x, y, x + width, y + height }, m_format, m_line.get());
}

CSize CTextCell::GetExtent(QPainter& dc)
{
    const QFontMetrics fm = dc.fontMetrics();
    CSize extent;
    // An empty text is one empty line: no width, one line's height.
    for (const QString& line : m_text.split(QLatin1Char('\n'))) {
        extent.cx = std::max(extent.cx, fm.horizontalAdvance(line));
        extent.cy += fm.height();
    }
    return extent;
}
