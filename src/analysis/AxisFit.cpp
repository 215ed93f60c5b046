#include "analysis/AxisFit.h"

#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr float kFallbackIncrement = 10;
// Enough rounds for any start: each lowers one minimum by an increment.
constexpr int kMaxAdjustments = 100000;

float UsableIncrement(float increment)
{
    return std::isfinite(increment) && increment > 0 ? increment : kFallbackIncrement;
}

// The range [low, high] of the samples in whole increments, within 0 to 100,
// at least one increment wide.
void FitRange(AxisSettings& axis, float low, float high)
{
    // A sample typed on a grid line stays on it despite the floats' rounding.
    constexpr double kOnTheLine = 1e-5;
    const double inc = axis.increment;
    double min = std::clamp(std::floor(low / inc + kOnTheLine) * inc, 0.0, 100.0);
    double max = std::clamp(std::ceil(high / inc - kOnTheLine) * inc, 0.0, 100.0);
    if (max <= min) {
        if (min + inc <= 100)
            max = min + inc;
        else
            min = std::max(0.0, max - inc);
    }
    axis.min = static_cast<float>(min);
    axis.max = static_cast<float>(max);
}

// The sheet's cross-check reads the other axes' limits against 100 minus
// this axis's limits in whole percent.
float Rest(float limit) { return static_cast<float>(100 - static_cast<std::int32_t>(limit)); }

} // namespace

std::optional<PlottedShares> PlottedSharesOf(const CTernaryDoc& doc, int slot)
{
    const SampleRecord& s = doc.GetSample(slot);
    if (!s.InUse() || !IsGiven(s.top) || !IsGiven(s.left) || !IsGiven(s.right) || s.colorId == -1 || s.symbolId == -1)
        return std::nullopt;
    float top = s.top, right = s.right;
    float sum = s.left + s.top + s.right;
    if (sum != 100 && doc.m_autoBalance && sum != 0) {
        top = top * (100 / sum);
        right = right * (100 / sum);
        sum = 100;
    }
    if (sum != 100 || !std::isfinite(top) || !std::isfinite(right))
        return std::nullopt;
    return PlottedShares { top, right, 100 - top - right };
}

bool HasPlottedSample(const CTernaryDoc& doc)
{
    for (int slot = 1; slot < static_cast<int>(doc.m_samples.size()); ++slot)
        if (PlottedSharesOf(doc, slot))
            return true;
    return false;
}

std::optional<FittedAxes> FitAxesToSamples(const CTernaryDoc& doc)
{
    float low[3] = { 100, 100, 100 }, high[3] = { 0, 0, 0 };
    bool any = false;
    for (int slot = 1; slot < static_cast<int>(doc.m_samples.size()); ++slot) {
        const auto shares = PlottedSharesOf(doc, slot);
        if (!shares)
            continue;
        any = true;
        const float values[3] = { shares->top, shares->left, shares->right };
        for (int a = 0; a < 3; ++a) {
            low[a] = std::min(low[a], values[a]);
            high[a] = std::max(high[a], values[a]);
        }
    }
    if (!any)
        return std::nullopt;

    FittedAxes fitted { doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis };
    AxisSettings* axes[3] = { &fitted.top, &fitted.left, &fitted.right };
    for (int a = 0; a < 3; ++a) {
        axes[a]->increment = UsableIncrement(axes[a]->increment);
        FitRange(*axes[a], low[a], high[a]);
    }
    // Samples on an edge can put two minima 100 apart, which leaves no
    // plot between them: the larger one gives way by an increment.
    for (int round = 0; round < kMaxAdjustments; ++round) {
        bool conflict = false;
        for (int x = 0; x < 3 && !conflict; ++x)
            for (int y = 0; y < 3 && !conflict; ++y) {
                if (x == y || axes[y]->min < Rest(axes[x]->min))
                    continue;
                conflict = true;
                AxisSettings& larger = axes[x]->min >= axes[y]->min ? *axes[x] : *axes[y];
                larger.min = std::max(0.0f, larger.min - larger.increment);
            }
        if (!conflict)
            break;
    }
    // What the sheet itself lowers when it checks each axis in turn.
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y) {
            if (x == y)
                continue;
            axes[y]->max = std::min(axes[y]->max, Rest(axes[x]->min));
            axes[y]->min = std::min(axes[y]->min, Rest(axes[x]->max));
        }
    return fitted;
}

bool FitAxesToData(CTernaryDoc& doc)
{
    const auto fitted = FitAxesToSamples(doc);
    if (!fitted)
        return false;
    {
        DocumentChange change(&doc, "Fit Axes to Data");
        for (auto [axis, fit] : { std::pair { &doc.m_topAxis, &fitted->top }, { &doc.m_leftAxis, &fitted->left },
                 { &doc.m_rightAxis, &fitted->right } }) {
            axis->min = fit->min;
            axis->max = fit->max;
            axis->increment = fit->increment;
        }
    }
    doc.UpdateAllViews(nullptr);
    return true;
}
