#include "plot/LegendBox.h"

#include "document/CanvasPosition.h"
#include "document/PlotLegend.h"
#include "document/StoredText.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/CDC.h"
#include "plot/CLegendEdit.h"
#include "plot/CTernaryView.h"
#include "plot/CanvasBounds.h"
#include "plot/PlotGeometry.h"
#include "plot/SymbolPainter.h"

#include <algorithm>

namespace {

CRect Shifted(const CRect& r, CPoint by)
{
    CRect s = r;
    s.OffsetRect(-by.x, -by.y);
    return s;
}

} // namespace

LegendBox::LegendBox(PlotLegend& legend)
    : m_legend(legend)
{
}

LegendBox::~LegendBox()
{
    if (m_view) {
        m_legend.m_endEditHook = nullptr;
        m_legend.m_clearHook = nullptr;
    }
    delete m_editor.data();
}

void LegendBox::SetView(CTernaryView* view)
{
    m_view = view;
    m_legend.m_endEditHook = [this] { EndEdit(); };
    m_legend.m_clearHook = [this] { m_dragging = false; };
}

void LegendBox::SetFont(const LogicalFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    if (m_editor)
        m_editor->setFont(MakeQFont(font));
}

void LegendBox::Layout(CDC& dc)
{
    const LogicalFont old = dc.SelectFont(m_font);
    const int h = dc.GetTextExtent(QStringLiteral("Blank")).cy;
    int width = 0;
    for (const auto& item : m_legend.m_items)
        width = std::max(width, dc.GetTextExtent(item->text).cx);
    width += 6;

    // Positions from a file may be anything: keep the sums inside int.
    CRect& pos = m_legend.m_position;
    pos.left = ClampPosition(pos.left);
    pos.top = ClampPosition(pos.top);
    const int count = m_legend.Count();
    const int step = h + kLineGap;
    const int rows = RowsPerColumn(count, step, pos.top);
    const int columns = std::max(1, (count + rows - 1) / rows);
    const int columnWidth = kSymbolColumn + 4 + width + kMargin;
    for (int i = 0; i < count; ++i) {
        CRect& r = m_legend.Item(i).rect;
        r.left = ClampCoord(pos.left + kMargin + kSymbolColumn + static_cast<long long>(i / rows) * columnWidth);
        r.top = ClampCoord(pos.top + kMargin + static_cast<long long>(i % rows) * step);
        r.bottom = r.top + h + 4;
        r.right = r.left + width;
    }
    pos.right = ClampCoord(pos.left + 2 * kMargin + kSymbolColumn + 4 + width + (columns - 1LL) * columnWidth);
    pos.bottom = ClampCoord(pos.top + 2 * kMargin + static_cast<long long>(std::min(rows, count)) * step);
    dc.SelectFont(old);
}

int LegendBox::RowsPerColumn(int count, int step, int top) const
{
    // The shadow runs two units below the box; both stay on the canvas. A
    // box whose top is off the canvas keeps one column.
    const long long room = static_cast<long long>(m_canvasHeight) - top - 2 * kMargin - 2;
    if (m_canvasHeight <= 0 || room < step || static_cast<long long>(count) * step <= room)
        return std::max(count, 1);
    return static_cast<int>(room / step);
}

