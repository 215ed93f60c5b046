#pragma once

#include "analysis/DensityGrid.h"

#include <string>

class CTernaryDoc;

// The numbers behind a density picture as comma-separated values (UTF-8,
// LF line ends): a header of the three axis titles and "Count" (bins) or
// "Density" (kernel), then every bin in TriangleGrid's order, empty ones
// included: its centroid's three components with four decimals and its value.
std::string DensityGridCsv(const DensityGrid& grid, const CTernaryDoc& doc);
