#include "dialogs/CAxisPropSheet.h"

#include "dialogs/CAxisPropPage.h"
#include "dialogs/CDensityPage.h"
#include "dialogs/CDiagramPage.h"
#include "dialogs/CFontPage.h"
#include "dialogs/CGridOptionsPage.h"
#include "dialogs/CLegendInfoPage.h"
#include "document/FormatOptions.h"

#include <cstdint>

CAxisPropSheet::CAxisPropSheet(QWidget* parent, int startPage)
    : CPropertySheet(QStringLiteral("Format Axis & Titles"), parent, startPage)
    , m_axes { new CAxisPropPage(QStringLiteral("Top Axis")), new CAxisPropPage(QStringLiteral("Left Axis")),
        new CAxisPropPage(QStringLiteral("Right Axis")) }
    , m_grids(new CGridOptionsPage)
    , m_fonts(new CFontPage)
    , m_legend(new CLegendInfoPage)
    , m_diagram(new CDiagramPage)
    , m_density(new CDensityPage)
{
    for (CAxisPropPage* page : m_axes)
        AddPage(page);
    AddPage(m_grids);
    AddPage(m_fonts);
    AddPage(m_legend);
    AddPage(m_diagram);
    AddPage(m_density);
}

void CAxisPropSheet::Fill(const FormatOptions& options)
{
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        const AxisSettings& axis = options.axes[i];
        m_axes[i]->title = axis.title;
        m_axes[i]->minimum = axis.min;
        m_axes[i]->maximum = axis.max;
        m_axes[i]->increment = axis.increment;
    }
    m_grids->drawGrids = options.drawGrids;
    m_grids->equilateral = options.equilateral;
    m_grids->drawTicks = options.drawTicks;
    m_grids->tickSide = options.tickSide;
    m_grids->lineStyle = options.lineStyle;
    m_grids->lineColor = options.lineColor;
    m_grids->bgColor = options.bgColor;
    m_grids->customColors = options.customColors;
    m_fonts->fonts = { options.annotFont, options.axisFont, options.legendFont };
    m_legend->drawLegend = options.drawLegend;
    m_legend->drawShadow = options.drawShadow;
    m_legend->backColor = options.legendBackColor;
    m_legend->customColors = options.customColors;
    FillDiagramPage(*m_diagram, options.diagram, options.customColors);
    m_density->settings = options.density;
}

void CAxisPropSheet::Read(FormatOptions& options) const
{
    for (std::size_t i = 0; i < m_axes.size(); ++i) {
        AxisSettings& axis = options.axes[i];
        axis.title = m_axes[i]->title;
        axis.min = m_axes[i]->minimum;
        axis.max = m_axes[i]->maximum;
        axis.increment = m_axes[i]->increment;
    }
    options.drawGrids = m_grids->drawGrids;
    options.equilateral = m_grids->equilateral;
    options.drawTicks = m_grids->drawTicks;
    options.tickSide = m_grids->tickSide;
    options.lineStyle = m_grids->lineStyle;
    options.lineColor = m_grids->lineColor;
    options.bgColor = m_grids->bgColor;
    options.customColors = m_grids->customColors;
    options.annotFont = m_fonts->fonts[CFontPage::Annotations];
    options.axisFont = m_fonts->fonts[CFontPage::AxisLabels];
    options.legendFont = m_fonts->fonts[CFontPage::Legend];
    options.drawLegend = m_legend->drawLegend;
    options.drawShadow = m_legend->drawShadow;
    options.legendBackColor = m_legend->backColor;
    ReadDiagramPage(*m_diagram, options.diagram);
    options.density = m_density->settings;
}

bool CAxisPropSheet::Run(FormatOptions& options, int page, QWidget* parent)
{
    CAxisPropSheet sheet(parent, page);
    sheet.Fill(options);
    if (!sheet.DoModal())
        return false;
    sheet.Read(options);
    return true;
}

long CAxisPropSheet::QuerySiblings(unsigned long m, long M)
{
    // The minimum travels unsigned and the maximum signed, as a window
    // message's two parameters do; both are whole percents here.
    const float a = static_cast<float>(100u - static_cast<std::uint32_t>(m));
    const float b = static_cast<float>(100 - M);
    const int active = GetActiveIndex();
    for (int i = TopAxis; i <= RightAxis; ++i) {
        if (i == active)
            continue;
        CAxisPropPage* page = AxisPage(i);
        if (!(page->minimum < a))
            return 1;
        if (page->maximum > a)
            page->maximum = a;
        if (page->minimum > b)
            page->minimum = b;
    }
    return 0;
}
