// The plot's right-click menu and its commands.
#include "plot/PlotContextMenu.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CommandIds.h"
#include "plot/CTernaryView.h"

#include <QMenu>

std::unique_ptr<QMenu> CTernaryView::CreateContextMenu()
{
    auto menu = std::make_unique<QMenu>(this);
    CTernaryDoc* doc = GetDocument();
    const bool grids = doc && doc->m_drawGrids;
    const bool legend = doc && doc->m_drawLegend;
    auto add = [&menu](int id, const QString& text) {
        QAction* action = menu->addAction(text);
        action->setData(id);
        return action;
    };
    add(ID_PLOT_AXIS, QStringLiteral("Axis ..."));
    add(ID_PLOT_GRIDS, QStringLiteral("Grids ..."));
    add(ID_PLOT_FONTS, QStringLiteral("Fonts ..."));
    add(ID_PLOT_LEGEND, QStringLiteral("Legend ..."));
    menu->addSeparator();
    add(ID_PLOT_TOGGLE_GRID, grids ? QStringLiteral("Hide grid") : QStringLiteral("Show grid"));
    add(ID_PLOT_TOGGLE_LEGEND, legend ? QStringLiteral("Hide legend") : QStringLiteral("Show legend"));
    add(ID_PLOT_RESET_AXIS, QStringLiteral("Reset axis"));
    menu->addSeparator();
    // Copying the picture is the view's Copy command; until something
    // handles that, the item shows disabled.
    add(ID_PLOT_COPY_PICTURE, QStringLiteral("Copy picture"))->setEnabled(HasCommandHandler(ID_EDIT_COPY));
    add(ID_PLOT_COPY_FIGURE, QStringLiteral("Copy Figure"));
    return menu;
}

void CTernaryView::OnContextCommand(int id)
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    switch (id) {
    case ID_PLOT_AXIS:
        FormatAxisAndTitles(0);
        break;
    case ID_PLOT_COPY_PICTURE:
        OnCmdMsg(ID_EDIT_COPY);
        break;
    case ID_PLOT_COPY_FIGURE:
        CopyFigure();
        break;
    case ID_PLOT_RESET_AXIS:
        ResetAxes();
        break;
    case ID_PLOT_TOGGLE_GRID:
        doc->ToggleGrids();
        break;
    case ID_PLOT_FONTS:
        FormatAxisAndTitles(4);
        break;
    case ID_PLOT_GRIDS:
        FormatAxisAndTitles(3);
        break;
    case ID_PLOT_LEGEND:
        FormatAxisAndTitles(5);
        break;
    case ID_PLOT_TOGGLE_LEGEND:
        doc->ToggleLegend();
        break;
    default:
        break;
    }
}

void CTernaryView::ResetAxes()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    DocumentChange change(doc, "Reset Axis");
    for (AxisSettings* axis : { &doc->m_topAxis, &doc->m_leftAxis, &doc->m_rightAxis }) {
        axis->min = 0;
        axis->max = 100;
        axis->increment = 10;
    }
    m_geo.m_panOffset = {};
    m_geo.m_scale = 1.0f;
    Relayout();
}
