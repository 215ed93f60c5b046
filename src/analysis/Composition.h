#pragma once

#include "document/SampleRecord.h"

#include <optional>

// A sample's three components closed to a sum of 100 (each divided by the
// sum, times 100), in double so that values typed on a class line stay on it.
struct ClosedComposition {
    double top = 0;
    double left = 0;
    double right = 0;
};

// Closes the three components; nothing when one is empty, negative or not
// finite, or when they sum to 0. Classification and density both count
// only the samples this accepts.
std::optional<ClosedComposition> CloseComposition(float top, float left, float right);

inline std::optional<ClosedComposition> CloseComposition(const SampleRecord& sample)
{
    return CloseComposition(sample.top, sample.left, sample.right);
}
