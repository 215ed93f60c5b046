#include "document/PlotFile.h"

#include "document/CTernaryDoc.h"
#include "document/CanvasPosition.h"
#include "document/ClassDiagramFile.h"
#include "document/ClassDiagramKeys.h"
#include "document/DensityTable.h"
#include "document/NumberFormat.h"
#include "document/PlotFileKeys.h"
#include "framework/core/CArchive.h"
#include "framework/core/MessageBox.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <map>
#include <string>

using namespace PlotFileKeys;

namespace {

void ReportMissing(const char* table)
{
    MessageBox(QStringLiteral("File does not contain %1 table ").arg(QLatin1String(table)), MsgIcon::Exclamation,
        MsgButtons::Ok);
}

// What ReadPlotData could not place, told after the load.
struct DroppedRows {
    int replaced = 0; // named a slot an earlier row had filled; the later row wins
    int noSlot = 0; // no row number, or one outside 1 to 1,000,000
    int beyond = 0; // past the rows a table is read to

    // One message for all, or none when nothing was dropped.
    void Report(int lastSlot, int rowsRead) const
    {
        QStringList parts;
        auto rows = [](int n) { return n == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(n); };
        if (replaced > 0)
            parts << rows(replaced) + QStringLiteral(" replaced an earlier row with the same row number");
        if (noSlot > 0)
            parts << rows(noSlot) + QStringLiteral(" had no row number from 1 to %1").arg(lastSlot);
        if (beyond > 0)
            parts << rows(beyond) + QStringLiteral(" came after row %1 of the table").arg(rowsRead);
        if (parts.isEmpty())
            return;
        MessageBox(QStringLiteral("The PlotData table has rows this plot cannot hold: %1.").arg(parts.join(", ")),
            MsgIcon::Exclamation, MsgButtons::Ok);
    }
};

// Columns are looked up once: files hold up to a million rows here. The
// document grows to the highest slot a row names.
DroppedRows ReadPlotData(CTernaryDoc& doc, const CTextTableReader& reader)
{
    const int rowColumn = reader.ColumnIndex(kRowColumn);
    const int nameColumn = reader.ColumnIndex(kSampleId);
    const int topColumn = reader.ColumnIndex(kTop);
    const int leftColumn = reader.ColumnIndex(kLeft);
    const int rightColumn = reader.ColumnIndex(kRight);
    const int colorColumn = reader.ColumnIndex(kColorId);
    const int symbolColumn = reader.ColumnIndex(kSymbolId);
    DroppedRows dropped;
    dropped.beyond = static_cast<int>(std::min<long long>(INT_MAX,
        std::max(0, reader.GetRowCount() - CTernaryDoc::kMaxSampleSlots) + reader.CurrentTable()->RowsNotKept()));
    // Room for a table that numbers its rows in order, in one step.
    const int rows = std::min(reader.GetRowCount(), CTernaryDoc::kMaxSampleSlots - 1);
    if (rows + 2 > doc.m_sampleSlots)
        doc.m_samples.reserve(static_cast<std::size_t>(rows + 2));
    std::string_view cell;
    for (int i = 0; i < reader.GetRowCount() && i < CTernaryDoc::kMaxSampleSlots; ++i) {
        int slot = i + 1;
        // A row cell that holds no number, or names a slot that does not
        // exist, makes the row unusable.
        if ((reader.GetValueAt(i, rowColumn, cell) && !ScanInt(cell, slot)) || !doc.EnsureSampleSlot(slot)) {
            ++dropped.noSlot;
            continue;
        }
        SampleRecord& sample = doc.GetSample(slot);
        if (sample.InUse()) {
            ++dropped.replaced;
            sample.Empty();
        }
        sample.row = slot;
        if (reader.GetValueAt(i, nameColumn, cell))
            sample.name.assign(cell);
        // A missing cell, or one that holds no number, leaves the value empty.
        if (reader.GetValueAt(i, topColumn, cell))
            ScanFloat(cell, sample.top);
        if (reader.GetValueAt(i, leftColumn, cell))
            ScanFloat(cell, sample.left);
        if (reader.GetValueAt(i, rightColumn, cell))
            ScanFloat(cell, sample.right);
        if (reader.GetValueAt(i, colorColumn, cell))
            ScanInt(cell, sample.colorId);
        if (reader.GetValueAt(i, symbolColumn, cell))
            ScanInt(cell, sample.symbolId);
    }
    return dropped;
}

// The top and left axes take 0 for a cell that holds no number; the right
// axis keeps its value. The difference is old behaviour that files written
// by hand may meet, so it stays. (An increment that is not positive is
// ignored by the caller: the grid could never be drawn with it.)
void ReadAxisNumber(const CTextTableReader& reader, int row, const char* column, bool zeroWhenNoNumber, float& value)
{
    std::string text;
    if (!reader.GetValue(row, column, text))
        return;
    if (zeroWhenNoNumber)
        value = ParseFloat(text);
    else
        ScanFloat(text, value);
}

void ReadAxisData(CTernaryDoc& doc, const CTextTableReader& reader)
{
    std::string which;
    std::string text;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        if (!reader.GetValue(i, kWhich, which))
            continue;
        AxisSettings* axis = which == kTop ? &doc.m_topAxis
            : which == kLeft               ? &doc.m_leftAxis
            : which == kRight              ? &doc.m_rightAxis
                                           : nullptr;
        if (!axis)
            continue;
        const bool zeroWhenNoNumber = axis != &doc.m_rightAxis;
        if (reader.GetValue(i, kTitle, text))
            axis->SetTitle(text);
        ReadAxisNumber(reader, i, kMax, zeroWhenNoNumber, axis->max);
        ReadAxisNumber(reader, i, kMin, zeroWhenNoNumber, axis->min);
        float increment = axis->increment;
        ReadAxisNumber(reader, i, kIncrement, zeroWhenNoNumber, increment);
        if (increment > 0.0f)
            axis->increment = increment;
    }
}

