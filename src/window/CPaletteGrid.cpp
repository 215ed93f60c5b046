#include "window/CPaletteGrid.h"

#include "framework/gui/CDC.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
} // namespace

CPaletteGrid::CPaletteGrid(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(
        2 * kMargin + kColumns * kPitch - (kPitch - kSwatch), 2 * kMargin + kRows * kPitch - (kPitch - kSwatch));
}

CRect CPaletteGrid::SwatchRect(int k)
{
    const int r = k / kColumns;
    const int c = k % kColumns;
    return CRect { kMargin + kPitch * c, kMargin + kPitch * r, kMargin + kSwatch + kPitch * c,
        kMargin + kSwatch + kPitch * r };
}

int CPaletteGrid::IndexAt(int x, int y, int width, int height)
{
    if (x < kMargin || y < kMargin || x >= width - kMargin || y >= height - kMargin)
        return -1;
    const int col = (x - kMargin) / kPitch;
    const int row = (y - kMargin) / kPitch;
    // A page larger than the swatches would give indices past the last one; those pick nothing.
    if (col >= kColumns || row >= kRows)
        return -1;
    return row * kColumns + col;
}

void CPaletteGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    CDC dc(&painter);
    dc.FillRect(CRect { 0, 0, width(), height() }, RGB(200, 200, 200));
    for (int k = 0; k < kColumns * kRows; ++k)
        PaintSwatch(dc, k, SwatchRect(k));
    if (m_hover >= 0)
        dc.FrameRect(SwatchRect(m_hover), RGB(255, 255, 200));
}

void CPaletteGrid::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const int index = IndexAt(p.x(), p.y(), width(), height());
    if (index < 0 || index == m_hover)
        return;
    update(ToQRect(SwatchRect(index)));
    if (m_hover >= 0)
        update(ToQRect(SwatchRect(m_hover)));
    m_hover = index;
    setToolTip(SwatchName(index));
}

void CPaletteGrid::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    const int index = IndexAt(p.x(), p.y(), width(), height());
    if (index >= 0 && m_onPick)
        m_onPick(index);
}
