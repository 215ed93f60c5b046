#pragma once

#include "document/AxisSettings.h"
#include "document/FontSettings.h"
#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"
#include "plot/PlotGeometry.h"

#include <vector>

class AnnotationLayer;
class CDC;
struct DensityGrid;
class CTernaryDoc;
class LegendBox;

// The logical font of a document font (face, height, weight, italic,
// underline, strike-out).
LogicalFont ToLogicalFont(const FontSettings& font);

// The two ends of an iso-line on the plot polygon; first is the label side.
struct IsoLine {
    CPoint first;
    CPoint second;
};

// Paints one diagram from a document and a geometry on any CDC: the screen,
// an image, an SVG or PDF picture, the printer. Nothing is cached between
// paints; the only output besides the picture is each sample's plotX/plotY.
//
// Degenerate axes never stall a paint: an axis gets grid lines, ticks and
// labels only when min, max and increment are finite numbers, increment > 0
// and the range holds at most kMaxGridValues increments; the value loop also
// stops as soon as a step no longer moves the value forward.
class PlotRenderer {
public:
    static constexpr int kMaxGridValues = 1000;

    PlotRenderer(CTernaryDoc& doc, const PlotGeometry& geometry);

    // A density the caller keeps between paints; without one the renderer
    // computes what the document's density settings ask for.
    void SetDensity(const DensityGrid* density) { m_density = density; }

    // Everything, in order: background and grids, ticks, outline, samples,
    // axis titles, annotations, legend (when the document shows it).
    void OnDraw(CDC& dc, AnnotationLayer& annotations, LegendBox& legend);

    void DrawBackgroundAndGrids(CDC& dc);
    void DrawTicks(CDC& dc);
    void DrawOutline(CDC& dc);
    void DrawSamples(CDC& dc);
    // Hidden samples cannot be pointed at.
    void ForgetPlottedPositions();
    void DrawTitles(CDC& dc);

    // How many samples the last DrawSamples left out because the axis
    // ranges cut them off (they get NOT_PLOTTED, so no hit test finds them).
    int OutsideCount() const { return m_outsideCount; }

    // Title rectangle of an axis (PlotAxis), measured with the axis font.
    CRect GetTitleRect(int axis) const;

    // The grid values of an axis: rounded label values (grids and labels)
    // or the unrounded sequence (ticks). Empty for a degenerate axis.
    static std::vector<double> GridValues(const AxisSettings& axis, bool rounded);
    // The rounding of tick label values.
    static double RoundLabel(double value, double increment);
    // The label text of a rounded value ("%g").
    static std::string LabelText(double value);

    // Ends of the iso-line of value v of an axis (PlotAxis) on the polygon.
    IsoLine IsoLineEnds(int axis, double v) const;
    // Anchor and alignment flags of the label at the end of an iso-line that
    // carries it: the first end, or the second when the axes read clockwise.
    CPoint LabelPosition(int axis, CPoint first, unsigned* align) const;
    // Far end of a tick at one end of an iso-line (second: the second end).
    CPoint TickEnd(int axis, CPoint end, bool second, int length, bool inside) const;

private:
    const AxisSettings& Axis(int axis) const;
    bool Clockwise() const;
    // Whether a composition lies within the three axis ranges, the plot polygon.
    bool WithinRanges(double top, double left, double right) const;

    CTernaryDoc& m_doc;
    const PlotGeometry& m_geo;
    const DensityGrid* m_density = nullptr;
    int m_outsideCount = 0;
};
