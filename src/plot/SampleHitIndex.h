#pragma once

#include "framework/core/WinTypes.h"

#include <cstdint>
#include <vector>

class CTernaryDoc;

// Where the last paint put the samples, bucketed into squares of the plot,
// so that finding the sample under the pointer looks at a few samples
// instead of every slot. Built after each paint of the window; a lookup
// checks its candidates against the document as it is now.
class SampleHitIndex {
public:
    // Indexes every slot in use that has a plotted position.
    void Build(const CTernaryDoc& doc);
    // The lowest slot in use whose plotted position lies less than reach
    // from p in x and in y; 0 when there is none.
    int SlotNear(const CTernaryDoc& doc, CPoint p, int reach) const;

private:
    static constexpr int kCellShift = 4; // 16-pixel squares, wider than any reach used
    static std::uint64_t Key(int x, int y);

    struct Entry {
        std::uint64_t key;
        int slot;
        bool operator<(const Entry& other) const { return key != other.key ? key < other.key : slot < other.slot; }
    };
    std::vector<Entry> m_entries; // sorted by square, then slot
};
