#include "dialogs/CLegendInfoPage.h"

#include "framework/gui/CColorSwatch.h"
#include "framework/gui/CommonDialogs.h"
#include "framework/gui/DataExchange.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CLegendInfoPage::CLegendInfoPage(QWidget* parent)
    : CPropertyPage(QStringLiteral("Legend"), parent)
    , m_drawLegend(new QCheckBox(QStringLiteral("Draw Legend"), this))
    , m_drawShadow(new QCheckBox(QStringLiteral("Draw shadow"), this))
    , m_swatch(new CColorSwatch(this))
    , m_colorButton(new QPushButton(QStringLiteral("Choose color ..."), this))
{
    m_swatch->setFixedSize(40, 20);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_drawLegend, 0, 0);
    grid->addWidget(m_drawShadow, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Background Color:"), this), 2, 0);
    grid->addWidget(m_swatch, 2, 1);
    grid->addWidget(m_colorButton, 2, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        if (ChooseColor(backColor, &customColors, CC_DEFAULT, this))
            m_swatch->SetColor(backColor);
    });
}

bool CLegendInfoPage::DoDataExchange(bool save)
{
    DDX_Check(save, m_drawLegend, drawLegend);
    DDX_Check(save, m_drawShadow, drawShadow);
    return true;
}

void CLegendInfoPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_swatch->SetColor(backColor);
}
