#include "DocTestHelpers.h"

#include "support/TestSupport.h"

#include <climits>

namespace {

// Golden files hold the exact bytes the writer must produce. Setting
// TERNARY_UPDATE_GOLDEN rewrites them from the current writer (check the
// difference before committing).
void ExpectGolden(const std::string& bytes, const QString& name)
{
    if (qEnvironmentVariableIsSet("TERNARY_UPDATE_GOLDEN"))
        WriteFileBytes(TestDataPath(name), bytes);
    EXPECT_EQ(bytes, ReadFileBytes(TestDataPath(name))) << name.toStdString();
}

std::string DataFile(const char* name) { return ReadFileBytes(TestDataPath(name)); }

// A document that sets the fields the file carries away from their defaults,
// so that saving it again after a load compares them. Auto-100% and the
// shadow are left on: with the other golden files, every two on-off
// options then differ in one of them, so none is written as another.
std::unique_ptr<CTernaryDoc> BusyDoc()
{
    auto doc = NewDoc();
    for (int slot : { 3, 17, 2000 }) {
        SampleRecord& s = doc->GetSample(slot);
        s.row = slot;
        s.name = "Sample " + std::to_string(slot) + "; grey"; // the file's separator: ',' in file and document
        s.top = 12.345f;
        s.left = slot == 17 ? EMPTY_VALUE : 33.3f;
        s.right = 54.355f;
        s.colorId = 15;
        s.symbolId = slot % 16;
        doc->m_legend.UpdateForSample(s.symbolId, s.colorId, -1, -1, s.name);
    }
    doc->m_topAxis = { "SiO2;(wt%)", 10, 90, 20, 6 };
    doc->m_leftAxis.SetMin(0.125f);
    doc->m_rightAxis.increment = 2.5f;
    doc->m_drawGrids = 0;
    doc->m_drawTicks = 1;
    doc->m_tickSide = 0;
    doc->m_lineStyle = 1;
    doc->m_lineColor = RGB(1, 2, 3);
    doc->m_tickLength = 9;
    doc->m_bgColor = RGB(250, 250, 200);
    doc->m_showId = 1;
    doc->m_symbolSize = 7;
    doc->m_autoAdd = 0;
    doc->m_drawLegend = 0;
    doc->m_equilateral = 1; // one more option row, only when on
    auto note = std::make_unique<Annotation>();
    note->rect = { 10, -20, 2500000, 999999 }; // positions are held to a million
    note->text = "far;\r\naway";
    note->selected = 1;
    doc->m_annotations.Add(std::move(note));
    doc->m_legend.m_backColor = RGB(200, 250, 200);
    doc->m_legend.m_lineColor = RGB(0, 0, 255);
    doc->m_legend.m_position = { INT_MAX - 100, INT_MIN, INT_MAX, INT_MIN + 100 };
    doc->m_axisFont.SetFaceName("DejaVu Sans");
    doc->m_axisFont.height = -16;
    doc->m_axisFont.weight = 700;
    doc->m_axisFont.italic = 255;
    doc->m_axisFont.color = RGB(10, 20, 30);
    doc->m_legendFont.height = 20;
    return doc;
}

// A PlotData table of n samples in slots 1..n over the 16 x 16 colour and
// symbol pairs, without LegendItems, so the legend is counted from the rows.
std::string PlotDataFile(int n)
{
    std::string file = "TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;top;left;right;colorId;symbolId;row]\n";
    file.reserve(static_cast<std::size_t>(n) * 48 + 256);
    for (int slot = 1; slot <= n; ++slot) {
        const int top = slot % 50;
        file += "ROW=S" + std::to_string(slot) + ";" + std::to_string(top) + ".000;30.000;" + std::to_string(70 - top)
            + ".000;" + std::to_string(slot % 16) + ";" + std::to_string(slot / 16 % 16) + ";" + std::to_string(slot)
            + "\n";
    }
    return file + "END\n";
}

} // namespace

