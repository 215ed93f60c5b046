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

LogicalFont CDC::SelectFont(const LogicalFont& font)
{
    LogicalFont old = m_font;
    if (!(font == m_font)) {
        m_font = font;
        m_qfont = MakeQFont(font);
        if (m_painter)
            m_painter->setFont(m_qfont);
    }
    return old;
}

COLORREF CDC::SetTextColor(COLORREF color) { return std::exchange(m_textColor, color); }

COLORREF CDC::SetBkColor(COLORREF color) { return std::exchange(m_bkColor, color); }

int CDC::SetBkMode(int mode) { return std::exchange(m_bkMode, mode); }

unsigned CDC::SetTextAlign(unsigned flags) { return std::exchange(m_textAlign, flags); }

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

void CDC::TextOut(int x, int y, std::string_view bytes) { TextOut(x, y, DisplayText(bytes)); }

void CDC::TextOut(int x, int y, const QString& text)
{
    Record("TextOut " + std::to_string(x) + ' ' + std::to_string(y) + ' ' + text.toStdString());
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(m_qfont, FontMeasureDevice());
    const int width = metrics.horizontalAdvance(text);
    const int ascent = metrics.ascent();
    const int descent = metrics.descent();

    int left = x;
    switch (m_textAlign & TA_CENTER) {
    case TA_CENTER:
        left = x - width / 2;
        break;
    case TA_RIGHT:
        left = x - width;
        break;
    default:
        break;
    }
    int baseline = y + ascent;
    if ((m_textAlign & TA_BASELINE) == TA_BASELINE)
        baseline = y;
    else if (m_textAlign & TA_BOTTOM)
        baseline = y - descent;

    AddBounds(left, baseline - ascent, left + width, baseline + descent);
    if (m_svg) {
        if (m_bkMode == OPAQUE)
            m_svg->FillRect({ left, baseline - ascent, left + width, baseline + descent }, m_bkColor);
        m_svg->Text(left, baseline, text, m_qfont, m_textColor);
    }
    if (!m_painter)
        return;
    // Text nobody can see is not laid out, and a long text only as far as
    // it can be seen: glyphs drawn outside the device (as paths, at large
    // sizes) made an export of many long names take minutes.
    const QRect cell(left, baseline - ascent, width, ascent + descent);
    QString shown = text;
    if (const std::optional<QRect> visible = VisibleRect()) {
        if (!visible->intersects(cell))
            return;
        if (cell.right() > visible->right() && !text.isRightToLeft())
            shown = VisiblePrefix(text, metrics, visible->right() - left);
    }
    if (m_bkMode == OPAQUE)
        m_painter->fillRect(cell, ToQColor(m_bkColor));
    const QPen saved = m_painter->pen();
    m_painter->setPen(ToQColor(m_textColor));
    if (DrawsGlyphsAsOutlines())
        DrawTextInPieces(QPoint(left, baseline), shown);
    else
        m_painter->drawText(QPoint(left, baseline), shown);
    m_painter->setPen(saved);
}

bool CDC::DrawsGlyphsAsOutlines() const
{
    // Qt draws glyphs from its cache up to 64 device pixels and fills the
    // outlines of larger ones.
    const double scale = std::sqrt(std::abs(m_painter->combinedTransform().determinant()));
    return m_qfont.pixelSize() * scale > 64;
}

void CDC::DrawTextInPieces(QPoint baselineStart, const QString& text)
{
    // The outlines of a whole line of large text are filled as one shape,
    // at a cost that grows much faster than the text; a few glyphs at a time
    // cost a fraction of that. The glyphs keep the places the shaping of
    // the whole text gave them.
    constexpr qsizetype kPiece = 1;
    QTextLayout layout(text, m_qfont, FontMeasureDevice());
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QPointF origin(baselineStart.x(), baselineStart.y() - line.ascent());
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); i += kPiece) {
            QGlyphRun piece = run;
            piece.setGlyphIndexes(glyphs.mid(i, kPiece));
            piece.setPositions(positions.mid(i, kPiece));
            m_painter->drawGlyphRun(origin, piece);
        }
    }
}

std::optional<QRect> CDC::VisibleRect() const
{
    // A picture's size is that of what was drawn so far: it has no edge yet.
    const QPaintDevice* device = m_painter->device();
    if (!device || device->devType() == QInternal::Picture || device->width() <= 0 || device->height() <= 0)
        return std::nullopt;
    bool invertible = false;
    const QTransform toLogical = m_painter->combinedTransform().inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    QRect visible = toLogical.mapRect(QRectF(0, 0, device->width(), device->height())).toAlignedRect();
    if (m_painter->hasClipping())
        visible &= m_painter->clipBoundingRect().toAlignedRect();
    return visible;
}

QString CDC::VisiblePrefix(const QString& text, const QFontMetrics& metrics, int room)
{
    // Character by character, without shaping the whole text; a quarter and
    // a few characters more than the room make up for kerning.
    const long long reach = room + room / 4LL;
    long long x = 0;
    qsizetype n = 0;
    while (n < text.size() && x <= reach)
        x += metrics.horizontalAdvance(text[n++]);
    n = std::min(text.size(), n + 8);
    if (n < text.size() && text[n].isLowSurrogate())
        ++n;
    return text.left(n);
}

CSize CDC::GetTextExtent(const QString& text) const
{
    const QFontMetrics metrics(m_qfont, FontMeasureDevice());
    return { metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent() };
}

TextMetrics CDC::GetTextMetrics() const
{
    const QFontMetrics metrics(m_qfont, FontMeasureDevice());
    return { metrics.ascent(), metrics.descent(), metrics.ascent() + metrics.descent() };
}

QString CDC::DisplayText(std::string_view bytes) { return DecodeText(bytes); }

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
