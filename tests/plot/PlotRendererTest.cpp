// What a paint of the plot produces: grid values and labels, iso-lines, ticks,
// titles, the outline, the samples and their symbols, and degenerate axes.
#include "plot/RenderedPlot.h"

#include "plot/SymbolPainter.h"
#include "plot/SymbolStamps.h"

#include <gtest/gtest.h>

#include <limits>

TEST(PlotRendererTest, GridValuesSkipTheLimitsLabelsAreRoundedAndDegenerateAxesStillPaint)
{
    EXPECT_DOUBLE_EQ(PlotRenderer::RoundLabel(0.1234567, 10), 0.12);
    EXPECT_DOUBLE_EQ(PlotRenderer::RoundLabel(33.33333, 0.5), 33.333);
    EXPECT_DOUBLE_EQ(PlotRenderer::RoundLabel(12.6, 1000), 13);
    EXPECT_EQ(PlotRenderer::GridValues({}, true), (std::vector<double> { 10, 20, 30, 40, 50, 60, 70, 80, 90 }));
    EXPECT_EQ(PlotRenderer::GridValues({ "", 15, 40, 10, 6 }, true), (std::vector<double> { 20, 30 }));
    const auto rounded = PlotRenderer::GridValues({ "", 0, 1, 0.1f, 6 }, true);
    ASSERT_EQ(rounded.size(), 9u);
    EXPECT_EQ(PlotRenderer::LabelText(rounded[2]), "0.3");

    // Degenerate axes have no grid values and still paint; each of these once hung or overflowed a paint.
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const AxisSettings none[] = { { "", 0, 100, 0, 6 }, { "", 0, 100, -10, 6 }, { "", 0, 100, nan, 6 },
        { "", 0, 100, inf, 6 }, { "", 50, 100, 1e-7f, 6 } /* too small to move 50 forward */,
        { "", 0, 100, 0.01f, 6 } /* 10,000 values: more than a grid can show */, { "", 70, 30, 10, 6 },
        { "", nan, 100, 10, 6 }, { "", -1e30f, 1e30f, 10, 6 } };
    for (const AxisSettings& a : none)
        EXPECT_EQ(PlotRenderer::GridValues(a, true).size() + PlotRenderer::GridValues(a, false).size(), 0u)
            << a.min << " " << a.max << " " << a.increment;
    EXPECT_EQ(PlotRenderer::GridValues({ "", -50, 150, 10, 6 }, true).size(), 19u); // outside 0..100 but sane

    Plot plot;
    plot.doc.m_topAxis.increment = 0;
    plot.doc.m_leftAxis = { "Left", -1e30f, 1e30f, 1e-30f, 6 };
    plot.doc.m_rightAxis = { "Right", nan, 40, -3, 6 };
    plot.doc.m_drawTicks = 1;
    plot.doc.m_tickLength = std::numeric_limits<int>::max();
    plot.doc.m_symbolSize = std::numeric_limits<int>::max();
    plot.doc.GetSample(3) = { "x", 1e30f, -1e30f, 100, 1, 1, 0, 0, 3 };
    plot.Corners();
    plot.Paint();
    plot.Record();
}

TEST(PlotRendererTest, IsoLineEndsLabelsAndTitlesOnTheTriangleAndACutPolygon)
{
    Plot plot(10, 60); // corners (175,320) (283,320) (317,260) (261,170) (189,170) (137,260)
    const PlotRenderer r = plot.Renderer();
    unsigned align = 0;

    // Right 20: from the lower left edge to the top edge, parallel to the left edge.
    IsoLine line = r.IsoLineEnds(AxisRight, 20);
    EXPECT_EQ(std::pair(line.first, line.second), std::pair(CPoint { 156, 290 }, CPoint { 225, 170 }));
    EXPECT_EQ(r.LabelPosition(AxisRight, line.first, &align), (CPoint { 156, 298 }));
    EXPECT_EQ(align, unsigned(TA_CENTER | TA_TOP));

    // Left 20: its label end lies on the top edge, so the label sits above it.
    line = r.IsoLineEnds(AxisLeft, 20);
    EXPECT_EQ(std::pair(line.first, line.second), std::pair(CPoint { 225, 170 }, CPoint { 300, 290 }));
    EXPECT_EQ(r.LabelPosition(AxisLeft, line.first, &align), (CPoint { 225, 165 }));
    EXPECT_EQ(align, unsigned(TA_RIGHT | TA_BASELINE));
    // Left 40 ends on the upper left edge: the label goes left of it.
    line = r.IsoLineEnds(AxisLeft, 40);
    EXPECT_EQ(r.LabelPosition(AxisLeft, line.first, &align), (CPoint { line.first.x - 8, line.first.y + 5 }));

    // Top 20 is horizontal at trunc(bottom - H * 0.2).
    line = r.IsoLineEnds(AxisTop, 20);
    EXPECT_EQ(std::pair(line.first, line.second), std::pair(CPoint { 300, 289 }, CPoint { 156, 289 }));
    EXPECT_EQ(r.LabelPosition(AxisTop, line.first, &align), (CPoint { 308, 294 }));

    // Titles sit at the corners of their component.
    Plot full;
    const PlotRenderer titles = full.Renderer();
    CDC measure;
    measure.SelectFont(ToLogicalFont(full.doc.m_axisFont));
    const int h = measure.GetTextExtent(QStringLiteral("Blank")).cy;
    EXPECT_EQ(std::tuple(titles.GetTitleRect(AxisTop).bottom, titles.GetTitleRect(AxisLeft).right,
                  titles.GetTitleRect(AxisLeft).bottom, titles.GetTitleRect(AxisRight).left),
        std::tuple(50 - 10, 50 - 10, 349 + h, 410 + 10));
    full.doc.m_topAxis.max = 80;
    full.Corners();
    EXPECT_EQ(titles.GetTitleRect(AxisTop).bottom, full.geo.m_corners[3].y - h - 5);
}

