#include "plot/PlotGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// pi/3 as a single-precision float (the base rectangle) and pi/6 from a
// ten-digit pi (the mappings): the figures the plot has always used.
constexpr float kPi3Float = 1.0471975803375244f;
constexpr double kPi6 = 3.1415926535 / 6.0;

// A limit that is not a number is read as the full range for drawing.
float Finite(float value, float fallback) { return std::isfinite(value) ? value : fallback; }

long long SquaredDistance(CPoint p, int x, int y)
{
    const long long dx = static_cast<long long>(p.x) - x;
    const long long dy = static_cast<long long>(p.y) - y;
    return dx * dx + dy * dy;
}

} // namespace

const double PlotGeometry::kTan30 = std::tan(kPi6);
const double PlotGeometry::kTan60 = std::tan(static_cast<double>(kPi3Float));

int TruncCoord(double value)
{
    if (std::isnan(value))
        return 0;
    if (value > kCoordLimit)
        return kCoordLimit;
    if (value < -kCoordLimit)
        return -kCoordLimit;
    return static_cast<int>(value);
}

int ClampCoord(long long value)
{
    if (value > kCoordLimit)
        return kCoordLimit;
    if (value < -kCoordLimit)
        return -kCoordLimit;
    return static_cast<int>(value);
}

void PlotGeometry::SetCanvasFromDpi(int logicalDpiX) { m_canvasSize = { 8 * logicalDpiX, 10 * logicalDpiX }; }

CRect PlotGeometry::ComputeBaseRect() const
{
    const float w0 = static_cast<float>(m_canvasSize.cx) * 0.6f;
    CRect r { 0, 0, static_cast<int>(w0), static_cast<int>(kTan60 * w0 * 0.5) };
    r.InflateRect(-50, -50);
    if (m_equilateral) // the same base, the height of an equilateral triangle on it
        r.bottom = r.top + static_cast<int>(std::lround(r.Width() * std::sqrt(3.0) / 2));
    return r;
}

void PlotGeometry::LayoutPlot()
{
    CRect r = ComputeBaseRect();
    r.OffsetRect(m_panOffset.x, m_panOffset.y);
    r.OffsetRect(-m_scrollPos.x, -m_scrollPos.y);
    const int w0 = r.Width();
    const int h0 = r.Height();
    r.InflateRect(static_cast<int>(w0 * (m_scale - 1.0f) * 0.5), static_cast<int>(h0 * (m_scale - 1.0f) * 0.5));
    m_plotRect = r;
}

int PlotGeometry::PlotX(float top, float right) const
{
    const double w = m_plotRect.Width();
    const double h = m_plotRect.Height();
    if (m_equilateral)
        return TruncCoord((0.5 * w * top + w * right) * 0.01 + m_plotRect.left);
    return TruncCoord((kTan30 * h * top + w * right) * 0.01 + m_plotRect.left);
}

int PlotGeometry::PlotY(float top) const
{
    const double h = m_plotRect.Height();
    return ClampCoord(static_cast<long long>(m_plotRect.bottom) - TruncCoord(h * top * 0.01));
}

double PlotGeometry::TopFromPoint(int y) const
{
    return static_cast<double>(m_plotRect.bottom - y) / m_plotRect.Height() * 100.0;
}

double PlotGeometry::RightFromPoint(int x, int y) const
{
    const double t = TopFromPoint(y);
    const double h = m_plotRect.Height();
    const double w = m_plotRect.Width();
    const double apexShift = m_equilateral ? 0.5 * t * w * 0.01 : kTan30 * t * h * 0.01;
    return (x - apexShift - m_plotRect.left) / w * 100.0;
}

double PlotGeometry::LeftFromPoint(int x, int y) const
{
    const float rest = static_cast<float>(100.0 - TopFromPoint(y));
    return rest - RightFromPoint(x, y);
}

