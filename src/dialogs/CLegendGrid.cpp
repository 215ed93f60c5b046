#include "dialogs/CLegendGrid.h"

CLegendGrid::CLegendGrid(QWidget* parent)
    : CTableView(parent)
{
    setObjectName(QStringLiteral("LegendGrid"));
    // 50 rows never fit the dialog: the bar is always there, so the text
    // column measured at the initial update fits beside it.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void CLegendGrid::OnInitialUpdate()
{
    CTableView::OnInitialUpdate();
    SetEditEnabled(true);
    SetColCount(3);
    SetRowCount(kRows);
    SetFixedColWidth(25);
    SetRowLabels();
    SetTextCell(0, kSymbolCol, QStringLiteral("Symbol"));
    SetTextCell(0, kTextCol, QStringLiteral("Legend Text"));
    SetColWidth(kSymbolCol, 55);
    SetColWidth(kTextCol, GetClientRect().Width() - 80);
    SetColumnHeaderFormat(DT_CENTER);
    UpdateScrollRanges();
}
