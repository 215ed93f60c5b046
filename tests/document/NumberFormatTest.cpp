#include "document/NumberFormat.h"
#include "document/SampleRecord.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

TEST(NumberFormatTest, TextsAsTheFileHasAlwaysHeldThem)
{
    EXPECT_EQ(FormatNumber(100.0f), "100");
    EXPECT_EQ(FormatNumber(123456.7f), "123457");
    EXPECT_EQ(FormatNumber(1000000.0f), "1e+06");
    EXPECT_EQ(FormatNumber(0.00001f), "1e-05");
    EXPECT_EQ(FormatNumber(EMPTY_VALUE), "-999.99");
    EXPECT_EQ(FormatFixed3(20.0f), "20.000");
    EXPECT_EQ(FormatFixed3(0.0005f), "0.001"); // 0.0005f lies just above 0.0005
    float back = 0;
    ASSERT_TRUE(ScanFloat(FormatFixed3(EMPTY_VALUE), back));
    EXPECT_EQ(back, EMPTY_VALUE);
}

TEST(NumberFormatTest, ParsingFollowsTheScanfConversions)
{
    // Whole numbers as "%d" reads them, and as the plot file's positions: exponent forms too, held to int.
    const std::tuple<const char*, int, int> ints[] = { { " 12", 12, 12 }, { "-7abc", -7, -7 }, { "abc", 0, 0 },
        { "99999999999", INT_MAX, INT_MAX }, { "-99999999999", INT_MIN, INT_MIN }, { "1e+06", 1, 1000000 },
        { "-2.5e+06", -2, -2500000 }, { "12.9", 12, 12 }, { "-12.9", -12, -12 }, { "0x10", 0, 0 },
        { "1e300", 1, INT_MAX }, { "-1e300", -1, INT_MIN } };
    for (const auto& [text, asInt, whole] : ints) {
        EXPECT_EQ(ParseInt(text), asInt) << text;
        EXPECT_EQ(ParseWholeNumber(text), whole) << text;
    }
    EXPECT_FLOAT_EQ(ParseFloat("\t12.5kg"), 12.5f);
    // Values no document may hold count as no number.
    EXPECT_EQ(ParseFloat("nan"), 0.0f);
    EXPECT_EQ(ParseFloat("1e999"), 0.0f);
    float unchanged = 3.0f;
    EXPECT_FALSE(ScanFloat("inf", unchanged));
    EXPECT_EQ(unchanged, 3.0f);

    // "%i" and "%x"; a failed scan keeps the value.
    const std::tuple<const char*, int, bool, int> scans[]
        = { { "0x1F", 0, true, 31 }, { "010", 0, true, 8 }, { "ff00", 16, true, 0xFF00 }, { "ff00", 0, false, 0xFF00 } };
    int value = 5;
    for (const auto& [text, base, ok, want] : scans) {
        EXPECT_EQ(ScanInt(text, value, base), ok) << text;
        EXPECT_EQ(value, want) << text;
    }
}
