#include "DocTestHelpers.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
