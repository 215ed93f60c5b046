#include "window/CColorSymbolPalette.h"

#include "tables/CTernaryTable.h"
#include "window/CColorGrid.h"
#include "window/CSymbolGrid.h"

#include <QCursor>
#include <QFontMetrics>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

CColorSymbolPalette::CColorSymbolPalette(QObject* parent)
    : QObject(parent)
{
}

CColorSymbolPalette::~CColorSymbolPalette() { Destroy(); }

QWidget* CColorSymbolPalette::Window() const { return m_window; }
QTabWidget* CColorSymbolPalette::Tabs() const { return m_tabs; }
CColorGrid* CColorSymbolPalette::ColorGrid() const { return m_colorGrid; }
CSymbolGrid* CColorSymbolPalette::SymbolGrid() const { return m_symbolGrid; }

void CColorSymbolPalette::SetOwner(QWidget* owner, MessageSink sink)
{
    m_owner = owner;
    m_sink = std::move(sink);
}

void CColorSymbolPalette::Show(int page)
{
    if (m_window) {
        if (page != m_page) {
            m_page = page;
            m_tabs->setCurrentIndex(page);
        }
        return;
    }
    m_page = page;
    Create();
}

void CColorSymbolPalette::Destroy()
{
    if (m_window)
        delete m_window.data();
}

void CColorSymbolPalette::Create()
{
    QWidget* ownerWindow = m_owner ? m_owner->window() : nullptr;
    auto* window = new QWidget(ownerWindow, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QStringLiteral("ColorSymbolPalette"));
    window->setWindowTitle(QStringLiteral("Color & Symbol"));

    auto* tabs = new QTabWidget(window);
    tabs->setTabPosition(QTabWidget::South);
    tabs->setDocumentMode(true);
    auto* symbols = new CSymbolGrid;
    symbols->setWindowTitle(QStringLiteral("Symbol"));
    auto* colors = new CColorGrid;
    colors->setWindowTitle(QStringLiteral("Color"));
    tabs->addTab(colors, QStringLiteral("Color"));
    tabs->addTab(symbols, QStringLiteral("Symbol"));
    colors->SetPickHandler([this](int index) { OnPick(index); });
    symbols->SetPickHandler([this](int index) { OnPick(index); });

    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);

    m_window = window;
    m_tabs = tabs;
    m_colorGrid = colors;
    m_symbolGrid = symbols;
    tabs->setCurrentIndex(m_page);
    connect(tabs, &QTabWidget::currentChanged, this, [this](int index) {
        m_page = index;
        SwitchPages();
    });

    // Wide enough for the whole caption beside the title bar's buttons, in
    // the bold face window managers commonly use for it.
    QFont captionFont = window->font();
    captionFont.setBold(true);
    QSize size = window->sizeHint();
    size.setWidth(std::max(size.width(), QFontMetrics(captionFont).horizontalAdvance(window->windowTitle()) + 72));
    window->setFixedSize(size);
    window->move(QCursor::pos());
    window->show();
    SwitchPages();
}

void CColorSymbolPalette::SwitchPages()
{
    if (!m_tabs)
        return;
    if (QWidget* page = m_tabs->currentWidget())
        page->setFocus(Qt::OtherFocusReason);
}

void CColorSymbolPalette::OnPick(int index)
{
    if (!m_tabs || !m_owner || !m_sink)
        return;
    const int message = m_tabs->currentIndex() == ColorPage ? WM_TABLE_SETCOLOR : WM_TABLE_SETSYMBOL;
    // Posted, as the table may be busy when the click arrives.
    QTimer::singleShot(0, m_owner, [sink = m_sink, message, index] { sink(message, index); });
}

CColorSymbolPalette* AttachPalette(CTernaryTable* table)
{
    auto* palette = new CColorSymbolPalette(table);
    palette->SetOwner(table, [table](int message, int index) {
        if (message == WM_TABLE_SETCOLOR)
            table->OnTableSetColor(index);
        else if (message == WM_TABLE_SETSYMBOL)
            table->OnTableSetSymbol(index);
    });
    table->SetPalette(palette);
    return palette;
}
