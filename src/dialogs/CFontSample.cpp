#include "dialogs/CFontSample.h"

#include "framework/gui/CDC.h"

#include <QPainter>

CFontSample::CFontSample(QWidget* parent)
    : QWidget(parent)
{
    setMinimumSize(180, 36);
}

void CFontSample::SetFont(const LogicalFont& font)
{
    m_font = font;
    update();
}

void CFontSample::SetColor(COLORREF color)
{
    m_color = color;
    update();
}

void CFontSample::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setClipRect(rect());
    CDC dc(&painter);
    dc.FillRect(CRect(0, 0, width(), height()), RGB(255, 255, 255));
    dc.SelectFont(m_font);
    dc.SetTextColor(m_color);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BASELINE);
    dc.TextOut(5, height() - 4, std::string_view(m_font.faceName));
}
