#pragma once

#include "analysis/Composition.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

// A bin of the triangle divided into n² small triangles, n a side: top,
// left and right are the bin's steps of s = 100 / n along each component.
// The bin points up when top + left + right = n - 1 and down when it is n - 2.
struct TriangleBin {
    int top = 0;
    int left = 0;
    int right = 0;
    friend bool operator==(const TriangleBin&, const TriangleBin&) = default;
};

// The bins of one division and their order: row by row from the base (top
// step 0 first); within a row the upward bins by left step, then the
// downward ones. Index and Bin are inverses over 0 .. n² - 1.
class TriangleGrid {
public:
    explicit TriangleGrid(int side)
        : m_side(side)
    {
    }

    int Side() const { return m_side; }
    int Count() const { return m_side * m_side; }
    bool PointsUp(const TriangleBin& bin) const { return bin.top + bin.left + bin.right == m_side - 1; }

    int Index(const TriangleBin& bin) const
    {
        return RowStart(bin.top) + bin.left + (PointsUp(bin) ? 0 : m_side - bin.top);
    }
    TriangleBin Bin(int index) const;

    // The bin a closed composition falls in. A point on a corner shared by
    // several bins counts in the bin just below it (one top step less, or
    // one left step less on the base).
    TriangleBin BinOf(const ClosedComposition& c) const;
    // The same for components not yet closed, given their sum (above 0).
    TriangleBin BinOf(double top, double left, double right, double sum) const;
    std::optional<int> IndexOf(float top, float left, float right) const;

    // The centroid and the three corners of a bin, as compositions.
    ClosedComposition Centroid(const TriangleBin& bin) const;
    std::array<ClosedComposition, 3> Corners(const TriangleBin& bin) const;

    // Corners of the division, (n + 1)(n + 2) / 2 of them, numbered row by row
    // from the base: vertex (a, b) is top a·s, right b·s, b from 0 to n - a.
    int VertexCount() const { return (m_side + 1) * (m_side + 2) / 2; }
    int VertexIndex(int top, int right) const { return top * (m_side + 1) - top * (top - 1) / 2 + right; }

private:
    int RowStart(int top) const { return top * (2 * m_side - top); }

    int m_side;
};

// Defined here so that counting a million samples inlines them.
inline TriangleBin TriangleGrid::BinOf(double top, double left, double right, double sum) const
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

inline std::optional<int> TriangleGrid::IndexOf(float top, float left, float right) const
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
