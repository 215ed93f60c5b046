#include "document/SampleCsv.h"

#include "document/CTernaryDoc.h"
#include "document/NumberFormat.h"
#include "document/SampleFileReader.h"
#include "document/StoredText.h"
#include "framework/core/TextEncoding.h"

// A field holding a comma, a quote or a line break is quoted, with its
// quotes doubled; so is one holding a semicolon or a tab, which the reader
// could take for the separator, and one with blanks at either end, which it
// would trim. A text a spreadsheet would run as a formula is quoted and led
// by a "'", which spreadsheets show as text and ReadSampleFile drops. Texts
// are held to what the reader keeps.
void AppendCsvField(std::string& out, const std::string& bytes)
{
    std::string field = EncodeText(DecodeText(bytes));
    HoldToStoredLength(field);
    if (IsFormulaLike(field))
        field.insert(0, 1, '\'');
    else if (field.find_first_of(",;\t\"\r\n") == std::string::npos
        && (field.empty() || (field.front() != ' ' && field.back() != ' ' && field.back() != '\t'))) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

namespace {

void AppendField(std::string& out, const std::string& bytes) { AppendCsvField(out, bytes); }

std::string Component(float value) { return IsGiven(value) ? FormatNumber(value) : std::string(); }
std::string Id(int id) { return id == -1 ? std::string() : FormatInt(id); }

} // namespace

std::string SamplesToCsv(const CTernaryDoc& doc, const std::function<std::string(const SampleRecord&)>& classOf)
{
    std::string out;
    out += "Sample,";
    AppendField(out, doc.m_topAxis.title);
    out += ',';
    AppendField(out, doc.m_leftAxis.title);
    out += ',';
    AppendField(out, doc.m_rightAxis.title);
    out += classOf ? ",Color,Symbol,Class\n" : ",Color,Symbol\n";
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& sample = doc.GetSample(slot);
        // A row in use with nothing in it has nothing to write.
        if (!sample.InUse()
            || (sample.name.empty() && !IsGiven(sample.top) && !IsGiven(sample.left) && !IsGiven(sample.right)
                && sample.colorId == -1 && sample.symbolId == -1))
            continue;
        AppendField(out, sample.name);
        for (const float value : { sample.top, sample.left, sample.right }) {
            out += ',';
            out += Component(value);
        }
        out += ',';
        out += Id(sample.colorId);
        out += ',';
        out += Id(sample.symbolId);
        if (classOf) {
            out += ',';
            AppendField(out, classOf(sample));
        }
        out += '\n';
    }
    return out;
}
