#pragma once

#include "framework/core/CView.h"
#include "framework/core/WinTypes.h"
#include "grid/CellCoord.h"
#include "grid/CellRange.h"

#include <QAbstractScrollArea>
#include <QFont>
#include <QPen>
#include <QString>

#include <vector>

class QPainter;
class QPaintDevice;

// A spreadsheet-like view: fixed header rows and columns that never scroll,
// per-row heights and per-column widths, a block selection whose top-left
// cell is the current cell, mouse resizing, keyboard navigation, type-over
// editing and scrolling in whole rows and columns. It holds no cell
// contents: it asks its derived class through the virtual cell operations
// (DrawCell, GetCellExtent, SetCellText, GetCellText, DrawEditText,
// BeginEdit, EndEdit), whose base versions are placeholders.
//
// Geometry is in pixels of the viewport (the client area), with right and
// bottom edges excluded. Scroll positions count scrollable columns and rows
// scrolled out to the left and top; they are the values of the two scroll
// bars, whose ranges are 0 .. m_maxHScroll and 0 .. m_maxVScroll.
//
// The parent hears of clicks through the GridClicked and GridDoubleClicked
// signals, emitted when the grid has finished handling the mouse message.
class CGridView : public QAbstractScrollArea, public CView {
    Q_OBJECT

public:
    // What the left mouse button is doing between press and release.
    enum DragMode {
        DRAG_NONE = 0,
        DRAG_CELLS = 1,
        DRAG_ROWS = 2,
        DRAG_COLUMNS = 3,
        DRAG_ALL = 4,
        DRAG_COLUMN_WIDTH = 5,
        DRAG_ROW_HEIGHT = 6,
    };

    // Scroll codes of OnHScroll and OnVScroll. The scroll bars' actions map
    // onto them (single step, page step, thumb moves, to minimum/maximum).
    enum ScrollCode {
        SB_LINEUP = 0,
        SB_LINELEFT = 0,
        SB_LINEDOWN = 1,
        SB_LINERIGHT = 1,
        SB_PAGEUP = 2,
        SB_PAGELEFT = 2,
        SB_PAGEDOWN = 3,
        SB_PAGERIGHT = 3,
        SB_THUMBPOSITION = 4,
        SB_THUMBTRACK = 5,
        SB_TOP = 6,
        SB_LEFT = 6,
        SB_BOTTOM = 7,
        SB_RIGHT = 7,
    };

    // Two rows, two columns, one fixed row and column, drawn with the
    // application's default ("system") font.
    explicit CGridView(QWidget* parent = nullptr);
    CGridView(int rows, int cols, int fixedRows, int fixedCols, QWidget* parent = nullptr);
    ~CGridView() override;

    // ---- Model ----------------------------------------------------------
    int GetRowCount() const { return m_rowCount; }
    int GetColCount() const { return m_colCount; }
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColCount() const { return m_fixedCols; }
    // Change the number of rows (columns), keeping the sizes of those that
    // stay and giving new ones the default size. Virtual so that a table
    // resizes its cell store with the grid.
    virtual void SetRowCount(int n);
    virtual void SetColCount(int n);
    // Callers pass indexes inside the present counts; others read as 0.
    int GetRowHeight(int row) const;
    int GetColWidth(int col) const;
    // Store a size; no repaint and no scroll-range update.
    void SetRowHeight(int row, int height);
    void SetColWidth(int col, int width);
    void SetFixedColWidth(int width);
    int GetFixedRowsHeight() const;
    int GetFixedColsWidth() const;
    int GetDefaultRowHeight() const { return m_defaultRowHeight; }
    int GetDefaultColWidth() const { return m_defaultColWidth; }
    int GetCellMargin() const { return m_cellMargin; }
    // The live selection; callers may read and change it.
    CellRange& GetSelection() { return m_selection; }
    const CellRange& GetSelection() const { return m_selection; }
    // Cuts the selection to the grid, or puts it on the first data cell when
    // nothing of it is left.
    void ClampSelection();
    void SetEditEnabled(bool enabled) { m_editEnabled = enabled; }
    bool IsEditEnabled() const { return m_editEnabled; }
    bool IsEditing() const { return m_editing; }
    const QString& GetEditText() const { return m_editText; }
    DragMode GetDragMode() const { return m_dragMode; }
    // The grid font (the in-place editor copies it).
    QFont GetGridLogFont() const { return m_font; }
    void SetTextColor(COLORREF color) { m_textColor = color; }

    // ---- Layout ---------------------------------------------------------
    int GetHScrollPos() const;
    int GetVScrollPos() const;
    int GetMaxHScroll() const { return m_maxHScroll; }
    int GetMaxVScroll() const { return m_maxVScroll; }
    // The viewport rectangle, (0, 0) at its top-left.
    CRect GetClientRect() const;
    int GetColLeft(int col) const;
    int GetRowTop(int row) const;
    CRect GetCellRect(int row, int col) const;
    CRect GetRangeRect(const CellRange& range) const;
    // The cell under a client point; a boundary belongs to the cell right of
    // (below) it; -1 in a part that hits no column (row).
    CellCoord HitTest(CPoint point) const;
    // Scrollable cells on screen, the last row and column possibly in part.
    CellRange GetVisibleRange() const;
    int GetLastVisibleRow() const;
    int GetLastVisibleCol() const;
    // True for a scrollable cell that is wholly in view (never a header).
    bool IsCellVisible(int row, int col) const;
    bool IsCurrentCellVisible() const;
    bool IsRowVisible(int row) const;
    // Repaints the part of the range that is on screen.
    void InvalidateRange(const CellRange& range);
    // Recomputes m_maxHScroll and m_maxVScroll from the window size and
    // gives them to the scroll bars (a range 0 .. 0 hides its bar).
    void UpdateScrollRanges();

