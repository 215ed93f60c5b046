// The main window: the command route, menus, shortcuts and the status bar,
// the keyboard between the panes, the dialogs it opens, and undo and redo
// through its commands with every kind of change made by real events on the
// table and the plot, and the edits the document manager finishes before
// the document changes hands.
#include "dialogs/CLegendDialog.h"
#include "dialogs/CLegendGrid.h"
#include "document/CTernaryDoc.h"
#include "document/FormatOptions.h"
#include "document/PlotFile.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/CDocManager.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/CommandTable.h"
#include "plot/AnnotationLayer.h"
#include "plot/CTernaryView.h"
#include "plot/IOptionsSheet.h"
#include "plot/LegendBox.h"
#include "support/TestSupport.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include <functional>
#include <set>

#include <gtest/gtest.h>

namespace {

// The last target of the route, recording what reaches it.
struct RecordingApp : CCmdTarget {
    std::vector<int> received;
    RecordingApp()
    {
        for (int id : { ID_EDIT_PASTE, ID_FILE_NEW })
            OnCommand(id, [this, id] { received.push_back(id); });
    }
};

// A document that counts the Paste commands reaching it.
struct PasteCountingDoc : CTernaryDoc {
    int pastes = 0;
    PasteCountingDoc()
    {
        OnCommand(ID_EDIT_PASTE, [this] { ++pastes; });
    }
};

// The options sheet's OK with a new title and legend font.
struct EditingSheet : IOptionsSheet {
    bool Run(FormatOptions& options, int, QWidget*) override
    {
        options.axes[0].title = "SiO2";
        options.legendFont.height = 30;
        return true;
    }
};

// What a step must bring back: the file's bytes, the table's first rows and
// the legend's counts.
struct Snapshot {
    std::string bytes;
    QStringList cells;
    std::vector<int> counts;
    bool operator==(const Snapshot&) const = default;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.SetAppTarget(&app);
        doc.OnNewDocument();
        doc.SendInitialUpdate();
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
        Settle();
    }

    CTernaryTable& Table() { return *frame.Table(); }
    CTernaryView& Plot() { return *frame.PlotView(); }
    QWidget* Viewport() { return Plot().viewport(); }
    QUndoStack& Stack() { return *doc.GetUndoStack(); }
    CCommandRouter& router() { return *frame.Router(); }
    void Route(int id) { frame.Router()->Route(id); }

