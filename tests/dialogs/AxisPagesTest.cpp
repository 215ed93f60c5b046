#include "SheetTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class AxisPagesTest : public ::testing::Test {
protected:
    void Open(const FormatOptions& options, int page = 0)
    {
        sheet = std::make_unique<CAxisPropSheet>(nullptr, page);
        sheet->Fill(options);
        sheet->show();
        (void)QTest::qWaitForWindowExposed(sheet.get());
        sheet->activateWindow();
    }
    CAxisPropPage* Axis(int i) { return sheet->AxisPage(i); }
    // Types max, min and increment into the page in front and leaves it for the Grids page.
    void EnterAndLeave(int page, const char* max, const char* min, const char* inc)
    {
        Type(Axis(page)->MaxEdit(), QLatin1String(max));
        Type(Axis(page)->MinEdit(), QLatin1String(min));
        Type(Axis(page)->IncrementEdit(), QLatin1String(inc));
        ClickTab(*sheet, CAxisPropSheet::Grids);
    }

    MessageBoxRecorder boxes;
    std::unique_ptr<CAxisPropSheet> sheet;
};

} // namespace

TEST_F(AxisPagesTest, EachRuleStopsAtItsMessageWithTheFocusOnItsField)
{
    struct Case {
        const char *max, *min, *inc;
        const char* message; // null: the page may be left
        const char* field;
    };
    const Case cases[] = {
        { "100", "0", "10", nullptr, nullptr },
        { "50", "50", "10", "Min should be less than Max", "minimum" },
        { "100.5", "0", "10", "Max must be <= 100 ", "maximum" },
        { "100", "-1", "10", "Minimum must be >=0 ", "minimum" },
        { "100", "0", "0", "Increment must be >0 ", "increment" },
        { "100", "0", "0.1", nullptr, nullptr },
        { "100", "0", "0.099",
            "Top Axis: the increment must be at least 0.1, or the axis would need more than 1,000 grid lines",
            "increment" },
        { "60", "20", "0.001",
            "Top Axis: the increment must be at least 0.04, or the axis would need more than 1,000 grid lines",
            "increment" },
        // Several rules broken: the first in order speaks.
        { "150", "-5", "0", "Max must be <= 100 ", "maximum" },
        { "20", "30", "-1", "Min should be less than Max", "minimum" },
        { "abc", "0", "10", "Please enter a number.", "maximum" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.max + std::string(" ") + c.min + " " + c.inc);
        Open(FormatOptions {});
        const std::size_t before = boxes.Boxes().size();
        EnterAndLeave(0, c.max, c.min, c.inc);
        if (!c.message) {
            EXPECT_EQ(boxes.Boxes().size(), before);
            EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), before + 1);
        EXPECT_EQ(boxes.Boxes().back().text, QLatin1String(c.message));
        EXPECT_EQ(boxes.Boxes().back().icon, MsgIcon::Exclamation);
        EXPECT_EQ(sheet->GetActiveIndex(), 0) << "the page stays in front";
        EXPECT_EQ(sheet->Tabs()->currentIndex(), 0);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(c.field));
        // OK refuses in the same way and keeps the sheet open.
        sheet->accept();
        EXPECT_TRUE(sheet->isVisible());
        EXPECT_EQ(boxes.Boxes().back().text, QLatin1String(c.message));
    }
}

TEST_F(AxisPagesTest, CrossCheckRefusesAConflictAndLowersTheOtherAxes)
{
    auto open = [this](float leftMin, float rightMin) {
        FormatOptions options;
        options.axes[1].min = leftMin;
        options.axes[2].min = rightMin;
        Open(options);
    };
    open(30, 0);
    EnterAndLeave(0, "100", "80", "10");
    EXPECT_EQ(boxes.Texts().back(), QStringLiteral("Min Value conflicts with another axis  "));
    EXPECT_EQ(sheet->GetActiveIndex(), 0);

    // Top 20..60 leaves 80 for the others' maxima and 40 for their minima.
    open(30, 45);
    EnterAndLeave(0, "60", "20", "10");
    EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
    EXPECT_EQ(std::make_pair(Axis(1)->minimum, Axis(1)->maximum), std::make_pair(30.0f, 80.0f));
    ClickTab(*sheet, CAxisPropSheet::RightAxis);
    EXPECT_EQ(Axis(2)->MinEdit()->text() + " " + Axis(2)->MaxEdit()->text(), QStringLiteral("40 80"));

    // The minimum travels truncated: 20.9 asks with 20, so 79.5 on the left fits below 80.
    open(79.5f, 0);
    EnterAndLeave(0, "100", "20.9", "10");
    EXPECT_EQ(sheet->GetActiveIndex(), CAxisPropSheet::Grids);
    EXPECT_EQ(Axis(1)->maximum, 80.0f);
}
