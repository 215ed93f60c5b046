// The plot answering the mouse, the keys and the document's commands: edge
// drags by their formulas, a real drag, pan, read-out, the sample under the
// pointer, the Legend dialog key, the context menu, toggles, tools and zoom.
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/core/ISampleTable.h"
#include "framework/gui/CStatusBar.h"
#include "plot/AnnotationLayer.h"
#include "plot/CAnnotationEdit.h"
#include "plot/CTernaryView.h"
#include "plot/EdgeDrag.h"
#include "plot/PlotContextMenu.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Ranges {
    float tMin, tMax, lMin, lMax, rMin, rMax;
};

AxisSettings Axis(float min, float max, float increment)
{
    AxisSettings a;
    a.min = min;
    a.max = max;
    a.increment = increment;
    return a;
}

// Records the rows the plot asks the sample table to show.
struct FakeTable : CView, ISampleTable {
    std::vector<int> rows;
    void ShowSampleRow(int row) override { rows.push_back(row); }
};

class PlotInteraction : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.OnNewDocument();
        doc.AddView(&table);
        bar = new CStatusBar(&host);
        view = new CTernaryView(&host);
        view->SetDocument(&doc);
        view->resize(600, 500);
        host.resize(600, 540);
        host.show();
        view->OnInitialUpdate();
        Paint();
    }
    void TearDown() override { doc.RemoveView(&table); }
    void Paint() { (void)view->viewport()->grab(); }
    QWidget* Port() { return view->viewport(); }
    void Drag(QPoint from, QPoint to)
    {
        QTest::mouseMove(Port(), from);
        QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(Port(), to);
        QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, to);
    }
    Ranges Limits() const
    {
        return { doc.m_topAxis.min, doc.m_topAxis.max, doc.m_leftAxis.min, doc.m_leftAxis.max, doc.m_rightAxis.min,
            doc.m_rightAxis.max };
    }
    CCmdUI State(int id)
    {
        CCmdUI ui(id);
        doc.OnUpdateCmdUI(ui);
        return ui;
    }

    CTernaryDoc doc;
    FakeTable table;
    QWidget host;
    CStatusBar* bar = nullptr;
    CTernaryView* view = nullptr;
};

void ExpectRanges(const Ranges& got, const Ranges& want, const char* what)
{
    EXPECT_NEAR(got.tMin, want.tMin, 1e-4) << what;
    EXPECT_NEAR(got.tMax, want.tMax, 1e-4) << what;
    EXPECT_NEAR(got.lMin, want.lMin, 1e-4) << what;
    EXPECT_NEAR(got.lMax, want.lMax, 1e-4) << what;
    EXPECT_NEAR(got.rMin, want.rMin, 1e-4) << what;
    EXPECT_NEAR(got.rMax, want.rMax, 1e-4) << what;
}

} // namespace

