// The layers drawn under the samples: the classification diagram's fields cut
// to the polygon, labelled inside, dotted lines, and the clockwise direction
// that moves labels and titles only; the density filled under the grid and the
// samples, not past the cut, no holes in a kernel density, and the colour bar.
#include "plot/DensityColours.h"
#include "plot/DensityLayer.h"
#include "plot/PlotPicture.h"
#include "plot/RenderedPlot.h"

#include <gtest/gtest.h>

namespace {

struct NoLegendPlot : Plot {
    NoLegendPlot() { doc.m_drawLegend = 0; }
};

void ExpectNear(CPoint actual, double x, double y, const char* what)
{
    EXPECT_NEAR(actual.x, x, 1) << what;
    EXPECT_NEAR(actual.y, y, 1) << what;
}

// A new plot (samples at 20/30/50 and 10/70/20) drawing two bins a side:
// both samples lie in the lower up-pointing bins, one each.
struct DensityPlot : NoLegendPlot {
    DensityPlot()
    {
        doc.m_density.mode = DensitySettings::Bins;
        doc.m_density.bins = 2;
    }
    bool Drew(const char* text) { return !TextsAt(Record(), text).empty(); }
    QRgb At(const QImage& image, float top, float right) const
    {
        return image.pixel(geo.PlotX(top, right), geo.PlotY(top)) & 0xFFFFFF;
    }
};

QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF; }

} // namespace

TEST(ClassFields, ClockwiseLabelsSitOnTheOtherEdgesAndTitlesBesideThem)
{
    NoLegendPlot plot;
    const PlotGeometry& g = plot.geo;
    const int bottom = g.m_plotRect.bottom;
    // "30" is drawn for the right, top and left axes, in that order.
    auto ccw = TextsAt(plot.Record(), "30");
    ASSERT_EQ(ccw.size(), 3u);
    ExpectNear(ccw[0], g.PlotX(0, 30), bottom + 8, "right axis on the bottom edge");
    ExpectNear(ccw[1], g.PlotX(30, 70) + 8, g.PlotY(30) + 5, "top axis on the right edge");
    ExpectNear(ccw[2], g.PlotX(70, 0) - 8, g.PlotY(70) + 5, "left axis on the left edge");

    plot.doc.m_diagram.clockwise = 1;
    const auto samplesBefore = FirstIndex(plot.Record(), "Ellipse");
    auto cw = TextsAt(plot.Record(), "30");
    ASSERT_EQ(cw.size(), 3u);
    ExpectNear(cw[0], g.PlotX(70, 30) + 8, g.PlotY(70) + 5, "right axis on the right edge");
    ExpectNear(cw[1], g.PlotX(30, 0) - 8, g.PlotY(30) + 5, "top axis on the left edge");
    ExpectNear(cw[2], g.PlotX(0, 70), bottom + 8, "left axis on the bottom edge");
    EXPECT_EQ(plot.doc.GetSample(1).plotX, g.PlotX(20, 50)) << "samples stay";
    EXPECT_EQ(FirstIndex(plot.Record(), "Ellipse"), samplesBefore);

    const PlotRenderer r(plot.doc, g);
    const auto& c = g.m_corners;
    EXPECT_LT(r.GetTitleRect(AxisTop).right, c[0].x + (c[4].x - c[0].x) / 2 - 8);
    EXPECT_NEAR((r.GetTitleRect(AxisTop).top + r.GetTitleRect(AxisTop).bottom) / 2, (c[0].y + c[4].y) / 2, 10);
    EXPECT_GT(r.GetTitleRect(AxisRight).left, c[1].x - (c[1].x - c[3].x) / 2 + 8);
    EXPECT_GT(r.GetTitleRect(AxisLeft).top, bottom + 8 + 10);
    EXPECT_NEAR((r.GetTitleRect(AxisLeft).left + r.GetTitleRect(AxisLeft).right) / 2, (c[0].x + c[1].x) / 2, 2);

    // Under a cut top the right axis's first labels end on the top edge and sit above it.
    plot.doc.m_topAxis.max = 70;
    plot.Corners();
    const CPoint end = r.IsoLineEnds(AxisRight, 10).second;
    EXPECT_EQ(end.y, c[3].y);
    EXPECT_EQ(TextsAt(plot.Record(), "10").at(0), (CPoint { end.x, end.y - 5 }));
}

