#pragma once

#include "window/CPaletteGrid.h"

// The palette's Symbol page: symbol k in black, size 6, centred on swatch k,
// drawn as samples are drawn on the plot.
class CSymbolGrid : public CPaletteGrid {
    Q_OBJECT
public:
    using CPaletteGrid::CPaletteGrid;

protected:
    void PaintSwatch(CDC& dc, int k, const CRect& rect) override;
    QString SwatchName(int k) const override;
};
