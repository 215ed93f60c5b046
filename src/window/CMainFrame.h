#pragma once

#include "framework/core/CCmdTarget.h"

#include <QMainWindow>

#include <functional>

class CCommandRouter;
class CDocument;
class CStatusBar;
class CTernaryDoc;
class CTernaryTable;
class CTernaryView;
class CView;
class QMenu;
class QSplitter;
class QToolBar;
class PaneFocus;

// The application's one top-level window: menu bar, toolbar and status bar
// built from the command table, and a splitter with the sample table on the
// left (as wide as its columns at first) and the plot on the right. The plot is the
// active view at start; after that the pane that last took the focus is.
//
// Commands go to the active view, the document, the frame, then the
// application target (SetAppTarget) through the frame's CCommandRouter.
// The frame handles the toolbar and status bar toggles itself; closing the
// window and dropping files are passed on through the hooks the
// application sets.
class CMainFrame : public QMainWindow, public CCmdTarget {
    Q_OBJECT
public:
    // Wide enough to grab.
    static constexpr int kSplitterHandleWidth = 6;
    // The table pane's width before it is fitted to its columns.
    static constexpr int kFirstTableWidth = 280;

    // Creates the frame and its two panes, attached to doc (not owned).
    explicit CMainFrame(CTernaryDoc* doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CCommandRouter* Router() const { return m_router; }
    CStatusBar* StatusBar() const { return m_statusBar; }
    QToolBar* ToolBar() const { return m_toolBar; }
    QSplitter* Splitter() const { return m_splitter; }
    CTernaryTable* Table() const { return m_table; }
    CTernaryView* PlotView() const { return m_plot; }
    CTernaryDoc* Document() const { return m_doc; }
    QMenu* FileMenu() const { return m_fileMenu; }

    // The view commands go to first.
    CView* GetActiveView() const { return m_activeView; }
    void SetActiveView(CView* view);

    // The last target on the command route (the application).
    void SetAppTarget(CCmdTarget* app) { m_appTarget = app; }

    // Puts text into the first status bar pane and repaints it at once.
    void SetStatusText(const QString& text);

    // Asked before the window closes; false keeps it open.
    void SetCloseQuery(std::function<bool()> query) { m_closeQuery = std::move(query); }
    // Opens a file dropped on the window.
    void SetDropHandler(std::function<void(const QString&)> open) { m_dropHandler = std::move(open); }

    // Title "name - Ternary", with the modified mark while doc is modified.
    void UpdateFrameTitle();

    // Whether a pane (the table or the plot) shows the frame of the pane
    // that has the keyboard.
    bool PaneFocusFrameShown(const QWidget* pane) const;

    // The top-level menu titled title ("&File"), or nullptr.
    QMenu* FindMenu(const QString& title) const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateToolBar();
    void CreateClient();
    // Edit Undo and Redo over the document's stack, and View Bring Legend
    // and Annotations into View, and the end of edits before other commands
    // (CMainFrameUndo.cpp).
    void RegisterUndoCommands();
    // View > Classification Diagram's built-in choices and Class Counts
    // (CMainFrameDiagram.cpp); From File is the application's, which owns
    // the file dialogs.
    void AddDiagramMenu(QMenu* view);
    void RegisterDiagramCommands();
    // The table's row commands from either pane, Sort and Find with their
    // dialogs (CMainFrameTable.cpp).
    void RegisterTableCommands();
    void OnFocusChanged(QWidget* old, QWidget* now);
    // At the first showing: the table pane as wide as its columns.
    void FitTablePane();
    // A typed character on the plot or Options Legend Entries: the Legend
    // dialog, modal; OK repaints the plot.
    void OnLegendDialog();

    CTernaryDoc* m_doc;
    CCommandRouter* m_router;
    CStatusBar* m_statusBar = nullptr;
    QToolBar* m_toolBar = nullptr;
    QSplitter* m_splitter = nullptr;
    CTernaryTable* m_table = nullptr;
    CTernaryView* m_plot = nullptr;
    QMenu* m_fileMenu = nullptr;
    PaneFocus* m_paneFocus = nullptr;
    CView* m_activeView = nullptr;
    CCmdTarget* m_appTarget = nullptr;
    bool m_shownOnce = false;
    std::function<bool()> m_closeQuery;
    std::function<void(const QString&)> m_dropHandler;
};
