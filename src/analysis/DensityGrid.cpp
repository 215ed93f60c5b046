#include "analysis/DensityGrid.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <numeric>

DensityGrid CountBins(std::span<const SampleRecord> samples, int side)
{
    DensityGrid grid;
    grid.side = side;
    // Whole counts first: a bin that many samples fall in in a row is not
    // held up by a floating-point add each time.
    std::vector<std::uint32_t> counts(static_cast<std::size_t>(side) * side, 0);
    const TriangleGrid division(side);
    for (const SampleRecord& sample : samples) {
        if (!sample.InUse())
            continue;
        if (const auto index = division.IndexOf(sample.top, sample.left, sample.right))
            ++counts[static_cast<std::size_t>(*index)];
    }
    grid.values.assign(counts.begin(), counts.end());
    grid.samples = std::accumulate(counts.begin(), counts.end(), 0LL);
    return grid;
}

double HighestDensityLevel(const DensityGrid& grid, double share)
{
    std::vector<double> sorted = grid.values;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    const double total = std::accumulate(sorted.begin(), sorted.end(), 0.0);
    double sum = 0;
    for (double value : sorted) {
        sum += value;
        if (sum >= share * total)
            return value;
    }
    return sorted.empty() ? 0.0 : sorted.back();
}