void ReadPlotOptions(CTernaryDoc& doc, const CTextTableReader& reader)
{
    struct Option {
        const char* key;
        int* field;
    };
    int lineColor = static_cast<int>(doc.m_lineColor);
    int bgColor = static_cast<int>(doc.m_bgColor);
    const Option options[] = {
        { kDrawGrids, &doc.m_drawGrids },
        { kDrawTicks, &doc.m_drawTicks },
        { kTickSide, &doc.m_tickSide },
        { kLineStyle, &doc.m_lineStyle },
        { kLineColor, &lineColor },
        { kBgColor, &bgColor },
        { kTickLength, &doc.m_tickLength },
        { kShowId, &doc.m_showId },
        { kAutoAdd, &doc.m_autoAdd },
        { kAutoBalance, &doc.m_autoBalance },
        { kEquilateral, &doc.m_equilateral },
    };
    std::string name;
    std::string value;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        if (!reader.GetValue(i, kName, name))
            continue;
        const bool hasValue = reader.GetValue(i, kValue, value);
        if (ReadDiagramOption(doc, name, value))
            continue;
        if (name == kSymbolSize) {
            // Sizes of 2 and below (or no size at all) give the standard 5.
            const int size = hasValue ? ParseInt(value) : 0;
            doc.m_symbolSize = size > 2 ? size : 5;
            continue;
        }
        for (const Option& option : options) {
            if (name == option.key) {
                if (hasValue)
                    *option.field = ParseInt(value);
                break;
            }
        }
    }
    doc.m_lineColor = static_cast<COLORREF>(lineColor);
    doc.m_bgColor = static_cast<COLORREF>(bgColor);
}

void ReadAnnotations(CTernaryDoc& doc, const CTextTableReader& reader)
{
    std::string text;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        auto annotation = std::make_unique<Annotation>();
        // A missing coordinate is 0; "1e+06" from older files reads as a million.
        auto coordinate = [&](const char* column, int& field) {
            if (reader.GetValue(i, column, text))
                field = ClampPosition(ParseWholeNumber(text));
        };
        coordinate(kTop, annotation->rect.top);
        coordinate(kLeft, annotation->rect.left);
        coordinate(kRight, annotation->rect.right);
        coordinate(kBottom, annotation->rect.bottom);
        if (reader.GetValue(i, kText, text))
            annotation->text = text;
        if (reader.GetValue(i, kSelected, text))
            annotation->selected = ParseWholeNumber(text);
        doc.m_annotations.Add(std::move(annotation));
    }
}

void ReadLegendInfo(CTernaryDoc& doc, const CTextTableReader& reader)
{
    PlotLegend& legend = doc.m_legend;
    reader.GetNamedInt(kDrawLegend, doc.m_drawLegend);
    reader.GetNamedInt(kDrawShadow, legend.m_drawShadow);
    reader.GetNamedColor(kBackColor, legend.m_backColor);
    reader.GetNamedColor(kLegendLineColor, legend.m_lineColor);
    // The box moves with its left and top; its size is the layout's business.
    CRect& box = legend.m_position;
    const long long width = std::clamp<long long>(static_cast<long long>(box.right) - box.left, 0, kPositionLimit);
    const long long height = std::clamp<long long>(static_cast<long long>(box.bottom) - box.top, 0, kPositionLimit);
    int top = box.top;
    int left = box.left;
    reader.GetNamedInt(kTop, top);
    reader.GetNamedInt(kLeft, left);
    box.left = ClampPosition(left);
    box.top = ClampPosition(top);
    box.right = static_cast<int>(box.left + width);
    box.bottom = static_cast<int>(box.top + height);
}

