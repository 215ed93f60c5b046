#include "window/CMainFrame.h"

#include "dialogs/CLegendDialog.h"
#include "document/CTernaryDoc.h"
#include "document/DocumentChange.h"
#include "framework/core/CCmdUI.h"
#include "framework/core/CommandIds.h"
#include "framework/gui/CCommandRouter.h"
#include "framework/gui/CStatusBar.h"
#include "plot/CTernaryView.h"
#include "tables/CTernaryTable.h"
#include "window/CColorSymbolPalette.h"
#include "window/PaneFocus.h"

#include <QAbstractScrollArea>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>

#include <algorithm>

// Resources of a static library must be registered by name from outside any namespace.
static void InitWindowResources() { Q_INIT_RESOURCE(window); }

namespace {

// The toolbar, left to right; 0 stands for a separator.
struct ToolButton {
    int id;
    const char* icon;
};
const ToolButton kToolBar[] = {
    { ID_FILE_NEW, "new" },
    { ID_FILE_OPEN, "open" },
    { ID_FILE_SAVE, "save" },
    { ID_FILE_PRINT, "print" },
    { 0, nullptr },
    { ID_EDIT_CUT, "cut" },
    { ID_EDIT_COPY, "copy" },
    { ID_EDIT_PASTE, "paste" },
    { ID_EDIT_UNDO, "undo" },
    { ID_EDIT_REDO, "redo" },
    { 0, nullptr },
    { ID_SHOW_COLOR_PALETTE, "colorpalette" },
    { ID_SHOW_SYMBOL_PALETTE, "symbolpalette" },
    { 0, nullptr },
    { ID_TOOL_DRAG, "dragtool" },
    { ID_TOOL_TEXT, "texttool" },
    { 0, nullptr },
    { ID_ENLARGE_PLOT, "enlarge" },
    { ID_ZOOM_OUT, "zoomout" },
    { 0, nullptr },
    { ID_APP_ABOUT, "about" },
};

bool IsWithin(QWidget* widget, QWidget* ancestor)
{
    return widget && ancestor && (widget == ancestor || ancestor->isAncestorOf(widget));
}

} // namespace

CMainFrame::CMainFrame(CTernaryDoc* doc, QWidget* parent)
    : QMainWindow(parent)
    , m_doc(doc)
    , m_router(new CCommandRouter(this))
{
    InitWindowResources();
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/ternary.svg")));
    setGeometry(50, 50, 780, 550);
    setAcceptDrops(true);

    m_router->SetRoute([this] {
        return std::vector<CCmdTarget*> { dynamic_cast<CCmdTarget*>(m_activeView),
            dynamic_cast<CCmdTarget*>(static_cast<CDocument*>(m_doc)), this, m_appTarget };
    });

    CreateMenus();
    CreateToolBar();
    m_statusBar = new CStatusBar(this);
    setStatusBar(m_statusBar);
    CreateClient();
    RegisterUndoCommands();
    RegisterDiagramCommands();
    RegisterTableCommands();

    OnCommand(ID_VIEW_TOOLBAR, [this] { m_toolBar->setVisible(!m_toolBar->isVisible()); });
    OnUpdateCommand(ID_VIEW_TOOLBAR, [this](CCmdUI& ui) { ui.SetCheck(m_toolBar->isVisible()); });
    OnCommand(ID_VIEW_STATUS_BAR, [this] { m_statusBar->setVisible(!m_statusBar->isVisible()); });
    OnUpdateCommand(ID_VIEW_STATUS_BAR, [this](CCmdUI& ui) { ui.SetCheck(m_statusBar->isVisible()); });

    // The palette belongs to the table, but its buttons and menu item stay
    // usable while the plot is the active view.
    for (int id : { ID_SHOW_COLOR_PALETTE, ID_SHOW_SYMBOL_PALETTE, ID_TOGGLE_PALETTE }) {
        OnCommand(id, [this, id] { m_table->OnCmdMsg(id); });
        OnUpdateCommand(id, [this](CCmdUI& ui) { m_table->OnUpdateCmdUI(ui); });
    }

    // The options sheet opens from the Options menu whichever pane is active.
    const std::pair<int, int> formatPages[] = { { ID_FORMAT_AXIS, 0 }, { ID_FORMAT_GRIDS, 3 }, { ID_FORMAT_FONTS, 4 },
        { ID_FORMAT_LEGEND, 5 }, { ID_FORMAT_DENSITY, 7 } };
    for (auto [id, page] : formatPages)
        OnCommand(id, [this, page] { m_plot->FormatAxisAndTitles(page); });
    OnCommand(ID_LEGEND_ENTRIES, [this] { OnLegendDialog(); });
    // The figure is the plot's whichever pane is active.
    OnCommand(ID_COPY_FIGURE, [this] { m_plot->CopyFigure(); });

    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::OnFocusChanged);
    m_router->UpdateAll();
    m_router->StartIdleUpdates();
}

