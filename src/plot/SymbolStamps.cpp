#include "plot/SymbolStamps.h"

#include "plot/ColorTable.h"
#include "plot/SymbolPainter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Stamps are kept for symbols that fit in this many device pixels a side.
constexpr int kMaxStampSide = 256;
// Room around a look's bounds in its stamp, in logical units and device
// pixels: a scaled pen's mitred corners reach past the bounds.
constexpr int kStampMargin = 2;
// Places between two device pixels a stamp is kept for.
constexpr int kPhases = 4;

bool TakesStamps(const CDC& dc, QPainter* painter)
{
    if (!painter || dc.IsRecording())
        return false;
    const QPaintDevice* device = painter->device();
    if (!device || device->devicePixelRatio() != 1.0)
        return false;
    const int type = device->devType();
    if (type != QInternal::Image && type != QInternal::Pixmap && type != QInternal::Widget)
        return false;
    // Moved and scaled alike in both directions, neither turned nor sheared.
    const QTransform t = painter->combinedTransform();
    return t.type() <= QTransform::TxScale && t.m11() > 0 && t.m11() == t.m22();
}

// The smallest rectangle holding every pixel that is not transparent.
QRect DrawnRect(const QImage& image)
{
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y;
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

SymbolStamps::SymbolStamps(CDC& dc)
    : m_dc(dc)
    , m_painter(dc.GetPainter())
    , m_stamp(TakesStamps(dc, dc.GetPainter()))
    , m_toDevice(m_stamp ? dc.GetPainter()->combinedTransform() : QTransform())
    , m_direct(dc.GetPainter() ? !m_stamp : !dc.OnlyMeasures())
    , m_brush(dc.GetBrush())
{
    const double dx = m_toDevice.dx(), dy = m_toDevice.dy();
    if (m_stamp && m_toDevice.type() <= QTransform::TxTranslate && dx == std::round(dx) && dy == std::round(dy))
        m_wholeShift = QPoint(static_cast<int>(dx), static_cast<int>(dy));
}

const SymbolStamps::Look& SymbolStamps::FindLook(COLORREF color, int symbolId, int size, int phaseX, int phaseY)
{
    const auto key = std::make_tuple(color, SymbolIndex(symbolId), size, phaseX, phaseY);
    if (auto it = m_looks.find(key); it != m_looks.end())
        return it->second;
    Look look;
    CDC measure;
    DrawSymbol(measure, color, symbolId, size, 0, 0, 1);
    look.bounds = measure.GetBounds();
    const double scale = m_toDevice.m11();
    const int margin = kStampMargin + static_cast<int>(std::ceil(kStampMargin * scale));
    const int left = static_cast<int>(std::floor(look.bounds.left * scale)) - margin;
    const int top = static_cast<int>(std::floor(look.bounds.top * scale)) - margin;
    const int width = static_cast<int>(std::ceil(look.bounds.right * scale)) + margin + 1 - left;
    const int height = static_cast<int>(std::ceil(look.bounds.bottom * scale)) + margin + 1 - top;
    if (m_stamp && width <= kMaxStampSide && height <= kMaxStampSide) {
        look.offset = { left, top };
        look.image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        look.image.fill(Qt::transparent);
        {
            QPainter painter(&look.image);
            painter.translate(
                static_cast<double>(phaseX) / kPhases - left, static_cast<double>(phaseY) / kPhases - top);
            painter.scale(scale, scale);
            CDC stamp(&painter);
            stamp.SetAntialiasing(m_dc.IsAntialiased());
            stamp.SelectBrush(m_brush);
            DrawSymbol(stamp, color, symbolId, size, 0, 0, 1);
        } // the context gives the painter back its state before the painter ends
        // Every stamp costs its area: only the pixels drawn are kept.
        const QRect drawn = DrawnRect(look.image);
        look.image = drawn.isEmpty() ? QImage() : look.image.copy(drawn);
        look.offset += drawn.topLeft();
        look.empty = drawn.isEmpty();
    }
    return m_looks.emplace(key, std::move(look)).first->second;
}

void SymbolStamps::Draw(int colorId, int symbolId, int size, int x, int y)
{
    if (m_direct) {
        DrawSampleSymbol(m_dc, colorId, symbolId, size, x, y, 1);
        return;
    }
    // The whole device pixel of the centre and the quarter within it.
    const QPointF centre = m_toDevice.map(QPointF(x, y));
    const double quartersX = std::round(centre.x() * kPhases);
    const double quartersY = std::round(centre.y() * kPhases);
    const double pixelX = std::floor(quartersX / kPhases);
    const double pixelY = std::floor(quartersY / kPhases);
    const int phaseX = static_cast<int>(quartersX - pixelX * kPhases);
    const int phaseY = static_cast<int>(quartersY - pixelY * kPhases);
    const Look& look = FindLook(SampleColor(colorId), symbolId, size, m_painter ? phaseX : 0, m_painter ? phaseY : 0);
    if (m_painter && look.image.isNull() && !look.empty) {
        DrawSampleSymbol(m_dc, colorId, symbolId, size, x, y, 1);
        return;
    }
    CRect bounds = look.bounds;
    bounds.OffsetRect(x, y);
    m_dc.IncludeBounds(bounds);
    if (m_painter && !look.empty) {
        // In device pixels, so that the stamp is copied, never resampled.
        const QPoint at(static_cast<int>(pixelX) + look.offset.x(), static_cast<int>(pixelY) + look.offset.y());
        if (m_wholeShift) {
            m_painter->drawImage(at - *m_wholeShift, look.image);
        } else {
            const QTransform logical = m_painter->transform();
            m_painter->setTransform(QTransform());
            m_painter->drawImage(at, look.image);
            m_painter->setTransform(logical);
        }
    }
    m_dc.MoveTo(x, y);
}