void LegendBox::Draw(CDC& dc)
{
    if (m_legend.Count() == 0)
        return;
    Layout(dc);
    const CRect box = Shifted(m_legend.m_position, m_scroll);

    const LogicalFont oldFont = dc.SelectFont(m_font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const unsigned oldAlign = dc.SetTextAlign(TA_LEFT | TA_BOTTOM);
    const CPen oldPen = dc.SelectPen({ PS_SOLID, 1, m_legend.m_lineColor });
    const CBrush oldBrush = dc.SelectBrush({ BS_SOLID, m_legend.m_backColor });
    dc.Rectangle(box);

    for (const auto& item : m_legend.m_items) {
        const CRect r = Shifted(item->rect, m_scroll);
        const int x = r.left - kSymbolColumn + kSymbolColumn / 2;
        const int y = (r.top + r.bottom) / 2;
        DrawSampleSymbol(dc, item->colorId, item->symbolId, m_symbolSize, x, y, 1);
        if (!item->text.empty())
            dc.TextOut(r.left + 4, r.bottom - 2, item->text);
        if (item->selected)
            dc.FrameRect(r, RGB(200, 200, 200));
    }

    if (m_legend.m_drawShadow) {
        dc.SelectPen({ PS_SOLID, 1, RGB(100, 100, 100) });
        dc.MoveTo(box.right, box.top + 2);
        dc.LineTo(box.right, box.bottom);
        dc.LineTo(box.left + 2, box.bottom);
        dc.MoveTo(box.right + 1, box.top + 2);
        dc.LineTo(box.right + 1, box.bottom + 1);
        dc.LineTo(box.left + 2, box.bottom + 1);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    dc.SetTextAlign(oldAlign);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}

LegendItem* LegendBox::ItemAt(CPoint canvas) const
{
    for (const auto& item : m_legend.m_items)
        if (item->rect.PtInRect(canvas))
            return item.get();
    return nullptr;
}

bool LegendBox::OnLButtonDown(CPoint p)
{
    if (IsEditing()) {
        EndEdit();
        return false;
    }
    const CPoint canvas { p.x + m_scroll.x, p.y + m_scroll.y };
    if (!m_legend.m_position.PtInRect(canvas)) {
        m_legend.ClearSelection();
        return false;
    }
    LegendItem* item = ItemAt(canvas);
    if (item && item->selected) {
        m_legend.ClearSelection();
        StartEdit(*item);
        return true;
    }
    m_legend.ClearSelection();
    if (item)
        item->selected = 1;
    m_lastDragPoint = canvas;
    m_dragging = true;
    Repaint();
    return true;
}

bool LegendBox::OnLButtonDblClk(CPoint p)
{
    LegendItem* item = ItemAt({ p.x + m_scroll.x, p.y + m_scroll.y });
    if (!item)
        return false;
    StartEdit(*item);
    return true;
}

bool LegendBox::OnMouseMove(CPoint p)
{
    if (!m_dragging)
        return false;
    const CPoint canvas { p.x + m_scroll.x, p.y + m_scroll.y };
    // The box follows the pointer, but never off the canvas; the next paint
    // draws it at its new place.
    CRect moved = m_legend.m_position;
    moved.OffsetRect(canvas.x - m_lastDragPoint.x, canvas.y - m_lastDragPoint.y);
    if (m_view) {
        const CPoint back = OffsetOntoCanvas(moved, m_view->Geometry().m_canvasSize);
        moved.OffsetRect(back.x, back.y);
    }
    m_lastDragPoint.x += moved.left - m_legend.m_position.left;
    m_lastDragPoint.y += moved.top - m_legend.m_position.top;
    m_legend.m_position = moved;
    Repaint();
    return true;
}

bool LegendBox::OnLButtonUp(CPoint)
{
    m_dragging = false;
    return true;
}

bool LegendBox::IsEditing() const { return m_editor && m_editor->IsEditing(); }

void LegendBox::StartEdit(LegendItem& item)
{
    if (!m_view)
        return;
    const CRect r = Shifted(item.rect, m_scroll);
    if (!m_editor) {
        m_editor = new CLegendEdit(m_view->viewport());
        m_editor->setFont(MakeQFont(m_font));
        m_editor->SetRefusedCharacters(QStringLiteral(";"));
        QObject::connect(m_editor, &CLegendEdit::editDone, m_view, &CTernaryView::OnLegendEditDone);
    }
    m_editor->setGeometry(r.left - 2, r.top - 2, r.Width() + 4, r.Height() + 4);
    m_editor->setText(CDC::DisplayText(item.text));
    m_editor->SetEditing(true);
    m_editor->show();
    m_editor->setFocus();
    m_editor->selectAll();
    m_editor->AutoSize();
    m_editingItem = &item;
}

void LegendBox::EndEdit()
{
    if (!m_editor)
        return;
    if (m_editor->IsEditing())
        m_editor->EndEditing(); // emits the end-of-edit message, which comes back here
    if (m_editingItem) {
        m_editingItem->text = TypedText(m_editor->FinalText());
        m_editingItem = nullptr;
    }
    m_legend.ClearSelection();
    m_editor = nullptr; // the window deletes itself
}

void LegendBox::Repaint() const
{
    if (m_view)
        m_view->viewport()->update();
}
