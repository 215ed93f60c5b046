#pragma once

#include "analysis/TriangleGrid.h"
#include "document/SampleRecord.h"

#include <span>
#include <vector>

// What the density of a set of samples comes to on one division of the
// triangle: the samples per bin, or the kernel density's probability per
// bin (summing to 1 over the bins). Values follow TriangleGrid's order.
struct DensityGrid {
    int side = 0;
    bool kernel = false;
    std::vector<double> values; // side² bins
    // Kernel only: the density at the division's corners, on the bins' scale
    // (TriangleGrid::VertexIndex), for contour lines.
    std::vector<double> vertexValues;
    long long samples = 0; // samples counted
    double bandwidth = 0; // kernel only, percent of the side
    // Kernel only: the share of the kernels' mass that fell inside the
    // triangle before the values were scaled to sum to 1.
    double massInside = 0;

    TriangleGrid Grid() const { return TriangleGrid(side); }
};

// Counts the samples in use with a composition that closes (no empty or
// negative component, a sum above 0), in one pass.
DensityGrid CountBins(std::span<const SampleRecord> samples, int side);

// The lowest value of the bins that together hold the given share of the
// grid's total, taking the largest bins first: the level of a contour
// around the densest region holding that share.
double HighestDensityLevel(const DensityGrid& grid, double share);
