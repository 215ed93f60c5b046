#pragma once

#include "dialogs/CAxisPropPage.h"
#include "dialogs/CAxisPropSheet.h"
#include "document/FormatOptions.h"
#include "framework/gui/CommonDialogs.h"
#include "support/TestSupport.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

// Answers the colour and font dialogs while it lives (Cancel when unset).
struct DialogAnswers {
    ColorDialogHandler color;
    FontDialogHandler font;
    ColorDialogHandler m_oldColor = SetColorDialogHandler(
        [this](COLORREF& c, CustomColors* list, unsigned flags) { return color && color(c, list, flags); });
    FontDialogHandler m_oldFont = SetFontDialogHandler([this](QFont& f) { return font && font(f); });
    ~DialogAnswers()
    {
        SetColorDialogHandler(m_oldColor);
        SetFontDialogHandler(m_oldFont);
    }
};

// Clicks the tab of the page, as the user switches pages.
inline void ClickTab(CAxisPropSheet& sheet, int index)
{
    QTabBar* bar = sheet.Tabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Replaces the text of a field as the user types it.
inline void Type(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
