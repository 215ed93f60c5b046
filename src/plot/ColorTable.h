#pragma once

#include "framework/core/WinTypes.h"

#include <array>

// The one colour table of the program: colorId 0 to 15 of samples, legend
// entries and palettes. Constant; nothing writes it.
inline constexpr std::array<COLORREF, 16> kColorTable {
    RGB(0, 0, 0),
    RGB(245, 0, 0),
    RGB(255, 204, 0),
    RGB(255, 153, 0),
    RGB(153, 51, 0),
    RGB(0, 128, 0),
    RGB(0, 255, 0),
    RGB(0, 204, 255),
    RGB(51, 102, 255),
    RGB(0, 0, 255),
    RGB(0, 205, 205),
    RGB(100, 185, 170),
    RGB(50, 100, 155),
    RGB(150, 150, 255),
    RGB(255, 0, 255),
    RGB(128, 0, 128),
};

// The names the palette shows for colours 0 to 15 and symbols 0 to 15
// ("red", "circle"); a sample's look reads "red circle".
inline constexpr std::array<const char*, 16> kColorNames { "black", "red", "gold", "orange", "brown", "green", "lime",
    "sky blue", "royal blue", "blue", "turquoise", "sea green", "steel blue", "lavender", "magenta", "purple" };
inline constexpr std::array<const char*, 16> kSymbolNames { "circle", "filled circle", "square", "filled square",
    "diamond", "filled diamond", "down triangle", "filled down triangle", "up triangle", "filled up triangle", "cross",
    "circle with plus", "circle with bar", "square with plus", "octagon", "diamond with plus" };

// Index into the colour table: colorId modulo 16, 0 for a negative colorId.
constexpr int ColorIndex(int colorId) { return colorId < 0 ? 0 : colorId % 16; }

// The colour of a colorId.
constexpr COLORREF SampleColor(int colorId) { return kColorTable[static_cast<std::size_t>(ColorIndex(colorId))]; }

// The shape a symbolId draws: above 15 it is reduced modulo 15 (16 draws 1,
// 30 draws 0); 0 to 15 stay; a negative symbolId draws a line of width -s.
constexpr int SymbolIndex(int symbolId) { return symbolId > 15 ? symbolId % 15 : symbolId; }
