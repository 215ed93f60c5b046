#include "window/PaneFocus.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace {

constexpr int kFrameWidth = 2;

// Lies over a pane's viewport and draws only its edge; the mouse passes
// through to the pane.
class FocusFrame : public QWidget {
public:
    explicit FocusFrame(QWidget* pane)
        : QWidget(pane)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
        const QRect r = rect();
        painter.fillRect(r.left(), r.top(), r.width(), kFrameWidth, colour);
        painter.fillRect(r.left(), r.bottom() - kFrameWidth + 1, r.width(), kFrameWidth, colour);
        painter.fillRect(r.left(), r.top(), kFrameWidth, r.height(), colour);
        painter.fillRect(r.right() - kFrameWidth + 1, r.top(), kFrameWidth, r.height(), colour);
    }
};

bool IsWithin(const QWidget* widget, const QWidget* ancestor)
{
    return widget && (widget == ancestor || ancestor->isAncestorOf(widget));
}

} // namespace

PaneFocus::PaneFocus(QAbstractScrollArea* table, QAbstractScrollArea* plot, QObject* parent)
    : QObject(parent)
    , m_panes { table, plot }
    , m_frames { new FocusFrame(table), new FocusFrame(plot) }
{
    for (QAbstractScrollArea* pane : m_panes) {
        pane->installEventFilter(this);
        pane->viewport()->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &PaneFocus::OnFocusChanged);
    PlaceFrames();
}

PaneFocus::~PaneFocus() { disconnect(qApp, &QApplication::focusChanged, this, &PaneFocus::OnFocusChanged); }

QAbstractScrollArea* PaneFocus::FocusedPane() const
{
    for (QAbstractScrollArea* pane : m_panes)
        if (IsWithin(QApplication::focusWidget(), pane))
            return pane;
    return nullptr;
}

bool PaneFocus::FrameShown(const QAbstractScrollArea* pane) const
{
    return m_frames[pane == m_panes[0] ? 0 : 1]->isVisible();
}

void PaneFocus::OnFocusChanged()
{
    const QAbstractScrollArea* focused = FocusedPane();
    for (int i = 0; i < 2; ++i)
        m_frames[i]->setVisible(m_panes[i] == focused);
}

void PaneFocus::PlaceFrames()
{
    for (int i = 0; i < 2; ++i) {
        m_frames[i]->setGeometry(m_panes[i]->viewport()->geometry());
        m_frames[i]->raise();
    }
}

bool PaneFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) {
        PlaceFrames();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool onPlot = watched == m_panes[1];
    const bool toOther = key == Qt::Key_F6 || (onPlot && (key == Qt::Key_Tab || key == Qt::Key_Backtab));
    if (!toOther || (watched != m_panes[0] && watched != m_panes[1]))
        return false;
    m_panes[onPlot ? 0 : 1]->setFocus(Qt::TabFocusReason);
    return true;
}
