#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

class PlotLegend;

// The looks (colour and symbol) of the groups in laboratory data: a Group
// column of a file or a pasted block. Each group gets its look when first
// asked, so groups take looks in order of first appearance. A group the
// legend already names keeps that entry's look; the others take the next
// look no legend entry uses: the 16 colours with symbol 0, then the 16
// colours with symbol 1, and so on (all 256 taken, they start again).
// Black circles stay the samples' default look, so no group takes it.
class GroupLooks {
public:
    explicit GroupLooks(const PlotLegend& legend);

    // The group's (colorId, symbolId).
    std::pair<int, int> Look(const std::string& group);

private:
    const PlotLegend& m_legend;
    std::map<std::string, std::pair<int, int>> m_looks;
    std::set<std::pair<int, int>> m_taken;
    int m_next = 0; // the next look to try, colour + 16 * symbol
};

// True when the text is the title of a group column ("Group", any case).
bool IsGroupTitle(std::string_view text);
