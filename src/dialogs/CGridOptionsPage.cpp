#include "dialogs/CGridOptionsPage.h"

#include "framework/gui/CColorSwatch.h"
#include "framework/gui/CommonDialogs.h"
#include "framework/gui/DataExchange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

CColorSwatch* MakeSwatch(QWidget* parent)
{
    auto* swatch = new CColorSwatch(parent);
    swatch->setFixedSize(40, 20);
    return swatch;
}

} // namespace

CGridOptionsPage::CGridOptionsPage(QWidget* parent)
    : CPropertyPage(QStringLiteral("Grids"), parent)
    , m_drawGrids(new QCheckBox(QStringLiteral("Draw Grids"), this))
    , m_drawTicks(new QCheckBox(QStringLiteral("Draw Ticks"), this))
    , m_equilateral(new QCheckBox(QStringLiteral("Equilateral triangle"), this))
    , m_solid(new QRadioButton(QStringLiteral("Solid"), this))
    , m_dashed(new QRadioButton(QStringLiteral("Dashed"), this))
    , m_tickOutside(new QRadioButton(QStringLiteral("Tick Outside"), this))
    , m_tickInside(new QRadioButton(QStringLiteral("Tick Inside"), this))
    , m_lineStyleGroup(new QButtonGroup(this))
    , m_tickSideGroup(new QButtonGroup(this))
    , m_lineSwatch(MakeSwatch(this))
    , m_bgSwatch(MakeSwatch(this))
    , m_lineColorButton(new QPushButton(QStringLiteral("Choose color ..."), this))
    , m_bgColorButton(new QPushButton(QStringLiteral("Choose color ..."), this))
{
    m_lineStyleGroup->addButton(m_solid, 0);
    m_lineStyleGroup->addButton(m_dashed, 1);
    m_tickSideGroup->addButton(m_tickOutside, 0);
    m_tickSideGroup->addButton(m_tickInside, 1);

    auto* styleBox = new QGroupBox(QStringLiteral("Line Style"), this);
    auto* styleLayout = new QVBoxLayout(styleBox);
    styleLayout->addWidget(m_solid);
    styleLayout->addWidget(m_dashed);
    auto* tickBox = new QGroupBox(QStringLiteral("Ticks"), this);
    auto* tickLayout = new QVBoxLayout(tickBox);
    tickLayout->addWidget(m_tickOutside);
    tickLayout->addWidget(m_tickInside);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_drawGrids, 0, 0);
    grid->addWidget(m_drawTicks, 0, 1);
    grid->addWidget(styleBox, 1, 0);
    grid->addWidget(tickBox, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Line Color:"), this), 2, 0);
    grid->addWidget(m_lineSwatch, 2, 1);
    grid->addWidget(m_lineColorButton, 2, 2);
    grid->addWidget(new QLabel(QStringLiteral("Background Color:"), this), 3, 0);
    grid->addWidget(m_bgSwatch, 3, 1);
    grid->addWidget(m_bgColorButton, 3, 2);
    grid->addWidget(m_equilateral, 4, 0);
    grid->setRowStretch(5, 1);

    connect(m_drawTicks, &QCheckBox::clicked, this, [this] {
        UpdateData(true);
        EnableTickButtons();
    });
    connect(m_lineColorButton, &QPushButton::clicked, this, [this] { ChooseColorFor(lineColor, m_lineSwatch); });
    connect(m_bgColorButton, &QPushButton::clicked, this, [this] { ChooseColorFor(bgColor, m_bgSwatch); });
}

bool CGridOptionsPage::DoDataExchange(bool save)
{
    DDX_Check(save, m_drawGrids, drawGrids);
    DDX_Check(save, m_drawTicks, drawTicks);
    DDX_Check(save, m_equilateral, equilateral);
    DDX_Radio(save, m_lineStyleGroup, lineStyle);
    DDX_Radio(save, m_tickSideGroup, tickSide);
    return true;
}

void CGridOptionsPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_lineSwatch->SetColor(lineColor);
    m_bgSwatch->SetColor(bgColor);
}

bool CGridOptionsPage::OnSetActive()
{
    EnableTickButtons();
    return CPropertyPage::OnSetActive();
}

void CGridOptionsPage::EnableTickButtons()
{
    m_tickOutside->setEnabled(drawTicks != 0);
    m_tickInside->setEnabled(drawTicks != 0);
}

void CGridOptionsPage::ChooseColorFor(COLORREF& color, CColorSwatch* swatch)
{
    if (!ChooseColor(color, &customColors, CC_DEFAULT, this))
        return;
    swatch->SetColor(color);
}
