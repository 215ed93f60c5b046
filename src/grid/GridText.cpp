#include "grid/GridText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRect>

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

void GridDrawText(QPainter& painter, const QString& text, const CRect& rect, unsigned format)
{
    if (text.isEmpty() || rect.IsRectEmpty())
        return;
    const QRect box(rect.left, rect.top, rect.Width(), rect.Height());
    const bool singleLine = (format & DT_SINGLELINE) != 0;

    // Cells are painted by the thousand: one line of text is placed by hand,
    // which costs far less than a laid-out drawText.
    if (singleLine || !text.contains(QLatin1Char('\n'))) {
        QString line = text;
        if (singleLine)
            line.replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r'));
        const QFontMetrics fm = painter.fontMetrics();
        const int width = fm.horizontalAdvance(line);
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.Width() - width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - width;
        int top = rect.top;
        if (singleLine && (format & DT_BOTTOM))
            top = rect.bottom - fm.height();
        else if (singleLine && (format & DT_VCENTER))
            top = rect.top + (rect.Height() - fm.height()) / 2;
        const bool overflows
            = x < rect.left || top < rect.top || x + width > rect.right || top + fm.height() > rect.bottom;
        if (overflows && !(format & DT_NOCLIP)) {
            painter.save();
            painter.setClipRect(box, Qt::IntersectClip);
            painter.drawText(QPoint(x, top + fm.ascent()), line);
            painter.restore();
        } else {
            painter.drawText(QPoint(x, top + fm.ascent()), line);
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