TEST(PlotRendererTest, TicksPointOutOrInAndLabelsDrawWithoutGrids)
{
    Plot plot;
    const PlotRenderer r = plot.Renderer();
    const CPoint p { 100, 200 };
    // L = 6: s = 5.196 and c = 3.0000000001 (pi/3 is taken a little short), so x - c truncates to 96.
    EXPECT_EQ(r.TickEnd(AxisRight, p, false, 6, false), (CPoint { 96, 205 }));
    EXPECT_EQ(r.TickEnd(AxisRight, p, false, 6, true), (CPoint { 103, 194 }));
    EXPECT_EQ(r.TickEnd(AxisTop, p, true, 6, false), (CPoint { 94, 200 }));
    EXPECT_EQ(r.TickEnd(AxisLeft, p, true, 6, true), (CPoint { 96, 194 }));

    plot.doc.m_drawTicks = 1;
    plot.doc.m_drawGrids = 0;
    plot.doc.m_drawLegend = 0;
    const auto log = plot.Record();
    // 9 values per axis, two ticks each; no grid lines; the samples draw no lines.
    EXPECT_EQ(Count(log, "LineTo"), 3 * 9 * 2);
    EXPECT_EQ(Count(log, "TextOut"), 3 * 9 + 3); // the labels and the titles
    // The outline, closed: the last corner joins the first.
    EXPECT_EQ(Count(log, "Polyline 50,349 410,349 410,349 222,50 222,50 50,349 50,349"), 1);
}

TEST(PlotRendererTest, OnlyWholeSamplesArePlottedAndAutoHundredScalesACopy)
{
    Plot plot;
    SampleRecord& odd = plot.doc.GetSample(3);
    odd = { "odd", 20, 30, 49.9f, 2, 1, NOT_PLOTTED, NOT_PLOTTED, 3 };
    SampleRecord& free = plot.doc.GetSample(4);
    free.plotX = 77;
    SampleRecord& partial = plot.doc.GetSample(5);
    partial = { "p", 50, EMPTY_VALUE, 50, 1, 1, 123, 456, 5 };
    SampleRecord& noSymbol = plot.doc.GetSample(6);
    noSymbol = { "n", 50, 25, 25, 1, -1, 1, 1, 6 };
    plot.doc.m_autoBalance = 0;
    plot.doc.m_showId = 1;
    EXPECT_EQ(TextsAt(plot.Record(), "Spl#1"), (std::vector<CPoint> { { 274, 300 } })) << "the name below right";
    // Drawn at its place; not drawn; a partial sample's place untouched.
    const SampleRecord& first = plot.doc.GetSample(1);
    EXPECT_EQ((std::vector { first.plotX, first.plotY, odd.plotX, free.plotX, partial.plotX, noSymbol.plotX }),
        (std::vector { 264, 290, NOT_PLOTTED, NOT_PLOTTED, 123, NOT_PLOTTED }));

    plot.doc.m_autoBalance = 1;
    plot.Record();
    const float k = 100 / (30 + 20 + 49.9f);
    EXPECT_EQ((std::tuple { odd.plotX, odd.plotY, odd.right }),
        (std::tuple { plot.geo.PlotX(20 * k, 49.9f * k), plot.geo.PlotY(20 * k), 49.9f }));
}

