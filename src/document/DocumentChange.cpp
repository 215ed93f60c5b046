// The document's undo history: change scopes, the one kind of undo step, and
// the modified flag that follows the stack.
#include "document/DocumentChange.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentState.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace {

// Holds the parts of the document one change touched, before and after. It
// is pushed after the change was made, so its first redo has nothing to do.
class DocumentStep : public QUndoCommand {
public:
    DocumentStep(CTernaryDoc& doc, const QString& text, DocumentState before, DocumentState after)
        : QUndoCommand(text)
        , m_doc(doc)
        , m_before(std::move(before))
        , m_after(std::move(after))
    {
    }

    void undo() override { m_doc.RestoreState(m_before); }
    void redo() override
    {
        if (m_pushed) {
            m_pushed = false;
            return;
        }
        m_doc.RestoreState(m_after);
    }

private:
    CTernaryDoc& m_doc;
    DocumentState m_before;
    DocumentState m_after;
    bool m_pushed = true;
};

} // namespace

DocumentChange::DocumentChange(CTernaryDoc* doc, const char* text)
    : m_doc(doc)
{
    if (m_doc)
        m_doc->BeginChange(text);
}

DocumentChange::~DocumentChange()
{
    if (m_doc)
        m_doc->EndChange();
}

void CTernaryDoc::EnableUndo()
{
    if (m_undoStack)
        return;
    m_undoStack = std::make_unique<QUndoStack>();
    QObject::connect(m_undoStack.get(), &QUndoStack::cleanChanged, m_undoStack.get(),
        [this](bool clean) { SetModifiedFlag(!clean); });
}

void CTernaryDoc::BeginChange(const char* text)
{
    if (m_changeDepth++ > 0) {
        // A gesture that did not know its kind takes the name of the first
        // named change inside it (the options sheet opened by a double click).
        if (m_changeText.empty() && text)
            m_changeText = text;
        return;
    }
    // The captures of the last change are filled again (a keystroke of a big
    // plot captures hundreds of thousands of samples twice).
    if (!m_changeBefore)
        m_changeBefore = std::make_unique<DocumentState>();
    DocumentState::CaptureInto(*this, *m_changeBefore);
    m_changeText = text ? text : "";
}

void CTernaryDoc::NameChange(const char* text)
{
    if (m_changeDepth > 0 && m_changeText.empty() && text)
        m_changeText = text;
}

void CTernaryDoc::EndChange()
{
    if (m_changeDepth == 0 || --m_changeDepth > 0)
        return;
    if (!m_changeAfter)
        m_changeAfter = std::make_unique<DocumentState>();
    const DocumentState& before = *m_changeBefore;
    const DocumentState& after = *m_changeAfter;
    DocumentState::CaptureInto(*this, *m_changeAfter);
    auto [changedBefore, changedAfter] = DocumentState::Difference(before, after);
    if (changedBefore.IsEmpty()) {
        // The file holds which annotations are selected, but selecting is no
        // step: the selection before it goes into the next step, so undoing
        // everything brings the file's selection back too.
        if (!m_selectionBefore && DocumentState::SelectionDiffers(before, after))
            m_selectionBefore = std::move(m_changeBefore);
        return;
    }
    if (m_selectionBefore) {
        changedBefore.TakeAnnotations(*m_selectionBefore);
        changedAfter.TakeAnnotations(after);
        m_selectionBefore.reset();
    }
    if (!m_undoStack) {
        SetModifiedFlag(true);
        return;
    }
    const char* text
        = m_changeText.empty() ? DocumentState::Describe(changedBefore, changedAfter) : m_changeText.c_str();
    m_undoStack->push(
        new DocumentStep(*this, QString::fromUtf8(text), std::move(changedBefore), std::move(changedAfter)));
    // A step pushed onto a stack that was clean only at a lost index leaves
    // cleanChanged silent; the flag must still say modified.
    SetModifiedFlag(!m_undoStack->isClean());
}

void CTernaryDoc::RestoreState(const DocumentState& state)
{
    m_selectionBefore.reset(); // it belonged to the state being left
    state.Restore(*this);
    UpdateAllViews(nullptr, kHintStateRestored, const_cast<DocumentState*>(&state));
}
