#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"

#include "plot/CLegendEdit.h"

#include <QPointer>

class CDC;
class CTernaryView;
class PlotLegend;
struct LegendItem;

// The legend on the plot: layout, drawing, dragging the box and editing an
// entry's text in place. The entries and the stored settings live in the
// document's PlotLegend; this object adds what only the plot needs. Points
// given to the mouse handlers are device units; the box and the entry
// rectangles are canvas units (device units plus the scroll).
//
// Without a view (an export) it only lays out and draws.
class LegendBox {
public:
    static constexpr int kMargin = 10;
    static constexpr int kSymbolColumn = 20;
    static constexpr int kLineGap = 4;

    explicit LegendBox(PlotLegend& legend);
    ~LegendBox();
    LegendBox(const LegendBox&) = delete;
    LegendBox& operator=(const LegendBox&) = delete;

    // Connects the box to its view: the editor becomes a child of the view's
    // viewport, and the document's legend ends a running edit through this
    // object before its entries change.
    void SetView(CTernaryView* view);
    // The document is gone: the destructor must not touch its list.
    void Orphan() { m_view = nullptr; }
    void SetFont(const LogicalFont& font);
    void SetSymbolSize(int size) { m_symbolSize = size; }
    void SetScroll(CPoint scroll) { m_scroll = scroll; }
    // The canvas's height: a legend taller than the room below its top wraps
    // into columns (0: never).
    void SetCanvasHeight(int height) { m_canvasHeight = height; }
    const LogicalFont& Font() const { return m_font; }

    // Entry rectangles and the box's right and bottom, measured with the
    // legend font: one column, or as many as keep the box on the canvas.
    void Layout(CDC& dc);
    // Paints the box, entries and shadow; nothing without entries.
    void Draw(CDC& dc);

    // Mouse handlers; true when the legend took the event.
    bool OnLButtonDown(CPoint p);
    bool OnLButtonDblClk(CPoint p);
    bool OnMouseMove(CPoint p);
    bool OnLButtonUp(CPoint p);

    // Ends an in-place edit: the editor's text goes into the entry and every
    // selection is cleared.
    void EndEdit();
    bool IsEditing() const;
    bool IsDragging() const { return m_dragging; }
    CLegendEdit* Editor() const { return m_editor; }
    LegendItem* EditingItem() const { return m_editingItem; }

private:
    void StartEdit(LegendItem& item);
    LegendItem* ItemAt(CPoint canvas) const;
    int RowsPerColumn(int count, int step, int top) const;
    void Repaint() const;

    PlotLegend& m_legend;
    CTernaryView* m_view = nullptr;
    LogicalFont m_font;
    QPointer<CLegendEdit> m_editor;
    CPoint m_scroll;
    LegendItem* m_editingItem = nullptr;
    bool m_dragging = false;
    CPoint m_lastDragPoint;
    int m_symbolSize = 3;
    int m_canvasHeight = 0;
};
