#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "support/TestSupport.h"

#include <QImage>

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

TEST(SaveAsBatchTest, ACsvRoundTripKeepsSamplesAndTitlesAndExportsTheSamePicture)
{
    QTemporaryDir dir;
    {
        MessageBoxRecorder quiet;
        CTernaryDoc doc;
        doc.OnNewDocument();
        doc.m_leftAxis.SetTitle("Fsp, \"alkali\"");
        doc.GetSample(2).name = "Shale, grey";
        doc.GetSample(9) = doc.GetSample(1);
        doc.GetSample(9).row = 9;
        doc.GetSample(9).colorId = 15;
        ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("x.tpf")));
    }
    EXPECT_EQ(SaveAs(dir.filePath("x.tpf"), dir.filePath("x.csv")).exit, ExitOk);
    const BatchRun back = SaveAs(dir.filePath("x.csv"), dir.filePath("y.tpf"));
    EXPECT_EQ(back.exit, ExitOk);
    EXPECT_EQ(back.err, "");
    EXPECT_EQ(SaveAs(dir.filePath("y.tpf"), dir.filePath("y.csv")).exit, ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("y.csv")), ReadFileBytes(dir.filePath("x.csv")));

    EXPECT_EQ(RunExport(dir.filePath("x.csv"), dir.filePath("csv.png"), 1), ExitOk);
    EXPECT_EQ(RunExport(dir.filePath("y.tpf"), dir.filePath("tpf.png"), 1), ExitOk);
    EXPECT_EQ(QImage(dir.filePath("csv.png")), QImage(dir.filePath("tpf.png")));

    ASSERT_TRUE(WriteFileBytes(dir.filePath("words.csv"), "no,samples\nhere\n"));
    const BatchRun refused = SaveAs(dir.filePath("words.csv"), dir.filePath("z.tpf"));
    EXPECT_EQ(refused.exit, ExitFailure);
    EXPECT_NE(refused.err.find("holds no samples"), std::string::npos) << refused.err;
    EXPECT_FALSE(QFile::exists(dir.filePath("z.tpf")));
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
