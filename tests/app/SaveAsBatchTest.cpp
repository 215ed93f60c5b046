#include "app/Batch.h"
#include "app/CommandLine.h"

#include "document/CTernaryDoc.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// What RunSaveAs returns and says (the program prints each message to
// standard error), the messages ended by a line break.
struct BatchRun {
    int exit = -1;
    std::string err;
    std::size_t messages = 0;
};

BatchRun SaveAs(const QString& input, const QString& output)
{
    MessageBoxRecorder boxes;
    BatchRun run { RunSaveAs(input, output), {}, boxes.Boxes().size() };
    for (const QString& text : boxes.Texts())
        run.err += text.toStdString() + "\n";
    return run;
}

} // namespace

TEST(SaveAsBatchTest, WritesTheGoldenFilesAndSaysWhatIsMissing)
{
    QTemporaryDir dir;
    const struct {
        QString input;
        const char* output;
        std::string bytes; // empty: not compared
        std::string err;
    } cases[] = {
        { "", "new.tpf", ReadFileBytes(TestDataPath("new-document.tpf")), "" },
        { TestDataPath("second-form.tpf"), "out.TPF", ReadFileBytes(TestDataPath("second-form.saved.tpf")), "" },
        { TestDataPath("not-a-plot.tpf"), "empty.tpf", "",
            "File does not contain PlotData table \nFile does not contain AxisData table \n"
            "File does not contain PlotOptions table \n" },
        { TestDataPath("odd-cases.tpf"), "samples.csv",
            "Sample,\"Apex, upper\",,Right side,Color,Symbol\n"
            "Empty top,,50,50,3,2\n"
            "After end,30,30,40,1,1\n"
            "Seven,10,20,70,0,1\n",
            "The PlotData table has rows this plot cannot hold: 4 rows had no row number from 1 to 1000000.\n" },
    };
    for (const auto& c : cases) {
        const BatchRun run = SaveAs(c.input, dir.filePath(c.output));
        EXPECT_EQ(run.exit, ExitOk) << c.output;
        EXPECT_EQ(run.err, c.err);
        if (!c.bytes.empty())
            EXPECT_EQ(ReadFileBytes(dir.filePath(c.output)), c.bytes) << c.output;
    }
}

TEST(SaveAsBatchTest, ACsvRoundTripKeepsSamplesAndTitlesAndExportsTheSamePicture)
{
    QTemporaryDir dir;
    {
        MessageBoxRecorder quiet;
        CTernaryDoc doc;
        doc.OnNewDocument();
        doc.m_topAxis.SetTitle("2024");
        doc.m_leftAxis.SetTitle("Fsp, \"alkali\"");
        doc.m_rightAxis.SetTitle("+Qz ");
        doc.GetSample(2).name = "Shale, grey";
        doc.GetSample(9) = doc.GetSample(1);
        doc.GetSample(9).row = 9;
        doc.GetSample(9).colorId = 15;
        const char* names[] = { "=SUM(A1)", "-1", "@x", "'=y", "\tz", "'a", "only a name" };
        for (int i = 0; i < 7; ++i) {
            SampleRecord& sample = doc.GetSample(10 + i);
            sample.name = names[i];
            sample.row = 10 + i;
            if (i < 6)
                sample.top = static_cast<float>(-i);
        }
        ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("x.tpf")));
    }
    EXPECT_EQ(SaveAs(dir.filePath("x.tpf"), dir.filePath("x.csv")).exit, ExitOk);
    // Spreadsheets show the formula-like texts as text; numbers stay numbers.
    EXPECT_EQ(ReadFileBytes(dir.filePath("x.csv")),
        "Sample,2024,\"Fsp, \"\"alkali\"\"\",\"'+Qz \",Color,Symbol\n"
        "Spl#1,20,30,50,3,0\n"
        "\"Shale, grey\",10,70,20,1,3\n"
        "Spl#1,20,30,50,15,0\n"
        "\"'=SUM(A1)\",0,,,,\n\"'-1\",-1,,,,\n\"'@x\",-2,,,,\n\"''=y\",-3,,,,\n\"'\tz\",-4,,,,\n'a,-5,,,,\n"
        "only a name,,,,,\n");
    const BatchRun back = SaveAs(dir.filePath("x.csv"), dir.filePath("y.tpf"));
    EXPECT_EQ(back.exit, ExitOk);
    EXPECT_EQ(back.err, "");
    EXPECT_EQ(SaveAs(dir.filePath("y.tpf"), dir.filePath("y.csv")).exit, ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("y.csv")), ReadFileBytes(dir.filePath("x.csv")));

    EXPECT_EQ(RunExport(dir.filePath("x.csv"), dir.filePath("csv.png"), 1), ExitOk);
    EXPECT_EQ(RunExport(dir.filePath("y.tpf"), dir.filePath("tpf.png"), 1), ExitOk);
    EXPECT_EQ(QImage(dir.filePath("csv.png")), QImage(dir.filePath("tpf.png")));
}

