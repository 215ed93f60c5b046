#pragma once

#include <QByteArray>

class QImage;

// A PNG file of an image, written without Qt's image plugins or libpng's
// adaptive filter search: 8-bit RGB rows, each with the "Sub" filter (which
// suits the flat colours of a plot), deflated by zlib at the given level
// (0 to 9), with the image's resolution in a pHYs chunk. Empty for a null
// image.
QByteArray EncodePng(const QImage& image, int zlibLevel);
