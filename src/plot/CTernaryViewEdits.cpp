// What the plot view does for the document's history: the change scope of a
// mouse gesture, ending its in-place editors, and bringing the legend and
// the annotations back onto the canvas.
#include "plot/CTernaryView.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/CanvasBounds.h"
#include "plot/LegendBox.h"

void CTernaryView::BeginPlotChange()
{
    CTernaryDoc* doc = GetDocument();
    // A press without its release (the grab was lost) ends its change here.
    EndPlotChange();
    if (!doc)
        return;
    doc->BeginChange(nullptr);
    m_changeOpen = true;
}

void CTernaryView::EndPlotChange()
{
    if (!m_changeOpen)
        return;
    m_changeOpen = false;
    if (CTernaryDoc* doc = GetDocument())
        doc->EndChange();
}

void CTernaryView::FinishEdits()
{
    if (!m_annotations)
        return;
    if (m_annotations->Editor())
        OnAnnotEditDone();
    if (m_legend->IsEditing())
        OnLegendEditDone();
}

void CTernaryView::FrameAxes()
{
    if (CTernaryDoc* doc = GetDocument()) {
        m_geo.m_equilateral = doc->m_equilateral != 0;
        m_geo.FrameCorners(doc->m_topAxis, doc->m_leftAxis, doc->m_rightAxis);
    }
    Relayout();
}

void CTernaryView::BringIntoView()
{
    CTernaryDoc* doc = GetDocument();
    EnsureLayers();
    if (!doc || !m_legend)
        return;
    FinishEdits();
    // The box's right and bottom as the next paint will draw them.
    CDC measure;
    m_legend->Layout(measure);
    DocumentChange change(doc, "Bring into View");
    // Only what is out of reach moves, and then wholly onto the canvas.
    const CSize canvas = m_geo.m_canvasSize;
    auto bringBack = [&](const CRect& r) {
        return OffsetOntoCanvas(r, canvas) == CPoint {} ? CPoint {} : OffsetOntoCanvas(r, canvas, kCoordLimit);
    };
    CRect& box = doc->m_legend.m_position;
    const CPoint d = bringBack(box);
    box.OffsetRect(d.x, d.y);
    for (const auto& a : doc->m_annotations.m_items) {
        const CPoint shift = bringBack(a->rect);
        a->rect.OffsetRect(shift.x, shift.y);
    }
    viewport()->update();
}