TEST(PlotFileTest, NewSavesTheStandardFileAndKeepsOnlyTheSettingsItDoesNotOwn)
{
    auto doc = NewDoc();
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(SavePlotFileBytes(*doc), DataFile("new-document.tpf"));
    ChangeKeptSettings(*doc);
    doc->m_rightAxis.increment = 2.5f; // kept as the busy document has them
    const std::string kept = SavePlotFileBytes(*doc);
    auto busy = BusyDoc();
    ChangeKeptSettings(*busy);
    busy->m_diagram.clockwise = 1;
    busy->m_density.bins = 7;
    const std::string settings = KeptSettings(*busy);
    busy->OnNewDocument();
    EXPECT_EQ(KeptSettings(*busy), settings);
    EXPECT_EQ(SavePlotFileBytes(*busy), kept);
}

TEST(PlotFileTest, LoadSaveLoadKeepsEveryField)
{
    auto doc = BusyDoc();
    const std::string first = SavePlotFileBytes(*doc);
    auto loaded = LoadedDoc(first);
    EXPECT_EQ(SavePlotFileBytes(*loaded), first);
    EXPECT_EQ(loaded->GetSample(17).left, EMPTY_VALUE);
    // The document says what the file says.
    EXPECT_EQ(doc->GetSample(3).name, "Sample 3, grey");
    EXPECT_EQ(doc->m_legend.ItemText(3, 15), "Sample 3, grey");
    EXPECT_EQ(doc->m_annotations.Item(0).text, "far,  away");
    ExpectGolden(first, "busy.saved.tpf");
}

TEST(PlotFileTest, OlderAndHostilePositionsAreHeldToAMillion)
{
    // Older files wrote them in exponent form; hostile ones hold anything.
    auto old = LoadedDoc("TABLE=Annotation\nDELIMITER=;\nCOLUMNS=[left;top;right;bottom;text;selected]\n"
                         "ROW=1e+06;12;1.5e+06;40;old;1\n"
                         "ROW=-2147483648;2147483647;99999999999999999999999;-1e300;x;0\n"
                         "TABLE=LegendInfo\nDELIMITER=;\nCOLUMNS=[name;value]\n"
                         "ROW=top;2147483647\nROW=left;-2147483648\n");
    EXPECT_EQ(old->m_annotations.Item(0).rect, (CRect { 1000000, 12, 1000000, 40 }));
    EXPECT_EQ(old->m_annotations.Item(1).rect, (CRect { -1000000, 1000000, 1000000, -1000000 }));
    EXPECT_EQ(old->m_legend.m_position, (CRect { -1000000, 1000000, -1000000 + 100, 1000000 + 100 }));
}

// The saved golden files pin every field a load took; the checks name the
// rules they show.
TEST(PlotFileTest, SecondKeywordFormWithCrLf)
{
    MessageBoxRecorder boxes;
    auto doc = LoadedDoc(DataFile("second-form.tpf"));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_FLOAT_EQ(doc->GetSample(3).left, 45.25f);
    EXPECT_EQ(doc->m_legend.ItemText(5, 2), "Quartz samples");
    ExpectGolden(SavePlotFileBytes(*doc), "second-form.saved.tpf");
}

TEST(PlotFileTest, OpenKeepsWhatTheFileDoesNotCarry)
{
    auto doc = NewDoc();
    ChangeKeptSettings(*doc);
    doc->m_showId = 1;
    doc->m_tickLength = 11;
    doc->m_legendFont.weight = 700;
    doc->m_equilateral = 1;
    const std::string settings = KeptSettings(*doc);
    LoadPlotFileBytes(*doc,
        "TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;row]\nROW=a;1\n"
        "TABLE=AxisData\nDELIMITER=;\nCOLUMNS=[which;title;min]\nROW=top;T;5\n"
        "TABLE=PlotOptions\nDELIMITER=;\nCOLUMNS=[name;value]\nROW=m_drawGrids;0\n");
    EXPECT_EQ(KeptSettings(*doc), settings);
    // Reset by the load: names off, defaults for options and fonts not in the file.
    EXPECT_EQ(std::tuple(doc->m_showId, doc->m_tickLength, doc->m_legendFont.weight, doc->m_equilateral,
                  doc->m_topAxis.min, doc->m_topAxis.max, doc->m_drawGrids),
        std::tuple(0, 6, 400, 0, 5.0f, 100.0f, 0));
    // Legend rebuilt from the samples: this one has no symbol, so none.
    EXPECT_EQ(doc->m_legend.Count(), 0);
}

