// View > Classification Diagram, From File and Class Counts in the running
// program.
#include "app/CTernaryApp.h"
#include "app/CommandLine.h"
#include "dialogs/CClassCountsDialog.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "support/TestSupport.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

TEST(DiagramMenu, BuiltInsFromFileAndTheClassCounts)
{
    QTemporaryDir dir;
    MessageBoxRecorder boxes;
    CTernaryApp::Options options;
    options.profilePath = dir.filePath("profile.ini");
    options.registerDesktop = false;
    options.showWindow = false;
    CTernaryApp app(options);
    ASSERT_TRUE(app.InitInstance(ParseCommandLine({})));
    CCommandRouter& router = *app.MainFrame()->Router();
    CTernaryDoc& doc = *app.Document();

    EXPECT_FALSE(router.QueryState(ID_VIEW_CLASS_COUNTS).m_enabled);
    router.Route(ID_DIAGRAM_SOIL_TEXTURE);
    EXPECT_TRUE(router.QueryState(ID_DIAGRAM_SOIL_TEXTURE).m_checked);
    EXPECT_FALSE(router.QueryState(ID_DIAGRAM_NONE).m_checked);
    EXPECT_TRUE(router.QueryState(ID_VIEW_CLASS_COUNTS).m_enabled);
    EXPECT_EQ(app.MainFrame()->Table()->GetCellText(0, CTernaryTable::kTopCol), "Clay");
    EXPECT_TRUE(app.MainFrame()->isWindowModified());

    // A file without a field changes nothing; one with fields is the diagram.
    const QString bad = dir.filePath("bad.csv"), fields = dir.filePath("fields.csv");
    ASSERT_TRUE(WriteFileBytes(bad, "Field,Top,Left,Right\n"));
    ASSERT_TRUE(WriteFileBytes(fields, "Field,Top,Left,Right\nUpper,15,85,0\nUpper,15,0,85\nUpper,100,0,0\n"));
    ScriptedFileDialogs dialogs;
    dialogs.answers = { bad, fields };
    app.SetFileDialogs(&dialogs);
    router.Route(ID_DIAGRAM_FROM_FILE);
    EXPECT_EQ(doc.m_diagram.kind, DiagramKind::SoilTexture);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains(bad));
    router.Route(ID_DIAGRAM_FROM_FILE);
    app.SetFileDialogs(nullptr);
    EXPECT_EQ(doc.m_diagram.kind, DiagramKind::FromFile);
    EXPECT_TRUE(router.QueryState(ID_DIAGRAM_FROM_FILE).m_checked);
    EXPECT_EQ(doc.GetUndoStack()->count(), 2);

    // The new plot's samples: top 20 lies in the field, top 10 below it.
    CClassCountsDialog counts(doc);
    ASSERT_EQ(counts.Table()->rowCount(), 2);
    EXPECT_EQ(counts.Table()->item(1, 0)->text(), "No class");
    QTest::mouseClick(counts.CopyButton(), Qt::LeftButton);
    EXPECT_EQ(
        QGuiApplication::clipboard()->text(), "Class\tSamples\tPer cent\r\nUpper\t1\t50.0\r\nNo class\t1\t50.0\r\n");
}
