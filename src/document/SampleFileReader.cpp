#include "document/SampleFileReader.h"

#include "document/NumberFormat.h"
#include "document/SampleGroups.h"
#include "framework/core/TextEncoding.h"

#include <algorithm>

namespace {

struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

// Splits the text into records of fields (RFC 4180). A quote opens a quoted
// field only at the start of a field; inside one, a doubled quote is a quote
// and separators and line breaks are part of the field. CR LF, LF and a lone
// CR end a record.
std::vector<Record> SplitRecords(std::string_view text, char separator)
{
    std::vector<Record> records;
    Record current;
    std::string field;
    bool quoted = false;
    bool fieldStarted = false;
    int line = 1;
    current.line = 1;
    auto endField = [&] {
        current.fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
    };
    auto endRecord = [&] {
        endField();
        records.push_back(std::move(current));
        current = Record();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n' || (c == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
                    ++line;
                field += c;
            }
        } else if (c == '"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            endRecord();
            current.line = ++line;
        } else {
            // The rest of an unquoted field in one piece: only a separator or
            // a line break ends it.
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != separator && text[end] != '\r' && text[end] != '\n')
                ++end;
            field.append(text.data() + i, end - i);
            i = end - 1;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !field.empty() || !current.fields.empty())
        endRecord();
    return records;
}

bool IsEmptyRecord(const Record& record)
{
    return std::all_of(record.fields.begin(), record.fields.end(),
        [](const std::string& f) { return f.find_first_not_of(" \t") == std::string::npos; });
}

// How well the separator fits: the fields of the first record, how many
// records have that many fields, and how many have at least the three a
// sample needs (a name and two values).
struct Fit {
    std::size_t fields = 0;
    std::size_t agreeing = 0;
    std::size_t wide = 0;
    std::size_t records = 0;
    bool Consistent() const { return agreeing * 2 > records || wide * 2 > records; }
};

Fit Measure(std::string_view text, char separator)
{
    Fit fit;
    for (const Record& record : SplitRecords(text, separator)) {
        if (IsEmptyRecord(record))
            continue;
        if (fit.records++ == 0)
            fit.fields = record.fields.size();
        fit.agreeing += record.fields.size() == fit.fields;
        fit.wide += record.fields.size() >= 3;
    }
    return fit;
}

// Lines enough to judge a separator by; a file of a million samples is not
// split three more times to choose one.
constexpr int kLinesToJudge = 2000;

std::string_view FirstLines(std::string_view text, int lines)
{
    std::size_t end = 0;
    for (int i = 0; i < lines; ++i) {
        end = text.find('\n', end);
        if (end == std::string_view::npos)
            return text;
        ++end;
    }
    return text.substr(0, end);
}

