#pragma once

#include "framework/core/PictureSize.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// "Picture Size": the width of an exported picture in mm, inches or pixels
// and, for a raster picture, its resolution. The fields take only widths
// and resolutions in range; the height follows the drawing's proportions
// and is shown beside them.
class CPictureSizeDialog : public QDialog {
public:
    // heightPerWidth: the drawing's proportions; raster: whether the
    // resolution applies. A Natural size starts as naturalPixels pixels at 96 dpi.
    CPictureSizeDialog(const PictureSize& size, bool raster, double heightPerWidth, int naturalPixels, QWidget* parent);

    PictureSize Size() const;
    QDoubleSpinBox* WidthField() const { return m_width; }
    QComboBox* UnitField() const { return m_unit; }
    QSpinBox* DpiField() const { return m_dpi; }
    QString HeightText() const;

private:
    void SetUnit(int index);
    void ShowHeight();

    double m_heightPerWidth;
    QDoubleSpinBox* m_width = nullptr;
    QComboBox* m_unit = nullptr;
    QSpinBox* m_dpi = nullptr;
    QLabel* m_height = nullptr;
    int m_unitIndex = 0;
};

// Answers a size request: size holds the starting size and takes the chosen
// one. False for Cancel.
using PictureSizeHandler = std::function<bool(PictureSize& size, bool raster)>;

// Asks for a picture's size with CPictureSizeDialog unless a handler is installed.
bool AskPictureSize(PictureSize& size, bool raster, double heightPerWidth, int naturalPixels, QWidget* parent);
PictureSizeHandler SetPictureSizeHandler(PictureSizeHandler handler);
