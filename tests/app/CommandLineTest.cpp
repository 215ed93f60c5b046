#include "app/CommandLine.h"

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
    const Case cases[] = {
        { { "plot.tpf" }, Action::Window, "plot.tpf", "" },
        { { "in.tpf", "--save-as", "out.csv" }, Action::SaveAs, "in.tpf", "out.csv" },
        { { "--export", "out.png", "--scale", "2.5" }, Action::Export, "", "out.png", 2.5 },
    };
    for (const Case& c : cases) {
        const CommandLine cmd = ParseCommandLine(c.args);
        const std::string label = c.args.join(' ').toStdString();
        EXPECT_EQ(cmd.action, c.action) << label;
        EXPECT_EQ(cmd.inputFile, c.input) << label;
        EXPECT_EQ(cmd.outputFile, c.output) << label;
        EXPECT_DOUBLE_EQ(cmd.scale, c.scale) << label;
    }
    // /pt FILE PRINTER DRIVER PORT
    const CommandLine print = ParseCommandLine({ "/pt", "plot.tpf", "LaserJet", "driver", "port" });
    EXPECT_TRUE(print.printSwitch);
    EXPECT_EQ(print.inputFile, "plot.tpf");
    EXPECT_EQ(print.printArgs, (QStringList { "LaserJet", "driver", "port" }));
    EXPECT_EQ(ParseCommandLine({ "in.csv", "--classify", "qap", "--export", "o.png" }).classify, "qap");
}

TEST(CommandLineTest, MistakesAreUsageErrors)
{
    for (const QStringList& args : std::vector<QStringList> {
             { "--save-as" },
             { "--export", "a.png", "--scale", "9" },
             { "--export", "a.png", "--scale", "0.2" },
             { "--export", "a.png", "--scale", "big" },
             { "--save-as", "a.tpf", "--scale", "2" },
             { "--save-as", "a.tpf", "--export", "b.png" },
             { "a.tpf", "b.tpf" },
             { "--frobnicate" },
             { "--save-as", "out.txt" },
             { "--save-as", "noextension" },
             { "--export", "out.jpg" },
             { "in.csv", "--classify", "qap" },
             { "--save-as", "o.csv", "--classify" },
         }) {
        const CommandLine cmd = ParseCommandLine(args);
        EXPECT_EQ(cmd.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(cmd.error.isEmpty());
    }
}