// The file lists the entries, not how many samples share each: every entry
// counts the samples in use with its pair, so the first sample recoloured
// away from a shared pair leaves the entry to the others. An entry listed
// without samples keeps a count of 1 and stays as the file has it.
void CountLegendUses(CTernaryDoc& doc)
{
    std::map<std::pair<int, int>, int> uses;
    for (int slot = 0; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& sample = doc.GetSample(slot);
        if (sample.InUse())
            ++uses[{ sample.symbolId, sample.colorId }];
    }
    for (int i = 0; i < doc.m_legend.Count(); ++i) {
        LegendItem& item = doc.m_legend.Item(i);
        const auto it = uses.find({ item.symbolId, item.colorId });
        item.useCount = it == uses.end() ? 1 : std::max(it->second, 1);
    }
}

void ReadLegendItems(CTernaryDoc& doc, const CTextTableReader& reader)
{
    std::string text;
    std::string symbolText;
    std::string colorText;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        int symbolId = 0;
        int colorId = 0;
        if (!reader.GetValue(i, kSymbolId, symbolText) || !ScanInt(symbolText, symbolId))
            continue;
        if (!reader.GetValue(i, kColorId, colorText) || !ScanInt(colorText, colorId))
            continue;
        if (!reader.GetValue(i, kText, text))
            continue;
        doc.m_legend.AddItem(symbolId, colorId, text);
    }
    CountLegendUses(doc);
}

void RebuildLegend(CTernaryDoc& doc)
{
    for (int slot = 0; slot < doc.m_sampleSlots; ++slot) {
        const SampleRecord& sample = doc.GetSample(slot);
        if (sample.InUse())
            doc.m_legend.UpdateForSample(sample.symbolId, sample.colorId, -1, -1, sample.name);
    }
}

void ReadFonts(CTernaryDoc& doc, const CTextTableReader& reader)
{
    std::string name;
    std::string text;
    for (int i = 0; i < reader.GetRowCount(); ++i) {
        if (!reader.GetValue(i, kName, name))
            continue;
        FontSettings* font = name == kAxisFont ? &doc.m_axisFont
            : name == kAnnotFont               ? &doc.m_annotFont
            : name == kLegendFont              ? &doc.m_legendFont
                                               : nullptr;
        if (!font)
            continue;
        if (reader.GetValue(i, kFamily, text))
            font->SetFaceName(text);
        if (reader.GetValue(i, kWeight, text))
            font->weight = ParseInt(text);
        if (reader.GetValue(i, kHeight, text))
            font->height = ParseInt(text);
        if (reader.GetValue(i, kItalic, text))
            font->italic = static_cast<std::uint8_t>(ParseInt(text) & 0xFF);
        if (reader.GetValue(i, kColor, text))
            font->color = static_cast<COLORREF>(ParseInt(text));
    }
}

} // namespace

bool ReadPlotFile(CTernaryDoc& doc, CArchive& archive)
{
    doc.ResetPlotSettings();
    CTextTableReader& reader = doc.m_tableReader;
    reader.Reset();
    // Only the tables read below (a table added to the file is added here),
    // and no more PlotData rows than are read.
    reader.KeepOnly({ kPlotData, kAxisData, kPlotOptions, kAnnotation, kLegendInfo, kLegendItems, kFonts, kClassFields,
                        DensityTable::kTable },
        CTernaryDoc::kMaxSampleSlots);
    reader.ReadArchive(archive);

    DroppedRows dropped;
    const bool plotFile = reader.FindTable(kPlotData) || reader.FindTable(kAxisData) || reader.FindTable(kPlotOptions);
    if (reader.FindTable(kPlotData))
        dropped = ReadPlotData(doc, reader);
    else
        ReportMissing(kPlotData);
    if (reader.FindTable(kAxisData))
        ReadAxisData(doc, reader);
    else
        ReportMissing(kAxisData);
    if (reader.FindTable(kPlotOptions))
        ReadPlotOptions(doc, reader);
    else
        ReportMissing(kPlotOptions);
    dropped.Report(CTernaryDoc::kMaxSampleSlots - 1, CTernaryDoc::kMaxSampleSlots);
    if (reader.FindTable(kAnnotation))
        ReadAnnotations(doc, reader);
    if (reader.FindTable(kLegendInfo))
        ReadLegendInfo(doc, reader);
    if (reader.FindTable(kLegendItems))
        ReadLegendItems(doc, reader);
    else
        RebuildLegend(doc);
    if (reader.FindTable(kFonts))
        ReadFonts(doc, reader);
    if (reader.FindTable(kClassFields))
        ReadDiagramFields(doc, reader);
    if (doc.m_diagram.kind == DiagramKind::FromFile && doc.m_diagram.fileFields.empty())
        doc.m_diagram.kind = DiagramKind::None;
    if (reader.FindTable(DensityTable::kTable))
        DensityTable::Read(reader, doc.m_density);

    reader.Reset();
    return plotFile;
}
