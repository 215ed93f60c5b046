// Start-up of the application object with its frame, views and document,
// its commands, and its registration with the desktop.
#include "app/Batch.h"
#include "app/CTernaryApp.h"
#include "app/CommandLine.h"
#include "app/DesktopRegistration.h"
#include "dialogs/CClassCountsDialog.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/PictureSizeDialog.h"
#include "plot/CTernaryView.h"
#include "support/TestSupport.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<CTernaryApp> Start(const QStringList& args)
    {
        CTernaryApp::Options options;
        options.profilePath = dir.filePath("profile.ini");
        options.registerDesktop = false;
        options.showWindow = false;
        auto app = std::make_unique<CTernaryApp>(options);
        EXPECT_TRUE(app->InitInstance(ParseCommandLine(args))) << args.join(' ').toStdString();
        return app;
    }

    // A plot file with one sample in row 3.
    QString WritePlot(const QString& name)
    {
        MessageBoxRecorder quiet;
        CTernaryDoc doc;
        doc.OnNewDocument();
        doc.DeleteContents();
        doc.GetSample(3) = { "basalt", 40, 35, 25, 2, 5, NOT_PLOTTED, NOT_PLOTTED, 3 };
        const QString path = dir.filePath(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    QTemporaryDir dir;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(StartupTest, WithoutAFileANewPlotIsShownAndTheSaveQuestionGuardsNewAndClosing)
{
    auto app = Start({});
    CMainFrame* frame = app->MainFrame();
    CTernaryTable* table = frame->Table();
    EXPECT_EQ(table->GetCellText(2, 1), "Spl#2");
    EXPECT_EQ(frame->windowTitle(), "Untitled[*] - Ternary");
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_TRUE(boxes.Boxes().empty());
    // Menu commands are enabled exactly where somebody handles them.
    CCommandRouter* router = frame->Router();
    for (int id :
        { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR,
            ID_VIEW_STATUS_BAR, ID_TOGGLE_PALETTE, ID_SHOW_COLOR_PALETTE, ID_FILE_PRINT_SETUP, ID_FILE_EXPORT_PICTURE })
        EXPECT_TRUE(router->QueryState(id).m_enabled) << id;
    EXPECT_FALSE(router->QueryState(ID_EDIT_UNDO).m_enabled);
    // No recent files yet: one disabled "Recent File" item.
    emit frame->FileMenu()->aboutToShow();
    EXPECT_FALSE(router->Action(ID_FILE_MRU_FILE1)->isEnabled());
    EXPECT_EQ(router->Action(ID_FILE_MRU_FILE1)->text(), "Recent File");
    EXPECT_FALSE(router->Action(ID_FILE_MRU_FILE1 + 1)->isVisible());

    frame->show();
    table->SetCellText(5, 1, "unsaved");
    frame->UpdateFrameTitle();
    EXPECT_TRUE(frame->isWindowModified());
    boxes.QueueAnswer(MsgResult::Cancel);
    EXPECT_FALSE(frame->close()) << "Cancel keeps the window";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNoCancel);
    boxes.QueueAnswer(MsgResult::No);
    router->Route(ID_FILE_NEW);
    EXPECT_EQ(table->GetCellText(5, 1), "");
    EXPECT_EQ(table->GetCellText(1, 1), "Spl#1");
    EXPECT_TRUE(frame->close()) << "an unmodified plot closes without a question";
}

TEST_F(StartupTest, AFileOnTheCommandLineIsOpenedSavedAsAndExported)
{
    const QString path = WritePlot("granite.tpf");
    auto app = Start({ path });
    CMainFrame* frame = app->MainFrame();
    EXPECT_EQ(frame->Table()->GetCellText(3, 1), "basalt");
    EXPECT_EQ(frame->windowTitle(), "granite.tpf[*] - Ternary");
    EXPECT_EQ(app->RecentFiles()->GetAt(0), path);

    ScriptedFileDialogs dialogs;
    app->SetFileDialogs(&dialogs);
    dialogs.answers = { dir.filePath("saved") };
    frame->Router()->Route(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadFileBytes(dir.filePath("saved.tpf")), ReadFileBytes(path));
    frame->UpdateFrameTitle();
    EXPECT_EQ(frame->windowTitle(), "saved.tpf[*] - Ternary");
    emit frame->FileMenu()->aboutToShow();
    EXPECT_EQ(frame->Router()->Action(ID_FILE_MRU_FILE1)->text(), "&1 saved.tpf");
    EXPECT_EQ(frame->Router()->Action(ID_FILE_MRU_FILE1 + 1)->text(), "&2 granite.tpf");
    EXPECT_FALSE(frame->Router()->Action(ID_FILE_MRU_FILE1 + 2)->isVisible()) << "two files, two items";

    // Export Picture writes each type at the size asked and remembers the
    // last type and size; the resolution is asked for PNG only.
    std::vector<std::pair<PictureSize, bool>> asked;
    PictureSize answer; // the natural size first
    const PictureSizeHandler previous = SetPictureSizeHandler([&](PictureSize& size, bool raster) {
        asked.emplace_back(size, raster);
        size = answer;
        return true;
    });
    QDir(dir.path()).mkdir("sub");
    for (const char* name : { "sub/a.svg", "b" /* no type given: the last one used */, "d.png" }) {
        dialogs.answers = { dir.filePath(name) };
        frame->Router()->Route(ID_FILE_EXPORT_PICTURE);
    }
    answer = { PictureSize::Unit::Millimetres, 84, 600 };
    for (int twice = 0; twice < 2; ++twice) {
        dialogs.answers = { dir.filePath("e.png") };
        frame->Router()->Route(ID_FILE_EXPORT_PICTURE);
    }
    SetPictureSizeHandler(previous);
    // Export Density Grid counts the bins of a plot that draws no density, and leaves it so.
    dialogs.answers = { dir.filePath("grid") };
    frame->Router()->Route(ID_FILE_EXPORT_DENSITY_GRID);
    EXPECT_EQ(app->Document()->m_density, DensitySettings {});
    ASSERT_EQ(RunDensityGrid(path, { -1, 0, dir.filePath("batch-grid.csv") }), ExitOk);
    const std::string grid = ReadFileBytes(dir.filePath("grid.csv"));
    EXPECT_EQ(grid, ReadFileBytes(dir.filePath("batch-grid.csv")));
    EXPECT_EQ(std::count(grid.begin(), grid.end(), '\n'), 401) << "a header and 20 × 20 bins";
    app->SetFileDialogs(nullptr);
    // The size asked for last is offered next.
    ASSERT_EQ(asked.size(), 5u);
    EXPECT_EQ(std::vector<bool>({ asked[0].second, asked[1].second, asked[2].second }),
        std::vector<bool>({ false, false, true }));
    EXPECT_EQ(asked[0].first.unit, PictureSize::Unit::Natural);
    EXPECT_EQ(std::tuple(asked[4].first.unit, asked[4].first.width, asked[4].first.dpi),
        std::tuple(answer.unit, 84.0, 600.0));
    EXPECT_EQ(QImage(dir.filePath("e.png")).width(), 1984);

    // View > Fit Axes to Data: the ranges close in on the one sample and the plot zooms onto them.
    frame->Router()->Route(ID_VIEW_FIT_AXES);
    EXPECT_LT(app->Document()->m_topAxis.max - app->Document()->m_topAxis.min, 100);
    EXPECT_GT(frame->PlotView()->Geometry().m_scale, 1.0f);
    EXPECT_NE(ReadFileBytes(dir.filePath("sub/a.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.filePath("b.svg")), ReadFileBytes(dir.filePath("sub/a.svg")));
    EXPECT_EQ(dialogs.suggestions.at(2), dir.filePath("sub/saved.svg")) << "the last folder and type";
    // The same picture as the command line's --export.
    ASSERT_EQ(RunExport(path, dir.filePath("batch.png"), 1.0), ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("d.png")), ReadFileBytes(dir.filePath("batch.png")));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(StartupTest, ACsvOpensAndImportsAsSamplesAndADroppedFileIsOpened)
{
    const QString csv = dir.filePath("rocks.csv");
    ASSERT_TRUE(WriteFileBytes(csv, "Name,Qz,Fsp,Lith\r\n\"Shale, grey\",20,30,50\r\nB,10,,60\r\n"));
    auto app = Start({});
    CTernaryTable* table = app->MainFrame()->Table();
    ScriptedFileDialogs dialogs;
    dialogs.answers = { csv, csv }; // opened, then imported
    app->SetFileDialogs(&dialogs);

    app->MainFrame()->Router()->Route(ID_FILE_OPEN);
    EXPECT_EQ(table->GetCellText(1, 1), "Shale, grey");
    EXPECT_EQ(table->GetCellText(0, 2), "Qz");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "rocks.csv[*] - Ternary");

    table->SetCellText(5, 1, "typed");
    app->MainFrame()->Router()->Route(ID_FILE_IMPORT);
    EXPECT_EQ(table->GetCellText(6, 1), "Shale, grey");
    EXPECT_EQ(table->GetCellText(7, 5), "0");
    EXPECT_EQ(app->MainFrame()->StatusBar()->MessageText(), "Imported 2 samples into rows 6 to 7.");
    EXPECT_TRUE(app->MainFrame()->isWindowModified());
    app->MainFrame()->Router()->Route(ID_FILE_SAVE); // cancelled
    EXPECT_EQ(dialogs.suggestions, QStringList({ dir.filePath("rocks.tpf") })) << "a plot beside the samples";
    boxes.QueueAnswer(MsgResult::No);
    app->MainFrame()->Router()->Route(ID_FILE_NEW);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "Untitled[*] - Ternary");

    const QString plot = WritePlot("dropped.tpf");
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(plot) });
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &drop);
    EXPECT_EQ(app->Document()->GetPathName(), plot);
    EXPECT_EQ(table->GetCellText(3, 1), "basalt");
    EXPECT_EQ(table->GetCellText(5, 1), "");
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "only the save question";
    app->SetFileDialogs(nullptr);
}

