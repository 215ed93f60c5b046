#include "document/SampleRows.h"

#include "document/CTernaryDoc.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// After records moved: each slot in use names itself as its row again.
void RenumberRows(CTernaryDoc& doc, int first, int last)
{
    for (int slot = first; slot <= last; ++slot) {
        SampleRecord& rec = doc.GetSample(slot);
        if (rec.InUse())
            rec.row = slot;
    }
}

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

int Sign(int v) { return (v > 0) - (v < 0); }

// Compares one key of two samples in use; 0 when equal or both lack it.
// A sample that lacks the key comes last whatever the direction.
int CompareKey(const SampleRecord& a, const SampleRecord& b, const SortKey& key)
{
    auto compareMissing = [](bool hasA, bool hasB) { return hasA == hasB ? 0 : hasA ? -1 : 1; };
    int order = 0;
    switch (key.column) {
    case SortColumn::Name:
        if (a.name.empty() || b.name.empty())
            return compareMissing(!a.name.empty(), !b.name.empty());
        order = CompareNatural(a.name, b.name);
        break;
    case SortColumn::Symbol: {
        const bool hasA = a.colorId != -1 && a.symbolId != -1;
        const bool hasB = b.colorId != -1 && b.symbolId != -1;
        if (!hasA || !hasB)
            return compareMissing(hasA, hasB);
        order = a.colorId != b.colorId ? Sign(a.colorId - b.colorId) : Sign(a.symbolId - b.symbolId);
        break;
    }
    default: {
        const float SampleRecord::*member = key.column == SortColumn::Top ? &SampleRecord::top
            : key.column == SortColumn::Left                              ? &SampleRecord::left
                                                                          : &SampleRecord::right;
        // A NaN read from a file orders like an empty value.
        const float va = a.*member;
        const float vb = b.*member;
        const bool hasA = IsGiven(va) && !std::isnan(va);
        const bool hasB = IsGiven(vb) && !std::isnan(vb);
        if (!hasA || !hasB)
            return compareMissing(hasA, hasB);
        order = va < vb ? -1 : vb < va ? 1 : 0;
        break;
    }
    }
    return key.descending ? -order : order;
}

} // namespace

bool InsertSampleRows(CTernaryDoc& doc, int first, int count)
{
    const int last = doc.LastUsedSlot();
    if (first < 1 || count < 1 || last < first)
        return true; // no sample moves; the rows below the last sample stay empty
    if (last + count >= CTernaryDoc::kMaxSampleSlots || !doc.EnsureSampleSlot(last + count))
        return false;
    // The empty slots after the last sample come up to first.
    auto records = doc.m_samples.begin();
    std::rotate(records + first, records + last + 1, records + last + count + 1);
    RenumberRows(doc, first, last + count);
    return true;
}

void DeleteSampleRows(CTernaryDoc& doc, int first, int count)
{
    const int last = doc.LastUsedSlot();
    if (first < 1 || count < 1 || last < first)
        return;
    const int end = std::min(first + count, last + 1); // past the last row removed
    for (int slot = first; slot < end; ++slot) {
        SampleRecord& rec = doc.GetSample(slot);
        if (rec.colorId != -1 || rec.symbolId != -1)
            doc.m_legend.UpdateForSample(-1, -1, rec.symbolId, rec.colorId, rec.name);
        rec.Empty();
    }
    auto records = doc.m_samples.begin();
    std::rotate(records + first, records + end, records + last + 1);
    RenumberRows(doc, first, last);
}

void SortSampleRows(CTernaryDoc& doc, int first, int last, const std::vector<SortKey>& keys)
{
    first = std::max(first, 1);
    last = std::min(last, doc.m_sampleSlots - 1);
    if (first >= last)
        return;
    auto begin = doc.m_samples.begin() + first;
    auto end = doc.m_samples.begin() + last + 1;
    std::stable_sort(begin, end, [&](const SampleRecord& a, const SampleRecord& b) {
        if (a.InUse() != b.InUse())
            return a.InUse();
        if (!a.InUse())
            return false;
        for (const SortKey& key : keys)
            if (const int order = CompareKey(a, b, key))
                return order < 0;
        return false;
    });
    RenumberRows(doc, first, last);
}

int CompareNatural(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            // Leading zeros do not count; the longer number is the larger.
            while (i < a.size() && a[i] == '0')
                ++i;
            while (j < b.size() && b[j] == '0')
                ++j;
            std::size_t ei = i;
            std::size_t ej = j;
            while (ei < a.size() && IsDigit(a[ei]))
                ++ei;
            while (ej < b.size() && IsDigit(b[ej]))
                ++ej;
            if (ei - i != ej - j)
                return ei - i < ej - j ? -1 : 1;
            if (const int order = a.substr(i, ei - i).compare(b.substr(j, ej - j)))
                return Sign(order);
            i = ei;
            j = ej;
            continue;
        }
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[j]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    return Sign(static_cast<int>(a.size() - i) - static_cast<int>(b.size() - j));
}
