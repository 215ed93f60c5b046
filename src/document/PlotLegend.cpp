#include "document/PlotLegend.h"

#include <algorithm>

void PlotLegend::EndEdit()
{
    if (m_endEditHook)
        m_endEditHook();
}

LegendItem* PlotLegend::FindItem(int symbolId, int colorId)
{
    for (const auto& item : m_items)
        if (item->symbolId == symbolId && item->colorId == colorId)
            return item.get();
    return nullptr;
}

const LegendItem* PlotLegend::FindItem(int symbolId, int colorId) const
{
    return const_cast<PlotLegend*>(this)->FindItem(symbolId, colorId);
}

void PlotLegend::AddItem(int symbolId, int colorId, const std::string& text)
{
    if (LegendItem* item = FindItem(symbolId, colorId)) {
        if (item->text == kDefaultText)
            item->text = text;
        ++item->useCount;
        return;
    }
    auto item = std::make_unique<LegendItem>();
    item->symbolId = symbolId;
    item->colorId = colorId;
    item->text = text;
    m_items.push_back(std::move(item));
}

void PlotLegend::RemoveItem(int symbolId, int colorId)
{
    const auto it = std::find_if(m_items.begin(), m_items.end(),
        [&](const auto& item) { return item->symbolId == symbolId && item->colorId == colorId; });
    if (it == m_items.end())
        return;
    if (--(*it)->useCount > 0)
        return;
    EndEdit();
    m_lastRemovedText = (*it)->text;
    m_items.erase(it);
}

int PlotLegend::UseCount(int symbolId, int colorId) const
{
    const LegendItem* item = FindItem(symbolId, colorId);
    return item ? item->useCount : 0;
}

std::string PlotLegend::ItemText(int symbolId, int colorId) const
{
    const LegendItem* item = FindItem(symbolId, colorId);
    return item ? item->text : std::string(kDefaultText);
}

void PlotLegend::UpdateForSample(
    int newSymbolId, int newColorId, int oldSymbolId, int oldColorId, const std::string& name)
{
    EndEdit();
    if (newSymbolId == -1 && newColorId == -1) {
        RemoveItem(oldSymbolId, oldColorId);
        return;
    }
    // A new entry inherits the text of the pair the sample leaves, else the
    // sample's name; with neither, the text of the entry removed last (so a
    // sample moved to a fresh pair keeps its legend text), else the default.
    std::string text;
    LegendItem* item = FindItem(newSymbolId, newColorId);
    if (!item)
        text = UseCount(oldSymbolId, oldColorId) >= 1 ? ItemText(oldSymbolId, oldColorId) : name;
    if (text.empty())
        text = m_lastRemovedText.empty() ? std::string(kDefaultText) : m_lastRemovedText;
    // As AddItem would, without looking the entry up again (a load of a
    // million samples comes here once a sample).
    if (item) {
        if (item->text == kDefaultText)
            item->text = text;
        ++item->useCount;
    } else {
        AddItem(newSymbolId, newColorId, text);
    }
    // A sample without a look before (a new one) leaves no entry.
    if (oldSymbolId != -1 || oldColorId != -1)
        RemoveItem(oldSymbolId, oldColorId);
}

void PlotLegend::SetTextIfDefault(int symbolId, int colorId, const std::string& text, bool force)
{
    if (symbolId == -1 || colorId == -1)
        return;
    LegendItem* item = FindItem(symbolId, colorId);
    if (item && (force || item->text == kDefaultText))
        item->text = text;
}

void PlotLegend::ClearSelection()
{
    for (const auto& item : m_items)
        item->selected = 0;
}

void PlotLegend::Clear()
{
    EndEdit();
    m_items.clear();
    m_lastRemovedText.clear();
    if (m_clearHook)
        m_clearHook();
}