TEST(ClassFields, DrawnBetweenGridAndSamplesCutToThePlotLabelledInsideAndDottedInAVectorPicture)
{
    NoLegendPlot plot;
    plot.doc.m_diagram.kind = DiagramKind::Qap;
    plot.doc.m_topAxis.max = 70;
    plot.Corners();
    const int cutTop = plot.geo.m_corners[3].y;
    auto log = plot.Record();

    const std::size_t firstField = FirstIndex(log, "Polyline");
    std::size_t lastField = firstField;
    for (std::size_t i = firstField; i < log.size() && log[i].rfind("Polyline", 0) == 0; ++i) {
        lastField = i;
        std::istringstream in(log[i].substr(9));
        CPoint p;
        char comma;
        while (in >> p.x >> comma >> p.y)
            EXPECT_GE(p.y, cutTop - 1) << log[i];
    }
    EXPECT_LT(FirstIndex(log, "LineTo"), firstField) << "grid first";
    EXPECT_EQ(lastField - firstField + 1, 16u) << "1a lies above the cut";
    EXPECT_LT(lastField, FirstIndex(log, "Ellipse")) << "samples last";
    EXPECT_TRUE(TextsAt(log, "1a Quartzolite").empty() && TextsAt(log, "1a").empty());
    ASSERT_EQ(TextsAt(log, "3b Monzogranite").size(), 1u);
    const CPoint label = TextsAt(log, "3b Monzogranite")[0];
    EXPECT_GT(label.y, plot.geo.PlotY(60)); // between Q 60 and Q 20
    EXPECT_LT(label.y, plot.geo.PlotY(20));

    plot.doc.m_diagram.labelNumbers = 1;
    log = plot.Record();
    EXPECT_EQ(TextsAt(log, "3b").size(), 1u);
    EXPECT_TRUE(TextsAt(log, "3b Monzogranite").empty());

    // A dotted grid gives two dashed styles (the lines, and the outline of the
    // background under them), dotted field lines one.
    for (int styles = 0; styles < 4; ++styles) {
        const int grid = styles & 1, fields = styles >> 1;
        NoLegendPlot plot;
        plot.doc.m_diagram.kind = DiagramKind::Qap;
        plot.doc.m_lineStyle = grid;
        plot.doc.m_diagram.lineStyle = fields;
        QByteArray svg;
        ASSERT_TRUE(EncodePlotPicture(plot.doc, PictureType::Svg, 1, &svg));
        EXPECT_EQ(svg.count("stroke-dasharray"), 2 * grid + fields) << grid << " " << fields;
    }
}

TEST(DensityDrawingTest, BinsFillUnderTheGridAndTheSamplesInsideTheCutPlotAndTheColourBarRunsLowToHigh)
{
    // Points well off every grid line: no component within 2 of a multiple of 10.
    DensityPlot plot;
    SampleRecord& first = plot.doc.GetSample(1);
    first.top = 23, first.left = 24, first.right = 53;
    const QRgb full = Rgb(DensityColour(DensitySettings::Viridis, 1));
    const QRgb white = 0xFFFFFF;
    QImage image = plot.Paint();
    EXPECT_EQ(plot.At(image, 15, 63), full) << "a bin with a sample";
    EXPECT_EQ(plot.At(image, 15, 23), full);
    EXPECT_EQ(plot.At(image, 35, 33), white) << "the empty bin in the middle";
    EXPECT_EQ(plot.At(image, 75, 13), white) << "the empty bin at the top";
    const IsoLine grid = PlotRenderer(plot.doc, plot.geo).IsoLineEnds(AxisTop, 10);
    EXPECT_EQ(image.pixel((3 * grid.first.x + grid.second.x) / 4, grid.first.y) & 0xFFFFFF, Rgb(plot.doc.m_lineColor))
        << "a grid line drawn over the fill";
    EXPECT_EQ(plot.At(image, 23, 53), white) << "the open circle of the sample drawn over it";
    EXPECT_NE(first.plotX, NOT_PLOTTED);

    plot.doc.m_density.showSamples = 0;
    plot.doc.m_rightAxis.max = 60;
    plot.Corners();
    image = plot.Paint();
    EXPECT_EQ(plot.At(image, 23, 53), full) << "samples hidden";
    EXPECT_EQ(first.plotX, NOT_PLOTTED) << "and not to be pointed at";
    EXPECT_EQ(plot.At(image, 15, 57), full);
    EXPECT_EQ(plot.At(image, 3, 75), white) << "past the right axis's maximum";
    // A kernel density is smooth: where its kernels end it takes the lowest colour, leaving no hole.
    plot.doc.m_density.mode = DensitySettings::Kernel;
    plot.doc.m_density.bandwidth = 2;
    EXPECT_EQ(plot.At(plot.Paint(), 75, 13), Rgb(DensityColour(DensitySettings::Viridis, 0)));

    // The colour bar runs from low to high, with its title and ticks.
    DensityPlot bar;
    bar.doc.m_density.colourMap = DensitySettings::Greys;
    EXPECT_TRUE(bar.Drew("Samples per bin"));
    for (const char* tick : { "0", "0.2", "0.4", "0.6", "0.8", "1" }) // automatic: 0 to the largest count
        EXPECT_TRUE(bar.Drew(tick)) << tick;

    bar.doc.m_density.mode = DensitySettings::Kernel;
    bar.doc.m_density.fixedLimits = 1;
    bar.doc.m_density.low = 0;
    bar.doc.m_density.high = 0.05;
    EXPECT_TRUE(bar.Drew("Density"));
    for (const char* tick : { "0.01", "0.02", "0.03", "0.04", "0.05" })
        EXPECT_TRUE(bar.Drew(tick)) << tick;
    EXPECT_FALSE(bar.Drew("Samples per bin"));

    const CRect r = DensityLayer(bar.doc.m_density, bar.geo, DensityGrid {}).ColourBarRect();
    const QImage painted = bar.Paint();
    const int y = (r.top + r.bottom) / 2;
    // Greys run from light (low, left) to black (high); a column inside the frame at either end.
    EXPECT_NEAR(qRed(painted.pixel(r.left + 1, y)), GetRValue(DensityColour(DensitySettings::Greys, 0)), 4);
    EXPECT_NEAR(qRed(painted.pixel(r.right - 2, y)), GetRValue(DensityColour(DensitySettings::Greys, 1)), 4);
}
