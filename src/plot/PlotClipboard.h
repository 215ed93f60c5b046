#pragma once

class CTernaryDoc;
class CTernaryView;
class QMimeData;

// The plot's pictures for the clipboard, as the window shows them: a raster
// image of the view's client area (image/png through setImageData) and, with
// vectors, the same drawing as image/svg+xml and application/pdf whose frame
// is the client area. The caller owns the result.
QMimeData* MakePlotMimeData(CTernaryView& view, bool vectors);

// The figure for the clipboard: the exported picture's image, SVG and PDF,
// in the frame File Export Picture gives them. The caller owns the result.
QMimeData* MakeFigureMimeData(CTernaryDoc& doc);
