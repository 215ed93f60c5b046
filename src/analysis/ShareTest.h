#pragma once

#include "analysis/Composition.h"

#include <optional>

// Compares a sample's closed shares with class limits without dividing:
// a closed share x' = 100 x / sum lies below a limit p exactly when
// 100 x < p sum. In double, products of the stored floats are exact, so a
// value typed on a class line stays on it, where a rounded ratio would not.
class ShareTest {
public:
    // Nothing for a sample that cannot be closed (see CloseComposition).
    static std::optional<ShareTest> Of(float top, float left, float right)
    {
        if (!CloseComposition(top, left, right))
            return std::nullopt;
        return ShareTest(top, left, right);
    }

    double top, left, right, sum;

    // x' < p, x' >= p, x' > p and x' <= p, for x a raw share or a sum of
    // raw shares.
    bool Below(double x, double p) const { return 100.0 * x < p * sum; }
    bool AtLeast(double x, double p) const { return !Below(x, p); }
    bool Above(double x, double p) const { return 100.0 * x > p * sum; }
    bool AtMost(double x, double p) const { return !Above(x, p); }

private:
    ShareTest(double t, double l, double r)
        : top(t)
        , left(l)
        , right(r)
        , sum(t + l + r)
    {
    }
};
