// CSV and TSV files of samples: the reader, opening and importing them into
// a document, laboratory data with a Group column, and the CSV written back.
#include "DocTestHelpers.h"

#include "document/NumberFormat.h"
#include "document/SampleCsv.h"
#include "document/SampleFileReader.h"
#include "document/SampleImport.h"
#include "framework/core/TextEncoding.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>

namespace {

// Each sample as "name|top|left|right|color|symbol", values as "%g".
std::vector<std::string> Samples(const SampleFile& file)
{
    std::vector<std::string> out;
    for (const SampleLine& s : file.samples) {
        std::string text = s.name;
        for (float v : s.values)
            text += "|" + (IsGiven(v) ? FormatNumber(v) : std::string());
        out.push_back(text + "|" + std::to_string(s.colorId) + "|" + std::to_string(s.symbolId));
    }
    return out;
}

// Enters the CSV's samples after the document's last sample.
void Append(CTernaryDoc& doc, const std::string& csv) { AppendSamples(doc, ReadSampleFile(csv).samples); }

std::pair<int, int> Look(const CTernaryDoc& doc, int slot)
{
    return { doc.GetSample(slot).colorId, doc.GetSample(slot).symbolId };
}

} // namespace

TEST(SampleFileTest, ReadsSpreadsheetFiles)
{
    struct Case {
        const char* what;
        std::string bytes;
        char separator;
        std::array<std::string, 3> titles;
        std::vector<std::string> samples;
        std::vector<int> skipped;
    };
    const Case cases[] = {
        { "CSV from a spreadsheet: BOM, CR LF, quotes, a line break in a quoted name",
            "\xEF\xBB\xBFName,SiO2,\"Al2O3, total\",CaO,Color,Symbol\r\n"
            "\"Shale, grey\",20,30,50,3,1\r\n\"He said \"\"no\"\"\",10.5,,40,,\r\n\"two\r\nlines\",1,2,3,,4\r\n",
            ',', { "SiO2", "Al2O3, total", "CaO" },
            { "Shale, grey|20|30|50|3|1", "He said \"no\"|10.5||40|-1|-1", "two  lines|1|2|3|0|4" }, {} },
        { "TSV with decimal commas and the table's Symbol column",
            "Sample\tTop\tLeft\tRight\tSymbol\nA\t33,3333\t33,3333\t33,3334\t35\nB\t1,234.5\t2\t3\t\n", '\t',
            { "Top", "Left", "Right" }, { "A|33.3333|33.3333|33.3334|2|3", "B|1234.5|2|3|-1|-1" }, {} },
        { "semicolons and decimal commas, no header, bad rows by line",
            "a;12,5;30;57,5\n\nb;x;1;2\nc;1;2\nd;1%;2;3%;1;15\ne;;;\nf;1;2;97\n", ';', {},
            { "a|12.5|30|57.5|-1|-1", "c|1|2||-1|-1", "d|1|2|3|1|15", "e||||-1|-1", "f|1|2|97|-1|-1" }, { 3 } },
        { "semicolons and commas split a line alike: the semicolon wins", "a;1,5;2,5;96,0\n", ';', {},
            { "a|1.5|2.5|96|-1|-1" }, {} },
        { "a comma file: commas in numbers group thousands only", "p,\"1,234\",2,3\nq,\"1,5\",2,3\n", ',', {},
            { "p|1234|2|3|-1|-1" }, { 2 } },
        { "the program's own header, whatever its titles, with its Class column",
            "Sample,2024,,'=x,Color,Symbol,Class\n\"'=y\",1,2,3,0,1,Clay\nonly a name,,,,,,\n", ',',
            { "2024", "", "'=x" }, { "=y|1|2|3|0|1", "only a name||||-1|-1" }, {} },
        { "colour and symbol numbers are checked before they are converted",
            "a,1,2,3,15,15\nb,1,2,3,16,0\nc,1,2,3,2147483648,0\nd,1,2,3,0,1e30\ne,1,2,3,-1,0\nf,1,2,3,0.5,0\n", ',', {},
            { "a|1|2|3|15|15" }, { 2, 3, 4, 5, 6 } },
        { "five fields: the table's Symbol number", "a,1,2,3,255\nb,1,2,3,256\nc,1,2,3,4294967296\n", ',', {},
            { "a|1|2|3|15|15" }, { 2, 3 } },
    };
    for (const Case& c : cases) {
        const SampleFile file = ReadSampleFile(c.bytes);
        EXPECT_EQ(file.separator, c.separator) << c.what;
        EXPECT_EQ(file.hasHeader, !c.titles[0].empty()) << c.what;
        EXPECT_EQ(file.titles, c.titles) << c.what;
        EXPECT_EQ(Samples(file), c.samples) << c.what;
        EXPECT_EQ(file.skippedLines, c.skipped) << c.what;
    }
}

