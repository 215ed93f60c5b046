#pragma once

#include <QLineEdit>

// The in-place editor of an annotation: at most 255 characters; refused
// characters are dropped silently; Enter and Esc emit editDone (the
// end-of-edit message to the plot view), which ends the edit there. The
// window keeps its left and bottom edges and follows the text's size, so
// it grows up and to the right while typing and shrinks when text goes.
class CAnnotationEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int kControlId = 12345;
    static constexpr int kMaxLength = 255;
    // The number of the end-of-edit message, kept for readers.
    static constexpr int WM_ANNOT_EDITDONE = 0x7E8;

    explicit CAnnotationEdit(QWidget* parent);

    void SetRefusedCharacters(const QString& refused) { m_refused = refused; }
    // Fits the window to the text plus "W", keeping left and bottom.
    void AutoSize();

signals:
    void editDone();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_refused;
};
