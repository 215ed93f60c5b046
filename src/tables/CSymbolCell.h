#pragma once

#include "grid/CGridCell.h"

// The plotting style a symbol cell holds.
struct PlotSymbolStyle {
    int symbolId = -1;
    int size = 6;
    int colorId = -1;
};

// A cell of the sample table's symbol column: a colour and a symbol, each
// 0 to 15 or -1 for none, drawn as the plot draws the sample. The setters
// store -1 for any negative value and reduce others modulo 16.
class CSymbolCell : public CGridCell {
public:
    CSymbolCell() = default;
    CSymbolCell(int colorId, int symbolId);

    int GetSymbolId() const { return m_style.symbolId; }
    int GetColorId() const { return m_style.colorId; }
    void SetSymbolId(int symbolId);
    void SetColorId(int colorId);

    // A cell shows a symbol only when both indices are set.
    bool HasSymbol() const { return m_style.symbolId >= 0 && m_style.colorId >= 0; }

    // Drawing at a point does nothing: the cell draws only into its rectangle.
    void Draw(QPainter& dc, int x, int y) override;
    // The symbol centred in the rectangle, size 6, with a black outline.
    void DrawInRect(QPainter& dc, int x, int y, int width, int height) override;
    CSize GetExtent(QPainter& dc) override;

private:
    PlotSymbolStyle m_style;
};
