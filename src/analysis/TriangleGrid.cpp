#include "analysis/TriangleGrid.h"

#include <algorithm>
#include <cmath>

int TriangleGrid::Index(const TriangleBin& bin) const
{
    const int start = RowStart(bin.top);
    return PointsUp(bin) ? start + bin.left : start + (m_side - bin.top) + bin.left;
}

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

TriangleBin TriangleGrid::BinOf(const ClosedComposition& c) const
{
    // value · n / 100 rather than value / s: whole-number data land on exact steps.
    auto step = [&](double value) { return std::min(static_cast<int>(value * m_side / 100.0), m_side - 1); };
    TriangleBin bin { step(c.top), step(c.left), step(c.right) };
    const int sum = bin.top + bin.left + bin.right;
    if (sum >= m_side) {
        if (bin.top > 0)
            --bin.top;
        else
            --bin.left;
    } else if (sum < m_side - 2) {
        // Rounding put all three just below a step; the nearest bin is the
        // downward one above the largest.
        ++bin.top;
    }
    return bin;
}

std::optional<int> TriangleGrid::IndexOf(float top, float left, float right) const
{
    const auto closed = CloseComposition(top, left, right);
    if (!closed)
        return std::nullopt;
    return Index(BinOf(*closed));
}

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
