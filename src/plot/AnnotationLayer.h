#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"

#include "plot/CAnnotationEdit.h"

#include <QPointer>
#include <QString>

class AnnotationList;
class CDC;
class CTernaryView;
struct Annotation;

// The annotations on the plot: drawing, fitting rectangles to texts,
// selecting, moving, and creating or editing one in place. The records live
// in the document's AnnotationList. Mouse points are device units; the
// annotation rectangles are canvas units (device units plus the scroll).
//
// Without a view (an export) it only lays out and draws.
class AnnotationLayer {
public:
    explicit AnnotationLayer(AnnotationList& list);
    ~AnnotationLayer();
    AnnotationLayer(const AnnotationLayer&) = delete;
    AnnotationLayer& operator=(const AnnotationLayer&) = delete;

    // Connects the layer to its view; the list then ends a running edit or
    // move through this object before annotations are removed.
    void SetView(CTernaryView* view);
    // The document is gone: the destructor must not touch its list.
    void Orphan() { m_view = nullptr; }
    void SetFont(const LogicalFont& font);
    void SetScroll(CPoint scroll) { m_scroll = scroll; }
    void SetRefusedCharacters(const QString& refused) { m_refused = refused; }
    const LogicalFont& Font() const { return m_font; }

    // Fits each rectangle with a text to that text plus "WW", keeping left and bottom.
    void Layout(CDC& dc);
    // Paints every annotation that has a text; selected ones get a frame.
    void Draw(CDC& dc);

    // tool: the text tool is active (create or edit instead of select and move).
    bool OnLButtonDown(CPoint p, bool tool);
    bool OnLButtonDblClk(CPoint p, bool tool);
    // True while an annotation is being moved (it moved with the pointer).
    bool OnMouseMove(CPoint p);
    bool OnLButtonUp(CPoint p);

    // Turns the editor's text into an annotation: a new one when the edit
    // began on empty space, else the edited one's new text. An empty text
    // changes nothing. Hides and destroys the editor.
    void EndEdit();
    CAnnotationEdit* Editor() const { return m_editor; }
    Annotation* EditingItem() const { return m_editingItem; }
    bool IsDragging() const { return m_dragging; }

private:
    Annotation* HitTest(CPoint canvas) const;
    void OpenEditor(const CRect& deviceRect, const QString& text);
    // Opens the editor over an existing annotation with its text.
    void EditAnnotation(Annotation& a);
    void Repaint() const;

    AnnotationList& m_list;
    CTernaryView* m_view = nullptr;
    LogicalFont m_font;
    QString m_refused;
    QPointer<CAnnotationEdit> m_editor;
    CPoint m_scroll;
    Annotation* m_editingItem = nullptr;
    Annotation* m_draggedItem = nullptr;
    bool m_dragging = false;
    CPoint m_lastDragPoint;
};
