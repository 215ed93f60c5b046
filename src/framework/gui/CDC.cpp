#include "framework/gui/CDC.h"

#include "framework/core/TextEncoding.h"
#include "framework/gui/SvgWriter.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QPolygon>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace {

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

std::string Join(const char* name, std::initializer_list<int> values)
{
    std::string line(name);
    for (int v : values)
        line += ' ' + std::to_string(v);
    return line;
}

std::string PointsLine(const char* name, const CPoint* points, int count)
{
    std::string line(name);
    for (int i = 0; i < count; ++i)
        line += ' ' + std::to_string(points[i].x) + ',' + std::to_string(points[i].y);
    return line;
}

QPolygon ToQPolygon(const CPoint* points, int count)
{
    QPolygon polygon(count);
    for (int i = 0; i < count; ++i)
        polygon.setPoint(i, points[i].x, points[i].y);
    return polygon;
}

} // namespace

CDC::CDC(QPainter* painter)
    : m_painter(painter)
{
    m_qfont = MakeQFont(m_font);
    if (m_painter) {
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
        m_painter->save();
        ApplyPen();
        ApplyBrush();
        m_painter->setFont(m_qfont);
    }
}

CDC::~CDC()
{
    if (m_painter && m_painter->isActive())
        m_painter->restore();
}

void CDC::SetAntialiasing(bool on)
{
    m_antialias = on;
    if (m_painter)
        m_painter->setRenderHint(QPainter::Antialiasing, on);
}

CPen CDC::SelectPen(const CPen& pen)
{
    CPen old = m_pen;
    m_pen = pen;
    ApplyPen();
    return old;
}

CBrush CDC::SelectBrush(const CBrush& brush)
{
    CBrush old = m_brush;
    m_brush = brush;
    ApplyBrush();
    return old;
}

