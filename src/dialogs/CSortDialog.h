#pragma once

#include "document/SampleRows.h"

#include <QDialog>

#include <utility>
#include <vector>

class CTernaryTable;
class QComboBox;
class QRadioButton;

// Edit → "Sort...": the samples by one column, then optionally by a second,
// each ascending or descending; over all samples, or over the selected rows
// when the selection spans more than one row (then chosen at first).
class CSortDialog : public QDialog {
    Q_OBJECT
public:
    // columns: the headers of the table's Sample to Symbol columns as shown;
    // selectedRows: the rows a sort of the selection takes, none when first > last.
    CSortDialog(const QStringList& columns, std::pair<int, int> selectedRows, QWidget* parent = nullptr);

    // The first key, then the second unless it is "(none)".
    std::vector<SortKey> Keys() const;
    // The rows to sort: the selected rows, or first > last for all samples.
    std::pair<int, int> Rows() const;

    QComboBox* FirstColumn() const { return m_firstColumn; }
    QComboBox* SecondColumn() const { return m_secondColumn; }
    QRadioButton* FirstDescending() const { return m_firstDescending; }
    QRadioButton* SecondDescending() const { return m_secondDescending; }
    QRadioButton* SelectedRowsOnly() const { return m_selectedOnly; }

private:
    QComboBox* m_firstColumn;
    QComboBox* m_secondColumn;
    QRadioButton* m_firstDescending;
    QRadioButton* m_secondDescending;
    QRadioButton* m_selectedOnly;
    std::pair<int, int> m_selectedRows;
};

// Runs the dialog over the table; OK sorts it (one undo step).
void RunSortDialog(CTernaryTable& table, QWidget* parent);
