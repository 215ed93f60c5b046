// The command line's switches for figures: --width, --dpi and --fit.
#include "app/CommandLine.h"

#include <QFileInfo>

#include <cmath>

bool TakeFigureSwitch(const QStringList& args, int& i, CommandLine& cmd, QString* error)
{
    const QString& arg = args[i];
    if (arg == QLatin1String("--fit")) {
        cmd.fit = true;
        return true;
    }
    if (arg != QLatin1String("--width") && arg != QLatin1String("--dpi"))
        return false;
    if (i + 1 >= args.size()) {
        *error = arg == QLatin1String("--width")
            ? QStringLiteral("--width needs a width such as 84mm, 3.5in or 1200px.")
            : QStringLiteral("--dpi needs a resolution from 50 to 2400.");
        return true;
    }
    const QString value = args[++i];
    if (arg == QLatin1String("--width")) {
        if (ParsePictureWidth(value, &cmd.picture, error))
            return true;
        *error = QStringLiteral("--width: %1").arg(*error);
        return true;
    }
    bool ok = false;
    const double dpi = value.toDouble(&ok);
    *error = ok ? PictureDpiError(dpi) : QStringLiteral("\"%1\" is not a number.").arg(value);
    if (!error->isEmpty())
        *error = QStringLiteral("--dpi: %1").arg(*error);
    else
        cmd.picture.dpi = dpi;
    return true;
}

QString FigureSwitchError(CommandLine& cmd, bool scaleGiven)
{
    PictureSize& picture = cmd.picture;
    const bool sized = picture.unit != PictureSize::Unit::Natural || picture.dpi > 0;
    if ((sized || cmd.fit) && cmd.action != CommandLine::Action::Export)
        return QStringLiteral("--width, --dpi and --fit go with --export.");
    if (scaleGiven && sized)
        return QStringLiteral("--scale cannot be given with --width or --dpi.");
    picture.scale = cmd.scale;
    // A raster picture's width is known before the drawing when it is given on paper.
    const bool png = QFileInfo(cmd.outputFile).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
    const bool onPaper = picture.unit == PictureSize::Unit::Millimetres || picture.unit == PictureSize::Unit::Inches;
    if (png && onPaper && picture.PixelWidth(0) > PictureSize::kMaxPixels)
        return QStringLiteral("A PNG %1%2 wide at %3 dpi would be %4 pixels wide; at most %5 are drawn.")
            .arg(picture.width)
            .arg(PictureUnitSuffix(picture.unit))
            .arg(picture.Dpi())
            .arg(picture.PixelWidth(0))
            .arg(PictureSize::kMaxPixels);
    return {};
}

QString FigureSwitchUsage()
{
    return QStringLiteral(
        "  --width W       with --export: the picture's width, as 84mm (10 to 2000), 3.5in or 1200px\n"
        "                  (10 to 20000); the height follows the drawing\n"
        "  --dpi D         with --export: a PNG's resolution (50 to 2400; default 300 for a width in mm\n"
        "                  or inches, else 96); a width in pixels is that many dots on paper\n"
        "  --fit           with --export: first fit the axes to the samples, as View > Fit Axes to Data\n");
}
