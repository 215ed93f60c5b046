#include "plot/DensityLayer.h"

#include "analysis/DensityScale.h"
#include "analysis/KernelDensity.h"
#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/DensityColours.h"
#include "plot/PlotGeometry.h"

#include <QString>

#include <array>
#include <cmath>

namespace {

constexpr int kBarHeight = 12;
constexpr int kBarGap = 62; // below the base, clear of its labels and of a title placed under it
constexpr int kBarSteps = 128;
constexpr int kTickLength = 4;
constexpr COLORREF kContourColour = RGB(0, 0, 0);

// A point of the plane in composition terms; left is 100 - top - right.
struct Share {
    double top = 0;
    double right = 0;
};

// The six limits of the axis ranges as half-planes a·top + b·right + c >= 0.
struct HalfPlane {
    double a, b, c;
    double At(const Share& p) const { return a * p.top + b * p.right + c; }
};

std::array<HalfPlane, 6> RangeLimits(const PlotGeometry& geo)
{
    // The corners carry the ranges: C0 has top T.min and left L.max, C3 top
    // T.max and left L.min, C1 right R.max, C4 right R.min.
    const auto& c = geo.m_corners;
    const double tMin = c[0].top, tMax = c[3].top, rMin = c[4].right, rMax = c[1].right;
    const double lMin = c[3].left, lMax = c[0].left;
    return { { { 1, 0, -tMin }, { -1, 0, tMax }, { 0, 1, -rMin }, { 0, -1, rMax }, { -1, -1, 100 - lMin },
        { 1, 1, lMax - 100 } } };
}

// Cuts a convex polygon to the axis ranges, one half-plane at a time.
std::vector<Share> Clip(std::vector<Share> polygon, const std::array<HalfPlane, 6>& limits)
{
    for (const HalfPlane& h : limits) {
        if (polygon.empty())
            break;
        std::vector<Share> kept;
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            const Share& p = polygon[i];
            const Share& q = polygon[(i + 1) % polygon.size()];
            const double fp = h.At(p), fq = h.At(q);
            if (fp >= 0)
                kept.push_back(p);
            if ((fp >= 0) != (fq >= 0)) {
                const double t = fp / (fp - fq);
                kept.push_back({ p.top + t * (q.top - p.top), p.right + t * (q.right - p.right) });
            }
        }
        polygon = std::move(kept);
    }
    return polygon;
}

bool Inside(const Share& p, const std::array<HalfPlane, 6>& limits)
{
    for (const HalfPlane& h : limits)
        if (h.At(p) < -1e-9)
            return false;
    return true;
}

CPoint ToDevice(const PlotGeometry& geo, const Share& p)
{
    return { geo.PlotX(static_cast<float>(p.top), static_cast<float>(p.right)), geo.PlotY(static_cast<float>(p.top)) };
}

} // namespace

std::optional<DensityGrid> ComputeDensity(const CTernaryDoc& doc)
{
    const DensitySettings& s = doc.m_density;
    if (s.mode == DensitySettings::Bins)
        return CountBins(doc.m_samples, s.bins);
    if (s.mode == DensitySettings::Kernel)
        return KernelDensity(doc.m_samples, KernelGridSide(s.bins), s.bandwidth);
    return std::nullopt;
}

const DensityGrid* DensityCache::For(const CTernaryDoc& doc)
{
    const DensitySettings& s = doc.m_density;
    const bool sameInputs
        = s.mode == m_computedFor.mode && s.bins == m_computedFor.bins && s.bandwidth == m_computedFor.bandwidth;
    if (!m_valid || !sameInputs) {
        m_grid = ComputeDensity(doc);
        m_computedFor = s;
        m_valid = true;
    }
    return m_grid ? &*m_grid : nullptr;
}

DensityLayer::DensityLayer(const DensitySettings& settings, const PlotGeometry& geometry, const DensityGrid& grid)
    : m_settings(settings)
    , m_geo(geometry)
    , m_grid(grid)
{
}

