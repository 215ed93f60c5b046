#include "framework/gui/LogicalFont.h"

#include "framework/core/TextEncoding.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>

#include <algorithm>
#include <cmath>

const QPaintDevice* FontMeasureDevice()
{
    static const QImage reference(1, 1, QImage::Format_RGB32);
    return &reference;
}

namespace {

constexpr int kMaxPixelSize = 1000;

// Cell height (ascent + descent) of the face at an em of one pixel, measured
// once per face and style at a large size so rounding does not matter.
double CellPerEm(const QFont& font)
{
    static QHash<QString, double> cache;
    const QString key = font.family() + QLatin1Char('|') + QString::number(font.weight())
        + (font.italic() ? QLatin1String("i") : QLatin1String(""));
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    QFont probe(font);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe, FontMeasureDevice());
    double ratio = (metrics.ascent() + metrics.descent()) / 1000.0;
    if (!(ratio > 0.5 && ratio < 3.0))
        ratio = 1.15;
    cache.insert(key, ratio);
    return ratio;
}

} // namespace

QFont MakeQFont(const LogicalFont& logical)
{
    QFont font;
    if (!logical.faceName.empty())
        font.setFamily(DecodeText(logical.faceName));
    const int weight = logical.weight <= 0 ? 400 : std::clamp(logical.weight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logical.italic);
    font.setUnderline(logical.underline);
    font.setStrikeOut(logical.strikeOut);
    font.setStyleStrategy(QFont::PreferDefault);
    font.setHintingPreference(QFont::PreferFullHinting);

    double pixels = 16;
    if (logical.height > 0)
        pixels = logical.height / CellPerEm(font);
    else if (logical.height < 0)
        pixels = -static_cast<double>(logical.height);
    font.setPixelSize(std::clamp(static_cast<int>(std::lround(pixels)), 1, kMaxPixelSize));
    return font;
}
