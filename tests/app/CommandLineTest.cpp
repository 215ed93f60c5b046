#include "app/CommandLine.h"

#include "document/DensitySettings.h"

#include <gtest/gtest.h>

using Action = CommandLine::Action;

TEST(CommandLineTest, ActionsTakeTheirFiles)
{
    struct Case {
        QStringList args;
        Action action;
        QString input;
        QString output;
        double scale = 1.0;
    };
    const Case cases[] = { { { "plot.tpf" }, Action::Window, "plot.tpf", "" },
        { { "in.tpf", "--save-as", "out.csv" }, Action::SaveAs, "in.tpf", "out.csv" },
        { { "--export", "out.png", "--scale", "0.25" }, Action::Export, "", "out.png", 0.25 },
        { { "--export", "out.png", "--scale", "8" }, Action::Export, "", "out.png", 8 },
        { { "--save-as", "out.tpf", "--", "-p" }, Action::SaveAs, "-p", "out.tpf" },
        { { "--", "--x.tpf" }, Action::Window, "--x.tpf", "" }, { { "--", "--" }, Action::Window, "--", "" } };
    for (const Case& c : cases) {
        const CommandLine cmd = ParseCommandLine(c.args);
        const std::string label = c.args.join(' ').toStdString();
        EXPECT_EQ(std::tuple(cmd.action, cmd.inputFile, cmd.outputFile, cmd.scale),
            std::tuple(c.action, c.input, c.output, c.scale))
            << label;
    }
    // /p FILE and /pt FILE PRINTER DRIVER PORT, each also with a dash, in any case.
    for (const QStringList& args : std::vector<QStringList> { { "/pt", "plot.tpf", "LaserJet", "driver", "port" },
             { "-PT", "plot.tpf", "LaserJet", "driver", "port" }, { "/P", "plot.tpf" }, { "-p", "plot.tpf" } }) {
        const CommandLine print = ParseCommandLine(args);
        EXPECT_EQ(std::tuple(print.action, print.printSwitch, print.inputFile, print.printArgs),
            std::tuple(Action::Window, true, QString("plot.tpf"), args.mid(2)))
            << args.join(' ').toStdString();
    }
    EXPECT_EQ(ParseCommandLine({ "in.csv", "--classify", "qap", "--export", "o.png" }).classify, "qap");
    const CommandLine drawn
        = ParseCommandLine({ "in.csv", "--density", "kernel", "--bins", "200", "--export", "f.pdf", "--hide-samples" });
    EXPECT_EQ(std::tuple(drawn.action, drawn.density.mode, drawn.density.bins, drawn.density.hideSamples),
        std::tuple(Action::Export, int(DensitySettings::Kernel), 200, true));
    const CommandLine grid = ParseCommandLine({ "in.csv", "--density-grid", "g.CSV", "--bins", "2" });
    EXPECT_EQ(std::tuple(grid.action, grid.density.gridFile, grid.density.mode),
        std::tuple(Action::DensityGrid, QString("g.CSV"), -1));
}

TEST(CommandLineTest, MistakesAreUsageErrors)
{
    for (const QStringList& args : std::vector<QStringList> { { "--save-as" }, { "--export", "a.png", "--scale", "9" },
             { "--export", "a.png", "--scale", "0.2" }, { "--export", "a.png", "--scale", "big" },
             { "--save-as", "a.tpf", "--scale", "2" }, { "--save-as", "a.tpf", "--export", "b.png" },
             { "a.tpf", "b.tpf" }, { "--", "a.tpf", "--save-as", "b.tpf" }, { "--frobnicate" },
             { "/pt", "a.tpf", "Office", "--frobnicate" }, { "--save-as", "out.txt" }, { "--save-as", "noextension" },
             { "--export", "out.jpg" }, { "in.csv", "--classify", "qap" }, { "--save-as", "o.csv", "--classify" },
             // Figure sizes out of range or without a picture to size.
             { "--export", "a.pdf", "--width", "9.9mm" }, { "--export", "a.pdf", "--width", "2000.1mm" },
             { "--export", "a.pdf", "--width", "0.39in" }, { "--export", "a.pdf", "--width", "78.75in" },
             { "--export", "a.png", "--width", "9px" }, { "--export", "a.png", "--width", "20001px" },
             { "--export", "a.png", "--width", "84" }, { "--export", "a.png", "--width", "8.4cm" },
             { "--export", "a.png", "--width" }, { "--export", "a.png", "--dpi", "49" },
             { "--export", "a.png", "--dpi", "2401" }, { "--export", "a.png", "--dpi", "high" },
             { "--export", "a.png", "--width", "254.1mm", "--dpi", "2000" }, // 20,009 pixels
             { "--export", "a.png", "--width", "84mm", "--scale", "2" },
             { "--export", "a.png", "--scale", "2", "--dpi", "300" }, { "--save-as", "a.tpf", "--fit" },
             { "a.tpf", "--width", "84mm" },
             // Density switches with bad values or nothing to draw into.
             { "--density", "fog", "--export", "a.png" }, { "--density", "off", "--export", "a.png" },
             { "--export", "a.png", "--density" }, { "--bins", "1", "--export", "a.png" },
             { "--bins", "201", "--export", "a.png" }, { "--bins", "2.5", "--export", "a.png" },
             { "--density-grid", "g.txt" }, { "--density", "bins" }, { "--save-as", "a.tpf", "--bins", "20" },
             { "--density-grid", "g.csv", "--export", "a.png" }, { "--save-as", "a.tpf", "--hide-samples" } }) {
        const CommandLine cmd = ParseCommandLine(args);
        EXPECT_EQ(cmd.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(cmd.error.isEmpty());
    }
}

TEST(CommandLineTest, FigureSwitchesTakeSizesInRangeOnly)
{
    using Unit = PictureSize::Unit;
    struct Case {
        QStringList args;
        Unit unit;
        double width;
        double dpi;
        bool fit = false;
    };
    const Case accepted[] = { { { "--export", "a.pdf", "--width", "10mm" }, Unit::Millimetres, 10, 0 },
        { { "--export", "a.pdf", "--width", "2000mm", "--fit" }, Unit::Millimetres, 2000, 0, true },
        { { "--fit", "--export", "a.svg", "--width", "3.5in" }, Unit::Inches, 3.5, 0, true },
        { { "--export", "a.png", "--width", "10px", "--dpi", "50" }, Unit::Pixels, 10, 50 },
        { { "--export", "a.png", "--width", "20000PX", "--dpi", "2400" }, Unit::Pixels, 20000, 2400 },
        { { "--export", "a.png", "--width", "254 mm", "--dpi", "2000" }, Unit::Millimetres, 254, 2000 },
        { { "--export", "a.png", "--dpi", "600" }, Unit::Natural, 0, 600 } };
    for (const Case& c : accepted) {
        const CommandLine cmd = ParseCommandLine(c.args);
        const std::string label = c.args.join(' ').toStdString();
        ASSERT_EQ(cmd.action, Action::Export) << label << ": " << cmd.error.toStdString();
        EXPECT_EQ(std::tuple(cmd.picture.unit, cmd.picture.width, cmd.picture.dpi, cmd.fit),
            std::tuple(c.unit, c.width, c.dpi, c.fit))
            << label;
    }
}
