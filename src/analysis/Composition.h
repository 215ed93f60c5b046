#pragma once

#include "document/SampleRecord.h"

#include <cmath>
#include <optional>

// A sample's three components closed to a sum of 100 (each divided by the
// sum, times 100), in double so that values typed on a class line stay on it.
struct ClosedComposition {
    double top = 0;
    double left = 0;
    double right = 0;
};

// The sum of three components that can be closed; 0 when one is empty,
// negative or not finite. Inline: density closes every sample on each change.
inline double ClosingSum(float top, float left, float right)
{
    for (float component : { top, left, right }) {
        if (!IsGiven(component) || !std::isfinite(component) || component < 0)
            return 0;
    }
    return double(top) + double(left) + double(right);
}

// Closes the three components; nothing when one is empty, negative or not
// finite, or when they sum to 0. Classification and density both count
// only the samples this accepts.
inline std::optional<ClosedComposition> CloseComposition(float top, float left, float right)
{
    const double sum = ClosingSum(top, left, right);
    if (!(sum > 0))
        return std::nullopt;
    return ClosedComposition { 100.0 * top / sum, 100.0 * left / sum, 100.0 * right / sum };
}

inline std::optional<ClosedComposition> CloseComposition(const SampleRecord& sample)
{
    return CloseComposition(sample.top, sample.left, sample.right);
}
