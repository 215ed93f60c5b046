#include "framework/gui/CommonDialogs.h"

#include "framework/core/TextEncoding.h"

#include <QColorDialog>
#include <QFontDialog>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Screen fonts are sized for a 96 dpi display, as the plot's canvas is.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

ColorDialogHandler& CurrentColorHandler()
{
    static ColorDialogHandler handler;
    return handler;
}

FontDialogHandler& CurrentFontHandler()
{
    static FontDialogHandler handler;
    return handler;
}

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
COLORREF ToColorRef(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

bool RunColorDialog(COLORREF& color, CustomColors* customColors, QWidget* parent)
{
    CustomColors kept {};
    if (customColors) {
        for (int i = 0; i < 16; ++i) {
            kept[i] = ToColorRef(QColorDialog::customColor(i));
            QColorDialog::setCustomColor(i, ToQColor((*customColors)[i]));
        }
    }
    QColorDialog dialog(ToQColor(color), parent);
    const bool ok = dialog.exec() == QDialog::Accepted;
    if (ok)
        color = ToColorRef(dialog.selectedColor());
    if (customColors) {
        for (int i = 0; i < 16; ++i) {
            if (ok)
                (*customColors)[i] = ToColorRef(QColorDialog::customColor(i));
            QColorDialog::setCustomColor(i, ToQColor(kept[i]));
        }
    }
    return ok;
}

} // namespace

bool ChooseColor(COLORREF& color, CustomColors* customColors, unsigned flags, QWidget* parent)
{
    if (const ColorDialogHandler& handler = CurrentColorHandler()) {
        COLORREF chosen = color;
        CustomColors list = customColors ? *customColors : CustomColors {};
        if (!handler(chosen, customColors ? &list : nullptr, flags))
            return false;
        color = chosen;
        if (customColors)
            *customColors = list;
        return true;
    }
    return RunColorDialog(color, customColors, parent);
}

ColorDialogHandler SetColorDialogHandler(ColorDialogHandler handler)
{
    return std::exchange(CurrentColorHandler(), std::move(handler));
}

bool ChooseFont(LogicalFont& font, int minPoints, int maxPoints, QWidget* parent)
{
    QFont initial = MakeQFont(font);
    initial.setPointSizeF(initial.pixelSize() / kPixelsPerPoint);
    // For a family the system lacks the dialog shows a fallback family; a
    // user who leaves it as shown has not chosen it.
    QString shownFamily;
    {
        QFontDialog probe;
        probe.setCurrentFont(initial);
        shownFamily = probe.currentFont().family();
    }
    QFont chosen = initial;
    chosen.setFamily(shownFamily);
    bool ok = false;
    if (const FontDialogHandler& handler = CurrentFontHandler())
        ok = handler(chosen);
    else
        chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return false;

    double points = chosen.pointSizeF();
    if (points <= 0)
        points = chosen.pixelSize() / kPixelsPerPoint;
    points = std::clamp(points, static_cast<double>(minPoints), static_cast<double>(maxPoints));
    font.height = -static_cast<int>(std::lround(points * kPixelsPerPoint));
    font.weight = chosen.weight();
    font.italic = chosen.italic();
    font.underline = chosen.underline();
    font.strikeOut = chosen.strikeOut();
    if (chosen.family() != shownFamily)
        font.faceName = EncodeText(chosen.family());
    return true;
}

FontDialogHandler SetFontDialogHandler(FontDialogHandler handler)
{
    return std::exchange(CurrentFontHandler(), std::move(handler));
}
