#include "document/AnnotationList.h"
#include "document/PlotLegend.h"

#include <gtest/gtest.h>

namespace {

// Every entry as "symbol/colour text xuses", in order.
std::string Entries(const PlotLegend& legend)
{
    std::string out;
    for (int i = 0; i < legend.Count(); ++i) {
        const LegendItem& item = legend.Item(i);
        out += (i ? ", " : "") + std::to_string(item.symbolId) + "/" + std::to_string(item.colorId) + " " + item.text
            + " x" + std::to_string(item.useCount);
    }
    return out;
}

} // namespace

TEST(PlotLegendTest, EntriesFollowTheSamplesAndKeepTheirTexts)
{
    PlotLegend legend;
    int editsEnded = 0;
    legend.m_endEditHook = [&] { ++editsEnded; };
    legend.UpdateForSample(0, 3, -1, -1, "first");
    legend.UpdateForSample(0, 3, -1, -1, "second"); // one entry a pair
    EXPECT_EQ(Entries(legend), "0/3 first x2");
    legend.UpdateForSample(1, 3, 0, 3, "second"); // a moved sample takes its entry's text along
    EXPECT_EQ(Entries(legend), "0/3 first x1, 1/3 first x1");
    const LegendItem* moved = legend.FindItem(1, 3);
    legend.SetTextIfDefault(0, 3, "Granite", true);
    legend.UpdateForSample(-1, -1, 0, 3, "s"); // its last sample gone, the entry goes
    legend.UpdateForSample(2, 2, -1, -1, ""); // and lends its text to the next new pair
    EXPECT_EQ(Entries(legend), "1/3 first x1, 2/2 Granite x1");
    EXPECT_EQ(legend.FindItem(1, 3), moved) << "entries keep their address";
    legend.Clear();
    legend.UpdateForSample(4, 4, -1, -1, ""); // neither a name nor a removed text
    EXPECT_EQ(editsEnded, 8) << "each update, each removal and Clear end the edits first";

    // Default texts give way to names; others only to a forced text (Granite above).
    legend.AddItem(1, 1, "Unassigned");
    legend.AddItem(2, 2, "Basalt");
    legend.AddItem(3, 3, "Unassigned");
    legend.SetTextIfDefault(1, 1, "Dacite", false);
    legend.SetTextIfDefault(2, 2, "Andesite", false);
    legend.AddItem(3, 3, "Rhyolite"); // replaces the default text and counts up
    legend.AddItem(2, 2, "Other"); // only counts up
    EXPECT_EQ(Entries(legend), "4/4 Unassigned x1, 1/1 Dacite x1, 2/2 Basalt x2, 3/3 Rhyolite x2");
}

TEST(AnnotationListTest, DeleteSelectedRemovesOnlySelectedOnes)
{
    AnnotationList list;
    for (int i = 0; i < 4; ++i) {
        auto annotation = std::make_unique<Annotation>();
        annotation->text = std::to_string(i);
        annotation->selected = i % 2;
        list.Add(std::move(annotation));
    }
    EXPECT_TRUE(list.DeleteSelected());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(0).text, "0");
    EXPECT_EQ(list.Item(1).text, "2");
    EXPECT_FALSE(list.DeleteSelected());
}
