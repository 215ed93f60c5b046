#pragma once

#include "document/DensitySettings.h"
#include "framework/gui/CPropertyPage.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;

// Density page: what the plot draws under its samples (nothing, bin counts
// or a kernel density), the bins a side, the bandwidth, contour lines, the
// colour map, a linear or logarithmic scale with automatic or fixed limits,
// and whether the samples are shown over it.
class CDensityPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CDensityPage(QWidget* parent = nullptr);

    bool OnKillActive() override;

    DensitySettings settings;

    QComboBox* ModeBox() const { return m_mode; }
    QSpinBox* BinsBox() const { return m_bins; }
    QCheckBox* AutomaticBandwidthBox() const { return m_automaticBandwidth; }
    QLineEdit* BandwidthField() const { return m_bandwidth; }
    QCheckBox* FixedLimitsBox() const { return m_fixedLimits; }
    QLineEdit* LowField() const { return m_low; }
    QLineEdit* HighField() const { return m_high; }

protected:
    bool DoDataExchange(bool save) override;

private:
    bool Refuse(const QString& message, QLineEdit* field);
    void EnableFields();

    QComboBox* m_mode;
    QSpinBox* m_bins;
    QCheckBox* m_automaticBandwidth;
    QLineEdit* m_bandwidth;
    QCheckBox* m_contours;
    QComboBox* m_colourMap;
    QButtonGroup* m_scale;
    QCheckBox* m_fixedLimits;
    QLineEdit* m_low;
    QLineEdit* m_high;
    QCheckBox* m_showSamples;
};
