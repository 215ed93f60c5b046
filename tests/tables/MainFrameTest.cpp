#include "document/CTernaryDoc.h"
#include "framework/core/CCmdTarget.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "support/TestSupport.h"
#include "tables/CColorSymbolPalette.h"
#include "tables/CMainFrame.h"
#include "tables/CTernaryTable.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>

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

// A document whose grid command and Copy are replaced by counters.
struct CommandDoc : CTernaryDoc {
    int toggles = 0;
    CommandDoc()
    {
        OnCommand(ID_TOGGLE_GRID, [this] { ++toggles; });
        OnUpdateCommand(ID_TOGGLE_GRID, [this](CCmdUI& ui) {
            if (toggles > 0)
                ui.SetText(QStringLiteral("Hide grids"));
        });
        OnCommand(ID_EDIT_PASTE, [this] { ++toggles; });
    }
};

QStringList Texts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

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
    CommandDoc doc;
    CMainFrame frame { &doc };
    RecordingApp app;
};

} // namespace

TEST_F(MainFrameTest, WindowAndPanesStartWhereTheyShould)
{
    EXPECT_EQ(frame.geometry().topLeft(), QPoint(50, 50));
    EXPECT_EQ(frame.size(), QSize(780, 550));
    EXPECT_EQ(frame.Splitter()->sizes().value(0), 280);
    EXPECT_EQ(frame.Splitter()->widget(0), frame.Table());
    ASSERT_NE(frame.GetActiveView(), nullptr);
    EXPECT_NE(frame.GetActiveView(), static_cast<CView*>(frame.Table())) << "the plot is active at start";
    EXPECT_EQ(doc.m_tableView, frame.Table());
}

TEST_F(MainFrameTest, MenusHoldTheirItemsInOrder)
{
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles << action->text();
    EXPECT_EQ(titles, QStringList({ "&File", "&Edit", "&View", "&Options", "&Help" }));
    EXPECT_EQ(Texts(frame.FindMenu("&File")),
        QStringList({ "&New\tCtrl+N", "&Open...\tCtrl+O", "Import Samples...", "&Close", "&Save\tCtrl+S", "Save &As...",
            "&Export Picture...", "-", "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-", "Recent File",
            "Recent File", "Recent File", "Recent File", "-", "E&xit" }));
    EXPECT_EQ(Texts(frame.FindMenu("&Edit")),
        QStringList({ "&Undo\tCtrl+Z", "&Redo\tCtrl+Y", "-", "Cu&t\tCtrl+X", "&Copy\tCtrl+C", "&Paste\tCtrl+V", "-",
            "Clear", "Fill down\tCtrl+D" }));
    EXPECT_EQ(Texts(frame.FindMenu("&View")),
        QStringList({ "&Toolbar", "&Status Bar", "-", "Symbol palette", "Bring Legend and Annotations into View" }));
    EXPECT_EQ(Texts(frame.FindMenu("&Options")),
        QStringList({ "&Axis ...", "&Grids ...", "Fonts ...", "Legend ...", "-", "Show grid", "Hide legend",
            "Show sample names", "Symbol Size", "-", "Auto-add third value ", "Auto-100%" }));
    QMenu* sizes = frame.FindMenu("&Options")->actions().at(8)->menu();
    ASSERT_NE(sizes, nullptr);
    EXPECT_EQ(Texts(sizes), QStringList({ "Huge", "Large", "Medium", "Small", "Tiny" }));
    EXPECT_EQ(Texts(frame.FindMenu("&Help")), QStringList({ "&About Molvane" }));
    EXPECT_TRUE(router().Action(ID_AUTO_ADD)->isChecked());
    EXPECT_TRUE(router().Action(ID_AUTO_100)->isChecked());
}

TEST_F(MainFrameTest, AcceleratorsComeFromTheCommandTable)
{
    const std::pair<int, const char*> keys[] = { { ID_EDIT_COPY, "Ctrl+C" }, { ID_EDIT_FILL_DOWN, "Ctrl+D" },
        { ID_TOGGLE_GRID, "Ctrl+G" }, { ID_FILE_NEW, "Ctrl+N" }, { ID_FILE_OPEN, "Ctrl+O" },
        { ID_FILE_PRINT, "Ctrl+P" }, { ID_FILE_SAVE, "Ctrl+S" }, { ID_EDIT_PASTE, "Ctrl+V" }, { ID_EDIT_CUT, "Ctrl+X" },
        { ID_EDIT_UNDO, "Ctrl+Z" } };
    for (const auto& [id, key] : keys)
        EXPECT_EQ(router().Action(id)->shortcut(), QKeySequence(QString::fromLatin1(key))) << id;
}