TEST_F(StartupTest, TheDiagramMenuTakesBuiltInsAndFieldFilesAndCountsTheClasses)
{
    auto app = Start({});
    CCommandRouter& router = *app->MainFrame()->Router();
    CTernaryDoc& doc = *app->Document();

    EXPECT_FALSE(router.QueryState(ID_VIEW_CLASS_COUNTS).m_enabled);
    router.Route(ID_DIAGRAM_SOIL_TEXTURE);
    doc.m_diagram.clockwise = 0; // turned back by the user: choosing the same diagram again keeps it
    router.Route(ID_DIAGRAM_SOIL_TEXTURE);
    EXPECT_EQ(doc.m_diagram.clockwise, 0);
    EXPECT_TRUE(router.QueryState(ID_DIAGRAM_SOIL_TEXTURE).m_checked);
    EXPECT_FALSE(router.QueryState(ID_DIAGRAM_NONE).m_checked);
    EXPECT_TRUE(router.QueryState(ID_VIEW_CLASS_COUNTS).m_enabled);
    EXPECT_EQ(app->MainFrame()->Table()->GetCellText(0, CTernaryTable::kTopCol), "Clay");
    EXPECT_TRUE(app->MainFrame()->isWindowModified());

    // A file without a field changes nothing; one with fields is the diagram.
    const QString bad = dir.filePath("bad.csv"), fields = dir.filePath("fields.csv");
    ASSERT_TRUE(WriteFileBytes(bad, "Field,Top,Left,Right\n"));
    ASSERT_TRUE(WriteFileBytes(fields, "Field,Top,Left,Right\nUpper,15,85,0\nUpper,15,0,85\nUpper,100,0,0\n"));
    ScriptedFileDialogs dialogs;
    dialogs.answers = { bad, fields };
    app->SetFileDialogs(&dialogs);
    router.Route(ID_DIAGRAM_FROM_FILE);
    EXPECT_EQ(doc.m_diagram.kind, DiagramKind::SoilTexture);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains(bad));
    router.Route(ID_DIAGRAM_FROM_FILE);
    app->SetFileDialogs(nullptr);
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

