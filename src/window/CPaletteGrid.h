#pragma once

#include "framework/core/WinTypes.h"

#include <QWidget>

#include <functional>

class CDC;

// One page of the colour and symbol palette: 4 x 4 swatches of 18 x 18
// pixels at a pitch of 22 with a margin of 6, on a grey ground. The swatch
// under the pointer gets a light yellow frame; a left click reports the
// swatch's index to the pick handler. The two pages differ only in how a
// swatch is painted.
class CPaletteGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kColumns = 4;
    static constexpr int kRows = 4;
    static constexpr int kMargin = 6;
    static constexpr int kPitch = 22;
    static constexpr int kSwatch = 18;

    explicit CPaletteGrid(QWidget* parent = nullptr);

    // Swatch k's rectangle in client coordinates (right and bottom outside).
    static CRect SwatchRect(int k);
    // The swatch a client point picks: a point in the gap right of or below
    // a swatch counts for that swatch; -1 in the margin of the page of
    // size (width, height), and beyond the sixteen swatches.
    static int IndexAt(int x, int y, int width, int height);

    int HoverIndex() const { return m_hover; }
    void SetPickHandler(std::function<void(int)> handler) { m_onPick = std::move(handler); }

protected:
    // Paints swatch k into rect.
    virtual void PaintSwatch(CDC& dc, int k, const CRect& rect) = 0;
    // The name of swatch k, shown as the tooltip of the swatch under the pointer.
    virtual QString SwatchName(int k) const = 0;

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_hover = -1;
    std::function<void(int)> m_onPick;
};
