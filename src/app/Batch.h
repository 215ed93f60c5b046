#pragma once

#include <QString>

// Batch mode: the work of --save-as and --export, without a window.
// Messages a window would show go to standard error, one per line.
// Both return a BatchExit status (app/CommandLine.h).

// Opens input (or starts a new document when empty) and writes output,
// a .tpf plot file or a .csv table of the samples.
int RunSaveAs(const QString& input, const QString& output);

// Opens input (or starts a new document when empty) and draws it into
// output, a .png, .svg or .pdf picture; scale multiplies a PNG's size.
int RunExport(const QString& input, const QString& output, double scale);
