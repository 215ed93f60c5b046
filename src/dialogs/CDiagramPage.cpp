#include "dialogs/CDiagramPage.h"

#include "document/ClassDiagramSettings.h"
#include "framework/gui/CColorSwatch.h"
#include "framework/gui/CommonDialogs.h"
#include "framework/gui/DataExchange.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A group box of radio buttons numbered from 0 in the given order.
QGroupBox* RadioBox(
    const QString& title, std::initializer_list<const char*> labels, QButtonGroup* group, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    int id = 0;
    for (const char* label : labels) {
        auto* button = new QRadioButton(QString::fromUtf8(label), box);
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    return box;
}

} // namespace

CDiagramPage::CDiagramPage(QWidget* parent)
    : CPropertyPage(QStringLiteral("Diagram"), parent)
    , m_diagram(new QComboBox(this))
    , m_labels(new QButtonGroup(this))
    , m_style(new QButtonGroup(this))
    , m_direction(new QButtonGroup(this))
    , m_swatch(new CColorSwatch(this))
    , m_colorButton(new QPushButton(QStringLiteral("Choose color ..."), this))
{
    m_diagram->addItems({ QStringLiteral("None"), QStringLiteral("USDA Soil Texture"),
        QStringLiteral("QAP Plutonic Rocks"), QStringLiteral("From File") });
    m_swatch->setFixedSize(40, 20);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Classification Diagram:"), this), 0, 0);
    grid->addWidget(m_diagram, 0, 1, 1, 2);
    grid->addWidget(RadioBox(QStringLiteral("Field Labels"), { "Names", "Numbers" }, m_labels, this), 1, 0);
    grid->addWidget(RadioBox(QStringLiteral("Boundaries"), { "Solid", "Dashed" }, m_style, this), 1, 1);
    grid->addWidget(
        RadioBox(QStringLiteral("Axis Direction"), { "Counterclockwise", "Clockwise" }, m_direction, this), 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Boundary Color:"), this), 2, 0);
    grid->addWidget(m_swatch, 2, 1);
    grid->addWidget(m_colorButton, 2, 2);
    grid->setRowStretch(3, 1);

    connect(m_diagram, &QComboBox::activated, this, [this](int index) {
        if (index == SoilTexture)
            m_direction->button(1)->setChecked(true);
    });
    connect(m_colorButton, &QPushButton::clicked, this, [this] {
        if (ChooseColor(lineColor, &customColors, CC_DEFAULT, this))
            m_swatch->SetColor(lineColor);
    });
}

bool CDiagramPage::DoDataExchange(bool save)
{
    if (save)
        diagram = m_diagram->currentIndex();
    else
        m_diagram->setCurrentIndex(diagram);
    DDX_Radio(save, m_labels, labelNumbers);
    DDX_Radio(save, m_style, lineStyle);
    DDX_Radio(save, m_direction, clockwise);
    return true;
}

void CDiagramPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_swatch->SetColor(lineColor);
    if (auto* model = qobject_cast<QStandardItemModel*>(m_diagram->model()))
        model->item(FromFile)->setEnabled(fileFieldsAvailable);
}

void FillDiagramPage(CDiagramPage& page, const ClassDiagramSettings& settings, const std::array<COLORREF, 16>& colors)
{
    page.diagram = static_cast<int>(settings.kind);
    page.fileFieldsAvailable = !settings.fileFields.empty();
    page.labelNumbers = settings.labelNumbers;
    page.lineColor = settings.lineColor;
    page.lineStyle = settings.lineStyle;
    page.clockwise = settings.clockwise;
    page.customColors = colors;
}

void ReadDiagramPage(const CDiagramPage& page, ClassDiagramSettings& settings)
{
    const bool fromFile = page.diagram == CDiagramPage::FromFile && !settings.fileFields.empty();
    settings.kind = fromFile ? DiagramKind::FromFile : static_cast<DiagramKind>(std::clamp(page.diagram, 0, 2));
    if (!fromFile)
        settings.fileFields.clear();
    settings.labelNumbers = page.labelNumbers == 1;
    settings.lineColor = page.lineColor;
    settings.lineStyle = page.lineStyle == 1;
    settings.clockwise = page.clockwise == 1;
}
