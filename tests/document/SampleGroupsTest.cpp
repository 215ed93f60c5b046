// Laboratory data with a Group column, and rows of a name and two values.
#include "DocTestHelpers.h"

#include "document/NumberFormat.h"
#include "document/SampleCsv.h"
#include "document/SampleFileReader.h"
#include "document/SampleImport.h"

namespace {

// Enters the CSV's samples after the document's last sample.
void Append(CTernaryDoc& doc, const std::string& csv) { AppendSamples(doc, ReadSampleFile(csv).samples); }

std::pair<int, int> Look(const CTernaryDoc& doc, int slot)
{
    return { doc.GetSample(slot).colorId, doc.GetSample(slot).symbolId };
}

} // namespace

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
    EXPECT_EQ(looks, (std::vector<std::pair<int, int>> { { 1, 0 }, { 5, 2 }, { 1, 0 }, { 2, 0 }, { 15, 0 }, { 0, 1 } }));
    EXPECT_EQ(doc.m_legend.ItemText(0, 1), "Granite");
    EXPECT_EQ(doc.m_legend.UseCount(0, 1), 2);
    EXPECT_EQ(doc.m_legend.ItemText(2, 5), "Basalt");
    EXPECT_EQ(doc.m_legend.ItemText(1, 0), "Rock 14");
    EXPECT_EQ(doc.m_legend.Count(), 18);
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
