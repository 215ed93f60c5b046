#include "plot/SymbolPainter.h"

#include "framework/gui/CDC.h"
#include "plot/ColorTable.h"

#include <algorithm>
#include <vector>

namespace {

// Sizes and line widths from a file are held to this many units.
constexpr int kMaxSymbolSize = 1000;

void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

// The two lines of a plus through the centre.
void Plus(CDC& dc, int x, int y, int r)
{
    Line(dc, x - r, y, x + r, y);
    Line(dc, x, y + r, x, y - r);
}

std::vector<CPoint> Diamond(int x, int y, int r)
{
    return { { x - r, y }, { x, y - r }, { x + r, y }, { x, y + r }, { x - r, y } };
}

std::vector<CPoint> DownTriangle(int x, int y, int r)
{
    return { { x - r, y - r }, { x + r, y - r }, { x, y + r }, { x - r, y - r } };
}

std::vector<CPoint> UpTriangle(int x, int y, int r)
{
    return { { x, y - r }, { x + r, y + r }, { x - r, y + r }, { x, y - r } };
}

} // namespace

void DrawSampleSymbol(CDC& dc, int colorId, int symbolId, int size, int x, int y, int outline)
{
    DrawSymbol(dc, SampleColor(colorId), symbolId, size, x, y, outline);
}

void DrawSampleSymbolInRect(CDC& dc, int colorId, int symbolId, int size, const CRect& rect, int outline)
{
    DrawSampleSymbol(dc, colorId, symbolId, size, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2, outline);
}

void DrawSymbol(CDC& dc, COLORREF color, int symbolId, int size, int x, int y, int outline)
{
    const int r = std::clamp(size, 0, kMaxSymbolSize);
    const CPen colorPen { PS_SOLID, 1, color };
    const CPen outlinePen = outline ? CPen { PS_SOLID, 1, RGB(0, 0, 0) } : colorPen;
    const CBrush colorBrush { BS_SOLID, color };
    const CPen oldPen = dc.GetPen();
    const CBrush oldBrush = dc.GetBrush();

    const int symbol = SymbolIndex(symbolId);
    dc.BeginFigure(); // one element in a vector picture
    if (symbol < 0) {
        // A line symbol: a horizontal stroke as wide as the negated id.
        const int width = static_cast<int>(std::min<long long>(-static_cast<long long>(symbol), kMaxSymbolSize));
        dc.SelectPen({ PS_SOLID, width, color });
        Line(dc, x + r, y, x - r, y);
    } else {
        const int l = x - r, t = y - r, rr = x + r + 1, b = y + r + 1;
        // 1, 3, 5, 7 and 9 are the filled shapes; all but the filled circle
        // take the outline pen.
        const bool filled = symbol <= 9 && symbol % 2 == 1;
        dc.SelectPen(filled && symbol != 1 ? outlinePen : colorPen);
        if (filled)
            dc.SelectBrush(colorBrush);
        switch (symbol) {
        case 0: // circle
        case 1:
            dc.Ellipse(l, t, rr, b);
            break;
        case 2: // square
        case 3:
            dc.Rectangle(l, t, rr, b);
            break;
        case 4: // diamond
        case 5:
            dc.Polygon(Diamond(x, y, r));
            break;
        case 6: // triangle pointing down
        case 7:
            dc.Polygon(DownTriangle(x, y, r));
            break;
        case 8: // triangle pointing up
        case 9:
            dc.Polygon(UpTriangle(x, y, r));
            break;
        case 10: { // diagonal cross outline
            const std::vector<CPoint> cross { { x, y - 2 }, { x + r - 2, y - r }, { x + r, y - r + 2 }, { x + 2, y },
                { x + r, y + r - 2 }, { x + r - 2, y + r }, { x, y + 2 }, { x - r + 2, y + r }, { x - r, y + r - 2 },
                { x - 2, y }, { x - r, y - r + 2 }, { x - r + 2, y - r }, { x, y - 2 } };
            dc.Polygon(cross);
            break;
        }
        case 11: // circle with a plus
            dc.Ellipse(l, t, rr, b);
            Plus(dc, x, y, r);
            break;
        case 12: // circle with a horizontal bar
            dc.Ellipse(l, t, rr, b);
            Line(dc, x - r, y, x + r, y);
            break;
        case 13: // square with a plus
            dc.Rectangle(l, t, rr, b);
            Plus(dc, x, y, r);
            break;
        case 14: { // octagon with an inner diamond, lines only
            const int h = r / 2;
            dc.Polyline(std::vector<CPoint> { { x - h, y - r }, { x + h, y - r }, { x + r, y - h }, { x + r, y + h },
                { x + h, y + r }, { x - h, y + r }, { x - r, y + h }, { x - r, y - h }, { x - h, y - r } });
            dc.Polyline(std::vector<CPoint> {
                { x - r + 2, y }, { x, y - r + 2 }, { x + r - 2, y }, { x, y + r - 2 }, { x - r + 2, y } });
            break;
        }
        default: // 15: diamond with a plus
            dc.Polygon(Diamond(x, y, r));
            Line(dc, x - r, y, x + r, y);
            Line(dc, x, y - r, x, y + r);
            break;
        }
    }
    dc.EndFigure();
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
    dc.MoveTo(x, y);
}
