#pragma once

#include <string>
#include <vector>

// One named table of the table text format: column names and rows of text
// values. Rows are held in a vector, so a cell lookup is direct.
struct CTextTable {
    static constexpr std::size_t kMaxName = 255;
    static constexpr std::size_t kMaxColumnEntry = 63;
    static constexpr std::size_t kMaxValue = 1023;

    std::string name; // at most kMaxName bytes, compared case-sensitively
    char delimiter = ';';
    std::vector<std::string> columnNames;
    std::vector<std::string> columnAnnotations; // the '(...)' part of an entry, kept unused
    // Each row holds as many values as the table had columns when it was read.
    std::vector<std::vector<std::string>> rows;

    int ColumnCount() const { return static_cast<int>(columnNames.size()); }
    int RowCount() const { return static_cast<int>(rows.size()); }
    // Index of the first column with this exact name, or -1.
    int FindColumn(const std::string& column) const;
};