void CDC::ApplyPen()
{
    if (!m_painter)
        return;
    if (m_pen.style == PS_NULL) {
        m_painter->setPen(Qt::NoPen);
        return;
    }
    QPen pen(ToQColor(m_pen.color));
    pen.setWidth(std::max(0, m_pen.width));
    pen.setCosmetic(m_pen.width <= 0);
    pen.setStyle(m_pen.style == PS_DOT ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    m_painter->setPen(pen);
}

void CDC::ApplyBrush()
{
    if (!m_painter)
        return;
    if (m_brush.style == BS_NULL)
        m_painter->setBrush(Qt::NoBrush);
    else
        m_painter->setBrush(ToQColor(m_brush.color));
}

int CDC::SetMapMode(int mode)
{
    const int old = m_mapMode;
    m_mapMode = mode;
    ApplyMapping();
    return old;
}

void CDC::SetWindowExt(CSize extent)
{
    m_windowExt = extent;
    ApplyMapping();
}

void CDC::SetViewportExt(CSize extent)
{
    m_viewportExt = extent;
    ApplyMapping();
}

void CDC::SetViewportOrg(CPoint origin)
{
    m_viewportOrg = origin;
    ApplyMapping();
}

double CDC::MappingScale() const
{
    if (m_mapMode != MM_ISOTROPIC || m_windowExt.cx <= 0 || m_windowExt.cy <= 0)
        return 1.0;
    return std::min(
        static_cast<double>(m_viewportExt.cx) / m_windowExt.cx, static_cast<double>(m_viewportExt.cy) / m_windowExt.cy);
}

void CDC::ApplyMapping()
{
    if (!m_painter)
        return;
    // The painter's own transform at construction (restored by save/restore)
    // is the device's; the mapping goes on top of it.
    m_painter->restore();
    m_painter->save();
    const double scale = MappingScale();
    m_painter->translate(m_viewportOrg.x, m_viewportOrg.y);
    if (scale != 1.0)
        m_painter->scale(scale, scale);
    m_painter->setRenderHint(QPainter::Antialiasing, m_antialias);
    ApplyPen();
    ApplyBrush();
    m_painter->setFont(m_qfont);
}

CPoint CDC::MoveTo(int x, int y) { return std::exchange(m_position, CPoint { x, y }); }

void CDC::LineTo(int x, int y)
{
    Record(Join("LineTo", { m_position.x, m_position.y, x, y }));
    AddBounds(std::min(m_position.x, x), std::min(m_position.y, y), std::max(m_position.x, x) + 1,
        std::max(m_position.y, y) + 1);
    if (m_svg)
        m_svg->Line(m_position, { x, y }, m_pen);
    if (m_painter && m_pen.style != PS_NULL)
        m_painter->drawLine(QPoint(m_position.x, m_position.y), QPoint(x, y));
    m_position = { x, y };
}

void CDC::Polyline(const CPoint* points, int count)
{
    if (count < 2)
        return;
    Record(PointsLine("Polyline", points, count));
    AddPointsBounds(points, count);
    if (m_svg)
        m_svg->Polyline(points, count, m_pen);
    if (m_painter && m_pen.style != PS_NULL)
        m_painter->drawPolyline(ToQPolygon(points, count));
}

void CDC::Polygon(const CPoint* points, int count)
{
    if (count < 2)
        return;
    Record(PointsLine("Polygon", points, count));
    AddPointsBounds(points, count);
    if (m_svg)
        m_svg->Polygon(points, count, m_pen, m_brush);
    if (m_painter)
        m_painter->drawPolygon(ToQPolygon(points, count), Qt::OddEvenFill);
}

void CDC::Rectangle(int left, int top, int right, int bottom)
{
    Record(Join("Rectangle", { left, top, right, bottom }));
    AddBounds(left, top, right, bottom);
    if (m_svg)
        m_svg->Rectangle({ left, top, right, bottom }, m_pen, m_brush);
    if (m_painter && right - left >= 1 && bottom - top >= 1)
        m_painter->drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void CDC::Ellipse(int left, int top, int right, int bottom)
{
    Record(Join("Ellipse", { left, top, right, bottom }));
    AddBounds(left, top, right, bottom);
    if (m_svg)
        m_svg->Ellipse({ left, top, right, bottom }, m_pen, m_brush);
    if (m_painter && right - left >= 1 && bottom - top >= 1)
        m_painter->drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void CDC::FillRect(const CRect& r, COLORREF color)
{
    Record(Join("FillRect", { r.left, r.top, r.right, r.bottom }));
    if (r.IsRectEmpty())
        return;
    AddBounds(r.left, r.top, r.right, r.bottom);
    if (m_svg)
        m_svg->FillRect(r, color);
    if (m_painter)
        m_painter->fillRect(QRect(r.left, r.top, r.Width(), r.Height()), ToQColor(color));
}

void CDC::FrameRect(const CRect& r, COLORREF color)
{
    Record(Join("FrameRect", { r.left, r.top, r.right, r.bottom }));
    if (r.IsRectEmpty())
        return;
    AddBounds(r.left, r.top, r.right, r.bottom);
    if (m_svg)
        m_svg->FrameRect(r, color);
    if (!m_painter)
        return;
    const QColor c = ToQColor(color);
    m_painter->fillRect(QRect(r.left, r.top, r.Width(), 1), c);
    m_painter->fillRect(QRect(r.left, r.bottom - 1, r.Width(), 1), c);
    m_painter->fillRect(QRect(r.left, r.top, 1, r.Height()), c);
    m_painter->fillRect(QRect(r.right - 1, r.top, 1, r.Height()), c);
}

void CDC::ResetBounds()
{
    m_hasBounds = false;
    m_bounds = {};
}

CRect CDC::GetBounds() const { return m_hasBounds ? m_bounds : CRect {}; }

int CDC::PenReach() const { return m_pen.style == PS_NULL ? 0 : std::max(1, m_pen.width) / 2; }

void CDC::AddBounds(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (!m_hasBounds) {
        m_bounds = { left, top, right, bottom };
        m_hasBounds = true;
        return;
    }
    m_bounds.left = std::min(m_bounds.left, left);
    m_bounds.top = std::min(m_bounds.top, top);
    m_bounds.right = std::max(m_bounds.right, right);
    m_bounds.bottom = std::max(m_bounds.bottom, bottom);
}

void CDC::AddPointsBounds(const CPoint* points, int count)
{
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    for (int i = 0; i < count; ++i) {
        left = std::min(left, points[i].x);
        top = std::min(top, points[i].y);
        right = std::max(right, points[i].x);
        bottom = std::max(bottom, points[i].y);
    }
    const int reach = PenReach();
    AddBounds(left - reach, top - reach, right + reach + 1, bottom + reach + 1);
}

void CDC::Record(const std::string& line)
{
    if (m_recorder)
        m_recorder->push_back(line);
}

void CDC::BeginLayer(const char* id)
{
    if (m_svg)
        m_svg->BeginLayer(id);
}

void CDC::BeginFigure()
{
    if (m_svg)
        m_svg->BeginFigure();
}

void CDC::EndFigure()
{
    if (m_svg)
        m_svg->EndFigure();
}
