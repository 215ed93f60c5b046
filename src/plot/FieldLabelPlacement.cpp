#include "plot/FieldLabelPlacement.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

double Cross(PlotPointF o, PlotPointF a, PlotPointF b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

double SignedArea(const std::vector<PlotPointF>& polygon)
{
    double area = 0;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++)
        area += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
    return area / 2;
}

bool Inside(const std::vector<PlotPointF>& polygon, PlotPointF p)
{
    bool inside = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const PlotPointF a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

PlotPointF Centroid(const std::vector<PlotPointF>& polygon)
{
    const double area = SignedArea(polygon);
    double cx = 0, cy = 0;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double f = polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
        cx += (polygon[j].x + polygon[i].x) * f;
        cy += (polygon[j].y + polygon[i].y) * f;
    }
    return { cx / (6 * area), cy / (6 * area) };
}

// The box fits when its corners and edge midpoints lie inside and no corner
// of the polygon pokes into it.
bool BoxFits(const std::vector<PlotPointF>& polygon, PlotPointF c, double halfW, double halfH)
{
    for (int i = -1; i <= 1; ++i)
        for (int j = -1; j <= 1; ++j)
            if (!Inside(polygon, { c.x + i * halfW, c.y + j * halfH }))
                return false;
    return std::none_of(polygon.begin(), polygon.end(),
        [&](PlotPointF v) { return std::fabs(v.x - c.x) < halfW && std::fabs(v.y - c.y) < halfH; });
}

} // namespace

std::vector<PlotPointF> ClipToConvex(const std::vector<PlotPointF>& polygon, const std::vector<PlotPointF>& convex)
{
    std::vector<PlotPointF> out = polygon;
    if (convex.size() < 3)
        return {};
    const double orientation = SignedArea(convex) < 0 ? -1 : 1;
    for (std::size_t i = 0; i < convex.size() && !out.empty(); ++i) {
        const PlotPointF a = convex[i], b = convex[(i + 1) % convex.size()];
        if (a.x == b.x && a.y == b.y)
            continue; // the cut polygon's corners coincide where an axis is not cut
        const std::vector<PlotPointF> in = std::move(out);
        out.clear();
        auto side = [&](PlotPointF p) { return orientation * Cross(a, b, p); };
        for (std::size_t k = 0; k < in.size(); ++k) {
            const PlotPointF p = in[k], q = in[(k + 1) % in.size()];
            const double sp = side(p), sq = side(q);
            if (sp >= 0)
                out.push_back(p);
            if ((sp >= 0) != (sq >= 0)) {
                const double t = sp / (sp - sq);
                out.push_back({ p.x + t * (q.x - p.x), p.y + t * (q.y - p.y) });
            }
        }
    }
    return out;
}

std::optional<CPoint> PlaceLabel(const std::vector<PlotPointF>& polygon, CSize box)
{
    if (polygon.size() < 3 || std::fabs(SignedArea(polygon)) < 1)
        return std::nullopt;
    double left = polygon[0].x, right = left, top = polygon[0].y, bottom = top;
    for (const PlotPointF& p : polygon) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    // A little room from the boundaries, which are drawn two units wide.
    const double halfW = box.cx / 2.0 + 3, halfH = box.cy / 2.0 + 1;
    const PlotPointF centre = Centroid(polygon);
    // Candidates on a grid over the bounds, nearest to the centre first;
    // the first that fits wins.
    constexpr int kSteps = 32;
    std::vector<std::pair<double, PlotPointF>> candidates;
    candidates.reserve((kSteps + 1) * (kSteps + 1));
    for (int i = 0; i <= kSteps; ++i) {
        for (int j = 0; j <= kSteps; ++j) {
            const PlotPointF c { left + (right - left) * i / kSteps, top + (bottom - top) * j / kSteps };
            candidates.push_back({ std::hypot(c.x - centre.x, c.y - centre.y), c });
        }
    }
    std::sort(candidates.begin(), candidates.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    const auto fit = std::find_if(candidates.begin(), candidates.end(),
        [&](const auto& candidate) { return BoxFits(polygon, candidate.second, halfW, halfH); });
    if (fit == candidates.end())
        return std::nullopt;
    const PlotPointF best = fit->second;
    return CPoint { static_cast<int>(std::lround(best.x)), static_cast<int>(std::lround(best.y)) };
}
