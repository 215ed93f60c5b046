#include "document/SampleFileReader.h"

#include "document/NumberFormat.h"
#include "document/SampleGroups.h"
#include "document/StoredText.h"
#include "framework/core/TextEncoding.h"

#include <algorithm>
#include <cmath>

namespace {

// The fields a sample uses: name, three values, Color and Symbol.
constexpr std::size_t kKeptFields = 6;

// One record as the splitter hands it on: how many fields it had, and the
// first kKeptFields of them (when asked to keep them) with whether each was
// quoted.
struct Record {
    int line = 0;
    std::size_t fieldCount = 0;
    bool blank = true; // every field empty or blanks only
    std::array<std::string, kKeptFields> fields;
    std::array<bool, kKeptFields> quoted {};
    // One more field kept past the first ones (a Group column); 0 for none.
    std::size_t extraIndex = 0;
    std::string extra;

    std::string_view Field(std::size_t i) const
    {
        if (i >= fieldCount)
            return {};
        if (i < kKeptFields)
            return fields[i];
        return i == extraIndex ? std::string_view(extra) : std::string_view();
    }
};

// Splits the text into records of fields (RFC 4180) and hands each to
// onRecord. A quote opens a quoted field only at the start of a field;
// inside one, a doubled quote is a quote and separators and line breaks are
// part of the field. CR LF, LF and a lone CR end a record. Only one record
// is held at a time, and only its first fields and the one at extraIndex;
// without keep, none.
template <class OnRecord>
void SplitRecords(std::string_view text, char separator, bool keep, std::size_t extraIndex, OnRecord&& onRecord)
{
    Record current;
    current.extraIndex = extraIndex;
    current.line = 1;
    int line = 1;
    // Adds a run of a field's characters at once.
    auto add = [&](std::string_view run) {
        if (keep && current.fieldCount < kKeptFields)
            current.fields[current.fieldCount] += run;
        else if (keep && extraIndex >= kKeptFields && current.fieldCount == extraIndex)
            current.extra += run;
        for (std::size_t k = 0; current.blank && k < run.size(); ++k)
            current.blank = run[k] == ' ' || run[k] == '\t';
    };
    auto endRecord = [&] {
        ++current.fieldCount;
        onRecord(static_cast<const Record&>(current));
        for (std::size_t f = 0; f < kKeptFields && f < current.fieldCount; ++f) {
            current.fields[f].clear();
            current.quoted[f] = false;
        }
        current.extra.clear();
        current.fieldCount = 0;
        current.blank = true;
    };
    // The bytes that end an unquoted field, looked up rather than compared
    // three times over: a file of a million samples is this loop's work.
    std::array<bool, 256> endsField {};
    for (const char c : { separator, '\n', '\r' })
        endsField[static_cast<unsigned char>(c)] = true;
    const std::size_t size = text.size();
    std::size_t i = 0;
    while (i < size) {
        // At the start of a field.
        if (text[i] == '"') {
            if (current.fieldCount < kKeptFields)
                current.quoted[current.fieldCount] = true;
            ++i;
            for (;;) {
                const std::size_t quote = std::min(text.find('"', i), size);
                const std::string_view run = text.substr(i, quote - i);
                for (std::size_t k = 0; k < run.size(); ++k)
                    if (run[k] == '\n' || (run[k] == '\r' && (i + k + 1 >= size || text[i + k + 1] != '\n')))
                        ++line;
                add(run);
                i = std::min(quote + 1, size); // an unclosed quote runs to the end
                if (i < size && text[i] == '"') {
                    add("\"");
                    ++i;
                    continue;
                }
                break;
            }
        }
        // The rest of the field, up to a separator or a line end; a quote
        // here is an ordinary character.
        std::size_t end = i;
        while (end < size && !endsField[static_cast<unsigned char>(text[end])])
            ++end;
        add(text.substr(i, end - i));
        if (end >= size) {
            i = end;
            break;
        }
        if (text[end] == separator) {
            ++current.fieldCount;
            i = end + 1;
            if (i >= size) // a separator at the very end still ends a field
                endRecord();
            continue;
        }
        i = end + (text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? 2 : 1);
        endRecord();
        current.line = ++line;
        continue;
    }
    if (i >= size && (current.fieldCount > 0 || !current.blank || (size > 0 && text[size - 1] == '"')))
        endRecord();
}

// How well the separator fits: the fields of the first record, how many
// records have that many fields, and how many have at least the four a
// sample needs.
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
    SplitRecords(text, separator, false, 0, [&fit](const Record& record) {
        if (record.blank)
            return;
        if (fit.records++ == 0)
            fit.fields = record.fieldCount;
        fit.agreeing += record.fieldCount == fit.fields;
        fit.wide += record.fieldCount >= 3;
    });
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

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Valid UTF-8 on one line, held to what a plot file holds; a quoted text
// the writer guarded against spreadsheet formulas loses its "'".
std::string NameText(std::string_view bytes, bool quoted, int& cutTexts)
{
    if (quoted && !bytes.empty() && bytes.front() == '\'' && IsFormulaLike(bytes.substr(1)))
        bytes.remove_prefix(1);
    const bool ascii = std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; });
    std::string name = ascii ? std::string(bytes) : EncodeText(DecodeText(bytes));
    std::replace(name.begin(), name.end(), '\n', ' ');
    std::replace(name.begin(), name.end(), '\r', ' ');
    cutTexts += HoldToStoredLength(name);
    return name;
}

