#pragma once

#include "document/AxisSettings.h"
#include "framework/core/WinTypes.h"

#include <array>

// One corner of the plot polygon: device position and its composition.
struct PlotCorner {
    int x = 0;
    int y = 0;
    float top = 0;
    float right = 0;
    float left = 0;
};

// Axis numbers used across the plot code (NearestAxisCorner, titles).
enum PlotAxis { AxisTop = 0, AxisLeft = 1, AxisRight = 2 };

// A float-to-int conversion that truncates toward zero like a C cast but
// never overflows: NaN gives 0 and values are held to +-kCoordLimit, far
// outside any canvas. Files may hold any axis range; this keeps the
// arithmetic defined.
inline constexpr int kCoordLimit = 4'000'000;
int TruncCoord(double value);
// An int sum held to +-kCoordLimit.
int ClampCoord(long long value);

// The coordinate system of the plot: where the triangle lies on the canvas,
// the mapping of a composition to device units and back, and the six-cornered
// polygon the three axis ranges cut from the triangle. Pure arithmetic: the
// view, the renderer, the exporter and the tests all use it without a widget.
//
// Device units are canvas units minus the scroll position. Every conversion
// truncates toward zero as the drawing code expects.
class PlotGeometry {
public:
    // tan(pi/6) and tan(pi/3) at the fixed angle constants the mapping is defined with.
    static const double kTan30;
    static const double kTan60;

    CSize m_canvasSize { 768, 960 };
    CPoint m_scrollPos;
    CPoint m_panOffset;
    float m_scale = 1.0f;
    // An equilateral triangle, the apex over the base's middle, instead of
    // the standard one (a little lower, the apex left of the middle).
    bool m_equilateral = false;
    CRect m_plotRect;
    std::array<PlotCorner, 6> m_corners {};

    // Canvas of 8 x 10 inches at the given logical pixels per inch (horizontal figure).
    void SetCanvasFromDpi(int logicalDpiX);

    // The unscaled rectangle of the triangle on the canvas.
    CRect ComputeBaseRect() const;
    // m_plotRect from the base rectangle, the pan, the scroll and the zoom.
    void LayoutPlot();
    // m_corners from the axis ranges; nothing while m_plotRect is empty.
    void ComputeCorners(const AxisSettings& top, const AxisSettings& left, const AxisSettings& right);
    // The zoom (1 to 4) and pan that show the polygon of these ranges as
    // large as the base rectangle holds it, centred on it; then the layout
    // and the corners. Full ranges give zoom 1 and no pan.
    void FrameCorners(const AxisSettings& top, const AxisSettings& left, const AxisSettings& right);

    int PlotX(float top, float right) const;
    int PlotY(float top) const;
    double TopFromPoint(int y) const;
    double RightFromPoint(int x, int y) const;
    double LeftFromPoint(int x, int y) const;

    // 0 top, 1 left, 2 right: the axis whose 100 % corner region is nearest.
    int NearestAxisCorner(CPoint p) const;
    // True when p lies within 3 units of the segment a-b (vertical segments never hit).
    static bool NearSegment(CPoint p, CPoint a, CPoint b);

    // A scroll bar's new position for a scroll request; max is the range
    // maximum, min its minimum (below 0 when something is drawn left of or
    // above the canvas origin). Steps are fractions of max.
    enum ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom };
    static int ScrollPosition(int current, ScrollCode code, int max, int thumb = 0, int min = 0);
};
