// Start-up of the application object with its frame, views and document.
#include "app/Batch.h"
#include "app/CAboutDlg.h"
#include "app/CTernaryApp.h"
#include "app/CommandLine.h"
#include "app/DesktopRegistration.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CDocManager.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/CommandIds.h"
#include "framework/core/IFileDialogs.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "framework/gui/CUrlLabel.h"
#include "support/TestSupport.h"
#include "tables/CMainFrame.h"
#include "tables/CTernaryTable.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct FixedDialogs : IFileDialogs {
    QString open;
    QString save;
    QString GetOpenFileName(const QString&) override { return open; }
    QString GetSaveFileName(const QString&, const QString&) override { return save; }
};

class StartupTest : public ::testing::Test {
protected:
    std::unique_ptr<CTernaryApp> Start(const QStringList& args, bool expected = true)
    {
        CTernaryApp::Options options;
        options.profilePath = dir.filePath("profile.ini");
        options.registerDesktop = false;
        options.showWindow = false;
        auto app = std::make_unique<CTernaryApp>(options);
        EXPECT_EQ(app->InitInstance(ParseCommandLine(args)), expected) << args.join(' ').toStdString();
        return app;
    }

    // A plot file with one sample in row 3.
    QString WritePlot(const QString& name)
    {
        MessageBoxRecorder quiet;
        CTernaryDoc doc;
        doc.OnNewDocument();
        doc.DeleteContents();
        SampleRecord& s = doc.GetSample(3);
        s.name = "basalt";
        s.top = 40;
        s.left = 35;
        s.right = 25;
        s.colorId = 2;
        s.symbolId = 5;
        s.row = 3;
        const QString path = dir.filePath(name);
        EXPECT_TRUE(doc.OnSaveDocument(path));
        return path;
    }

    QTemporaryDir dir;
    MessageBoxRecorder boxes;
};

} // namespace

TEST_F(StartupTest, WithoutAFileANewPlotIsShownInTheTable)
{
    auto app = Start({});
    CTernaryTable* table = app->MainFrame()->Table();
    EXPECT_EQ(table->GetCellText(1, 1), "Spl#1");
    EXPECT_EQ(table->GetCellText(2, 1), "Spl#2");
    EXPECT_EQ(app->Document()->m_tableView, table);
    EXPECT_EQ(app->MainFrame()->windowTitle(), "Untitled[*] - Ternary");
    EXPECT_FALSE(app->MainFrame()->isWindowModified());
    EXPECT_TRUE(boxes.Boxes().empty());

    table->SetCellText(3, 1, "new");
    app->MainFrame()->UpdateFrameTitle();
    EXPECT_TRUE(app->MainFrame()->isWindowModified());
}

TEST_F(StartupTest, AFileOnTheCommandLineIsOpened)
{
    const QString path = WritePlot("granite.tpf");
    auto app = Start({ path });
    CTernaryTable* table = app->MainFrame()->Table();
    EXPECT_EQ(table->GetCellText(3, 1), "basalt");
    EXPECT_EQ(table->GetCellText(3, 2), "40");
    EXPECT_EQ(table->GetCellText(3, 5), QString::number(2 * 16 + 5));
    EXPECT_EQ(table->GetCellText(1, 1), "");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "granite.tpf[*] - Ternary");
    EXPECT_EQ(app->RecentFiles()->GetAt(0), QFileInfo(path).absoluteFilePath());
}

TEST_F(StartupTest, AMissingFileIsReportedAndStartUpFails)
{
    auto app = Start({ dir.filePath("missing.tpf") }, false);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].contains("missing.tpf")) << boxes.Texts()[0].toStdString();
}

TEST_F(StartupTest, ADroppedFileIsOpened)
{
    const QString path = WritePlot("dropped.tpf");
    auto app = Start({});
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(path) });
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &drop);
    EXPECT_EQ(app->Document()->GetPathName(), QFileInfo(path).absoluteFilePath());
    EXPECT_EQ(app->MainFrame()->Table()->GetCellText(3, 1), "basalt");
}

