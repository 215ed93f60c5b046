#pragma once

#include "framework/core/WinTypes.h"

class CDC;

// The only painters of sample symbols; the plot, the legend, the sample
// table and the palettes all draw through them.
//
// (x, y) is the centre and size the half-width r: ellipses and rectangles
// fill the box (x - r, y - r, x + r + 1, y + r + 1). outline non-zero gives
// the filled shapes (3, 5, 7, 9) a black 1-wide border; the plot and the
// legend pass 1. Open shapes are filled with whatever brush the context
// holds. Every pen and brush is restored; the current position is left at
// (x, y). symbolId: see SymbolIndex (ColorTable.h).

// Draws a symbol with the colour of colorId from the colour table.
void DrawSampleSymbol(CDC& dc, int colorId, int symbolId, int size, int x, int y, int outline);

// Draws a symbol in an explicit colour.
void DrawSymbol(CDC& dc, COLORREF color, int symbolId, int size, int x, int y, int outline);

// Convenience for table cells and palette swatches: the symbol centred in rect.
void DrawSampleSymbolInRect(CDC& dc, int colorId, int symbolId, int size, const CRect& rect, int outline);
