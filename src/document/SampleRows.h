#pragma once

#include <string_view>
#include <vector>

class CTernaryDoc;

// Whole rows of samples moved, removed and reordered. A record moves with
// its row (slot i stays row i), so a sample's name, values and symbol stay
// together; the legend counts only the samples removed. Each runs inside the
// caller's DocumentChange; views are not updated.

// Inserts count empty rows before row first: the samples from first on move
// down by count. False, with nothing changed, when the last sample would
// move past the last slot.
bool InsertSampleRows(CTernaryDoc& doc, int first, int count);

// Removes rows first to first + count - 1 and moves the samples below up by
// count; the legend counts the removed samples down.
void DeleteSampleRows(CTernaryDoc& doc, int first, int count);

// The columns a sort can order by: the name in natural order, the three
// values as numbers, the symbol by colour, then symbol.
enum class SortColumn { Name, Top, Left, Right, Symbol };
struct SortKey {
    SortColumn column = SortColumn::Name;
    bool descending = false;
    bool operator==(const SortKey&) const = default;
};

// Orders rows first to last by the keys, the first deciding first. Rows not
// in use gather at the end of the range, and within a key the samples that
// lack it (no name, an empty value, no symbol) follow those that have it,
// in either direction. Samples equal in every key keep their order.
void SortSampleRows(CTernaryDoc& doc, int first, int last, const std::vector<SortKey>& keys);

// Natural order of names: runs of digits compare as numbers ("S2" before
// "S10"), letters without regard to case. Negative, 0 or positive.
int CompareNatural(std::string_view a, std::string_view b);
