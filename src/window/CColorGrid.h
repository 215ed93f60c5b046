#pragma once

#include "window/CPaletteGrid.h"

// The palette's Color page: swatch k filled with colour k of the colour table.
class CColorGrid : public CPaletteGrid {
    Q_OBJECT
public:
    using CPaletteGrid::CPaletteGrid;

protected:
    void PaintSwatch(CDC& dc, int k, const CRect& rect) override;
    QString SwatchName(int k) const override;
};
