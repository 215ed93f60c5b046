#pragma once

#include "app/DensityCommandLine.h"
#include "framework/core/PictureSize.h"

#include <QString>
#include <QStringList>

// What the user asked for on the command line.
//   ternary [FILE]                                  open FILE (or a new document) in a window
//   ternary [IN] --save-as OUT.tpf|OUT.csv          convert without a window
//   ternary [IN] --export OUT.png|OUT.svg|OUT.pdf [--scale S | --width W] [--dpi D] [--fit]
//   either of the two with --classify usda-texture|qap|FIELDS.csv
//   ternary [IN] --density-grid OUT.csv [--density bins|kernel] [--bins N]
//   ternary /p FILE, ternary /pt FILE PRINTER ...   print switches
// "--" ends the options: an argument after it is a file name ("-p", "--x.tpf").
struct CommandLine {
    enum class Action { Window, SaveAs, Export, DensityGrid, Help, Error };

    Action action = Action::Window;
    QString inputFile; // empty: a new document
    QString outputFile; // --save-as and --export
    double scale = 1.0; // --export
    QString classify; // --classify: a built-in diagram's name or a field file
    PictureSize picture; // --export: --width and --dpi (--scale as a resolution)
    bool fit = false; // --export: fit the axes to the samples first
    bool printSwitch = false; // /p or /pt was given
    QStringList printArgs; // what followed /pt
    QString error; // Action::Error: what was wrong
    DensityRequest density; // --density, --bins (with --export) and --density-grid
};

// Parses the arguments after the program name.
CommandLine ParseCommandLine(const QStringList& args);

// The switches of a figure's size and content (CommandLineFigure.cpp):
// true when args[i] is one of --width, --dpi and --fit, with i moved past its
// value; a mistake sets error.
bool TakeFigureSwitch(const QStringList& args, int& i, CommandLine& cmd, QString* error);
// Once every switch is read: what is wrong with their combination, or empty.
QString FigureSwitchError(CommandLine& cmd, bool scaleGiven);
// The lines of --help about them.
QString FigureSwitchUsage();

// The text --help prints.
QString CommandLineUsage();

// Why batch mode cannot write an output of that name (its type is not one
// it knows), or empty when it can.
QString SaveAsOutputError(const QString& output);
QString ExportOutputError(const QString& output);

// Exit statuses of batch mode.
enum BatchExit { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };
