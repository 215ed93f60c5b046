// The plot's coordinate system at the canvas of a 96 dpi screen: base
// rectangle, corners of full and cut ranges, the mapping and its inverse,
// framing, hit tests and scroll steps.
#include "plot/PlotGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

AxisSettings Range(float min, float max, float increment = 10)
{
    AxisSettings a;
    a.min = min;
    a.max = max;
    a.increment = increment;
    return a;
}

PlotGeometry Layout(float tMin = 0, float tMax = 100, float lMin = 0, float lMax = 100, float rMin = 0,
    float rMax = 100, bool equilateral = false)
{
    PlotGeometry g;
    g.SetCanvasFromDpi(96);
    g.m_equilateral = equilateral;
    g.LayoutPlot();
    g.ComputeCorners(Range(tMin, tMax), Range(lMin, lMax), Range(rMin, rMax));
    return g;
}

CPoint At(const PlotCorner& c) { return { c.x, c.y }; }

} // namespace

TEST(PlotGeometryTest, FullRangesGiveTheTriangleAndCutRangesSixCorners)
{
    EXPECT_EQ(Layout().m_canvasSize, (CSize { 768, 960 }));
    const struct {
        bool equilateral;
        float min, max;
        CRect plot;
        CPoint corners[6];
    } cases[] = {
        // Top 100 at the apex, left of centre; the cut corners fall together in pairs.
        { false, 0, 100, { 50, 50, 410, 349 },
            { { 50, 349 }, { 410, 349 }, { 410, 349 }, { 222, 50 }, { 222, 50 }, { 50, 349 } } },
        { false, 10, 60, { 50, 50, 410, 349 },
            { { 175, 320 }, { 283, 320 }, { 317, 260 }, { 261, 170 }, { 189, 170 }, { 137, 260 } } },
        // The same base, 312 = 360 x sqrt(3) / 2 high, the apex over its middle.
        { true, 0, 100, { 50, 50, 410, 362 },
            { { 50, 362 }, { 410, 362 }, { 410, 362 }, { 230, 50 }, { 230, 50 }, { 50, 362 } } },
    };
    for (const auto& c : cases) {
        const PlotGeometry g = Layout(c.min, c.max, c.min, c.max, c.min, c.max, c.equilateral);
        EXPECT_EQ(g.m_plotRect, c.plot);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(At(g.m_corners[i]), c.corners[i]) << c.max << ", corner " << i;
        // Left at corner 0, right at 1, top at 3: the maxima.
        EXPECT_EQ((std::array { g.m_corners[0].left, g.m_corners[1].right, g.m_corners[3].top }),
            (std::array { c.max, c.max, c.max }));
    }
}

TEST(PlotGeometryTest, MappingFollowedByItsInverseGivesTheSharesBackOnEitherTriangle)
{
    for (bool equilateral : { false, true }) {
        const PlotGeometry g = Layout(0, 100, 0, 100, 0, 100, equilateral);
        const double unit = 100.0 / g.m_plotRect.Height(); // one device unit in percent
        for (float top : { 0.f, 12.5f, 33.3f, 50.f, 87.f, 100.f }) {
            for (float right : { 0.f, 7.f, 40.f }) {
                if (top + right > 100)
                    continue;
                const int x = g.PlotX(top, right), y = g.PlotY(top);
                EXPECT_NEAR(g.TopFromPoint(y), top, unit) << equilateral << " " << top << " " << right;
                EXPECT_NEAR(g.RightFromPoint(x, y), right, 2 * unit) << equilateral << " " << top << " " << right;
                EXPECT_NEAR(g.LeftFromPoint(x, y), 100 - top - right, 3 * unit) << equilateral << " " << top;
            }
        }
    }
}

