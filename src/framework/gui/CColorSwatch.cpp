#include "framework/gui/CColorSwatch.h"

#include <QPainter>

CColorSwatch::CColorSwatch(QWidget* parent)
    : QWidget(parent)
{
}

void CColorSwatch::SetColor(COLORREF color)
{
    m_color = color;
    update();
}

void CColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(GetRValue(m_color), GetGValue(m_color), GetBValue(m_color)));
    // A border, so that a white swatch shows on a light page.
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
