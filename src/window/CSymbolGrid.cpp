#include "window/CSymbolGrid.h"

#include "framework/gui/CDC.h"
#include "plot/ColorTable.h"
#include "plot/SymbolPainter.h"

void CSymbolGrid::PaintSwatch(CDC& dc, int k, const CRect& rect)
{
    DrawSampleSymbol(dc, 0, k, 6, rect.left + 9, rect.top + 9, 1);
}

QString CSymbolGrid::SwatchName(int k) const { return QLatin1String(kSymbolNames[static_cast<std::size_t>(k)]); }
