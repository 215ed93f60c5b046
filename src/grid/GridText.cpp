#include "grid/GridText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>
#include <QtMath>

namespace {

Qt::Alignment HorizontalAlignment(unsigned format)
{
    if (format & DT_CENTER)
        return Qt::AlignHCenter;
    if (format & DT_RIGHT)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

} // namespace

const QStaticText& GridTextLine::Get(const QString& line, const QFont& font)
{
    if (!m_ready || m_text.text() != line || !(m_font == font)) {
        m_text.setText(line);
        m_text.setTextFormat(Qt::PlainText);
        m_text.prepare(QTransform(), font);
        m_font = font;
        m_height = QFontMetrics(font).height();
        m_ready = true;
    }
    return m_text;
}

void GridDrawText(QPainter& painter, const QString& text, const CRect& rect, unsigned format, GridTextLine* cache)
{
    if (text.isEmpty() || rect.IsRectEmpty())
        return;
    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    const bool singleLine = (format & DT_SINGLELINE) != 0;

    // Cells are painted by the thousand: one line of text is placed by hand
    // from its measured size, which costs far less than a laid-out drawText.
    if (singleLine || !text.contains(QLatin1Char('\n'))) {
        QString line = text;
        if (singleLine)
            line.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
        GridTextLine local;
        GridTextLine& layout = cache ? *cache : local;
        const QStaticText* shaped = &layout.Get(line, painter.font());
        // A line wider than the cell keeps its start and ends in an ellipsis,
        // whatever its alignment: the start of a name or a number says most.
        GridTextLine elided;
        if (!(format & DT_NOCLIP) && qCeil(shaped->size().width()) > rect.Width()) {
            const QString cut = QFontMetrics(painter.font()).elidedText(line, Qt::ElideRight, rect.Width());
            shaped = &elided.Get(cut, painter.font());
            format &= ~unsigned(DT_CENTER | DT_RIGHT);
        }
        const QStaticText& glyphs = *shaped;
        const int width = qCeil(glyphs.size().width());
        const int height = layout.Height();
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.Width() - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - width;
        int top = rect.top;
        if (singleLine && (format & DT_BOTTOM))
            top = rect.bottom - height;
        else if (singleLine && (format & DT_VCENTER))
            top = rect.top + (rect.Height() - height) / 2;
        const bool overflows = x < rect.left || top < rect.top || x + width > rect.right || top + height > rect.bottom;
        if (overflows && !(format & DT_NOCLIP)) {
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
            painter.drawStaticText(QPoint(x, top), glyphs);
            painter.restore();
        } else {
            painter.drawStaticText(QPoint(x, top), glyphs);
        }
        return;
    }

    int flags = HorizontalAlignment(format) | Qt::AlignTop;
    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    QString lines = text;
    lines.remove(QLatin1Char('\r'));
    painter.drawText(box, flags, lines);
}

void GridTextOut(QPainter& painter, int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}
