#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/CPropertyPage.h"

#include <array>

class CColorSwatch;
class QCheckBox;
class QPushButton;

// Legend page: the legend box on or off, its shadow and its background colour.
class CLegendInfoPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CLegendInfoPage(QWidget* parent = nullptr);

    void OnInitDialog() override;

    int drawLegend = 0;
    int drawShadow = 0;
    COLORREF backColor = 0;
    // A copy of the plot's custom colours, offered again while the sheet is
    // open and never written back.
    std::array<COLORREF, 16> customColors {};

    QCheckBox* DrawLegendBox() const { return m_drawLegend; }
    QCheckBox* DrawShadowBox() const { return m_drawShadow; }
    QPushButton* BackColorButton() const { return m_colorButton; }
    CColorSwatch* BackSwatch() const { return m_swatch; }

protected:
    bool DoDataExchange(bool save) override;

private:
    QCheckBox* m_drawLegend;
    QCheckBox* m_drawShadow;
    CColorSwatch* m_swatch;
    QPushButton* m_colorButton;
};
