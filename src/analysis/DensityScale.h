#pragma once

#include "analysis/DensityGrid.h"
#include "document/DensitySettings.h"

#include <vector>

// The colour bar's range: where a bin's value lies between the low and the
// high limit, on a linear or a logarithmic scale. Automatic limits run from
// 0 (linear) or the smallest value above 0 (logarithmic) to the largest
// value; fixed ones come from the settings, so several figures share one
// scale. A logarithmic scale never starts at or below 0.
struct DensityScale {
    double low = 0;
    double high = 1;
    bool logarithmic = false;

    static DensityScale For(const DensityGrid& grid, const DensitySettings& settings);

    // 0 at the low limit, 1 at the high one, held to that range.
    double Position(double value) const;
    // Values worth a tick on the bar: steps of 1, 2 or 5 times a power of
    // ten (linear), or the powers of ten (logarithmic), within the limits;
    // the limits themselves when no such value lies between them.
    std::vector<double> Ticks() const;
};
