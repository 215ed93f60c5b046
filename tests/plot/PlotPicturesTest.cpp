// The plot leaving the program: the clipboard's formats after Copy picture,
// Copy window as bitmap and Copy Figure, and printing and previewing a scrolled view.
#include "framework/core/CommandIds.h"
#include "framework/gui/PrintDialogs.h"
#include "plot/PlotPicture.h"
#include "plot/PlotPrinting.h"
#include "plot/PlotViewFixture.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

struct PicturesFixture : PlotViewFixture {
    QTemporaryDir dir;
    const QMimeData* Clipboard() { return QGuiApplication::clipboard()->mimeData(); }
    // The page of a print job, drawn on an image of a page's proportions.
    QImage Page(const PlotGeometry& geometry)
    {
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintPlotPage(doc, geometry, painter, page.rect());
        return page;
    }
};

TEST_F(PicturesFixture, CopyPutsTheClientAreaCopyBitmapOnlyItsImageCopyFigureTheExportedPicture)
{
    ASSERT_TRUE(view.OnCmdMsg(ID_EDIT_COPY));
    const QSize client = view.viewport()->size();
    const QMimeData* data = Clipboard();
    ASSERT_TRUE(data && data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), client);
    // The window's picture: sample 2 of a new plot, a square of colour 1.
    EXPECT_EQ(image.pixel(139, 320), qRgb(245, 0, 0));
    const QString svg = QString::fromUtf8(data->data(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(client.width()).arg(client.height())));
    EXPECT_TRUE(svg.contains(QStringLiteral("<title>TPlot Graph</title>")));
    EXPECT_TRUE(data->data(QStringLiteral("application/pdf")).startsWith("%PDF-"));

    ASSERT_TRUE(view.OnCmdMsg(ID_COPY_BITMAP));
    data = Clipboard();
    ASSERT_TRUE(data && data->hasImage());
    EXPECT_FALSE(data->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_FALSE(data->hasFormat(QStringLiteral("application/pdf")));

    // Copy Figure: a long left title reaches left of the canvas; the view is scrolled and zoomed.
    doc.m_leftAxis.title = "Alkali feldspar and plagioclase";
    view.SetScale(1.4f);
    view.Scroll(Qt::Vertical, PlotGeometry::PageDown);
    view.CopyFigure();
    data = Clipboard();
    ASSERT_TRUE(data && data->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).convertToFormat(QImage::Format_RGB32),
        PlotPicture(doc).ToImage(1).convertToFormat(QImage::Format_RGB32));
    const CSize extent = PlotPicture(doc).Extent();
    EXPECT_NE(QSize(extent.cx, extent.cy), client);
    QByteArray exported;
    ASSERT_TRUE(EncodePlotPicture(doc, PictureType::Svg, 1, &exported));
    EXPECT_EQ(data->data(QStringLiteral("image/svg+xml")), exported);
    EXPECT_TRUE(data->data(QStringLiteral("application/pdf")).startsWith("%PDF-"));
}

TEST_F(PicturesFixture, PrintAndPreviewOfAScrolledViewShowTheUnscrolledPlotAndKeepTheScroll)
{
    view.Scroll(Qt::Vertical, PlotGeometry::PageDown);
    view.Scroll(Qt::Horizontal, PlotGeometry::LineDown);
    const CPoint scrolled = view.ScrollPos();
    ASSERT_NE(scrolled.y, 0);

    const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
    int asked = 0;
    bool visibleDuringPreview = true;
    QImage shown(850, 1100, QImage::Format_RGB32);
    shown.fill(Qt::white);
    PrintDialogHandlers handlers;
    handlers.print = [&](QPrinter& printer, QWidget*) {
        ++asked;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    };
    handlers.preview = [&](QPrinter&, QWidget*, const PaintPagesFunction& paint) {
        visibleDuringPreview = view.isVisible();
        paint(&shown);
    };
    const PrintDialogHandlers previous = SetPrintDialogHandlers(handlers);
    EXPECT_TRUE(view.OnCmdMsg(ID_FILE_PRINT));
    EXPECT_TRUE(view.OnCmdMsg(ID_FILE_PRINT_PREVIEW));
    SetPrintDialogHandlers(previous);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ReadFileBytes(pdf).rfind("%PDF-", 0), 0u);
    EXPECT_EQ(view.ScrollPos(), scrolled);
    EXPECT_FALSE(visibleDuringPreview) << "the window steps aside while the preview shows";
    EXPECT_TRUE(view.isVisible());

    // The page is the one an unscrolled view prints.
    PlotGeometry unscrolled = view.Geometry();
    unscrolled.m_scrollPos = {};
    const QImage page = Page(view.Geometry());
    EXPECT_EQ(page, Page(unscrolled));
    EXPECT_EQ(shown, page);
    int ink = 0;
    for (int y = 0; y < page.height(); y += 2)
        for (int x = 0; x < page.width(); x += 2)
            ink += page.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 1000);
}

} // namespace
