#include "app/BatchSession.h"

#include "framework/core/FileName.h"

#include <QDir>

#include <cstdio>

BatchSession::BatchSession()
    : m_manager(m_doc, m_dialogs)
{
    m_previous = SetMessageBoxHandler(nullptr);
    if (m_previous) {
        SetMessageBoxHandler(m_previous);
        return;
    }
    SetMessageBoxHandler([this](const QString& text, MsgIcon, MsgButtons buttons) {
        QString line = m_input.isEmpty() ? text : m_input + QStringLiteral(": ") + text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        std::fprintf(stderr, "%s\n", line.toUtf8().constData());
        return DefaultAnswer(buttons);
    });
}

BatchSession::~BatchSession() { SetMessageBoxHandler(m_previous); }

bool BatchSession::Load(const QString& input)
{
    if (input.isEmpty())
        return m_manager.OnFileNew();
    // A run over many files says which one each message is about.
    m_input = ShownFileName(QDir::toNativeSeparators(AbsoluteFileName(input)));
    const bool loaded = m_manager.OpenDocumentFile(input);
    m_input.clear();
    return loaded;
}
