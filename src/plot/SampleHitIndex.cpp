#include "plot/SampleHitIndex.h"

#include "document/CTernaryDoc.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

std::uint64_t SampleHitIndex::Key(int x, int y)
{
    // Arithmetic shifts keep negative coordinates in their own squares; the
    // flipped sign bit orders the squares as their coordinates are ordered.
    const auto cx = static_cast<std::uint32_t>(x >> kCellShift) ^ 0x80000000u;
    const auto cy = static_cast<std::uint32_t>(y >> kCellShift) ^ 0x80000000u;
    return (static_cast<std::uint64_t>(cx) << 32) | cy;
}

void SampleHitIndex::Build(const CTernaryDoc& doc)
{
    m_entries.clear();
    m_entries.reserve(static_cast<std::size_t>(doc.m_sampleSlots));
    // The squares' columns and rows that hold samples, as the key numbers them.
    std::uint64_t firstColumn = UINT32_MAX, lastColumn = 0, firstRow = UINT32_MAX, lastRow = 0;
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& s = doc.GetSample(slot);
        if (s.InUse() && s.plotX != NOT_PLOTTED && s.plotY != NOT_PLOTTED) {
            const std::uint64_t key = Key(s.plotX, s.plotY);
            m_entries.push_back({ key, slot });
            firstColumn = std::min(firstColumn, key >> 32);
            lastColumn = std::max(lastColumn, key >> 32);
            firstRow = std::min(firstRow, key & UINT32_MAX);
            lastRow = std::max(lastRow, key & UINT32_MAX);
        }
    }
    if (m_entries.empty())
        return;
    // The samples lie in a few thousand squares: sorted by counting, which
    // keeps each square's slots in the order they were found, after every
    // paint of a big document. Squares spread far apart fall back to a sort.
    const std::uint64_t columns = lastColumn - firstColumn + 1;
    const std::uint64_t rows = lastRow - firstRow + 1;
    const std::uint64_t limit = 4 * m_entries.size() + 4096;
    if (columns > limit || rows > limit || columns * rows > limit) {
        std::sort(m_entries.begin(), m_entries.end());
        return;
    }
    auto square = [&](const Entry& e) {
        return static_cast<std::size_t>(((e.key >> 32) - firstColumn) * rows + (e.key & UINT32_MAX) - firstRow);
    };
    std::vector<std::uint32_t> start(static_cast<std::size_t>(columns * rows) + 1, 0);
    for (const Entry& e : m_entries)
        ++start[square(e) + 1];
    std::partial_sum(start.begin(), start.end(), start.begin());
    std::vector<Entry> sorted(m_entries.size());
    for (const Entry& e : m_entries)
        sorted[start[square(e)]++] = e;
    m_entries.swap(sorted);
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
