// The plot view's side of the "Format Axis & Titles" sheet: the document's
// settings go into the sheet and, on OK, back into the document.
#include "plot/CTernaryView.h"

#include "analysis/DiagramChoice.h"
#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "document/FormatOptions.h"
#include "framework/core/ISampleTable.h"
#include "plot/IOptionsSheet.h"

namespace {

FormatOptions ReadOptions(const CTernaryDoc& doc)
{
    FormatOptions options;
    options.axes = { doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis };
    options.drawGrids = doc.m_drawGrids;
    options.equilateral = doc.m_equilateral;
    options.drawTicks = doc.m_drawTicks;
    options.tickSide = doc.m_tickSide;
    options.lineStyle = doc.m_lineStyle;
    options.lineColor = doc.m_lineColor;
    options.bgColor = doc.m_bgColor;
    options.customColors = doc.m_customColors;
    options.annotFont = doc.m_annotFont;
    options.axisFont = doc.m_axisFont;
    options.legendFont = doc.m_legendFont;
    options.drawLegend = doc.m_drawLegend;
    options.drawShadow = doc.m_legend.m_drawShadow;
    options.legendBackColor = doc.m_legend.m_backColor;
    options.diagram = doc.m_diagram;
    options.density = doc.m_density;
    return options;
}

void WriteAxis(AxisSettings& axis, const AxisSettings& edited)
{
    axis.title = edited.title;
    axis.min = edited.min;
    axis.max = edited.max;
    axis.increment = edited.increment;
}

} // namespace

void CTernaryView::FormatAxisAndTitles(int page)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc || !m_optionsSheet)
        return;
    FormatOptions options = ReadOptions(*doc);
    if (!m_optionsSheet->Run(options, page, this))
        return;
    // One undo step; an OK that changed nothing the file holds is none.
    DocumentChange change(doc, "Change Options");

    WriteAxis(doc->m_topAxis, options.axes[0]);
    WriteAxis(doc->m_leftAxis, options.axes[1]);
    WriteAxis(doc->m_rightAxis, options.axes[2]);
    doc->m_drawGrids = options.drawGrids;
    doc->m_equilateral = options.equilateral;
    doc->m_drawTicks = options.drawTicks;
    doc->m_tickSide = options.tickSide;
    doc->m_lineStyle = options.lineStyle;
    doc->m_lineColor = options.lineColor;
    doc->m_bgColor = options.bgColor;
    doc->m_customColors = options.customColors;
    doc->m_annotFont = options.annotFont;
    doc->m_axisFont = options.axisFont;
    doc->m_legendFont = options.legendFont;
    // A newly chosen built-in diagram names axes that still have the default titles.
    const DiagramKind before = doc->m_diagram.kind;
    doc->m_diagram = options.diagram;
    if (doc->m_diagram.kind != before)
        SetDiagramTitles(*doc, doc->m_diagram.kind);
    // The axis font is taken at every paint; the legend and the annotations
    // keep theirs, and the annotations fit their boxes to the new one.
    EnsureLayers();
    RebuildFonts();
    for (CView* view : doc->GetViews())
        if (auto* table = dynamic_cast<ISampleTable*>(view))
            table->RefreshAxisHeaders();
    doc->m_drawLegend = options.drawLegend;
    doc->m_legend.m_backColor = options.legendBackColor;
    doc->m_legend.m_drawShadow = options.drawShadow;
    doc->m_density = options.density;
    doc->UpdateAllViews(nullptr);
    Relayout();
}
