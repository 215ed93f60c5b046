// The device context's text: the font, colours and alignment it draws text
// with, drawing a text where it can be seen, and measuring.
#include "framework/gui/CDC.h"

#include "framework/core/TextEncoding.h"
#include "framework/gui/SvgWriter.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>
#include <utility>

namespace {

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

} // namespace

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
    Record("Drawn " + std::to_string(left) + ' ' + std::to_string(baseline) + ' ' + shown.toStdString());
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
    if (!device || device->devType() == QInternal::Picture)
        return std::nullopt;
    // The surface the engine fills, in its own pixels, mapped back through
    // the transform that reaches it. A widget's size is in device-independent
    // pixels, but the painter's transform includes the device pixel ratio
    // (and the widget's place in the window's backing store): only the
    // surface and that transform agree at every ratio.
    const QPaintEngine* engine = m_painter->paintEngine();
    const QPaintDevice* surface = engine ? engine->paintDevice() : nullptr;
    if (!surface || surface->width() <= 0 || surface->height() <= 0)
        return std::nullopt;
    bool invertible = false;
    const QTransform toLogical = m_painter->deviceTransform().inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    QRect visible = toLogical.mapRect(QRectF(0, 0, surface->width(), surface->height())).toAlignedRect();
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
