// The sample table's commands from the frame: whole rows, Select All and
// Find reach the table whichever pane is active, and Sort and Find open
// their dialogs over it.
#include "window/CMainFrame.h"

#include "dialogs/CFindDialog.h"
#include "dialogs/CSortDialog.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "tables/CTernaryTable.h"

void CMainFrame::RegisterTableCommands()
{
    // Only reached while the plot is active: the table handles them itself.
    for (int id : { ID_EDIT_INSERT_ROWS, ID_EDIT_DELETE_ROWS })
        OnCommand(id, [this, id] { m_table->OnCmdMsg(id); });
    OnCommand(ID_EDIT_SELECT_ALL, [this] {
        m_table->OnSelectAll();
        SetActiveView(m_table);
    });
    OnCommand(ID_EDIT_SORT, [this] { RunSortDialog(*m_table, this); });
    auto find = [this](bool next) {
        const bool found = next && !m_table->FindText().isEmpty() ? m_table->FindNext() : RunFindDialog(*m_table, this);
        if (found)
            SetActiveView(m_table);
    };
    OnCommand(ID_EDIT_FIND, [find] { find(false); });
    OnCommand(ID_EDIT_FIND_NEXT, [find] { find(true); });
}
