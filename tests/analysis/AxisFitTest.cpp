#include "analysis/AxisFit.h"
#include "analysis/DiagramChoice.h"

#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct Composition {
    float top, left, right;
};

void SetSamples(CTernaryDoc& doc, const std::vector<Composition>& samples)
{
    doc.OnNewDocument();
    for (int slot = 1; slot <= 2; ++slot)
        doc.GetSample(slot).Empty();
    int slot = 1;
    for (const Composition& c : samples)
        doc.GetSample(slot) = { "s", c.top, c.left, c.right, 0, 0, NOT_PLOTTED, NOT_PLOTTED, slot }, ++slot;
}

// What the options sheet accepts: each range within 0 to 100 and not empty,
// and no minimum at or past 100 minus another's (in whole percent).
void ExpectSheetAccepts(const FittedAxes& f)
{
    const AxisSettings* axes[] = { &f.top, &f.left, &f.right };
    for (int x = 0; x < 3; ++x) {
        EXPECT_TRUE(axes[x]->min >= 0 && axes[x]->max <= 100 && axes[x]->min < axes[x]->max) << x;
        for (int y = 0; y < 3; ++y)
            if (x != y)
                EXPECT_LT(axes[y]->min, 100 - static_cast<std::int32_t>(axes[x]->min)) << x << " " << y;
    }
}

} // namespace

TEST(AxisFit, RangesInWholeIncrementsHoldEverySampleAndPassTheSheet)
{
    struct Case {
        std::vector<Composition> samples;
        float expected[6]; // top, left, right min and max; -1: only checked against the samples
    };
    const Case cases[] = {
        // A cluster near the top corner.
        { { { 70, 20, 10 }, { 80, 10, 10 }, { 75, 15, 10 }, { 65, 25, 10 } }, { 60, 80, 10, 30, 10, 20 } },
        // Spread over the whole triangle: nothing changes.
        { { { 100, 0, 0 }, { 0, 100, 0 }, { 0, 0, 100 } }, { 0, 100, 0, 100, 0, 100 } },
        // On an edge, and a single sample in a corner: the minima leave room for a plot.
        { { { 50, 50, 0 } }, { -1, -1, -1, -1, -1, -1 } },
        { { { 100, 0, 0 } }, { -1, -1, -1, -1, -1, -1 } },
        { { { 33.3f, 33.3f, 33.4f }, { 12.5f, 80, 7.5f } }, { 10, 40, 30, 80, 0, 40 } },
        // On one top grid line: the range lies above it, not below.
        { { { 90, 5, 5 }, { 90, 8, 2 } }, { 90, 100, -1, -1, -1, -1 } },
    };
    for (const Case& c : cases) {
        CTernaryDoc doc;
        SetSamples(doc, c.samples);
        const auto fitted = FitAxesToSamples(doc);
        ASSERT_TRUE(fitted);
        ExpectSheetAccepts(*fitted);
        const AxisSettings* axes[] = { &fitted->top, &fitted->left, &fitted->right };
        for (int a = 0; a < 3; ++a) {
            if (c.expected[2 * a] >= 0) {
                EXPECT_EQ(axes[a]->min, c.expected[2 * a]) << c.samples.size() << " axis " << a;
                EXPECT_EQ(axes[a]->max, c.expected[2 * a + 1]) << c.samples.size() << " axis " << a;
            }
            for (const Composition& s : c.samples) {
                const float value = a == 0 ? s.top : a == 1 ? s.left : s.right;
                EXPECT_TRUE(value >= axes[a]->min - 1e-3f && value <= axes[a]->max + 1e-3f) << value;
            }
        }
    }
}

TEST(AxisFit, IsOneUndoStepAndNeedsADrawnSample)
{
    CTernaryDoc doc;
    SetSamples(doc, { { 70, 20, 10 }, { 80, 10, 10 } });
    doc.EnableUndo();
    doc.m_rightAxis.increment = 5;
    const std::string before = SavePlotFileBytes(doc);
    ASSERT_TRUE(FitAxesToData(doc));
    EXPECT_EQ(doc.GetUndoStack()->count(), 1);
    EXPECT_EQ(doc.GetUndoStack()->undoText(), "Fit Axes to Data");
    EXPECT_EQ(std::pair(doc.m_rightAxis.min, doc.m_rightAxis.max), std::pair(10.0f, 15.0f));
    EXPECT_TRUE(doc.IsModified());
    doc.GetUndoStack()->undo();
    EXPECT_EQ(SavePlotFileBytes(doc), before);
    EXPECT_FALSE(doc.IsModified());

    // Already fitted: no step.
    SetSamples(doc, { { 100, 0, 0 }, { 0, 100, 0 }, { 0, 0, 100 } });
    ASSERT_TRUE(FitAxesToData(doc));
    EXPECT_EQ(doc.GetUndoStack()->count(), 0);

    // Samples the plot does not draw (incomplete, without a symbol) do not count.
    SetSamples(doc, { { 70, 20, 10 } });
    doc.GetSample(1).symbolId = -1;
    doc.GetSample(2) = { "half", 50, EMPTY_VALUE, EMPTY_VALUE, 0, 0, NOT_PLOTTED, NOT_PLOTTED, 2 };
    EXPECT_FALSE(HasPlottedSample(doc));
    EXPECT_FALSE(FitAxesToData(doc));
    EXPECT_EQ(doc.m_topAxis.min, 0);
}

TEST(DiagramChoice, OneUndoStepThatNamesDefaultTitlesAndTurnsSoilsClockwise)
{
    CTernaryDoc doc;
    doc.OnNewDocument();
    doc.EnableUndo();
    const std::string before = SavePlotFileBytes(doc);

    ApplyClassDiagram(doc, DiagramKind::SoilTexture);
    EXPECT_EQ(std::pair(doc.m_diagram.kind, doc.m_diagram.clockwise), std::pair(DiagramKind::SoilTexture, 1));
    EXPECT_EQ(doc.m_topAxis.title + doc.m_leftAxis.title + doc.m_rightAxis.title, "ClaySandSilt");
    EXPECT_EQ(doc.GetUndoStack()->undoText(), "Classification Diagram");

    // Titles that are no longer the defaults stay; the direction stays as chosen.
    ApplyClassDiagram(doc, DiagramKind::Qap);
    EXPECT_EQ(doc.m_topAxis.title, "Clay");
    EXPECT_EQ(doc.m_diagram.clockwise, 1);

    doc.GetUndoStack()->undo();
    doc.GetUndoStack()->undo();
    EXPECT_EQ(SavePlotFileBytes(doc), before);
    EXPECT_FALSE(doc.IsModified());

    doc.m_leftAxis.SetTitle("A");
    ApplyClassDiagram(doc, DiagramKind::Qap);
    EXPECT_EQ(doc.m_topAxis.title + doc.m_leftAxis.title + doc.m_rightAxis.title, "TopARight");
    EXPECT_EQ(doc.m_diagram.clockwise, 0);
}