TEST(PlotRendererTest, SamplesOutsideTheAxisRangesAreNotDrawn)
{
    Plot plot;
    plot.doc.m_topAxis.min = 20;
    plot.doc.m_topAxis.max = 60;
    plot.doc.m_leftAxis.max = 70;
    plot.doc.m_rightAxis.min = 10;
    plot.Corners();
    struct Case {
        float top, left, right;
        bool drawn;
    };
    const Case cases[] = { { 40, 30, 30, true }, // both sides of each limit
        { 20, 50, 30, true }, { 19.9f, 50.1f, 30, false }, // top minimum
        { 60, 20, 20, true }, { 60.1f, 19.9f, 20, false }, // top maximum
        { 30, 60, 10, true }, { 25, 66, 9, false }, // right minimum
        { 20, 70, 10, true }, { 25, 71, 4, false }, // left maximum
        // Auto-100 decides on the scaled copy: 40, 40, 20 and 10, 50, 40.
        { 80, 80, 40, true }, { 20, 100, 80, false } };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const Case& c = cases[i];
        plot.doc.GetSample(i + 1) = { "s", c.top, c.left, c.right, 0, 0, NOT_PLOTTED, NOT_PLOTTED, i + 1 };
    }
    for (int i = static_cast<int>(std::size(cases)) + 1; i <= 20; ++i)
        plot.doc.GetSample(i).row = -1;
    PlotRenderer renderer = plot.Renderer();
    CDC dc;
    renderer.DrawSamples(dc);
    int outside = 0;
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const SampleRecord& s = plot.doc.GetSample(i + 1);
        EXPECT_EQ(s.plotX != NOT_PLOTTED, cases[i].drawn) << "case " << i;
        if (cases[i].drawn)
            EXPECT_EQ(s.plotY, plot.geo.PlotY(s.top * 100 / (s.top + s.left + s.right))) << "case " << i;
        outside += !cases[i].drawn;
    }
    EXPECT_EQ(renderer.OutsideCount(), outside);
}

TEST(PlotRendererTest, SymbolShapesRestoreTheContextAndIdsBeyondTheTablesWrap)
{
    std::vector<std::string> log;
    CDC dc;
    dc.SetRecorder(&log);
    const CPen pen = dc.GetPen();
    for (int symbol : { 0, 3, 8, 14, -3 })
        DrawSymbol(dc, RGB(1, 2, 3), symbol, symbol == 0 || symbol == 3 ? 5 : 4, 20, 20, 1);
    EXPECT_EQ(log,
        (std::vector<std::string> { "Ellipse 15 15 26 26", "Rectangle 15 15 26 26", "Polygon 20,16 24,24 16,24 20,16",
            "Polyline 18,16 22,16 24,18 24,22 22,24 18,24 16,22 16,18 18,16", "Polyline 18,20 20,18 22,20 20,22 18,20",
            "LineTo 24 20 16 20" }));
    EXPECT_EQ(dc.GetPen(), pen);
    EXPECT_EQ(dc.GetCurrentPosition(), (CPoint { 20, 20 }));

    // 17 draws colour 1; 16 draws symbol 1, a filled circle.
    const QImage image = PaintImage(40, 40, [](CDC& painted) {
        DrawSampleSymbol(painted, 17, 16, 5, 10, 10, 1);
        DrawSampleSymbol(painted, 17, 0, 5, 30, 30, 1);
    });
    EXPECT_EQ(image.pixel(10, 10), qRgb(245, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255)); // symbol 0 is open
    EXPECT_EQ(image.pixel(35, 30), qRgb(245, 0, 0));
}

TEST(PlotRendererTest, StampsAtAnyScaleLeaveThePixelsDrawingLeaves)
{
    // Scales whose sample places fall on whole or quarter device pixels; a
    // scaled picture is antialiased, as exports are.
    for (const double scale : { 1.0, 2.0, 3.0, 2.5, 0.75 }) {
        QImage images[2];
        CRect bounds[2];
        for (int stamped = 0; stamped < 2; ++stamped) {
            images[stamped] = QImage(static_cast<int>(200 * scale), static_cast<int>(60 * scale), QImage::Format_RGB32);
            images[stamped].fill(Qt::white);
            QPainter painter(&images[stamped]);
            CDC dc(&painter);
            dc.SetAntialiasing(scale != 1.0);
            dc.SetMapMode(MM_ISOTROPIC);
            dc.SetWindowExt({ 200, 60 });
            dc.SetViewportExt({ images[stamped].width(), images[stamped].height() });
            SymbolStamps stamps(dc);
            for (int k = 0; k < 32; ++k) { // each symbol in two sizes, the second one unit right
                const int symbol = k / 2, i = k % 2, x = 8 + 12 * symbol + i, y = 15 + 25 * i;
                stamped ? stamps.Draw(symbol, symbol, 4 + i, x, y)
                        : DrawSampleSymbol(dc, symbol, symbol, 4 + i, x, y, 1);
            }
            bounds[stamped] = dc.GetBounds();
        }
        EXPECT_EQ(bounds[1], bounds[0]) << scale;
        int worst = 0;
        for (int y = 0; y < images[0].height(); ++y)
            for (int x = 0; x < images[0].width(); ++x) {
                const QRgb a = images[0].pixel(x, y);
                const QRgb b = images[1].pixel(x, y);
                worst = std::max({ worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                    std::abs(qBlue(a) - qBlue(b)) });
            }
        EXPECT_LE(worst, 2) << "scale " << scale;
    }
}
