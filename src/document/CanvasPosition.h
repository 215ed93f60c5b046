#pragma once

#include <algorithm>

// The legend box and the annotations lie at canvas positions that a file may
// set to anything. The reader, the writer and the layout hold each position
// to +-kPositionLimit, far outside any canvas, so that every sum made from
// them later (sizes, scrolling, dragging) stays inside int.
inline constexpr int kPositionLimit = 1'000'000;

inline int ClampPosition(long long value)
{
    return static_cast<int>(std::clamp<long long>(value, -kPositionLimit, kPositionLimit));
}
