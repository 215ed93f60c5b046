#include "plot/PlotRenderer.h"

#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/ClassFieldLayer.h"
#include "plot/DensityLayer.h"
#include "plot/LegendBox.h"
#include "plot/SymbolPainter.h"
#include "plot/SymbolStamps.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi3 = 1.0471975511666667;

// The component of a corner that an axis measures.
float Share(const PlotCorner& c, int axis)
{
    switch (axis) {
    case AxisTop:
        return c.top;
    case AxisLeft:
        return c.left;
    default:
        return c.right;
    }
}

// The point of value v on the edge from a to b, along which the axis's share
// runs from its value at a to its value at b. A degenerate edge gives a.
CPoint OnEdge(const PlotCorner& a, const PlotCorner& b, int axis, double v, bool horizontal)
{
    const double ca = Share(a, axis), cb = Share(b, axis);
    const double t = cb != ca ? (v - ca) / (cb - ca) : 0.0;
    CPoint p { TruncCoord(a.x + t * (b.x - a.x)), TruncCoord(a.y + t * (b.y - a.y)) };
    if (horizontal)
        p.y = a.y;
    return p;
}

// One end of an iso-line: on the first edge (a-s) when v is not above the
// shared corner's value and that edge is not degenerate, else on the second (s-b).
CPoint End(const std::array<PlotCorner, 6>& c, int axis, double v, int a, int s, int b)
{
    auto horizontal = [](int i, int j) {
        return (i == 0 && j == 1) || (i == 1 && j == 0) || (i == 3 && j == 4) || (i == 4 && j == 3);
    };
    const double shared = Share(c[s], axis);
    if (v <= shared && shared > Share(c[a], axis))
        return OnEdge(c[a], c[s], axis, v, horizontal(a, s));
    return OnEdge(c[s], c[b], axis, v, horizontal(s, b));
}

// The polygon the axis ranges cut from the triangle, corner by corner.
std::vector<CPoint> CornerPoints(const PlotGeometry& geo)
{
    std::vector<CPoint> points;
    for (const PlotCorner& c : geo.m_corners)
        points.push_back({ c.x, c.y });
    return points;
}

} // namespace

LogicalFont ToLogicalFont(const FontSettings& font)
{
    LogicalFont f;
    f.height = font.height;
    f.weight = font.weight;
    f.italic = font.italic != 0;
    f.underline = font.underline != 0;
    f.strikeOut = font.strikeOut != 0;
    f.faceName = font.faceName;
    return f;
}

PlotRenderer::PlotRenderer(CTernaryDoc& doc, const PlotGeometry& geometry)
    : m_doc(doc)
    , m_geo(geometry)
{
}

const AxisSettings& PlotRenderer::Axis(int axis) const
{
    switch (axis) {
    case AxisTop:
        return m_doc.m_topAxis;
    case AxisLeft:
        return m_doc.m_leftAxis;
    default:
        return m_doc.m_rightAxis;
    }
}

void PlotRenderer::OnDraw(CDC& dc, AnnotationLayer& annotations, LegendBox& legend)
{
    const LogicalFont oldFont = dc.SelectFont(ToLogicalFont(m_doc.m_axisFont));
    dc.SetTextColor(m_doc.m_axisFont.color);
    std::optional<DensityGrid> computed;
    if (!m_density && m_doc.m_density.mode != DensitySettings::Off && (computed = ComputeDensity(m_doc)))
        m_density = &*computed;
    DrawBackgroundAndGrids(dc);
    if (m_density)
        DensityLayer(m_doc.m_density, m_geo, *m_density).DrawContours(dc);
    DrawTicks(dc);
    DrawClassFields(dc, m_doc, m_geo);
    DrawOutline(dc);
    if (m_density && !m_doc.m_density.showSamples)
        ForgetPlottedPositions();
    else
        DrawSamples(dc);
    dc.SetBkMode(TRANSPARENT);
    DrawTitles(dc);
    if (m_density)
        DensityLayer(m_doc.m_density, m_geo, *m_density).DrawColourBar(dc);
    if (computed)
        m_density = nullptr;
    dc.SelectFont(oldFont);

    // The annotation and legend fonts follow the document, like the axis font.
    annotations.SetFont(ToLogicalFont(m_doc.m_annotFont));
    legend.SetFont(ToLogicalFont(m_doc.m_legendFont));
    dc.SetTextColor(m_doc.m_annotFont.color);
    dc.BeginLayer("annotations");
    annotations.Draw(dc);
    if (m_doc.m_drawLegend) {
        dc.SetTextColor(m_doc.m_legendFont.color);
        legend.SetSymbolSize(m_doc.m_symbolSize);
        legend.SetCanvasHeight(m_geo.m_canvasSize.cy);
        dc.BeginLayer("legend");
        legend.Draw(dc);
    }
}

