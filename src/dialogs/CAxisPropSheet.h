#pragma once

#include "framework/gui/CPropertySheet.h"

#include <array>

class CAxisPropPage;
class CDiagramPage;
class CDensityPage;
class CFontPage;
class CGridOptionsPage;
class CLegendInfoPage;
struct FormatOptions;

// The "Format Axis & Titles" sheet: the top, left and right axis pages, then
// Grids, Fonts, Legend and Diagram, in that order (the order is the page index the
// callers choose). It answers the axis pages' question whether a minimum
// leaves room for the other two axes, lowering their ranges as it goes.
class CAxisPropSheet : public CPropertySheet {
    Q_OBJECT
public:
    enum Page { TopAxis, LeftAxis, RightAxis, Grids, Fonts, Legend, Diagram, Density, kPages };

    CAxisPropSheet(QWidget* parent, int startPage);

    // Fills every page from options (before the sheet is shown).
    void Fill(const FormatOptions& options);
    // The pages' values; the Legend page's custom colours are dropped.
    void Read(FormatOptions& options) const;

    // Runs the sheet over parent with page in front; on OK options takes the
    // pages' values and the result is true.
    static bool Run(FormatOptions& options, int page, QWidget* parent);

    // The axis pages' question: minimum m and maximum M of the page in
    // front, truncated. Answers 1 when another axis's minimum is not below
    // 100 - m (that axis stays as it is); otherwise lowers the other axes'
    // maxima to 100 - m and their minima to 100 - M and answers 0.
    long QuerySiblings(unsigned long m, long M) override;

    CAxisPropPage* AxisPage(int index) const { return m_axes[static_cast<std::size_t>(index)]; }
    CGridOptionsPage* GridPage() const { return m_grids; }
    CFontPage* FontPage() const { return m_fonts; }
    CLegendInfoPage* LegendPage() const { return m_legend; }
    CDiagramPage* DiagramPage() const { return m_diagram; }
    CDensityPage* DensityPage() const { return m_density; }

private:
    std::array<CAxisPropPage*, 3> m_axes;
    CGridOptionsPage* m_grids;
    CFontPage* m_fonts;
    CLegendInfoPage* m_legend;
    CDiagramPage* m_diagram;
    CDensityPage* m_density;
};
