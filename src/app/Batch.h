#pragma once

#include "app/DensityCommandLine.h"
#include "framework/core/PictureSize.h"

#include <QString>

class CTernaryDoc;

// Batch mode: the work of --save-as, --export and the print switches,
// without a window.
// Messages a window would show go to standard error, one per line.
// Both return a BatchExit status (app/CommandLine.h).

// Opens input (or starts a new document when empty) and writes output,
// a .tpf plot file or a .csv table of the samples.
// With classify (see ApplyClassify), a .csv gets a Class column and a plot
// file the diagram.
int RunSaveAs(const QString& input, const QString& output, const QString& classify = {});

// Opens input (or starts a new document when empty) and draws it into
// output, a .png, .svg or .pdf picture; scale multiplies a PNG's size.
// With classify, the picture shows the diagram's fields; the density
// switches override the file's density settings.
int RunExport(const QString& input, const QString& output, double scale, const QString& classify = {},
    const DensityRequest& density = {});
// The same at a size; with fit, the axes are first fitted to the samples
// (nothing happens to them when there is no sample).
int RunExport(const QString& input, const QString& output, const PictureSize& size, bool fit,
    const QString& classify = {}, const DensityRequest& density = {});

// Gives the batch document the diagram of --classify: "usda-texture",
// "qap" or a field file. False, with a message, for a file that cannot be
// read or holds no field.
bool ApplyClassify(CTernaryDoc& doc, const QString& classify);

// Prints input on the named printer, or on the default one when the name is
// empty, as one page. ExitFailure with a message, and nothing printed, when
// there is no such printer or none at all; ExitOk once the job was handed to
// the printer.
int RunPrint(const QString& input, const QString& printerName);
