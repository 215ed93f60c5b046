#pragma once

#include "framework/core/WinTypes.h"

#include <optional>
#include <vector>

// A point of the plot in device units, unrounded.
struct PlotPointF {
    double x = 0;
    double y = 0;
};

// The part of a polygon that lies inside a convex polygon (both in device
// units; any winding). The field polygons of a classification diagram are
// cut down to the plot polygon with this, so fields and labels stay inside
// a cut plot.
std::vector<PlotPointF> ClipToConvex(const std::vector<PlotPointF>& polygon, const std::vector<PlotPointF>& convex);

// The centre of a box of the given size that lies wholly inside the polygon,
// as near to the polygon's centre of area as a search over its bounds finds;
// none when no such box fits.
std::optional<CPoint> PlaceLabel(const std::vector<PlotPointF>& polygon, CSize box);
