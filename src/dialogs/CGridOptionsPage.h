#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/CPropertyPage.h"

#include <array>

class CColorSwatch;
class QButtonGroup;
class QCheckBox;
class QPushButton;
class QRadioButton;

// Grids page: grid lines and ticks on or off, solid or dashed lines, ticks
// outside or inside, and the line and background colours. The tick side
// can be chosen only while ticks are drawn. The triangle may be drawn
// equilateral.
class CGridOptionsPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CGridOptionsPage(QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnSetActive() override;

    int drawGrids = 0;
    int equilateral = 0;
    int drawTicks = 0;
    int lineStyle = -1; // 0 solid, 1 dashed; -1 none chosen
    int tickSide = -1; // 0 outside, 1 inside; -1 none chosen
    COLORREF lineColor = 0;
    COLORREF bgColor = 0;
    std::array<COLORREF, 16> customColors {};

    QCheckBox* DrawGridsBox() const { return m_drawGrids; }
    QCheckBox* DrawTicksBox() const { return m_drawTicks; }
    QCheckBox* EquilateralBox() const { return m_equilateral; }
    QRadioButton* SolidButton() const { return m_solid; }
    QRadioButton* DashedButton() const { return m_dashed; }
    QRadioButton* TickOutsideButton() const { return m_tickOutside; }
    QRadioButton* TickInsideButton() const { return m_tickInside; }
    QPushButton* LineColorButton() const { return m_lineColorButton; }
    QPushButton* BgColorButton() const { return m_bgColorButton; }
    CColorSwatch* LineSwatch() const { return m_lineSwatch; }
    CColorSwatch* BgSwatch() const { return m_bgSwatch; }

protected:
    bool DoDataExchange(bool save) override;

private:
    void EnableTickButtons();
    void ChooseColorFor(COLORREF& color, CColorSwatch* swatch);

    QCheckBox* m_drawGrids;
    QCheckBox* m_drawTicks;
    QCheckBox* m_equilateral;
    QRadioButton* m_solid;
    QRadioButton* m_dashed;
    QRadioButton* m_tickOutside;
    QRadioButton* m_tickInside;
    QButtonGroup* m_lineStyleGroup;
    QButtonGroup* m_tickSideGroup;
    CColorSwatch* m_lineSwatch;
    CColorSwatch* m_bgSwatch;
    QPushButton* m_lineColorButton;
    QPushButton* m_bgColorButton;
};
