#include "document/SampleCsv.h"

#include "document/CTernaryDoc.h"
#include "document/NumberFormat.h"
#include "framework/core/TextEncoding.h"

void AppendCsvField(std::string& out, const std::string& bytes)
{
    const std::string field = EncodeText(DecodeText(bytes));
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
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
        if (!sample.InUse())
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
