#pragma once

#include "framework/core/PictureSize.h"
#include "framework/core/WinTypes.h"
#include "plot/DensityLayer.h"
#include "plot/PlotGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class CDC;
class CTernaryDoc;
class QIODevice;
class QPainter;
class QRect;

// The plot as a picture, without a window: drawn with the same renderer as
// the screen on the canvas of a 96 dpi screen (768 x 960 units), at zoom 1,
// unscrolled and unpanned, or with a geometry the caller gives (printing
// uses the view's pan and zoom, unscrolled).
//
// The picture's frame covers everything drawn: it starts at the canvas
// origin or, when something is drawn left of or above the origin (a long
// left axis title), kMarginPastDrawing units beyond it, and ends
// kMarginPastDrawing units past the right-most and bottom-most thing drawn,
// never past the canvas, but for a legend wrapped into columns beyond its right.
class PlotPicture {
public:
    static constexpr int kDpi = 96;
    static constexpr int kMarginPastDrawing = 20;

    explicit PlotPicture(CTernaryDoc& doc);
    PlotPicture(CTernaryDoc& doc, const PlotGeometry& geometry);

    const PlotGeometry& Geometry() const { return m_geo; }
    // Where a frame starts along one axis when the left-most (top-most)
    // drawing lies at drawn: 0, or kMarginPastDrawing beyond a drawing left
    // of (above) the origin, never more than limit beyond it. The view's
    // scroll range starts there too.
    static int FrameStart(int drawn, int limit);

    // The frame in canvas units (at least 1 x 1).
    CRect Frame();
    // Width and height of the frame.
    CSize Extent();
    // The frame of a printed page: the whole canvas, widened left and up as
    // Frame() is.
    CRect PageFrame();
    // Draws the diagram on dc in canvas units.
    void Paint(CDC& dc);
    // Draws frame scaled with one factor for both axes into target (device
    // units of painter), at target's top-left corner. On a printer the grid
    // pen is 0 wide.
    void PaintScaled(QPainter& painter, const CRect& frame, const QRect& target, bool printing, bool antialias);

    // A raster picture: scale multiplies the size and the drawing is done at
    // that size (antialiased when scale is not 1); the image records dpi
    // (0: 96 times the scale).
    QImage ToImage(double scale, double dpi = 0);
    // Vector pictures of the same drawing and frame, inches wide on paper
    // (0: 96 units to the inch) and as high as the frame's proportions
    // make them; a PDF page is exactly that size. SVG carries the title
    // "TPlot Graph". False when the device took less than everything.
    bool WriteSvg(QIODevice* device, double inches = 0);
    bool WritePdf(QIODevice* device, double inches = 0);
    // ToImage as PNG; at scale 1 with a faster compression level. False
    // for an image of more than kMaxPixels squared pixels.
    bool WritePng(QIODevice* device, double scale, double dpi = 0);

private:
    int LegendRightOnCanvas() const;

    CTernaryDoc& m_doc;
    PlotGeometry m_geo;
    bool m_haveFrame = false;
    DensityCache m_density; // measured and drawn from one count
    CRect m_frame;
};

// The picture types a plot is exported to, chosen by a file name's suffix.
enum class PictureType { Png, Svg, Pdf, Unknown };
PictureType PictureTypeOf(const QString& path);

// The document's picture of the type, as the bytes of a file; false when it
// could not be drawn. The command line's --export and the window's Export
// Picture both write these bytes. A size scales the whole drawing, lines
// and text with it; scale multiplies the natural size of a PNG.
// With a geometry, its zoom and pan (on a canvas of the picture's 96 dpi).
bool EncodePlotPicture(CTernaryDoc& doc, PictureType type, const PictureSize& size, QByteArray* bytes,
    const PlotGeometry* geometry = nullptr);
bool EncodePlotPicture(CTernaryDoc& doc, PictureType type, double scale, QByteArray* bytes);
