#include "plot/CLegendEdit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyle>

CLegendEdit::CLegendEdit(QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QStringLiteral("CLegendEdit"));
    setFrame(true);
}

void CLegendEdit::SetTextLimit(int limit)
{
    if (limit >= 1)
        setMaxLength(limit);
}

void CLegendEdit::AutoSize()
{
    const QFontMetrics metrics(font());
    const QMargins margins = textMargins();
    const int frame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int wanted
        = metrics.horizontalAdvance(text() + QStringLiteral("WW")) + margins.left() + margins.right() + frame + 4;
    const int width = std::max(this->width(), wanted);
    resize(width, metrics.height() + 4 + frame);
}

void CLegendEdit::EndEditing()
{
    if (!m_editing)
        return;
    m_editing = false;
    m_finalText = text();
    emit editDone();
    hide();
    deleteLater();
}

void CLegendEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
        EndEditing();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && typed.at(0).isPrint()) {
        for (QChar ch : typed) {
            if (m_refused.contains(ch)) {
                QApplication::beep();
                return;
            }
        }
        AutoSize();
    }
    QLineEdit::keyPressEvent(event);
}
