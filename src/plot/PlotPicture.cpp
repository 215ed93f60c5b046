#include "plot/PlotPicture.h"

#include "document/CTernaryDoc.h"
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/LegendBox.h"
#include "plot/PlotRenderer.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

// Paints the picture on a vector device; false when the device took less
// than everything.
bool PaintOnDevice(PlotPicture& picture, QPaintDevice* device)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    {
        CDC dc(&painter);
        picture.Paint(dc);
    }
    return painter.end();
}

} // namespace

PlotPicture::PlotPicture(CTernaryDoc& doc)
    : m_doc(doc)
{
    m_geo.SetCanvasFromDpi(kDpi);
    m_geo.LayoutPlot();
    m_geo.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
}

void PlotPicture::Paint(CDC& dc)
{
    LegendBox legend(m_doc.m_legend);
    AnnotationLayer annotations(m_doc.m_annotations);
    PlotRenderer(m_doc, m_geo).OnDraw(dc, annotations, legend);
}

CSize PlotPicture::Extent()
{
    CDC measure; // no painter: draws nothing, collects the bounds
    Paint(measure);
    const CRect bounds = measure.GetBounds();
    const long long right = static_cast<long long>(bounds.right) + kMarginPastDrawing;
    const long long bottom = static_cast<long long>(bounds.bottom) + kMarginPastDrawing;
    return { static_cast<int>(std::clamp<long long>(right, 1, m_geo.m_canvasSize.cx)),
        static_cast<int>(std::clamp<long long>(bottom, 1, m_geo.m_canvasSize.cy)) };
}

QImage PlotPicture::ToImage(double scale)
{
    const CSize extent = Extent();
    const QSize size(std::max(1, static_cast<int>(std::lround(extent.cx * scale))),
        std::max(1, static_cast<int>(std::lround(extent.cy * scale))));
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kDpi * scale / 0.0254)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CDC dc(&painter);
        if (scale != 1.0) {
            dc.SetAntialiasing(true);
            dc.SetMapMode(MM_ISOTROPIC);
            dc.SetWindowExt({ extent.cx, extent.cy });
            dc.SetViewportExt({ size.width(), size.height() });
        }
        Paint(dc);
    }
    painter.end();
    return image;
}

bool PlotPicture::WriteSvg(QIODevice* device)
{
    const CSize extent = Extent();
    QSvgGenerator svg;
    svg.setOutputDevice(device);
    svg.setSize(QSize(extent.cx, extent.cy));
    svg.setViewBox(QRect(0, 0, extent.cx, extent.cy));
    svg.setResolution(kDpi);
    svg.setTitle(QStringLiteral("TPlot Graph"));
    return PaintOnDevice(*this, &svg);
}

bool PlotPicture::WritePdf(QIODevice* device)
{
    const CSize extent = Extent();
    QPdfWriter pdf(device);
    pdf.setResolution(kDpi);
    pdf.setTitle(QStringLiteral("TPlot Graph"));
    pdf.setCreator(QStringLiteral("Ternary"));
    // One canvas unit is 1/96 inch, 0.75 point.
    pdf.setPageSize(
        QPageSize(QSizeF(extent.cx * 0.75, extent.cy * 0.75), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return PaintOnDevice(*this, &pdf);
}
