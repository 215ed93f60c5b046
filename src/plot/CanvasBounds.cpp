#include "plot/CanvasBounds.h"

#include "plot/PlotGeometry.h"

#include <algorithm>

namespace {

// The shift along one axis that keeps min(keep, size of the object) of the
// span lo..hi within 0..extent. Files may hold any coordinates: 64-bit sums.
int Shift(int lo, int hi, int extent)
{
    const long long keep = std::clamp<long long>(static_cast<long long>(hi) - lo, 0, kKeepOnCanvas);
    if (hi < keep)
        return ClampCoord(keep - hi);
    if (lo > extent - keep)
        return ClampCoord(extent - keep - lo);
    return 0;
}

} // namespace

CPoint OffsetOntoCanvas(const CRect& rect, CSize canvas)
{
    return { Shift(rect.left, rect.right, canvas.cx), Shift(rect.top, rect.bottom, canvas.cy) };
}
