#pragma once

#include "framework/core/CCmdTarget.h"

#include <QObject>
#include <QString>

#include <memory>

class CDocManager;
class CFileDialogs;
class CMainFrame;
class CProfile;
class CRecentFileList;
class CTernaryDoc;
class IFileDialogs;
class IOptionsSheet;
class QTimer;
struct CommandLine;

// The application object: sets up the profile and its recent-file list,
// builds the one document, the main frame with its two views and the
// document manager, registers .tpf files with the desktop, opens the file of
// the command line or starts a new plot, and shows the window. It is the
// last target on the command route and handles the File commands, Exit and
// About.
class CTernaryApp : public QObject, public CCmdTarget {
    Q_OBJECT
public:
    struct Options {
        QString profilePath; // empty: the user's profile (Kestrova / Ternary)
        bool registerDesktop = true; // write the desktop entry and MIME type when missing
        QString dataHome; // where to register; empty: $XDG_DATA_HOME
        bool showWindow = true;
    };

    CTernaryApp();
    explicit CTernaryApp(const Options& options);
    ~CTernaryApp() override;

    // The start-up sequence. False when the program must end: the command
    // line named a file that could not be opened. (The print switches never
    // get here; they print without a window.)
    bool InitInstance(const CommandLine& commandLine);

    // Opens a file dropped on the main window.
    bool OpenDroppedFile(const QString& path);

    // Tests answer the file dialogs themselves (not owned; null restores the
    // real ones). Only after InitInstance.
    void SetFileDialogs(IFileDialogs* dialogs);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CTernaryDoc* Document() const { return m_doc.get(); }
    CDocManager* DocManager() const { return m_docManager.get(); }
    CRecentFileList* RecentFiles() const { return m_recentFiles.get(); }

    // File > Import Samples...: appends the samples of a CSV or TSV file
    // after the last row in use. False when cancelled or refused.
    bool OnFileImport();
    // View > Classification Diagram > From File...: asks for a field file
    // and makes its fields the plot's diagram (CTernaryAppDiagram.cpp).
    bool OnDiagramFromFile();

    // Shows the About box modally.
    void OnAppAbout();
    // File > Export Picture: the plot as PNG, SVG or PDF, as --export draws
    // it, the type chosen in the save dialog and remembered in the profile
    // (ExportPicture.cpp).
    void OnExportPicture();
    // File > Export Density Grid: every bin of the density as CSV (the bin
    // counts while the plot draws no density).
    void OnExportDensityGrid();

private:
    void RegisterCommands();
    void UpdateRecentFileMenu();
    bool CanClose();

    Options m_options;
    std::unique_ptr<CProfile> m_profile;
    std::unique_ptr<CRecentFileList> m_recentFiles;
    std::unique_ptr<CTernaryDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CFileDialogs> m_fileDialogs;
    IFileDialogs* m_dialogs = nullptr; // the file dialogs in use: m_fileDialogs or a test's
    std::unique_ptr<CDocManager> m_docManager;
    std::unique_ptr<IOptionsSheet> m_optionsSheet;
    QTimer* m_titleTimer = nullptr;
};
