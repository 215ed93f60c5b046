#include "app/BatchSession.h"

#include <cstdio>

BatchSession::BatchSession()
    : m_manager(m_doc, m_dialogs)
{
    m_previous = SetMessageBoxHandler(nullptr);
    if (m_previous) {
        SetMessageBoxHandler(m_previous);
        return;
    }
    SetMessageBoxHandler([](const QString& text, MsgIcon, MsgButtons buttons) {
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        return DefaultAnswer(buttons);
    });
}

BatchSession::~BatchSession() { SetMessageBoxHandler(m_previous); }

bool BatchSession::Load(const QString& input)
{
    return input.isEmpty() ? m_manager.OnFileNew() : m_manager.OpenDocumentFile(input);
}