TEST(PlotFileTest, OddCasesFollowTheReaderRules)
{
    MessageBoxRecorder boxes;
    auto doc = LoadedDoc(DataFile("odd-cases.tpf"));
    // Slots named by the row cell; rows without a usable slot ("END " too) are skipped and counted.
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString> { "The PlotData table has rows this plot cannot hold: "
                               "4 rows had no row number from 1 to 1000000." });
    EXPECT_EQ(doc->GetSample(5).name, "After end");
    // 'Top' is not an axis; no number gives 0 on the top axis, and the right
    // axis keeps its value; an increment of 0 is not taken.
    EXPECT_EQ(std::tuple(doc->m_topAxis.max, doc->m_rightAxis.max, doc->m_topAxis.increment),
        std::tuple(0.0f, 100.0f, 10.0f));
    // No LegendItems table: rebuilt from the samples in slot order.
    EXPECT_EQ(doc->m_legend.Item(0).text, "Empty top");
    ExpectGolden(SavePlotFileBytes(*doc), "odd-cases.saved.tpf");
}

TEST(PlotFileTest, MissingTablesAreToldInOrderAndAForeignFileOpensUntitled)
{
    MessageBoxRecorder boxes;
    auto doc = NewDoc();
    doc->m_symbolSize = 6;
    LoadPlotFileBytes(*doc, DataFile("not-a-plot.tpf"));
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString>({ "File does not contain PlotData table ", "File does not contain AxisData table ",
            "File does not contain PlotOptions table " }));
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(doc->m_legend.Count(), 0);
    EXPECT_EQ(doc->m_symbolSize, 6);

    // Opened as a file, it stays untitled: Save asks for a name instead of
    // writing over it. One table of a plot is enough to keep the name.
    ASSERT_TRUE(doc->OnOpenDocument(TestDataPath("not-a-plot.tpf")));
    EXPECT_EQ(doc->GetTitle(), "Untitled");
    ASSERT_TRUE(doc->OnOpenDocument(TestDataPath("second-form.tpf")));
    EXPECT_EQ(doc->GetTitle(), "second-form.tpf");

    boxes.Clear();
    LoadPlotFileBytes(*doc, "TABLE=AxisData\nDELIMITER=;\nCOLUMNS=[which;title]\nROW=top;T\n");
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString>({ "File does not contain PlotData table ", "File does not contain PlotOptions table " }));
}

TEST(PlotFileTest, PlotDataRowsFindTheirSlots)
{
    auto noRowColumn = LoadedDoc("TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;top]\nROW=a;1\nROW=b;2\nROW=c;3\n");
    const SampleRecord& third = noRowColumn->GetSample(3);
    EXPECT_EQ(std::tuple(noRowColumn->GetSample(1).name, third.name, third.left, third.colorId),
        std::tuple("a", "c", EMPTY_VALUE, -1));

    auto seventh = LoadedDoc("TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;row]\nROW=x;7\nROW=y;2000\n");
    EXPECT_EQ(seventh->GetSample(7).name, "x");
    EXPECT_EQ(seventh->GetSample(2000).row, 2000);
    EXPECT_FALSE(seventh->GetSample(1).InUse());

    // Rows that name a filled slot or no slot are counted in one message
    // after the missing-table messages.
    MessageBoxRecorder boxes;
    auto full = LoadedDoc("TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;row]\nROW=first;5\nROW=again;5\n"
                          "ROW=zero;0\nROW=far;1000001\nROW=word;abc\n");
    EXPECT_EQ(full->GetSample(5).name, "again");
    ASSERT_EQ(boxes.Boxes().size(), 3u);
    EXPECT_EQ(boxes.Texts()[2],
        "The PlotData table has rows this plot cannot hold: 1 row replaced an earlier row with the same row number, "
        "3 rows had no row number from 1 to 1000000.");
    EXPECT_EQ(boxes.Boxes()[2].icon, MsgIcon::Exclamation);
}