bool IsNumber(std::string_view field, bool decimalComma)
{
    float value = 0;
    return ScanWholeNumber(field, value, decimalComma);
}

// A whole number from 0 to maximum; the range is checked before the
// conversion, which a larger value would overflow.
bool ReadId(std::string_view field, int maximum, int& id)
{
    float value = 0;
    if (!ScanWholeNumber(field, value, false) || !(value >= 0.0f && value <= static_cast<float>(maximum))
        || value != std::floor(value))
        return false;
    id = static_cast<int>(value);
    return true;
}

// What the columns after the three values hold.
enum class SymbolColumns { None, ColorAndSymbol, TableNumber };

// The symbol columns of a line: Color and Symbol, or the table's one number.
bool ReadSymbol(const Record& record, SymbolColumns columns, SampleLine& sample)
{
    if (columns == SymbolColumns::None)
        return true;
    const std::string_view first = Trimmed(record.Field(4));
    if (columns == SymbolColumns::TableNumber) {
        if (first.empty())
            return true;
        int number = 0;
        if (!ReadId(first, 255, number))
            return false;
        sample.colorId = number >> 4;
        sample.symbolId = number & 15;
        return true;
    }
    const std::string_view second = Trimmed(record.Field(5));
    int ids[2] = { -1, -1 };
    for (int i = 0; i < 2; ++i) {
        const std::string_view text = i == 0 ? first : second;
        if (!text.empty() && !ReadId(text, 15, ids[i]))
            return false;
    }
    // One of the two alone brings the other's 0, as the palette does.
    if (ids[0] != -1 || ids[1] != -1) {
        sample.colorId = ids[0] == -1 ? 0 : ids[0];
        sample.symbolId = ids[1] == -1 ? 0 : ids[1];
    }
    return true;
}

// A line of a name and two values lacks the right value, as when typed; a
// line of a name alone is a sample without values.
bool ReadLine(const Record& record, bool decimalComma, SymbolColumns symbolColumns, SampleLine& sample, int& cutTexts)
{
    if (record.fieldCount < 3)
        return false;
    sample.line = record.line;
    for (int i = 0; i < 3; ++i) {
        const std::string_view text = Trimmed(record.Field(static_cast<std::size_t>(i + 1)));
        if (!text.empty() && !ScanWholeNumber(text, sample.values[static_cast<std::size_t>(i)], decimalComma))
            return false;
    }
    if (!ReadSymbol(record, symbolColumns, sample))
        return false;
    sample.name = NameText(record.Field(0), record.quoted[0], cutTexts);
    return true;
}

bool IsTitle(const Record& record, std::size_t i, const char* word)
{
    const std::string_view text = Trimmed(record.Field(i));
    return text.size() == std::char_traits<char>::length(word)
        && std::equal(text.begin(), text.end(), word, [](char a, char b) { return (a | 0x20) == (b | 0x20); });
}

