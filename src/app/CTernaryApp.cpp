#include "app/CTernaryApp.h"

#include "analysis/AxisFit.h"
#include "app/CAboutDlg.h"
#include "app/CommandLine.h"
#include "app/DesktopRegistration.h"
#include "app/OptionsSheetRunner.h"
#include "document/CTernaryDoc.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CDocManager.h"
#include "framework/core/CProfile.h"
#include "framework/core/CRecentFileList.h"
#include "framework/core/CommandIds.h"
#include "framework/core/MessageBox.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CFileDialogs.h"
#include "framework/gui/PrintDialogs.h"
#include "plot/CTernaryView.h"
#include "tables/CTernaryTable.h"
#include "window/CMainFrame.h"

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

CTernaryApp::CTernaryApp()
    : CTernaryApp(Options {})
{
}

CTernaryApp::CTernaryApp(const Options& options)
    : m_options(options)
{
}

CTernaryApp::~CTernaryApp()
{
    // The manager refers to the dialogs and the document; the frame's views to the document.
    m_docManager.reset();
    m_frame.reset();
    m_optionsSheet.reset();
}

bool CTernaryApp::InitInstance(const CommandLine& commandLine)
{
    // Profile storage: Kestrova / Ternary, four recent files.
    m_profile = m_options.profilePath.isEmpty() ? std::make_unique<CProfile>()
                                                : std::make_unique<CProfile>(m_options.profilePath);
    m_recentFiles = std::make_unique<CRecentFileList>(*m_profile, CRecentFileList::kDefaultSize);

    // The document template: one document, one frame with the table and the plot.
    m_doc = std::make_unique<CTernaryDoc>();
    m_frame = std::make_unique<CMainFrame>(m_doc.get());
    m_optionsSheet = std::make_unique<OptionsSheetRunner>();
    m_frame->PlotView()->SetOptionsSheet(m_optionsSheet.get());
    m_fileDialogs = std::make_unique<CFileDialogs>(m_frame.get());
    m_dialogs = m_fileDialogs.get();
    m_docManager = std::make_unique<CDocManager>(*m_doc, *m_fileDialogs, m_recentFiles.get());
    m_docManager->SetTitleChangedCallback([this] { m_frame->UpdateFrameTitle(); });
    m_frame->SetAppTarget(this);
    m_frame->SetCloseQuery([this] { return CanClose(); });
    m_frame->SetDropHandler([this](const QString& path) { OpenDroppedFile(path); });
    RegisterCommands();

    if (m_options.registerDesktop)
        RegisterShellFileTypes(QCoreApplication::applicationFilePath(), m_options.dataHome);

    // The manager keeps the file under its full name (symbolic links kept
    // as named), so that the recent-file list opens it from anywhere.
    const bool ok = commandLine.inputFile.isEmpty() ? m_docManager->OnFileNew()
                                                    : m_docManager->OpenDocumentFile(commandLine.inputFile);
    if (!ok)
        return false;

    m_frame->UpdateFrameTitle();
    // Table edits mark the document modified without telling the frame; the
    // title follows on idle, as the toolbar does.
    m_titleTimer = new QTimer(this);
    connect(m_titleTimer, &QTimer::timeout, this, [this] { m_frame->UpdateFrameTitle(); });
    m_titleTimer->start(200);
    if (m_options.showWindow) {
        m_frame->show();
        m_frame->raise();
        m_frame->activateWindow();
    }
    return true;
}

