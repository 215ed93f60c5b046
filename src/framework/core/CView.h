#pragma once

class CDocument;

// Anything that shows a document and wants to hear of its changes.
// Widget views derive from a Qt widget and from this; the document keeps
// plain pointers to its views and never owns them.
class CView {
public:
    virtual ~CView();

    CDocument* GetDocument() const { return m_document; }

    // Called after New and Open, once the document holds its new contents.
    virtual void OnInitialUpdate() {}

    // Called by CDocument::UpdateAllViews for every view but the sender.
    virtual void OnUpdate(CView* sender, long hint, void* hintObject);

    // Ends an edit in progress exactly as Enter would, so that the document
    // holds what the view shows (before Save, New, Open, closing, undo).
    virtual void FinishEdits() {}

private:
    friend class CDocument;
    CDocument* m_document = nullptr;
};
