#pragma once

#include "framework/core/WinTypes.h"

// The colour of a place on a density colour map (DensitySettings::ColourMap),
// 0 for the lowest value and 1 for the highest. The three published maps run
// from dark to light; greys from light to dark. All four stay readable to
// colour-blind readers and in grey print.
COLORREF DensityColour(int map, double position);
