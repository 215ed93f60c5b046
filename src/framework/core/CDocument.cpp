#include "framework/core/CDocument.h"

#include "framework/core/CArchive.h"
#include "framework/core/CView.h"
#include "framework/core/MessageBox.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

CDocument::~CDocument()
{
    for (CView* view : m_views)
        view->m_document = nullptr;
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBox(
            QStringLiteral("Unable to open the file \"%1\".\n%2").arg(QFileInfo(path).fileName(), file.errorString()),
            MsgIcon::Exclamation);
        return false;
    }
    DeleteContents();
    SetModifiedFlag(true); // a load that stops half way leaves a changed document
    CArchive archive(&file, CArchive::load);
    Serialize(archive);
    m_pathName = path;
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const QString& path)
{
    QSaveFile file(path);
    QString error;
    if (file.open(QIODevice::WriteOnly)) {
        CArchive archive(&file, CArchive::store);
        Serialize(archive);
        if (archive.HasError())
            error = file.errorString();
        if (error.isEmpty() && !file.commit())
            error = file.errorString();
    } else {
        error = file.errorString();
    }
    if (!error.isEmpty()) {
        file.cancelWriting();
        MessageBox(QStringLiteral("Unable to save the file \"%1\".\n%2").arg(QFileInfo(path).fileName(), error),
            MsgIcon::Exclamation);
        return false;
    }
    m_pathName = path;
    SetModifiedFlag(false);
    return true;
}

void CDocument::Serialize(CArchive&) { }

QString CDocument::GetTitle() const
{
    return m_pathName.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(m_pathName).fileName();
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
