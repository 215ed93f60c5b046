#pragma once

#include "document/SampleRows.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/ISampleTable.h"
#include "tables/CTableView.h"

#include <QStringList>

#include <utility>
#include <vector>

class GroupLooks;
class ISymbolPalette;
class CTernaryDoc;

// The sample table: one row per sample slot of the document (rows 1 to at
// least 2000, and always one empty row past the last sample, up to a million),
// with the columns Sample, the three axis values and Symbol. Every change of
// a cell goes at once into the document's SampleRecord of the same row
// (SyncRowToDocument), which also fills in a missing third value, gives a
// complete row the default colour and symbol, keeps the legend's counts and
// marks the document modified; the other views then hear of it through
// UpdateAllViews. The symbol column holds CSymbolCells whose text form is
// colorId * 16 + symbolId. The main window installs the colour and symbol
// palette (SetPalette); without one the palette commands do nothing.
class CTernaryTable : public CTableView, public CCmdTarget, public ISampleTable {
    Q_OBJECT
public:
    static constexpr int kNameCol = 1;
    static constexpr int kTopCol = 2;
    static constexpr int kLeftCol = 3;
    static constexpr int kRightCol = 4;
    static constexpr int kSymbolCol = 5;
    static constexpr int kColumns = 6;
    static constexpr int kRows = 2001; // the fewest: a header and 2,000 sample rows
    static constexpr int kMaxRows = 1000001;

    explicit CTernaryTable(QWidget* parent = nullptr);
    ~CTernaryTable() override;

    CTernaryDoc* GetDocument() const;

    // Builds every cell from the document (after New and Open), with no
    // edit, scroll position or selection left of the document before.
    void OnInitialUpdate() override;
    // After an undo or redo: rebuilds the rows the restored state holds and
    // the axis headers; otherwise repaints.
    void OnUpdate(CView* sender, long hint, void* hintObject) override;
    // Commits the in-place editor, then a type-over edit.
    void FinishEdits() override;
    // An edit that ends on the cell's own text (Esc, or the same text typed
    // again) stores nothing, so it changes nothing in the document.
    void EndEdit(bool redraw) override;

    // Ignored outside the table. The symbol column reads the number
    // colorId * 16 + symbolId (0 for a text that is no number); other
    // columns store the text. Then the row goes to the document.
    void SetCellText(int row, int col, const QString& text) override;
    // The symbol column's number, empty for a cell without a symbol.
    QString GetCellText(int row, int col) override;
    // Empties the selected cells and takes them out of the document, with
    // auto-add switched off meanwhile.
    void ClearSelection() override;
    // Pastes tab-separated text through SetCellText, so that every field
    // reaches the document.
    void OnEditPaste() override;
    // Copies the top row of the selection into the rows below it.
    void OnFillDown();
    // The selection as an HTML table (CTernaryTableHtml.cpp): the column
    // headers as shown, names as text, values as numbers, the symbol as its
    // look in words ("red circle").
    QString GetSelectionHtml() override;

    // ---- Whole rows (CTernaryTableRows.cpp) -----------------------------
    // As many empty rows as are selected, inserted above the selection.
    void OnInsertRows();
    // The selected rows removed; the samples below move up.
    void OnDeleteRows();
    // Sorts rows first to last (all samples when first > last) by the keys.
    void SortRows(int first, int last, const std::vector<SortKey>& keys);
    // The rows a sort takes: the selected rows when the selection spans
    // more than one row, else none (first > last).
    std::pair<int, int> SelectedRowSpan() const;
    // Selects every cell in use.
    void OnSelectAll();
    // Selects the row of the next sample, after the current row and round
    // to the top, whose name holds the text (any case); a message when
    // none does. Remembers the text for FindNext.
    bool FindSample(const QString& text);
    bool FindNext() { return FindSample(m_findText); }
    const QString& FindText() const { return m_findText; }
    // The table's rows as the document's samples need them: at least kRows,
    // and one empty row past the last sample.
    void FitRowsToDocument();

