// Laboratory data with a Group column, and rows of a name and two values.
#include "DocTestHelpers.h"

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
    // Black circles are the default look of samples without a group.
    EXPECT_EQ(Look(doc, 1), (std::pair { 1, 0 }));
    EXPECT_EQ(Look(doc, 2), (std::pair { 5, 2 }));
    EXPECT_EQ(Look(doc, 3), (std::pair { 1, 0 }));
    EXPECT_EQ(Look(doc, 4), (std::pair { 2, 0 })) << "Rock 0: the next colour";
    EXPECT_EQ(Look(doc, 17), (std::pair { 15, 0 })) << "Rock 13: the last colour";
    EXPECT_EQ(Look(doc, 18), (std::pair { 0, 1 })) << "Rock 14: the next symbol";
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

TEST(SampleGroups, ANameAndTwoValuesReadAsTypingThem)
{
    for (int autoAdd : { 1, 0 }) {
        auto doc = NewDoc();
        doc->m_autoAdd = autoAdd;
        Append(*doc, "p,30,20\nq,30\nr,1,2,97\n"); // a name and one value stays skipped
        const SampleRecord& p = doc->GetSample(3);
        EXPECT_EQ(p.right, autoAdd ? 50.0f : EMPTY_VALUE) << autoAdd;
        EXPECT_EQ(Look(*doc, 3), (autoAdd ? std::pair { 0, 0 } : std::pair { -1, -1 }));
        EXPECT_EQ(doc->GetSample(4).name, "r");
    }
}