TEST(EdgeDrag, EachEdgeMovesItsNeighboursAndSnapsToTheSmallestIncrement)
{
    struct Case {
        const char* what;
        int hit;
        Ranges before;
        float topIncrement;
        double v;
        Ranges after; // after the move and the snap on release
    };
    const Case cases[] = {
        { "bottom edge up: both maxima follow", HitTopMin, { 0, 100, 0, 100, 0, 100 }, 10, 23.4,
            { 20, 100, 0, 80, 0, 80 } },
        { "right max in: left and top minima follow", HitRightMax, { 0, 50, 0, 50, 0, 100 }, 10, 33.3,
            { 10, 50, 10, 50, 0, 40 } },
        { "left min in", HitLeftMin, { 0, 100, 0, 100, 0, 100 }, 10, 23.4, { 0, 80, 20, 100, 0, 80 } },
        { "top max down", HitTopMax, { 0, 100, 0, 50, 0, 50 }, 10, 33.3, { 0, 40, 10, 50, 10, 50 } },
        { "right min in", HitRightMin, { 0, 100, 0, 100, 0, 100 }, 10, 23.4, { 0, 80, 0, 80, 20, 100 } },
        { "left max in", HitLeftMax, { 0, 50, 0, 100, 0, 50 }, 10, 33.3, { 10, 50, 0, 40, 10, 50 } },
        { "bottom edge below where the maxima meet: both grow", HitTopMin, { 0, 100, 0, 40, 0, 40 }, 10, 10,
            { 10, 100, 0, 50, 0, 50 } },
        { "a top increment of 5 is the step", HitTopMin, { 0, 100, 0, 100, 0, 100 }, 5, 27.4,
            { 25, 100, 0, 75, 0, 75 } },
    };
    for (const Case& c : cases) {
        AxisSettings t = Axis(c.before.tMin, c.before.tMax, c.topIncrement);
        AxisSettings l = Axis(c.before.lMin, c.before.lMax, 10);
        AxisSettings r = Axis(c.before.rMin, c.before.rMax, 10);
        const AxisTriple axes { t, l, r };
        const DragStartLimits start = EdgeDragStart(c.hit, axes);
        ASSERT_TRUE(ApplyEdgeDrag(c.hit, c.v, start, axes)) << c.what;
        SnapEdgeDrag(c.hit, axes);
        ExpectRanges({ t.min, t.max, l.min, l.max, r.min, r.max }, c.after, c.what);
    }
}

TEST(EdgeDrag, OutsideTheWindowNothingChangesAndAZeroIncrementLeavesLimitsUnsnapped)
{
    AxisSettings t = Axis(0, 60, 10), l = Axis(0, 100, 10), r = Axis(0, 100, 10);
    const AxisTriple axes { t, l, r };
    EXPECT_FALSE(ApplyEdgeDrag(HitTopMin, 50.5, EdgeDragStart(HitTopMin, axes), axes)) << "above top max - increment";
    EXPECT_FALSE(ApplyEdgeDrag(HitTopMax, 10, EdgeDragStart(HitTopMax, axes), axes)) << "top max window is open";
    EXPECT_FALSE(ApplyEdgeDrag(HitRightMax, 5, EdgeDragStart(HitRightMax, axes), axes));
    ExpectRanges({ t.min, t.max, l.min, l.max, r.min, r.max }, { 0, 60, 0, 100, 0, 100 }, "unchanged");

    t.increment = 0;
    ASSERT_TRUE(ApplyEdgeDrag(HitTopMin, 23.4, EdgeDragStart(HitTopMin, axes), axes));
    SnapEdgeDrag(HitTopMin, axes);
    EXPECT_FLOAT_EQ(t.min, 23.4f);
    EXPECT_FLOAT_EQ(l.max, 76.6f);
}

TEST_F(PlotInteraction, DraggingTheBottomEdgeCutsSnapsAndMarksTheDocument)
{
    // The plot rectangle is (50, 50) - (410, 349): the bottom edge is y = 349.
    QTest::mouseMove(Port(), QPoint(200, 348));
    EXPECT_EQ(view->HitState(), HitTopMin);
    EXPECT_EQ(Port()->cursor().shape(), Qt::SizeVerCursor);

    Drag({ 200, 348 }, { 200, 65 }); // top 95: above top max less one increment
    ExpectRanges(Limits(), { 0, 100, 0, 100, 0, 100 }, "refused");
    EXPECT_FALSE(doc.IsModified());

    QTest::mouseMove(Port(), QPoint(200, 348));
    QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 348));
    QTest::mouseMove(Port(), QPoint(200, 280));
    EXPECT_TRUE(view->IsDragging());
    EXPECT_NEAR(doc.m_topAxis.min, 23.08, 0.01) << "unsnapped while dragging";
    // The picture of the press with the outline at the dragged place.
    const QImage shown = Port()->grab().toImage();
    EXPECT_EQ(shown.pixel(200, view->Geometry().m_corners[0].y), qRgb(0, 0, 0));
    QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 280));
    ExpectRanges(Limits(), { 20, 100, 0, 80, 0, 80 }, "snapped");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(view->IsDragging());
}

