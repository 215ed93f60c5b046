#pragma once

#include "framework/core/WinTypes.h"
#include "framework/gui/CPropertyPage.h"

#include <array>

class CColorSwatch;
class QButtonGroup;
class QComboBox;
class QPushButton;

// Diagram page: the classification diagram drawn under the samples, how its
// fields are labelled, the pen of their boundaries, and the direction the
// axes are read in. Choosing the soil texture triangle turns the direction
// to clockwise, the way soil scientists read it; the user may turn it back.
class CDiagramPage : public CPropertyPage {
    Q_OBJECT
public:
    // The entries of the diagram list; FromFile is offered only while the
    // plot holds fields from a file (View > Classification Diagram > From
    // File... reads them).
    enum Choice { None, SoilTexture, Qap, FromFile };

    explicit CDiagramPage(QWidget* parent = nullptr);

    void OnInitDialog() override;

    int diagram = None;
    bool fileFieldsAvailable = false;
    int labelNumbers = 0; // radio: 0 names, 1 numbers
    COLORREF lineColor = 0;
    int lineStyle = 0; // radio: 0 solid, 1 dashed
    int clockwise = 0; // radio: 0 counterclockwise, 1 clockwise
    std::array<COLORREF, 16> customColors {}; // a copy, never written back

    QComboBox* DiagramList() const { return m_diagram; }
    QButtonGroup* DirectionGroup() const { return m_direction; }
    QPushButton* LineColorButton() const { return m_colorButton; }

protected:
    bool DoDataExchange(bool save) override;

private:
    QComboBox* m_diagram;
    QButtonGroup* m_labels;
    QButtonGroup* m_style;
    QButtonGroup* m_direction;
    CColorSwatch* m_swatch;
    QPushButton* m_colorButton;
};

struct ClassDiagramSettings;

// The page's values from and to the plot's diagram settings; a diagram
// other than one from a file drops the file's fields.
void FillDiagramPage(CDiagramPage& page, const ClassDiagramSettings& settings, const std::array<COLORREF, 16>& colors);
void ReadDiagramPage(const CDiagramPage& page, ClassDiagramSettings& settings);
