#include "plot/PlotPicture.h"

#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "framework/gui/PngWriter.h"
#include "framework/gui/SvgWriter.h"
#include "plot/AnnotationLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotRenderer.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// zlib levels of PNG pictures: 2 at the default scale, a little larger and
// some milliseconds faster than the usual 6 for a plot of thousands of
// samples; 6 for the larger pictures of other scales.
constexpr int kFastPngLevel = 2;
constexpr int kPngLevel = 6;
// The device resolution of a PDF page of a given width.
constexpr int kSizedPdfDpi = 1200;

// Qt states a PDF page's size in whole points. A figure asked for at a
// width gets its exact size, written in no more bytes than Qt's, padded with
// blanks, so that the offsets of the file's cross-reference table still hold.
void StateExactPageSize(QByteArray& pdf, double widthPoints, double heightPoints)
{
    const QByteArray key = "/MediaBox [0 0 ";
    const qsizetype start = pdf.indexOf(key);
    const qsizetype end = start < 0 ? -1 : pdf.indexOf(']', start + key.size());
    if (end < 0)
        return;
    const qsizetype length = end - start - key.size();
    QByteArray exact = QByteArray::number(widthPoints, 'f', 6) + ' ' + QByteArray::number(heightPoints, 'f', 6);
    if (exact.size() > length)
        return;
    exact.append(QByteArray(length - exact.size(), ' '));
    pdf.replace(start + key.size(), length, exact);
}

} // namespace

PlotPicture::PlotPicture(CTernaryDoc& doc)
    : m_doc(doc)
{
    m_geo.SetCanvasFromDpi(kDpi);
    m_geo.m_equilateral = doc.m_equilateral != 0;
    m_geo.LayoutPlot();
    m_geo.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
}

PlotPicture::PlotPicture(CTernaryDoc& doc, const PlotGeometry& geometry)
    : m_doc(doc)
    , m_geo(geometry)
{
}

void PlotPicture::Paint(CDC& dc)
{
    LegendBox legend(m_doc.m_legend);
    AnnotationLayer annotations(m_doc.m_annotations);
    PlotRenderer renderer(m_doc, m_geo);
    renderer.SetDensity(m_density.For(m_doc));
    renderer.OnDraw(dc, annotations, legend);
}

int PlotPicture::FrameStart(int drawn, int limit)
{
    // Only a drawing that reaches left of (above) the origin moves the
    // frame's start, and no further than one canvas beyond the origin, so
    // that a stray annotation cannot make a picture of any size.
    if (drawn >= 0)
        return 0;
    return static_cast<int>(std::max<long long>(static_cast<long long>(drawn) - kMarginPastDrawing, -limit));
}

CRect PlotPicture::Frame()
{
    if (m_haveFrame)
        return m_frame;
    CDC measure; // no painter: draws nothing, collects the bounds
    Paint(measure);
    const CRect bounds = measure.GetBounds();
    const CSize canvas = m_geo.m_canvasSize;
    auto end = [](int drawn, int limit) {
        return static_cast<int>(std::clamp<long long>(static_cast<long long>(drawn) + kMarginPastDrawing, 1, limit));
    };
    const bool empty = bounds.IsRectEmpty();
    m_frame.left = empty ? 0 : FrameStart(bounds.left, canvas.cx);
    m_frame.top = empty ? 0 : FrameStart(bounds.top, canvas.cy);
    m_frame.right = end(bounds.right, std::max(canvas.cx, LegendRightOnCanvas()));
    m_frame.bottom = end(bounds.bottom, canvas.cy);
    m_haveFrame = true;
    return m_frame;
}

int PlotPicture::LegendRightOnCanvas() const
{
    // A legend wrapped into columns may reach past the canvas's right; a
    // picture still shows it whole when its box starts on the canvas.
    const CRect& box = m_doc.m_legend.m_position;
    const CSize canvas = m_geo.m_canvasSize;
    if (!m_doc.m_drawLegend || m_doc.m_legend.Count() == 0 || box.left < 0 || box.left >= canvas.cx || box.top < 0
        || box.top >= canvas.cy)
        return 0;
    return box.right + 2 + kMarginPastDrawing;
}

CSize PlotPicture::Extent()
{
    const CRect frame = Frame();
    return { frame.Width(), frame.Height() };
}

CRect PlotPicture::PageFrame()
{
    const CRect frame = Frame();
    return { frame.left, frame.top, std::max(frame.right, m_geo.m_canvasSize.cx), m_geo.m_canvasSize.cy };
}

void PlotPicture::PaintScaled(QPainter& painter, const CRect& frame, const QRect& target, bool printing, bool antialias)
{
    CDC dc(&painter);
    dc.SetPrinting(printing);
    dc.SetAntialiasing(antialias);
    const double scale = std::min(static_cast<double>(target.width()) / std::max(1, frame.Width()),
        static_cast<double>(target.height()) / std::max(1, frame.Height()));
    if (std::abs(scale - 1.0) > 1e-9) {
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt({ frame.Width(), frame.Height() });
        dc.SetViewportExt({ target.width(), target.height() });
    }
    dc.SetViewportOrg({ target.left() - static_cast<int>(std::lround(frame.left * scale)),
        target.top() - static_cast<int>(std::lround(frame.top * scale)) });
    Paint(dc);
}