    Snapshot Take()
    {
        Snapshot s;
        s.bytes = SavePlotFileBytes(doc);
        for (int row = 1; row <= 6; ++row)
            for (int col = 1; col <= 5; ++col)
                s.cells << Table().GetCellText(row, col);
        for (int i = 0; i < doc.m_legend.Count(); ++i)
            s.counts.push_back(doc.m_legend.Item(i).useCount);
        s.cells << Table().GetCellText(0, 2); // the top axis title
        return s;
    }
    CTernaryTable& SelectCells(int top, int left, int bottom, int right)
    {
        frame.SetActiveView(&Table());
        Table().GetSelection() = CellRange(top, left, bottom, right);
        return Table();
    }
    void RouteOnCells(int id, int top, int bottom)
    {
        SelectCells(top, 1, bottom, 5);
        Route(id);
    }
    void Paste(int row, const char* text)
    {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        RouteOnCells(ID_EDIT_PASTE, row, row);
    }
    // A drag on the plot after the pointer has rested at its start.
    void Drag(QPoint from, QPoint by)
    {
        QTest::mouseMove(Viewport(), from);
        QTest::mousePress(Viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(Viewport(), from + by);
        QTest::mouseRelease(Viewport(), Qt::LeftButton, Qt::NoModifier, from + by);
    }
    void Enter(QWidget* editor, const char* text)
    {
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QPoint Corner(int i) { return { Plot().Geometry().m_corners[i].x, Plot().Geometry().m_corners[i].y }; }
    QPoint LegendPoint()
    {
        Plot().viewport()->repaint(); // lays the legend out
        const CRect box = doc.m_legend.m_position;
        return { box.left + 3, box.top + 3 };
    }
    // An annotation at (100, 180)-(180, 200).
    void AddAnnotation(int selected = 1)
    {
        auto a = std::make_unique<Annotation>();
        a->text = "Note";
        a->rect = { 100, 180, 180, 200 };
        a->selected = selected;
        doc.m_annotations.Add(std::move(a));
    }

    MessageBoxRecorder boxes;
    EditingSheet sheet;
    PasteCountingDoc doc;
    CMainFrame frame { &doc };
    RecordingApp app;
};

} // namespace

TEST_F(MainFrameTest, CommandsGoToTheActiveViewThenTheDocumentThenTheApplication)
{
    // The plot is active at start, and the table's commands are not on the route.
    EXPECT_FALSE(router().QueryState(ID_EDIT_FILL_DOWN).m_enabled);
    router().Route(ID_FILE_NEW);
    EXPECT_EQ(app.received, std::vector<int>({ ID_FILE_NEW }));
    router().Route(ID_EDIT_PASTE);
    EXPECT_EQ(doc.pastes, 1) << "the plot does not take Paste, the document does";
    EXPECT_EQ(app.received.size(), 1u);

    frame.Table()->setFocus();
    Settle();
    EXPECT_EQ(frame.GetActiveView(), static_cast<CView*>(frame.Table()));
    EXPECT_TRUE(router().QueryState(ID_EDIT_FILL_DOWN).m_enabled);
    EXPECT_TRUE(router().Route(ID_EDIT_PASTE));
    EXPECT_EQ(doc.pastes, 1) << "the active table comes first";
}

TEST_F(MainFrameTest, MenuItemsRunTheirCommandAreRefreshedBeforeAMenuOpensAndPromptInTheStatusBar)
{
    // Every shortcut of the commands that have more than one, or one of their own.
    const std::pair<int, const char*> shortcuts[] = { { ID_TOGGLE_GRID, "Ctrl+G" }, { ID_COPY_FIGURE, "Ctrl+Shift+C" },
        { ID_EDIT_UNDO, "Ctrl+Z" }, { ID_EDIT_REDO, "Ctrl+Y, Ctrl+Shift+Z" }, { ID_APP_EXIT, "Ctrl+Q" } };
    for (auto [id, keys] : shortcuts) {
        QStringList texts;
        for (const QKeySequence& key : router().Action(id)->shortcuts())
            texts << key.toString();
        EXPECT_EQ(texts.join(", "), QLatin1String(keys)) << id;
    }
    QAction* grid = router().Action(ID_TOGGLE_GRID);
    QAction* figure = router().Action(ID_COPY_FIGURE);
    EXPECT_TRUE(frame.FindMenu("&Edit")->actions().contains(figure));
    frame.Table()->setFocus();
    Settle();
    EXPECT_TRUE(router().QueryState(ID_COPY_FIGURE).m_enabled) << "with the table active too";
    emit frame.FindMenu("&Options")->aboutToShow();
    EXPECT_EQ(grid->text(), "Hide grids") << "the document's state, before the menu opens";
    grid->trigger();
    EXPECT_EQ(doc.m_drawGrids, 0);
    EXPECT_EQ(grid->text(), "Show grids") << "and after the command";

    router().Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(router().Action(ID_VIEW_TOOLBAR)->isChecked());
    for (QAction* action : frame.ToolBar()->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull()) << action->toolTip();

    // A highlighted item shows its prompt in the status bar; leaving it brings back "Ready".
    CStatusBar* bar = frame.StatusBar();
    EXPECT_EQ(bar->MessageText(), "Ready");
    QStatusTipEvent tip(router().Action(ID_FILE_NEW)->statusTip());
    QApplication::sendEvent(&frame, &tip);
    EXPECT_EQ(bar->MessageText(), "Create a new plot");
    QStatusTipEvent none(QString {});
    QApplication::sendEvent(&frame, &none);
    EXPECT_EQ(bar->MessageText(), "Ready");
    CStatusBar::SetWindowStatusText(frame.Splitter(), "from a pane");
    EXPECT_EQ(bar->MessageText(), "from a pane");
}

TEST(CommandTableTest, EveryCommandHasItsOwnNumber)
{
    std::set<int> ids;
    for (const CommandInfo& info : CommandTable())
        EXPECT_TRUE(ids.insert(info.id).second) << info.menuText;
}

TEST_F(MainFrameTest, TabAndF6MoveTheKeyboardBetweenThePanesAndItsPaneShowsAFrame)
{
    CTernaryTable* table = frame.Table();
    QWidget* plot = frame.PlotView();
    auto expectKeyboardOn = [&](QWidget* pane, QWidget* other, const char* after) {
        Settle();
        EXPECT_TRUE(pane->hasFocus()) << after;
        EXPECT_EQ(dynamic_cast<QWidget*>(frame.GetActiveView()), pane) << after;
        EXPECT_TRUE(frame.PaneFocusFrameShown(pane)) << after;
        EXPECT_FALSE(frame.PaneFocusFrameShown(other)) << after;
    };
    expectKeyboardOn(plot, table, "start");
    QTest::keyClick(plot, Qt::Key_Tab);
    expectKeyboardOn(table, plot, "Tab on the plot");
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(table->GetSelection(), CellRange(2, 1, 2, 1)) << "the table takes the keys";
    QTest::keyClick(table, Qt::Key_Tab);
    expectKeyboardOn(table, plot, "Tab in the table moves the current cell");
    QTest::keyClick(table, Qt::Key_F6);
    expectKeyboardOn(plot, table, "F6 in the table");
    QTest::keyClick(plot, Qt::Key_Backtab, Qt::ShiftModifier);
    expectKeyboardOn(table, plot, "Shift+Tab on the plot");
    QTest::keyClick(table, Qt::Key_F6, Qt::ShiftModifier);
    expectKeyboardOn(plot, table, "Shift+F6 in the table");
    QTest::keyClick(plot, Qt::Key_F6);
    expectKeyboardOn(table, plot, "F6 on the plot");

    // The pane with the keyboard shows a frame on all four edges of its viewport.
    const QImage image = table->grab().toImage();
    const QRect r = table->viewport()->geometry();
    for (QPoint edge : { QPoint(r.left() + 1, r.center().y()), QPoint(r.right() - 1, r.center().y()),
             QPoint(r.center().x(), r.top() + 1), QPoint(r.center().x(), r.bottom() - 1) })
        EXPECT_EQ(image.pixelColor(edge), table->palette().color(QPalette::Active, QPalette::Highlight)) << edge.x();
}

TEST_F(MainFrameTest, DialogCommandsOpenTheirDialogs)
{
    // Each dialog's title and the last entry of its first list: Sort offers every column of the table, and
    // Find Next with nothing to find again asks what to find.
    const std::pair<int, const char*> commands[]
        = { { ID_LEGEND_ENTRIES, "Legend" }, { ID_EDIT_SORT, "Sort Symbol" }, { ID_EDIT_FIND_NEXT, "Find" } };
    for (auto [id, title] : commands) {
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                opened = dialog->windowTitle();
                if (auto* list = dialog->findChild<QComboBox*>())
                    opened += " " + list->itemText(list->count() - 1);
                dialog->close();
            }
        });
        router().Route(id);
        EXPECT_EQ(opened, title);
    }
    for (int id : { ID_LEGEND_ENTRIES, ID_TOGGLE_GRID, ID_TOGGLE_LEGEND, ID_SHOW_NAMES })
        EXPECT_TRUE(frame.FindMenu("&Options")->actions().contains(router().Action(id))) << id;
}

