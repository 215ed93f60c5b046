#include "app/DensityCommandLine.h"
#include "app/CommandLine.h"

#include "document/DensitySettings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using Action = CommandLine::Action;

TEST(DensityCommandLineTest, SwitchesGoWithExportOrTheGridAndBadValuesAreUsageErrors)
{
    const CommandLine drawn
        = ParseCommandLine({ "in.csv", "--density", "kernel", "--bins", "50", "--export", "f.pdf" });
    EXPECT_EQ(drawn.action, Action::Export);
    EXPECT_EQ(drawn.density.mode, DensitySettings::Kernel);
    EXPECT_EQ(drawn.density.bins, 50);
    const CommandLine grid = ParseCommandLine({ "in.csv", "--density-grid", "g.CSV", "--bins", "2" });
    EXPECT_EQ(grid.action, Action::DensityGrid);
    EXPECT_EQ(grid.density.gridFile, "g.CSV");
    EXPECT_EQ(grid.density.mode, -1);

    for (const QStringList& args : std::vector<QStringList> {
             { "--density", "fog", "--export", "a.png" },
             { "--density", "off", "--export", "a.png" },
             { "--export", "a.png", "--density" },
             { "--bins", "1", "--export", "a.png" },
             { "--bins", "201", "--export", "a.png" },
             { "--bins", "2.5", "--export", "a.png" },
             { "--density-grid", "g.txt" },
             { "--density", "bins" }, // nothing to draw it into
             { "--save-as", "a.tpf", "--bins", "20" },
             { "--density-grid", "g.csv", "--export", "a.png" },
         }) {
        const CommandLine cmd = ParseCommandLine(args);
        EXPECT_EQ(cmd.action, Action::Error) << args.join(' ').toStdString();
        EXPECT_FALSE(cmd.error.isEmpty());
    }
}

TEST(DensityCommandLineTest, TheGridFileHoldsEveryBinOfTheSamplesAndAFailureNamesItsPath)
{
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    QFile in(input);
    ASSERT_TRUE(in.open(QIODevice::WriteOnly));
    in.write("Sample,SiO2,CaO,MgO\na,50,25,25\nb,10,80,10\nc,1,8,1\nd,-5,50,55\n");
    in.close();

    MessageBoxRecorder boxes;
    const QString output = dir.filePath("grid.csv");
    EXPECT_EQ(RunDensityGrid(input, { -1, 2, output }), ExitOk);
    QFile out(output);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll().toStdString(),
        "SiO2,CaO,MgO,Count\n16.6667,16.6667,66.6667,0\n16.6667,66.6667,16.6667,2\n33.3333,33.3333,33.3333,0\n"
        "66.6667,16.6667,16.6667,1\n");
    out.close();

    const QString folder = dir.filePath("folder.csv");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(RunDensityGrid(input, { DensitySettings::Kernel, 0, folder }), ExitFailure);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains(folder)) << boxes.Texts()[0].toStdString();
}
