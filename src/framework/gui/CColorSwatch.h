#pragma once

#include "framework/core/WinTypes.h"

#include <QWidget>

// A plain rectangle filled with one colour, without an outline; option pages
// show their chosen colours in it.
class CColorSwatch : public QWidget {
    Q_OBJECT
public:
    explicit CColorSwatch(QWidget* parent = nullptr);

    // Stores the colour and repaints.
    void SetColor(COLORREF color);
    COLORREF GetColor() const { return m_color; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    COLORREF m_color = RGB(0, 0, 0);
};
