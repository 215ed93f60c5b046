#pragma once

#include <QString>

// How large a picture of the plot is made: its width on paper or in pixels
// (the height follows the drawing's proportions) and a raster picture's
// resolution. The natural size is the drawing at 96 units to the inch, as
// the screen shows it.
struct PictureSize {
    enum class Unit { Natural, Millimetres, Inches, Pixels };

    static constexpr double kMinMillimetres = 10;
    static constexpr double kMaxMillimetres = 2000;
    static constexpr double kMinPixels = 10;
    static constexpr double kMaxPixels = 20000;
    static constexpr double kMinDpi = 50;
    static constexpr double kMaxDpi = 2400;
    // The resolution of a raster given a width on paper but no resolution.
    static constexpr double kPaperDpi = 300;
    static constexpr double kScreenDpi = 96;

    Unit unit = Unit::Natural;
    double width = 0; // in unit; unused for Natural
    double dpi = 0; // 0: kPaperDpi for a width on paper, kScreenDpi times scale otherwise
    double scale = 1; // Natural: multiplies a raster's size

    // For a drawing naturalWidth units wide: the width on paper, the raster's
    // resolution and its width in pixels.
    double Inches(double naturalWidth) const;
    double Dpi() const;
    long long PixelWidth(double naturalWidth) const;
};

// "84mm", "3.5in" or "1200px" (a blank before the unit allowed); false with
// a message when the text is not such a width or the width is out of range.
bool ParsePictureWidth(const QString& text, PictureSize* size, QString* error);
// Empty when the width in its unit (or the resolution) lies in range;
// otherwise the message that says so.
QString PictureWidthError(PictureSize::Unit unit, double width);
QString PictureDpiError(double dpi);
// The lowest and highest width of a unit.
double PictureMinWidth(PictureSize::Unit unit);
double PictureMaxWidth(PictureSize::Unit unit);
// "mm", "in", "px" (empty for Natural).
QString PictureUnitSuffix(PictureSize::Unit unit);
