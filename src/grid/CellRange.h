#pragma once

#include "grid/CellCoord.h"

#include <algorithm>

// A block of cells, both corners included. Valid when no bound is -1,
// top <= bottom and left <= right.
struct CellRange {
    int top = -1;
    int left = -1;
    int bottom = -1;
    int right = -1;

    CellRange() = default;
    CellRange(int t, int l, int b, int r)
        : top(t)
        , left(l)
        , bottom(b)
        , right(r)
    {
    }

    // The block spanned by two corner cells given in any order.
    static CellRange Spanning(CellCoord a, CellCoord b)
    {
        return CellRange(
            std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row), std::max(a.col, b.col));
    }

    bool IsValid() const
    {
        return top != -1 && left != -1 && bottom != -1 && right != -1 && top <= bottom && left <= right;
    }
    bool IsSingleCell() const { return IsValid() && top == bottom && left == right; }
    CellCoord TopLeft() const { return CellCoord(top, left); }

    // Smallest block holding both (computed on the bounds, valid or not).
    CellRange Union(const CellRange& o) const
    {
        return CellRange(
            std::min(top, o.top), std::min(left, o.left), std::max(bottom, o.bottom), std::max(right, o.right));
    }
    // The common part; not valid when the two do not overlap.
    CellRange Intersect(const CellRange& o) const
    {
        return CellRange(
            std::max(top, o.top), std::max(left, o.left), std::min(bottom, o.bottom), std::min(right, o.right));
    }

    friend bool operator==(const CellRange&, const CellRange&) = default;
};
