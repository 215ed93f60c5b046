#include "framework/core/CView.h"

#include "framework/core/CDocument.h"

CView::~CView()
{
    if (m_document)
        m_document->RemoveView(this);
}

void CView::OnUpdate(CView*, long, void*) { }
