// The document's own commands: the Options menu's toggles and symbol sizes,
// the two tools and the two zoom buttons, with their update handlers.
#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "document/IPlotView.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CView.h"
#include "framework/core/CommandIds.h"

namespace {

// Zoom limits of the Enlarge plot and Zoom out buttons.
constexpr float kMaxScale = 4.0f;
constexpr float kMinScale = 0.4f;

} // namespace

IPlotView* CTernaryDoc::PlotView() const
{
    // Only a view that has had its initial update (and set m_plotView) counts.
    if (!m_plotView)
        return nullptr;
    for (CView* view : GetViews()) {
        if (auto* plot = dynamic_cast<IPlotView*>(view))
            return plot;
    }
    return nullptr;
}

void CTernaryDoc::RepaintPlot() const
{
    if (IPlotView* plot = PlotView())
        plot->InvalidatePlot();
}

void CTernaryDoc::ToggleGrids()
{
    DocumentChange change(this, m_drawGrids ? "Hide Grids" : "Show Grids");
    m_drawGrids = !m_drawGrids;
    // A plot without grids shows ticks, so that the values can still be read.
    if (!m_drawGrids && !m_drawTicks)
        m_drawTicks = 1;
    RepaintPlot();
}

void CTernaryDoc::ToggleLegend()
{
    DocumentChange change(this, m_drawLegend ? "Hide Legend" : "Show Legend");
    m_drawLegend = !m_drawLegend;
    RepaintPlot();
}

void CTernaryDoc::RegisterCommands()
{
    // Changes of saved values are undo steps and mark the document modified;
    // the zoom and the tool choice are not saved and are neither.
    auto change = [this](int& field, int value, bool repaint, const char* name) {
        DocumentChange step(this, name);
        field = value;
        if (repaint)
            RepaintPlot();
    };

    const std::pair<int, int> sizes[] = { { ID_SYMBOL_HUGE, 7 }, { ID_SYMBOL_LARGE, 6 }, { ID_SYMBOL_MEDIUM, 5 },
        { ID_SYMBOL_SMALL, 4 }, { ID_SYMBOL_TINY, 3 } };
    // Plain names for the lambdas: clang 14 (the fuzz build) cannot capture
    // structured bindings.
    for (const auto& entry : sizes) {
        const int size = entry.second;
        OnCommand(entry.first, [this, change, size] { change(m_symbolSize, size, true, "Symbol Size"); });
        OnUpdateCommand(entry.first, [this, size](CCmdUI& ui) { ui.SetCheck(m_symbolSize == size); });
    }

    OnCommand(ID_AUTO_ADD, [this, change] { change(m_autoAdd, !m_autoAdd, false, "Auto-add"); });
    OnUpdateCommand(ID_AUTO_ADD, [this](CCmdUI& ui) { ui.SetCheck(m_autoAdd == 1); });
    OnCommand(ID_AUTO_100, [this, change] {
        change(m_autoBalance, !m_autoBalance, true, "Auto-100%");
        UpdateAllViews(nullptr, 0); // the table marks the rows the plot leaves out
    });
    OnUpdateCommand(ID_AUTO_100, [this](CCmdUI& ui) { ui.SetCheck(m_autoBalance == 1); });

    OnCommand(ID_TOGGLE_GRID, [this] { ToggleGrids(); });
    OnUpdateCommand(ID_TOGGLE_GRID,
        [this](CCmdUI& ui) { ui.SetText(m_drawGrids ? QStringLiteral("Hide grids") : QStringLiteral("Show grids")); });
    OnCommand(ID_SHOW_NAMES, [this, change] { change(m_showId, !m_showId, true, "Sample Names"); });
    OnUpdateCommand(ID_SHOW_NAMES, [this](CCmdUI& ui) {
        ui.SetText(m_showId ? QStringLiteral("Hide sample names") : QStringLiteral("Show sample names"));
    });
    OnCommand(ID_TOGGLE_LEGEND, [this] { ToggleLegend(); });
    OnUpdateCommand(ID_TOGGLE_LEGEND, [this](CCmdUI& ui) {
        ui.SetText(m_drawLegend ? QStringLiteral("Hide legend") : QStringLiteral("Show legend"));
    });

    // Ending an annotation edit may add or change one: a step of its own.
    auto endAnnotationEdit = [this] {
        DocumentChange step(this, nullptr);
        if (IPlotView* plot = PlotView()) {
            plot->EndAnnotationEdit();
            plot->InvalidatePlot();
        }
    };
    OnCommand(ID_TOOL_DRAG, [this, endAnnotationEdit] {
        m_textTool = 0;
        endAnnotationEdit();
    });
    OnUpdateCommand(ID_TOOL_DRAG, [this](CCmdUI& ui) { ui.SetCheck(m_textTool == 0); });
    OnCommand(ID_TOOL_TEXT, [this, endAnnotationEdit] {
        m_textTool = !m_textTool;
        if (!m_textTool)
            endAnnotationEdit();
    });
    OnUpdateCommand(ID_TOOL_TEXT, [this](CCmdUI& ui) { ui.SetCheck(m_textTool == 1); });

    OnCommand(ID_ENLARGE_PLOT, [this] {
        if (IPlotView* plot = PlotView())
            plot->ZoomIn();
    });
    OnUpdateCommand(ID_ENLARGE_PLOT, [this](CCmdUI& ui) {
        if (IPlotView* plot = PlotView())
            ui.Enable(plot->Scale() < kMaxScale);
    });
    OnCommand(ID_ZOOM_OUT, [this] {
        if (IPlotView* plot = PlotView())
            plot->ZoomOut();
    });
    OnUpdateCommand(ID_ZOOM_OUT, [this](CCmdUI& ui) {
        if (IPlotView* plot = PlotView())
            ui.Enable(plot->Scale() > kMinScale);
    });
}
