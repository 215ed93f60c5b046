#pragma once

#include "document/SampleFileReader.h"

#include <QString>

#include <vector>

class QIODevice;

class CTernaryDoc;
class GroupLooks;

// Enters a line into an empty slot as typing its fields into that row of the
// sample table would, name first: with auto-add on, a line with exactly two
// values gets the third (100 minus the other two); a complete line without a
// symbol of its own gets colour 0 and symbol 0; the legend counts the pair,
// and a new entry is named after the sample. A line of a group without a
// symbol of its own takes the group's look from looks, and its legend entry
// is named after the group. Views are not updated.
void EnterSample(CTernaryDoc& doc, int slot, const SampleLine& line, GroupLooks* looks = nullptr);

// The slots an append filled: first to last, both included; none when
// first > last.
struct SlotRange {
    int first = 1;
    int last = 0;
    int Count() const { return last >= first ? last - first + 1 : 0; }
};

// One document operation: enters the lines into the slots after the last
// one in use, in order (groups take their looks as GroupLooks gives them,
// keeping those the legend already names), and marks the document modified when any was
// entered. Lines beyond the last slot are left out (see the range's count).
SlotRange AppendSamples(CTernaryDoc& doc, const std::vector<SampleLine>& lines);

// Reads the CSV or TSV file at path for opening or importing. When it cannot
// be read or holds no sample a message naming the full path says why and
// the result is false.
bool ReadSampleFileAt(const QString& path, SampleFile& file);
// The same for a file already open (path names it in messages).
bool ReadSampleDevice(const QString& path, QIODevice& in, SampleFile& file);

// After a load: how many samples were read, and the lines skipped (the
// first ten) or left out for want of room. Empty when all went in.
QString SampleLoadReport(const QString& path, const SampleFile& file, int entered);
