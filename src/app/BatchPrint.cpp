// The print switches: ternary /p FILE prints FILE on the default printer,
// ternary /pt FILE PRINTER on the named one, without a window.
#include "app/Batch.h"
#include "app/BatchSession.h"
#include "app/CommandLine.h"

#include "plot/PlotPicture.h"
#include "plot/PlotPrinting.h"

#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>

int RunPrint(const QString& input, const QString& printerName)
{
    BatchSession session;
    if (input.isEmpty()) {
        MessageBox(QStringLiteral("/p and /pt need the name of the plot file to print."));
        return ExitUsage;
    }
    // The printer is checked first, so that a wrong name costs no work.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        MessageBox(QStringLiteral("There is no printer on this system; nothing was printed."));
        return ExitFailure;
    }
    const QPrinterInfo info
        = printerName.isEmpty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(printerName);
    if (info.isNull()) {
        MessageBox(printerName.isEmpty()
                ? QStringLiteral("No default printer is set; nothing was printed.")
                : QStringLiteral("There is no printer named \"%1\"; nothing was printed.").arg(printerName));
        return ExitFailure;
    }
    if (!session.Load(input))
        return ExitFailure;

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QFileInfo(input).fileName());
    CTernaryDoc& doc = session.Document();
    if (!PrintPlotPage(doc, PlotPicture(doc).Geometry(), printer)) {
        MessageBox(QStringLiteral("Unable to print \"%1\" on \"%2\".").arg(input, info.printerName()));
        return ExitFailure;
    }
    return ExitOk;
}