    // ---- Drawing and printing -------------------------------------------
    // Paints the grid onto the painter, which is set up in client units.
    virtual void OnDraw(QPainter& dc);
    void PrepareCellDC(QPainter& dc);
    void RestoreCellDC(QPainter& dc);
    // Paints what the window shows, four times as large, at the painter's
    // origin (the page of printing and print preview).
    void RenderPrintPage(QPainter& dc);
    // Prints to a PDF file at 600 dots per inch; false when it cannot be written.
    bool PrintToPdf(const QString& path);
    // Print and print preview of what the window shows, on the program's
    // printer, through the framework's print dialogs.
    void OnFilePrint();
    void OnFilePrintPreview();

    // ---- Virtual cell operations ----------------------------------------
    virtual void DrawCell(int row, int col, QPainter& dc, int x, int y);
    virtual CSize GetCellExtent(int row, int col, QPainter& dc);
    virtual void SetCellText(int row, int col, const QString& text);
    virtual QString GetCellText(int row, int col);
    // Paints m_editText over the current cell (called at the end of OnDraw
    // while an edit runs; typing repaints the current cell to get here).
    virtual void DrawEditText(QPainter& dc);
    virtual void BeginEdit();
    // Stores a running type-over edit into the current cell.
    virtual void EndEdit(bool redraw);

    // ---- Interaction ----------------------------------------------------
    // Selects one whole data row; a row beyond the grid is ignored.
    void SelectRow(int row);
    // Scrolls so that the row becomes the first data row on screen, when it
    // is not already in the visible range.
    void ScrollRowIntoView(int row);

    // Message handlers, reached from the Qt events; virtual so that derived
    // views can take a message over and still call the grid's version.
    virtual void OnMouseMove(CPoint point);
    virtual void OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point);
    virtual void OnLButtonUp(CPoint point);
    virtual void OnLButtonDblClk(CPoint point);
    virtual void OnRButtonDown(Qt::KeyboardModifiers modifiers, CPoint point);
    // key is a Qt::Key; Shift+Tab arrives as Qt::Key_Tab with Shift.
    virtual void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
    // One typed character: 8 Backspace, 9 Tab, 13 Enter, 27 Esc, others as typed.
    virtual void OnChar(int code);
    virtual void OnHScroll(int code, int thumbPos = 0);
    virtual void OnVScroll(int code, int thumbPos = 0);

    // CView: another view changed the document; repaint.
    void OnUpdate(CView* sender, long hint, void* hintObject) override;

signals:
    // Left button released after a press on a cell (notification code 0).
    void GridClicked(CGridView* view);
    // Double click on a cell while the selection is a single cell (code 5).
    void GridDoubleClicked(CGridView* view);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Shift+Tab move the current cell instead of the focus.
    bool focusNextPrevChild(bool next) override;

    // The pointer shape is one value for every grid of the process.
    void SetGridCursor(Qt::CursorShape shape);
    Qt::CursorShape ReapplyGridCursor();

    // Sets a scroll position (clamped to the bar's range) and repaints.
    void SetScrollPos(Qt::Orientation orientation, int pos);
    void InvalidateAll();
    void InvalidateRect(const CRect& rect);

    // Fields, in the order of the grid's model.
    int m_defaultRowHeight = 0;
    int m_defaultColWidth = 0;
    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_rowCount = 2;
    int m_colCount = 2;
    int m_maxVScroll = 0;
    int m_maxHScroll = 0;
    std::vector<int> m_rowHeights;
    std::vector<int> m_colWidths;
    CellRange m_selection;
    DragMode m_dragMode = DRAG_NONE;
    CellCoord m_anchor;
    CellCoord m_lastCell;
    CellCoord m_shiftAnchor;
    CellCoord m_shiftEnd;
    CPoint m_lastPoint;
    bool m_drawInRect = true;
    QFont m_font;
    QFont m_oldFont;
    COLORREF m_textColor = 0;
    QPen m_oldPen;
    int m_cellMargin = 2;
    bool m_editEnabled = false;
    bool m_editing = false;
    QString m_savedText;
    QString m_editText;
    // The inverted tracking line of a resize, drawn over the next paints;
    // empty when there is none.
    CRect m_trackLine;

private:
    void Construct(int rows, int cols, int fixedRows, int fixedCols);
    void OnScrollBarAction(Qt::Orientation orientation, int action);
    void StartResize(bool columns, CPoint point);
    CPoint ConfineToResize(CPoint point) const;
    void MoveTrackLine(CPoint point);
    void OnDragMove(CPoint point, CellCoord hit);
    void MoveCurrentCell(int key, int row0, int col0, int row, int col, bool shift);

    static Qt::CursorShape s_gridCursor;
};
