#include "analysis/DensityGrid.h"
#include "analysis/DensityGridCsv.h"
#include "analysis/DensityScale.h"
#include "analysis/KernelDensity.h"
#include "document/CTernaryDoc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace {

SampleRecord Sample(float top, float left, float right, int row = 1)
{
    SampleRecord s;
    s.top = top;
    s.left = left;
    s.right = right;
    s.row = row;
    return s;
}

} // namespace

TEST(TriangleGrid, IndexAndBinAreInversesOverEveryBinOfEveryOrientation)
{
    for (int side : { 2, 3, 7, 200 }) {
        const TriangleGrid grid(side);
        for (int index = 0; index < grid.Count(); ++index) {
            const TriangleBin bin = grid.Bin(index);
            const int sum = bin.top + bin.left + bin.right;
            ASSERT_TRUE(sum == side - 1 || sum == side - 2) << side << " " << index;
            ASSERT_GE(std::min({ bin.top, bin.left, bin.right }), 0);
            ASSERT_EQ(grid.Index(bin), index) << side;
        }
    }
}

TEST(Density, BinCountsMatchTheHandCount)
{
    // Four bins a side, s = 25.
    const std::vector<SampleRecord> samples {
        Sample(30, 60, 10), // up (1, 2, 0)
        Sample(15, 30, 5), // closes to the same
        Sample(50, 25, 25), // a corner of six bins: the one below it, (1, 1, 1)
        Sample(0, 50, 50), // a corner on the base: one left step less, (0, 1, 2)
        Sample(100, 0, 0), // apex, held to step 3: (3, 0, 0)
        Sample(0, 100, 0), // bottom-left corner (0, 3, 0)
        Sample(10, 0, 90), // on the left-hand edge (0, 0, 3)
        Sample(40, 40, 20), // down (1, 1, 0)
        Sample(EMPTY_VALUE, 50, 50), // not counted: empty, negative, zero sum, slot not in use
        Sample(-1, 50, 51),
        Sample(0, 0, 0),
        Sample(30, 60, 10, -1),
    };
    const DensityGrid counts = CountBins(samples, 4);
    const TriangleGrid grid(4);
    std::map<int, double> expected { { grid.Index({ 1, 2, 0 }), 2 }, { grid.Index({ 1, 1, 1 }), 1 },
        { grid.Index({ 0, 1, 2 }), 1 }, { grid.Index({ 3, 0, 0 }), 1 }, { grid.Index({ 0, 3, 0 }), 1 },
        { grid.Index({ 0, 0, 3 }), 1 }, { grid.Index({ 1, 1, 0 }), 1 } };
    ASSERT_EQ(counts.values.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(counts.values[i], expected.count(i) ? expected[i] : 0.0) << i;
    EXPECT_EQ(counts.samples, 8);
}

TEST(Density, KernelSumsToOneKeepsItsMassInsideAndPeaksAtTheCluster)
{
    struct Case {
        const char* where;
        double top, left, right;
    };
    // Without the mirror images half the mass of an edge cluster and five
    // sixths of a corner cluster would fall outside.
    for (const Case& c : { Case { "inside", 30, 50, 20 }, Case { "base", 0, 50, 50 }, Case { "left edge", 40, 60, 0 },
             Case { "apex", 100, 0, 0 }, Case { "right corner", 0, 0, 100 } }) {
        std::vector<SampleRecord> cluster;
        for (int i = 0; i < 50; ++i) {
            // A small symmetric spread around the point, kept inside the triangle.
            const float d = float(i % 5) * 0.1f;
            cluster.push_back(Sample(float(c.top) + (c.top < 50 ? d : -d), float(c.left), float(c.right)));
        }
        const DensityGrid density = KernelDensity(cluster, 100, 4);
        EXPECT_EQ(density.samples, 50);
        EXPECT_NEAR(std::accumulate(density.values.begin(), density.values.end(), 0.0), 1.0, 1e-9) << c.where;
        EXPECT_NEAR(density.massInside, 1.0, 0.03) << c.where;
        const auto mode = std::max_element(density.values.begin(), density.values.end()) - density.values.begin();
        const ClosedComposition at = density.Grid().Centroid(density.Grid().Bin(int(mode)));
        EXPECT_NEAR(at.top, c.top, 1.5) << c.where;
        EXPECT_NEAR(at.right, c.right, 1.5) << c.where;
    }
}

TEST(Density, KernelTurnsWithTheTriangleSoEachEdgeMirrorsAlike)
{
    // A cluster near the Right = 0 edge and a corner, then turned so that each
    // edge in turn is the near one: the density turns with it.
    auto around = [](std::array<float, 3> at, int turn) {
        std::vector<SampleRecord> cluster;
        for (int i = 0; i < 30; ++i) {
            const std::array<float, 3> p { at[0] + float(i % 5) * 0.2f, at[1] - float(i % 5) * 0.2f, at[2] };
            cluster.push_back(Sample(p[(3 - turn) % 3], p[(4 - turn) % 3], p[(5 - turn) % 3]));
        }
        return KernelDensity(cluster, 100, 4);
    };
    const DensityGrid first = around({ 12, 82, 6 }, 0);
    for (int turn = 1; turn < 3; ++turn) {
        const DensityGrid turned = around({ 12, 82, 6 }, turn);
        double worst = 0;
        for (int i = 0; i < first.Grid().Count(); ++i) {
            const ClosedComposition c = first.Grid().Centroid(first.Grid().Bin(i));
            const std::array<double, 3> p { c.top, c.left, c.right };
            const ClosedComposition moved { p[(3 - turn) % 3], p[(4 - turn) % 3], p[(5 - turn) % 3] };
            const double other = turned.values[std::size_t(turned.Grid().Index(turned.Grid().BinOf(moved)))];
            worst = std::max(worst, std::abs(other - first.values[std::size_t(i)]));
        }
        const double peak = *std::max_element(first.values.begin(), first.values.end());
        EXPECT_LT(worst, 0.05 * peak) << turn << " " << worst / peak;
    }
}

TEST(Density, KernelBandwidthFollowsScottsRuleUnlessGiven)
{
    // Two clusters 40 apart on the base: the spread along x is 20, across 0,
    // so the rule gives sqrt((400 + 0) / 2) · 64^(-1/6) = 14.142 / 2.
    std::vector<SampleRecord> samples;
    for (int i = 0; i < 64; ++i)
        samples.push_back(i % 2 ? Sample(0, 70, 30) : Sample(0, 30, 70));
    EXPECT_NEAR(KernelDensity(samples, 100, 0).bandwidth, std::sqrt(200.0) / 2, 1e-9);
    EXPECT_EQ(KernelDensity(samples, 100, 7).bandwidth, 7);
    EXPECT_EQ(KernelDensity(samples, 100, 0.01).bandwidth, 0.5);
    const DensityGrid none = KernelDensity({}, 100, 0);
    EXPECT_EQ(none.samples, 0);
    EXPECT_EQ(std::count(none.values.begin(), none.values.end(), 0.0), 10000);
}

TEST(Density, HighestDensityLevelTakesTheLargestBinsFirst)
{
    DensityGrid grid;
    grid.values = { 1, 5, 0, 3, 1 }; // total 10
    EXPECT_EQ(HighestDensityLevel(grid, 0.5), 5);
    EXPECT_EQ(HighestDensityLevel(grid, 0.51), 3);
    EXPECT_EQ(HighestDensityLevel(grid, 0.9), 1);
}

TEST(DensityScale, LimitsAreAutomaticOrFixedAndTicksFallWithinThem)
{
    DensityGrid counts;
    counts.values = { 0, 3, 47, 12 };
    DensitySettings settings;
    struct Case {
        int log, fixed;
        double low, high; // settings' limits
        double wantLow, wantHigh;
        std::vector<double> ticks;
    };
    for (const Case& c : {
             Case { 0, 0, 0, 0, 0, 47, { 0, 10, 20, 30, 40 } },
             Case { 1, 0, 0, 0, 3, 47, { 3, 47 } }, // one power of ten inside: the limits instead
             Case { 0, 1, 5, 25, 5, 25, { 5, 10, 15, 20, 25 } }, Case { 1, 1, 1, 1000, 1, 1000, { 1, 10, 100, 1000 } },
             Case { 1, 1, -5, 100, 10, 100, { 10, 100 } }, // a log scale cannot start at or below 0
             Case { 0, 1, 30, 30, 30, 31, { 30, 30.2, 30.4, 30.6, 30.8, 31 } }, // nor any scale be empty
             Case { 0, 1, 0, 50, 0, 50, { 0, 10, 20, 30, 40, 50 } }, // a fifth of the range: 1, 2 or 5 times
             Case { 0, 1, 0, 75, 0, 75, { 0, 20, 40, 60 } }, // a power of ten, the nearest on a tie
         }) {
        settings.logScale = c.log;
        settings.fixedLimits = c.fixed;
        settings.low = c.low;
        settings.high = c.high;
        const DensityScale scale = DensityScale::For(counts, settings);
        EXPECT_EQ(scale.low, c.wantLow) << c.log << c.fixed << c.low;
        EXPECT_EQ(scale.high, c.wantHigh) << c.log << c.fixed << c.low;
        const std::vector<double> ticks = scale.Ticks();
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.log << c.fixed << c.low;
        for (std::size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9);
        EXPECT_EQ(scale.Position(scale.low - 1), 0);
        EXPECT_EQ(scale.Position(scale.high * 2), 1);
    }
    // A kernel density's logarithmic scale ends this far below its peak.
    DensityGrid kernel;
    kernel.kernel = true;
    kernel.values = { 1e-9, 0.5, 2 };
    settings.logScale = 1;
    settings.fixedLimits = 0;
    EXPECT_DOUBLE_EQ(DensityScale::For(kernel, settings).low, 2e-4);
}

TEST(Density, GridFileHoldsEveryBinUnderTheAxisTitles)
{
    CTernaryDoc doc;
    doc.m_leftAxis.title = "Si, Al";
    const std::vector<SampleRecord> one { Sample(50, 25, 25) };
    const std::string csv = DensityGridCsv(KernelDensity(one, 100, 0), doc);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 10001);
    EXPECT_EQ(csv.substr(0, csv.find('\n')), "Top,\"Si, Al\",Right,Density");
}
