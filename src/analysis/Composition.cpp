#include "analysis/Composition.h"

#include <cmath>

std::optional<ClosedComposition> CloseComposition(float top, float left, float right)
{
    for (float component : { top, left, right }) {
        if (!IsGiven(component) || !std::isfinite(component) || component < 0)
            return std::nullopt;
    }
    const double sum = double(top) + double(left) + double(right);
    if (!(sum > 0))
        return std::nullopt;
    return ClosedComposition { 100.0 * top / sum, 100.0 * left / sum, 100.0 * right / sum };
}
