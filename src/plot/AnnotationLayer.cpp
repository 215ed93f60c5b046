#include "plot/AnnotationLayer.h"

#include "document/AnnotationList.h"
#include "document/StoredText.h"
#include "framework/core/TextEncoding.h"
#include "framework/gui/CDC.h"
#include "plot/CAnnotationEdit.h"
#include "plot/CTernaryView.h"
#include "plot/CanvasBounds.h"
#include "plot/PlotGeometry.h"

#include <memory>

AnnotationLayer::AnnotationLayer(AnnotationList& list)
    : m_list(list)
{
}

AnnotationLayer::~AnnotationLayer()
{
    if (m_view) {
        m_list.m_endEditHook = nullptr;
        m_list.m_clearHook = nullptr;
    }
    delete m_editor.data();
}

void AnnotationLayer::SetView(CTernaryView* view)
{
    m_view = view;
    // Before annotations are removed: finish the edit (which may add the one
    // being typed) and forget the one being moved.
    m_list.m_endEditHook = [this] {
        EndEdit();
        m_draggedItem = nullptr;
        m_dragging = false;
    };
}

void AnnotationLayer::SetFont(const LogicalFont& font)
{
    if (font == m_font)
        return;
    m_font = font;
    if (m_editor)
        m_editor->setFont(MakeQFont(font));
}

void AnnotationLayer::Layout(CDC& dc)
{
    const LogicalFont old = dc.SelectFont(m_font);
    for (const auto& a : m_list.m_items) {
        if (a->text.empty())
            continue;
        const CSize size = dc.GetTextExtent(CDC::DisplayText(a->text) + QStringLiteral("WW"));
        a->rect.right = ClampCoord(static_cast<long long>(a->rect.left) + size.cx + 4);
        a->rect.top = ClampCoord(static_cast<long long>(a->rect.bottom) - size.cy - 4);
    }
    dc.SelectFont(old);
}

void AnnotationLayer::Draw(CDC& dc)
{
    const LogicalFont oldFont = dc.SelectFont(m_font);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    const unsigned oldAlign = dc.GetTextAlign();
    for (const auto& a : m_list.m_items) {
        if (a->text.empty())
            continue;
        dc.SetTextAlign(TA_LEFT | TA_BASELINE);
        CRect r { ClampCoord(a->rect.left), ClampCoord(a->rect.top), ClampCoord(a->rect.right),
            ClampCoord(a->rect.bottom) };
        r.OffsetRect(-m_scroll.x, -m_scroll.y);
        dc.TextOut(r.left + 8, r.bottom - 6, a->text);
        // The annotation held by the mouse has a black frame until the release.
        if (m_dragging && a.get() == m_draggedItem)
            dc.FrameRect(r, RGB(0, 0, 0));
        else if (a->selected)
            dc.FrameRect(r, RGB(255, 200, 200));
    }
    dc.SetTextAlign(oldAlign);
    dc.SetBkMode(oldMode);
    dc.SelectFont(oldFont);
}

Annotation* AnnotationLayer::HitTest(CPoint canvas) const
{
    for (const auto& a : m_list.m_items)
        if (a->rect.PtInRect(canvas))
            return a.get();
    return nullptr;
}

bool AnnotationLayer::OnLButtonDown(CPoint p, bool tool)
{
    EndEdit();
    m_draggedItem = nullptr;
    const CPoint canvas { p.x + m_scroll.x, p.y + m_scroll.y };
    if (Annotation* hit = HitTest(canvas)) {
        if (tool) {
            EditAnnotation(*hit);
        } else {
            m_lastDragPoint = canvas;
            m_draggedItem = hit;
            m_dragging = true;
        }
        return true;
    }
    if (!tool) {
        for (const auto& a : m_list.m_items)
            a->selected = 0;
        Repaint();
        return false;
    }
    OpenEditor({ p.x, p.y - 1, p.x + 1, p.y + 8 }, QString());
    return true;
}

bool AnnotationLayer::OnLButtonDblClk(CPoint p, bool tool)
{
    if (tool)
        return false;
    EndEdit();
    Annotation* hit = HitTest({ p.x + m_scroll.x, p.y + m_scroll.y });
    if (!hit)
        return false;
    EditAnnotation(*hit);
    return true;
}

void AnnotationLayer::EditAnnotation(Annotation& a)
{
    CRect r = a.rect;
    r.OffsetRect(-m_scroll.x, -m_scroll.y);
    OpenEditor(r, CDC::DisplayText(a.text));
    m_editingItem = &a;
}

bool AnnotationLayer::OnMouseMove(CPoint p)
{
    if (!m_dragging || !m_draggedItem)
        return false;
    const CPoint canvas { p.x + m_scroll.x, p.y + m_scroll.y };
    // The annotation follows the pointer, but never off the canvas.
    CRect moved = m_draggedItem->rect;
    moved.OffsetRect(canvas.x - m_lastDragPoint.x, canvas.y - m_lastDragPoint.y);
    if (m_view) {
        const CPoint back = OffsetOntoCanvas(moved, m_view->Geometry().m_canvasSize);
        moved.OffsetRect(back.x, back.y);
    }
    m_lastDragPoint.x += moved.left - m_draggedItem->rect.left;
    m_lastDragPoint.y += moved.top - m_draggedItem->rect.top;
    m_draggedItem->rect = moved;
    Repaint();
    return true;
}

bool AnnotationLayer::OnLButtonUp(CPoint)
{
    if (m_draggedItem) {
        m_draggedItem->selected = 1;
        m_draggedItem = nullptr;
    }
    m_dragging = false;
    return true;
}

void AnnotationLayer::OpenEditor(const CRect& r, const QString& text)
{
    if (!m_view)
        return;
    delete m_editor.data();
    m_editor = new CAnnotationEdit(m_view->viewport());
    m_editor->SetRefusedCharacters(m_refused);
    m_editor->setFont(MakeQFont(m_font));
    m_editor->setGeometry(r.left, r.top, r.Width(), r.Height());
    m_editor->setText(text);
    QObject::connect(m_editor, &CAnnotationEdit::editDone, m_view, &CTernaryView::OnAnnotEditDone);
    m_editor->AutoSize();
    m_editor->show();
    m_editor->setFocus();
}

void AnnotationLayer::EndEdit()
{
    if (m_editor) {
        const QString text = m_editor->text();
        if (!text.isEmpty()) {
            const QRect g = m_editor->geometry();
            if (!m_editingItem)
                m_editingItem = m_list.Add(std::make_unique<Annotation>());
            m_editingItem->text = TypedText(text);
            m_editingItem->rect = { g.left() + m_scroll.x, g.top() + m_scroll.y, g.left() + g.width() + m_scroll.x,
                g.top() + g.height() + m_scroll.y };
        }
        m_editor->hide();
        m_editor->deleteLater();
        m_editor = nullptr;
    }
    m_editingItem = nullptr;
}

void AnnotationLayer::Repaint() const
{
    if (m_view)
        m_view->viewport()->update();
}
