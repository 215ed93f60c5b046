// The frame's Undo and Redo commands. The document owns the undo stack; the
// frame gives it one (a window edits, batch mode does not) and offers its
// steps whichever pane is active.
#include "window/CMainFrame.h"

#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "plot/CTernaryView.h"

#include <QAction>
#include <QUndoStack>

void CMainFrame::RegisterUndoCommands()
{
    QAction* undo = m_router->Action(ID_EDIT_UNDO);
    QAction* redo = m_router->Action(ID_EDIT_REDO);
    redo->setShortcuts({ QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z")) });
    OnCommand(ID_VIEW_BRING_INTO_VIEW, [this] { m_plot->BringIntoView(); });
    // Print, export, the file commands and the options all see what the user
    // sees: an edit in progress ends first, as Enter would. The Edit commands
    // and the two tools end or use the edit themselves.
    m_router->SetBeforeRoute([this](int id) {
        const bool editCommand = id == ID_EDIT_CUT || id == ID_EDIT_COPY || id == ID_EDIT_PASTE || id == ID_EDIT_CLEAR
            || id == ID_EDIT_FILL_DOWN || id == ID_EDIT_UNDO || id == ID_EDIT_REDO || id == ID_TOOL_TEXT
            || id == ID_TOOL_DRAG;
        if (m_doc && !editCommand)
            m_doc->FinishEdits();
    });
    if (!m_doc)
        return;
    m_doc->EnableUndo();
    QUndoStack* stack = m_doc->GetUndoStack();

    // An edit in progress becomes a step first, so Undo takes back what the
    // user sees, typed text included.
    OnCommand(ID_EDIT_UNDO, [this, stack] {
        m_doc->FinishEdits();
        stack->undo();
    });
    OnCommand(ID_EDIT_REDO, [this, stack] {
        m_doc->FinishEdits();
        stack->redo();
    });
    // "Undo Typing", "Redo Move Legend": the menu, the toolbar's tooltip
    // and the enabled state follow the stack.
    auto refresh = [undo, redo, stack] {
        const QString undoText
            = stack->canUndo() ? QStringLiteral("Undo ") + stack->undoText() : QStringLiteral("Undo");
        const QString redoText
            = stack->canRedo() ? QStringLiteral("Redo ") + stack->redoText() : QStringLiteral("Redo");
        undo->setText(QStringLiteral("&") + undoText + QStringLiteral("\tCtrl+Z"));
        undo->setToolTip(undoText);
        redo->setText(QStringLiteral("&") + redoText + QStringLiteral("\tCtrl+Y"));
        redo->setToolTip(redoText);
        undo->setEnabled(stack->canUndo());
        redo->setEnabled(stack->canRedo());
    };
    connect(stack, &QUndoStack::indexChanged, this, refresh);
    connect(stack, &QUndoStack::cleanChanged, this, [this] { UpdateFrameTitle(); });
    OnUpdateCommand(ID_EDIT_UNDO, [stack](CCmdUI& ui) { ui.Enable(stack->canUndo()); });
    OnUpdateCommand(ID_EDIT_REDO, [stack](CCmdUI& ui) { ui.Enable(stack->canRedo()); });
    refresh();
}
