#include "document/DocumentState.h"

#include "document/CTernaryDoc.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>

namespace {

// Floats compare by their bits: a NaN read from a file equals itself, so it
// never looks like a change.
bool Same(float a, float b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

bool SameRecord(const SampleRecord& a, const SampleRecord& b)
{
    return a.name == b.name && Same(a.top, b.top) && Same(a.left, b.left) && Same(a.right, b.right)
        && a.colorId == b.colorId && a.symbolId == b.symbolId && a.row == b.row;
}

bool SameAxis(const AxisSettings& a, const AxisSettings& b)
{
    return a.title == b.title && Same(a.min, b.min) && Same(a.max, b.max) && Same(a.increment, b.increment)
        && a.labelGap == b.labelGap;
}

bool SameSettings(const DocumentState::Settings& a, const DocumentState::Settings& b)
{
    return SameAxis(a.topAxis, b.topAxis) && SameAxis(a.leftAxis, b.leftAxis) && SameAxis(a.rightAxis, b.rightAxis)
        && a.drawGrids == b.drawGrids && a.drawTicks == b.drawTicks && a.tickSide == b.tickSide
        && a.lineStyle == b.lineStyle && a.tickLength == b.tickLength && a.lineColor == b.lineColor
        && a.bgColor == b.bgColor && a.symbolSize == b.symbolSize && a.showId == b.showId && a.autoAdd == b.autoAdd
        && a.autoBalance == b.autoBalance && a.drawLegend == b.drawLegend && a.annotFont == b.annotFont
        && a.axisFont == b.axisFont && a.legendFont == b.legendFont && a.legendPos == b.legendPos
        && a.legendBackColor == b.legendBackColor && a.legendLineColor == b.legendLineColor
        && a.legendShadow == b.legendShadow && a.diagram == b.diagram && a.density == b.density
        && a.equilateral == b.equilateral;
}

// Settings that differ only in where the legend box stands.
bool OnlyLegendMoved(const DocumentState::Settings& a, const DocumentState::Settings& b)
{
    DocumentState::Settings moved = a;
    moved.legendPos = b.legendPos;
    return !(a.legendPos == b.legendPos) && SameSettings(moved, b);
}

bool SameEntries(const DocumentState::Legend& a, const DocumentState::Legend& b)
{
    if (a.entries.size() != b.entries.size() || a.lastRemovedText != b.lastRemovedText)
        return false;
    for (std::size_t i = 0; i < a.entries.size(); ++i) {
        const auto& x = a.entries[i];
        const auto& y = b.entries[i];
        if (x.symbolId != y.symbolId || x.colorId != y.colorId || x.text != y.text || x.useCount != y.useCount)
            return false;
    }
    return true;
}

// The selected flag alone is no change: clicking an annotation selects it.
bool SameAnnotations(const std::vector<DocumentState::Annotation>& a, const std::vector<DocumentState::Annotation>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].text != b[i].text || !(a[i].rect == b[i].rect))
            return false;
    return true;
}

} // namespace

DocumentState DocumentState::Capture(const CTernaryDoc& doc)
{
    DocumentState state;
    CaptureInto(doc, state);
    return state;
}