double PlotRenderer::RoundLabel(double value, double increment)
{
    int n = 3 - static_cast<int>(std::log10(std::fabs(increment)));
    if (n < 1)
        n = 0;
    const double f = std::trunc(std::pow(10.0, n));
    return std::floor(value * f + 0.5) / f;
}

std::string PlotRenderer::LabelText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::vector<double> PlotRenderer::GridValues(const AxisSettings& axis, bool rounded)
{
    std::vector<double> values;
    const double min = axis.min, max = axis.max, inc = axis.increment;
    if (!std::isfinite(min) || !std::isfinite(max) || !std::isfinite(inc) || !(inc > 0))
        return values;
    if ((max - min) / inc > kMaxGridValues)
        return values;
    double v = (std::floor(axis.min / axis.increment) + 1) * inc;
    while (v < max && values.size() <= static_cast<std::size_t>(kMaxGridValues)) {
        const double shown = rounded ? RoundLabel(v, inc) : v;
        values.push_back(shown);
        const double next = shown + inc;
        if (!(next > v))
            break;
        v = next;
    }
    return values;
}

IsoLine PlotRenderer::IsoLineEnds(int axis, double v) const
{
    const auto& c = m_geo.m_corners;
    IsoLine line;
    switch (axis) {
    case AxisRight:
        line.first = End(c, axis, v, 5, 0, 1);
        line.second = End(c, axis, v, 4, 3, 2);
        break;
    case AxisTop: {
        line.first = End(c, axis, v, 1, 2, 3);
        line.second = End(c, axis, v, 0, 5, 4);
        const int y = TruncCoord(m_geo.m_plotRect.bottom - m_geo.m_plotRect.Height() * v * 0.01);
        line.first.y = line.second.y = y;
        break;
    }
    default:
        line.first = End(c, axis, v, 3, 4, 5);
        line.second = End(c, axis, v, 2, 1, 0);
        break;
    }
    return line;
}

CPoint PlotRenderer::LabelPosition(int axis, CPoint p, unsigned* align) const
{
    const int g = Axis(axis).labelGap;
    if (Clockwise()) {
        // Mirrored: Top's labels on the left edge, Right's on the right edge
        // (or over a cut top), Left's under the bottom edge.
        switch (axis) {
        case AxisTop:
            *align = TA_RIGHT | TA_BASELINE;
            return { ClampCoord(static_cast<long long>(p.x) - g - 2), p.y + 5 };
        case AxisRight:
            *align = TA_LEFT | TA_BASELINE;
            if (p.y == m_geo.m_corners[3].y)
                return CPoint { p.x, p.y - 5 };
            return { ClampCoord(static_cast<long long>(p.x) + g + 2), p.y + 5 };
        default:
            *align = TA_CENTER | TA_TOP;
            return { p.x, ClampCoord(static_cast<long long>(p.y) + g + 2) };
        }
    }
    switch (axis) {
    case AxisRight:
        *align = TA_CENTER | TA_TOP;
        return { p.x, ClampCoord(static_cast<long long>(p.y) + g + 2) };
    case AxisTop:
        *align = TA_LEFT | TA_BASELINE;
        return { ClampCoord(static_cast<long long>(p.x) + g + 2), p.y + 5 };
    default:
        *align = TA_RIGHT | TA_BASELINE;
        if (p.y == m_geo.m_corners[4].y)
            return { p.x, p.y - 5 };
        return { ClampCoord(static_cast<long long>(p.x) - g - 2), p.y + 5 };
    }
}

CPoint PlotRenderer::TickEnd(int axis, CPoint p, bool second, int length, bool inside) const
{
    const double s = length * std::sin(kPi3);
    const double c = length * std::cos(kPi3);
    // Direction of the outward tick at the first end; the second end points
    // the other way, and an inward tick is the outward one reversed.
    double dx = 0, dy = 0;
    switch (axis) {
    case AxisRight:
        dx = -c;
        dy = s;
        break;
    case AxisTop:
        dx = length;
        break;
    default:
        dx = -c;
        dy = -s;
        break;
    }
    if (second != inside) {
        dx = -dx;
        dy = -dy;
    }
    return { TruncCoord(p.x + dx), TruncCoord(p.y + dy) };
}

