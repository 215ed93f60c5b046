#pragma once

#include "grid/CCellStore.h"
#include "grid/CGridView.h"
#include "grid/GridText.h"
#include "tables/CCellEdit.h"

#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <unordered_map>

class CGridCell;

// A grid that holds data: the cells live in a CCellStore of cell objects
// (text in CTextCells), or, for rows lent to a source (LendRows), are made
// from it by MakeLentCell when asked for; rows and columns carry numbered header labels, a
// double click opens an in-place editor, and the block operations Cut,
// Copy, Paste, Clear and Delete work on the selected cells through the
// clipboard as tab-separated text with CR LF after every row.
//
// Derived tables replace the virtual cell operations (SetCellText,
// GetCellText, DrawCell, GetCellExtent), ClearSelection and
// OnEditPaste, set their sizes and headers in OnInitialUpdate, and may add
// cell kinds of their own derived from CGridCell. A table that shows rows
// of another store (the sample table: the document's samples) lends them
// and makes their cells in MakeLentCell, so that a million rows hold no cell
// objects; setting a cell of a lent row keeps the row's cells from then on.
class CTableView : public CGridView {
    Q_OBJECT

public:
    explicit CTableView(QWidget* parent = nullptr);
    ~CTableView() override;

    // CView: makes the grid editable, the row header column 30 wide, writes
    // the header labels and centres the column headers.
    void OnInitialUpdate() override;

    // ---- Cell operations ------------------------------------------------
    void DrawCell(int row, int col, QPainter& dc, int x, int y) override;
    CSize GetCellExtent(int row, int col, QPainter& dc) override;
    // Stores a new CTextCell with the text; no repaint.
    void SetCellText(int row, int col, const QString& text) override;
    // The text of a CTextCell; empty for an empty cell or another kind.
    QString GetCellText(int row, int col) override;
    // Empties every selected cell, then repaints the selection.
    virtual void ClearSelection();

    // ---- Table-level operations -----------------------------------------
    // Resize the grid and the store together; new cells are empty.
    void SetRowCount(int n) override;
    void SetColCount(int n) override;
    // Puts a cell object at (row, col), deleting the old one.
    void SetCell(int row, int col, std::unique_ptr<CGridCell> cell, bool invalidate = false);
    // Puts a new CTextCell with the text at (row, col).
    void SetTextCell(int row, int col, const QString& text, bool invalidate = false);
    // The stored cell, or for a lent row the cell MakeLentCell made for it
    // (kept among the last ones shown; valid until the table changes or
    // more cells are asked for); null for an empty cell.
    CGridCell* GetCell(int row, int col) const;
    // Rows first to last empty and lent: their cells come from MakeLentCell.
    void LendRows(int first, int last);
    // Empties every data cell (headers stay), without repaint.
    void EmptyDataCells();
    // " %i" in the row header column for rows 1 .. row count - 1 (drawn,
    // not stored: a cell set there takes its place), and "Column %i" in the
    // header row for columns 1 .. column count - 1.
    void SetRowLabels();
    static QString RowLabel(int row);
    void SetColumnLabels();
    // Gives the column header cells these format flags (DT_CENTER by default).
    void SetColumnHeaderFormat(unsigned format = DT_CENTER);
    const CCellStore& GetCellStore() const { return m_cells; }

    // ---- Commands -------------------------------------------------------
    // The selection as tab-separated text, CR LF after every row; empty when
    // the selection is not valid.
    QString GetSelectionText();
    // The selection as an HTML table for spreadsheets, offered beside the
    // text; none (empty) in a plain table.
    virtual QString GetSelectionHtml() { return QString(); }
    void OnEditCopy();
    void OnEditCut();
    virtual void OnEditPaste();
    void OnEditClear();

    // ---- In-place editor ------------------------------------------------
    // Opens the editor on a data cell with the cell's text.
    void OpenCellEdit(int row, int col);
    // Stores the editor's text (unless it was abandoned) into the current
    // cell and closes the editor; nothing when no editor is open.
    void CommitCellEdit();
    // Esc: the edit text goes back to the cell's old text and the editor hides.
    void AbandonCellEdit();
    // Closes the editor without storing anything (the table is rebuilt).
    void DiscardCellEdit();
    CCellEdit* GetCellEdit() const { return m_cellEdit.data(); }

    // ---- Messages -------------------------------------------------------
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point) override;
    void OnLButtonDblClk(CPoint point) override;

protected:
    // The cell of a lent row at (row, col), made from the table's source;
    // null for an empty cell. The base lends nothing and makes none.
    virtual std::unique_ptr<CGridCell> MakeLentCell(int row, int col) const;

    // Clipboard access, replaceable in tests. Writing (the text, and the
    // HTML when there is one) reports whether the clipboard took the text;
    // reading whether there was any text.
    virtual bool WriteClipboard(const QString& text, const QString& html);
    virtual bool ReadClipboardText(QString& text);

    QPointer<CCellEdit> m_cellEdit;
    bool m_cellEditAbandoned = false;

private:
    bool IsRowLabel(int row, int col) const;
    // The cell GetCell answers, or for an empty row header a label made into label.
    CGridCell* CellOrLabel(int row, int col, std::unique_ptr<CGridCell>& label) const;
    // Every cell change goes through here: a lent row takes its cells from
    // the source first, so that the others keep showing what they showed.
    void StoreCell(int row, int col, std::unique_ptr<CGridCell> cell);
    void ForgetLentCells() const;

    CCellStore m_cells;
    // Cells made for lent rows, by row * column count + column: a repaint
    // draws the same objects with their laid-out text again.
    mutable std::unordered_map<std::int64_t, std::unique_ptr<CGridCell>> m_lentCells;
    bool m_rowLabels = false;
};
