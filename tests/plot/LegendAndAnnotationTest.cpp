// The legend box and the annotations on a real plot view: layout, shadow,
// dragging and both in-place editors, driven by mouse and key events.
#include "framework/gui/CDC.h"
#include "plot/AnnotationLayer.h"
#include "plot/CAnnotationEdit.h"
#include "plot/CLegendEdit.h"
#include "plot/CanvasBounds.h"
#include "plot/LegendBox.h"
#include "plot/PlotRenderer.h"
#include "plot/PlotViewFixture.h"

#include <QImage>
#include <QTest>

namespace {

struct ViewFixture : PlotViewFixture {
    void SetUp() override
    {
        PlotViewFixture::SetUp();
        Paint(); // lays the legend out
    }
    void Paint()
    {
        CDC dc;
        view.OnDraw(&dc);
    }
    QWidget* Viewport() { return view.viewport(); }
    void Click(CPoint p) { QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y)); }
    CPoint Centre(const CRect& r) { return { (r.left + r.right) / 2, (r.top + r.bottom) / 2 }; }
    // Turns the text tool on and clicks: the annotation editor opens there.
    CAnnotationEdit* TextToolClick(CPoint p)
    {
        doc.m_textTool = 1;
        Click(p);
        return view.Annotations()->Editor();
    }
    void AddAnnotation(const char* text, const CRect& rect)
    {
        auto a = std::make_unique<Annotation>();
        a->text = text;
        a->rect = rect;
        doc.m_annotations.Add(std::move(a));
    }
};

} // namespace

TEST_F(ViewFixture, LegendEntriesStackInRowsWrapIntoColumnsWhenTallerThanTheRoomAndCastAShadow)
{
    CDC dc;
    dc.SelectFont(ToLogicalFont(doc.m_legendFont));
    const int h = dc.GetTextExtent(QStringLiteral("Blank")).cy;
    const int step = h + LegendBox::kLineGap;
    const CRect start = doc.m_legend.m_position;
    // The shadow is two lines right of and below the box (its symbols draw no lines).
    std::vector<std::string> log;
    CDC recorded;
    recorded.SetRecorder(&log);
    view.Legend()->Draw(recorded);
    const CRect b = doc.m_legend.m_position;
    for (const std::string& shadow :
        { QString::asprintf("LineTo %d %d %d %d", b.right, b.top + 2, b.right, b.bottom).toStdString(),
            QString::asprintf("LineTo %d %d %d %d", b.right, b.bottom, b.left + 2, b.bottom).toStdString() })
        EXPECT_NE(std::find(log.begin(), log.end(), shadow), log.end()) << shadow;
    EXPECT_EQ(std::count_if(log.begin(), log.end(), [](auto& l) { return l.rfind("LineTo", 0) == 0; }), 4);
    const int canvasBottom = view.Geometry().m_canvasSize.cy;
    const int rows = (canvasBottom - start.top - 2 * LegendBox::kMargin - 2) / step;
    for (int count : { 2, rows, rows + 1, 2 * rows + 1 }) {
        doc.m_legend.Clear();
        for (int i = 0; i < count; ++i)
            doc.m_legend.AddItem(i % 16, i / 16, i % 2 ? "entry" : "entry, longer");
        Paint();
        const int columns = (count + rows - 1) / rows;
        const CRect& box = doc.m_legend.m_position;
        EXPECT_EQ(box.bottom, start.top + 2 * LegendBox::kMargin + std::min(count, rows) * step) << count;
        EXPECT_LE(box.bottom + 2, canvasBottom) << count;
        // As wide as the longest text and a little more, past the margin and the symbol column.
        const int width = dc.GetTextExtent(QStringLiteral("entry, longer")).cx + 6;
        const int left = start.left + LegendBox::kMargin + LegendBox::kSymbolColumn;
        EXPECT_EQ(doc.m_legend.Item(0).rect, (CRect { left, start.top + 10, left + width, start.top + 10 + h + 4 }));
        const int columnWidth = width + LegendBox::kSymbolColumn + 4 + LegendBox::kMargin;
        for (int i = 0; i < count; ++i) {
            const CRect& r = doc.m_legend.Item(i).rect;
            EXPECT_EQ(r.left, left + i / rows * columnWidth) << count << " entry " << i;
            EXPECT_EQ(r.top, start.top + LegendBox::kMargin + i % rows * step) << count << " entry " << i;
        }
        EXPECT_EQ(box.right, left + width + (columns - 1) * columnWidth + LegendBox::kMargin + 4) << count;
    }

    // An empty legend draws nothing.
    doc.m_legend.Clear();
    log.clear();
    view.Legend()->Draw(recorded);
    EXPECT_TRUE(log.empty());
}