void PlotRenderer::DrawBackgroundAndGrids(CDC& dc)
{
    if (m_geo.m_plotRect.IsRectEmpty())
        return;
    const CPen gridPen { m_doc.m_lineStyle ? PS_DOT : PS_SOLID, dc.IsPrinting() ? 0 : 1, m_doc.m_lineColor };
    const CPen oldPen = dc.SelectPen(gridPen);
    const CBrush oldBrush = dc.SelectBrush({ BS_SOLID, m_doc.m_bgColor });
    dc.BeginLayer("background");
    dc.Polygon(CornerPoints(m_geo));
    if (m_density)
        DensityLayer(m_doc.m_density, m_geo, *m_density).DrawFill(dc);

    for (int axis : { AxisRight, AxisTop, AxisLeft }) {
        for (double v : GridValues(Axis(axis), true)) {
            const IsoLine line = IsoLineEnds(axis, v);
            if (m_doc.m_drawGrids) {
                dc.BeginLayer("grid");
                dc.MoveTo(line.first.x, line.first.y);
                dc.LineTo(line.second.x, line.second.y);
            }
            unsigned align = 0;
            const CPoint at = LabelPosition(axis, Clockwise() ? line.second : line.first, &align);
            dc.SetTextAlign(align);
            dc.BeginLayer("labels");
            dc.TextOut(at.x, at.y, LabelText(v));
        }
    }
    dc.SelectPen(oldPen);
    dc.SelectBrush(oldBrush);
}

void PlotRenderer::DrawTicks(CDC& dc)
{
    if (m_geo.m_plotRect.IsRectEmpty() || !m_doc.m_drawTicks)
        return;
    const CPen oldPen = dc.SelectPen({ PS_SOLID, 0, m_doc.m_lineColor });
    dc.BeginLayer("ticks");
    const bool inside = m_doc.m_tickSide != 0;
    const int length = m_doc.m_tickLength;
    for (int axis : { AxisRight, AxisTop, AxisLeft }) {
        for (double v : GridValues(Axis(axis), false)) {
            const IsoLine line = IsoLineEnds(axis, v);
            const CPoint a = TickEnd(axis, line.first, false, length, inside);
            const CPoint b = TickEnd(axis, line.second, true, length, inside);
            dc.MoveTo(line.first.x, line.first.y);
            dc.LineTo(a.x, a.y);
            dc.MoveTo(line.second.x, line.second.y);
            dc.LineTo(b.x, b.y);
        }
    }
    dc.SelectPen(oldPen);
}

void PlotRenderer::DrawOutline(CDC& dc)
{
    if (m_geo.m_plotRect.IsRectEmpty())
        return;
    const CPen oldPen = dc.SelectPen({ PS_SOLID, 1, RGB(0, 0, 0) });
    dc.BeginLayer("outline");
    std::vector<CPoint> outline = CornerPoints(m_geo);
    outline.push_back(outline.front());
    dc.Polyline(outline);
    dc.SelectPen(oldPen);
}

void PlotRenderer::ForgetPlottedPositions()
{
    for (SampleRecord& sample : m_doc.m_samples)
        sample.plotX = sample.plotY = NOT_PLOTTED;
}

bool PlotRenderer::WithinRanges(double top, double left, double right) const
{
    // A sample on an edge of the polygon lies within it, whatever the float rounding.
    constexpr double kSlack = 1e-4;
    auto within = [](double v, const AxisSettings& axis) {
        const double min = std::isfinite(axis.min) ? axis.min : 0;
        const double max = std::isfinite(axis.max) ? axis.max : 100;
        return v >= min - kSlack && v <= max + kSlack;
    };
    return within(top, m_doc.m_topAxis) && within(left, m_doc.m_leftAxis) && within(right, m_doc.m_rightAxis);
}

