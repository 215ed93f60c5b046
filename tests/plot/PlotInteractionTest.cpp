// The plot answering the mouse, the keys and the commands: edge drags, pan, read-out,
// the sample under the pointer, the Legend dialog's keys, the context menu, tools and zoom.
#include "document/CTernaryDoc.h"
#include "document/PlotFile.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/core/ISampleTable.h"
#include "framework/gui/CStatusBar.h"
#include "plot/AnnotationLayer.h"
#include "plot/CAnnotationEdit.h"
#include "plot/CTernaryView.h"
#include "plot/EdgeDrag.h"
#include "plot/IOptionsSheet.h"
#include "plot/PlotContextMenu.h"
#include "plot/PlotPicture.h"
#include "plot/SampleHitIndex.h"

#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Limits = std::array<float, 6>; // top min, max, left min, max, right min, max

void ExpectLimits(const AxisSettings& t, const AxisSettings& l, const AxisSettings& r, Limits want, const char* what)
{
    const Limits got { t.min, t.max, l.min, l.max, r.min, r.max };
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], 1e-4) << what << ", limit " << i;
}

// Records the rows the plot asks the sample table to show.
struct FakeTable : CView, ISampleTable {
    std::vector<int> rows;
    void ShowSampleRow(int row) override { rows.push_back(row); }
    void RefreshAxisHeaders() override { }
};

// A new document's plot in a window with a status bar; the plot rectangle
// is (50, 50) - (410, 349), so the bottom edge runs along y = 349.
class PlotInteraction : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.OnNewDocument();
        doc.AddView(&table);
        view->SetDocument(&doc);
        view->resize(600, 500);
        host.show();
        view->OnInitialUpdate();
        (void)Port()->grab(); // a paint stores the samples' positions
    }
    void TearDown() override { doc.RemoveView(&table); }
    QWidget* Port() { return view->viewport(); }
    void Drag(QPoint from, QPoint to, bool release = true)
    {
        QTest::mouseMove(Port(), from);
        QTest::mousePress(Port(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(Port(), to);
        if (release)
            QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, to);
    }
    void ExpectDocLimits(Limits want, const char* what)
    {
        ExpectLimits(doc.m_topAxis, doc.m_leftAxis, doc.m_rightAxis, want, what);
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
    CStatusBar* bar = new CStatusBar(&host);
    CTernaryView* view = new CTernaryView(&host);
};

} // namespace

TEST(EdgeDrag, EachEdgeMovesItsNeighboursAndSnapsToTheSmallestIncrementIfAny)
{
    struct Case {
        const char* what;
        int hit;
        Limits before;
        float topIncrement;
        double v;
        Limits after; // after the move and the snap on release
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
        { "right min below where top and left maxima meet: both grow", HitRightMin, { 0, 40, 0, 40, 0, 100 }, 10,
            10, { 0, 50, 0, 50, 10, 100 } },
        { "left min below where top and right maxima meet: both grow", HitLeftMin, { 0, 40, 0, 100, 0, 40 }, 10, 10,
            { 0, 50, 10, 100, 0, 50 } },
        { "a top increment of 5 is the step", HitTopMin, { 0, 100, 0, 100, 0, 100 }, 5, 27.4,
            { 25, 100, 0, 75, 0, 75 } },
        { "a zero increment has no step", HitTopMin, { 0, 60, 0, 100, 0, 100 }, 0, 23.4, { 23.4f, 60, 0, 76.6f, 0, 76.6f } },
    };
    for (const Case& c : cases) {
        const Limits& b = c.before;
        AxisSettings t { "", b[0], b[1], c.topIncrement }, l { "", b[2], b[3], 10 }, r { "", b[4], b[5], 10 };
        const AxisTriple axes { t, l, r };
        ASSERT_TRUE(ApplyEdgeDrag(c.hit, c.v, EdgeDragStart(c.hit, axes), axes)) << c.what;
        SnapEdgeDrag(c.hit, axes);
        ExpectLimits(t, l, r, c.after, c.what);
    }
}

TEST(EdgeDrag, AnEdgeGoesUpToOneIncrementFromItsOppositeLimit)
{
    // Top 0 to 60 and right 0 to 100, increments 10: both sides of each window's end.
    const struct {
        int hit;
        double v;
        bool taken;
    } cases[] = { { HitTopMin, 50, true }, { HitTopMin, 50.5, false }, { HitTopMax, 10.5, true },
        { HitTopMax, 10, false }, { HitRightMax, 10, true }, { HitRightMax, 9.5, false } };
    for (const auto& c : cases) {
        AxisSettings t { "", 0, 60, 10 }, l { "", 0, 100, 10 }, r { "", 0, 100, 10 };
        const AxisTriple axes { t, l, r };
        EXPECT_EQ(ApplyEdgeDrag(c.hit, c.v, EdgeDragStart(c.hit, axes), axes), c.taken) << c.hit << " to " << c.v;
        if (!c.taken)
            ExpectLimits(t, l, r, { 0, 60, 0, 100, 0, 100 }, "unchanged");
    }
}

