#pragma once

#include <QDialog>

#include <string>

class CTernaryDoc;
class QPushButton;
class QTableWidget;

// "Class Counts": each field of the plot's classification diagram with its
// number of samples and their per cent of the samples in use, and "No class"
// for the rest; Copy puts the list on the clipboard as tab-separated text.
class CClassCountsDialog : public QDialog {
    Q_OBJECT
public:
    CClassCountsDialog(const CTernaryDoc& doc, QWidget* parent = nullptr);

    QTableWidget* Table() const { return m_table; }
    QPushButton* CopyButton() const { return m_copy; }

private:
    std::string m_text;
    QTableWidget* m_table;
    QPushButton* m_copy;
};