void PlotRenderer::DrawSamples(CDC& dc)
{
    dc.BeginLayer("samples");
    m_outsideCount = 0;
    SymbolStamps stamps(dc);
    for (SampleRecord& sample : m_doc.m_samples) {
        if (sample.row == -1) {
            sample.plotX = sample.plotY = NOT_PLOTTED;
            continue;
        }
        if (!IsGiven(sample.top) || !IsGiven(sample.left) || !IsGiven(sample.right))
            continue;
        float top = sample.top, right = sample.right;
        float sum = sample.left + sample.top + sample.right;
        if (sum != 100 && m_doc.m_autoBalance && sum != 0) {
            top = top * (100 / sum);
            right = right * (100 / sum);
            sum = 100;
        }
        // Values that are not numbers (possible only from a damaged file) are not plotted,
        // nor are samples the axis ranges cut off.
        const bool drawn
            = sum == 100 && sample.colorId != -1 && sample.symbolId != -1 && std::isfinite(top) && std::isfinite(right);
        if (drawn && !WithinRanges(top, 100 - top - right, right)) {
            ++m_outsideCount;
            sample.plotX = sample.plotY = NOT_PLOTTED;
        } else if (drawn) {
            const int x = m_geo.PlotX(top, right);
            const int y = m_geo.PlotY(top);
            stamps.Draw(sample.colorId, sample.symbolId, m_doc.m_symbolSize, x, y);
            sample.plotX = x;
            sample.plotY = y;
            if (m_doc.m_showId) {
                dc.SetTextAlign(TA_LEFT | TA_BASELINE);
                dc.TextOut(x + 10, y + 10, sample.name);
            }
        } else {
            sample.plotX = sample.plotY = NOT_PLOTTED;
        }
    }
}

CRect PlotRenderer::GetTitleRect(int axis) const
{
    CDC measure;
    measure.SelectFont(ToLogicalFont(m_doc.m_axisFont));
    const int h = measure.GetTextExtent(QStringLiteral("Blank")).cy;
    const int w = measure.GetTextExtent(Axis(axis).title).cx;
    const auto& c = m_geo.m_corners;
    CRect r;
    if (Clockwise()) {
        // Beside the middle of the edge that carries the axis's labels, past them.
        int labels = 0;
        for (double v : GridValues(Axis(axis), true))
            labels = std::max(labels, measure.GetTextExtent(LabelText(v)).cx);
        const int room = Axis(axis).labelGap + 2 + labels + 8;
        switch (axis) {
        case AxisTop: // the left edge, C4-C5
            r.right = (c[4].x + c[5].x) / 2 - room;
            r.left = r.right - w - 4;
            r.bottom = (c[4].y + c[5].y) / 2 + h / 2;
            break;
        case AxisRight: // the right edge, C2-C3
            r.left = (c[2].x + c[3].x) / 2 + room;
            r.right = r.left + w + 4;
            r.bottom = (c[2].y + c[3].y) / 2 + h / 2;
            break;
        default: // under the bottom edge, C0-C1, below the labels
            r.left = (c[0].x + c[1].x) / 2 - w / 2 - 2;
            r.right = r.left + w + 4;
            r.bottom = c[0].y + Axis(axis).labelGap + 2 + 2 * h + 8;
            break;
        }
        r.top = r.bottom - h - 4;
        return r;
    }
    switch (axis) {
    case AxisTop:
        r.left = TruncCoord((c[3].x + c[4].x) * 0.5 - w / 2 - 2);
        r.right = r.left + w + 4;
        r.bottom = c[3].x == c[4].x ? c[3].y - 10 : c[3].y - h - 5;
        r.top = r.bottom - h - 4;
        break;
    case AxisLeft:
        r.right = TruncCoord((c[0].x + c[5].x) * 0.5 - 10);
        r.bottom = TruncCoord((c[5].y + c[0].y) * 0.5 + h);
        if (c[0].x != c[5].x) {
            r.right -= 7;
            r.bottom += 7;
        }
        r.left = r.right - w - 4;
        r.top = r.bottom - h - 4;
        break;
    default:
        r.left = TruncCoord((c[1].x + c[2].x) * 0.5 + 10);
        r.bottom = TruncCoord((c[2].y + c[1].y) * 0.5 + h);
        if (c[1].x != c[2].x) {
            r.left += 7;
            r.bottom += 7;
        }
        r.right = r.left + w + 4;
        r.top = r.bottom - h - 4;
        break;
    }
    return r;
}

void PlotRenderer::DrawTitles(CDC& dc)
{
    dc.BeginLayer("titles");
    dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    for (int axis : { AxisTop, AxisLeft, AxisRight }) {
        const CRect r = GetTitleRect(axis);
        dc.TextOut((r.left + r.right) / 2, r.bottom, Axis(axis).title);
    }
}

bool PlotRenderer::Clockwise() const { return m_doc.m_diagram.clockwise != 0; }
