#pragma once

#include <QLineEdit>

// The in-place editor of a legend entry's text. Characters in the refused
// set are dropped with a beep; Enter and Esc both end the edit and keep the
// typed text. The editor grows with its text and never shrinks.
//
// Ending the edit clears the editing flag, keeps the final text, emits
// editDone (the end-of-edit message to the plot view) and destroys the
// window later; FinalText() stays readable until then.
class CLegendEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kControlId = 1003;
    // The number of the end-of-edit message, kept for readers.
    static constexpr int WM_LEGEND_EDITDONE = 0x466;

    explicit CLegendEdit(QWidget* parent);

    void SetRefusedCharacters(const QString& refused) { m_refused = refused; }
    // -1: no limit; 1 or more limits the text to that many characters.
    void SetTextLimit(int limit);

    bool IsEditing() const { return m_editing; }
    void SetEditing(bool editing) { m_editing = editing; }
    QString FinalText() const { return m_finalText; }

    // Widens the window to the text plus "WW" when it is narrower.
    void AutoSize();
    // Ends the edit as Enter and Esc do.
    void EndEditing();

signals:
    void editDone();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_refused;
    QString m_finalText;
    bool m_editing = false;
};
