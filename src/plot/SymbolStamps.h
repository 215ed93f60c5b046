#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/CDC.h"

#include <QImage>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <tuple>
#include <unordered_map>

// Draws the symbols of many samples quickly. Each look (colour, symbol and
// size, over the brush the context holds) is drawn once by DrawSymbol into a
// small transparent image at the device's scale, which is then stamped
// where each sample goes. Drawn one to one, or at a whole-number scale, a
// symbol's pixels are painted exactly as drawing it there would paint them
// (antialiased ones blend as they would, to within rounding). At other
// scales a sample's place on the device falls between pixels: its look is
// kept for each quarter pixel, and the stamp goes to the nearest. Raster
// devices, drawn unrotated and unsheared, take stamps; vector pictures, SVG
// writers, recording contexts and symbols over 256 device pixels are drawn
// through DrawSymbol. Either way the context's bounds and current position
// end as DrawSymbol leaves them, and a context that only measures (finding a
// picture's extent) only has its bounds grown.
class SymbolStamps {
public:
    explicit SymbolStamps(CDC& dc);

    // As DrawSampleSymbol(dc, colorId, symbolId, size, x, y, 1).
    void Draw(int colorId, int symbolId, int size, int x, int y);

private:
    struct Look {
        CRect bounds; // what DrawSymbol adds to the bounds, around a centre at (0, 0)
        QImage image; // null: draw through DrawSymbol, unless empty
        bool empty = false; // the symbol leaves no pixel (a null brush and pen)
        QPoint offset; // the image's top left, in device pixels from the whole pixel of the centre
    };
    // phaseX and phaseY: where the centre falls within its device pixel, in quarters.
    const Look& FindLook(COLORREF color, int symbolId, int size, int phaseX, int phaseY);

    CDC& m_dc;
    QPainter* m_painter; // null while measuring
    bool m_stamp; // the device takes stamps
    QTransform m_toDevice; // the painter's transform: logical units to device pixels
    // Set when m_toDevice only moves by whole pixels: a stamp is then copied
    // through the painter's own transform, without switching it twice a symbol.
    std::optional<QPoint> m_wholeShift;
    bool m_direct; // every symbol through DrawSymbol
    CBrush m_brush;
    using LookKey = std::tuple<COLORREF, int, int, int, int>;
    // Hashed: every symbol of a big plot looks its stamp up on each paint.
    struct LookKeyHash {
        std::size_t operator()(const LookKey& k) const
        {
            const auto [color, symbol, size, phaseX, phaseY] = k;
            return std::hash<std::uint64_t>()((std::uint64_t(color) << 32) ^ (std::uint64_t(std::uint32_t(size)) << 12)
                ^ (std::uint64_t(std::uint32_t(symbol)) << 4) ^ std::uint64_t(phaseX * 4 + phaseY));
        }
    };
    std::unordered_map<LookKey, Look, LookKeyHash> m_looks;
};
