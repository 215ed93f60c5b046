#pragma once

class CTernaryDoc;

// One change the user makes to what the file holds, from its first write to
// its last: a typed cell, a whole paste, a drag on the plot, the options
// sheet's OK. The scope records the document before and after; a difference
// becomes one undo step (the document's stack, when it has one) and marks
// the document modified. Scopes opened inside another join it, so Fill down
// is one step however many cells it types.
//
//     DocumentChange change(*doc, "Paste");
//     ... write into the document ...
//
// Changes that span several events (a mouse press to its release) use the
// document's BeginChange and EndChange directly.
class DocumentChange {
public:
    // text names the step ("Undo Paste"); nullptr or "" lets the
    // difference name it.
    DocumentChange(CTernaryDoc* doc, const char* text);
    ~DocumentChange();
    DocumentChange(const DocumentChange&) = delete;
    DocumentChange& operator=(const DocumentChange&) = delete;

private:
    CTernaryDoc* m_doc;
};
