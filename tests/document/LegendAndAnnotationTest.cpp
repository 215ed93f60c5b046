#include "document/AnnotationList.h"
#include "document/PlotLegend.h"

#include <gtest/gtest.h>

TEST(PlotLegendTest, SamplesOfOnePairShareAnEntryAndAMovedOneTakesItsText)
{
    PlotLegend legend;
    legend.UpdateForSample(0, 3, -1, -1, "first");
    legend.UpdateForSample(0, 3, -1, -1, "second");
    ASSERT_EQ(legend.Count(), 1);
    EXPECT_EQ(legend.UseCount(0, 3), 2);
    EXPECT_EQ(legend.ItemText(0, 3), "first");

    legend.UpdateForSample(1, 3, 0, 3, "second");
    ASSERT_EQ(legend.Count(), 2);
    EXPECT_EQ(legend.ItemText(1, 3), "first");
    EXPECT_EQ(legend.UseCount(0, 3), 1);
}

TEST(PlotLegendTest, ARemovedEntryLendsItsTextToTheNextNewPair)
{
    PlotLegend legend;
    legend.AddItem(0, 0, "Granite");
    legend.UpdateForSample(-1, -1, 0, 0, "s");
    EXPECT_EQ(legend.Count(), 0);
    legend.UpdateForSample(2, 2, -1, -1, "");
    EXPECT_EQ(legend.ItemText(2, 2), "Granite");
    // Without a removed text and a name, a new entry is "Unassigned".
    PlotLegend fresh;
    fresh.UpdateForSample(4, 4, -1, -1, "");
    EXPECT_EQ(fresh.ItemText(4, 4), "Unassigned");
}

TEST(PlotLegendTest, DefaultTextsGiveWayToNames)
{
    PlotLegend legend;
    legend.AddItem(1, 1, "Unassigned");
    legend.AddItem(2, 2, "Basalt");
    legend.SetTextIfDefault(1, 1, "Dacite", false);
    legend.SetTextIfDefault(2, 2, "Andesite", false);
    EXPECT_EQ(legend.ItemText(1, 1), "Dacite");
    EXPECT_EQ(legend.ItemText(2, 2), "Basalt");
    legend.SetTextIfDefault(2, 2, "Andesite", true);
    EXPECT_EQ(legend.ItemText(2, 2), "Andesite");

    legend.AddItem(3, 3, "Unassigned");
    legend.AddItem(3, 3, "Rhyolite"); // replaces the default text and counts up
    legend.AddItem(2, 2, "Other"); // only counts up
    EXPECT_EQ(legend.ItemText(3, 3), "Rhyolite");
    EXPECT_EQ(legend.ItemText(2, 2), "Andesite");
    EXPECT_EQ(legend.UseCount(2, 2), 2);
}

TEST(PlotLegendTest, EntriesKeepTheirAddressAndEditsEndBeforeChanges)
{
    PlotLegend legend;
    legend.AddItem(0, 0, "a");
    legend.AddItem(1, 1, "b");
    LegendItem* b = legend.FindItem(1, 1);
    int editsEnded = 0;
    legend.m_endEditHook = [&] { ++editsEnded; };
    legend.UpdateForSample(-1, -1, 0, 0, "");
    EXPECT_EQ(legend.FindItem(1, 1), b);
    EXPECT_EQ(editsEnded, 2); // UpdateForSample, then the removal
    legend.Clear();
    EXPECT_EQ(editsEnded, 3);
    EXPECT_EQ(legend.LastRemovedText(), "");
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
