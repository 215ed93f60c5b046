#pragma once

#include "document/CTernaryDoc.h"
#include "framework/core/CDocManager.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"

#include <QString>

// What --save-as and --export share. While a session lives, and unless
// someone (a test) already answers the message boxes, every box goes to
// standard error as one line and is answered with its default button. The
// session's document is opened through the document manager as File Open
// does; its file dialogs are always cancelled, as nobody is there to answer.
// While an input loads, its messages start with its full path and a colon.
class BatchSession {
public:
    BatchSession();
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // Opens input, or starts a new document when it is empty. False when
    // that failed; the document manager has said why.
    bool Load(const QString& input);
    CTernaryDoc& Document() { return m_doc; }

private:
    class NoFileDialogs : public IFileDialogs {
    public:
        QString GetOpenFileName(const QString&) override { return {}; }
        QString GetSaveFileName(const QString&, const QString&) override { return {}; }
    };

    MessageBoxHandler m_previous;
    QString m_input; // the input being loaded, as messages name it
    CTernaryDoc m_doc;
    NoFileDialogs m_dialogs;
    CDocManager m_manager;
};
