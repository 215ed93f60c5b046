#pragma once

#include "document/PlotFileKeys.h"

#include <string>
#include <string_view>

// The lines every table of the plot file starts with and the name;value row
// of its option tables, shared by the writer and the optional tables it
// appends, so that all of them write the same bytes.
namespace PlotFileLines {

// "TABLE=name", "DELIMITER=;" and "COLUMNS=columns", each on its line.
inline void AppendTableHeader(std::string& out, std::string_view table, std::string_view columns)
{
    using namespace PlotFileKeys;
    out += kTable;
    out += table;
    out += '\n';
    out += kDelimiter;
    out += kSeparator;
    out += '\n';
    out += kColumns;
    out += columns;
    out += '\n';
}

// "ROW=name;value" on its line.
inline void AppendNameValueRow(std::string& out, std::string_view name, std::string_view value)
{
    using namespace PlotFileKeys;
    out += kRow;
    out += name;
    out += kSeparator;
    out += value;
    out += '\n';
}

} // namespace PlotFileLines
