#pragma once

#include "framework/core/MessageBox.h"

class QWidget;

// Shows text in a modal QMessageBox titled "Ternary" with the icon and the
// buttons asked for, over parent (or the active window), and returns the
// button pressed. Closing the box with Esc or its close button gives Cancel
// where there is one, No for Yes/No and Ok for Ok.
MsgResult ShowGuiMessageBox(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons);

// Makes every MessageBox of the program a real dialog over the active window.
// Returns the handler it replaces.
MessageBoxHandler InstallGuiMessageBoxHandler();
