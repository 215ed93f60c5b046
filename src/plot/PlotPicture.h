#pragma once

#include "framework/core/WinTypes.h"
#include "plot/PlotGeometry.h"

#include <QImage>

class CDC;
class CTernaryDoc;
class QIODevice;

// The plot as a picture, without a window: drawn as the plot view draws it
// at zoom 1, unscrolled and unpanned, on the canvas of a 96 dpi screen
// (768 x 960 units), with the same renderer as the screen. The picture's
// extent starts at the canvas origin and ends kMarginPastDrawing units past
// the right-most and bottom-most thing drawn, never past the canvas.
class PlotPicture {
public:
    static constexpr int kDpi = 96;
    static constexpr int kMarginPastDrawing = 20;

    explicit PlotPicture(CTernaryDoc& doc);

    const PlotGeometry& Geometry() const { return m_geo; }

    // Width and height of the picture in canvas units (at least 1 x 1).
    CSize Extent();
    // Draws the diagram on dc in canvas units.
    void Paint(CDC& dc);

    // A raster picture: scale multiplies the size and the drawing is done at
    // that size (antialiased when scale is not 1).
    QImage ToImage(double scale);
    // Vector pictures of the same drawing and extent. SVG carries the title
    // "TPlot Graph". False when the device took less than everything.
    bool WriteSvg(QIODevice* device);
    bool WritePdf(QIODevice* device);

private:
    CTernaryDoc& m_doc;
    PlotGeometry m_geo;
};
