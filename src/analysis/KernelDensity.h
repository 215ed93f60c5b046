#pragma once

#include "analysis/DensityGrid.h"

#include <span>

// The Gaussian kernel density of the samples on the plot's plane, with
// the three edges reflecting the kernels so that no mass leaks out of the
// triangle. A bandwidth of 0 takes Scott's rule (the samples' spread times
// n^(-1/6)); a given one is held to DensitySettings' range. The samples are
// first binned onto a fine square raster of the plane, which is then
// blurred, so the cost grows with the samples only through that one pass.
// The result's bins hold each bin's probability; they sum to 1 (all 0 when
// no sample counts).
DensityGrid KernelDensity(std::span<const SampleRecord> samples, int side, double bandwidth);

// The side of the division a kernel density is evaluated and drawn on:
// the bin count, but never fewer than 100 a side.
int KernelGridSide(int bins);
