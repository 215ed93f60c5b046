#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

// One row of the program's command table: the identifier, the menu text
// (with "\t" and the accelerator's name where it has one), the accelerator
// and the prompt "status text\ntooltip". The menus, the toolbar and the
// accelerators are all built from this one table.
struct CommandInfo {
    int id;
    const char* menuText;
    const char* shortcut; // empty: none
    const char* prompt; // empty: none
};

// Every command the program knows, in no particular order.
const std::vector<CommandInfo>& CommandTable();

// The row of id, or nullptr.
const CommandInfo* FindCommand(int id);

// The part of the prompt before the line feed (the whole prompt without one).
QString CommandStatusText(const CommandInfo& info);

// The part of the prompt after the line feed (empty without one).
QString CommandToolTip(const CommandInfo& info);

// The accelerator of the command, empty when it has none.
QKeySequence CommandShortcut(const CommandInfo& info);
