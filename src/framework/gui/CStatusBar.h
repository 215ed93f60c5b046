#pragma once

#include <QStatusBar>

class QLabel;

// The frame's status bar: a message pane that stretches over the free width
// and shows "Ready" when idle, then the Caps Lock, Num Lock and Scroll Lock
// indicators "CAPS", "NUM" and "SCRL", each shown while its lock is on.
//
// Under X11 the indicators show the keyboard's lock states, read a few times
// a second; elsewhere Qt cannot ask for them, and the indicators follow the
// lock keys pressed while the program runs, starting from off.
class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit CStatusBar(QWidget* parent = nullptr);
    ~CStatusBar() override;

    // Puts text into the message pane and repaints it at once.
    void SetMessageText(const QString& text);
    QString MessageText() const;
    // Puts text into the message pane of the status bar of widget's window;
    // nothing when that window has none. Views use it without knowing the frame.
    static void SetWindowStatusText(QWidget* widget, const QString& text);
    // Shows the idle message "Ready".
    void ShowIdleMessage();

    // Text of the indicator pane 1 (CAPS), 2 (NUM) or 3 (SCRL): its name
    // while the lock is on, empty while it is off.
    QString IndicatorText(int pane) const;
    void SetLockState(int pane, bool on);

    // The keyboard's Caps, Num and Scroll Lock states; false when the
    // platform cannot tell.
    static bool QueryLockStates(bool states[3]);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PollLockStates();

    QLabel* m_message;
    QLabel* m_indicators[3];
    bool m_locks[3] = { false, false, false };
    bool m_polling = false; // the states come from the keyboard, not from key presses
};
