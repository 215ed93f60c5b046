#include "app/Batch.h"
#include "app/CommandLine.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

// What RunSaveAs returns and prints to standard error.
struct BatchRun {
    int exit = -1;
    std::string err;
};

BatchRun SaveAs(const QString& input, const QString& output)
{
    QTemporaryFile capture;
    capture.open();
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(capture.handle(), STDERR_FILENO);
    BatchRun run;
    run.exit = RunSaveAs(input, output);
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    run.err = ReadFileBytes(capture.fileName());
    return run;
}

} // namespace

TEST(SaveAsBatchTest, ANewDocumentSavesToTheStandardFile)
{
    QTemporaryDir dir;
    const BatchRun run = SaveAs({}, dir.filePath("new.tpf"));
    EXPECT_EQ(run.exit, ExitOk);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFileBytes(dir.filePath("new.tpf")), ReadFileBytes(TestDataPath("new-document.tpf")));
}

TEST(SaveAsBatchTest, ConvertsAFileAndReportsMissingTablesOnePerLine)
{
    QTemporaryDir dir;
    BatchRun run = SaveAs(TestDataPath("second-form.tpf"), dir.filePath("out.TPF"));
    EXPECT_EQ(run.exit, ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("out.TPF")), ReadFileBytes(TestDataPath("second-form.saved.tpf")));

    run = SaveAs(TestDataPath("not-a-plot.tpf"), dir.filePath("empty.tpf"));
    EXPECT_EQ(run.exit, ExitOk);
    EXPECT_EQ(run.err,
        "File does not contain PlotData table \nFile does not contain AxisData table \n"
        "File does not contain PlotOptions table \n");
}

TEST(SaveAsBatchTest, WritesTheSamplesAsCsv)
{
    QTemporaryDir dir;
    const BatchRun run = SaveAs(TestDataPath("odd-cases.tpf"), dir.filePath("samples.csv"));
    EXPECT_EQ(run.exit, ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("samples.csv")),
        "Sample,\"Apex, upper\",,Right side,Color,Symbol\n"
        "Empty top,,50,50,3,2\n"
        "After end,30,30,40,1,1\n"
        "Seven,10,20,70,0,1\n");
}

TEST(SaveAsBatchTest, AnUnreadableInputWritesNothing)
{
    QTemporaryDir dir;
    for (const QString& input : { dir.filePath("missing.tpf"), dir.path() }) {
        const BatchRun run = SaveAs(input, dir.filePath("out.tpf"));
        EXPECT_EQ(run.exit, ExitFailure);
        EXPECT_NE(run.err.find("Unable to open the file"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_FALSE(QFile::exists(dir.filePath("out.tpf")));
    }
}

TEST(SaveAsBatchTest, AnUnwritableOutputLeavesTheOldFile)
{
    QTemporaryDir dir;
    for (const char* name : { "old.tpf", "old.csv" }) {
        // A folder in place of the output's folder makes every write fail.
        const QString path = dir.filePath(QStringLiteral("old.d/") + name);
        const BatchRun missingFolder = SaveAs({}, path);
        EXPECT_EQ(missingFolder.exit, ExitFailure);
        EXPECT_NE(missingFolder.err.find("Unable to save the file"), std::string::npos);

        QDir(dir.path()).mkdir(name);
        const BatchRun isFolder = SaveAs({}, dir.filePath(name));
        EXPECT_EQ(isFolder.exit, ExitFailure) << name;
        EXPECT_TRUE(QFileInfo(dir.filePath(name)).isDir());
    }
}

TEST(SaveAsBatchTest, AnUnknownOutputTypeIsAUsageError)
{
    QTemporaryDir dir;
    const BatchRun run = SaveAs(TestDataPath("second-form.tpf"), dir.filePath("out.xlsx"));
    EXPECT_EQ(run.exit, ExitUsage);
    EXPECT_NE(run.err.find("out.xlsx"), std::string::npos);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.xlsx")));
}
