#include "document/PlotFile.h"

#include "document/CTernaryDoc.h"
#include "document/CanvasPosition.h"
#include "document/ClassDiagramFile.h"
#include "document/DensityTable.h"
#include "document/NumberFormat.h"
#include "document/PlotFileKeys.h"
#include "document/PlotFileLines.h"
#include "document/StoredText.h"
#include "framework/core/CArchive.h"

#include <string>

using namespace PlotFileKeys;

namespace {

// A text value may hold neither the delimiter nor a line break: ';' becomes
// ',' and CR or LF a space, in the document too, so that the file and the
// document keep saying the same thing; for the same reason it is held to
// the length the reader keeps.
void MakeStorable(std::string& text)
{
    HoldToStoredLength(text);
    for (char& c : text) {
        if (c == kSeparator)
            c = ',';
        else if (c == '\n' || c == '\r')
            c = ' ';
    }
}

// Builds the whole file in memory; the archive gets it in one write.
class Writer {
public:
    std::string out;

    void Line(std::string_view text)
    {
        out += text;
        out += '\n';
    }
    void Blank(int count) { out.append(static_cast<std::size_t>(count), '\n'); }
    void Header(const char* table, const char* columns) { PlotFileLines::AppendTableHeader(out, table, columns); }
    void End(int blanks)
    {
        Line(kEnd);
        Blank(blanks);
    }
    // Starts a ROW= line; values follow through Value and Last.
    void Row() { out += kRow; }
    void Value(std::string_view text)
    {
        out += text;
        out += kSeparator;
    }
    void Last(std::string_view text) { Line(text); }
    void NamedInt(const char* name, long long value)
    {
        Row();
        Value(name);
        Last(FormatInt(value));
    }
};

// Colours go out as "%i" of the 32-bit value, as they always have.
long long ColorValue(COLORREF color) { return static_cast<int>(color); }

void WriteAxis(Writer& w, const char* which, AxisSettings& axis)
{
    MakeStorable(axis.title);
    w.Row();
    w.Value(which);
    w.Value(axis.title);
    w.Value(FormatNumber(axis.max));
    w.Value(FormatNumber(axis.min));
    w.Last(FormatNumber(axis.increment));
}

void WriteFont(Writer& w, const char* name, FontSettings& font)
{
    MakeStorable(font.faceName);
    w.Row();
    w.Value(name);
    w.Value(font.faceName);
    w.Value(FormatInt(font.height));
    w.Value(FormatInt(font.weight));
    w.Value(FormatInt(font.italic));
    w.Last(FormatInt(ColorValue(font.color)));
}

} // namespace

void WritePlotFile(CTernaryDoc& doc, CArchive& archive)
{
    Writer w;
    w.out.reserve(static_cast<std::size_t>(4096 + 64 * doc.m_sampleSlots));
    w.Blank(3);

    w.Header(kPlotData, kPlotDataColumns);
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot) {
        SampleRecord& sample = doc.GetSample(slot);
        if (!sample.InUse())
            continue;
        MakeStorable(sample.name);
        w.Row();
        w.Value(sample.name);
        w.Value(FormatFixed3(sample.top));
        w.Value(FormatFixed3(sample.left));
        w.Value(FormatFixed3(sample.right));
        w.Value(FormatInt(sample.colorId));
        w.Value(FormatInt(sample.symbolId));
        w.Last(FormatInt(sample.row));
    }
    w.End(2);

    w.Header(kAxisData, kAxisDataColumns);
    WriteAxis(w, kTop, doc.m_topAxis);
    WriteAxis(w, kLeft, doc.m_leftAxis);
    WriteAxis(w, kRight, doc.m_rightAxis);
    w.End(3);

    w.Header(kPlotOptions, kNameValueColumns);
    w.NamedInt(kDrawGrids, doc.m_drawGrids);
    w.NamedInt(kDrawTicks, doc.m_drawTicks);
    w.NamedInt(kTickSide, doc.m_tickSide);
    w.NamedInt(kLineStyle, doc.m_lineStyle);
    w.NamedInt(kLineColor, ColorValue(doc.m_lineColor));
    w.NamedInt(kTickLength, doc.m_tickLength);
    w.NamedInt(kBgColor, ColorValue(doc.m_bgColor));
    w.NamedInt(kShowId, doc.m_showId);
    w.NamedInt(kSymbolSize, doc.m_symbolSize);
    w.NamedInt(kAutoAdd, doc.m_autoAdd);
    w.NamedInt(kAutoBalance, doc.m_autoBalance);
    AppendDiagramOptionRows(doc, w.out);
    if (doc.m_equilateral)
        w.NamedInt(kEquilateral, 1);
    w.End(2);

    // Coordinates and the selected flag are whole numbers, written as such:
    // below a million this is what "%g" gave, and a million reads back.
    // Positions are held to the range the reader keeps.
    w.Header(kAnnotation, kAnnotationColumns);
    for (int i = 0; i < doc.m_annotations.Count(); ++i) {
        Annotation& annotation = doc.m_annotations.Item(i);
        MakeStorable(annotation.text);
        w.Row();
        w.Value(FormatInt(ClampPosition(annotation.rect.left)));
        w.Value(FormatInt(ClampPosition(annotation.rect.top)));
        w.Value(FormatInt(ClampPosition(annotation.rect.right)));
        w.Value(FormatInt(ClampPosition(annotation.rect.bottom)));
        w.Value(annotation.text);
        w.Last(FormatInt(annotation.selected));
    }
    w.End(2);

    const PlotLegend& legend = doc.m_legend;
    w.Header(kLegendInfo, kNameValueColumns);
    w.NamedInt(kDrawLegend, doc.m_drawLegend);
    w.NamedInt(kBackColor, ColorValue(legend.m_backColor));
    w.NamedInt(kLegendLineColor, ColorValue(legend.m_lineColor));
    w.NamedInt(kDrawShadow, legend.m_drawShadow);
    w.NamedInt(kTop, ClampPosition(legend.m_position.top));
    w.NamedInt(kLeft, ClampPosition(legend.m_position.left));
    w.End(1);

    w.Header(kLegendItems, kLegendItemsColumns);
    for (int i = 0; i < doc.m_legend.Count(); ++i) {
        LegendItem& item = doc.m_legend.Item(i);
        MakeStorable(item.text);
        w.Row();
        w.Value(FormatInt(item.symbolId));
        w.Value(FormatInt(item.colorId));
        w.Last(item.text);
    }
    w.End(2);

    w.Header(kFonts, kFontsColumns);
    WriteFont(w, kAxisFont, doc.m_axisFont);
    WriteFont(w, kAnnotFont, doc.m_annotFont);
    WriteFont(w, kLegendFont, doc.m_legendFont);
    w.End(2);
    AppendDiagramFieldsTable(doc, w.out);

    DensityTable::Write(doc.m_density, w.out);
    archive.WriteString(w.out);
}
