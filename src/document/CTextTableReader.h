#pragma once

#include "document/CTextTable.h"
#include "framework/core/WinTypes.h"

#include <climits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CArchive;

// Parses text in the table format (TABLE= / DELIMITER= / COLUMNS= / ROW= /
// END, or /Name= / /Delimiter= / /Row= / /Values= / /END) into named tables
// of text cells, then answers lookups by table name, row index and column
// name. It knows nothing about plots. Parsing never fails on content: lines
// it does not know become rows of the table being filled, or are dropped.
// Over-long names, column entries and values are cut (see CTextTable).
class CTextTableReader {
public:
    // The tables of one file, in file order.
    struct File {
        std::string path; // informational only
        std::string text; // every line, each ended by LF; the tables' values point into it
        std::vector<std::unique_ptr<CTextTable>> tables;
    };

    // Forgets every file and table; no current file or table remains, and
    // KeepOnly's limits are lifted.
    void Reset();
    // For the files read next: only tables with these names are kept (all
    // when empty), and of each table at most maxRows rows; the rows past
    // them are only counted (CTextTable::RowsNotKept). A table whose name an
    // earlier one of the file had is never kept, as FindTable could not
    // reach it. This bounds the memory a file can take.
    void KeepOnly(std::vector<std::string> names, int maxRows);
    // Parses every line of the archive into a new file, which becomes current.
    bool ReadArchive(CArchive& archive, const std::string& path = {});
    // Parses text already in memory, as ReadArchive does.
    bool ReadText(std::string_view text, const std::string& path = {});

    // Makes the first table of the current file with exactly this name the
    // current table. On failure the current table stays as it was.
    bool FindTable(const std::string& name);
    // Rows of the current table; 0 when there is none.
    int GetRowCount() const;

    // The cell at row (from 0) and column; false (and value empty) when there
    // is no current table, column or row, or the row is too short.
    bool GetValue(int row, std::string_view column, std::string& value) const;
    // GetValue, then "%d" / "%f". False only when the cell is missing; when it
    // holds no number the output keeps its value and the result is true.
    bool GetInt(int row, std::string_view column, int& value) const;
    bool GetFloat(int row, std::string_view column, float& value) const;
    // For name/value tables: the "value" of the first row whose "name" is key,
    // read with "%i" (GetNamedColor retries with "%x"). False when no row matches.
    bool GetNamedInt(std::string_view key, int& value) const;
    bool GetNamedColor(std::string_view key, COLORREF& value) const;

    // The same lookups for callers that read many rows: resolve the column
    // once, then read cells by index without copying.
    int ColumnIndex(std::string_view column) const;
    bool GetValueAt(int row, int column, std::string_view& value) const;

    int FileCount() const { return static_cast<int>(m_files.size()); }
    const CTextTable* CurrentTable() const { return m_currentTable; }

private:
    File& AddFile(const std::string& path);
    void Parse();
    void ParseLine(std::string_view line, std::size_t offset);
    bool NamedValue(std::string_view key, std::string_view& value) const;

    std::vector<std::string> m_keptNames; // empty: every name
    int m_maxRows = INT_MAX;
    std::vector<std::unique_ptr<File>> m_files;
    File* m_currentFile = nullptr;
    CTextTable* m_currentTable = nullptr;
    CTextTable* m_filling = nullptr; // the table that lines go to while parsing
};
