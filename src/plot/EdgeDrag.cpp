#include "plot/EdgeDrag.h"

#include "plot/PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

CPoint At(const PlotCorner& c) { return { c.x, c.y }; }

// Twice the signed area of a, b, p: > 0 when p lies left of a -> b.
long long Side(CPoint a, CPoint b, CPoint p)
{
    return static_cast<long long>(b.x - a.x) * (p.y - a.y) - static_cast<long long>(p.x - a.x) * (b.y - a.y);
}

int WindingNumber(const std::array<PlotCorner, 6>& corners, CPoint p)
{
    int winding = 0;
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const CPoint a = At(corners[i]);
        const CPoint b = At(corners[(i + 1) % corners.size()]);
        if (a.y <= p.y) {
            if (b.y > p.y && Side(a, b, p) > 0)
                ++winding;
        } else if (b.y <= p.y && Side(a, b, p) < 0) {
            --winding;
        }
    }
    return winding;
}

void Floor(float& value, float step) { value = std::floor(value / step) * step; }
void Ceil(float& value, float step) { value = std::ceil(value / step) * step; }

// The growth of the two maximums when a minimum edge passes the point where
// they meet: c is 100 less both maximums before the step.
void GrowPast(float v, float c, float& max1, float& max2)
{
    if (c > 0 && v < c) {
        max1 += c - v;
        max2 += c - v;
    }
}

} // namespace

int HitTestPlot(const PlotGeometry& geo, CPoint p)
{
    const auto& c = geo.m_corners;
    static constexpr int kOrder[] = { HitRightMax, HitTopMax, HitLeftMax, HitTopMin, HitLeftMin, HitRightMin };
    for (int hit : kOrder) {
        // Edge n runs from C(n-1) to C(n mod 6).
        if (PlotGeometry::NearSegment(
                p, At(c[static_cast<std::size_t>(hit - 1)]), At(c[static_cast<std::size_t>(hit % 6)])))
            return hit;
    }
    return WindingNumber(c, p) != 0 ? HitInside : HitNothing;
}

DragStartLimits EdgeDragStart(int hit, const AxisTriple& a)
{
    switch (hit) {
    case HitTopMin:
        return { a.left.max, a.right.max };
    case HitRightMax:
        return { a.top.min, a.left.min };
    case HitLeftMin:
        return { a.right.max, a.top.max };
    case HitTopMax:
        return { a.left.min, a.right.min };
    case HitRightMin:
        return { a.top.max, a.left.max };
    case HitLeftMax:
        return { a.right.min, a.top.min };
    default:
        return {};
    }
}

double EdgeDragValue(int hit, const PlotGeometry& geo, CPoint p)
{
    switch (hit) {
    case HitTopMin:
    case HitTopMax:
        return geo.TopFromPoint(p.y);
    case HitRightMax:
    case HitRightMin:
        return geo.RightFromPoint(p.x, p.y);
    default:
        return geo.LeftFromPoint(p.x, p.y);
    }
}

bool ApplyEdgeDrag(int hit, double value, DragStartLimits g, const AxisTriple& a)
{
    AxisSettings& T = a.top;
    AxisSettings& L = a.left;
    AxisSettings& R = a.right;
    const float v = static_cast<float>(value);
    switch (hit) {
    case HitTopMin: {
        if (!(v >= 0 && v <= T.max - T.increment))
            return false;
        const float c = 100 - R.max - L.max;
        T.min = v;
        if (100 - v - R.min < g.g1)
            L.max = 100 - v - R.min;
        if (100 - v - L.min < g.g2)
            R.max = 100 - v - L.min;
        GrowPast(v, c, R.max, L.max);
        return true;
    }
    case HitRightMax:
        if (!(v >= R.min + R.increment && v <= 100 - T.min - L.min))
            return false;
        R.max = v;
        if (100 - T.max - v > g.g2)
            L.min = 100 - T.max - v;
        if (100 - L.max - v > g.g1)
            T.min = 100 - L.max - v;
        return true;
    case HitLeftMin: {
        if (!(v >= 0 && v <= L.max - L.increment))
            return false;
        const float c = 100 - R.max - T.max;
        L.min = v;
        if (100 - v - R.min < g.g2)
            T.max = 100 - v - R.min;
        if (100 - v - T.min < g.g1)
            R.max = 100 - v - T.min;
        GrowPast(v, c, R.max, T.max);
        return true;
    }
    case HitTopMax:
        if (!(v > T.min + T.increment && v < 100 - L.min - R.min))
            return false;
        T.max = v;
        if (100 - L.max - v > g.g2)
            R.min = 100 - L.max - v;
        if (100 - R.max - v > g.g1)
            L.min = 100 - R.max - v;
        return true;
    case HitRightMin: {
        if (!(v >= 0 && v <= R.max - R.increment))
            return false;
        const float c = 100 - T.max - L.max;
        R.min = v;
        if (100 - v - T.min < g.g2)
            L.max = 100 - v - T.min;
        if (100 - v - L.min < g.g1)
            T.max = 100 - v - L.min;
        GrowPast(v, c, T.max, L.max);
        return true;
    }
    case HitLeftMax:
        if (!(v >= L.min + L.increment && v <= 100 - T.min - R.min))
            return false;
        L.max = v;
        if (100 - R.max - v > g.g2)
            T.min = 100 - R.max - v;
        if (100 - T.max - v > g.g1)
            R.min = 100 - T.max - v;
        return true;
    default:
        return false;
    }
}

void SnapEdgeDrag(int hit, const AxisTriple& a)
{
    const float step = std::min({ a.top.increment, a.left.increment, a.right.increment });
    // A zero, negative or missing increment has no multiples to snap to.
    if (!(step > 0) || !std::isfinite(step))
        return;
    switch (hit) {
    case HitTopMin:
        Floor(a.top.min, step);
        Ceil(a.right.max, step);
        Ceil(a.left.max, step);
        break;
    case HitRightMax:
        Ceil(a.right.max, step);
        Floor(a.left.min, step);
        Floor(a.top.min, step);
        break;
    case HitLeftMin:
        Floor(a.left.min, step);
        Ceil(a.top.max, step);
        Ceil(a.right.max, step);
        break;
    case HitTopMax:
        Ceil(a.top.max, step);
        Floor(a.left.min, step);
        Floor(a.right.min, step);
        break;
    case HitRightMin:
        Floor(a.right.min, step);
        Ceil(a.left.max, step);
        Ceil(a.top.max, step);
        break;
    case HitLeftMax:
        Ceil(a.left.max, step);
        Floor(a.right.min, step);
        Floor(a.top.min, step);
        break;
    default:
        break;
    }
}
