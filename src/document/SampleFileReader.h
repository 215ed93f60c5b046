#pragma once

#include "document/SampleRecord.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One sample line of a CSV or TSV file, ready to be entered into a slot.
struct SampleLine {
    int line = 0; // where the line starts in the file, from 1
    std::string name; // UTF-8
    std::array<float, 3> values { EMPTY_VALUE, EMPTY_VALUE, EMPTY_VALUE }; // top, left, right
    int colorId = -1; // both -1: the line gives no symbol
    int symbolId = -1;
    std::string group; // UTF-8; empty: the line names no group
};

// The samples a file may bring: the rows of the fullest plot. The lines
// after them are counted, not read.
inline constexpr std::size_t kMaxSamplesKept = 1'000'000;
// Skipped lines named in the load report; the others are counted.
inline constexpr std::size_t kSkippedLinesNamed = 10;

// What a CSV or TSV file of samples holds.
struct SampleFile {
    char separator = ',';
    bool hasHeader = false;
    std::array<std::string, 3> titles; // the header's top, left and right titles (UTF-8)
    std::vector<SampleLine> samples; // at most kMaxSamplesKept
    std::size_t samplesNotKept = 0; // lines past those, counted as samples without being read
    // Lines with too few fields or values that are not numbers: the first
    // kSkippedLinesNamed of them, and how many there were.
    std::vector<int> skippedLines;
    std::size_t skippedCount = 0;
    int cutTexts = 0; // names and titles cut to what a plot file holds

    std::size_t SampleCount() const { return samples.size() + samplesNotKept; }
};

// Reads samples written by a spreadsheet, a script or --save-as x.csv, in
// one pass that keeps only the first six fields of a line.
//
// Fields follow RFC 4180 (quotes, doubled quotes, line breaks inside quotes,
// CR LF or LF). The separator is a comma, a semicolon or a tab, whichever
// splits the first line into the most fields while most lines have that many
// fields. A UTF-8 byte order mark is dropped; texts that are not UTF-8 are
// taken as Windows-1252. The first line is a header when its second to
// fourth fields are not numbers, or when it reads "Sample,...,Color,Symbol"
// as SamplesToCsv writes it; it gives the axis titles. A quoted name or title
// that the writer led with a "'" (IsFormulaLike) loses it again.
//
// Columns: name, top, left, right, then either Color and Symbol (the colour
// and symbol numbers 0 to 15) or, when a header names only a Symbol column or
// a line has five fields, the table's Symbol number colour * 16 + symbol. A
// header may name a Group column anywhere after the values; each line's
// field there is its group. An empty value is not given; a line of a name and
// two values lacks the right value. With a semicolon or a tab as separator a
// value may have a decimal comma. A line with fewer than three fields, or
// with a field that is not a number where one belongs, is skipped; a line
// with only a name is a sample without values; empty lines are passed over
// silently.
// Names and titles are cut to what a plot file holds (StoredText.h).
SampleFile ReadSampleFile(std::string_view bytes);

// A text a spreadsheet would take for a formula: one that starts with '=',
// '+', '-', '@', a tab or a carriage return, or with "'"s before one of
// those (so that the "'" SamplesToCsv puts before such a text is taken
// away again only where it put one).
bool IsFormulaLike(std::string_view text);

// True for the names File Open treats as samples: .csv, .tsv and .txt.
bool IsSampleFileName(std::string_view path);