CMainFrame::~CMainFrame()
{
    disconnect(qApp, &QApplication::focusChanged, this, &CMainFrame::OnFocusChanged);
    if (m_doc) {
        // The panes die with the frame; the document must not reach them afterwards.
        if (m_table)
            m_doc->RemoveView(m_table);
        if (m_plot)
            m_doc->RemoveView(m_plot);
        if (m_doc->m_tableView == m_table)
            m_doc->m_tableView = nullptr;
        if (m_doc->m_plotView == m_plot)
            m_doc->m_plotView = nullptr;
    }
}

void CMainFrame::CreateMenus()
{
    auto add = [this](QMenu* menu, int id) { menu->addAction(m_router->Action(id)); };

    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    for (int id : { ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_IMPORT, ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS,
             ID_FILE_EXPORT_PICTURE, ID_FILE_EXPORT_DENSITY_GRID })
        add(m_fileMenu, id);
    m_fileMenu->addSeparator();
    for (int id : { ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP })
        add(m_fileMenu, id);
    m_fileMenu->addSeparator();
    for (int i = 0; i < ID_FILE_MRU_COUNT; ++i)
        add(m_fileMenu, ID_FILE_MRU_FILE1 + i);
    m_fileMenu->addSeparator();
    add(m_fileMenu, ID_APP_EXIT);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, ID_EDIT_UNDO);
    add(edit, ID_EDIT_REDO);
    edit->addSeparator();
    for (int id : { ID_EDIT_CUT, ID_EDIT_COPY, ID_COPY_FIGURE, ID_EDIT_PASTE })
        add(edit, id);
    edit->addSeparator();
    add(edit, ID_EDIT_CLEAR);
    add(edit, ID_EDIT_FILL_DOWN);
    edit->addSeparator();
    for (int id : { ID_EDIT_INSERT_ROWS, ID_EDIT_DELETE_ROWS, ID_EDIT_SORT })
        add(edit, id);
    edit->addSeparator();
    for (int id : { ID_EDIT_SELECT_ALL, ID_EDIT_FIND, ID_EDIT_FIND_NEXT })
        add(edit, id);

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, ID_VIEW_TOOLBAR);
    add(view, ID_VIEW_STATUS_BAR);
    view->addSeparator();
    add(view, ID_TOGGLE_PALETTE);
    add(view, ID_VIEW_BRING_INTO_VIEW);
    add(view, ID_VIEW_FIT_AXES);
    AddDiagramMenu(view);

    view->addSeparator();
    QMenu* density = view->addMenu(QStringLiteral("Density"));
    auto* densityGroup = new QActionGroup(density);
    for (int id : { ID_DENSITY_OFF, ID_DENSITY_BINS, ID_DENSITY_KERNEL }) {
        add(density, id);
        m_router->Action(id)->setCheckable(true);
        densityGroup->addAction(m_router->Action(id));
    }

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    for (int id : { ID_FORMAT_AXIS, ID_FORMAT_GRIDS, ID_FORMAT_FONTS, ID_FORMAT_LEGEND, ID_FORMAT_DIAGRAM,
             ID_FORMAT_DENSITY, ID_LEGEND_ENTRIES })
        add(options, id);
    options->addSeparator();
    for (int id : { ID_TOGGLE_GRID, ID_TOGGLE_LEGEND, ID_SHOW_NAMES })
        add(options, id);
    QMenu* size = options->addMenu(QStringLiteral("Symbol Size"));
    for (int id : { ID_SYMBOL_HUGE, ID_SYMBOL_LARGE, ID_SYMBOL_MEDIUM, ID_SYMBOL_SMALL, ID_SYMBOL_TINY })
        add(size, id);
    options->addSeparator();
    add(options, ID_AUTO_ADD);
    add(options, ID_AUTO_100);
    // The two auto options start checked; the document's update handlers set them from then on.
    for (int id : { ID_AUTO_ADD, ID_AUTO_100 }) {
        m_router->Action(id)->setCheckable(true);
        m_router->Action(id)->setChecked(true);
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, ID_APP_ABOUT);

    for (QMenu* menu : { m_fileMenu, edit, view, options, help })
        m_router->WatchMenu(menu);
}

