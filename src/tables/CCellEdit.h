#pragma once

#include <QLineEdit>

class CTableView;

// The in-place editor a table view opens on a double-clicked cell. It takes
// the grid's font and at most 64 characters. Tab and Enter commit the text
// into the cell; Esc abandons the edit, leaving the cell as it was.
class CCellEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 64;
    static constexpr int kControlId = 1001;

    // parent is the widget the editor lies on (the table's viewport).
    CCellEdit(CTableView* table, QWidget* parent);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    CTableView* m_table;
};