void PlotGeometry::ComputeCorners(
    const AxisSettings& topAxis, const AxisSettings& leftAxis, const AxisSettings& rightAxis)
{
    if (m_plotRect.IsRectEmpty())
        return;
    const float tMin = Finite(topAxis.min, 0), tMax = Finite(topAxis.max, 100);
    const float lMin = Finite(leftAxis.min, 0), lMax = Finite(leftAxis.max, 100);
    const float rMin = Finite(rightAxis.min, 0), rMax = Finite(rightAxis.max, 100);

    auto corner = [this](float top, float right, float left) {
        return PlotCorner { PlotX(top, right), PlotY(top), top, right, left };
    };
    m_corners[0] = corner(tMin, 100 - tMin - lMax, lMax);
    m_corners[1] = corner(tMin, rMax, 100 - tMin - rMax);
    m_corners[2] = corner(100 - rMax - lMin, rMax, lMin);
    m_corners[3] = corner(tMax, 100 - tMax - lMin, lMin);
    m_corners[4] = corner(tMax, rMin, 100 - tMax - rMin);
    m_corners[5] = corner(100 - lMax - rMin, rMin, lMax);
}

void PlotGeometry::FrameCorners(
    const AxisSettings& topAxis, const AxisSettings& leftAxis, const AxisSettings& rightAxis)
{
    constexpr double kMaxZoom = 4.0;
    PlotGeometry plain = *this;
    plain.m_scale = 1.0f;
    plain.m_panOffset = {};
    plain.m_scrollPos = {};
    plain.LayoutPlot();
    plain.ComputeCorners(topAxis, leftAxis, rightAxis);
    int left = plain.m_corners[0].x, right = left, top = plain.m_corners[0].y, bottom = top;
    for (const PlotCorner& c : plain.m_corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    const CRect base = ComputeBaseRect();
    double zoom = 1.0;
    if (right > left && bottom > top)
        zoom = std::clamp(std::min(static_cast<double>(base.Width()) / (right - left),
                              static_cast<double>(base.Height()) / (bottom - top)),
            1.0, kMaxZoom);
    // The layout zooms about the panned base's centre: a point p at zoom 1
    // lands at centre + pan + zoom * (p - centre).
    m_scale = static_cast<float>(zoom);
    m_panOffset = { static_cast<int>(std::lround(-zoom * ((left + right) / 2.0 - (base.left + base.right) / 2.0))),
        static_cast<int>(std::lround(-zoom * ((top + bottom) / 2.0 - (base.top + base.bottom) / 2.0))) };
    LayoutPlot();
    ComputeCorners(topAxis, leftAxis, rightAxis);
}

int PlotGeometry::NearestAxisCorner(CPoint p) const
{
    const auto& c = m_corners;
    const long long top = SquaredDistance(p, (c[3].x + c[4].x) / 2, (c[3].y + c[4].y) / 2);
    const long long left = SquaredDistance(p, (c[5].x + c[0].x) / 2, (c[5].y + c[0].y) / 2);
    const long long right = SquaredDistance(p, (c[1].x + c[2].x) / 2, (c[1].y + c[2].y) / 2);
    if (top < left && top < right)
        return AxisTop;
    if (top <= left || right <= left)
        return AxisRight;
    return AxisLeft;
}

bool PlotGeometry::NearSegment(CPoint p, CPoint a, CPoint b)
{
    auto strictlyBetween = [](int v, int e1, int e2) { return (v > e1 && v < e2) || (v > e2 && v < e1); };
    if (a.y == b.y) {
        if (a.x == b.x)
            return std::abs(p.y - a.y) < 3 && std::abs(p.x - a.x) < 3;
        return std::abs(p.y - a.y) < 3 && strictlyBetween(p.x, a.x, b.x);
    }
    if (a.x == b.x)
        return false;
    if (!strictlyBetween(p.x, a.x, b.x) || !strictlyBetween(p.y, a.y, b.y))
        return false;
    const double slope = static_cast<double>(b.y - a.y) / (b.x - a.x);
    return std::fabs(p.y - slope * (p.x - a.x) - a.y) < 3;
}

int PlotGeometry::ScrollPosition(int current, ScrollCode code, int max, int thumb, int min)
{
    int pos = current;
    switch (code) {
    case LineUp:
        pos = current - max / 20;
        break;
    case LineDown:
        pos = current + max / 20;
        break;
    case PageUp:
        pos = current - max / 5;
        break;
    case PageDown:
        pos = current + max / 5;
        break;
    case ThumbPosition:
    case ThumbTrack:
        pos = thumb;
        break;
    case Top:
        pos = min;
        break;
    case Bottom:
        pos = max;
        break;
    }
    if (pos >= max)
        pos = max;
    if (pos < min + 1)
        pos = min;
    return pos;
}
