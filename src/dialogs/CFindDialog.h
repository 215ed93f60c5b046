#pragma once

#include <QDialog>

class CTernaryTable;
class QLineEdit;

// Edit → "Find...": a part of a sample's name ("Find what:"), with Find
// Next and Cancel.
class CFindDialog : public QDialog {
    Q_OBJECT
public:
    explicit CFindDialog(const QString& text, QWidget* parent = nullptr);
    QString Text() const;
    QLineEdit* Edit() const { return m_edit; }

private:
    QLineEdit* m_edit;
};

// Runs the dialog with the table's last text; Find Next finds the sample.
// True when a sample was found.
bool RunFindDialog(CTernaryTable& table, QWidget* parent);