TEST_F(PlotInteraction, DraggingInsidePansWithoutMarkingTheDocument)
{
    Drag({ 230, 250 }, { 250, 260 });
    EXPECT_EQ(view->PanOffset(), (CPoint { 20, 10 }));
    EXPECT_EQ(view->Geometry().m_plotRect.left, 70);
    // Points beyond the window are held to its client area.
    Drag({ 250, 260 }, { 250, 5000 });
    EXPECT_EQ(view->PanOffset().y, 10 + Port()->height() - 1 - 260);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlotInteraction, ReadOutAndTheSampleUnderThePointer)
{
    const SampleRecord& s = doc.GetSample(2);
    QTest::mouseMove(Port(), QPoint(s.plotX + 4, s.plotY - 4));
    EXPECT_EQ(bar->MessageText().toStdString(), "Top =  11 Left =  68 Right =  21");
    EXPECT_EQ(view->SampleTipText().toStdString(), "Spl#2 {10.0, 70.0, 20.0}");
    EXPECT_EQ(table.rows, std::vector<int>({ 2 }));

    QTest::mouseMove(Port(), QPoint(s.plotX + 5, s.plotY)); // five units off: no sample
    EXPECT_EQ(table.rows.size(), 1u);
    QTest::mouseMove(Port(), QPoint(5, 5)); // outside the triangle the read-out goes on
    EXPECT_EQ(bar->MessageText().toStdString(), "Top = 115 Left =  53 Right = -68");
}

TEST_F(PlotInteraction, KeysOpenTheLegendDialogButNeverModifiersOrShortcuts)
{
    QSignalSpy legendDialog(view, &CTernaryView::legendDialogRequested);
    for (Qt::Key key : { Qt::Key_Control, Qt::Key_Shift, Qt::Key_Alt, Qt::Key_Meta })
        QTest::keyClick(view, key);
    QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_F, Qt::AltModifier);
    EXPECT_EQ(legendDialog.count(), 0);
    QTest::keyClick(view, Qt::Key_A);
    EXPECT_EQ(legendDialog.count(), 1);
}

TEST_F(PlotInteraction, ContextMenuTextsFollowTheStateAndItsCommandsWork)
{
    auto texts = [this] {
        QStringList list;
        const std::unique_ptr<QMenu> menu = view->CreateContextMenu();
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return list;
    };
    EXPECT_EQ(texts(),
        QStringList({ "Axis ...", "Grids ...", "Fonts ...", "Legend ...", "-", "Hide grid", "Hide legend", "Reset axis",
            "-", "Copy picture" }));
    EXPECT_FALSE(view->CreateContextMenu()->actions().constLast()->isEnabled()) << "nothing copies pictures yet";

    doc.m_drawTicks = 0;
    view->OnContextCommand(ID_PLOT_TOGGLE_GRID);
    view->OnContextCommand(ID_PLOT_TOGGLE_LEGEND);
    EXPECT_EQ((std::pair { doc.m_drawGrids, doc.m_drawTicks }), (std::pair { 0, 1 })) << "no grid: ticks on";
    EXPECT_EQ(texts().mid(5, 2), QStringList({ "Show grid", "Show legend" }));
    view->OnContextCommand(ID_PLOT_TOGGLE_GRID);
    EXPECT_EQ((std::pair { doc.m_drawGrids, doc.m_drawTicks }), (std::pair { 1, 1 }));

    doc.m_topAxis = Axis(20, 60, 5);
    view->SetScale(2.0f);
    view->SetPanOffset({ 30, 40 });
    view->OnContextCommand(ID_PLOT_RESET_AXIS);
    EXPECT_EQ((std::tuple { doc.m_topAxis.min, doc.m_topAxis.max, doc.m_topAxis.increment }),
        (std::tuple { 0.f, 100.f, 10.f }));
    EXPECT_EQ(view->Scale(), 1.0f);
    EXPECT_EQ(view->Geometry().m_plotRect, (CRect { 50, 50, 410, 349 }));
}

