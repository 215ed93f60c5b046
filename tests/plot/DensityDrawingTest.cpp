// The density as the plot draws it: filled under the grid and the samples, not
// past the cut, no holes in a kernel density, and the colour bar.
#include "plot/DensityColours.h"
#include "plot/DensityLayer.h"
#include "plot/RenderedPlot.h"

#include <gtest/gtest.h>

namespace {

// A new plot (samples at 20/30/50 and 10/70/20) drawing two bins a side:
// both samples lie in the lower up-pointing bins, one each.
struct DensityPlot : Plot {
    DensityPlot()
    {
        doc.m_drawLegend = 0;
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

