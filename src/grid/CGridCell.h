#pragma once

#include "framework/core/WinTypes.h"

class QPainter;

// Base of every cell object a table view keeps in its CCellStore. The grid
// never sees cells; a table's DrawCell and GetCellExtent forward to them.
// The painter arrives with the grid font and text colour selected and a
// transparent background. The base versions draw and measure nothing.
class CGridCell {
public:
    CGridCell() = default;
    virtual ~CGridCell();
    CGridCell(const CGridCell&) = delete;
    CGridCell& operator=(const CGridCell&) = delete;

    // Draws the content with its top-left corner at (x, y).
    virtual void Draw(QPainter& dc, int x, int y);
    // Draws the content inside (x, y, x + width, y + height), right and
    // bottom excluded.
    virtual void DrawInRect(QPainter& dc, int x, int y, int width, int height);
    // The room the content needs with the painter's present font.
    virtual CSize GetExtent(QPainter& dc);
};
