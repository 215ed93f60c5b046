#pragma once

// The colour and symbol palette as the sample table sees it. The main window
// creates the palette and installs it in the table (CTernaryTable::SetPalette);
// a pick reaches the table through OnTableSetColor and OnTableSetSymbol.
class ISymbolPalette {
public:
    enum Page { ColorPage = 0, SymbolPage = 1 };

    virtual ~ISymbolPalette() = default;
    // Shows the palette on page, creating its window when it has none.
    virtual void Show(int page) = 0;
    virtual bool IsShown() const = 0;
    virtual void Destroy() = 0;
};