QImage PlotPicture::ToImage(double scale, double dpi)
{
    const CRect frame = Frame();
    const QSize size(std::max(1, static_cast<int>(std::lround(frame.Width() * scale))),
        std::max(1, static_cast<int>(std::lround(frame.Height() * scale))));
    if (static_cast<double>(size.width()) * size.height() > PictureSize::kMaxPixels * PictureSize::kMaxPixels)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.setDotsPerMeterX(static_cast<int>(std::lround((dpi > 0 ? dpi : kDpi * scale) / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintScaled(painter, frame, QRect(QPoint(0, 0), size), false, scale != 1.0);
    painter.end();
    return image;
}

bool PlotPicture::WritePng(QIODevice* device, double scale, double dpi)
{
    const QByteArray png = EncodePng(ToImage(scale, dpi), scale == 1.0 ? kFastPngLevel : kPngLevel);
    return !png.isEmpty() && device->write(png) == png.size();
}

bool PlotPicture::WriteSvg(QIODevice* device, double inches)
{
    // Written by hand rather than through QSvgGenerator, which opens a group
    // for every change of pen or brush (three quarters of a megabyte for
    // 2,000 samples) and knows no layers.
    const CRect frame = Frame();
    const double unitsPerInch = inches > 0 ? frame.Width() / inches : kDpi;
    SvgWriter svg(QSize(frame.Width(), frame.Height()), CPoint { frame.left, frame.top }, unitsPerInch,
        QStringLiteral("TPlot Graph"));
    {
        CDC dc;
        dc.SetSvgWriter(&svg);
        Paint(dc);
    }
    const QByteArray bytes = svg.Finish();
    return device->write(bytes) == bytes.size();
}

bool PlotPicture::WritePdf(QIODevice* device, double inches)
{
    const CRect frame = Frame();
    // At its natural size the page has the canvas's own units; a page of a
    // given width is drawn on a finer grid so that the drawing fills it to
    // the last point.
    const int resolution = inches > 0 ? kSizedPdfDpi : kDpi;
    const double wide = inches > 0 ? inches : frame.Width() / static_cast<double>(kDpi);
    const double high = wide * frame.Height() / frame.Width();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setResolution(resolution);
        pdf.setTitle(QStringLiteral("TPlot Graph"));
        pdf.setCreator(QStringLiteral("Ternary"));
        pdf.setPageSize(QPageSize(QSizeF(wide * 72, high * 72), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        QPainter painter;
        if (!painter.begin(&pdf))
            return false;
        const QRect target(
            0, 0, static_cast<int>(std::lround(wide * resolution)), static_cast<int>(std::lround(high * resolution)));
        PaintScaled(painter, frame, target, false, false);
        if (!painter.end())
            return false;
    }
    if (inches > 0)
        StateExactPageSize(bytes, wide * 72, high * 72);
    return device->write(bytes) == bytes.size();
}

PictureType PictureTypeOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return PictureType::Png;
    if (suffix == QLatin1String("svg"))
        return PictureType::Svg;
    if (suffix == QLatin1String("pdf"))
        return PictureType::Pdf;
    return PictureType::Unknown;
}

bool EncodePlotPicture(CTernaryDoc& doc, PictureType type, double scale, QByteArray* bytes)
{
    PictureSize size;
    size.scale = scale;
    return EncodePlotPicture(doc, type, size, bytes);
}

bool EncodePlotPicture(
    CTernaryDoc& doc, PictureType type, const PictureSize& size, QByteArray* bytes, const PlotGeometry* geometry)
{
    PlotPicture picture = geometry ? PlotPicture(doc, *geometry) : PlotPicture(doc);
    const bool natural = size.unit == PictureSize::Unit::Natural;
    const double naturalWidth = picture.Extent().cx;
    const double inches = natural ? 0 : size.Inches(naturalWidth);
    const double scale = natural ? size.Dpi() / PlotPicture::kDpi : size.PixelWidth(naturalWidth) / naturalWidth;
    bytes->clear();
    QBuffer buffer(bytes);
    buffer.open(QIODevice::WriteOnly);
    bool drawn = false;
    switch (type) {
    case PictureType::Png:
        drawn = picture.WritePng(&buffer, scale, size.Dpi());
        break;
    case PictureType::Svg:
        drawn = picture.WriteSvg(&buffer, inches);
        break;
    case PictureType::Pdf:
        drawn = picture.WritePdf(&buffer, inches);
        break;
    case PictureType::Unknown:
        break;
    }
    buffer.close();
    return drawn && !bytes->isEmpty();
}
