#pragma once

#include <QString>

#include <functional>

class CDocument;
class CRecentFileList;
class IFileDialogs;

// The File commands over the application's one document: New, Open, Save,
// Save As, the recent files, and the "Save changes?" question before the
// document's contents are replaced or the program ends. The document, the
// dialogs and the recent-file list are not owned and must outlive the
// manager; the list is optional.
//
// Every command first ends the views' edits in progress (FinishEdits), so
// that what is saved or asked about is what the user sees.
//
// Every command returns true when it did its work and false when it was
// cancelled or failed (a failure has shown its message box). A failed Open
// leaves the document exactly as it was.
class CDocManager {
public:
    static const QString kFilter; // "Ternary Files (*.tpf)"
    static const QString kDefaultExtension; // ".tpf"
    // What File Open offers: plot files, then CSV and TSV files.
    static const QString kOpenFilter;

    CDocManager(CDocument& document, IFileDialogs& dialogs, CRecentFileList* recentFiles = nullptr);

    // The dialogs asked from now on (tests answer them themselves).
    void SetFileDialogs(IFileDialogs& dialogs) { m_dialogs = &dialogs; }
    IFileDialogs& FileDialogs() const { return *m_dialogs; }

    // Called after every command that may change the document's title or
    // modified state (New, Open, Save, Save As); the frame refreshes its
    // caption here.
    void SetTitleChangedCallback(std::function<void()> callback) { m_titleChanged = std::move(callback); }

    // New: SaveModified, then the document's OnNewDocument and the views'
    // initial update.
    bool OnFileNew();
    // Open: the open dialog, then OpenDocumentFile.
    bool OnFileOpen();
    // Opens the file (command line, dropped file, recent file): a file that
    // cannot be read is reported before anything is asked; then SaveModified,
    // the load, the views' initial update, and the file goes first in the
    // recent-file list.
    bool OpenDocumentFile(const QString& path);
    // Save: to the document's file, or Save As when it has none yet.
    bool OnFileSave();
    // Save As: the save dialog (suggesting the current path, or "Untitled.tpf"),
    // ".tpf" added to a name without extension, then the save. The file goes
    // first in the recent-file list.
    bool OnFileSaveAs();
    // Recent file index (0 = newest). An entry that no longer opens is
    // removed from the list.
    bool OnFileMruFile(int index);
    // When the document is modified asks "Save changes to <title>?" (Yes, No,
    // Cancel; exclamation icon). Yes saves; false means stop the command
    // (Cancel, or the save failed or was cancelled). Also call it before exit.
    bool SaveModified();

private:
    // OpenDocumentFile; unreadable tells a file that cannot be read from a
    // cancelled or failed load.
    bool Open(const QString& path, bool& unreadable);
    bool DoSave(const QString& path);
    void TitleChanged();

    CDocument& m_document;
    IFileDialogs* m_dialogs;
    CRecentFileList* m_recentFiles;
    std::function<void()> m_titleChanged;
};
