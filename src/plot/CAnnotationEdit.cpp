#include "plot/CAnnotationEdit.h"

#include <QKeyEvent>
#include <QStyle>

CAnnotationEdit::CAnnotationEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CAnnotationEdit"));
    setFrame(true);
    setMaxLength(kMaxLength);
}

void CAnnotationEdit::AutoSize()
{
    const QFontMetrics metrics(font());
    const QMargins margins = textMargins();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int cx = metrics.horizontalAdvance(text() + QStringLiteral("W"));
    const int cy = metrics.height();
    const QRect old = geometry();
    const int left = old.left();
    const int bottom = old.top() + old.height(); // outside, as the rectangle's bottom
    const int right = left + cx + margins.left() + margins.right() + frame + 4;
    const int top = bottom - cy - 4 - frame;
    setGeometry(left, top, right - left, bottom - top);
}

void CAnnotationEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        emit editDone();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        for (QChar ch : typed)
            if (m_refused.contains(ch))
                return;
        AutoSize();
        QLineEdit::keyPressEvent(event);
        return;
    }
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)
        AutoSize();
}