TEST_F(MainFrameTest, ToolbarButtonsAndTooltipsInOrder)
{
    QStringList tips;
    for (QAction* action : frame.ToolBar()->actions())
        tips << (action->isSeparator() ? QStringLiteral("-") : action->toolTip());
    EXPECT_EQ(tips,
        QStringList({ "New", "Open", "Save", "Print", "-", "Cut", "Copy", "Paste", "Undo", "Redo", "-", "Color pallete",
            "Symbol palette", "-", "Drag and drop tool", " Text annotation", "-", "Enlarge plot", " Zoom out", "-",
            "About" }));
    for (QAction* action : frame.ToolBar()->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull()) << action->toolTip().toStdString();
}

TEST_F(MainFrameTest, CommandsGoToTheActiveViewThenTheDocumentThenTheApplication)
{
    EXPECT_FALSE(router().QueryState(ID_FILE_PRINT_SETUP).m_enabled);
    EXPECT_FALSE(router().QueryState(ID_EDIT_UNDO).m_enabled);
    EXPECT_TRUE(router().QueryState(ID_FILE_NEW).m_enabled) << "handled by the application";
    const CCmdUI toolbar = router().QueryState(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(toolbar.m_enabled);
    EXPECT_TRUE(toolbar.m_checked);

    // With the plot active the table's commands are not on the route.
    EXPECT_FALSE(router().QueryState(ID_EDIT_FILL_DOWN).m_enabled);
    router().Route(ID_FILE_NEW);
    EXPECT_EQ(app.received, std::vector<int>({ ID_FILE_NEW }));
    router().Route(ID_EDIT_PASTE);
    EXPECT_EQ(doc.toggles, 1) << "the plot does not take Paste, the document does";
    EXPECT_EQ(app.received.size(), 1u);

    frame.Table()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(frame.GetActiveView(), static_cast<CView*>(frame.Table()));
    EXPECT_TRUE(router().QueryState(ID_EDIT_FILL_DOWN).m_enabled);
    EXPECT_TRUE(router().Route(ID_EDIT_PASTE));
    EXPECT_EQ(doc.toggles, 1) << "the active table comes first";
    EXPECT_EQ(app.received.size(), 1u);
}

TEST_F(MainFrameTest, TheDocumentsCommandRunsFromTheMenuAndRefreshesItsItem)
{
    QAction* grid = router().Action(ID_TOGGLE_GRID);
    EXPECT_EQ(grid->text(), "Show grid");
    emit frame.FindMenu("&Options")->aboutToShow();
    EXPECT_TRUE(grid->isEnabled()) << "the document handles it";
    grid->trigger();
    EXPECT_EQ(doc.toggles, 1);
    EXPECT_EQ(grid->text(), "Hide grids") << "the state is refreshed after the command";
}

TEST_F(MainFrameTest, UpdateHandlersRunBeforeAMenuOpens)
{
    QAction* palette = router().Action(ID_TOGGLE_PALETTE);
    frame.Table()->Palette()->Show(1);
    emit frame.FindMenu("&View")->aboutToShow();
    EXPECT_TRUE(palette->isChecked());
    frame.Table()->Palette()->Destroy();
    emit frame.FindMenu("&View")->aboutToShow();
    EXPECT_FALSE(palette->isChecked());
    router().Action(ID_VIEW_TOOLBAR)->trigger();
    EXPECT_FALSE(frame.ToolBar()->isVisible());
    EXPECT_FALSE(router().Action(ID_VIEW_TOOLBAR)->isChecked());
}

TEST_F(MainFrameTest, StatusBarShowsReadyPromptsAndTexts)
{
    CStatusBar* bar = frame.StatusBar();
    EXPECT_EQ(bar->MessageText(), "Ready");
    QStatusTipEvent tip(router().Action(ID_FILE_NEW)->statusTip());
    QApplication::sendEvent(&frame, &tip);
    EXPECT_EQ(bar->MessageText(), "Create a new plot");
    QStatusTipEvent none(QString {});
    QApplication::sendEvent(&frame, &none);
    EXPECT_EQ(bar->MessageText(), "Ready");
    frame.SetStatusText("T: 20  L: 30  R: 50");
    EXPECT_EQ(bar->MessageText(), "T: 20  L: 30  R: 50");
    CStatusBar::SetWindowStatusText(frame.Splitter(), "from a pane");
    EXPECT_EQ(bar->MessageText(), "from a pane");
    EXPECT_EQ(bar->IndicatorText(1), "");
    bar->SetLockState(1, true);
    bar->SetLockState(2, true);
    bar->SetLockState(3, true);
    EXPECT_EQ(bar->IndicatorText(1), "CAPS");
    EXPECT_EQ(bar->IndicatorText(2), "NUM");
    EXPECT_EQ(bar->IndicatorText(3), "SCRL");
}

TEST_F(MainFrameTest, TitleShowsTheDocumentAndItsModifiedState)
{
    frame.UpdateFrameTitle();
    EXPECT_EQ(frame.windowTitle(), "Untitled[*] - Ternary");
    EXPECT_FALSE(frame.isWindowModified());
    doc.SetModifiedFlag(true);
    frame.UpdateFrameTitle();
    EXPECT_TRUE(frame.isWindowModified());
}