void DocumentState::CaptureInto(const CTernaryDoc& doc, DocumentState& state)
{
    // Everything anew but the room the samples took: a change captured at
    // every keystroke does not ask the system for megabytes twice each time.
    auto samples = std::move(state.m_samples);
    samples.clear();
    state = DocumentState();
    state.m_samples = std::move(samples);
    state.m_samples.reserve(static_cast<std::size_t>(doc.m_sampleSlots));
    for (int slot = 1; slot < doc.m_sampleSlots; ++slot)
        state.m_samples.emplace_back(slot, doc.GetSample(slot));

    Legend legend;
    for (int i = 0; i < doc.m_legend.Count(); ++i) {
        const LegendItem& item = doc.m_legend.Item(i);
        legend.entries.push_back({ item.symbolId, item.colorId, item.text, item.useCount });
    }
    legend.lastRemovedText = doc.m_legend.LastRemovedText();
    state.m_legend = std::move(legend);

    std::vector<Annotation> annotations;
    for (int i = 0; i < doc.m_annotations.Count(); ++i) {
        const ::Annotation& a = doc.m_annotations.Item(i);
        annotations.push_back({ a.text, a.rect, a.selected });
    }
    state.m_annotations = std::move(annotations);

    Settings s;
    s.topAxis = doc.m_topAxis;
    s.leftAxis = doc.m_leftAxis;
    s.rightAxis = doc.m_rightAxis;
    s.drawGrids = doc.m_drawGrids;
    s.equilateral = doc.m_equilateral;
    s.drawTicks = doc.m_drawTicks;
    s.tickSide = doc.m_tickSide;
    s.lineStyle = doc.m_lineStyle;
    s.tickLength = doc.m_tickLength;
    s.lineColor = doc.m_lineColor;
    s.bgColor = doc.m_bgColor;
    s.symbolSize = doc.m_symbolSize;
    s.showId = doc.m_showId;
    s.autoAdd = doc.m_autoAdd;
    s.autoBalance = doc.m_autoBalance;
    s.drawLegend = doc.m_drawLegend;
    s.annotFont = doc.m_annotFont;
    s.axisFont = doc.m_axisFont;
    s.legendFont = doc.m_legendFont;
    s.legendPos = { doc.m_legend.m_position.left, doc.m_legend.m_position.top };
    s.legendBackColor = doc.m_legend.m_backColor;
    s.legendLineColor = doc.m_legend.m_lineColor;
    s.legendShadow = doc.m_legend.m_drawShadow;
    s.diagram = doc.m_diagram;
    s.density = doc.m_density;
    state.m_settings = std::move(s);
}

std::pair<DocumentState, DocumentState> DocumentState::Difference(
    const DocumentState& before, const DocumentState& after)
{
    std::pair<DocumentState, DocumentState> result;
    auto& [b, a] = result;
    // Both hold every slot from 1 in the same order (two captures of one
    // document); the document may have grown between them, and a slot only
    // one of them has was empty in the other.
    const SampleRecord empty;
    const std::size_t count = std::max(before.m_samples.size(), after.m_samples.size());
    for (std::size_t i = 0; i < count; ++i) {
        const int slot = static_cast<int>(i) + 1;
        const SampleRecord& was = i < before.m_samples.size() ? before.m_samples[i].second : empty;
        const SampleRecord& is = i < after.m_samples.size() ? after.m_samples[i].second : empty;
        if (!SameRecord(was, is)) {
            b.m_samples.emplace_back(slot, was);
            a.m_samples.emplace_back(slot, is);
        }
    }
    if (before.m_legend && after.m_legend && !SameEntries(*before.m_legend, *after.m_legend)) {
        b.m_legend = before.m_legend;
        a.m_legend = after.m_legend;
    }
    if (before.m_annotations && after.m_annotations && !SameAnnotations(*before.m_annotations, *after.m_annotations)) {
        b.m_annotations = before.m_annotations;
        a.m_annotations = after.m_annotations;
    }
    if (before.m_settings && after.m_settings && !SameSettings(*before.m_settings, *after.m_settings)) {
        b.m_settings = before.m_settings;
        a.m_settings = after.m_settings;
    }
    return result;
}

