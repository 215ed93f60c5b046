#pragma once

#include <QString>

#include <functional>

// The one way the program asks or tells the user something in a box.
// The application installs a handler that shows a real dialog; batch mode
// prints to standard error; tests install a handler that records the text
// and answers. Without a handler the text goes to standard error and the
// box answers as if the user had pressed its default button.

enum class MsgIcon { None, Information, Exclamation, Stop, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

using MessageBoxHandler = std::function<MsgResult(const QString& text, MsgIcon icon, MsgButtons buttons)>;

// Shows the box through the installed handler and returns the answer.
MsgResult MessageBox(const QString& text, MsgIcon icon = MsgIcon::Exclamation, MsgButtons buttons = MsgButtons::Ok);

// Installs a handler and returns the one it replaces (empty for the default).
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The answer a box gives when nobody is there to press a button.
MsgResult DefaultAnswer(MsgButtons buttons);
