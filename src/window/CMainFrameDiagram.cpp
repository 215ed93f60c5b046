// View > Classification Diagram and View > Class Counts.
#include "window/CMainFrame.h"

#include "analysis/DiagramChoice.h"
#include "dialogs/CClassCountsDialog.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "plot/CTernaryView.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

void CMainFrame::AddDiagramMenu(QMenu* view)
{
    view->addSeparator();
    QMenu* diagram = view->addMenu(QStringLiteral("Classification Diagram"));
    auto* choices = new QActionGroup(diagram); // one of them, shown as radio items
    for (int id : { ID_DIAGRAM_NONE, ID_DIAGRAM_SOIL_TEXTURE, ID_DIAGRAM_QAP, ID_DIAGRAM_FROM_FILE }) {
        m_router->Action(id)->setCheckable(true);
        choices->addAction(m_router->Action(id));
        diagram->addAction(m_router->Action(id));
    }
    view->addAction(m_router->Action(ID_VIEW_CLASS_COUNTS));
}

void CMainFrame::RegisterDiagramCommands()
{
    const std::pair<int, DiagramKind> choices[] = { { ID_DIAGRAM_NONE, DiagramKind::None },
        { ID_DIAGRAM_SOIL_TEXTURE, DiagramKind::SoilTexture }, { ID_DIAGRAM_QAP, DiagramKind::Qap } };
    for (const auto& [id, kind] : choices) {
        OnCommand(id, [this, kind] {
            if (m_doc && m_doc->m_diagram.kind != kind)
                ApplyClassDiagram(*m_doc, kind);
        });
        OnUpdateCommand(id, [this, kind](CCmdUI& ui) { ui.SetCheck(m_doc && m_doc->m_diagram.kind == kind); });
    }
    OnCommand(ID_FORMAT_DIAGRAM, [this] { m_plot->FormatAxisAndTitles(6); });
    OnCommand(ID_VIEW_CLASS_COUNTS, [this] {
        if (m_doc)
            CClassCountsDialog(*m_doc, this).exec();
    });
    OnUpdateCommand(
        ID_VIEW_CLASS_COUNTS, [this](CCmdUI& ui) { ui.Enable(m_doc && m_doc->m_diagram.kind != DiagramKind::None); });
}
