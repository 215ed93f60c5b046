// What the command line writes without a window: plot files and CSV
// (golden files, the CSV round trip, classes), density grids, the failures
// and a disk that fills up half way.
#include "app/Batch.h"
#include "app/CommandLine.h"
#include "app/DensityCommandLine.h"

#include "document/CTernaryDoc.h"
#include "document/DensitySettings.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <string>

#include <gtest/gtest.h>

namespace {

using Runner = std::function<int(const QString& input, const QString& output)>;
int RunSaveAsOnly(const QString& input, const QString& output) { return RunSaveAs(input, output); }

// What a batch run returns and says (the program prints each message to
// standard error), the messages ended by a line break.
struct BatchRun {
    int exit = -1;
    std::string err;
    std::size_t messages = 0;
};

BatchRun Outcome(const Runner& run, const QString& input, const QString& output)
{
    MessageBoxRecorder boxes;
    BatchRun result { run(input, output), {}, boxes.Boxes().size() };
    for (const QString& text : boxes.Texts())
        result.err += text.toStdString() + "\n";
    return result;
}

BatchRun SaveAs(const QString& input, const QString& output) { return Outcome(RunSaveAsOnly, input, output); }

constexpr const char* kSoils = "Sample,Clay,Sand,Silt\n"
                               "On a line,27,45,28\n"
                               "Doubled,54,90,56\n"
                               "Sandy,5,90,5\n";

} // namespace

TEST(BatchOutputTest, WritesTheGoldenFilesAndSaysWhatIsMissing)
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

TEST(BatchOutputTest, ACsvRoundTripKeepsSamplesAndTitlesAndExportsTheSamePicture)
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

TEST(BatchOutputTest, LongTextsAreCutToWhatThePlotFileReadsBackAndSaveAgainGivesTheSameBytes)
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

TEST(BatchOutputTest, FailuresSayWhyAndWriteNothing)
{
    QTemporaryDir dir;
    // A folder where the output or the output's folder should be makes the write fail.
    QDir(dir.path()).mkdir("folder.csv");
    ASSERT_TRUE(WriteFileBytes(dir.filePath("words.csv"), "no,samples\nhere\n"));
    const Runner exportAt1 = [](const QString& in, const QString& out) { return RunExport(in, out, 1.0); };
    const Runner exportAt9 = [](const QString& in, const QString& out) { return RunExport(in, out, 9.0); };
    const Runner grid = [](const QString& in, const QString& out) { return RunDensityGrid(in, { -1, 0, out }); };
    const QString noFields = dir.filePath("missing.csv");
    const Runner classify = [&noFields](const QString& in, const QString& out) { return RunSaveAs(in, out, noFields); };
    const struct {
        QString input;
        QString output;
        int exit;
        QString said;
        Runner run = RunSaveAsOnly;
    } cases[] = {
        { dir.filePath("missing.tpf"), dir.filePath("out.tpf"), ExitFailure,
            "Unable to open the file \"" + dir.filePath("missing.tpf") + "\".\nThe file does not exist." },
        { dir.path(), dir.filePath("out.tpf"), ExitFailure, "Unable to open the file \"" + dir.path() + "\"" },
        { dir.filePath("words.csv"), dir.filePath("out.tpf"), ExitFailure,
            dir.filePath("words.csv") + "\" holds no samples" },
        { "", dir.filePath("none/out.tpf"), ExitFailure, "Unable to save the file \"" + dir.filePath("none/out.tpf") },
        { "", dir.filePath("folder.csv"), ExitFailure, "Unable to save the file \"" + dir.filePath("folder.csv") },
        { TestDataPath("second-form.tpf"), dir.filePath("out.xlsx"), ExitUsage, dir.filePath("out.xlsx") },
        { dir.filePath("missing.tpf"), dir.filePath("out.png"), ExitFailure, dir.filePath("missing.tpf"), exportAt1 },
        { "", dir.filePath("out.png"), ExitUsage, "--scale needs a number from 0.25 to 8.", exportAt9 },
        { "", dir.filePath("folder.csv"), ExitFailure, "Unable to write the file \"" + dir.filePath("folder.csv"),
            grid },
        { "", dir.filePath("none.csv"), ExitFailure, noFields, classify },
    };
    for (const auto& c : cases) {
        const BatchRun run = Outcome(c.run, c.input, c.output);
        EXPECT_EQ(run.exit, c.exit) << c.output;
        EXPECT_NE(run.err.find(c.said.toStdString()), std::string::npos) << run.err;
        EXPECT_EQ(run.messages, 1u) << run.err;
        EXPECT_FALSE(QFileInfo(c.output).isFile()) << c.output;
    }
}

