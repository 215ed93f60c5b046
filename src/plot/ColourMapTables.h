#pragma once

#include <array>
#include <cstdint>

// The published 256-entry colour maps as 0xRRGGBB, from dark to light.
extern const std::array<std::uint32_t, 256> kViridisTable;
extern const std::array<std::uint32_t, 256> kCividisTable;
extern const std::array<std::uint32_t, 256> kMagmaTable;
