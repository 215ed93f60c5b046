#include "framework/core/MessageBox.h"

#include <cstdio>
#include <utility>

namespace {
MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}
} // namespace

MsgResult DefaultAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::Ok:
    case MsgButtons::OkCancel:
        return MsgResult::Ok;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return MsgResult::Yes;
    }
    return MsgResult::Ok;
}

MsgResult MessageBox(const QString& text, MsgIcon icon, MsgButtons buttons)
{
    if (const MessageBoxHandler& handler = CurrentHandler())
        return handler(text, icon, buttons);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    return DefaultAnswer(buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}
