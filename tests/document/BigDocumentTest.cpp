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

int PlotDataRows(const std::string& bytes)
{
    int rows = 0;
    for (std::size_t at = bytes.find("ROW=S"); at != std::string::npos; at = bytes.find("ROW=S", at + 1))
        ++rows;
    return rows;
}

TEST(BigDocumentTest, EveryRowLoadsAndSavesBack)
{
    for (const int n : { 2000, 5000, 1000000 }) {
        auto doc = LoadedDoc(PlotDataFile(n));
        EXPECT_EQ(doc->m_sampleSlots, n < 2000 ? CTernaryDoc::kSampleSlots : std::min(n + 2, 1000001)) << n;
        EXPECT_EQ(doc->GetSample(n).name, "S" + std::to_string(n));
        const std::string saved = SavePlotFileBytes(*doc);
        EXPECT_EQ(PlotDataRows(saved), n);
        EXPECT_EQ(SavePlotFileBytes(*LoadedDoc(saved)), saved) << n;
    }
}

TEST(BigDocumentTest, SmallDocumentsKeepTheirSlots)
{
    auto doc = LoadedDoc(PlotDataFile(1999));
    EXPECT_EQ(doc->m_sampleSlots, CTernaryDoc::kSampleSlots);
    // A big file's slots go when the next document comes.
    LoadPlotFileBytes(*doc, PlotDataFile(3000));
    EXPECT_EQ(doc->LastUsedSlot(), 3000);
    doc->OnNewDocument();
    EXPECT_EQ(doc->m_sampleSlots, CTernaryDoc::kSampleSlots);
    EXPECT_EQ(doc->LastUsedSlot(), 2);
}

TEST(BigDocumentTest, SlotsAboveAMillionAreSkipped)
{
    auto doc = LoadedDoc("TABLE=PlotData\nDELIMITER=;\nCOLUMNS=[sampleId;row]\nROW=last;1000000\nROW=past;1000001\n");
    EXPECT_EQ(doc->GetSample(1000000).name, "last");
    EXPECT_EQ(doc->m_sampleSlots, CTernaryDoc::kMaxSampleSlots);
    EXPECT_FALSE(doc->EnsureSampleSlot(1000001));
}

TEST(BigDocumentTest, LegendCountsEveryRow)
{
    auto doc = LoadedDoc(PlotDataFile(200000));
    int total = 0;
    for (int i = 0; i < doc->m_legend.Count(); ++i)
        total += doc->m_legend.Item(i).useCount;
    EXPECT_EQ(total, 200000);
    EXPECT_EQ(doc->m_legend.UseCount(0, 0), 200000 / 256);
}

} // namespace
