#include "framework/core/CDocument.h"

#include "framework/core/CArchive.h"
#include "framework/core/CView.h"
#include "framework/core/FileAccess.h"
#include "framework/core/MessageBox.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <new>

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->m_document = nullptr;
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    m_sourcePath.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    QFile file;
    QString reason;
    if (!OpenForReading(file, path, &reason)) {
        MessageBox(FileMessage(QStringLiteral("Unable to open the file"), path, reason), MsgIcon::Exclamation);
        return false;
    }
    return OnOpenDocument(path, file);
}

bool CDocument::OnOpenDocument(const QString& path, QIODevice& file)
{
    auto fail = [&](const QString& reason) {
        MessageBox(FileMessage(QStringLiteral("Unable to open the file"), path, reason), MsgIcon::Exclamation);
        return false;
    };
    bool touched = false;
    try {
        // The whole file is read before the contents are touched, so that a
        // read error leaves the document as it was.
        CArchive archive(&file, CArchive::load);
        if (archive.HasError())
            return fail(file.errorString());
        if (archive.IsTooLarge())
            return fail(TooLargeReason());
        touched = true;
        DeleteContents();
        SetModifiedFlag(true); // a load that stops half way leaves a changed document
        Serialize(archive);
    } catch (const std::bad_alloc&) {
        // What was read so far is of no use, and may be inconsistent: start
        // again from a new document, with memory to spare now.
        if (touched)
            OnNewDocument();
        return fail(QStringLiteral("Not enough memory."));
    }
    m_pathName = path;
    m_sourcePath.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    QString reason;
    const bool written = WriteFileAtomically(
        path,
        [this](QIODevice& device) {
            CArchive archive(&device, CArchive::store);
            Serialize(archive);
            return !archive.HasError();
        },
        &reason);
    if (!written) {
        MessageBox(FileMessage(QStringLiteral("Unable to save the file"), path, reason), MsgIcon::Exclamation);
        return false;
    }
    m_pathName = path;
    m_sourcePath.clear();
    SetModifiedFlag(false);
    return true;
}

void CDocument::Serialize(CArchive&) { }

QString CDocument::GetTitle() const
{
    const QString& path = GetNamingPath();
    return path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
}

void CDocument::AddView(CView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) != m_views.end())
        return;
    if (view->m_document && view->m_document != this)
        view->m_document->RemoveView(view);
    m_views.push_back(view);
    view->m_document = this;
}

void CDocument::RemoveView(CView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    if (view->m_document == this)
        view->m_document = nullptr;
}

void CDocument::UpdateAllViews(CView* sender, long hint, void* hintObject)
{
    for (CView* view : std::vector<CView*>(m_views))
        if (view != sender)
            view->OnUpdate(sender, hint, hintObject);
}

void CDocument::SendInitialUpdate()
{
    for (CView* view : std::vector<CView*>(m_views))
        view->OnInitialUpdate();
}

void CDocument::FinishEdits()
{
    for (CView* view : std::vector<CView*>(m_views))
        view->FinishEdits();
}
