#pragma once

#include <functional>
#include <map>

class CCmdUI;

// Anything a menu command can be routed to: the views, the document, the
// frame and the application. Each target keeps its own command map, filled
// in its constructor with OnCommand and OnUpdateCommand; the router asks the
// targets in turn and the first that names the command handles it.
// The class needs no widgets, so documents can take part as well.
class CCmdTarget {
public:
    using Handler = std::function<void()>;
    using UpdateHandler = std::function<void(CCmdUI&)>;

    CCmdTarget() = default;
    virtual ~CCmdTarget();
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the command handler registered for id; false when there is none.
    virtual bool OnCmdMsg(int id);

    // Runs the update handler registered for id; false when there is none.
    virtual bool OnUpdateCmdUI(CCmdUI& ui);

    // True when a command handler is registered for id.
    virtual bool HasCommandHandler(int id) const;

protected:
    // Registers (or replaces) the handler that runs when the command is chosen.
    void OnCommand(int id, Handler handler);
    // Registers (or replaces) the handler that sets the command's state.
    void OnUpdateCommand(int id, UpdateHandler handler);

private:
    struct Entry {
        Handler handler;
        UpdateHandler update;
    };
    std::map<int, Entry> m_commandMap;
};