TEST(PlotFileTest, SymbolSizesAndLegendColoursFromTheFile)
{
    auto table = [](const std::string& name, const std::string& rows) {
        return LoadedDoc("TABLE=" + name + "\nDELIMITER=;\nCOLUMNS=[name;value]\n" + rows);
    };
    EXPECT_EQ(table("PlotOptions", "ROW=m_symbolSize;2\n")->m_symbolSize, 5);
    EXPECT_EQ(table("PlotOptions", "ROW=m_symbolSize;9\n")->m_symbolSize, 9);
    EXPECT_EQ(table("PlotOptions", "ROW=m_symbolSize\n")->m_symbolSize, 5);
    EXPECT_EQ(table("LegendInfo", "ROW=backColor;ffffff\n")->m_legend.m_backColor, 0xFFFFFFu);
    EXPECT_EQ(table("LegendInfo", "ROW=backColor;16777215\n")->m_legend.m_backColor, 0xFFFFFFu);

    auto items = LoadedDoc("TABLE=LegendItems\nDELIMITER=;\nCOLUMNS=[symbolId;colorId;text]\n"
                           "ROW=1;2;ok\nROW=x;2;no symbol\nROW=1;;no colour\nROW=3;4\nROW=1;2;again\n");
    ASSERT_EQ(items->m_legend.Count(), 2);
    EXPECT_EQ(items->m_legend.UseCount(1, 2), 1) << "a pair listed twice is one entry; no sample uses it";
    EXPECT_EQ(items->m_legend.ItemText(3, 4), "");
}

TEST(ClassDiagramFile, RowsAndFieldsOnlyWhenSetAndReadBackWhole)
{
    auto doc = NewDoc();
    doc->m_autoAdd = 0; // unlike Auto-100%, which the last option row holds
    const std::string plain = SavePlotFileBytes(*doc);
    doc->m_diagram = { DiagramKind::FromFile,
        { { "Low;er", { { 0, 100, 0 }, { 0, 0, 100 }, { 50, 0, 50 } } },
            { "Top", { { 100, 0, 0 }, { 50, 50, 0 }, { 33.25, 16.75, 50 } } } },
        1, RGB(1, 2, 3), 1, 1 };
    const std::string bytes = SavePlotFileBytes(*doc);

    std::string expected = plain;
    const std::string lastOption = "ROW=m_autoBalance;1\n";
    expected.insert(expected.find(lastOption) + lastOption.size(),
        "ROW=m_classDiagram;file\nROW=m_classLabels;1\nROW=m_classLineColor;197121\n"
        "ROW=m_classLineStyle;1\nROW=m_axisDirection;1\n");
    expected += "TABLE=ClassFields\nDELIMITER=;\nCOLUMNS=[field;top;left;right]\n"
                "ROW=Low,er;0;100;0\nROW=Low,er;0;0;100\nROW=Low,er;50;0;50\n"
                "ROW=Top;100;0;0\nROW=Top;50;50;0\nROW=Top;33.25;16.75;50\nEND\n\n";
    EXPECT_EQ(bytes, expected);

    auto loaded = LoadedDoc(bytes);
    doc->m_diagram.fileFields[0].name = "Low,er";
    EXPECT_EQ(loaded->m_diagram, doc->m_diagram);
    EXPECT_EQ(SavePlotFileBytes(*loaded), bytes);

    // Fields from a file that did not survive leave no diagram; unknown names none either.
    for (const char* row : { "ROW=m_classDiagram;file\n", "ROW=m_classDiagram;ternary-art\n" }) {
        std::string text = plain;
        text.insert(text.find(lastOption), row);
        EXPECT_EQ(LoadedDoc(text)->m_diagram, ClassDiagramSettings {}) << row;
    }
}