TEST_F(MainFrameTest, TheTablePaneShowsEveryColumnAndTheSplitterCanBeGrabbed)
{
    Settle();
    CTernaryTable* table = frame.Table();
    int columns = 0;
    for (int col = 0; col < table->GetColCount(); ++col)
        columns += table->GetColWidth(col);
    EXPECT_GE(table->viewport()->width(), columns);
    EXPECT_LT(table->viewport()->width(), columns + 10) << "and no wider";
    EXPECT_GE(frame.Splitter()->handleWidth(), 6);
    // The window grew for the whole figure as far as the screen allows, and stays on it.
    const QRect room = frame.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(frame.frameGeometry()));
    const int figure = frame.PlotView()->FigureFrame().Width();
    EXPECT_TRUE(frame.PlotView()->viewport()->width() >= figure || frame.frameGeometry().right() == room.right())
        << figure << " across a window of " << frame.width();
}

TEST_F(MainFrameTest, EveryKindOfChangeIsOneStepUndoneAndRedoneExactly)
{
    struct Case {
        const char* name; // the step's text
        std::function<void()> change;
        std::function<void()> prepare = [] {};
    };
    const Case cases[] = {
        // Fills in 50 and the default symbol.
        { "Typing", [&] { Enter(&SelectCells(3, 2, 3, 2), "30"); }, [&] { Table().SetCellText(3, 3, "20"); } },
        { "Paste", [&] { Paste(2, "Granite A\t33.3\t33.3\t33.4\t37\r\nB\t10\t80\t10\r\n"); } },
        // Past row 2,000: the document and the table grow.
        { "Paste", [&] { Paste(2000, "P\t10\t20\t70\r\nQ\t30\t30\t40\r\n"); } },
        { "Clear", [&] { RouteOnCells(ID_EDIT_CLEAR, 1, 2); } },
        { "Cut", [&] { RouteOnCells(ID_EDIT_CUT, 2, 2); } },
        { "Fill Down", [&] { RouteOnCells(ID_EDIT_FILL_DOWN, 1, 4); } },
        { "Insert Rows", [&] { RouteOnCells(ID_EDIT_INSERT_ROWS, 1, 1); } },
        { "Delete Rows", [&] { RouteOnCells(ID_EDIT_DELETE_ROWS, 1, 1); } },
        { "Sort",
            [&] {
                Table().SortRows(1, 0, { { SortColumn::Name, true } });
            } },
        { "Pick Color", [&] { SelectCells(1, 1, 2, 5).OnTableSetColor(7); } },
        { "Pick Symbol", [&] { SelectCells(2, 1, 2, 1).OnTableSetSymbol(9); } },
        { "Move Legend", [&] { Drag(LegendPoint(), QPoint(40, 25)); } },
        { "Edit Legend",
            [&] {
                LegendPoint();
                const CRect r = doc.m_legend.Item(0).rect;
                QTest::mouseDClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(r.left + 5, r.top + 3));
                Enter(Plot().Legend()->Editor(), "Basalt");
            } },
        { "New Annotation",
            [&] {
                doc.m_textTool = 1;
                QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(60, 250));
                Enter(Plot().Annotations()->Editor(), "Hello");
            } },
        { "Move Annotation", [&] { Drag(QPoint(110, 190), QPoint(40, -30)); }, [&] { AddAnnotation(); } },
        // The double click's first press selects the annotation, which is no
        // step; undo still brings back the file's unselected flag.
        { "Edit Annotation",
            [&] {
                QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 190));
                QTest::mouseDClick(Viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 190));
                Enter(Plot().Annotations()->Editor(), "s");
            },
            [&] { AddAnnotation(0); } },
        { "Delete Annotation", [&] { QTest::keyClick(&Plot(), Qt::Key_Delete); }, [&] { AddAnnotation(); } },
        { "Change Options", [&] { Plot().FormatAxisAndTitles(4); }, [&] { Plot().SetOptionsSheet(&sheet); } },
        // C0-C1 is the top axis minimum; the pan starts inside the triangle.
        { "Drag Edge", [&] { Drag((Corner(0) + Corner(1)) / 2, QPoint(0, -60)); } },
        { "Symbol Size", [&] { Route(ID_SYMBOL_HUGE); } },
        { "Hide Grids", [&] { Route(ID_TOGGLE_GRID); } },
        { "Legend",
            [&] {
                QTimer::singleShot(0, [] {
                    auto* dialog = qobject_cast<CLegendDialog*>(QApplication::activeModalWidget());
                    ASSERT_NE(dialog, nullptr);
                    dialog->Grid()->SetCellText(1, CLegendGrid::kTextCol, "Gabbro");
                    dialog->accept();
                });
                QTest::keyClick(&Plot(), Qt::Key_L); // a key on the plot opens the Legend dialog
            } },
        { "Bring into View", [&] { Route(ID_VIEW_BRING_INTO_VIEW); },
            [&] { doc.m_legend.m_position.OffsetRect(-2000, 5000); } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.OnNewDocument();
        doc.SendInitialUpdate();
        c.prepare();
        Stack().clear();
        const Snapshot before = Take();

        c.change();
        Settle();
        const Snapshot after = Take();
        ASSERT_NE(after, before);
        ASSERT_EQ(Stack().count(), 1);
        EXPECT_TRUE(doc.IsModified()) << "closing would ask to save";
        EXPECT_EQ(frame.Router()->Action(ID_EDIT_UNDO)->toolTip(), QStringLiteral("Undo ") + c.name);

        Route(ID_EDIT_UNDO);
        EXPECT_EQ(Take(), before);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(frame.Router()->Action(ID_EDIT_REDO)->toolTip(), QStringLiteral("Redo ") + c.name);
        Route(ID_EDIT_REDO);
        EXPECT_EQ(Take(), after);
    }
}

