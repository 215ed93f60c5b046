#pragma once

#include "document/FontSettings.h"
#include "framework/gui/CPropertyPage.h"

#include <array>

class CFontSample;
class QPushButton;

// Fonts page: one row each for the annotations, the axis labels and the
// legend, with a sample of the font and the "Font ..." and "Color ..."
// buttons. The members change only through the buttons.
class CFontPage : public CPropertyPage {
    Q_OBJECT
public:
    enum Row { Annotations, AxisLabels, Legend, kRows };

    explicit CFontPage(QWidget* parent = nullptr);

    void OnInitDialog() override;

    // Face, size, style and colour of each row.
    std::array<FontSettings, kRows> fonts;

    CFontSample* Sample(Row row) const { return m_rows[row].sample; }
    QPushButton* FontButton(Row row) const { return m_rows[row].fontButton; }
    QPushButton* ColorButton(Row row) const { return m_rows[row].colorButton; }

private:
    void OnChooseFont(Row row);
    void OnChooseColor(Row row);

    struct RowControls {
        CFontSample* sample = nullptr;
        QPushButton* fontButton = nullptr;
        QPushButton* colorButton = nullptr;
    };
    std::array<RowControls, kRows> m_rows;
};
