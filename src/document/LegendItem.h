#pragma once

#include "framework/core/WinTypes.h"

#include <string>

// One legend entry: a (symbolId, colorId) pair, its text and the number of
// samples showing that pair. Owned by PlotLegend, which keeps it at a stable
// address until it is removed, so the plot may hold a pointer while editing.
struct LegendItem {
    int selected = 0; // drawn with a grey frame; a second click edits the text
    std::string text;
    CRect rect; // text area in canvas units, set by the legend's layout
    int symbolId = -1;
    int colorId = -1;
    int useCount = 1;
};