TEST(SaveAsBatchTest, LongTextsAreCutToWhatThePlotFileReadsBackAndSaveAgainGivesTheSameBytes)
{
    QTemporaryDir dir;
    std::string name;
    for (int i = 0; i < 1000; ++i)
        name += "\xC3\xA9"; // 2,000 bytes; 1,022 of them are whole characters within 1,023
    const QString csv = dir.filePath("long.csv");
    ASSERT_TRUE(WriteFileBytes(csv, "Sample,T,L,R,Color,Symbol\n" + name + ",1,2,97,,\n"));
    EXPECT_EQ(SaveAs(csv, dir.filePath("a.tpf")).err,
        "Read 1 sample from \"" + csv.toStdString()
            + "\".\n1 text was longer than a plot file holds and was cut to its first 1,023 bytes.\n");
    const std::string saved = ReadFileBytes(dir.filePath("a.tpf"));
    EXPECT_NE(saved.find("ROW=" + name.substr(0, 1022) + ";1.000;"), std::string::npos);

    {
        // However a longer text reached a document, the file holds what it reads back.
        MessageBoxRecorder quiet;
        CTernaryDoc doc;
        doc.OnNewDocument();
        doc.GetSample(1).name.assign(5000, 'n');
        doc.m_legend.Item(0).text.assign(5000, 'l');
        doc.m_topAxis.SetTitle(std::string(5000, 't'));
        ASSERT_TRUE(doc.OnSaveDocument(dir.filePath("c.tpf")));
    }
    for (const char* file : { "a.tpf", "c.tpf" }) {
        EXPECT_EQ(SaveAs(dir.filePath(file), dir.filePath("again.tpf")).err, "");
        EXPECT_EQ(ReadFileBytes(dir.filePath("again.tpf")), ReadFileBytes(dir.filePath(file))) << file;
    }
}

TEST(SaveAsBatchTest, FailuresSayWhyAndWriteNothing)
{
    QTemporaryDir dir;
    // A folder where the output or the output's folder should be makes the write fail.
    QDir(dir.path()).mkdir("folder.csv");
    ASSERT_TRUE(WriteFileBytes(dir.filePath("words.csv"), "no,samples\nhere\n"));
    const struct {
        QString input;
        QString output;
        int exit;
        QString said;
    } cases[] = {
        { dir.filePath("missing.tpf"), dir.filePath("out.tpf"), ExitFailure,
            "Unable to open the file \"" + dir.filePath("missing.tpf") + "\".\nThe file does not exist." },
        { dir.path(), dir.filePath("out.tpf"), ExitFailure, "Unable to open the file \"" + dir.path() + "\"" },
        { dir.filePath("words.csv"), dir.filePath("out.tpf"), ExitFailure,
            dir.filePath("words.csv") + "\" holds no samples" },
        { "", dir.filePath("none/out.tpf"), ExitFailure, "Unable to save the file \"" + dir.filePath("none/out.tpf") },
        { "", dir.filePath("folder.csv"), ExitFailure, "Unable to save the file \"" + dir.filePath("folder.csv") },
        { TestDataPath("second-form.tpf"), dir.filePath("out.xlsx"), ExitUsage, dir.filePath("out.xlsx") },
    };
    for (const auto& c : cases) {
        const BatchRun run = SaveAs(c.input, c.output);
        EXPECT_EQ(run.exit, c.exit) << c.output;
        EXPECT_NE(run.err.find(c.said.toStdString()), std::string::npos) << run.err;
        EXPECT_EQ(run.messages, 1u) << run.err;
        EXPECT_FALSE(QFileInfo(c.output).isFile()) << c.output;
    }
}
