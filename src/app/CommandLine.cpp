#include "app/CommandLine.h"

#include <QFileInfo>

namespace {
bool HasSuffix(const QString& path, std::initializer_list<const char*> suffixes)
{
    const QString suffix = QFileInfo(path).suffix();
    for (const char* wanted : suffixes)
        if (suffix.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}
} // namespace

CommandLine ParseCommandLine(const QStringList& args)
{
    CommandLine cmd;
    auto fail = [&cmd](const QString& message) {
        cmd.action = CommandLine::Action::Error;
        cmd.error = message;
        return cmd;
    };
    bool scaleGiven = false;
    bool optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool option = !optionsEnded;
        if (option && arg == "--") {
            optionsEnded = true; // what follows is a file name, whatever it starts with
            continue;
        }
        if (option && (arg == "--help" || arg == "-h")) {
            cmd.action = CommandLine::Action::Help;
            return cmd;
        }
        if (option && (arg == "--save-as" || arg == "--export")) {
            if (cmd.action != CommandLine::Action::Window)
                return fail(QStringLiteral("Only one of --save-as and --export may be given."));
            if (i + 1 >= args.size())
                return fail(QStringLiteral("%1 needs an output file name.").arg(arg));
            cmd.action = arg == "--save-as" ? CommandLine::Action::SaveAs : CommandLine::Action::Export;
            cmd.outputFile = args[++i];
        } else if (option && arg == "--classify") {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--classify needs usda-texture, qap or a field file."));
            cmd.classify = args[++i];
        } else if (option && arg == "--scale") {
            if (i + 1 >= args.size())
                return fail(QStringLiteral("--scale needs a number from 0.25 to 8."));
            bool ok = false;
            cmd.scale = args[++i].toDouble(&ok);
            if (!ok || !(cmd.scale >= 0.25 && cmd.scale <= 8.0))
                return fail(QStringLiteral("--scale needs a number from 0.25 to 8, not \"%1\".").arg(args[i]));
            scaleGiven = true;
        } else if (QString error; option && TakeFigureSwitch(args, i, cmd, &error)) {
            if (!error.isEmpty())
                return fail(error);
        } else if (option
            && (arg.compare("/p", Qt::CaseInsensitive) == 0 || arg.compare("-p", Qt::CaseInsensitive) == 0)) {
            cmd.printSwitch = true;
        } else if (option
            && (arg.compare("/pt", Qt::CaseInsensitive) == 0 || arg.compare("-pt", Qt::CaseInsensitive) == 0)) {
            cmd.printSwitch = true;
            // /pt FILE PRINTER [DRIVER [PORT]]: the file comes first, the rest names the printer.
            if (i + 1 < args.size() && cmd.inputFile.isEmpty())
                cmd.inputFile = args[++i];
            while (i + 1 < args.size() && !args[i + 1].startsWith("--"))
                cmd.printArgs << args[++i];
        } else if (const auto densityError = option ? ParseDensityArgument(args, i, cmd.density) : std::nullopt) {
            if (!densityError->isEmpty())
                return fail(*densityError);
        } else if (option && arg.startsWith("--")) {
            return fail(QStringLiteral("Unknown option \"%1\".").arg(arg));
        } else {
            if (!cmd.inputFile.isEmpty())
                return fail(
                    QStringLiteral("Only one file may be given, not \"%1\" and \"%2\".").arg(cmd.inputFile, arg));
            cmd.inputFile = arg;
        }
    }
    if (scaleGiven && cmd.action != CommandLine::Action::Export)
        return fail(QStringLiteral("--scale goes with --export."));
    if (!cmd.classify.isEmpty() && cmd.action != CommandLine::Action::SaveAs
        && cmd.action != CommandLine::Action::Export)
        return fail(QStringLiteral("--classify goes with --save-as or --export."));
    if (!cmd.density.gridFile.isEmpty()) {
        if (cmd.action != CommandLine::Action::Window || cmd.printSwitch)
            return fail(QStringLiteral("--density-grid goes without --save-as, --export and printing."));
        cmd.action = CommandLine::Action::DensityGrid;
    }
    if (cmd.density.ChoosesDensity() && cmd.action != CommandLine::Action::Export
        && cmd.action != CommandLine::Action::DensityGrid)
        return fail(QStringLiteral("--density and --bins go with --export or --density-grid."));
    if (cmd.density.hideSamples && cmd.action != CommandLine::Action::Export)
        return fail(QStringLiteral("--hide-samples goes with --export."));
    if (const QString error = FigureSwitchError(cmd, scaleGiven); !error.isEmpty())
        return fail(error);
    QString outputError;
    if (cmd.action == CommandLine::Action::SaveAs)
        outputError = SaveAsOutputError(cmd.outputFile);
    else if (cmd.action == CommandLine::Action::Export)
        outputError = ExportOutputError(cmd.outputFile);
    return outputError.isEmpty() ? cmd : fail(outputError);
}

