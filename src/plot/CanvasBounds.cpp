#include "plot/CanvasBounds.h"

#include "plot/PlotGeometry.h"

#include <algorithm>

namespace {

// The shift along one axis that keeps min(wanted, size of the object) of the
// span lo..hi within 0..extent. Files may hold any coordinates: 64-bit sums.
int Shift(int lo, int hi, int extent, int wanted)
{
    const long long keep = std::clamp<long long>(static_cast<long long>(hi) - lo, 0, std::max(0, wanted));
    if (hi < keep)
        return ClampCoord(keep - hi);
    if (lo > extent - keep)
        return ClampCoord(extent - keep - lo);
    return 0;
}

} // namespace

CPoint OffsetOntoCanvas(const CRect& rect, CSize canvas, int keep)
{
    return { Shift(rect.left, rect.right, canvas.cx, keep), Shift(rect.top, rect.bottom, canvas.cy, keep) };
}
