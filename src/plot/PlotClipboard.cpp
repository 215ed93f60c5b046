// Copy picture, Copy window as bitmap and Copy Figure of the plot view.
#include "plot/PlotClipboard.h"

#include "framework/gui/CDC.h"
#include "framework/gui/SvgWriter.h"
#include "plot/CTernaryView.h"
#include "plot/PlotPicture.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Paints the view's client area as the window does; false when the device
// took less than everything.
bool PaintClient(CTernaryView& view, QPaintDevice* device, bool vector)
{
    QPainter painter;
    if (!painter.begin(device))
        return false;
    if (!vector)
        painter.fillRect(view.viewport()->rect(), Qt::white);
    {
        CDC dc(&painter);
        view.OnDraw(&dc);
    }
    return painter.end();
}

QByteArray ClientSvg(CTernaryView& view, const QSize& client)
{
    SvgWriter svg(client, CPoint {}, view.logicalDpiX(), QStringLiteral("TPlot Graph"));
    CDC dc;
    dc.SetSvgWriter(&svg);
    view.OnDraw(&dc);
    return svg.Finish();
}

QByteArray ClientPdf(CTernaryView& view, const QSize& client)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const int dpi = view.logicalDpiX();
    QPdfWriter pdf(&buffer);
    pdf.setResolution(dpi);
    pdf.setTitle(QStringLiteral("TPlot Graph"));
    pdf.setCreator(QStringLiteral("Ternary"));
    const double points = 72.0 / dpi;
    pdf.setPageSize(QPageSize(
        QSizeF(client.width() * points, client.height() * points), QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    return PaintClient(view, &pdf, true) ? bytes : QByteArray();
}

void PutOnClipboard(QMimeData* data)
{
    // A clipboard that is not there takes nothing and says nothing.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        delete data;
        return;
    }
    clipboard->setMimeData(data);
}

} // namespace

QMimeData* MakePlotMimeData(CTernaryView& view, bool vectors)
{
    const QSize client = view.viewport()->size().expandedTo(QSize(1, 1));
    QImage image(client, QImage::Format_RGB32);
    PaintClient(view, &image, false);
    auto* data = new QMimeData;
    data->setImageData(image);
    if (vectors) {
        if (const QByteArray svg = ClientSvg(view, client); !svg.isEmpty())
            data->setData(QStringLiteral("image/svg+xml"), svg);
        if (const QByteArray pdf = ClientPdf(view, client); !pdf.isEmpty())
            data->setData(QStringLiteral("application/pdf"), pdf);
    }
    return data;
}

QMimeData* MakeFigureMimeData(CTernaryDoc& doc)
{
    auto* data = new QMimeData;
    data->setImageData(PlotPicture(doc).ToImage(1));
    QByteArray bytes;
    if (EncodePlotPicture(doc, PictureType::Svg, 1, &bytes))
        data->setData(QStringLiteral("image/svg+xml"), bytes);
    if (EncodePlotPicture(doc, PictureType::Pdf, 1, &bytes))
        data->setData(QStringLiteral("application/pdf"), bytes);
    return data;
}

void CTernaryView::CopyFigure()
{
    if (CTernaryDoc* doc = GetDocument()) {
        PutOnClipboard(MakeFigureMimeData(*doc));
        // The picture's paint placed the samples unscrolled; the window's puts them back.
        viewport()->update();
    }
}

void CTernaryView::CopyPicture()
{
    PutOnClipboard(MakePlotMimeData(*this, true));
    viewport()->update();
}

void CTernaryView::CopyWindowBitmap()
{
    PutOnClipboard(MakePlotMimeData(*this, false));
    viewport()->update();
}