// A header names the columns after the values; other titles there are
// columns of the spreadsheet's own, which are left out.
SymbolColumns HeaderSymbolColumns(const Record& record)
{
    if (IsTitle(record, 4, "color") || IsTitle(record, 4, "colour"))
        return SymbolColumns::ColorAndSymbol;
    if (IsTitle(record, 4, "symbol"))
        return SymbolColumns::TableNumber;
    return SymbolColumns::None;
}

// A first line whose value fields hold text and no number, or the line
// SamplesToCsv writes (with or without its Class column), whatever its titles.
bool IsHeader(const Record& record, bool decimalComma)
{
    if (record.fieldCount >= kKeptFields && IsTitle(record, 0, "sample") && IsTitle(record, 4, "color")
        && IsTitle(record, 5, "symbol"))
        return true;
    bool anyText = false;
    for (std::size_t i = 1; i < 4; ++i) {
        if (IsNumber(record.Field(i), decimalComma))
            return false;
        anyText = anyText || !Trimmed(record.Field(i)).empty();
    }
    return record.fieldCount > 1 && anyText;
}

// The column a header names "Group", after the three values; 0 for none.
// Read from the first line that is not blank on its own, since a record
// keeps only the fields a sample uses.
std::size_t GroupColumn(std::string_view text, char separator)
{
    std::size_t start = 0;
    std::string_view line;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        line = text.substr(start, end - start);
        if (!Trimmed(line).empty())
            break;
        start = end + 1;
    }
    std::size_t column = 0;
    for (std::size_t from = 0; from <= line.size(); ++column) {
        const std::size_t end = std::min(line.find(separator, from), line.size());
        std::string_view title = Trimmed(line.substr(from, end - from));
        if (title.size() >= 2 && title.front() == '"' && title.back() == '"')
            title = title.substr(1, title.size() - 2);
        if (column >= 4 && IsGroupTitle(title))
            return column;
        from = end + 1;
    }
    return 0;
}

} // namespace

bool IsFormulaLike(std::string_view text)
{
    while (!text.empty() && text.front() == '\'')
        text.remove_prefix(1);
    return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

SampleFile ReadSampleFile(std::string_view bytes)
{
    SampleFile file;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    file.separator = ChooseSeparator(bytes);
    const bool decimalComma = file.separator != ',';

    bool first = true;
    SymbolColumns headerColumns = SymbolColumns::None;
    const std::size_t groupColumn = GroupColumn(bytes, file.separator);
    // Room for a line a sample at once: a million lines are not moved again
    // and again as the array grows.
    file.samples.reserve(std::min<std::size_t>(
        static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1, kMaxSamplesKept));
    SplitRecords(bytes, file.separator, true, groupColumn, [&](const Record& record) {
        if (record.blank)
            return;
        if (first) {
            first = false;
            if (IsHeader(record, decimalComma)) {
                file.hasHeader = true;
                for (std::size_t i = 0; i < 3; ++i) {
                    // Blanks around a quoted title are the title's own.
                    const bool quoted = record.quoted[i + 1];
                    const std::string_view title = record.Field(i + 1);
                    file.titles[i] = NameText(quoted ? title : Trimmed(title), quoted, file.cutTexts);
                }
                headerColumns = HeaderSymbolColumns(record);
                return;
            }
        }
        // Without a header, five fields end with the table's Symbol number.
        const SymbolColumns columns = file.hasHeader ? headerColumns
            : record.fieldCount == 5                 ? SymbolColumns::TableNumber
                                                     : SymbolColumns::ColorAndSymbol;
        // Past the samples a plot holds, lines are only counted.
        if (file.samples.size() == kMaxSamplesKept) {
            ++file.samplesNotKept;
            return;
        }
        // Read in place; a line that is no sample is taken back.
        SampleLine& sample = file.samples.emplace_back();
        if (ReadLine(record, decimalComma, columns, sample, file.cutTexts)) {
            if (file.hasHeader && groupColumn)
                sample.group = NameText(Trimmed(record.Field(groupColumn)), false, file.cutTexts);
        } else {
            file.samples.pop_back();
            if (file.skippedCount++ < kSkippedLinesNamed)
                file.skippedLines.push_back(record.line);
        }
    });
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
