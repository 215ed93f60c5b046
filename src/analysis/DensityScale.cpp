#include "analysis/DensityScale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A kernel density never reaches 0 exactly; its logarithmic scale starts
// this far below the peak.
constexpr double kKernelLogDepth = 1e-4;

} // namespace

DensityScale DensityScale::For(const DensityGrid& grid, const DensitySettings& settings)
{
    DensityScale scale;
    scale.logarithmic = settings.logScale != 0;
    if (settings.fixedLimits) {
        scale.low = settings.low;
        scale.high = settings.high;
    } else {
        double highest = 0, lowestPositive = std::numeric_limits<double>::infinity();
        for (double value : grid.values) {
            highest = std::max(highest, value);
            if (value > 0)
                lowestPositive = std::min(lowestPositive, value);
        }
        scale.high = highest > 0 ? highest : 1;
        if (scale.logarithmic)
            scale.low = grid.kernel ? std::max(lowestPositive, highest * kKernelLogDepth) : lowestPositive;
        else
            scale.low = 0;
    }
    if (!std::isfinite(scale.high))
        scale.high = 1;
    if (scale.logarithmic) {
        if (!(scale.high > 0))
            scale.high = 1;
        if (!(scale.low > 0) || !std::isfinite(scale.low) || scale.low >= scale.high)
            scale.low = scale.high / 10;
    } else if (!std::isfinite(scale.low) || !(scale.low < scale.high)) {
        scale.low = std::isfinite(scale.low) ? scale.low : 0;
        scale.high = scale.low + 1;
    }
    return scale;
}

double DensityScale::Position(double value) const
{
    double t;
    if (logarithmic)
        t = value > 0 ? std::log(value / low) / std::log(high / low) : 0;
    else
        t = (value - low) / (high - low);
    return std::clamp(t, 0.0, 1.0);
}

std::vector<double> DensityScale::Ticks() const
{
    std::vector<double> ticks;
    const double slack = 1e-9 * (high - low);
    if (logarithmic) {
        for (double p = std::pow(10.0, std::ceil(std::log10(low) - 1e-9)); p <= high * (1 + 1e-9); p *= 10)
            ticks.push_back(p);
    } else {
        const double raw = (high - low) / 5;
        const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
        const double ratio = raw / magnitude;
        const double step = magnitude * (ratio < 1.5 ? 1 : ratio < 3.5 ? 2 : ratio < 7.5 ? 5 : 10);
        for (double k = std::ceil((low - slack) / step); k * step <= high + slack; ++k)
            ticks.push_back(k * step == 0 ? 0.0 : k * step);
    }
    if (ticks.size() < 2)
        ticks = { low, high };
    return ticks;
}
