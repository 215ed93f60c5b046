#include "framework/gui/CommonDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include <gtest/gtest.h>

TEST(CommonDialogs, ColourDialogOffersTheGivenCustomColoursAndPutsTheUsersBack)
{
    QColorDialog::setCustomColor(0, QColor(9, 9, 9));
    CustomColors list {};
    list[0] = RGB(1, 2, 3);
    for (bool ok : { false, true }) {
        QColor offered;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            offered = QColorDialog::customColor(0);
            QColorDialog::setCustomColor(1, QColor(4, 5, 6)); // the user defines a colour
            dialog->setCurrentColor(QColor(10, 20, 30));
            ok ? dialog->accept() : dialog->reject();
        });
        COLORREF color = RGB(200, 0, 0);
        EXPECT_EQ(ChooseColor(color, &list, CC_DEFAULT, nullptr), ok);
        EXPECT_EQ(offered, QColor(1, 2, 3));
        EXPECT_EQ(color, ok ? RGB(10, 20, 30) : RGB(200, 0, 0));
        EXPECT_EQ(list[1], ok ? RGB(4, 5, 6) : 0u) << "the list changes only on OK";
        EXPECT_EQ(QColorDialog::customColor(0), QColor(9, 9, 9)) << "the user's own list is back";
    }
}
