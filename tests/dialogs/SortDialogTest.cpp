// The Sort dialog: the table's headers as the columns, two keys, the range.
#include "dialogs/CSortDialog.h"

#include <QComboBox>
#include <QRadioButton>

#include <gtest/gtest.h>

TEST(SortDialog, OffersTheHeadersAsShownAndReturnsTheKeysAndRowsChosen)
{
    const QStringList headers { "Sample", "SiO2", "MgO", "FeO", "Symbol" };
    CSortDialog selected(headers, { 3, 9 });
    EXPECT_EQ(selected.SecondColumn()->itemText(5), "Symbol");
    EXPECT_EQ(selected.Keys(), (std::vector<SortKey> { { SortColumn::Name, false } }));
    EXPECT_EQ(selected.Rows(), (std::pair { 3, 9 })) << "a selection of rows is chosen at first";

    selected.FirstColumn()->setCurrentIndex(4);
    selected.FirstDescending()->setChecked(true);
    selected.SecondColumn()->setCurrentIndex(2);
    EXPECT_EQ(selected.Keys(), (std::vector<SortKey> { { SortColumn::Symbol, true }, { SortColumn::Top, false } }));

    CSortDialog all(headers, { 1, 0 });
    EXPECT_FALSE(all.SelectedRowsOnly()->isEnabled());
    EXPECT_GT(all.Rows().first, all.Rows().second);
}
