#pragma once

#include "analysis/DensityGrid.h"
#include "document/DensitySettings.h"
#include "framework/core/WinTypes.h"

#include <optional>

class CDC;
class CTernaryDoc;
class PlotGeometry;

// What the document's density settings ask for: bin counts, a kernel
// density on its fine division, or nothing while the density is off.
std::optional<DensityGrid> ComputeDensity(const CTernaryDoc& doc);

// The view's copy of the density between paints, so that a scroll or a
// hover does not recount a million samples. The view drops it whenever the
// document tells of a change; a change of the density settings shows by itself.
class DensityCache {
public:
    void Invalidate() { m_valid = false; }
    // Null while the density is off.
    const DensityGrid* For(const CTernaryDoc& doc);

private:
    bool m_valid = false;
    DensitySettings m_computedFor;
    std::optional<DensityGrid> m_grid;
};

// Draws a density for the renderer: the bins filled in the colour map's
// colours under the grid lines (empty bins left unfilled), cut to the plot
// polygon; the contour lines around the densest 50 % and 90 % of a kernel
// density; and the colour bar under the triangle with its ticks and title.
class DensityLayer {
public:
    DensityLayer(const DensitySettings& settings, const PlotGeometry& geometry, const DensityGrid& grid);

    void DrawFill(CDC& dc) const;
    void DrawContours(CDC& dc) const;
    void DrawColourBar(CDC& dc) const;

    // Where the colour bar goes: under the triangle, clear of the base's
    // labels, where the window shows it without scrolling.
    CRect ColourBarRect() const;

private:
    const DensitySettings& m_settings;
    const PlotGeometry& m_geo;
    const DensityGrid& m_grid;
};
