#include "framework/gui/PrintDialogs.h"

#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <utility>

namespace {

PrintDialogHandlers& Handlers()
{
    static PrintDialogHandlers handlers;
    return handlers;
}

QPrinter* g_printer = nullptr;

void DeletePrinter()
{
    delete g_printer;
    g_printer = nullptr;
}

} // namespace

bool ExecPrintDialog(QPrinter& printer, QWidget* parent)
{
    if (Handlers().print)
        return Handlers().print(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ExecPrintPreview(QPrinter& printer, QWidget* parent, const PaintPagesFunction& paint)
{
    if (Handlers().preview) {
        Handlers().preview(printer, parent, paint);
        return;
    }
    // The preview's own Print button asks for the printer and paints the
    // pages again through paint.
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(QStringLiteral("Print Preview"));
    preview.resize(900, 700);
    QObject::connect(
        &preview, &QPrintPreviewDialog::paintRequested, &preview, [&paint](QPrinter* target) { paint(target); });
    preview.exec();
}

bool ExecPageSetupDialog(QPrinter& printer, QWidget* parent)
{
    if (Handlers().pageSetup)
        return Handlers().pageSetup(printer, parent);
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

PrintDialogHandlers SetPrintDialogHandlers(PrintDialogHandlers handlers)
{
    return std::exchange(Handlers(), std::move(handlers));
}

QPrinter& AppPrinter()
{
    if (!g_printer) {
        g_printer = new QPrinter(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            g_printer->setOutputFormat(QPrinter::PdfFormat);
        // The printer lives as long as the application object, not past it.
        qAddPostRoutine(DeletePrinter);
    }
    return *g_printer;
}
