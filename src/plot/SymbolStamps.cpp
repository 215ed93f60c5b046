#include "plot/SymbolStamps.h"

#include "plot/ColorTable.h"
#include "plot/SymbolPainter.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

// Stamps are kept for symbols that fit in this many pixels a side.
constexpr int kMaxStampSide = 128;
// Room around a look's bounds in its stamp.
constexpr int kStampMargin = 2;

bool DrawsOneToOne(const CDC& dc, QPainter* painter)
{
    if (!painter || dc.IsRecording() || dc.IsAntialiased() || painter->testRenderHint(QPainter::Antialiasing))
        return false;
    const QPaintDevice* device = painter->device();
    if (!device || device->devicePixelRatio() != 1.0)
        return false;
    const int type = device->devType();
    if (type != QInternal::Image && type != QInternal::Pixmap && type != QInternal::Widget)
        return false;
    // Only whole-pixel shifts: the stamp then lands on the same pixels.
    const QTransform t = painter->combinedTransform();
    return t.type() <= QTransform::TxTranslate && t.dx() == static_cast<int>(t.dx())
        && t.dy() == static_cast<int>(t.dy());
}

} // namespace

SymbolStamps::SymbolStamps(CDC& dc)
    : m_dc(dc)
    , m_painter(dc.GetPainter())
    , m_stamp(DrawsOneToOne(dc, dc.GetPainter()))
    , m_direct(dc.GetPainter() ? !m_stamp : !dc.OnlyMeasures())
    , m_brush(dc.GetBrush())
{
}

const SymbolStamps::Look& SymbolStamps::FindLook(COLORREF color, int symbolId, int size)
{
    const auto key = std::make_tuple(color, SymbolIndex(symbolId), size);
    if (auto it = m_looks.find(key); it != m_looks.end())
        return it->second;
    Look look;
    CDC measure;
    DrawSymbol(measure, color, symbolId, size, 0, 0, 1);
    look.bounds = measure.GetBounds();
    const int width = look.bounds.Width() + 2 * kStampMargin;
    const int height = look.bounds.Height() + 2 * kStampMargin;
    if (m_stamp && width <= kMaxStampSide && height <= kMaxStampSide) {
        look.image = QImage(width, height, QImage::Format_ARGB32_Premultiplied);
        look.image.fill(Qt::transparent);
        look.centre = { kStampMargin - look.bounds.left, kStampMargin - look.bounds.top };
        QPainter painter(&look.image);
        CDC stamp(&painter);
        stamp.SelectBrush(m_brush);
        DrawSymbol(stamp, color, symbolId, size, look.centre.x, look.centre.y, 1);
    }
    return m_looks.emplace(key, std::move(look)).first->second;
}

void SymbolStamps::Draw(int colorId, int symbolId, int size, int x, int y)
{
    if (m_direct) {
        DrawSampleSymbol(m_dc, colorId, symbolId, size, x, y, 1);
        return;
    }
    const Look& look = FindLook(SampleColor(colorId), symbolId, size);
    if (m_painter && look.image.isNull()) {
        DrawSampleSymbol(m_dc, colorId, symbolId, size, x, y, 1);
        return;
    }
    CRect bounds = look.bounds;
    bounds.OffsetRect(x, y);
    m_dc.IncludeBounds(bounds);
    if (m_painter)
        m_painter->drawImage(x - look.centre.x, y - look.centre.y, look.image);
    m_dc.MoveTo(x, y);
}