void CTernaryApp::RegisterCommands()
{
    OnCommand(ID_FILE_NEW, [this] { m_docManager->OnFileNew(); });
    OnCommand(ID_FILE_OPEN, [this] { m_docManager->OnFileOpen(); });
    OnCommand(ID_FILE_IMPORT, [this] { OnFileImport(); });
    OnCommand(ID_DIAGRAM_FROM_FILE, [this] { OnDiagramFromFile(); });
    OnUpdateCommand(ID_DIAGRAM_FROM_FILE,
        [this](CCmdUI& ui) { ui.SetCheck(m_doc && m_doc->m_diagram.kind == DiagramKind::FromFile); });
    OnCommand(ID_FILE_SAVE, [this] { m_docManager->OnFileSave(); });
    OnCommand(ID_FILE_SAVE_AS, [this] { m_docManager->OnFileSaveAs(); });
    // One document in one window: closing the document closes the window.
    OnCommand(ID_FILE_CLOSE, [this] { m_frame->close(); });
    OnCommand(ID_APP_EXIT, [this] { m_frame->close(); });
    OnCommand(ID_APP_ABOUT, [this] { OnAppAbout(); });
    OnCommand(ID_FILE_PRINT_SETUP, [this] { ExecPageSetupDialog(AppPrinter(), m_frame.get()); });
    OnCommand(ID_FILE_EXPORT_PICTURE, [this] { OnExportPicture(); });
    OnCommand(ID_FILE_EXPORT_DENSITY_GRID, [this] { OnExportDensityGrid(); });
    OnCommand(ID_VIEW_FIT_AXES, [this] {
        if (FitAxesToData(*m_doc) && m_frame->PlotView())
            m_frame->PlotView()->FrameAxes();
    });
    OnUpdateCommand(ID_VIEW_FIT_AXES, [this](CCmdUI& ui) { ui.Enable(HasPlottedSample(*m_doc)); });
    for (int i = 0; i < ID_FILE_MRU_COUNT; ++i) {
        OnCommand(ID_FILE_MRU_FILE1 + i, [this, i] { m_docManager->OnFileMruFile(i); });
        OnUpdateCommand(ID_FILE_MRU_FILE1 + i, [this, i](CCmdUI& ui) {
            // The first item stands for the list; it updates all four.
            if (i == 0)
                UpdateRecentFileMenu();
            ui.Enable(i < m_recentFiles->Count());
            if (i < m_recentFiles->Count())
                ui.SetText(m_recentFiles->GetDisplayName(i));
            else if (i == 0)
                ui.SetText(QStringLiteral("Recent File"));
        });
    }
}

void CTernaryApp::UpdateRecentFileMenu()
{
    // Without recent files the menu shows one disabled "Recent File" item.
    CCommandRouter* router = m_frame->Router();
    for (int i = 0; i < ID_FILE_MRU_COUNT; ++i)
        router->Action(ID_FILE_MRU_FILE1 + i)->setVisible(i == 0 || i < m_recentFiles->Count());
}

bool CTernaryApp::CanClose() { return m_docManager->SaveModified(); }

bool CTernaryApp::OpenDroppedFile(const QString& path)
{
    m_frame->activateWindow();
    return m_docManager->OpenDocumentFile(path);
}

bool CTernaryApp::OnFileImport()
{
    const QString path
        = m_docManager->FileDialogs().GetOpenFileName(QStringLiteral("CSV and TSV files (*.csv *.tsv *.txt)"));
    if (path.isEmpty())
        return false;
    m_frame->Table()->CommitCellEdit();
    const SlotRange range = m_doc->ImportSampleFile(path);
    if (range.Count() == 0)
        return false;
    // The table is not re-read from the document: it rebuilds the new rows.
    CTernaryTable* table = m_frame->Table();
    table->LoadRowsFromDocument(range.first, range.last);
    table->ScrollRowIntoView(range.first);
    m_doc->UpdateAllViews(nullptr);
    m_frame->UpdateFrameTitle();
    m_frame->SetStatusText(QStringLiteral("Imported %1 %2 into rows %3 to %4.")
                               .arg(range.Count())
                               .arg(range.Count() == 1 ? QStringLiteral("sample") : QStringLiteral("samples"))
                               .arg(range.first)
                               .arg(range.last));
    return true;
}

void CTernaryApp::SetFileDialogs(IFileDialogs* dialogs)
{
    m_dialogs = dialogs ? dialogs : m_fileDialogs.get();
    m_docManager->SetFileDialogs(*m_dialogs);
}

void CTernaryApp::OnAppAbout()
{
    CAboutDlg dialog(m_frame.get());
    dialog.exec();
}