    // The row's symbol cell with this colour (or symbol) and the old symbol
    // (colour); a row that had none gets symbol (colour) 0.
    void SetRowColor(int row, int colorId, bool redraw);
    void SetRowSymbol(int row, int symbolId, bool redraw);
    // -1 when the row has no symbol cell.
    int GetRowColor(int row) const;
    int GetRowSymbol(int row) const;

    // Shows rows first to last from the document, as the initial update
    // does for all (after an import appended samples), growing the table to
    // the document's last sample first. The rows keep no cells of their own
    // until one of them is set (MakeLentCell).
    void LoadRowsFromDocument(int first, int last);
    // Grows the table (never past kMaxRows) so that it has the row and one
    // empty row after it, and widens the row header for the numbers.
    void GrowToRow(int row);

    // ISampleTable: the document's axis titles as the headers of the value columns.
    void RefreshAxisHeaders() override;

    // Copies the row's cell of column col into the document, then updates
    // the other views.
    void SyncRowToDocument(int row, int col);

    // The palette's messages: every selected row gets the colour (symbol).
    void OnTableSetColor(int colorId);
    void OnTableSetSymbol(int symbolId);

    ISymbolPalette* Palette() const { return m_palette; }
    void SetPalette(ISymbolPalette* palette) { m_palette = palette; }

    // ISampleTable: commits the in-place editor, selects the row, scrolls to it.
    void ShowSampleRow(int row) override;

    // Double click and right click in the symbol column open the palette.
    void OnLButtonDblClk(CPoint point) override;
    // The value cells of a row the plot leaves out are tinted, and selecting
    // such a row says why in the status bar (RowNotDrawn.cpp).
    void DrawCell(int row, int col, QPainter& dc, int x, int y) override;
    void OnLButtonDown(Qt::KeyboardModifiers modifiers, CPoint point) override;
    void OnKeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void OnRButtonDown(Qt::KeyboardModifiers modifiers, CPoint point) override;

protected:
    // A lent row's cell from its SampleRecord: the name, each value given
    // (as FormatNumber writes it) and the colour and symbol when both are set.
    std::unique_ptr<CGridCell> MakeLentCell(int row, int col) const override;

private:
    void RegisterCommands();
    void RegisterRowCommands();
    // After rows moved in the document: rows first to last again from it.
    void ReloadRows(int first, int last);
    // Default column widths, widened where the grid font needs more room
    // for the usual texts ("33.3333", "Granite A", "Symbol", " 2000").
    void SetDefaultColumnWidths();
    void ApplyToSelectedRows(bool color, int id);
    // The selection cut to the data cells; not valid when nothing is left.
    CellRange DataSelection() const;
    // The row's symbol cell holds a colour and a symbol.
    bool RowHasSymbol(int row) const;
    // The first line of a pasted block is a header: its fields in the value
    // columns hold no number. left is the column the block starts in.
    bool IsHeaderLine(const QStringList& fields, int left) const;
    // The field of a pasted header titled "Group" that lands right of the
    // values; -1 for none. (CTernaryTableGroups.cpp)
    int GroupField(const QStringList& header, int left) const;
    // Gives the row its group's look; a new legend entry takes the group's name.
    void ApplyGroupLook(int row, const QString& group, GroupLooks& looks);
    // A data cell of the symbol column lies under the point.
    bool IsOnSymbolCell(CPoint point) const;
    // The row header column wide enough for the highest row number.
    void FitRowHeader();
    // Shows the palette on page, when one is installed.
    void ShowPalette(int page);

    ISymbolPalette* m_palette = nullptr; // not owned
    int m_rowHeaderWidth = 30; // for four-digit row numbers in the grid's font
    // While a pasted line that has a symbol field of its own is stored, its
    // values do not give the default symbol first.
    bool m_lineHasSymbol = false;
    QString m_findText;
    // While a paste runs, the names it cut (told once at its end); null otherwise.
    int* m_pasteCuts = nullptr;
    void ReportRowNotDrawn();
    bool m_rowMessageShown = false; // the status bar tells why a row is not drawn
};
