#include "dialogs/CSortDialog.h"

#include "tables/CTernaryTable.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// One key's row: a label, the column and its direction; returns the
// Descending button.
QRadioButton* AddKeyRow(QGridLayout* grid, int row, const QString& label, QComboBox* column)
{
    auto* ascending = new QRadioButton(QStringLiteral("Ascending"));
    auto* descending = new QRadioButton(QStringLiteral("Descending"));
    ascending->setChecked(true);
    auto* direction = new QButtonGroup(column);
    direction->addButton(ascending);
    direction->addButton(descending);
    auto* labelWidget = new QLabel(label);
    labelWidget->setBuddy(column);
    grid->addWidget(labelWidget, row, 0);
    grid->addWidget(column, row, 1);
    grid->addWidget(ascending, row, 2);
    grid->addWidget(descending, row, 3);
    return descending;
}

SortKey KeyOf(int columnIndex, bool descending) { return { static_cast<SortColumn>(columnIndex), descending }; }

} // namespace

CSortDialog::CSortDialog(const QStringList& columns, std::pair<int, int> selectedRows, QWidget* parent)
    : QDialog(parent)
    , m_firstColumn(new QComboBox)
    , m_secondColumn(new QComboBox)
    , m_selectedRows(selectedRows)
{
    setWindowTitle(QStringLiteral("Sort"));
    m_firstColumn->addItems(columns);
    m_secondColumn->addItem(QStringLiteral("(none)"));
    m_secondColumn->addItems(columns);

    auto* keys = new QGridLayout;
    m_firstDescending = AddKeyRow(keys, 0, QStringLiteral("&Sort by:"), m_firstColumn);
    m_secondDescending = AddKeyRow(keys, 1, QStringLiteral("&Then by:"), m_secondColumn);

    auto* range = new QGroupBox(QStringLiteral("Rows"));
    auto* all = new QRadioButton(QStringLiteral("&All samples"));
    const bool hasSelection = selectedRows.first < selectedRows.second;
    m_selectedOnly = new QRadioButton(hasSelection
            ? QStringLiteral("Selected &rows %1 to %2").arg(selectedRows.first).arg(selectedRows.second)
            : QStringLiteral("Selected &rows"));
    m_selectedOnly->setEnabled(hasSelection);
    (hasSelection ? m_selectedOnly : all)->setChecked(true);
    auto* rangeLayout = new QVBoxLayout(range);
    rangeLayout->addWidget(all);
    rangeLayout->addWidget(m_selectedOnly);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(keys);
    layout->addWidget(range);
    layout->addWidget(buttons);
}

std::vector<SortKey> CSortDialog::Keys() const
{
    std::vector<SortKey> keys { KeyOf(m_firstColumn->currentIndex(), m_firstDescending->isChecked()) };
    if (m_secondColumn->currentIndex() > 0)
        keys.push_back(KeyOf(m_secondColumn->currentIndex() - 1, m_secondDescending->isChecked()));
    return keys;
}

std::pair<int, int> CSortDialog::Rows() const
{
    return m_selectedOnly->isChecked() ? m_selectedRows : std::pair { 1, 0 };
}

void RunSortDialog(CTernaryTable& table, QWidget* parent)
{
    QStringList columns;
    for (int col = CTernaryTable::kNameCol; col <= CTernaryTable::kSymbolCol; ++col)
        columns << table.GetCellText(0, col);
    CSortDialog dialog(columns, table.SelectedRowSpan(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const auto [first, last] = dialog.Rows();
    table.SortRows(first, last, dialog.Keys());
}
