#include "document/CTextTableReader.h"

#include "document/NumberFormat.h"
#include "document/TextCut.h"
#include "framework/core/CArchive.h"

#include <QBuffer>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace {

enum class LineKind { Table, Values, Delimiter, Columns, Row, Grid, End, Comment, Blank, Data };

char ToUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view line, std::string_view keyword)
{
    if (line.size() < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i)
        if (ToUpper(line[i]) != ToUpper(keyword[i]))
            return false;
    return true;
}

bool IsBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
        [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; });
}

// The first matching test decides; the order matters ("/Row=" declares
// columns, "ROW=" holds values, "END " with a space is data).
LineKind ClassifyLine(std::string_view line)
{
    struct Prefix {
        std::string_view keyword;
        LineKind kind;
    };
    static constexpr Prefix prefixes[] = {
        { "TABLE=", LineKind::Table },
        { "/Name=", LineKind::Table },
        { "VALUES=", LineKind::Values },
        { "/Values=", LineKind::Values },
        { "DELIMITER=", LineKind::Delimiter },
        { "/Delimiter=", LineKind::Delimiter },
        { "COLUMNS=", LineKind::Columns },
        { "/Row=", LineKind::Columns },
        { "ROW=", LineKind::Row },
        { "GRID=", LineKind::Grid },
    };
    for (const Prefix& prefix : prefixes)
        if (StartsWithNoCase(line, prefix.keyword))
            return prefix.kind;
    if (line.size() == 3 && StartsWithNoCase(line, "END"))
        return LineKind::End;
    if (StartsWithNoCase(line, "/END"))
        return LineKind::End;
    if (!line.empty() && line[0] == '#')
        return LineKind::Comment;
    if (IsBlank(line))
        return LineKind::Blank;
    return LineKind::Data;
}

std::string_view AfterEquals(std::string_view line)
{
    const std::size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

std::string Cut(std::string_view text, std::size_t limit) { return std::string(CutText(text, limit)); }

// Declares the table's columns from a line holding "[a;b(note);c]". A line
// without '[' declares nothing and is ignored.
void ParseColumns(CTextTable& table, std::string_view line)
{
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos)
        return;
    const std::string_view rest = line.substr(open + 1);
    std::size_t count = 1;
    if (rest.empty() || rest[0] != ']') {
        for (char c : rest) {
            if (c == ']' || c == '\n')
                break;
            if (c == table.delimiter)
                ++count;
        }
    }
    table.columnNames.assign(count, std::string());
    table.columnAnnotations.assign(count, std::string());

    std::size_t column = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; column < count; ++i) {
        const bool atEnd = i >= rest.size();
        if (!atEnd && rest[i] != table.delimiter && rest[i] != ']')
            continue;
        const std::string entry = Cut(rest.substr(start, i - start), CTextTable::kMaxColumnEntry);
        const std::size_t paren = entry.find('(');
        const std::size_t close = paren == std::string::npos ? std::string::npos : entry.find(')', paren + 1);
        if (close != std::string::npos) {
            table.columnNames[column] = entry.substr(0, paren);
            table.columnAnnotations[column] = entry.substr(paren + 1, close - paren - 1);
        } else {
            table.columnNames[column] = entry;
        }
        ++column;
        if (atEnd || rest[i] == ']')
            break;
        start = i + 1;
    }
}

// Splits text (found at offset in the file text) into as many values as
// the table has columns; missing trailing values are empty, extra ones are
// dropped.
void ParseRow(CTextTable& table, std::string_view text, std::size_t offset)
{
    table.BeginRow();
    const std::size_t count = table.columnNames.size();
    std::size_t start = 0;
    for (std::size_t v = 0; v < count; ++v) {
        std::size_t end = start;
        while (end < text.size() && text[end] != table.delimiter && text[end] != '\n')
            ++end;
        table.AddValue(offset + start, CutLength(text.substr(start, end - start), CTextTable::kMaxValue));
        if (end >= text.size() || text[end] == '\n')
            break;
        start = end + 1;
    }
}

} // namespace

void CTextTableReader::KeepOnly(std::vector<std::string> names, int maxRows)
{
    m_keptNames = std::move(names);
    m_maxRows = maxRows;
}

void CTextTableReader::Reset()
{
    m_keptNames.clear();
    m_maxRows = INT_MAX;
    m_files.clear();
    m_currentFile = nullptr;
    m_currentTable = nullptr;
    m_filling = nullptr;
}

CTextTableReader::File& CTextTableReader::AddFile(const std::string& path)
{
    m_files.push_back(std::make_unique<File>());
    m_currentFile = m_files.back().get();
    m_currentFile->path = path;
    return *m_currentFile;
}

bool CTextTableReader::ReadArchive(CArchive& archive, const std::string& path)
{
    // Table values are 32-bit offsets into the file text; an archive never
    // holds more than kMaxReadBytes.
    AddFile(path).text = archive.TakeLines();
    Parse();
    return true;
}

