#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace {
using Action = CommandLine::Action;
CommandLine Parse(const std::vector<const char*>& args)
{
    QStringList list;
    for (const char* arg : args)
        list << QString::fromUtf8(arg);
    return ParseCommandLine(list);
}
} // namespace

TEST(CommandLineTest, AFileAloneOpensItInAWindow)
{
    EXPECT_EQ(Parse({}).action, Action::Window);
    const CommandLine cmd = Parse({ "plot.tpf" });
    EXPECT_EQ(cmd.action, Action::Window);
    EXPECT_EQ(cmd.inputFile, "plot.tpf");
}

TEST(CommandLineTest, BatchActionsTakeTheirOutputWithOrWithoutAnInput)
{
    CommandLine cmd = Parse({ "in.tpf", "--save-as", "out.csv" });
    EXPECT_EQ(cmd.action, Action::SaveAs);
    EXPECT_EQ(cmd.inputFile, "in.tpf");
    EXPECT_EQ(cmd.outputFile, "out.csv");

    EXPECT_EQ(Parse({ "--save-as", "OUT.TPF" }).action, Action::SaveAs);
    cmd = Parse({ "--export", "out.png", "--scale", "2.5" });
    EXPECT_EQ(cmd.action, Action::Export);
    EXPECT_TRUE(cmd.inputFile.isEmpty());
    EXPECT_DOUBLE_EQ(cmd.scale, 2.5);
    EXPECT_DOUBLE_EQ(Parse({ "--export", "a.svg" }).scale, 1.0);
}

TEST(CommandLineTest, MistakesAreUsageErrors)
{
    for (auto args : std::vector<std::vector<const char*>> {
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
         }) {
        const CommandLine cmd = Parse(args);
        EXPECT_EQ(cmd.action, Action::Error) << ::testing::PrintToString(args);
        EXPECT_FALSE(cmd.error.isEmpty());
    }
    EXPECT_EQ(Parse({ "x.tpf", "--help" }).action, Action::Help);
}

TEST(CommandLineTest, PrintSwitchesAreRecognisedWithTheirFile)
{
    CommandLine cmd = Parse({ "/p", "plot.tpf" });
    EXPECT_TRUE(cmd.printSwitch);
    EXPECT_EQ(cmd.inputFile, "plot.tpf");

    cmd = Parse({ "/pt", "plot.tpf", "LaserJet", "driver", "port" });
    EXPECT_TRUE(cmd.printSwitch);
    EXPECT_EQ(cmd.inputFile, "plot.tpf");
    EXPECT_EQ(cmd.printArgs, (QStringList { "LaserJet", "driver", "port" }));
}