TEST_F(StartupTest, ACsvOpensDropsAndImportsAsSamples)
{
    const QString csv = dir.filePath("rocks.csv");
    ASSERT_TRUE(WriteFileBytes(csv, "Name,Qz,Fsp,Lith\r\n\"Shale, grey\",20,30,50\r\nB,10,,60\r\n"));
    auto app = Start({});
    CTernaryTable* table = app->MainFrame()->Table();
    FixedDialogs dialogs;
    dialogs.open = csv;
    app->SetFileDialogs(&dialogs);

    app->MainFrame()->Router()->Route(ID_FILE_OPEN);
    EXPECT_EQ(table->GetCellText(1, 1), "Shale, grey");
    EXPECT_EQ(table->GetCellText(2, 3), "30") << "auto-add";
    EXPECT_EQ(table->GetCellText(0, 2), "Qz");
    EXPECT_EQ(app->MainFrame()->windowTitle(), "Untitled[*] - Ternary") << "Save asks for a .tpf name";

    table->SetCellText(5, 1, "typed");
    app->MainFrame()->Router()->Route(ID_FILE_IMPORT);
    EXPECT_EQ(table->GetCellText(6, 1), "Shale, grey");
    EXPECT_EQ(table->GetCellText(7, 5), "0");
    EXPECT_EQ(app->MainFrame()->StatusBar()->MessageText(), "Imported 2 samples into rows 6 to 7.");
    EXPECT_TRUE(app->MainFrame()->isWindowModified());

    boxes.QueueAnswer(MsgResult::No);
    QMimeData mime;
    mime.setUrls({ QUrl::fromLocalFile(csv) });
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &enter);
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(app->MainFrame(), &drop);
    EXPECT_EQ(table->GetCellText(5, 1), "");
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "only the save question";
    app->SetFileDialogs(nullptr);
}

TEST_F(StartupTest, TheSaveQuestionComesBeforeNewAndBeforeClosing)
{
    auto app = Start({});
    app->MainFrame()->show();
    app->MainFrame()->Table()->SetCellText(5, 1, "unsaved");
    boxes.QueueAnswer(MsgResult::Cancel);
    EXPECT_FALSE(app->MainFrame()->close()) << "Cancel keeps the window";
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::YesNoCancel);
    boxes.QueueAnswer(MsgResult::No);
    app->MainFrame()->Router()->Route(ID_FILE_NEW);
    EXPECT_EQ(app->MainFrame()->Table()->GetCellText(5, 1), "");
    EXPECT_EQ(app->MainFrame()->Table()->GetCellText(1, 1), "Spl#1");
    EXPECT_TRUE(app->MainFrame()->close()) << "an unmodified plot closes without a question";
}

TEST_F(StartupTest, MenuCommandsAreEnabledExactlyWhereSomebodyHandlesThem)
{
    auto app = Start({});
    CCommandRouter* router = app->MainFrame()->Router();
    for (int id :
        { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR,
            ID_VIEW_STATUS_BAR, ID_TOGGLE_PALETTE, ID_SHOW_COLOR_PALETTE, ID_FILE_PRINT_SETUP, ID_FILE_EXPORT_PICTURE })
        EXPECT_TRUE(router->QueryState(id).m_enabled) << id;
    EXPECT_FALSE(router->QueryState(ID_EDIT_UNDO).m_enabled);
    // No recent files yet: one disabled "Recent File" item.
    emit app->MainFrame()->FileMenu()->aboutToShow();
    QAction* first = router->Action(ID_FILE_MRU_FILE1);
    EXPECT_FALSE(first->isEnabled());
    EXPECT_EQ(first->text(), "Recent File");
    EXPECT_FALSE(router->Action(ID_FILE_MRU_FILE1 + 1)->isVisible());
}

TEST_F(StartupTest, SaveAsThroughTheMenuWritesTheFileAndListsIt)
{
    auto app = Start({});
    FixedDialogs dialogs;
    dialogs.save = dir.filePath("saved");
    app->SetFileDialogs(&dialogs);
    app->MainFrame()->Router()->Route(ID_FILE_SAVE_AS);
    EXPECT_TRUE(QFile::exists(dir.filePath("saved.tpf")));
    app->MainFrame()->UpdateFrameTitle();
    EXPECT_EQ(app->MainFrame()->windowTitle(), "saved.tpf[*] - Ternary");
    emit app->MainFrame()->FileMenu()->aboutToShow();
    EXPECT_EQ(app->MainFrame()->Router()->Action(ID_FILE_MRU_FILE1)->text(), "&1 saved.tpf");
    app->SetFileDialogs(nullptr);
}

