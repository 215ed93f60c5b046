#include "plot/DensityColours.h"

#include "document/DensitySettings.h"
#include "plot/ColourMapTables.h"

#include <algorithm>
#include <cmath>

COLORREF DensityColour(int map, double position)
{
    const int index = std::clamp(static_cast<int>(std::lround(position * 255)), 0, 255);
    if (map == DensitySettings::Greys) {
        // White is the background; the lightest grey stays visible on it.
        const int level = 235 - index * 235 / 255;
        return RGB(level, level, level);
    }
    const auto& table = map == DensitySettings::Cividis ? kCividisTable
        : map == DensitySettings::Magma                 ? kMagmaTable
                                                        : kViridisTable;
    const std::uint32_t rgb = table[static_cast<std::size_t>(index)];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
