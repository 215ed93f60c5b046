#pragma once

#include "tables/ISymbolPalette.h"

#include <QObject>
#include <QPointer>

#include <functional>

class CColorGrid;
class CSymbolGrid;
class QTabWidget;
class QWidget;

// The two messages a pick sends to the owner.
constexpr int WM_TABLE_SETCOLOR = 0x464; // lParam: a colorId
constexpr int WM_TABLE_SETSYMBOL = 0x465; // lParam: a symbolId

// The floating "Color & Symbol" tool window: tabs "Color" and "Symbol" at the
// bottom, each a 4 x 4 grid of swatches. A click on a swatch posts
// WM_TABLE_SETCOLOR or WM_TABLE_SETSYMBOL with the swatch's index to the
// owner; the window stays open. The object lives as long as its table; its
// window exists only while shown and is destroyed by its close button or by
// Destroy.
class CColorSymbolPalette : public QObject, public ISymbolPalette {
    Q_OBJECT
public:
    // Receives a posted message and its lParam.
    using MessageSink = std::function<void(int message, int lParam)>;

    explicit CColorSymbolPalette(QObject* parent = nullptr);
    ~CColorSymbolPalette() override;

    // The window that owns the palette window and receives the picks.
    void SetOwner(QWidget* owner, MessageSink sink);

    // Shows the palette on page: creates the window at the pointer when it
    // does not exist; otherwise only switches to the page, without moving or
    // activating the window.
    void Show(int page) override;
    bool IsShown() const override { return !m_window.isNull(); }
    void Destroy() override;

    int CurrentPage() const { return m_page; }
    // Null while the window does not exist.
    QWidget* Window() const;
    QTabWidget* Tabs() const;
    CColorGrid* ColorGrid() const;
    CSymbolGrid* SymbolGrid() const;

private:
    void Create();
    void OnPick(int index);
    void SwitchPages();

    QPointer<QWidget> m_owner;
    MessageSink m_sink;
    int m_page = ColorPage;
    QPointer<QWidget> m_window;
    QPointer<QTabWidget> m_tabs;
    QPointer<CColorGrid> m_colorGrid;
    QPointer<CSymbolGrid> m_symbolGrid;
};

class CTernaryTable;

// Creates the palette of table (a child of it, so it lives as long as the
// table), sends its picks to the table's selected rows and installs it there.
CColorSymbolPalette* AttachPalette(CTernaryTable* table);
