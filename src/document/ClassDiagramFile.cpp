#include "document/ClassDiagramFile.h"

#include "document/CTernaryDoc.h"
#include "document/ClassDiagramKeys.h"
#include "document/NumberFormat.h"
#include "document/PlotFileKeys.h"
#include "document/PlotFileLines.h"

#include <charconv>
#include <cmath>

using namespace PlotFileKeys;

namespace {

// The shortest text that reads back as the same double.
std::string FormatCoordinate(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

bool ParseCoordinate(std::string_view text, double& value)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && std::isfinite(value);
}

// A field name may hold neither the delimiter nor a line break.
std::string Storable(std::string text)
{
    for (char& c : text) {
        if (c == kSeparator)
            c = ',';
        else if (c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

const char* KindName(DiagramKind kind)
{
    switch (kind) {
    case DiagramKind::SoilTexture:
        return kSoilTextureName;
    case DiagramKind::Qap:
        return kQapName;
    case DiagramKind::FromFile:
        return kFieldFileName;
    default:
        return "";
    }
}

} // namespace

void AppendDiagramOptionRows(const CTernaryDoc& doc, std::string& out)
{
    const ClassDiagramSettings& d = doc.m_diagram;
    const ClassDiagramSettings defaults;
    if (d.kind != defaults.kind)
        PlotFileLines::AppendNameValueRow(out, kClassDiagram, KindName(d.kind));
    if (d.labelNumbers != defaults.labelNumbers)
        PlotFileLines::AppendNameValueRow(out, kClassLabels, FormatInt(d.labelNumbers));
    if (d.lineColor != defaults.lineColor)
        PlotFileLines::AppendNameValueRow(out, kClassLineColor, FormatInt(static_cast<int>(d.lineColor)));
    if (d.lineStyle != defaults.lineStyle)
        PlotFileLines::AppendNameValueRow(out, kClassLineStyle, FormatInt(d.lineStyle));
    if (d.clockwise != defaults.clockwise)
        PlotFileLines::AppendNameValueRow(out, kAxisDirection, FormatInt(d.clockwise));
}

void AppendDiagramFieldsTable(const CTernaryDoc& doc, std::string& out)
{
    const ClassDiagramSettings& d = doc.m_diagram;
    if (d.kind != DiagramKind::FromFile || d.fileFields.empty())
        return;
    PlotFileLines::AppendTableHeader(out, kClassFields, kClassFieldsColumns);
    for (const FieldPolygon& field : d.fileFields) {
        const std::string name = Storable(field.name);
        for (const FieldVertex& v : field.vertices) {
            out += kRow;
            out += name;
            for (double value : { v.top, v.left, v.right }) {
                out += kSeparator;
                out += FormatCoordinate(value);
            }
            out += '\n';
        }
    }
    out += kEnd;
    out += "\n\n";
}

bool ReadDiagramOption(CTernaryDoc& doc, std::string_view name, std::string_view value)
{
    ClassDiagramSettings& d = doc.m_diagram;
    if (name == kClassDiagram) {
        if (value == kSoilTextureName)
            d.kind = DiagramKind::SoilTexture;
        else if (value == kQapName)
            d.kind = DiagramKind::Qap;
        else if (value == kFieldFileName)
            d.kind = DiagramKind::FromFile;
        else
            d.kind = DiagramKind::None;
    } else if (name == kClassLabels) {
        d.labelNumbers = ParseInt(value) != 0;
    } else if (name == kClassLineColor) {
        d.lineColor = static_cast<COLORREF>(ParseInt(value)) & 0xFFFFFF;
    } else if (name == kClassLineStyle) {
        d.lineStyle = ParseInt(value) != 0;
    } else if (name == kAxisDirection) {
        d.clockwise = ParseInt(value) != 0;
    } else {
        return false;
    }
    return true;
}

void ReadDiagramFields(CTernaryDoc& doc, const CTextTableReader& reader)
{
    std::vector<FieldPolygon>& fields = doc.m_diagram.fileFields;
    fields.clear();
    int corners = 0;
    const int name = reader.ColumnIndex(kField);
    const int columns[] = { reader.ColumnIndex(kTop), reader.ColumnIndex(kLeft), reader.ColumnIndex(kRight) };
    for (int row = 0; row < reader.GetRowCount() && corners < kMaxFieldCorners; ++row) {
        std::string_view text;
        if (!reader.GetValueAt(row, name, text) || text.empty())
            continue;
        double values[3];
        bool complete = true;
        for (int i = 0; i < 3; ++i) {
            std::string_view cell;
            complete = complete && reader.GetValueAt(row, columns[i], cell) && ParseCoordinate(cell, values[i]);
        }
        // Corners are shares: none negative, closed to 100.
        const double sum = values[0] + values[1] + values[2];
        if (!complete || values[0] < 0 || values[1] < 0 || values[2] < 0 || !(sum > 0) || !std::isfinite(sum))
            continue;
        if (std::fabs(sum - 100) > 1e-6) // a sum already 100 up to rounding stays as written
            for (double& value : values)
                value = value * 100 / sum;
        ++corners;
        if (fields.empty() || fields.back().name != text)
            fields.push_back({ std::string(text), {} });
        fields.back().vertices.push_back({ values[0], values[1], values[2] });
    }
    std::erase_if(fields, [](const FieldPolygon& field) { return field.vertices.size() < 3; });
}
