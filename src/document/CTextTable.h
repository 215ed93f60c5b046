#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One named table of the table text format: column names and rows of text
// values. The values are views into the text of the file they were read
// from, which the reader keeps unchanged while the table lives; rows sit in
// flat arrays, so a cell lookup is direct.
class CTextTable {
public:
    static constexpr std::size_t kMaxName = 255;
    static constexpr std::size_t kMaxColumnEntry = 63;
    static constexpr std::size_t kMaxValue = 1023;

    explicit CTextTable(const std::string& fileText)
        : m_text(&fileText)
    {
    }

    std::string name; // at most kMaxName bytes, compared case-sensitively
    char delimiter = ';';
    std::vector<std::string> columnNames;
    std::vector<std::string> columnAnnotations; // the '(...)' part of an entry, kept unused

    int ColumnCount() const { return static_cast<int>(columnNames.size()); }
    int RowCount() const { return static_cast<int>(m_rowStart.size()); }
    // Index of the first column with this exact name, or -1.
    int FindColumn(std::string_view column) const;
    // Number of values the row holds: the column count when it was read.
    int ValueCount(int row) const { return static_cast<int>(m_rowSize[static_cast<std::size_t>(row)]); }
    // The row's value at index (within ValueCount).
    std::string_view Value(int row, int index) const
    {
        const std::size_t r = static_cast<std::size_t>(row);
        const std::size_t first = m_rowStart[r];
        const std::size_t end = r + 1 < m_rowStart.size() ? m_rowStart[r + 1] : m_values.size();
        const std::size_t i = first + static_cast<std::size_t>(index);
        if (i >= end)
            return {}; // a trailing value the line did not give
        return std::string_view(*m_text).substr(m_values[i].offset, m_values[i].length);
    }

    // Parsing: starts a row of ColumnCount() values, all empty. Values are
    // then added in column order; those never added stay empty, so a short
    // line costs no memory for the columns it lacks.
    void BeginRow();
    // Adds the next value of the row begun last; offset and length lie in
    // the file text. Callers cut values to kMaxValue (see TextCut.h).
    void AddValue(std::size_t offset, std::size_t length);
    // A row past those the reader keeps.
    void CountRowNotKept() { ++m_rowsNotKept; }
    long long RowsNotKept() const { return m_rowsNotKept; }

private:
    struct Span {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    const std::string* m_text;
    std::vector<Span> m_values;
    std::vector<std::uint32_t> m_rowStart; // index of each row's first value in m_values
    std::vector<std::uint32_t> m_rowSize; // each row's column count
    long long m_rowsNotKept = 0;
};