QString SaveAsOutputError(const QString& output)
{
    if (HasSuffix(output, { "tpf", "csv" }))
        return {};
    return QStringLiteral("Cannot save as \"%1\": the name must end in .tpf or .csv.").arg(output);
}

QString ExportOutputError(const QString& output)
{
    if (HasSuffix(output, { "png", "svg", "pdf" }))
        return {};
    return QStringLiteral("Cannot export to \"%1\": the name must end in .png, .svg or .pdf.").arg(output);
}

QString CommandLineUsage()
{
    return QStringLiteral(
        "Usage: ternary [FILE.tpf|FILE.csv]\n"
        "       ternary [IN.tpf|IN.csv] --save-as OUT.tpf|OUT.csv\n"
        "       ternary [IN.tpf|IN.csv] --export OUT.png|OUT.svg|OUT.pdf [--scale S | --width W] [--dpi D] [--fit]\n"
        "               [--density bins|kernel] [--bins N] [--hide-samples]\n"
        "       either of the two with --classify usda-texture|qap|FIELDS.csv\n"
        "       ternary [IN.tpf|IN.csv] --density-grid OUT.csv [--density bins|kernel] [--bins N]\n"
        "       ternary /p IN.tpf | /pt IN.tpf PRINTER\n"
        "\n"
        "Without options, opens FILE (or a new plot) in a window. An input ending in .csv, .tsv or\n"
        "  .txt holds samples (name, top, left, right, Color, Symbol) and opens as a new plot.\n"
        "  --save-as OUT   open IN (or start a new plot) and save it as OUT without a window;\n"
        "                  OUT.tpf is a plot file, OUT.csv the samples as comma-separated values\n"
        "  --export OUT    draw IN (or a new plot) into a PNG, SVG or PDF picture without a window\n"
        "  --scale S       with --export to PNG: multiply the picture's size by S (0.25 to 8, default 1)\n"
        "  --classify D    with --save-as or --export: classify the samples by the USDA soil texture\n"
        "                  triangle, the QAP diagram or the fields of a CSV file (Field,Top,Left,Right);\n"
        "                  OUT.csv gets a Class column, a plot file or a picture the diagram's fields\n"
        "  --density D     with --export or --density-grid: draw bin counts (bins) or a kernel\n"
        "                  density (kernel) under the samples, whatever the plot file says\n"
        "  --bins N        bins a side for --density, 2 to 200 (default 20)\n"
        "  --hide-samples  with --export: draw the density (or the plot) without the samples, as the\n"
        "                  Density page's \"Show samples\" switched off does\n"
        "  --density-grid OUT.csv  write every bin of the density (centre and count or density)\n"
        "%1"
        "  /p, /pt         print IN on the default printer, or on the named one, without a window\n"
        "  --help          show this text\n"
        "  --              end of the options: what follows is a file name, even one like -p or --x.tpf\n"
        "\n"
        "Exit status: 0 done, 1 a file could not be read or written or no such printer, 2 a usage error.\n")
        .arg(FigureSwitchUsage());
}