TEST(DensityFileTest, SettingsTravelInAnOptionalTableThatDefaultsLeaveOut)
{
    auto doc = NewDoc();
    const std::string plain = SavePlotFileBytes(*doc);
    // Every setting away from its default.
    const DensitySettings changed { DensitySettings::Kernel, 37, 2.75, 1, DensitySettings::Magma, 1, 1, 0.0001, 0.0125,
        0 };
    doc->m_density = changed;
    const std::string saved = SavePlotFileBytes(*doc);
    EXPECT_EQ(saved,
        plain
            + "TABLE=Density\nDELIMITER=;\nCOLUMNS=[name;value]\nROW=mode;kernel\nROW=bins;37\nROW=bandwidth;2.75\n"
              "ROW=contours;1\nROW=colourMap;magma\nROW=logScale;1\nROW=fixedLimits;1\nROW=low;1e-04\n"
              "ROW=high;0.0125\nROW=showSamples;0\nEND\n\n");
    EXPECT_EQ(LoadedDoc(saved)->m_density, changed);
    // A file without the table gives the defaults back.
    LoadPlotFileBytes(*doc, plain);
    EXPECT_EQ(doc->m_density, DensitySettings {});
}

TEST(DensityFileTest, ValuesOutOfRangeAreHeldToIt)
{
    struct Case {
        const char* rows;
        DensitySettings want;
    };
    for (const Case& c : {
             Case { "ROW=bins;5000\nROW=bandwidth;1e9\n", { .bins = 200, .bandwidth = 50 } },
             Case { "ROW=bins;-3\nROW=bandwidth;-1\nROW=mode;bins\n", { .mode = DensitySettings::Bins, .bins = 2 } },
             Case { "ROW=mode;contour\nROW=colourMap;jet\nROW=low;abc\nROW=high;inf\n", {} },
         }) {
        auto doc = LoadedDoc(SavePlotFileBytes(*NewDoc()) + "TABLE=Density\nCOLUMNS=[name;value]\n" + c.rows);
        EXPECT_EQ(doc->m_density, c.want) << c.rows;
    }
}

TEST(BigDocumentTest, EveryRowLoadsSavesBackAndIsCountedInTheLegend)
{
    MessageBoxRecorder boxes;
    for (const int n : { 2000, 5000, 1000000 }) {
        auto doc = LoadedDoc(PlotDataFile(n));
        EXPECT_EQ(doc->m_sampleSlots, std::min(n + 2, CTernaryDoc::kMaxSampleSlots)) << n;
        const std::string saved = SavePlotFileBytes(*doc);
        EXPECT_NE(saved.find("\nROW=S" + std::to_string(n) + ";"), std::string::npos) << n;
        EXPECT_EQ(SavePlotFileBytes(*LoadedDoc(saved)), saved) << n;
        int counted = 0;
        for (int i = 0; i < doc->m_legend.Count(); ++i)
            counted += doc->m_legend.Item(i).useCount;
        EXPECT_EQ(counted, n) << "the legend counts every row";
    }
    // A slot above a million is skipped and told; a small file keeps
    // today's 2,001 slots, and New gives a big file's back.
    auto doc = LoadedDoc("TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;row]\nROW=last;1000000\nROW=past;1000001\n");
    EXPECT_EQ(doc->GetSample(1000000).name, "last");
    EXPECT_EQ(boxes.Texts().back(),
        "The PlotData table has rows this plot cannot hold: 1 row had no row number from 1 to 1000000.");
    EXPECT_EQ(doc->m_sampleSlots, CTernaryDoc::kMaxSampleSlots);
    LoadPlotFileBytes(*doc, PlotDataFile(1999));
    EXPECT_EQ(doc->m_sampleSlots, CTernaryDoc::kSampleSlots);
    doc->OnNewDocument();
    EXPECT_EQ(doc->LastUsedSlot(), 2);
}
