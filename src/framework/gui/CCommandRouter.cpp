#include "framework/gui/CCommandRouter.h"

#include "framework/core/CCmdTarget.h"
#include "framework/gui/CommandTable.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QWidget>

CCommandRouter::CCommandRouter(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

CCommandRouter::~CCommandRouter() = default;

QAction* CCommandRouter::Action(int id)
{
    if (auto it = m_actions.find(id); it != m_actions.end())
        return it->second;
    auto* action = new QAction(m_window);
    if (const CommandInfo* info = FindCommand(id)) {
        action->setText(QString::fromUtf8(info->menuText));
        const QKeySequence shortcut = CommandShortcut(*info);
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        action->setStatusTip(CommandStatusText(*info));
        const QString tip = CommandToolTip(*info);
        // Without a tooltip in the prompt, Qt would show the menu text.
        action->setToolTip(tip.isEmpty() ? CommandStatusText(*info) : tip);
    }
    action->setData(id);
    action->setEnabled(false);
    m_window->addAction(action);
    connect(action, &QAction::triggered, this, [this, id] {
        Route(id);
        UpdateAction(id);
    });
    m_actions.emplace(id, action);
    return action;
}

std::vector<CCmdTarget*> CCommandRouter::Targets() const
{
    std::vector<CCmdTarget*> targets;
    if (m_route) {
        for (CCmdTarget* target : m_route()) {
            if (target)
                targets.push_back(target);
        }
    }
    return targets;
}

bool CCommandRouter::Route(int id)
{
    if (m_beforeRoute)
        m_beforeRoute(id);
    for (CCmdTarget* target : Targets()) {
        if (target->OnCmdMsg(id))
            return true;
    }
    return false;
}

CCmdUI CCommandRouter::QueryState(int id) const
{
    CCmdUI ui(id);
    const std::vector<CCmdTarget*> targets = Targets();
    for (CCmdTarget* target : targets) {
        if (target->OnUpdateCmdUI(ui))
            break;
    }
    if (!ui.m_enableSet) {
        bool handled = false;
        for (CCmdTarget* target : targets)
            handled = handled || target->HasCommandHandler(id);
        ui.m_enabled = handled;
    }
    return ui;
}

void CCommandRouter::UpdateAction(int id)
{
    auto it = m_actions.find(id);
    if (it == m_actions.end())
        return;
    QAction* action = it->second;
    const CCmdUI ui = QueryState(id);
    action->setEnabled(ui.m_enabled);
    if (ui.m_checkSet) {
        action->setCheckable(true);
        action->setChecked(ui.m_checked);
    }
    if (ui.m_textSet)
        action->setText(ui.m_text);
}

void CCommandRouter::UpdateAll()
{
    for (const auto& entry : m_actions)
        UpdateAction(entry.first);
}

void CCommandRouter::WatchMenu(QMenu* menu)
{
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (QAction* action : menu->actions()) {
            if (!action->isSeparator() && !action->menu())
                UpdateAction(action->data().toInt());
        }
    });
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu())
            WatchMenu(sub);
    }
}

void CCommandRouter::StartIdleUpdates(int intervalMs)
{
    if (!m_idleTimer) {
        m_idleTimer = new QTimer(this);
        connect(m_idleTimer, &QTimer::timeout, this, &CCommandRouter::UpdateAll);
    }
    m_idleTimer->start(intervalMs);
}
