#include "document/NumberFormat.h"
#include "document/SampleRecord.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ParseInt(" 12"), 12);
    EXPECT_EQ(ParseInt("-7abc"), -7);
    EXPECT_EQ(ParseInt("abc"), 0);
    EXPECT_EQ(ParseInt("99999999999"), 2147483647);
    EXPECT_EQ(ParseInt("1e+06"), 1);
    EXPECT_FLOAT_EQ(ParseFloat("\t12.5kg"), 12.5f);
    // Values no document may hold count as no number.
    EXPECT_EQ(ParseFloat("nan"), 0.0f);
    EXPECT_EQ(ParseFloat("1e999"), 0.0f);
    float unchanged = 3.0f;
    EXPECT_FALSE(ScanFloat("inf", unchanged));
    EXPECT_EQ(unchanged, 3.0f);

    int value = 5;
    EXPECT_TRUE(ScanInt("0x1F", value, 0));
    EXPECT_EQ(value, 31);
    EXPECT_TRUE(ScanInt("010", value, 0));
    EXPECT_EQ(value, 8);
    EXPECT_TRUE(ScanInt("ff00", value, 16));
    EXPECT_EQ(value, 0xFF00);
    EXPECT_FALSE(ScanInt("ff00", value, 0));
    EXPECT_EQ(value, 0xFF00);
}

TEST(NumberFormatTest, WholeNumbersReadExponentForms)
{
    EXPECT_EQ(ParseWholeNumber("1e+06"), 1000000);
    EXPECT_EQ(ParseWholeNumber("-2.5e+06"), -2500000);
    EXPECT_EQ(ParseWholeNumber("12.9"), 12);
    EXPECT_EQ(ParseWholeNumber("-12.9"), -12);
    EXPECT_EQ(ParseWholeNumber("0x10"), 0);
    EXPECT_EQ(ParseWholeNumber("1e300"), 2147483647);
}