TEST(SampleFileTest, OpeningStartsAnUntitledPlotAndImportAppendsUntilTheTableIsFull)
{
    MessageBoxRecorder boxes;
    QTemporaryDir dir;
    const QString path = dir.filePath("rocks.csv");
    ASSERT_TRUE(WriteFileBytes(path, "Name,Qz,Fsp,Lith,Color,Symbol\nA,20,30,\nB,x,1,2\nC,10,20,70,5,2\n"));
    auto doc = NewDoc();
    ASSERT_TRUE(doc->OnOpenDocument(path));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->m_topAxis.title + "," + doc->m_leftAxis.title + "," + doc->m_rightAxis.title, "Qz,Fsp,Lith");
    EXPECT_EQ(doc->GetSample(1).right, 50.0f) << "auto-add, as typing does";
    EXPECT_EQ(doc->m_legend.ItemText(0, 0), "A");
    EXPECT_EQ(doc->m_legend.ItemText(2, 5), "C");
    EXPECT_EQ(boxes.Texts(),
        std::vector<QString> {
            QStringLiteral("Read 2 samples from \"%1\".\nSkipped 1 line with too few fields or values "
                           "that are not numbers: 3.")
                .arg(path) });

    std::string many;
    for (int i = 0; i < 2000; ++i)
        many += "s\t10\t20\t70\n";
    ASSERT_TRUE(WriteFileBytes(path, many));
    const SlotRange range = doc->ImportSampleFile(path);
    EXPECT_EQ(range.first, 3);
    EXPECT_EQ(range.last, 2002) << "the table grows past 2,000 rows";
    EXPECT_TRUE(doc->IsModified());
}

TEST(SampleFileTest, LinesPastAMillionSamplesAreCountedAndTheReportAgreesInNumber)
{
    std::string bytes = "x,1\n";
    for (int i = 0; i < 12; ++i)
        bytes += "x,1\n";
    for (std::size_t i = 0; i < kMaxSamplesKept + 2; ++i)
        bytes += "a,1,2,3\n";
    const SampleFile file = ReadSampleFile(bytes);
    EXPECT_EQ(
        std::tuple(file.samples.size(), file.samplesNotKept, file.skippedCount), std::tuple(kMaxSamplesKept, 2u, 13u));
    EXPECT_EQ(file.skippedLines, (std::vector<int> { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }));
    EXPECT_EQ(SampleLoadReport("/d/a.csv", file, 999999),
        "Read 1,000,002 samples from \"/d/a.csv\".\nSkipped 13 lines with too few fields or values that are "
        "not numbers: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 and 3 more.\n3 samples did not fit into the table's "
        "1,000,000 rows.");
    SampleFile one;
    one.samples.resize(2);
    one.skippedLines = { 4 };
    one.skippedCount = 1;
    EXPECT_EQ(SampleLoadReport("/d/a.csv", one, 1),
        "Read 2 samples from \"/d/a.csv\".\nSkipped 1 line with too few fields or values that are not numbers: "
        "4.\n1 sample did not fit into the table's 1,000,000 rows.");
}

TEST(SampleGroups, EachGroupGetsItsOwnLookInOrderAndTheLegendNamesIt)
{
    CTernaryDoc doc;
    std::string csv = "Sample,SiO2,MgO,FeO,Color,Symbol,Group\n"
                      "a,10,20,70,,,Granite\n"
                      "b,10,20,70,5,2,Basalt\n" // its own colour and symbol win
                      "c,10,20,70,,,Granite\n";
    for (int g = 0; g < 16; ++g)
        csv += "g,1,1,98,,,Rock " + std::to_string(g) + "\n";
    Append(doc, csv);
    // Black circles are the default look of samples without a group; Rock 0
    // takes the next colour, Rock 13 the last, Rock 14 the next symbol.
    std::vector<std::pair<int, int>> looks;
    for (int slot : { 1, 2, 3, 4, 17, 18 })
        looks.push_back(Look(doc, slot));
    EXPECT_EQ(
        looks, (std::vector<std::pair<int, int>> { { 1, 0 }, { 5, 2 }, { 1, 0 }, { 2, 0 }, { 15, 0 }, { 0, 1 } }));
    const PlotLegend& legend = doc.m_legend;
    EXPECT_EQ(std::tuple(legend.ItemText(0, 1), legend.UseCount(0, 1), legend.ItemText(2, 5), legend.ItemText(1, 0),
                  legend.Count()),
        std::tuple("Granite", 2, "Basalt", "Rock 14", 18));
}

