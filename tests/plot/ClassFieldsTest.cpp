// The classification diagram on the plot: fields cut to the polygon, labelled
// inside, dotted lines; the clockwise direction moves labels and titles only.
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
