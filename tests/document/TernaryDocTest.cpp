#include "DocTestHelpers.h"

#include "document/CTernaryDoc.h"

#include <gtest/gtest.h>

TEST(TernaryDocTest, ANewDocumentHoldsTwoSamplesAndTheirLegendEntries)
{
    auto doc = NewDoc();
    int inUse = 0;
    for (int slot = 0; slot < doc->m_sampleSlots; ++slot)
        inUse += doc->GetSample(slot).InUse();
    EXPECT_EQ(inUse, 2);
    EXPECT_EQ(doc->GetSample(2).name, "Spl#2");
    EXPECT_FLOAT_EQ(doc->GetSample(2).top + doc->GetSample(2).left + doc->GetSample(2).right, 100.0f);
    ASSERT_EQ(doc->m_legend.Count(), 2);
    EXPECT_EQ(doc->m_legend.ItemText(0, 3), "sample #1");
    EXPECT_EQ(doc->m_legend.ItemText(3, 1), "sample #2");
    EXPECT_FALSE(doc->IsModified());
}

TEST(TernaryDocTest, NewKeepsTheSettingsItDoesNotOwnAndResetsTheRest)
{
    auto doc = NewDoc();
    ChangeKeptSettings(*doc);
    doc->m_showId = 1;
    doc->m_topAxis.SetTitle("Changed");
    doc->m_rightAxis.SetMax(50);
    doc->m_lineColor = 0;
    doc->m_axisFont.weight = 700;
    doc->m_annotations.Add(std::make_unique<Annotation>());
    doc->GetSample(40).row = 40;

    doc->OnNewDocument();
    ExpectKeptSettings(*doc);
    EXPECT_EQ(doc->m_showId, 0);
    EXPECT_EQ(doc->m_topAxis.title, "Top");
    EXPECT_EQ(doc->m_rightAxis.max, 100.0f);
    EXPECT_EQ(doc->m_lineColor, RGB(100, 180, 250));
    EXPECT_EQ(doc->m_axisFont.weight, 400);
    EXPECT_EQ(doc->m_annotations.Count(), 0);
    EXPECT_FALSE(doc->GetSample(40).InUse());
    EXPECT_EQ(doc->m_legend.Count(), 2);
}