TEST(PlotGeometryTest, FramingCentresTheCutPolygonAndFillsTheBase)
{
    struct Case {
        float tMin, tMax, lMin, lMax, rMin, rMax;
        float zoom; // 0: only checked to fill the base
    };
    const Case cases[] = {
        { 0, 100, 0, 100, 0, 100, 1 }, // the whole triangle stays
        { 0, 40, 20, 80, 0, 40, 0 }, { 0, 10, 0, 10, 80, 100, 4 }, // a tiny corner: no more than the zoom buttons reach
    };
    for (const Case& c : cases) {
        PlotGeometry g = Layout(c.tMin, c.tMax, c.lMin, c.lMax, c.rMin, c.rMax);
        g.m_scrollPos = { 7, 9 };
        g.FrameCorners(Range(c.tMin, c.tMax), Range(c.lMin, c.lMax), Range(c.rMin, c.rMax));
        int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
        for (const PlotCorner& k : g.m_corners) {
            left = std::min(left, k.x + 7);
            right = std::max(right, k.x + 7);
            top = std::min(top, k.y + 9);
            bottom = std::max(bottom, k.y + 9);
        }
        const CRect base = g.ComputeBaseRect();
        EXPECT_NEAR(left + right, base.left + base.right, 6) << c.tMin << " " << c.lMin; // within 3 units
        EXPECT_NEAR(top + bottom, base.top + base.bottom, 6) << c.tMin << " " << c.lMin;
        if (c.zoom == 1)
            EXPECT_EQ(g.m_panOffset, CPoint {});
        if (c.zoom > 0)
            EXPECT_FLOAT_EQ(g.m_scale, c.zoom) << c.tMin;
        else
            EXPECT_TRUE(std::abs(right - left - base.Width()) <= 2 || std::abs(bottom - top - base.Height()) <= 2);
        EXPECT_LE(right - left, base.Width() + 2);
        EXPECT_LE(bottom - top, base.Height() + 2);
    }
}

TEST(PlotGeometryTest, NearSegmentAndTheNearestCorner)
{
    using G = PlotGeometry;
    // Equal distances to the left and right corners go to the right.
    EXPECT_EQ(Layout().NearestAxisCorner({ 230, 2000 }), AxisRight);
    // Horizontal: within 3 vertically and strictly between the ends.
    EXPECT_TRUE(G::NearSegment({ 60, 351 }, { 50, 349 }, { 410, 349 }));
    EXPECT_FALSE(G::NearSegment({ 60, 352 }, { 50, 349 }, { 410, 349 }));
    EXPECT_FALSE(G::NearSegment({ 50, 349 }, { 50, 349 }, { 410, 349 }));
    // A point segment: within 3 both ways.
    EXPECT_TRUE(G::NearSegment({ 12, 8 }, { 10, 10 }, { 10, 10 }));
    EXPECT_FALSE(G::NearSegment({ 13, 10 }, { 10, 10 }, { 10, 10 }));
    // Sloped: near the line and inside the box of the ends.
    EXPECT_TRUE(G::NearSegment({ 136, 201 }, { 50, 349 }, { 222, 50 }));
    EXPECT_FALSE(G::NearSegment({ 146, 201 }, { 50, 349 }, { 222, 50 }));
    // A vertical segment never hits.
    EXPECT_FALSE(G::NearSegment({ 10, 20 }, { 10, 10 }, { 10, 30 }));
}

TEST(PlotGeometryTest, ScrollSteps)
{
    using G = PlotGeometry;
    EXPECT_EQ(G::ScrollPosition(0, G::LineDown, 768), 38);
    EXPECT_EQ(G::ScrollPosition(100, G::PageDown, 768), 253);
    EXPECT_EQ(G::ScrollPosition(20, G::LineUp, 768), 0);
    EXPECT_EQ(G::ScrollPosition(750, G::LineDown, 768), 768);
    EXPECT_EQ(G::ScrollPosition(5, G::Bottom, 960), 960); // the maximum itself, not maximum minus page
    // A range that starts left of the origin: steps stop at its start.
    EXPECT_EQ(G::ScrollPosition(-50, G::LineUp, 768, 0, -60), -60);
    EXPECT_EQ(G::ScrollPosition(-60, G::LineDown, 768, 0, -60), -22);
    EXPECT_EQ(G::ScrollPosition(300, G::Top, 768, 0, -60), -60);
}

TEST(PlotGeometryTest, ConversionsNeverOverflow)
{
    EXPECT_EQ(TruncCoord(1e30), kCoordLimit);
    EXPECT_EQ(TruncCoord(-1e30), -kCoordLimit);
    EXPECT_EQ(TruncCoord(std::nan("")), 0);
    EXPECT_EQ(TruncCoord(-2.7), -2);
    PlotGeometry g = Layout(-1e30f, 1e30f, std::nanf(""), 100, 0, std::numeric_limits<float>::infinity());
    for (const PlotCorner& c : g.m_corners) {
        EXPECT_LE(std::abs(c.x), kCoordLimit);
        EXPECT_LE(std::abs(c.y), kCoordLimit);
    }
}
