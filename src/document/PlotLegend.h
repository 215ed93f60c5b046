#pragma once

#include "document/LegendItem.h"
#include "framework/core/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The legend of a document: one entry per (symbolId, colorId) pair in use,
// counting the samples that show it, plus the box's stored settings. This
// class holds data and list operations only; the plot layer lays it out,
// draws it and edits entry texts in its own classes.
//
// Entries are kept in creation order. Each lives at a stable address from
// AddItem until it is removed, so a LegendItem* stays valid while other
// entries come and go.
class PlotLegend {
public:
    static constexpr const char* kDefaultText = "Unassigned";

    PlotLegend() = default;
    PlotLegend(const PlotLegend&) = delete;
    PlotLegend& operator=(const PlotLegend&) = delete;

    // Counts the pair up; a new pair gets an entry with this text and count 1.
    // An existing entry takes the text only while its text is the default one.
    void AddItem(int symbolId, int colorId, const std::string& text);
    // Counts the pair down; at 0 its text becomes the last removed text and
    // the entry is deleted. Nothing when the pair has no entry.
    void RemoveItem(int symbolId, int colorId);
    int UseCount(int symbolId, int colorId) const;
    // The entry's text, or the default text when the pair has no entry.
    std::string ItemText(int symbolId, int colorId) const;
    // Moves one sample from its old pair to its new pair; (-1, -1) as the new
    // pair only removes. The text of a new entry comes from the old entry, the
    // sample's name, the last removed text or the default text, the first
    // that is not empty. Ends an in-place edit first (m_endEditHook).
    void UpdateForSample(int newSymbolId, int newColorId, int oldSymbolId, int oldColorId, const std::string& name);
    // Sets the entry's text when it is still the default text, or always with
    // force; nothing when either id is -1 or the pair has no entry.
    void SetTextIfDefault(int symbolId, int colorId, const std::string& text, bool force);
    // Deletes all entries and empties the last removed text.
    void Clear();

    // The entry of the pair, or null.
    LegendItem* FindItem(int symbolId, int colorId);
    const LegendItem* FindItem(int symbolId, int colorId) const;
    int Count() const { return static_cast<int>(m_items.size()); }
    LegendItem& Item(int index) { return *m_items[static_cast<std::size_t>(index)]; }
    const LegendItem& Item(int index) const { return *m_items[static_cast<std::size_t>(index)]; }
    void ClearSelection();

    const std::string& LastRemovedText() const { return m_lastRemovedText; }
    // Undo puts back the text the legend remembered.
    void SetLastRemovedText(const std::string& text) { m_lastRemovedText = text; }

    // Hooks for the plot layer, both optional and called on this thread.
    // m_endEditHook ends an in-place edit of an entry's text; it is called
    // before UpdateForSample, RemoveItem and Clear change the entries, so the
    // editor never outlives its entry. It must be harmless when no edit runs;
    // it runs before the operation starts, so it may set an entry's text.
    // m_clearHook runs at the end of Clear (the plot drops its legend font).
    std::function<void()> m_endEditHook;
    std::function<void()> m_clearHook;

    // Stored settings (the file's LegendInfo table carries all but right and
    // bottom). left and top place the box in canvas units; right and bottom
    // are recomputed by the plot's layout.
    CRect m_position { 350, 60, 450, 160 };
    COLORREF m_backColor = RGB(255, 255, 255);
    COLORREF m_lineColor = RGB(0, 0, 0);
    int m_drawShadow = 1;

    std::vector<std::unique_ptr<LegendItem>> m_items;

private:
    void EndEdit();
    std::string m_lastRemovedText;
};