// The separator that splits the first line into the most fields while most
// lines (of the first few thousand) agree. On a tie a tab or a semicolon wins
// over a comma, which may be a decimal mark.
char ChooseSeparator(std::string_view whole)
{
    const std::string_view text = FirstLines(whole, kLinesToJudge);
    char best = ',';
    Fit bestFit;
    bool bestConsistent = false;
    for (const char separator : { '\t', ';', ',' }) {
        const Fit fit = Measure(text, separator);
        const bool consistent = fit.Consistent();
        if ((consistent && !bestConsistent) || (consistent == bestConsistent && fit.fields > bestFit.fields)) {
            best = separator;
            bestFit = fit;
            bestConsistent = consistent;
        }
    }
    return best;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Valid UTF-8 on one line.
std::string NameText(const std::string& bytes)
{
    std::string name = EncodeText(DecodeText(bytes));
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::replace(name.begin(), name.end(), '\r', ' ');
    return name;
}

bool IsNumber(const std::string& field, bool decimalComma)
{
    float value = 0;
    return ScanWholeNumber(field, value, decimalComma);
}

bool ReadId(const std::string& field, int& id)
{
    float value = 0;
    if (!ScanWholeNumber(field, value, false) || value != static_cast<float>(static_cast<int>(value)))
        return false;
    id = static_cast<int>(value);
    return true;
}

// What the columns after the three values hold.
enum class SymbolColumns { None, ColorAndSymbol, TableNumber };

// The symbol columns of a line: Color and Symbol, or the table's one number.
bool ReadSymbol(const std::vector<std::string>& fields, SymbolColumns columns, SampleLine& sample)
{
    if (columns == SymbolColumns::None)
        return true;
    const std::string first = fields.size() > 4 ? Trimmed(fields[4]) : std::string();
    if (columns == SymbolColumns::TableNumber) {
        if (first.empty())
            return true;
        int number = 0;
        if (!ReadId(first, number) || number < 0 || number > 255)
            return false;
        sample.colorId = number >> 4;
        sample.symbolId = number & 15;
        return true;
    }
    const std::string second = fields.size() > 5 ? Trimmed(fields[5]) : std::string();
    int ids[2] = { -1, -1 };
    for (int i = 0; i < 2; ++i) {
        const std::string& text = i == 0 ? first : second;
        if (!text.empty() && (!ReadId(text, ids[i]) || ids[i] < 0 || ids[i] > 15))
            return false;
    }
    // One of the two alone brings the other's 0, as the palette does.
    if (ids[0] != -1 || ids[1] != -1) {
        sample.colorId = ids[0] == -1 ? 0 : ids[0];
        sample.symbolId = ids[1] == -1 ? 0 : ids[1];
    }
    return true;
}

bool ReadLine(const Record& record, bool decimalComma, SymbolColumns symbolColumns, SampleLine& sample)
{
    const auto& fields = record.fields;
    if (fields.size() < 3)
        return false;
    sample.line = record.line;
    sample.name = NameText(fields[0]);
    bool anyValue = false;
    // A name and two values: the right one is not given, as when typed.
    for (int i = 0; i < 3 && i + 1 < static_cast<int>(fields.size()); ++i) {
        const std::string text = Trimmed(fields[static_cast<std::size_t>(i + 1)]);
        if (text.empty())
            continue;
        if (!ScanWholeNumber(text, sample.values[static_cast<std::size_t>(i)], decimalComma))
            return false;
        anyValue = true;
    }
    return anyValue && ReadSymbol(fields, symbolColumns, sample);
}

bool IsTitle(const std::vector<std::string>& fields, std::size_t i, const char* word)
{
    const std::string text = i < fields.size() ? Trimmed(fields[i]) : std::string();
    return text.size() == std::char_traits<char>::length(word)
        && std::equal(text.begin(), text.end(), word, [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

// A header names the columns after the values; other titles there are
// columns of the spreadsheet's own, which are left out.
SymbolColumns HeaderSymbolColumns(const std::vector<std::string>& fields)
{
    if (IsTitle(fields, 4, "color") || IsTitle(fields, 4, "colour"))
        return SymbolColumns::ColorAndSymbol;
    if (IsTitle(fields, 4, "symbol"))
        return SymbolColumns::TableNumber;
    return SymbolColumns::None;
}

// The column a header names "Group", after the three values; 0 for none.
std::size_t GroupColumn(const std::vector<std::string>& header)
{
    for (std::size_t i = 4; i < header.size(); ++i)
        if (IsGroupTitle(header[i]))
            return i;
    return 0;
}

} // namespace

SampleFile ReadSampleFile(std::string_view bytes)
{
    SampleFile file;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    file.separator = ChooseSeparator(bytes);
    const bool decimalComma = file.separator != ',';

    std::vector<Record> records = SplitRecords(bytes, file.separator);
    records.erase(std::remove_if(records.begin(), records.end(), IsEmptyRecord), records.end());
    std::size_t first = 0;
    SymbolColumns headerColumns = SymbolColumns::None;
    std::size_t groupColumn = 0;
    if (!records.empty()) {
        const auto& fields = records.front().fields;
        const auto notNumber = [&](std::size_t i) { return i >= fields.size() || !IsNumber(fields[i], decimalComma); };
        const bool anyText = std::any_of(fields.begin() + std::min<std::size_t>(1, fields.size()),
            fields.begin() + std::min<std::size_t>(4, fields.size()),
            [](const std::string& f) { return !Trimmed(f).empty(); });
        if (fields.size() > 1 && anyText && notNumber(1) && notNumber(2) && notNumber(3)) {
            file.hasHeader = true;
            for (std::size_t i = 0; i < 3; ++i)
                file.titles[i] = i + 1 < fields.size() ? NameText(Trimmed(fields[i + 1])) : std::string();
            headerColumns = HeaderSymbolColumns(fields);
            groupColumn = GroupColumn(fields);
            first = 1;
        }
    }
    for (std::size_t i = first; i < records.size(); ++i) {
        SampleLine sample;
        // Without a header, five fields end with the table's Symbol number.
        const SymbolColumns columns = file.hasHeader ? headerColumns
            : records[i].fields.size() == 5          ? SymbolColumns::TableNumber
                                                     : SymbolColumns::ColorAndSymbol;
        if (ReadLine(records[i], decimalComma, columns, sample)) {
            if (groupColumn && groupColumn < records[i].fields.size())
                sample.group = NameText(Trimmed(records[i].fields[groupColumn]));
            file.samples.push_back(std::move(sample));
        } else {
            file.skippedLines.push_back(records[i].line);
        }
    }
    return file;
}

bool IsSampleFileName(std::string_view path)
{
    const auto dot = path.rfind('.');
    const auto slash = path.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return false;
    std::string suffix(path.substr(dot + 1));
    for (char& c : suffix)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    return suffix == "csv" || suffix == "tsv" || suffix == "txt";
}
