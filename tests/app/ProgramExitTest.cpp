// The command line as parsed, and the built program run as a script would
// run it: what it says and returns, in batch mode and when its window cannot
// open.
#include "app/CommandLine.h"
#include "document/DensitySettings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <iterator>

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

TEST(ProgramExitTest, ExitCodesMessagesAndOutputs)
{
    QTemporaryDir dir, dataHome;
    const QString missing = dir.filePath("missing.tpf");
    struct Case {
        QStringList args;
        int exitCode;
        QString said; // in standard output for help, else in standard error; empty: nothing said
        QString output = {}; // a file that must exist only after a success
    };
    const Case cases[] = {
        { { "--help" }, ExitOk, "--export" },
        { { "--save-as", dir.filePath("new.tpf") }, ExitOk, "", dir.filePath("new.tpf") },
        { { "--export", dir.filePath("out.jpg") }, ExitUsage, "out.jpg", dir.filePath("out.jpg") },
        { { missing, "--save-as", dir.filePath("out.tpf") }, ExitFailure, missing, dir.filePath("out.tpf") },
        { { missing }, ExitFailure, missing }, // the window cannot open
        { { "/p", missing }, ExitFailure, "no printer" },
        // In a run over many files each message about an input names it first.
        { { TestDataPath("not-a-plot.tpf"), "--save-as", dir.filePath("empty.tpf") }, ExitOk,
            TestDataPath("not-a-plot.tpf") + ": File does not contain PlotData table \n" },
        { { "--save-as", dir.filePath("dash.tpf"), "--", "-p" }, ExitFailure,
            QDir::current().filePath("-p") + ": Unable to open the file", dir.filePath("dash.tpf") },
    };
    // As under cron or a bare shell: no runtime folder, which Qt remarks on;
    // the desktop registration kept out of the user's data; no print server,
    // so no printer, whatever the machine has.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("XDG_DATA_HOME", dataHome.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("CUPS_SERVER", "/nonexistent/cups.sock");
    for (const Case& c : cases) {
        const std::string label = c.args.join(' ').toStdString();
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(TERNARY_EXECUTABLE, c.args);
        process.closeWriteChannel();
        ASSERT_TRUE(process.waitForFinished(30000)) << label << " hangs";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << label;
        EXPECT_EQ(process.exitCode(), c.exitCode) << label;
        const QString out = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        if (c.args[0] == "--help")
            EXPECT_TRUE(out.contains("--save-as") && out.contains(c.said)) << out.toStdString();
        else if (c.said.isEmpty() || c.exitCode == ExitOk)
            EXPECT_EQ(err.left(c.said.size()), c.said) << "standard error is for the program's own messages";
        else
            EXPECT_TRUE(err.contains(c.said)) << label << ": " << err.toStdString();
        if (!c.output.isEmpty())
            EXPECT_EQ(QFile::exists(c.output), c.exitCode == ExitOk) << label;
        if (!c.output.isEmpty() && c.exitCode == ExitFailure)
            EXPECT_EQ(err.count('\n'), 1) << "a batch message is one line: " << err.toStdString();
    }
}

// Names that are not UTF-8 and a file-size limit, through the shell, which
// passes any bytes and sets the limit.
TEST(ProgramExitTest, NamesThatAreNotUtf8ReachTheirFilesAndAFileSizeLimitFailsWithAMessage)
{
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFileBytes(dir.filePath("old.tpf"), "old"));
    const QString plot = TestDataPath("busy.saved.tpf");
    const struct {
        QString script;
        int exitCode;
        QString err;
    } cases[] = {
        { "exec \"$0\" --save-as \"$(printf 'lat\\351.tpf')\"", ExitOk, "" },
        { "cp " + plot
                + " \"$(printf 'in\\351.tpf')\"; exec \"$0\" \"$(printf 'in\\351.tpf')\" --save-as "
                  "\"$(printf 'out\\351.tpf')\"",
            ExitOk, "" },
        { "exec \"$0\" \"$(printf 'gone\\351.tpf')\" --save-as new.tpf", ExitFailure,
            dir.filePath("gone\\xE9.tpf") + ": Unable to open the file \"" + dir.filePath("gone\\xE9.tpf")
                + "\". The file does not exist.\n" },
        { "ulimit -f 1; exec \"$0\" " + plot + " --save-as old.tpf", ExitFailure,
            "Unable to save the file \"" + dir.filePath("old.tpf") + "\". File too large\n" },
    };
    for (const auto& c : cases) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        process.start("/bin/sh", { "-c", c.script, TERNARY_EXECUTABLE });
        ASSERT_TRUE(process.waitForFinished(30000)) << c.script.toStdString();
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.script.toStdString();
        EXPECT_EQ(process.exitCode(), c.exitCode) << c.script.toStdString();
        EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), c.err);
    }
    EXPECT_EQ(ReadFileBytes(dir.filePath("old.tpf")), "old");
    // Each file went under the very bytes it was given, and nothing under another name.
    EXPECT_EQ(
        RawFileNames(dir.path()), (std::vector<std::string> { "in\xE9.tpf", "lat\xE9.tpf", "old.tpf", "out\xE9.tpf" }));
    std::ifstream copy(QFile::encodeName(dir.path()).toStdString() + "/out\xE9.tpf", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), ReadFileBytes(plot));
}