TEST_F(StartupTest, ExportPictureWritesEachTypeAndRemembersTheLastOne)
{
    auto app = Start({ WritePlot("granite.tpf") });
    FixedDialogs dialogs;
    app->SetFileDialogs(&dialogs);
    auto exportAs = [&](const char* name) {
        dialogs.save = dir.filePath(name);
        app->MainFrame()->Router()->Route(ID_FILE_EXPORT_PICTURE);
    };
    exportAs("a.svg");
    exportAs("b"); // no type given: the last one used
    exportAs("c.pdf");
    exportAs("d.png");
    app->SetFileDialogs(nullptr);
    EXPECT_NE(ReadFileBytes(dir.filePath("a.svg")).find("<svg"), std::string::npos);
    EXPECT_EQ(ReadFileBytes(dir.filePath("b.svg")), ReadFileBytes(dir.filePath("a.svg")));
    EXPECT_EQ(ReadFileBytes(dir.filePath("c.pdf")).rfind("%PDF-", 0), 0u);
    // The same picture as the command line's --export.
    ASSERT_EQ(RunExport(dir.filePath("granite.tpf"), dir.filePath("batch.png"), 1.0), ExitOk);
    EXPECT_EQ(ReadFileBytes(dir.filePath("d.png")), ReadFileBytes(dir.filePath("batch.png")));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST(AboutBox, ShowsTheVersionTheMemoryAndTheLink)
{
    EXPECT_EQ(CAboutDlg::MemoryStatusText(8LL << 30, 3LL << 30), "Total memory: 8388608 kb, 3145728 kb free");
    CAboutDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "About Molvane");
    EXPECT_TRUE(dialog.MemoryStatus()->text().startsWith("Total memory: "));
    EXPECT_EQ(dialog.Link()->GetUrl(), CAboutDlg::ProjectUrl());
    EXPECT_EQ(dialog.Link()->text(), CAboutDlg::ProjectUrl()) << "an empty link shows its address";
}

TEST(UrlLabel, ColoursFollowVisitedAndHoverAndFailuresAreReported)
{
    MessageBoxRecorder boxes;
    CUrlLabel label;
    label.SetUrl("https://ternary.example.org/");
    EXPECT_EQ(label.CurrentColor(), RGB(0, 0, 238));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(label.font().underline());

    QStringList opened;
    CUrlLabel::SetOpener([&](const QString& url) {
        opened << url;
        return true;
    });
    label.OpenUrl();
    EXPECT_EQ(opened, QStringList({ "https://ternary.example.org/" }));
    EXPECT_EQ(label.CurrentColor(), RGB(85, 26, 139));
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.CurrentColor(), label.m_hoverColor);

    CUrlLabel plain;
    plain.setText("https://ternary.example.org/news");
    plain.OpenUrl();
    EXPECT_EQ(opened.last(), "https://ternary.example.org/news") << "a label without a URL links to its text";

    CUrlLabel::SetOpener([](const QString&) { return false; });
    CUrlLabel other;
    other.SetUrl("https://ternary.example.org/help");
    other.OpenUrl();
    CUrlLabel::SetOpener({});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("Unable to open hyperlink:\n\n"));
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(other.IsVisited());

    // The desktop's own opener failing (no browser) is a failure too.
    QTemporaryDir bin;
    ASSERT_TRUE(WriteFileBytes(bin.filePath("xdg-open"), "#!/bin/sh\nexit 3\n"));
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    other.OpenUrl();
    qputenv("PATH", path);
    ASSERT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_FALSE(other.IsVisited());
    EXPECT_EQ(CUrlLabel::ErrorText(99), "Unknown Error (99) occurred.");
}

TEST(DesktopRegistration, WritesOnlyWhatIsMissingAndNeverFails)
{
    QTemporaryDir dir;
    EXPECT_EQ(RegisterShellFileTypes("/opt/my apps/ternary", dir.path()), 3);
    const std::string entry = ReadFileBytes(dir.filePath("applications/ternary.desktop"));
    EXPECT_NE(entry.find("Exec=\"/opt/my apps/ternary\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("MimeType=application/x-ternary-plot;"), std::string::npos);
    const std::string mime = ReadFileBytes(dir.filePath("mime/packages/ternary-tpf.xml"));
    EXPECT_NE(mime.find("<glob pattern=\"*.tpf\"/>"), std::string::npos);
    EXPECT_NE(mime.find("<comment>Ternary File</comment>"), std::string::npos);

    ASSERT_TRUE(WriteFileBytes(dir.filePath("applications/ternary.desktop"), "mine"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.path()), 0);
    EXPECT_EQ(ReadFileBytes(dir.filePath("applications/ternary.desktop")), "mine");

    // A data folder that cannot be created: nothing written, nothing thrown.
    ASSERT_TRUE(WriteFileBytes(dir.filePath("file"), "x"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.filePath("file/sub")), 0);
}
