#include "window/CSymbolGrid.h"

#include "framework/gui/CDC.h"
#include "plot/SymbolPainter.h"

void CSymbolGrid::PaintSwatch(CDC& dc, int k, const CRect& rect)
{
    DrawSampleSymbol(dc, 0, k, 6, rect.left + 9, rect.top + 9, 1);
}