TEST_F(ViewFixture, LegendClickSelectsAndDragsThenEditsAnEntryUntilItsSampleMoves)
{
    LegendItem& first = doc.m_legend.Item(0);
    const CPoint p = Centre(first.rect);
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x, p.y));
    EXPECT_EQ(first.selected, 1);
    QTest::mouseMove(Viewport(), QPoint(p.x + 15, p.y + 5));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(p.x + 15, p.y + 5));
    EXPECT_EQ((CPoint { doc.m_legend.m_position.left, doc.m_legend.m_position.top }), (CPoint { 365, 65 }));

    Paint();
    Click(Centre(first.rect)); // a second click on the selected entry edits it
    CLegendEdit* editor = view.Legend()->Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("sample #1"));
    const int before = editor->width();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral(";a;b long text that widens the editor"));
    EXPECT_EQ(editor->text(), QStringLiteral("sample #1ab long text that widens the editor"));
    EXPECT_GT(editor->width(), before);
    QTest::keyClick(editor, Qt::Key_Escape); // Esc keeps the text too
    EXPECT_EQ(first.text, "sample #1ab long text that widens the editor");
    EXPECT_FALSE(view.Legend()->IsEditing());

    // The sample table moves sample 2 to a new pair while its entry is edited: the edit ends, kept.
    Paint();
    const CPoint second = Centre(doc.m_legend.Item(1).rect);
    QTest::mouseDClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(second.x, second.y));
    ASSERT_NE(view.Legend()->Editor(), nullptr);
    view.Legend()->Editor()->setText(QStringLiteral("renamed"));
    doc.m_legend.UpdateForSample(5, 5, 3, 1, "Spl#2");
    EXPECT_FALSE(view.Legend()->IsEditing());
    ASSERT_EQ(doc.m_legend.Count(), 2);
    EXPECT_EQ(doc.m_legend.Item(1).text, "renamed");

    // Dragged far up and left, the box stops where a part of it stays on the canvas.
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(370, 70));
    QTest::mouseMove(Viewport(), QPoint(-3000, -3000));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(-3000, -3000));
    EXPECT_EQ((std::pair { doc.m_legend.m_position.right, doc.m_legend.m_position.bottom }),
        (std::pair { kKeepOnCanvas, kKeepOnCanvas }));
}

TEST_F(ViewFixture, NewAnnotationNeedsATextKeepsTheClicksLeftAndBottomAndAnEmptiedOneKeepsItsText)
{
    CAnnotationEdit* editor = TextToolClick({ 100, 420 });
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return); // Enter without a text creates nothing
    EXPECT_EQ(doc.m_annotations.Count(), 0);
    EXPECT_EQ(view.Annotations()->Editor(), nullptr);

    for (int scroll : { 0, 48 }) {
        view.Scroll(Qt::Vertical, PlotGeometry::ThumbPosition, scroll);
        editor = TextToolClick({ 100 + 4 * scroll, 420 - scroll });
        ASSERT_NE(editor, nullptr);
        const QRect typed = editor->geometry();
        QTest::keyClicks(editor, QStringLiteral("Basalt; field"));
        EXPECT_EQ(editor->text(), QStringLiteral("Basalt field")); // ';' refused silently
        EXPECT_GT(editor->width(), typed.width()); // grows to the right
        EXPECT_LE(editor->y(), typed.y()); // and upward, never down
        QTest::keyClick(editor, Qt::Key_Return);
        const Annotation& a = doc.m_annotations.Item(doc.m_annotations.Count() - 1);
        EXPECT_EQ(
            (std::tuple { a.text, a.rect.left, a.rect.bottom }), (std::tuple { "Basalt field", 100 + 4 * scroll, 428 }))
            << "scrolled by " << scroll;
        EXPECT_EQ(doc.m_textTool, 0);
    }

    // An annotation emptied keeps its old text; the editor takes a limited text.
    view.Scroll(Qt::Vertical, PlotGeometry::ThumbPosition, 0);
    AddAnnotation("old", { 450, 300, 510, 320 });
    editor = TextToolClick({ 460, 310 });
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("old"));
    editor->clear();
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(doc.m_annotations.Item(2).text, "old");

    editor = TextToolClick({ 460, 310 });
    ASSERT_NE(editor, nullptr);
    editor->clear();
    QTest::keyClicks(editor, QString(300, QLatin1Char('x')));
    EXPECT_EQ(editor->text().size(), CAnnotationEdit::kMaxLength);
}