TEST_F(PlotInteraction, EachEdgeOfACutPlotShowsTheCursorOfItsDirection)
{
    for (AxisSettings* a : { &doc.m_topAxis, &doc.m_leftAxis, &doc.m_rightAxis })
        *a = { "", 10, 60, 10 };
    view->ComputeCorners();
    const auto& c = view->Geometry().m_corners;
    // Edge n runs from corner n - 1 to corner n mod 6; n mod 3 names its axis: left, top, right.
    const Qt::CursorShape shapes[] = { Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor };
    for (int hit = HitTopMin; hit <= HitLeftMax; ++hit) {
        QTest::mouseMove(Port(), QPoint((c[hit - 1].x + c[hit % 6].x) / 2, (c[hit - 1].y + c[hit % 6].y) / 2));
        EXPECT_EQ(view->HitState(), hit);
        EXPECT_EQ(Port()->cursor().shape(), shapes[hit % 3]) << "edge " << hit;
    }
    QTest::mouseMove(Port(), QPoint(230, 250));
    EXPECT_EQ(Port()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(PlotInteraction, DraggingTheBottomEdgeCutsSnapsAndMarksTheDocumentDraggingInsidePans)
{
    Drag({ 200, 348 }, { 200, 65 }); // top 95: above top max less one increment
    ExpectDocLimits({ 0, 100, 0, 100, 0, 100 }, "refused");
    EXPECT_FALSE(doc.IsModified());

    Drag({ 200, 348 }, { 200, 280 }, false);
    EXPECT_NEAR(doc.m_topAxis.min, 23.08, 0.01) << "unsnapped while dragging";
    // The picture of the press, with the outline at the dragged place.
    EXPECT_EQ(Port()->grab().toImage().pixel(200, view->Geometry().m_corners[0].y), qRgb(0, 0, 0));
    QTest::mouseRelease(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 280));
    ExpectDocLimits({ 20, 100, 0, 80, 0, 80 }, "snapped");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(view->IsDragging());

    // Dragging inside pans, within the window, without marking the document.
    doc.SetModifiedFlag(false);
    Drag({ 230, 250 }, { 250, 260 });
    EXPECT_EQ(view->PanOffset(), (CPoint { 20, 10 }));
    EXPECT_EQ(view->Geometry().m_plotRect.left, 70);
    Drag({ 250, 260 }, { 250, 5000 }); // held to the client area
    EXPECT_EQ(view->PanOffset().y, 10 + Port()->height() - 1 - 260);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PlotInteraction, ReadOutAndTheSampleUnderThePointerUnlessACutLeavesItOut)
{
    const SampleRecord& s = doc.GetSample(2);
    QTest::mouseMove(Port(), QPoint(s.plotX + 4, s.plotY - 4));
    EXPECT_EQ(bar->MessageText().toStdString(), "Top =  11 Left =  68 Right =  21");
    EXPECT_EQ(view->SampleTipText().toStdString(), "Spl#2 {10.0, 70.0, 20.0}");
    EXPECT_EQ(table.rows, std::vector<int>({ 2 }));
    // Less than five units off both ways, on either side.
    const std::pair<QPoint, bool> offsets[] = { { { -4, 4 }, true }, { { 5, 0 }, false }, { { -5, 0 }, false },
        { { 0, 5 }, false }, { { 0, -5 }, false } };
    for (auto [offset, found] : offsets) {
        table.rows.clear();
        QTest::mouseMove(Port(), QPoint(s.plotX, s.plotY) + offset);
        EXPECT_EQ(table.rows, found ? std::vector<int> { 2 } : std::vector<int> {}) << offset.x() << "," << offset.y();
    }
    QTest::mouseMove(Port(), QPoint(5, 5)); // outside the triangle too
    EXPECT_EQ(bar->MessageText().toStdString(), "Top = 115 Left =  53 Right = -68");

    // With a diagram both add the class; outside the triangle there is none.
    doc.m_diagram.kind = DiagramKind::Qap;
    QTest::mouseMove(Port(), QPoint(s.plotX + 4, s.plotY - 4));
    EXPECT_EQ(bar->MessageText().toStdString(), "Top =  11 Left =  68 Right =  21  7* Quartz syenite");
    EXPECT_EQ(view->SampleTipText().toStdString(), "Spl#2 {10.0, 70.0, 20.0}  7* Quartz syenite");
    QTest::mouseMove(Port(), QPoint(5, 5));
    EXPECT_EQ(bar->MessageText().toStdString(), "Top = 115 Left =  53 Right = -68");

    // Cut away, the samples (top 20 and 10) are not found and the status bar counts them.
    const QPoint where(s.plotX, s.plotY);
    const std::pair<float, QString> cuts[] = {
        { 15, QStringLiteral("1 sample lies outside the axis ranges and is not drawn") },
        { 30, QStringLiteral("2 samples lie outside the axis ranges and are not drawn") },
        { 0, QStringLiteral("Ready") },
    };
    for (const auto& [topMin, message] : cuts) {
        doc.m_topAxis.min = topMin;
        view->ComputeCorners();
        (void)Port()->grab();
        EXPECT_EQ(bar->MessageText(), message);
        table.rows.clear();
        QTest::mouseMove(Port(), where);
        EXPECT_EQ(table.rows.size(), topMin == 0 ? 1u : 0u) << "cut at " << topMin;
        QTest::mouseMove(Port(), QPoint(5, 5));
    }
}

TEST_F(PlotInteraction, TheScrollRangesReachWhatIsDrawnLeftOfOrAboveTheCanvasAsAPictureFrameDoes)
{
    struct Case {
        const char* leftTitle;
        float topMin; // a bottom-edge cut moves the left title further left
        int legendTop;
        bool left, above;
    };
    const Case cases[] = {
        { "Left", 0, 60, false, false },
        { "Alkali feldspar and plagioclase", 0, 60, true, false },
        { "Alkali feldspar and plagioclase", 40, 60, true, false },
        { "Left", 0, -100, false, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.leftTitle + std::string(" ") + std::to_string(c.legendTop));
        doc.m_leftAxis.title = c.leftTitle;
        doc.m_topAxis.min = c.topMin;
        doc.m_legend.m_position.top = c.legendTop;
        view->ComputeCorners();
        (void)Port()->grab();
        const CRect frame = PlotPicture(doc).Frame(); // the unscrolled view's picture
        EXPECT_EQ(frame.left < 0, c.left);
        EXPECT_EQ(frame.top < 0, c.above);
        for (int i = 0; i < 2; ++i) { // at the canvas origin, then scrolled to the ranges' start
            EXPECT_EQ(view->horizontalScrollBar()->minimum(), frame.left);
            EXPECT_EQ(view->verticalScrollBar()->minimum(), frame.top);
            view->Scroll(Qt::Horizontal, PlotGeometry::Top);
            view->Scroll(Qt::Vertical, PlotGeometry::Top);
            (void)Port()->grab();
            EXPECT_EQ(view->ScrollPos(), (CPoint { frame.left, frame.top }));
        }
        view->Scroll(Qt::Horizontal, PlotGeometry::ThumbPosition, 0);
        view->Scroll(Qt::Vertical, PlotGeometry::ThumbPosition, 0);
    }
}

TEST_F(PlotInteraction, AnUntouchedViewRestsAtTheFigureStartWhereTheWholeFigureFits)
{
    doc.m_leftAxis.title = "Alkali feldspar and plagioclase";
    doc.m_legend.m_position.top = -100;
    view->ComputeCorners();
    (void)Port()->grab();
    const CRect frame = view->FigureFrame();
    ASSERT_TRUE(frame.left < 0 && frame.top < 0);
    const QSize border = view->size() - Port()->size();
    const struct {
        int narrower, lower;
        CPoint rest;
    } cases[] = { { 0, 0, { frame.left, frame.top } }, { 1, 0, { 0, frame.top } }, { 0, 1, { frame.left, 0 } },
        { 1, 1, { 0, 0 } }, { 0, 0, { frame.left, frame.top } } };
    for (const auto& c : cases) {
        view->resize(frame.Width() + border.width() - c.narrower, frame.Height() + border.height() - c.lower);
        (void)Port()->grab();
        EXPECT_EQ(view->ScrollPos(), c.rest) << c.narrower << c.lower;
    }
    // Where the user scrolled to stays when the view is resized.
    view->Scroll(Qt::Horizontal, PlotGeometry::LineDown);
    const CPoint chosen = view->ScrollPos();
    view->resize(view->width() - 1, view->height());
    EXPECT_EQ(view->ScrollPos(), chosen);
}

TEST_F(PlotInteraction, TheSampleUnderThePointerAmong200000)
{
    // Samples on a few dozen places; the lowest slot at a place is the one found.
    ASSERT_TRUE(doc.EnsureSampleSlot(200000));
    for (int slot = 3; slot <= 200000; ++slot) {
        SampleRecord& s = doc.GetSample(slot);
        s.row = slot;
        s.top = 10.0f + static_cast<float>(slot % 7 * 10);
        s.left = 10.0f + static_cast<float>(slot % 5 * 5);
        s.right = 100.0f - s.top - s.left;
        s.colorId = s.symbolId = 1;
    }
    SampleRecord& alone = doc.GetSample(199999);
    alone = { "alone", 45, 45, 10, 1, 1, NOT_PLOTTED, NOT_PLOTTED, 199999 };
    (void)Port()->grab();
    QTest::mouseMove(Port(), QPoint(alone.plotX - 4, alone.plotY + 4));
    const SampleRecord& shared = doc.GetSample(35); // top 10, left 10, as every 35th slot
    QTest::mouseMove(Port(), QPoint(shared.plotX, shared.plotY));
    EXPECT_EQ(table.rows, std::vector<int>({ 199999, 35 }));
    EXPECT_EQ(view->SampleTipText().toStdString(), " {10.0, 10.0, 80.0}");
}

TEST(SampleHitIndex, FindsTheLowestSlotWithinReachWhetherItsSquaresLieNearOrFarApart)
{
    for (const int far : { 0, 1 << 28 }) { // squares near are sorted by counting, far apart by a sort
        SCOPED_TRACE(far);
        CTernaryDoc doc;
        doc.OnNewDocument();
        const CPoint places[] = { { 40, 40 }, { -40, -17 }, { 40, 40 }, { 44, 36 }, { far, -far }, { -1, 0 } };
        ASSERT_TRUE(doc.EnsureSampleSlot(6));
        for (int slot = 1; slot <= 6; ++slot)
            doc.GetSample(slot) = { "", 1, 1, 1, 0, 0, places[slot - 1].x, places[slot - 1].y, slot };
        SampleHitIndex index;
        index.Build(doc);
        const std::pair<CPoint, int> asked[] = { { { 42, 38 }, 1 }, { { 47, 33 }, 4 }, { { -36, -21 }, 2 },
            { { -35, -17 }, 0 }, { { far, -far }, 5 }, { { -4, 3 }, far ? 6 : 5 } };
        for (auto [point, slot] : asked)
            EXPECT_EQ(index.SlotNear(doc, point, 5), slot) << point.x << "," << point.y;
    }
}

TEST_F(PlotInteraction, OnlyATypedCharacterOpensTheLegendDialogAndTheContextMenuFollowsTheState)
{
    auto texts = [this] {
        QStringList list;
        const std::unique_ptr<QMenu> menu = view->CreateContextMenu();
        for (QAction* a : menu->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (off)"));
        return list;
    };
    EXPECT_EQ(texts(),
        QStringList({ "Axis ...", "Grids ...", "Fonts ...", "Legend ...", "-", "Hide grid", "Hide legend", "Reset axis",
            "-", "Copy picture", "Copy Figure" }));
    doc.m_drawTicks = 0;
    view->OnContextCommand(ID_PLOT_TOGGLE_GRID);
    view->OnContextCommand(ID_PLOT_TOGGLE_LEGEND);
    EXPECT_EQ((std::pair { doc.m_drawGrids, doc.m_drawTicks }), (std::pair { 0, 1 })) << "no grid: ticks on";
    EXPECT_EQ(texts().mid(5, 2), QStringList({ "Show grid", "Show legend" }));
    view->OnContextCommand(ID_PLOT_TOGGLE_GRID);
    EXPECT_EQ((std::pair { doc.m_drawGrids, doc.m_drawTicks }), (std::pair { 1, 1 }));

    doc.m_topAxis = { "Top", 20, 60, 5 };
    view->SetScale(2.0f);
    view->SetPanOffset({ 30, 40 });
    view->OnContextCommand(ID_PLOT_RESET_AXIS);
    ExpectDocLimits({ 0, 100, 0, 100, 0, 100 }, "reset");
    EXPECT_EQ((std::pair { doc.m_topAxis.increment, view->Geometry().m_plotRect }),
        (std::pair { 10.0f, CRect { 50, 50, 410, 349 } }));

    // The items that open the options sheet, then double clicks near each corner and in the
    // legend box, each on its own page; OK on what the sheet was shown changes nothing.
    struct PageRecorder : IOptionsSheet {
        std::vector<int> pages;
        bool Run(FormatOptions&, int page, QWidget*) override { return pages.push_back(page), true; }
    } sheet;
    view->SetOptionsSheet(&sheet);
    view->OnContextCommand(ID_PLOT_TOGGLE_LEGEND);
    const std::string bytes = SavePlotFileBytes(doc);
    for (int id : { ID_PLOT_AXIS, ID_PLOT_GRIDS, ID_PLOT_FONTS, ID_PLOT_LEGEND })
        view->OnContextCommand(id);
    const CRect box = doc.m_legend.m_position;
    for (QPoint p : { QPoint(222, 20), QPoint(20, 360), QPoint(450, 360), QPoint(box.left + 2, box.top + 2) })
        QTest::mouseDClick(Port(), Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_EQ(sheet.pages, (std::vector<int> { 0, 3, 4, 5, 0, 1, 2, 5 }));
    EXPECT_EQ(SavePlotFileBytes(doc), bytes);

    // Only a typed character asks for the Legend dialog.
    QSignalSpy legendDialog(view, &CTernaryView::legendDialogRequested);
    const std::pair<int, Qt::KeyboardModifiers> quiet[] = { { Qt::Key_Control, {} }, { Qt::Key_Shift, {} },
        { Qt::Key_Alt, {} }, { Qt::Key_Meta, {} }, { Qt::Key_C, Qt::ControlModifier }, { Qt::Key_F, Qt::AltModifier },
        { Qt::Key_Down, {} }, { Qt::Key_Up, {} }, { Qt::Key_Left, {} }, { Qt::Key_Right, {} }, { Qt::Key_PageUp, {} },
        { Qt::Key_PageDown, {} }, { Qt::Key_Home, {} }, { Qt::Key_End, {} }, { Qt::Key_Escape, {} },
        { Qt::Key_Return, {} }, { Qt::Key_Enter, {} }, { Qt::Key_Backspace, {} }, { Qt::Key_Insert, {} },
        { Qt::Key_F1, {} }, { Qt::Key_F2, {} }, { Qt::Key_F12, {} } };
    for (auto [key, modifiers] : quiet) {
        QTest::keyClick(view, static_cast<Qt::Key>(key), modifiers);
        EXPECT_EQ(legendDialog.count(), 0) << QKeySequence(key | modifiers).toString().toStdString();
    }
    const std::pair<int, Qt::KeyboardModifiers> typed[]
        = { { Qt::Key_A, {} }, { Qt::Key_5, {} }, { Qt::Key_Space, {} }, { Qt::Key_B, Qt::ShiftModifier } };
    for (auto [key, modifiers] : typed)
        QTest::keyClick(view, static_cast<Qt::Key>(key), modifiers);
    EXPECT_EQ(legendDialog.count(), 4);
}

TEST_F(PlotInteraction, DocumentTogglesSizesToolsAndZoomWithTheirStates)
{
    doc.m_drawTicks = 0;
    doc.OnCmdMsg(ID_TOGGLE_GRID);
    EXPECT_EQ(doc.m_drawTicks, 1);
    EXPECT_EQ(State(ID_TOGGLE_GRID).m_text, "Show grids");
    EXPECT_TRUE(doc.IsModified());
    doc.OnCmdMsg(ID_SYMBOL_HUGE);
    EXPECT_EQ(doc.m_symbolSize, 7);
    EXPECT_TRUE(State(ID_SYMBOL_HUGE).m_checked);
    EXPECT_FALSE(State(ID_SYMBOL_MEDIUM).m_checked);

    // Drag tool while an annotation is typed: the text becomes an annotation.
    doc.OnCmdMsg(ID_TOOL_TEXT);
    QTest::mouseClick(Port(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 420));
    ASSERT_NE(view->Annotations()->Editor(), nullptr);
    QTest::keyClicks(view->Annotations()->Editor(), QStringLiteral("Granite"));
    doc.OnCmdMsg(ID_TOOL_DRAG);
    ASSERT_EQ(doc.m_annotations.Count(), 1);
    EXPECT_EQ(doc.m_annotations.Item(0).text, "Granite");
    EXPECT_TRUE(State(ID_TOOL_DRAG).m_checked);
    doc.OnCmdMsg(ID_TOOL_TEXT);
    doc.OnCmdMsg(ID_TOOL_TEXT);
    EXPECT_EQ(doc.m_textTool, 0) << "text tool twice is off";

    // Zoom steps stop at their limits and disable their buttons; the zoom is the view's, not the file's.
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