TEST(SampleGroups, AnImportKeepsTheLookOfAGroupTheLegendAlreadyNames)
{
    auto doc = NewDoc(); // colour 3 symbol 0, and colour 1 symbol 3
    doc->m_legend.SetTextIfDefault(0, 3, "Basalt", true);
    Append(*doc, "Sample,Top,Left,Right,Group\nx,1,2,97,Andesite\ny,1,2,97,Basalt\n");
    EXPECT_EQ(Look(*doc, 3), (std::pair { 1, 0 })) << "the first look no entry uses";
    EXPECT_EQ(Look(*doc, 4), (std::pair { 3, 0 }));
    EXPECT_EQ(doc->m_legend.UseCount(0, 3), 2);
    EXPECT_EQ(doc->m_legend.ItemText(0, 1), "Andesite");
}

TEST(SampleGroups, ANameAndTwoValuesReadAsTypingThemWhicheverIsMissing)
{
    for (int autoAdd : { 1, 0 }) {
        auto doc = NewDoc();
        doc->m_autoAdd = autoAdd;
        Append(*doc, "p,30,20\nt,,30,20\nl,30,,20\nq,30\nr,1,2,90\n"); // a name and one value stays skipped
        std::string values;
        for (int slot = 3; slot <= 7; ++slot) {
            const SampleRecord& s = doc->GetSample(slot);
            values += s.name + ":";
            for (float v : { s.top, s.left, s.right })
                values += (IsGiven(v) ? FormatNumber(v) : "-") + " ";
            values += std::to_string(s.colorId) + "/" + std::to_string(s.symbolId) + " ";
        }
        EXPECT_EQ(values,
            autoAdd ? "p:30 20 50 0/0 t:50 30 20 0/0 l:30 50 20 0/0 r:1 2 90 0/0 :- - - -1/-1 "
                    : "p:30 20 - -1/-1 t:- 30 20 -1/-1 l:30 - 20 -1/-1 r:1 2 90 0/0 :- - - -1/-1 ");
    }
}

TEST(SampleCsvTest, QuotesWhatNeedsQuotingAndLeavesEmptyValuesEmpty)
{
    auto doc = NewDoc();
    doc->m_topAxis.SetTitle("Say \"hi\"");
    doc->m_leftAxis.SetTitle("L;eft\t");
    doc->m_rightAxis.SetTitle("Right ");
    doc->GetSample(2).name = "a,b";
    doc->GetSample(2).right = EMPTY_VALUE;
    doc->GetSample(2).colorId = -1;
    doc->GetSample(2).symbolId = -1;
    doc->GetSample(9) = doc->GetSample(1);
    doc->GetSample(9).row = 9;
    doc->GetSample(9).name = " lead";
    doc->GetSample(9).top = 33.333333f;
    EXPECT_EQ(SamplesToCsv(*doc),
        "Sample,\"Say \"\"hi\"\"\",\"L;eft\t\",\"Right \",Color,Symbol\n"
        "Spl#1,20,30,50,3,0\n"
        "\"a,b\",10,70,,,\n"
        "\" lead\",33.3333,30,50,3,0\n");
}

TEST(SampleCsvTest, OlderTextsInWindows1252BecomeUtf8)
{
    auto doc = NewDoc();
    doc->GetSample(1).name = "Caf\xe9 \x80"; // Windows-1252
    doc->GetSample(2).name = "Caf\xc3\xa9"; // already UTF-8
    const std::string csv = SamplesToCsv(*doc);
    EXPECT_NE(csv.find("Caf\xc3\xa9 \xe2\x82\xac,20"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\nCaf\xc3\xa9,10"), std::string::npos) << csv;
    EXPECT_EQ(DecodeText("\x81"), QString(QChar(0x81)));
}
