#pragma once

#include "document/ClassDiagramSettings.h"

#include <QString>

#include <string_view>
#include <vector>

// What a field file holds: a CSV or TSV with the header Field,Top,Left,Right
// and one corner a line; consecutive lines of one field name are one polygon,
// in order. Corners are closed to 100.
struct FieldFileContents {
    std::vector<FieldPolygon> fields; // those with at least three corners
    std::vector<int> badLines; // not a name and three numbers, negative, summing to 0, or past kMaxFieldCorners
    std::size_t unlistedBadLines = 0; // lines the reader skipped past the first it names
    std::vector<std::string> shortFields; // names of fields with fewer than three corners
};

FieldFileContents ParseFieldFile(std::string_view bytes);

// Reads the field file at path. Bad lines and short fields are reported by
// line number and name in one message; a file that cannot be read or holds
// no usable field is refused with a message naming its full path, and the
// result is empty.
std::vector<FieldPolygon> LoadFieldFile(const QString& path);
