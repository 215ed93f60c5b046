#include "tables/CCellEdit.h"

#include "tables/CTableView.h"

#include <QKeyEvent>

CCellEdit::CCellEdit(CTableView* table, QWidget* parent)
    : QLineEdit(parent)
    , m_table(table)
{
    setFont(table->GetGridLogFont());
    setMaxLength(kMaxLength);
    setFrame(true);
}

bool CCellEdit::event(QEvent* event)
{
    // Tab must reach keyPressEvent instead of moving the focus on.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CCellEdit::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_table->CommitCellEdit();
        return;
    case Qt::Key_Escape:
        m_table->AbandonCellEdit();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}
