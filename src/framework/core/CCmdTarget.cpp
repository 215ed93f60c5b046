#include "framework/core/CCmdTarget.h"

#include "framework/core/CCmdUI.h"

#include <utility>

CCmdTarget::~CCmdTarget() = default;

bool CCmdTarget::OnCmdMsg(int id)
{
    auto it = m_commandMap.find(id);
    if (it == m_commandMap.end() || !it->second.handler)
        return false;
    // Copy first: the handler may replace its own entry while it runs.
    Handler handler = it->second.handler;
    handler();
    return true;
}

bool CCmdTarget::OnUpdateCmdUI(CCmdUI& ui)
{
    auto it = m_commandMap.find(ui.m_nID);
    if (it == m_commandMap.end() || !it->second.update)
        return false;
    it->second.update(ui);
    return true;
}

bool CCmdTarget::HasCommandHandler(int id) const
{
    auto it = m_commandMap.find(id);
    return it != m_commandMap.end() && it->second.handler;
}

void CCmdTarget::OnCommand(int id, Handler handler) { m_commandMap[id].handler = std::move(handler); }

void CCmdTarget::OnUpdateCommand(int id, UpdateHandler handler) { m_commandMap[id].update = std::move(handler); }
