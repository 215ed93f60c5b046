#include "framework/gui/CommonDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
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

TEST(CommonDialogs, FontDialogChangesOnlyWhatTheUserChanged)
{
    struct Case {
        const char* face;
        const char* picked; // null: the family is left as the dialog shows it
        const char* saved;
    };
    const Case cases[] = {
        { "No Such Family 7", nullptr, "No Such Family 7" },
        { "No Such Family 7", "DejaVu Serif", "DejaVu Serif" },
        { "DejaVu Sans", nullptr, "DejaVu Sans" },
        { "DejaVu Sans", "DejaVu Serif", "DejaVu Serif" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.face) + " " + (c.picked ? c.picked : "-"));
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFontDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            QFont font = dialog->currentFont();
            if (c.picked)
                font.setFamily(QString::fromLatin1(c.picked));
            font.setPointSize(18);
            dialog->setCurrentFont(font);
            dialog->accept();
        });
        LogicalFont font;
        font.height = -16;
        font.faceName = c.face;
        ASSERT_TRUE(ChooseFont(font, 6, 72, nullptr));
        EXPECT_EQ(font.faceName, c.saved);
        EXPECT_EQ(font.height, -24);
    }
}
