#include "framework/gui/CStatusBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace {
const char* const kIndicatorNames[3] = { "CAPS", "NUM", "SCRL" };
}

CStatusBar::CStatusBar(QWidget* parent)
    : QStatusBar(parent)
    , m_message(new QLabel(this))
{
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(true);
    m_message->setObjectName(QStringLiteral("MessagePane"));
    m_message->setMinimumWidth(1);
    addWidget(m_message, 1);
    for (int i = 0; i < 3; ++i) {
        auto* pane = new QLabel(this);
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
        addPermanentWidget(pane);
        m_indicators[i] = pane;
    }
    ShowIdleMessage();
    qApp->installEventFilter(this);
}

CStatusBar::~CStatusBar()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void CStatusBar::SetMessageText(const QString& text)
{
    m_message->setText(text);
    m_message->repaint();
}

QString CStatusBar::MessageText() const { return m_message->text(); }

void CStatusBar::ShowIdleMessage() { SetMessageText(QStringLiteral("Ready")); }

QString CStatusBar::IndicatorText(int pane) const
{
    if (pane < 1 || pane > 3)
        return QString();
    return m_indicators[pane - 1]->text();
}

void CStatusBar::SetLockState(int pane, bool on)
{
    if (pane < 1 || pane > 3)
        return;
    m_locks[pane - 1] = on;
    m_indicators[pane - 1]->setText(on ? QString::fromLatin1(kIndicatorNames[pane - 1]) : QString());
}

bool CStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    // A key reaches the filter once per receiver it is offered to; only the
    // event sent to a widget of this window counts.
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->window() == window()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && watched == QApplication::focusWidget()) {
            if (key->key() == Qt::Key_CapsLock)
                SetLockState(1, !m_locks[0]);
            else if (key->key() == Qt::Key_NumLock)
                SetLockState(2, !m_locks[1]);
            else if (key->key() == Qt::Key_ScrollLock)
                SetLockState(3, !m_locks[2]);
        }
    }
    return QStatusBar::eventFilter(watched, event);
}
