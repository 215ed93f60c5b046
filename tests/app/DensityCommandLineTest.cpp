#include "app/DensityCommandLine.h"
#include "app/CommandLine.h"

#include "document/DensitySettings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DensityCommandLineTest, TheGridFileHoldsEveryBinOfTheSamplesAndAFailureNamesItsPath)
{
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    ASSERT_TRUE(WriteFileBytes(input, "Sample,SiO2,CaO,MgO\na,50,25,25\nb,10,80,10\nc,1,8,1\nd,-5,50,55\n"));

    MessageBoxRecorder boxes;
    const QString output = dir.filePath("grid.csv");
    EXPECT_EQ(RunDensityGrid(input, { -1, 2, output }), ExitOk);
    EXPECT_EQ(ReadFileBytes(output),
        "SiO2,CaO,MgO,Count\n16.6667,16.6667,66.6667,0\n16.6667,66.6667,16.6667,2\n33.3333,33.3333,33.3333,0\n"
        "66.6667,16.6667,16.6667,1\n");

    const QString folder = dir.filePath("folder.csv");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(RunDensityGrid(input, { DensitySettings::Kernel, 0, folder }), ExitFailure);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains(folder)) << boxes.Texts()[0].toStdString();
}
