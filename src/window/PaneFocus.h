#pragma once

#include <QObject>

class QAbstractScrollArea;
class QWidget;

// The keyboard between the two panes of the main window. F6 and Shift+F6 in
// either pane, and Tab and Shift+Tab on the plot, give the keyboard to the
// other pane (in the table Tab moves the current cell, as in a spreadsheet).
// The pane that has the keyboard shows a frame in the highlight colour.
class PaneFocus : public QObject {
    Q_OBJECT
public:
    PaneFocus(QAbstractScrollArea* table, QAbstractScrollArea* plot, QObject* parent);
    ~PaneFocus() override;

    // The pane holding the keyboard (itself or through a child), or nullptr.
    QAbstractScrollArea* FocusedPane() const;
    // Whether the pane's focus frame is shown.
    bool FrameShown(const QAbstractScrollArea* pane) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFocusChanged();
    void PlaceFrames();

    QAbstractScrollArea* m_panes[2];
    QWidget* m_frames[2];
};
