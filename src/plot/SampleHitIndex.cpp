#include "plot/SampleHitIndex.h"

#include "document/CTernaryDoc.h"

#include <algorithm>
#include <cstdlib>

std::uint64_t SampleHitIndex::Key(int x, int y)
{
    // Arithmetic shifts keep negative coordinates in their own squares.
    const auto cx = static_cast<std::uint32_t>(x >> kCellShift);
    const auto cy = static_cast<std::uint32_t>(y >> kCellShift);
    return (static_cast<std::uint64_t>(cx) << 32) | cy;
}

void SampleHitIndex::Build(const CTernaryDoc& doc)
{
    m_entries.clear();
    m_entries.reserve(static_cast<std::size_t>(doc.m_sampleSlots));
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& s = doc.GetSample(slot);
        if (s.InUse() && s.plotX != NOT_PLOTTED && s.plotY != NOT_PLOTTED)
            m_entries.push_back({ Key(s.plotX, s.plotY), slot });
    }
    std::sort(m_entries.begin(), m_entries.end());
}

int SampleHitIndex::SlotNear(const CTernaryDoc& doc, CPoint p, int reach) const
{
    const int cell = 1 << kCellShift;
    const int span = (reach + cell - 1) / cell; // squares on each side that a reach can touch
    int best = 0;
    for (long long dx = -span; dx <= span; ++dx) {
        for (long long dy = -span; dy <= span; ++dy) {
            const long long x = p.x + dx * cell;
            const long long y = p.y + dy * cell;
            if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX)
                continue;
            const std::uint64_t key = Key(static_cast<int>(x), static_cast<int>(y));
            auto it = std::lower_bound(m_entries.begin(), m_entries.end(), Entry { key, 0 });
            for (; it != m_entries.end() && it->key == key; ++it) {
                if (best != 0 && it->slot >= best)
                    break;
                if (it->slot >= doc.m_sampleSlots)
                    continue;
                const SampleRecord& s = doc.GetSample(it->slot);
                if (s.InUse() && std::abs(static_cast<long long>(s.plotX) - p.x) < reach
                    && std::abs(static_cast<long long>(s.plotY) - p.y) < reach)
                    best = it->slot;
            }
        }
    }
    return best;
}