void CMainFrame::CreateToolBar()
{
    m_toolBar = new QToolBar(QStringLiteral("Toolbar"), this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_toolBar->setMovable(true);
    for (const ToolButton& button : kToolBar) {
        if (button.id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        QAction* action = m_router->Action(button.id);
        action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(button.icon))));
        m_toolBar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void CMainFrame::CreateClient()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(kSplitterHandleWidth);
    m_table = new CTernaryTable(m_splitter);
    AttachPalette(m_table);
    m_plot = new CTernaryView(m_splitter);
    m_splitter->addWidget(m_table);
    m_splitter->addWidget(m_plot);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    if (m_doc) {
        m_doc->AddView(m_table);
        m_doc->AddView(m_plot);
    }
    setCentralWidget(m_splitter);
    // The table keeps its width when the window grows; the plot takes the rest.
    const int total = std::max(width(), 400);
    m_splitter->setSizes({ kFirstTableWidth, total - kFirstTableWidth });
    m_activeView = m_plot;
    connect(m_plot, &CTernaryView::legendDialogRequested, this, &CMainFrame::OnLegendDialog);
    m_paneFocus = new PaneFocus(m_table, m_plot, this);
}

void CMainFrame::OnLegendDialog()
{
    if (!m_doc)
        return;
    CLegendDialog dialog(m_doc->m_legend, this);
    DocumentChange change(m_doc, "Legend");
    if (dialog.exec() == QDialog::Accepted && dialog.Changed())
        m_doc->RepaintPlot();
}

void CMainFrame::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // The plot starts as the active view; Qt would give the focus to the table.
    if (!m_shownOnce) {
        m_shownOnce = true;
        FitTablePane();
        SetActiveView(m_plot);
    }
}

void CMainFrame::FitTablePane()
{
    // Every column at its width (the fonts set them in the table's initial
    // update), the row header and the vertical scroll bar.
    int width = 2 * m_table->frameWidth() + m_table->verticalScrollBar()->sizeHint().width();
    for (int col = 0; col < m_table->GetColCount(); ++col)
        width += m_table->GetColWidth(col);
    // The window grows by what the table takes beyond its first 280 pixels
    // and by what the plot's figure needs beyond the plot pane, as far as the
    // screen allows, so that the columns and the whole figure show.
    const int plot = m_splitter->width() - kFirstTableWidth - m_splitter->handleWidth();
    const CRect figure = m_plot->FigureFrame();
    const QSize plotFrame = m_plot->size() - m_plot->viewport()->size();
    const int plotWanted = std::max(plot, figure.Width() + plotFrame.width());
    const int taller = std::max(0, figure.Height() + plotFrame.height() - m_plot->height());
    if (const QScreen* screen = this->screen()) {
        // The window's frame and title bar stay on the screen too; until the
        // window manager has framed the window, a title bar's height is assumed.
        QSize decoration = frameGeometry().size() - size();
        if (decoration.isEmpty())
            decoration = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
        const QRect room = screen->availableGeometry();
        const int wider = std::max(0, width - kFirstTableWidth) + plotWanted - plot;
        resize(std::min(this->width() + wider, room.right() + 1 - x() - decoration.width()),
            std::min(height() + taller, room.bottom() + 1 - y() - decoration.height()));
    }
    m_splitter->setSizes({ width, std::max(plotWanted, 100) });
}

void CMainFrame::SetActiveView(CView* view)
{
    m_activeView = view;
    if (auto* widget = dynamic_cast<QWidget*>(view))
        widget->setFocus(Qt::OtherFocusReason);
}

void CMainFrame::OnFocusChanged(QWidget*, QWidget* now)
{
    if (IsWithin(now, m_table))
        m_activeView = m_table;
    else if (IsWithin(now, m_plot))
        m_activeView = m_plot;
}

void CMainFrame::SetStatusText(const QString& text) { m_statusBar->SetMessageText(text); }

void CMainFrame::UpdateFrameTitle()
{
    if (!m_doc)
        return;
    setWindowTitle(m_doc->GetTitle() + QStringLiteral("[*] - Ternary"));
    setWindowModified(m_doc->IsModified());
}

bool CMainFrame::PaneFocusFrameShown(const QWidget* pane) const
{
    return m_paneFocus->FrameShown(qobject_cast<const QAbstractScrollArea*>(pane));
}

QMenu* CMainFrame::FindMenu(const QString& title) const
{
    for (QAction* action : menuBar()->actions()) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

bool CMainFrame::event(QEvent* event)
{
    // A highlighted menu item or toolbar button shows its prompt in the
    // message pane; leaving it brings back "Ready".
    if (event->type() == QEvent::StatusTip) {
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        if (tip.isEmpty())
            m_statusBar->ShowIdleMessage();
        else
            m_statusBar->SetMessageText(tip);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        for (const QUrl& url : event->mimeData()->urls()) {
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
        }
    }
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    // One document at a time: the first local file dropped is opened.
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile()) {
            event->acceptProposedAction();
            if (m_dropHandler)
                m_dropHandler(url.toLocalFile());
            return;
        }
    }
}
