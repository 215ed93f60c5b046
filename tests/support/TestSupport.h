#pragma once

#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"

#include <QString>
#include <QStringList>

#include <sys/resource.h>

#include <deque>
#include <ostream>
#include <string>
#include <vector>

// Records every message box shown while it lives and answers them: with the
// queued answers first, then with each box's default button.
class MessageBoxRecorder {
public:
    struct Box {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    void QueueAnswer(MsgResult answer) { m_answers.push_back(answer); }
    const std::vector<Box>& Boxes() const { return m_boxes; }
    std::vector<QString> Texts() const;
    void Clear() { m_boxes.clear(); }

private:
    MessageBoxHandler m_previous;
    std::vector<Box> m_boxes;
    std::deque<MsgResult> m_answers;
};

// Answers the file dialogs with the queued names in turn (none left:
// cancelled) and records the names the save dialog suggested.
struct ScriptedFileDialogs : IFileDialogs {
    QStringList answers;
    QStringList suggestions;
    QString GetOpenFileName(const QString&) override { return answers.isEmpty() ? QString() : answers.takeFirst(); }
    QString GetSaveFileName(const QString& suggestedPath, const QString& filter) override
    {
        suggestions << suggestedPath;
        return GetOpenFileName(filter);
    }
};

// Lets queued events and repaints run.
void Settle();

// GoogleTest prints QStrings in failure messages through this.
inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << '"' << s.toStdString() << '"'; }

// Path of a file below tests/data.
QString TestDataPath(const QString& name);

// Whole content of a file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const QString& path);

// The names in a folder as the system holds them (bytes, not UTF-8 text),
// sorted, without those starting with a dot.
std::vector<std::string> RawFileNames(const QString& folder);

// Writes bytes to a file, replacing it; false on failure.
bool WriteFileBytes(const QString& path, const std::string& bytes);

// While it lives, no file this process writes may grow past the given size:
// a write beyond it fails ("File too large") as it would on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool ok() const { return m_ok; }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
    bool m_ok = false;
};
