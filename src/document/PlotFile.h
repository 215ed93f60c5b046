#pragma once

#include <string>
#include <string_view>

class CArchive;
class CTernaryDoc;

// The .tpf plot file: seven tables in the table text format, written in the
// order PlotData, AxisData, PlotOptions, Annotation, LegendInfo, LegendItems,
// Fonts. docs/file-format.md describes the bytes.

// Writes the document. The only change to the document is that texts lose
// the characters the file cannot hold (';' becomes ',').
void WritePlotFile(CTernaryDoc& doc, CArchive& archive);

// Reads the file into a document whose DeleteContents has run. Missing
// PlotData, AxisData and PlotOptions tables are reported, in that order,
// and the load goes on with what there is.
// Returns false for a foreign file: one that holds none of the tables
// PlotData, AxisData and PlotOptions.
bool ReadPlotFile(CTernaryDoc& doc, CArchive& archive);

// The same file as bytes in memory, for callers without a file (the fuzzer,
// the benchmarks, tests). Loading runs DeleteContents, then the reader, as
// File Open does; saving returns the bytes File Save would write.
void LoadPlotFileBytes(CTernaryDoc& doc, std::string_view bytes);
std::string SavePlotFileBytes(CTernaryDoc& doc);
