#pragma once

#include "framework/core/CCmdUI.h"

#include <QObject>

#include <functional>
#include <map>
#include <vector>

class CCmdTarget;
class QAction;
class QMenu;
class QTimer;
class QWidget;

// Turns the command table into QActions and sends every chosen command along
// the route of command targets: the active view, then the document, then the
// frame, then the application. The first target whose command map names the
// command handles it.
//
// Before a watched menu opens, and on an idle timer for the toolbar and the
// accelerators, every action's state is refreshed: the first target along the
// route with an update handler for the command sets it; when that handler
// does not enable or disable the command, or when nobody has an update
// handler, the command is enabled exactly when some target along the route
// has a command handler for it. A command nobody handles is thus disabled.
class CCommandRouter : public QObject {
    Q_OBJECT
public:
    using RouteFunction = std::function<std::vector<CCmdTarget*>()>;

    // Actions are children of window and added to it, so that their
    // accelerators work whether or not a menu shows them.
    explicit CCommandRouter(QWidget* window);
    ~CCommandRouter() override;

    // The function that lists the targets in routing order at the moment of
    // the call (null entries are skipped).
    void SetRoute(RouteFunction route) { m_route = std::move(route); }

    // The action of id, created from the command table on first request
    // (an id missing from the table gets an action with an empty text).
    QAction* Action(int id);

    // Sends the command along the route; false when no target handled it.
    // The hook set with SetBeforeRoute runs first.
    bool Route(int id);
    // Runs before every routed command (the frame ends edits in progress).
    void SetBeforeRoute(std::function<void(int id)> hook) { m_beforeRoute = std::move(hook); }

    // The state the update handlers give the command now.
    CCmdUI QueryState(int id) const;

    // Applies QueryState to the command's action.
    void UpdateAction(int id);
    // Updates every action created so far.
    void UpdateAll();

    // Updates the actions of menu (and of its submenus) before it opens.
    void WatchMenu(QMenu* menu);

    // Updates all actions every interval milliseconds while the program idles.
    void StartIdleUpdates(int intervalMs = 200);

private:
    std::vector<CCmdTarget*> Targets() const;

    QWidget* m_window;
    RouteFunction m_route;
    std::function<void(int)> m_beforeRoute;
    std::map<int, QAction*> m_actions;
    QTimer* m_idleTimer = nullptr;
};