TEST_F(PlotInteraction, DocumentTogglesSizesAndToolsWithTheirStates)
{
    doc.m_drawTicks = 0;
    doc.SetModifiedFlag(false);
    doc.OnCmdMsg(ID_TOGGLE_GRID);
    EXPECT_EQ(doc.m_drawTicks, 1);
    EXPECT_EQ(State(ID_TOGGLE_GRID).m_text, "Show grids");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(State(ID_SHOW_NAMES).m_text, "Show sample names");
    doc.OnCmdMsg(ID_SHOW_NAMES);
    EXPECT_EQ(State(ID_SHOW_NAMES).m_text, "Hide sample names");

    doc.OnCmdMsg(ID_SYMBOL_HUGE);
    EXPECT_EQ(doc.m_symbolSize, 7);
    EXPECT_TRUE(State(ID_SYMBOL_HUGE).m_checked);
    EXPECT_FALSE(State(ID_SYMBOL_MEDIUM).m_checked);
    doc.OnCmdMsg(ID_AUTO_ADD);
    EXPECT_FALSE(State(ID_AUTO_ADD).m_checked);

    // Drag tool while an annotation is typed: the text becomes an annotation.
    doc.OnCmdMsg(ID_TOOL_TEXT);
    EXPECT_TRUE(State(ID_TOOL_TEXT).m_checked);
    QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 420));
    ASSERT_NE(view->Annotations()->Editor(), nullptr);
    QTest::keyClicks(view->Annotations()->Editor(), QStringLiteral("Granite"));
    doc.OnCmdMsg(ID_TOOL_DRAG);
    EXPECT_EQ(doc.m_textTool, 0);
    ASSERT_EQ(doc.m_annotations.Count(), 1);
    EXPECT_EQ(doc.m_annotations.Item(0).text, "Granite");
    EXPECT_TRUE(State(ID_TOOL_DRAG).m_checked);
    doc.OnCmdMsg(ID_TOOL_TEXT);
    doc.OnCmdMsg(ID_TOOL_TEXT);
    EXPECT_EQ(doc.m_textTool, 0) << "text tool twice is off";
}

TEST_F(PlotInteraction, ZoomStepsStopAtTheirLimitsAndDisableTheirButtons)
{
    doc.SetModifiedFlag(false);
    for (int i = 0; i < 15; ++i)
        doc.OnCmdMsg(ID_ENLARGE_PLOT);
    EXPECT_FLOAT_EQ(view->Scale(), 4.0f);
    EXPECT_FALSE(State(ID_ENLARGE_PLOT).m_enabled);
    view->SetScale(1.0f);
    for (int i = 0; i < 3; ++i)
        doc.OnCmdMsg(ID_ZOOM_OUT);
    EXPECT_TRUE(State(ID_ZOOM_OUT).m_enabled) << "just above 0.4 after three steps";
    doc.OnCmdMsg(ID_ZOOM_OUT);
    EXPECT_FLOAT_EQ(view->Scale(), 0.4f);
    EXPECT_FALSE(State(ID_ZOOM_OUT).m_enabled);
    EXPECT_FALSE(doc.IsModified());
}

TEST(DocumentCommands, WorkWithoutAPlotView)
{
    CTernaryDoc doc;
    doc.OnCmdMsg(ID_SYMBOL_TINY);
    doc.OnCmdMsg(ID_TOGGLE_LEGEND);
    doc.OnCmdMsg(ID_ENLARGE_PLOT);
    EXPECT_EQ(doc.m_symbolSize, 3);
    EXPECT_EQ(doc.m_drawLegend, 0);
    CCmdUI ui(ID_ENLARGE_PLOT);
    doc.OnUpdateCmdUI(ui);
    EXPECT_FALSE(ui.m_enableSet) << "left to the router";
}
