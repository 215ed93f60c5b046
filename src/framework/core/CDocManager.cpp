#include "framework/core/CDocManager.h"

#include "framework/core/CDocument.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/FileAccess.h"
#include "framework/core/FileName.h"
#include "framework/core/IFileDialogs.h"
#include "framework/core/MessageBox.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString CDocManager::kFilter = QStringLiteral("Ternary Files (*.tpf)");
const QString CDocManager::kDefaultExtension = QStringLiteral(".tpf");
const QString CDocManager::kOpenFilter = QStringLiteral("Plot files (*.tpf);;CSV and TSV files (*.csv *.tsv *.txt)");

CDocManager::CDocManager(CDocument& document, IFileDialogs& dialogs, CRecentFileList* recentFiles)
    : m_document(document)
    , m_dialogs(&dialogs)
    , m_recentFiles(recentFiles)
{
}

void CDocManager::TitleChanged()
{
    if (m_titleChanged)
        m_titleChanged();
}

bool CDocManager::OnFileNew()
{
    m_document.FinishEdits();
    if (!SaveModified())
        return false;
    const bool ok = m_document.OnNewDocument();
    if (ok)
        m_document.SendInitialUpdate();
    TitleChanged();
    return ok;
}

bool CDocManager::OnFileOpen()
{
    const QString path = m_dialogs->GetOpenFileName(kOpenFilter);
    if (path.isEmpty())
        return false;
    return OpenDocumentFile(path);
}

bool CDocManager::OpenDocumentFile(const QString& path)
{
    bool unreadable = false;
    return Open(path, unreadable);
}

bool CDocManager::Open(const QString& path, bool& unreadable)
{
    // The file is opened once, here, so that what is checked is what is read.
    const QString absolute = AbsoluteFileName(path);
    QFile file;
    QString reason;
    if (!OpenForReading(file, absolute, &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to open the file"), absolute, reason), MsgIcon::Exclamation);
        unreadable = true;
        return false;
    }
    m_document.FinishEdits();
    if (!SaveModified())
        return false;
    if (!m_document.OnOpenDocument(absolute, file)) {
        // The document may have been replaced by a new one (out of memory).
        m_document.SendInitialUpdate();
        TitleChanged();
        return false;
    }
    if (m_recentFiles)
        m_recentFiles->Add(absolute);
    m_document.SendInitialUpdate();
    TitleChanged();
    return true;
}

bool CDocManager::OnFileSave()
{
    m_document.FinishEdits();
    if (m_document.GetPathName().isEmpty())
        return OnFileSaveAs();
    return DoSave(m_document.GetPathName());
}

bool CDocManager::OnFileSaveAs()
{
    m_document.FinishEdits();
    // A plot read from samples is offered beside them, under their name.
    QString suggested = m_document.GetPathName();
    if (const QFileInfo source(m_document.GetNamingPath()); suggested.isEmpty() && !source.fileName().isEmpty())
        suggested = source.dir().filePath(source.completeBaseName() + kDefaultExtension);
    if (suggested.isEmpty())
        suggested = m_document.GetTitle() + kDefaultExtension;
    QString path = m_dialogs->GetSaveFileName(suggested, kFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += kDefaultExtension;
    return DoSave(AbsoluteFileName(path));
}

bool CDocManager::DoSave(const QString& path)
{
    const bool ok = m_document.OnSaveDocument(path);
    if (ok && m_recentFiles)
        m_recentFiles->Add(path);
    TitleChanged();
    return ok;
}

bool CDocManager::OnFileMruFile(int index)
{
    if (!m_recentFiles || index < 0 || index >= m_recentFiles->Count())
        return false;
    bool unreadable = false;
    if (Open(m_recentFiles->GetAt(index), unreadable))
        return true;
    if (unreadable)
        m_recentFiles->Remove(index);
    return false;
}

bool CDocManager::SaveModified()
{
    m_document.FinishEdits();
    if (!m_document.IsModified())
        return true;
    const MsgResult answer = MessageBox(QStringLiteral("Save changes to %1?").arg(m_document.GetTitle()),
        MsgIcon::Exclamation, MsgButtons::YesNoCancel);
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::No)
        return true;
    return OnFileSave();
}