bool CTextTableReader::ReadText(std::string_view text, const std::string& path)
{
    QByteArray bytes = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    return ReadArchive(archive, path);
}

void CTextTableReader::Parse()
{
    const std::string& text = m_currentFile->text;
    m_filling = nullptr;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos); // every line ends with LF here
        ParseLine(std::string_view(text).substr(pos, end - pos), pos);
        pos = end + 1;
    }
    m_filling = nullptr;
}

void CTextTableReader::ParseLine(std::string_view line, std::size_t offset)
{
    const LineKind kind = ClassifyLine(line);
    if (kind == LineKind::Table) {
        std::string name = Cut(AfterEquals(line), CTextTable::kMaxName);
        const auto& tables = m_currentFile->tables;
        const bool kept
            = (m_keptNames.empty() || std::find(m_keptNames.begin(), m_keptNames.end(), name) != m_keptNames.end())
            && std::none_of(tables.begin(), tables.end(), [&](const auto& table) { return table->name == name; });
        // The lines of a table that is not kept go nowhere.
        m_filling = nullptr;
        if (kept) {
            auto table = std::make_unique<CTextTable>(m_currentFile->text);
            table->name = std::move(name);
            m_filling = table.get();
            m_currentFile->tables.push_back(std::move(table));
        }
        return;
    }
    if (!m_filling)
        return; // lines before the first table line go nowhere
    if ((kind == LineKind::Row || kind == LineKind::Data) && m_filling->RowCount() >= m_maxRows) {
        m_filling->CountRowNotKept();
        return;
    }
    switch (kind) {
    case LineKind::Delimiter: {
        const std::string_view rest = AfterEquals(line);
        if (!rest.empty())
            m_filling->delimiter = rest[0];
        break;
    }
    case LineKind::Columns:
        ParseColumns(*m_filling, line);
        break;
    case LineKind::Row: {
        const std::string_view rest = AfterEquals(line);
        ParseRow(*m_filling, rest, offset + static_cast<std::size_t>(rest.data() - line.data()));
        break;
    }
    case LineKind::Data:
        ParseRow(*m_filling, line, offset);
        break;
    default:
        break; // values, grid, end, comment and blank lines carry nothing
    }
}

bool CTextTableReader::FindTable(const std::string& name)
{
    if (!m_currentFile)
        return false;
    for (const auto& table : m_currentFile->tables) {
        if (table->name == name) {
            m_currentTable = table.get();
            return true;
        }
    }
    return false;
}

int CTextTableReader::GetRowCount() const { return m_currentTable ? m_currentTable->RowCount() : 0; }

int CTextTableReader::ColumnIndex(std::string_view column) const
{
    return m_currentTable ? m_currentTable->FindColumn(column) : -1;
}

bool CTextTableReader::GetValueAt(int row, int column, std::string_view& value) const
{
    value = {};
    if (!m_currentTable || row < 0 || row >= m_currentTable->RowCount() || column < 0
        || column >= m_currentTable->ValueCount(row))
        return false;
    value = m_currentTable->Value(row, column);
    return true;
}

bool CTextTableReader::GetValue(int row, std::string_view column, std::string& value) const
{
    std::string_view cell;
    const bool found = GetValueAt(row, ColumnIndex(column), cell);
    value.assign(cell);
    return found;
}

bool CTextTableReader::GetInt(int row, std::string_view column, int& value) const
{
    std::string_view cell;
    if (!GetValueAt(row, ColumnIndex(column), cell))
        return false;
    ScanInt(cell, value);
    return true;
}

bool CTextTableReader::GetFloat(int row, std::string_view column, float& value) const
{
    std::string_view cell;
    if (!GetValueAt(row, ColumnIndex(column), cell))
        return false;
    ScanFloat(cell, value);
    return true;
}

// The "value" cell of the first row whose "name" cell (empty when missing)
// equals the key; empty when that row has no value cell.
bool CTextTableReader::NamedValue(std::string_view key, std::string_view& value) const
{
    const int nameColumn = ColumnIndex("name");
    const int valueColumn = ColumnIndex("value");
    for (int row = 0; row < GetRowCount(); ++row) {
        std::string_view name;
        GetValueAt(row, nameColumn, name);
        if (name == key) {
            GetValueAt(row, valueColumn, value);
            return true;
        }
    }
    return false;
}

bool CTextTableReader::GetNamedInt(std::string_view key, int& value) const
{
    std::string_view text;
    if (!NamedValue(key, text))
        return false;
    ScanInt(text, value, 0);
    return true;
}

bool CTextTableReader::GetNamedColor(std::string_view key, COLORREF& value) const
{
    std::string_view text;
    if (!NamedValue(key, text))
        return false;
    int number = 0;
    if (ScanInt(text, number, 0) || ScanInt(text, number, 16))
        value = static_cast<COLORREF>(number);
    return true;
}