TEST(BatchOutputTest, SaveAsAddsTheClassColumnAndThePlotKeepsTheDiagram)
{
    QTemporaryDir dir;
    const QString soils = dir.filePath("soils.csv");
    const QString fields = dir.filePath("fields.csv");
    ASSERT_TRUE(WriteFileBytes(soils, kSoils));
    ASSERT_TRUE(WriteFileBytes(fields, "Field,Top,Left,Right\nFine,25,75,0\nFine,25,0,75\nFine,100,0,0\n"));
    MessageBoxRecorder boxes;

    EXPECT_EQ(RunSaveAs(soils, dir.filePath("usda.csv"), "usda-texture"), ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("usda.csv")),
        "Sample,Clay,Sand,Silt,Color,Symbol,Class\n"
        "On a line,27,45,28,0,0,Clay loam\n"
        "Doubled,54,90,56,0,0,Clay loam\n"
        "Sandy,5,90,5,0,0,Sand\n");
    EXPECT_EQ(RunSaveAs(soils, dir.filePath("byfields.csv"), fields), ExitOk);
    EXPECT_TRUE(ReadFileBytes(dir.filePath("byfields.csv")).ends_with(",Fine\nSandy,5,90,5,0,0,\n"));

    EXPECT_EQ(RunSaveAs(soils, dir.filePath("qap.tpf"), "qap"), ExitOk);
    const std::string plot = ReadFileBytes(dir.filePath("qap.tpf"));
    EXPECT_NE(plot.find("ROW=m_classDiagram;qap\nEND"), std::string::npos);
    EXPECT_NE(plot.find("ROW=top;Clay;"), std::string::npos) << "titles from the file stay";

    // Export draws the diagram's fields over the same plot.
    ASSERT_EQ(RunExport(soils, dir.filePath("plain.png"), 1.0), ExitOk);
    ASSERT_EQ(RunExport(soils, dir.filePath("usda.png"), 1.0, "usda-texture"), ExitOk);
    EXPECT_NE(QImage(dir.filePath("usda.png")), QImage(dir.filePath("plain.png")));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(BatchOutputTest, TheDensityGridHoldsEveryBinOfTheModeAsked)
{
    QTemporaryDir dir;
    const QString input = dir.filePath("in.csv");
    ASSERT_TRUE(WriteFileBytes(input, "Sample,SiO2,CaO,MgO\na,50,25,25\nb,10,80,10\nc,1,8,1\nd,-5,50,55\n"));

    MessageBoxRecorder quiet;
    const QString output = dir.filePath("grid.csv");
    EXPECT_EQ(RunDensityGrid(input, { -1, 2, output }), ExitOk);
    EXPECT_EQ(ReadFileBytes(output),
        "SiO2,CaO,MgO,Count\n16.6667,16.6667,66.6667,0\n16.6667,66.6667,16.6667,2\n33.3333,33.3333,33.3333,0\n"
        "66.6667,16.6667,16.6667,1\n");

    // The kernel asked for is what the file holds, on its own grid of 100 a side.
    EXPECT_EQ(RunDensityGrid(input, { DensitySettings::Kernel, 3, output }), ExitOk);
    const std::string kernel = ReadFileBytes(output);
    EXPECT_EQ(kernel.substr(0, kernel.find('\n')), "SiO2,CaO,MgO,Density");
    EXPECT_EQ(std::count(kernel.begin(), kernel.end(), '\n'), 1 + 100 * 100);
}

TEST(BatchOutputTest, AFullDiskKeepsTheOldFileForEveryOutput)
{
    QTemporaryDir dir;
    MessageBoxRecorder boxes;
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.m_showId = 1;
    for (int slot = 1; slot <= 600; ++slot)
        doc.GetSample(slot) = { "Sample number " + std::to_string(slot), float(slot % 97), float(slot % 89), 10.0f,
            slot % 16, slot % 16, NOT_PLOTTED, NOT_PLOTTED, slot };
    const QString input = dir.filePath("busy.tpf");
    ASSERT_TRUE(doc.OnSaveDocument(input));

    for (const char* type : { "tpf", "csv", "png", "svg", "pdf" }) {
        const QString output = QDir(dir.path()).absoluteFilePath(QStringLiteral("out.") + type);
        auto run = [&] {
            return QLatin1String(type) == "tpf" || QLatin1String(type) == "csv" ? RunSaveAs(input, output)
                                                                                : RunExport(input, output, 1.0);
        };
        ASSERT_EQ(run(), ExitOk) << type;
        const qint64 size = QFileInfo(output).size();
        ASSERT_TRUE(WriteFileBytes(output, "old"));
        boxes.Clear();
        int exit = ExitOk;
        {
            FileSizeLimit limit(static_cast<rlim_t>(size / 2));
            ASSERT_TRUE(limit.ok());
            exit = run();
        }
        EXPECT_EQ(exit, ExitFailure) << type << " of " << size << " bytes";
        EXPECT_EQ(ReadFileBytes(output), "old") << type << " of " << size << " bytes";
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList { "busy.tpf", "out." + QString(type) }));
        const QString message = boxes.Texts().empty() ? QString() : boxes.Texts().back();
        EXPECT_TRUE(message.contains("\"" + output + "\".\nFile too large")) << message.toStdString();
        QFile::remove(output);
    }
}