void DensityLayer::DrawFill(CDC& dc) const
{
    if (m_geo.m_plotRect.IsRectEmpty())
        return;
    const DensityScale scale = DensityScale::For(m_grid, m_settings);
    const TriangleGrid division(m_grid.side);
    const auto limits = RangeLimits(m_geo);
    const CPen oldPen = dc.GetPen();
    const CBrush oldBrush = dc.GetBrush();
    dc.BeginLayer("density");
    std::vector<CPoint> points;
    for (int i = 0; i < division.Count(); ++i) {
        const double value = m_grid.values[static_cast<std::size_t>(i)];
        // A bin without samples stays unfilled; a kernel density is smooth, so
        // where its kernels' reach ends it takes the scale's lowest colour
        // rather than leaving a stepped hole.
        if (!(value > 0) && !(m_grid.kernel && value == 0))
            continue;
        std::vector<Share> cell;
        for (const ClosedComposition& c : division.Corners(division.Bin(i)))
            cell.push_back({ c.top, c.right });
        if (!Inside(cell[0], limits) || !Inside(cell[1], limits) || !Inside(cell[2], limits))
            cell = Clip(std::move(cell), limits);
        if (cell.size() < 3)
            continue;
        points.clear();
        for (const Share& p : cell)
            points.push_back(ToDevice(m_geo, p));
        // The edge in the fill's own colour closes the seams between cells.
        const COLORREF colour = DensityColour(m_settings.colourMap, scale.Position(value));
        dc.SelectPen({ PS_SOLID, 0, colour });
        dc.SelectBrush({ BS_SOLID, colour });
        dc.Polygon(points);
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

void DensityLayer::DrawContours(CDC& dc) const
{
    if (!m_settings.contours || !m_grid.kernel || m_grid.samples == 0 || m_geo.m_plotRect.IsRectEmpty())
        return;
    const int n = m_grid.side;
    const TriangleGrid division(n);
    const auto limits = RangeLimits(m_geo);
    const double s = 100.0 / n;
    const CPen oldPen = dc.SelectPen({ PS_SOLID, 1, kContourColour });
    dc.BeginLayer("contours");
    for (double share : { 0.5, 0.9 }) {
        const double level = HighestDensityLevel(m_grid, share);
        // Marching triangles over the division's cells, on the corners' values.
        auto corner = [&](int top, int right) {
            return std::pair { Share { top * s, right * s },
                m_grid.vertexValues[static_cast<std::size_t>(division.VertexIndex(top, right))] };
        };
        for (int i = 0; i < division.Count(); ++i) {
            const TriangleBin bin = division.Bin(i);
            std::array<std::pair<Share, double>, 3> v;
            if (division.PointsUp(bin))
                v = { corner(bin.top + 1, bin.right), corner(bin.top, bin.right), corner(bin.top, bin.right + 1) };
            else
                v = { corner(bin.top + 1, bin.right), corner(bin.top + 1, bin.right + 1),
                    corner(bin.top, bin.right + 1) };
            std::vector<Share> crossings;
            for (int e = 0; e < 3; ++e) {
                const auto& [p, fp] = v[static_cast<std::size_t>(e)];
                const auto& [q, fq] = v[static_cast<std::size_t>((e + 1) % 3)];
                if ((fp >= level) != (fq >= level)) {
                    const double t = (level - fp) / (fq - fp);
                    crossings.push_back({ p.top + t * (q.top - p.top), p.right + t * (q.right - p.right) });
                }
            }
            if (crossings.size() != 2 || !Inside(crossings[0], limits) || !Inside(crossings[1], limits))
                continue;
            const CPoint a = ToDevice(m_geo, crossings[0]), b = ToDevice(m_geo, crossings[1]);
            dc.MoveTo(a.x, a.y);
            dc.LineTo(b.x, b.y);
        }
    }
    dc.SelectPen(oldPen);
}

CRect DensityLayer::ColourBarRect() const
{
    const CRect& plot = m_geo.m_plotRect;
    const int inset = plot.Width() / 8;
    const int top = plot.bottom + kBarGap;
    return { plot.left + inset, top, plot.right - inset, top + kBarHeight };
}

void DensityLayer::DrawColourBar(CDC& dc) const
{
    if (m_geo.m_plotRect.IsRectEmpty())
        return;
    const DensityScale scale = DensityScale::For(m_grid, m_settings);
    const CRect bar = ColourBarRect();
    const int width = bar.Width();
    if (width < 2)
        return;
    dc.BeginLayer("colourbar");
    // Low values at the left. Each step reaches to the bar's left end and
    // the next lower one is drawn over it, so no seam shows between them.
    for (int step = kBarSteps - 1; step >= 0; --step) {
        const int right = bar.left + (step + 1) * width / kBarSteps;
        dc.FillRect(
            { bar.left, bar.top, right, bar.bottom }, DensityColour(m_settings.colourMap, (step + 0.5) / kBarSteps));
    }
    dc.FrameRect(bar, RGB(0, 0, 0));

    const CPen oldPen = dc.SelectPen({ PS_SOLID, 1, RGB(0, 0, 0) });
    const unsigned oldAlign = dc.SetTextAlign(TA_CENTER | TA_TOP);
    for (double value : scale.Ticks()) {
        const int x = bar.left + static_cast<int>(std::lround(scale.Position(value) * (width - 1)));
        dc.MoveTo(x, bar.bottom);
        dc.LineTo(x, bar.bottom + kTickLength);
        dc.TextOut(x, bar.bottom + kTickLength + 2, QString::number(value, 'g', 4));
    }
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    dc.TextOut((bar.left + bar.right) / 2, bar.top - 4,
        m_grid.kernel ? QStringLiteral("Density") : QStringLiteral("Samples per bin"));
    dc.SetTextAlign(oldAlign);
    dc.SelectPen(oldPen);
}