void DocumentState::Restore(CTernaryDoc& doc) const
{
    for (const auto& [slot, record] : m_samples) {
        if (!doc.EnsureSampleSlot(slot))
            continue;
        SampleRecord& target = doc.GetSample(slot);
        const int plotX = target.plotX;
        const int plotY = target.plotY;
        target = record;
        target.plotX = plotX; // where the last paint drew it; the next paint rewrites it
        target.plotY = plotY;
    }

    if (m_legend) {
        // The plot's editor must not keep a pointer into the entries replaced here.
        if (doc.m_legend.m_endEditHook)
            doc.m_legend.m_endEditHook();
        doc.m_legend.m_items.clear();
        for (const LegendEntry& entry : m_legend->entries) {
            auto item = std::make_unique<LegendItem>();
            item->symbolId = entry.symbolId;
            item->colorId = entry.colorId;
            item->text = entry.text;
            item->useCount = entry.useCount;
            doc.m_legend.m_items.push_back(std::move(item));
        }
        doc.m_legend.SetLastRemovedText(m_legend->lastRemovedText);
    }

    if (m_annotations) {
        if (doc.m_annotations.m_endEditHook)
            doc.m_annotations.m_endEditHook();
        doc.m_annotations.m_items.clear();
        for (const Annotation& a : *m_annotations) {
            auto item = std::make_unique<::Annotation>();
            item->text = a.text;
            item->rect = a.rect;
            item->selected = a.selected;
            doc.m_annotations.m_items.push_back(std::move(item));
        }
    }

    if (m_settings) {
        const Settings& s = *m_settings;
        doc.m_topAxis = s.topAxis;
        doc.m_leftAxis = s.leftAxis;
        doc.m_rightAxis = s.rightAxis;
        doc.m_drawGrids = s.drawGrids;
        doc.m_equilateral = s.equilateral;
        doc.m_drawTicks = s.drawTicks;
        doc.m_tickSide = s.tickSide;
        doc.m_lineStyle = s.lineStyle;
        doc.m_tickLength = s.tickLength;
        doc.m_lineColor = s.lineColor;
        doc.m_bgColor = s.bgColor;
        doc.m_symbolSize = s.symbolSize;
        doc.m_showId = s.showId;
        doc.m_autoAdd = s.autoAdd;
        doc.m_autoBalance = s.autoBalance;
        doc.m_drawLegend = s.drawLegend;
        doc.m_annotFont = s.annotFont;
        doc.m_axisFont = s.axisFont;
        doc.m_legendFont = s.legendFont;
        CRect& box = doc.m_legend.m_position;
        box.OffsetRect(s.legendPos.x - box.left, s.legendPos.y - box.top); // keeps the laid-out size
        doc.m_legend.m_backColor = s.legendBackColor;
        doc.m_legend.m_lineColor = s.legendLineColor;
        doc.m_legend.m_drawShadow = s.legendShadow;
        doc.m_diagram = s.diagram;
        doc.m_density = s.density;
    }
}

bool DocumentState::SelectionDiffers(const DocumentState& before, const DocumentState& after)
{
    if (!before.m_annotations || !after.m_annotations || before.m_annotations->size() != after.m_annotations->size())
        return false;
    for (std::size_t i = 0; i < before.m_annotations->size(); ++i)
        if ((*before.m_annotations)[i].selected != (*after.m_annotations)[i].selected)
            return true;
    return false;
}

std::vector<int> DocumentState::Rows() const
{
    std::vector<int> rows;
    rows.reserve(m_samples.size());
    for (const auto& sample : m_samples)
        rows.push_back(sample.first);
    return rows;
}

const char* DocumentState::Describe(const DocumentState& before, const DocumentState& after)
{
    if (!before.m_samples.empty())
        return "Typing";
    if (before.m_annotations && after.m_annotations) {
        const auto& b = *before.m_annotations;
        const auto& a = *after.m_annotations;
        if (a.size() > b.size())
            return "New Annotation";
        if (a.size() < b.size())
            return "Delete Annotation";
        for (std::size_t i = 0; i < a.size(); ++i)
            if (a[i].text != b[i].text)
                return "Edit Annotation";
        return "Move Annotation";
    }
    if (before.m_legend)
        return "Edit Legend";
    if (before.m_settings && after.m_settings && OnlyLegendMoved(*before.m_settings, *after.m_settings))
        return "Move Legend";
    return "Change Plot";
}
