#include "framework/gui/CStatusBar.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLibrary>
#include <QTimer>

namespace {

const char* const kIndicatorNames[3] = { "CAPS", "NUM", "SCRL" };

// XkbGetIndicatorState from libX11, looked up at run time so that the
// program neither links nor needs X11 elsewhere.
using XkbGetIndicatorStateFn = int (*)(void* display, unsigned deviceSpec, unsigned* state);
constexpr unsigned kXkbUseCoreKbd = 0x0100;

XkbGetIndicatorStateFn IndicatorStateFunction()
{
    static XkbGetIndicatorStateFn fn = [] {
        QLibrary x11(QStringLiteral("X11"), 6);
        return reinterpret_cast<XkbGetIndicatorStateFn>(x11.resolve("XkbGetIndicatorState"));
    }();
    return fn;
}

} // namespace

bool CStatusBar::QueryLockStates(bool states[3])
{
#if QT_CONFIG(xcb)
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->display())
        return false;
    XkbGetIndicatorStateFn fn = IndicatorStateFunction();
    unsigned state = 0;
    if (!fn || fn(x11->display(), kXkbUseCoreKbd, &state) != 0)
        return false;
    // The core keyboard's indicators: Caps Lock, Num Lock, Scroll Lock.
    for (int i = 0; i < 3; ++i)
        states[i] = (state >> i) & 1;
    return true;
#else
    Q_UNUSED(states);
    return false;
#endif
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
    bool states[3];
    if (QueryLockStates(states)) {
        m_polling = true;
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, &CStatusBar::PollLockStates);
        timer->start(250);
        PollLockStates();
    }
}

void CStatusBar::PollLockStates()
{
    bool states[3];
    if (!QueryLockStates(states))
        return;
    for (int i = 0; i < 3; ++i) {
        if (states[i] != m_locks[i])
            SetLockState(i + 1, states[i]);
    }
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

void CStatusBar::SetWindowStatusText(QWidget* widget, const QString& text)
{
    if (!widget)
        return;
    if (auto* bar = widget->window()->findChild<CStatusBar*>())
        bar->SetMessageText(text);
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
    if (!m_polling && event->type() == QEvent::KeyPress && watched->isWidgetType()
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
