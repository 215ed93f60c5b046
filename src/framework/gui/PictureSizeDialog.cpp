#include "framework/gui/PictureSizeDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

using Unit = PictureSize::Unit;
const Unit kUnits[] = { Unit::Millimetres, Unit::Inches, Unit::Pixels };
constexpr double kMillimetresPerInch = 25.4;

PictureSizeHandler& CurrentHandler()
{
    static PictureSizeHandler handler;
    return handler;
}

// A width in inches on paper (pixels at the given resolution).
double ToInches(Unit unit, double width, double dpi)
{
    switch (unit) {
    case Unit::Millimetres:
        return width / kMillimetresPerInch;
    case Unit::Pixels:
        return width / dpi;
    default:
        return width;
    }
}

double FromInches(Unit unit, double inches, double dpi)
{
    switch (unit) {
    case Unit::Millimetres:
        return inches * kMillimetresPerInch;
    case Unit::Pixels:
        return inches * dpi;
    default:
        return inches;
    }
}

} // namespace

CPictureSizeDialog::CPictureSizeDialog(
    const PictureSize& size, bool raster, double heightPerWidth, int naturalPixels, QWidget* parent)
    : QDialog(parent)
    , m_heightPerWidth(heightPerWidth)
{
    setWindowTitle(QStringLiteral("Picture Size"));
    m_width = new QDoubleSpinBox(this);
    m_unit = new QComboBox(this);
    for (Unit unit : kUnits)
        m_unit->addItem(PictureUnitSuffix(unit));
    m_dpi = new QSpinBox(this);
    m_dpi->setRange(static_cast<int>(PictureSize::kMinDpi), static_cast<int>(PictureSize::kMaxDpi));
    m_dpi->setSuffix(QStringLiteral(" dpi"));
    m_dpi->setEnabled(raster);
    m_height = new QLabel(this);

    PictureSize start = size;
    if (start.unit == Unit::Natural) {
        start.unit = Unit::Pixels;
        start.width = naturalPixels;
        start.dpi = PictureSize::kScreenDpi;
    }
    m_dpi->setValue(static_cast<int>(start.Dpi()));
    m_unitIndex = static_cast<int>(std::find(std::begin(kUnits), std::end(kUnits), start.unit) - std::begin(kUnits));
    m_unit->setCurrentIndex(m_unitIndex);
    SetUnit(m_unitIndex);
    m_width->setValue(start.width);
    ShowHeight();

    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(m_width);
    widthRow->addWidget(m_unit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* form = new QFormLayout(this);
    auto* widthLabel = new QLabel(QStringLiteral("&Width:"), this);
    widthLabel->setBuddy(m_width);
    form->addRow(widthLabel, widthRow);
    form->addRow(QStringLiteral("Height:"), m_height);
    form->addRow(QStringLiteral("&Resolution:"), m_dpi);
    form->addRow(buttons);

    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int index) { SetUnit(index); });
    connect(m_width, &QDoubleSpinBox::valueChanged, this, [this] { ShowHeight(); });
    connect(m_dpi, &QSpinBox::valueChanged, this, [this] { ShowHeight(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CPictureSizeDialog::SetUnit(int index)
{
    // The same width on paper in the new unit, held to that unit's range.
    const double inches = ToInches(kUnits[m_unitIndex], m_width->value(), m_dpi->value());
    const Unit unit = kUnits[index];
    m_unitIndex = index;
    m_width->setDecimals(unit == Unit::Pixels ? 0 : unit == Unit::Inches ? 2 : 1);
    m_width->setRange(PictureMinWidth(unit), PictureMaxWidth(unit));
    m_width->setValue(FromInches(unit, inches, m_dpi->value()));
    ShowHeight();
}

PictureSize CPictureSizeDialog::Size() const
{
    PictureSize size;
    size.unit = kUnits[m_unitIndex];
    size.width = m_width->value();
    size.dpi = m_dpi->value();
    return size;
}

QString CPictureSizeDialog::HeightText() const { return m_height->text(); }

void CPictureSizeDialog::ShowHeight()
{
    const double height = m_width->value() * m_heightPerWidth;
    const Unit unit = kUnits[m_unitIndex];
    m_height->setText(
        QStringLiteral("%1 %2").arg(QString::number(height, 'f', m_width->decimals()), PictureUnitSuffix(unit)));
}

bool AskPictureSize(PictureSize& size, bool raster, double heightPerWidth, int naturalPixels, QWidget* parent)
{
    if (const PictureSizeHandler& handler = CurrentHandler())
        return handler(size, raster);
    CPictureSizeDialog dialog(size, raster, heightPerWidth, naturalPixels, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    size = dialog.Size();
    return true;
}

PictureSizeHandler SetPictureSizeHandler(PictureSizeHandler handler)
{
    return std::exchange(CurrentHandler(), std::move(handler));
}
