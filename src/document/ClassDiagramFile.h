#pragma once

#include <string>
#include <string_view>

class CTernaryDoc;
class CTextTableReader;

// The classification diagram's part of the .tpf plot file: option rows in
// PlotOptions, each written only when it differs from its default, and the
// ClassFields table of a diagram from a file (written last, so older builds
// skip both). docs/file-format.md describes them.

// Appends the diagram's PlotOptions rows that differ from the defaults.
void AppendDiagramOptionRows(const CTernaryDoc& doc, std::string& out);
// Appends the ClassFields table when the diagram's fields come from a file.
void AppendDiagramFieldsTable(const CTernaryDoc& doc, std::string& out);

// Takes one PlotOptions row when it is the diagram's; false for other names.
bool ReadDiagramOption(CTernaryDoc& doc, std::string_view name, std::string_view value);
// Reads the ClassFields table, the reader's current table. A diagram from a
// file without a usable field falls back to none.
void ReadDiagramFields(CTernaryDoc& doc, const CTextTableReader& reader);