TEST_F(MainFrameTest, TheModifiedFlagFollowsTheSavedStepAndNewClearsTheHistory)
{
    QTemporaryDir dir;
    ScriptedFileDialogs dialogs;
    const QString path = dir.filePath("plot.tpf");
    dialogs.answers = { path };
    CDocManager manager(doc, dialogs);
    SelectCells(3, 1, 3, 1);
    QTest::keyClicks(&Table(), "one");
    QTest::keyClick(&Table(), Qt::Key_Return);
    QTest::keyClicks(&Table(), "two"); // typed, not confirmed
    ASSERT_TRUE(manager.OnFileSave());
    EXPECT_NE(ReadFileBytes(path).find("two"), std::string::npos) << "the typed cell is saved";
    EXPECT_FALSE(doc.IsModified());

    Route(ID_EDIT_UNDO);
    EXPECT_TRUE(doc.IsModified());
    Route(ID_EDIT_REDO);
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state";

    // Any command but the Edit ones (Print, Export, the options) ends the edit first.
    QTest::keyClicks(&Table(), "four");
    Route(ID_SYMBOL_HUGE);
    EXPECT_FALSE(Table().IsEditing());
    EXPECT_EQ(doc.GetSample(4).name, "four");

    // New answered No: the typed text goes nowhere, the table starts at row 1.
    QTest::keyClick(&Table(), Qt::Key_Down);
    QTest::keyClicks(&Table(), "three");
    Table().verticalScrollBar()->setValue(40);
    boxes.QueueAnswer(MsgResult::No);
    ASSERT_TRUE(manager.OnFileNew());
    EXPECT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(std::tuple(Table().IsEditing(), Table().GetVScrollPos(), Table().GetSelection()),
        std::tuple(false, 0, CellRange(1, 1, 1, 1)));
    EXPECT_EQ(Stack().count(), 0);
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    EXPECT_FALSE(doc.IsModified());
    for (int row = 1; row <= 10; ++row)
        EXPECT_NE(Table().GetCellText(row, 1), "three");
}

TEST_F(MainFrameTest, NothingIsDraggedOffTheCanvas)
{
    Drag(LegendPoint(), QPoint(-3000, -3000)); // held at its corner on the canvas (the plot tests)
    const CRect box = doc.m_legend.m_position;

    AddAnnotation();
    Drag(QPoint(110, 190), QPoint(5000, 5000));
    const CRect a = doc.m_annotations.Item(0).rect;
    const CSize canvas = Plot().Geometry().m_canvasSize;
    EXPECT_LE(a.left, canvas.cx - 10);
    EXPECT_LE(a.top, canvas.cy - 10);

    // A file's annotation off the canvas comes back whole; what is within
    // reach stays where it is.
    doc.m_annotations.Item(0).rect = { -3000, 100, -2900, 120 };
    Route(ID_VIEW_BRING_INTO_VIEW);
    EXPECT_EQ(doc.m_annotations.Item(0).rect, (CRect { 0, 100, 100, 120 }));
    EXPECT_EQ(doc.m_legend.m_position, box);
}
