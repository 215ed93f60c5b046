#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/CDC.h"

#include <QImage>

#include <map>
#include <tuple>

// Draws the symbols of many samples quickly. Each look (colour, symbol and
// size, over the brush the context holds) is drawn once by DrawSymbol into a
// small transparent image, which is then stamped where each sample goes:
// without antialiasing a symbol's pixels are either painted or untouched, so
// the stamp leaves the same pixels as drawing it there would. Stamping is
// used on raster devices drawn one to one; vector pictures, scaled or
// antialiased images, SVG writers, recording contexts and oversized symbols
// are drawn through DrawSymbol. Either way the context's bounds and current
// position end as DrawSymbol leaves them, and a context that only measures
// (finding a picture's extent) only has its bounds grown.
class SymbolStamps {
public:
    explicit SymbolStamps(CDC& dc);

    // As DrawSampleSymbol(dc, colorId, symbolId, size, x, y, 1).
    void Draw(int colorId, int symbolId, int size, int x, int y);

private:
    struct Look {
        CRect bounds; // what DrawSymbol adds to the bounds, around a centre at (0, 0)
        QImage image; // null: draw through DrawSymbol
        CPoint centre; // the symbol's centre in the image
    };
    const Look& FindLook(COLORREF color, int symbolId, int size);

    CDC& m_dc;
    QPainter* m_painter; // null while measuring
    bool m_stamp; // the device takes stamps one to one
    bool m_direct; // every symbol through DrawSymbol
    CBrush m_brush;
    std::map<std::tuple<COLORREF, int, int>, Look> m_looks;
};
