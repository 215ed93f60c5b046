#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/LogicalFont.h"

#include <QWidget>

// Shows a font by writing its face name in it, in its colour, on white:
// at x = 5 with the baseline 4 pixels above the bottom edge.
class CFontSample : public QWidget {
    Q_OBJECT
public:
    explicit CFontSample(QWidget* parent = nullptr);

    // Each stores and repaints.
    void SetFont(const LogicalFont& font);
    void SetColor(COLORREF color);
    const LogicalFont& Font() const { return m_font; }
    COLORREF Color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    LogicalFont m_font { 14, 400, false, false, false, "Helvetic" };
    COLORREF m_color = RGB(0, 0, 0);
};
