#pragma once

class CTernaryDoc;
class PlotGeometry;
class QPainter;
class QPrinter;
class QRect;

// Prints the plot on one page of printer: with the pan and zoom of geometry
// but unscrolled, the canvas (widened for anything drawn left of or above
// it) scaled with one factor for both axes onto the printable area, the
// grid pen 0 wide. geometry itself is not changed. False when the printer
// could not be started (a PDF file that cannot be written).
bool PrintPlotPage(CTernaryDoc& doc, const PlotGeometry& geometry, QPrinter& printer);

// The page itself: drawn on painter into target (device units).
void PaintPlotPage(CTernaryDoc& doc, const PlotGeometry& geometry, QPainter& painter, const QRect& target);
