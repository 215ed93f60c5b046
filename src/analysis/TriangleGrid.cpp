#include "analysis/TriangleGrid.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

TriangleBin TriangleGrid::BinOf(const ClosedComposition& c) const { return BinOf(c.top, c.left, c.right, 100); }

TriangleBin TriangleGrid::BinOf(double top, double left, double right, double sum) const
{
    // value · n / sum rather than (value · 100 / sum) / s: one rounding, and
    // whole-number data land on exact steps.
    const double perUnit = m_side / sum;
    auto step = [&](double value) { return std::min(static_cast<int>(value * perUnit), m_side - 1); };
    TriangleBin bin { step(top), step(left), step(right) };
    const int steps = bin.top + bin.left + bin.right;
    if (steps >= m_side) {
        if (bin.top > 0)
            --bin.top;
        else
            --bin.left;
    } else if (steps < m_side - 2) {
        // Rounding put all three just below a step; the nearest bin is the
        // downward one above the largest.
        ++bin.top;
    }
    return bin;
}

std::optional<int> TriangleGrid::IndexOf(float top, float left, float right) const
{
    // CloseComposition's rule in one test: the empty value is negative, a
    // NaN fails every comparison and an infinity makes the sum infinite.
    if (!(top >= 0 && left >= 0 && right >= 0))
        return std::nullopt;
    const double sum = double(top) + double(left) + double(right);
    if (!(sum > 0 && sum < std::numeric_limits<double>::infinity()))
        return std::nullopt;
    return Index(BinOf(top, left, right, sum));
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
