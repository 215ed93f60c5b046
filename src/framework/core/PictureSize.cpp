#include "framework/core/PictureSize.h"

#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double kMillimetresPerInch = 25.4;

struct UnitName {
    PictureSize::Unit unit;
    const char* suffix;
    const char* words;
};
const UnitName kUnits[] = {
    { PictureSize::Unit::Millimetres, "mm", "mm" },
    { PictureSize::Unit::Inches, "in", "inches" },
    { PictureSize::Unit::Pixels, "px", "pixels" },
};

QString Number(double value) { return QString::number(value, 'g', 6); }

} // namespace

double PictureSize::Inches(double naturalWidth) const
{
    switch (unit) {
    case Unit::Millimetres:
        return width / kMillimetresPerInch;
    case Unit::Inches:
        return width;
    case Unit::Pixels:
        return width / Dpi();
    case Unit::Natural:
        break;
    }
    return naturalWidth / kScreenDpi;
}

double PictureSize::Dpi() const
{
    if (dpi > 0)
        return dpi;
    if (unit == Unit::Millimetres || unit == Unit::Inches)
        return kPaperDpi;
    return unit == Unit::Natural ? kScreenDpi * scale : kScreenDpi;
}

long long PictureSize::PixelWidth(double naturalWidth) const
{
    if (unit == Unit::Pixels)
        return std::llround(width);
    return std::llround(Inches(naturalWidth) * Dpi());
}

double PictureMinWidth(PictureSize::Unit unit)
{
    switch (unit) {
    case PictureSize::Unit::Millimetres:
        return PictureSize::kMinMillimetres;
    case PictureSize::Unit::Inches:
        return PictureSize::kMinMillimetres / kMillimetresPerInch;
    case PictureSize::Unit::Pixels:
        return PictureSize::kMinPixels;
    case PictureSize::Unit::Natural:
        break;
    }
    return 0;
}

double PictureMaxWidth(PictureSize::Unit unit)
{
    switch (unit) {
    case PictureSize::Unit::Millimetres:
        return PictureSize::kMaxMillimetres;
    case PictureSize::Unit::Inches:
        return PictureSize::kMaxMillimetres / kMillimetresPerInch;
    case PictureSize::Unit::Pixels:
        return PictureSize::kMaxPixels;
    case PictureSize::Unit::Natural:
        break;
    }
    return 0;
}

QString PictureUnitSuffix(PictureSize::Unit unit)
{
    for (const UnitName& u : kUnits)
        if (u.unit == unit)
            return QLatin1String(u.suffix);
    return {};
}

QString PictureWidthError(PictureSize::Unit unit, double width)
{
    // The same paper widths in inches, rounded inwards to two decimals.
    const double min = PictureMinWidth(unit), max = PictureMaxWidth(unit);
    if (width >= min && width <= max)
        return {};
    const char* words = "";
    for (const UnitName& u : kUnits)
        if (u.unit == unit)
            words = u.words;
    const bool inches = unit == PictureSize::Unit::Inches;
    return QStringLiteral("The width must be from %1 to %2 %3.")
        .arg(Number(inches ? std::ceil(min * 100) / 100 : min), Number(inches ? std::floor(max * 100) / 100 : max),
            QLatin1String(words));
}

QString PictureDpiError(double dpi)
{
    if (dpi >= PictureSize::kMinDpi && dpi <= PictureSize::kMaxDpi)
        return {};
    return QStringLiteral("The resolution must be from %1 to %2 dpi.")
        .arg(Number(PictureSize::kMinDpi), Number(PictureSize::kMaxDpi));
}

bool ParsePictureWidth(const QString& text, PictureSize* size, QString* error)
{
    static const QRegularExpression pattern(QStringLiteral("^\\s*([0-9]*\\.?[0-9]+)\\s*([a-zA-Z]+)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (match.hasMatch()) {
        for (const UnitName& u : kUnits) {
            if (match.captured(2).compare(QLatin1String(u.suffix), Qt::CaseInsensitive) != 0)
                continue;
            const double width = match.captured(1).toDouble();
            *error = PictureWidthError(u.unit, width);
            if (!error->isEmpty())
                return false;
            size->unit = u.unit;
            size->width = width;
            return true;
        }
    }
    *error = QStringLiteral("\"%1\" is not a width such as 84mm, 3.5in or 1200px.").arg(text);
    return false;
}
