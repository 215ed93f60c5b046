#include "dialogs/CDensityPage.h"

#include "framework/core/MessageBox.h"
#include "framework/gui/DataExchange.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>

namespace {

// A number as locale-independent text; reading reports a field without a
// finite number as the float fields do.
bool ExchangeNumber(bool save, QLineEdit* field, double& value)
{
    if (!save) {
        field->setText(QString::number(value, 'g', 10));
        return true;
    }
    bool ok = false;
    const double read = field->text().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(read)) {
        MessageBox(QStringLiteral("Please enter a number."), MsgIcon::Exclamation, MsgButtons::Ok);
        GotoDlgCtrl(field);
        return false;
    }
    value = read;
    return true;
}

} // namespace

CDensityPage::CDensityPage(QWidget* parent)
    : CPropertyPage(QStringLiteral("Density"), parent)
    , m_mode(new QComboBox(this))
    , m_bins(new QSpinBox(this))
    , m_automaticBandwidth(new QCheckBox(QStringLiteral("Automatic"), this))
    , m_bandwidth(new QLineEdit(this))
    , m_contours(new QCheckBox(QStringLiteral("Contours (50 %, 90 %)"), this))
    , m_colourMap(new QComboBox(this))
    , m_scale(new QButtonGroup(this))
    , m_fixedLimits(new QCheckBox(QStringLiteral("Fixed limits"), this))
    , m_low(new QLineEdit(this))
    , m_high(new QLineEdit(this))
    , m_showSamples(new QCheckBox(QStringLiteral("Show samples"), this))
{
    m_mode->addItems({ QStringLiteral("Off"), QStringLiteral("Bin Counts"), QStringLiteral("Kernel Density") });
    m_bins->setRange(DensitySettings::kMinBins, DensitySettings::kMaxBins);
    for (QLineEdit* field : { m_bandwidth, m_low, m_high })
        field->setMaximumWidth(80);
    m_colourMap->addItems(
        { QStringLiteral("viridis"), QStringLiteral("cividis"), QStringLiteral("magma"), QStringLiteral("greys") });
    auto* linear = new QRadioButton(QStringLiteral("Linear"), this);
    auto* logarithmic = new QRadioButton(QStringLiteral("Logarithmic"), this);
    m_scale->addButton(linear, 0);
    m_scale->addButton(logarithmic, 1);

    // Two columns, so that the sheet keeps its size.
    auto* grid = new QGridLayout(this);
    auto* left = new QFormLayout;
    left->addRow(QStringLiteral("Draw:"), m_mode);
    left->addRow(QStringLiteral("Bins a side:"), m_bins);
    left->addRow(QStringLiteral("Bandwidth:"), m_bandwidth);
    left->addRow(QString(), m_automaticBandwidth);
    left->addRow(QString(), m_contours);
    left->addRow(QString(), m_showSamples);
    auto* right = new QFormLayout;
    right->addRow(QStringLiteral("Colours:"), m_colourMap);
    right->addRow(QString(), linear);
    right->addRow(QString(), logarithmic);
    right->addRow(QString(), m_fixedLimits);
    right->addRow(QStringLiteral("From:"), m_low);
    right->addRow(QStringLiteral("To:"), m_high);
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->setRowStretch(1, 1);

    connect(m_automaticBandwidth, &QCheckBox::toggled, this, [this] { EnableFields(); });
    connect(m_fixedLimits, &QCheckBox::toggled, this, [this] { EnableFields(); });
}

void CDensityPage::EnableFields()
{
    m_bandwidth->setEnabled(!m_automaticBandwidth->isChecked());
    m_low->setEnabled(m_fixedLimits->isChecked());
    m_high->setEnabled(m_fixedLimits->isChecked());
}

bool CDensityPage::DoDataExchange(bool save)
{
    if (!save) {
        m_mode->setCurrentIndex(settings.mode);
        m_bins->setValue(settings.bins);
        m_automaticBandwidth->setChecked(settings.bandwidth <= 0);
        m_colourMap->setCurrentIndex(settings.colourMap);
    } else {
        settings.mode = m_mode->currentIndex();
        settings.bins = m_bins->value();
        settings.colourMap = m_colourMap->currentIndex();
    }
    DDX_Check(save, m_contours, settings.contours);
    DDX_Radio(save, m_scale, settings.logScale);
    DDX_Check(save, m_fixedLimits, settings.fixedLimits);
    DDX_Check(save, m_showSamples, settings.showSamples);
    EnableFields();
    if (!save) {
        double shown = settings.bandwidth > 0 ? settings.bandwidth : 5;
        ExchangeNumber(false, m_bandwidth, shown);
        ExchangeNumber(false, m_low, settings.low);
        ExchangeNumber(false, m_high, settings.high);
        return true;
    }
    if (m_automaticBandwidth->isChecked())
        settings.bandwidth = 0;
    else if (!ExchangeNumber(true, m_bandwidth, settings.bandwidth))
        return false;
    return !settings.fixedLimits
        || (ExchangeNumber(true, m_low, settings.low) && ExchangeNumber(true, m_high, settings.high));
}

bool CDensityPage::Refuse(const QString& message, QLineEdit* field)
{
    MessageBox(message, MsgIcon::Exclamation, MsgButtons::Ok);
    GotoDlgCtrl(field);
    return false;
}

bool CDensityPage::OnKillActive()
{
    if (!UpdateData(true))
        return false;
    if (!m_automaticBandwidth->isChecked()
        && !(settings.bandwidth >= DensitySettings::kMinBandwidth
            && settings.bandwidth <= DensitySettings::kMaxBandwidth))
        return Refuse(QStringLiteral("The bandwidth must be from 0.5 to 50."), m_bandwidth);
    if (settings.fixedLimits && !(settings.low < settings.high))
        return Refuse(QStringLiteral("The colour bar's lower limit must be below its upper limit."), m_low);
    if (settings.fixedLimits && settings.logScale && !(settings.low > 0))
        return Refuse(QStringLiteral("A logarithmic colour bar needs a lower limit above 0."), m_low);
    return true;
}
