#pragma once

class CDC;
class CTernaryDoc;
class PlotGeometry;

// Draws the fields of the plot's classification diagram, cut to the plot
// polygon: each boundary with the diagram's pen, and each field's name or
// number inside it. A name that does not fit is tried smaller, then the
// number is shown instead. Nothing when the plot has no diagram.
void DrawClassFields(CDC& dc, const CTernaryDoc& doc, const PlotGeometry& geometry);
