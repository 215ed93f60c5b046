#include "document/CTernaryDoc.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/CommandTable.h"
#include "plot/CTernaryView.h"
#include "support/TestSupport.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSplitter>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>

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

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.SetAppTarget(&app);
        doc.OnNewDocument();
        doc.SendInitialUpdate();
        frame.show();
        (void)QTest::qWaitForWindowExposed(&frame);
    }
    CCommandRouter& router() { return *frame.Router(); }

    MessageBoxRecorder boxes;
    PasteCountingDoc doc;
    CMainFrame frame { &doc };
    RecordingApp app;
};

} // namespace

TEST_F(MainFrameTest, CommandsGoToTheActiveViewThenTheDocumentThenTheApplication)
{
    EXPECT_FALSE(router().QueryState(ID_EDIT_UNDO).m_enabled);

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

TEST_F(MainFrameTest, MenuItemsRunTheirCommandAndAreRefreshedBeforeAMenuOpens)
{
    QAction* grid = router().Action(ID_TOGGLE_GRID);
    EXPECT_EQ(grid->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QAction* figure = router().Action(ID_COPY_FIGURE);
    EXPECT_EQ(figure->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
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
}

TEST_F(MainFrameTest, StatusBarShowsReadyPromptsAndPaneTexts)
{
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
    Settle();
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

    // Options Legend Entries... opens the Legend dialog.
    QString opened;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            opened = dialog->windowTitle();
            dialog->close();
        }
    });
    router().Action(ID_LEGEND_ENTRIES)->trigger();
    EXPECT_EQ(opened, "Legend");
    EXPECT_TRUE(frame.FindMenu("&Options")->actions().contains(router().Action(ID_LEGEND_ENTRIES)));
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
