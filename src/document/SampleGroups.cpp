#include "document/SampleGroups.h"

#include "document/PlotLegend.h"

#include <algorithm>

GroupLooks::GroupLooks(const PlotLegend& legend)
    : m_legend(legend)
    , m_taken { { 0, 0 } }
{
    for (int i = 0; i < legend.Count(); ++i)
        m_taken.insert({ legend.Item(i).colorId, legend.Item(i).symbolId });
}

std::pair<int, int> GroupLooks::Look(const std::string& group)
{
    if (auto it = m_looks.find(group); it != m_looks.end())
        return it->second;
    std::pair<int, int> look { -1, -1 };
    for (int i = 0; i < m_legend.Count() && look.first == -1; ++i)
        if (m_legend.Item(i).text == group)
            look = { m_legend.Item(i).colorId, m_legend.Item(i).symbolId };
    for (int tries = 0; look.first == -1 && tries < 256; ++tries, ++m_next) {
        const std::pair<int, int> candidate { m_next % 16, m_next / 16 % 16 };
        if (!m_taken.count(candidate))
            look = candidate;
    }
    if (look.first == -1) // every look is taken: they go round again
        look = { m_next % 16, m_next++ / 16 % 16 };
    m_taken.insert(look);
    m_looks.emplace(group, look);
    return look;
}

bool IsGroupTitle(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    text = text.substr(first, last - first + 1);
    return text.size() == 5
        && std::equal(text.begin(), text.end(), "group", [](char a, char b) { return (a | 0x20) == b; });
}