TEST_F(ViewFixture, DraggedAnnotationMovesAndIsSelectedThenDeletedAndRectanglesFitTheirTexts)
{
    AddAnnotation("move me", { 100, 400, 180, 420 });
    QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 410));
    const QImage held = Viewport()->grab().toImage();
    EXPECT_EQ(held.pixelColor(100, 400), QColor(Qt::black)) << "the annotation held has a black frame";
    EXPECT_EQ(held.pixelColor(179, 419), QColor(Qt::black));
    QTest::mouseMove(Viewport(), QPoint(130, 400));
    QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(130, 400));
    const Annotation& moved = doc.m_annotations.Item(0);
    EXPECT_EQ(moved.rect, (CRect { 120, 390, 200, 410 }));
    EXPECT_EQ(moved.selected, 1);
    EXPECT_EQ(Viewport()->grab().toImage().pixelColor(120, 390), QColor(255, 200, 200)) << "framed when selected";
    QTest::keyClick(&view, Qt::Key_Delete);
    EXPECT_EQ(doc.m_annotations.Count(), 0);

    // The layout fits the rectangles to their texts.
    AddAnnotation("abc", { 100, 400, 110, 420 });
    AddAnnotation("", { 100, 400, 110, 420 });
    doc.m_annotFont.height = 20;
    view.RebuildFonts();
    CDC dc;
    dc.SelectFont({ 20, 400, false, false, false, doc.m_annotFont.faceName });
    const CSize extent = dc.GetTextExtent(QStringLiteral("abcWW"));
    EXPECT_EQ(doc.m_annotations.Item(0).rect, (CRect { 100, 420 - extent.cy - 4, 100 + extent.cx + 4, 420 }));
    EXPECT_EQ(doc.m_annotations.Item(1).rect, (CRect { 100, 400, 110, 420 }));
}

TEST_F(ViewFixture, ScrollingKeepsCanvasPositionsAndChangesOnlyTheView)
{
    view.Scroll(Qt::Vertical, PlotGeometry::LineDown);
    EXPECT_EQ(view.ScrollPos().y, 48);
    EXPECT_EQ(view.Geometry().m_plotRect.top, 2);
    // The legend keeps its canvas place: a click at its device position minus the scroll hits it.
    Paint();
    const CRect box = doc.m_legend.m_position;
    Click({ box.left + 3, box.top + 3 - 48 });
    EXPECT_EQ(doc.m_legend.m_position, box);
    view.Scroll(Qt::Vertical, PlotGeometry::Bottom);
    EXPECT_EQ(view.ScrollPos().y, 960);
    EXPECT_FALSE(doc.IsModified());
}

TEST(CTernaryViewLifetime, EitherTheViewOrTheDocumentMayGoFirst)
{
    auto doc = std::make_unique<CTernaryDoc>();
    doc->OnNewDocument();
    {
        CTernaryView view;
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
    }
    EXPECT_EQ(doc->m_plotView, nullptr);
    doc->m_legend.UpdateForSample(1, 1, 0, 3, "x"); // no hook of the dead view runs
    auto view = std::make_unique<CTernaryView>();
    view->SetDocument(doc.get());
    view->OnInitialUpdate();
    doc.reset();
    view.reset();
}
