// Print and Print Preview of the plot view.
#include "plot/PlotPrinting.h"

#include "document/CTernaryDoc.h"
#include "framework/core/MessageBox.h"
#include "framework/gui/PrintDialogs.h"
#include "plot/CTernaryView.h"
#include "plot/PlotPicture.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

namespace {

// Names the job after the plot. Without a printer the job goes to a PDF
// file; the print dialog shows this name, beside the plot file or in the
// home folder, for the user to change.
void SuggestPdfName(CTernaryDoc& doc, QPrinter& printer)
{
    printer.setDocName(doc.GetTitle());
    if (printer.outputFormat() != QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        return;
    const QString path = doc.GetNamingPath();
    const QFileInfo info(path.isEmpty() ? QDir::home().filePath(doc.GetTitle()) : path);
    printer.setOutputFileName(info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf")));
}

// Prints the page on device, or says why it could not.
void PrintOrSay(CTernaryDoc& doc, const PlotGeometry& geometry, QPaintDevice* device)
{
    QPainter painter;
    if (painter.begin(device)) {
        PaintPlotPage(doc, geometry, painter, QRect(0, 0, device->width(), device->height()));
        if (painter.end())
            return;
    }
    QString target = QStringLiteral("the printer");
    if (auto* printer = dynamic_cast<QPrinter*>(device))
        target = printer->outputFormat() == QPrinter::PdfFormat ? printer->outputFileName() : printer->printerName();
    MessageBox(QStringLiteral("Unable to print to \"%1\".").arg(target));
}

} // namespace

void PaintPlotPage(CTernaryDoc& doc, const PlotGeometry& geometry, QPainter& painter, const QRect& target)
{
    PlotGeometry unscrolled = geometry;
    unscrolled.m_scrollPos = {};
    unscrolled.LayoutPlot();
    unscrolled.ComputeCorners(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis);
    PlotPicture picture(doc, unscrolled);
    picture.PaintScaled(painter, picture.PageFrame(), target, true, false);
}

bool PrintPlotPage(CTernaryDoc& doc, const PlotGeometry& geometry, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintPlotPage(doc, geometry, painter, QRect(0, 0, printer.width(), printer.height()));
    return painter.end();
}

void CTernaryView::OnFilePrint()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    QPrinter& printer = AppPrinter();
    SuggestPdfName(*doc, printer);
    if (ExecPrintDialog(printer, window()))
        PrintOrSay(*doc, m_geo, &printer);
}

void CTernaryView::OnFilePrintPreview()
{
    CTernaryDoc* doc = GetDocument();
    if (!doc)
        return;
    QPrinter& printer = AppPrinter();
    SuggestPdfName(*doc, printer);
    // The main window steps aside while the preview shows.
    QWidget* frame = window();
    const bool wasVisible = frame->isVisible();
    frame->hide();
    ExecPrintPreview(printer, nullptr, [this, doc](QPaintDevice* target) { PrintOrSay(*doc, m_geo, target); });
    if (wasVisible)
        frame->show();
}
