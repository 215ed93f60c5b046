#pragma once

#include <functional>
#include <string>

class CTernaryDoc;
struct SampleRecord;

// The samples as comma-separated values (RFC 4180 quoting, UTF-8, LF line
// ends): a header "Sample,<top title>,<left title>,<right title>,Color,Symbol",
// then one line per sample in use in row order. Components appear as the
// sample table shows them ("%g", empty when not given); Color and Symbol
// are the colorId and symbolId, empty when the sample has none (-1).
// With classOf, a last column "Class" holds what it answers for each sample.
std::string SamplesToCsv(const CTernaryDoc& doc, const std::function<std::string(const SampleRecord&)>& classOf = {});

// Appends one field of stored text as UTF-8, held to what a plot file holds;
// a field holding a comma, a semicolon, a tab, a quote or a line break, or
// with blanks at either end, is quoted, with its quotes doubled, and a text
// a spreadsheet would run as a formula is quoted behind a "'".
void AppendCsvField(std::string& out, const std::string& bytes);