TEST(DesktopRegistration, WritesOnlyWhatIsMissingAndNeverFails)
{
    QTemporaryDir dir;
    EXPECT_EQ(RegisterShellFileTypes("/opt/my apps/ternary", dir.path()), 3);
    const std::string entry = ReadFileBytes(dir.filePath("applications/ternary.desktop"));
    EXPECT_NE(entry.find("Exec=\"/opt/my apps/ternary\" %f\n"), std::string::npos) << entry;
    // The desktop's own quoting: plain paths bare, the rest quoted with \ " ` $ and % escaped.
    for (auto [path, exec] : { std::pair { "/usr/bin/ternary-1.2_x+y", "/usr/bin/ternary-1.2_x+y" },
             std::pair { "/a\\b\"c`d$e%f", "\"/a\\\\b\\\"c\\`d\\$e%%f\"" } })
        EXPECT_NE(DesktopEntryText(path).indexOf(QStringLiteral("\nExec=%1 %f\n").arg(exec)), -1) << path;
    EXPECT_NE(entry.find("MimeType=application/x-ternary-plot;"), std::string::npos);
    EXPECT_NE(ReadFileBytes(dir.filePath("mime/packages/ternary-tpf.xml")).find("<glob pattern=\"*.tpf\"/>"),
        std::string::npos);

    ASSERT_TRUE(WriteFileBytes(dir.filePath("applications/ternary.desktop"), "mine"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.path()), 0);
    EXPECT_EQ(ReadFileBytes(dir.filePath("applications/ternary.desktop")), "mine");

    // A data folder that cannot be created: nothing written, nothing thrown.
    ASSERT_TRUE(WriteFileBytes(dir.filePath("file"), "x"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.filePath("file/sub")), 0);
}
