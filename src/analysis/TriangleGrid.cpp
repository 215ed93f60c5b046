#include "analysis/TriangleGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

TriangleBin TriangleGrid::Bin(int index) const
{
    // RowStart(i) = i (2n - i) <= index, solved for i and then settled by a step.
    int top = static_cast<int>(m_side - std::sqrt(double(m_side) * m_side - index));
    top = std::clamp(top, 0, m_side - 1);
    while (top > 0 && RowStart(top) > index)
        --top;
    while (top + 1 < m_side && RowStart(top + 1) <= index)
        ++top;
    int offset = index - RowStart(top);
    const int ups = m_side - top;
    if (offset < ups)
        return { top, offset, m_side - 1 - top - offset };
    offset -= ups;
    return { top, offset, m_side - 2 - top - offset };
}

TriangleBin TriangleGrid::BinOf(const ClosedComposition& c) const { return BinOf(c.top, c.left, c.right, 100); }

ClosedComposition TriangleGrid::Centroid(const TriangleBin& bin) const
{
    const double s = 100.0 / m_side;
    const double third = PointsUp(bin) ? 1.0 / 3 : 2.0 / 3;
    return { (bin.top + third) * s, (bin.left + third) * s, (bin.right + third) * s };
}

std::array<ClosedComposition, 3> TriangleGrid::Corners(const TriangleBin& bin) const
{
    const double s = 100.0 / m_side;
    const double t = bin.top * s, l = bin.left * s, r = bin.right * s;
    if (PointsUp(bin))
        return { { { t + s, l, r }, { t, l + s, r }, { t, l, r + s } } };
    return { { { t + s, l + s, r }, { t + s, l, r + s }, { t, l + s, r + s } } };
}
