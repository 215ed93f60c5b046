#pragma once

#include <functional>

class QPaintDevice;
class QPrinter;
class QWidget;

// The print, print preview and page set-up dialogs go through one service,
// as message boxes do: the program shows Qt's dialogs, tests install
// handlers that answer at once. The preview's pages are painted by a
// function that takes any paint device: the preview's printer, or a test's
// image or PDF file.
using PaintPagesFunction = std::function<void(QPaintDevice*)>;

struct PrintDialogHandlers {
    // True when the user chose to print.
    std::function<bool(QPrinter&, QWidget* parent)> print;
    // Shows the pages that paint draws until the user closes the preview.
    std::function<void(QPrinter&, QWidget* parent, const PaintPagesFunction& paint)> preview;
    // True when the user accepted the page settings.
    std::function<bool(QPrinter&, QWidget* parent)> pageSetup;
};

bool ExecPrintDialog(QPrinter& printer, QWidget* parent);
void ExecPrintPreview(QPrinter& printer, QWidget* parent, const PaintPagesFunction& paint);
bool ExecPageSetupDialog(QPrinter& printer, QWidget* parent);

// Installs handlers (empty members use Qt's dialogs) and returns the ones
// they replace.
PrintDialogHandlers SetPrintDialogHandlers(PrintDialogHandlers handlers);

// The printer the print commands share while the program runs, so that
// Print Setup's choices hold for the next Print. Without any printer on the
// system it prints to a PDF file (Qt's PDF output), which the print dialog
// offers instead of failing.
QPrinter& AppPrinter();
