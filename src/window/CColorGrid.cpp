#include "window/CColorGrid.h"

#include "framework/gui/CDC.h"
#include "plot/ColorTable.h"

void CColorGrid::PaintSwatch(CDC& dc, int k, const CRect& rect) { dc.FillRect(rect, SampleColor(k)); }

QString CColorGrid::SwatchName(int k) const { return QLatin1String(kColorNames[static_cast<std::size_t>(k)]); }
