// The plot file's text: its tables as the reader sees them, and its numbers
// as they are written and read.
#include "document/CTextTableReader.h"
#include "document/FontSettings.h"
#include "document/NumberFormat.h"
#include "document/SampleRecord.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

// A reader over the text, with the named table made current.
struct Table {
    CTextTableReader reader;
    Table(const std::string& text, const std::string& name = "T")
    {
        reader.ReadText(text);
        found = reader.FindTable(name);
    }
    std::string Value(int row, const std::string& column)
    {
        std::string value = "unset";
        ok = reader.GetValue(row, column, value);
        return value;
    }
    bool found = false;
    bool ok = false;
};

} // namespace

TEST(TextTableReaderTest, WhatALineContributesToTheTable)
{
    const std::string head = "TABLE=T\nDELIMITER=;\n";
    const std::string ends = head + "COLUMNS=[a;b]\nROW=1;2\nend\n# note\n   \nROW=3;4\nEND \n";
    const std::string notes = head + "COLUMNS=[a;b(float);c] ignored;d\nROW=1;2;3\n";
    const std::string fitted = head + "COLUMNS=[a;b;c]\nROW=x;y\nROW=x;y;z;w\nROW=\n";
    const std::string outside
        = "ROW=1;2\nDELIMITER=|\nCOLUMNS=[a]\nTABLE=T\nROW=early\nCOLUMNS=[a]\nROW=late\nno keyword\n";
    const std::string spaced = "TABLE=T\nDELIMITER=,\nCOLUMNS=[a,b]\nROW= \"x\" ,b;c\n";
    const struct {
        std::string text;
        int row;
        const char* column;
        const char* value; // "unset" when the lookup fails
    } cases[] = {
        { "table=T\ndelimiter=;\ncolumns=[a]\nrow=1\n", 0, "a", "1" }, // keywords ignore case
        { ends, 1, "a", "3" }, // "end", comments and blank lines carry nothing
        { ends, 2, "a", "END " }, // "END " with a space is data
        { "/Name=T\r\n/Delimiter=|\r\n/Row=[x|y]\r\n/Values=\r\n1|2\r\nGRID=whatever\r\n3|4\r\n/END\r\n", 1, "y", "4" },
        { notes, 0, "b", "2" }, // a name without its annotation
        { notes, 0, "b(float)", "unset" },
        { notes, 0, "d", "unset" }, // text after ']' declares nothing
        { head + "COLUMNS=[]\nROW=only\n", 0, "", "only" },
        { head + "COLUMNS=[a;b\nROW=1;2\n", 0, "b", "2" },
        { head + "COLUMNS=[a;b]\nCOLUMNS=a;b;c\nROW=1;2;3\n", 0, "b", "2" }, // no '[': ignored
        { fitted, 0, "c", "" }, // missing values are empty
        { fitted, 1, "c", "z" }, // extra ones are dropped
        { spaced, 0, "a", " \"x\" " }, // no trimming, no unquoting
        { spaced, 0, "b", "b;c" },
        { outside, 0, "a", "unset" }, // a row before the columns holds no values
        { outside, 1, "a", "late" },
        { outside, 2, "a", "no keyword" }, // ';' is the delimiter when none is given
        { outside, 5, "a", "unset" },
    };
    for (const auto& c : cases) {
        Table t(c.text);
        const std::string value = t.Value(c.row, c.column);
        EXPECT_EQ(t.found && t.ok ? value : "unset", c.value) << c.text << "row " << c.row << " column " << c.column;
    }
    EXPECT_EQ(Table(ends).reader.GetRowCount(), 3);
    EXPECT_EQ(Table(outside).reader.GetRowCount(), 3);
    EXPECT_FALSE(Table("TABLE=plotdata\n", "PlotData").found); // table names do not ignore case
    EXPECT_TRUE(Table("TABLE= T\n", " T").found);
}

TEST(TextTableReaderTest, OverlongTextsAreCutBetweenUtf8Characters)
{
    const std::string longName(300, 'n');
    const std::string longColumn(100, 'c');
    Table t("TABLE=" + longName + "\nDELIMITER=;\nCOLUMNS=[" + longColumn + ";b]\nROW=" + std::string(1022, 'v')
            + "\xc3\xa9tail;x\n", // the two-byte character would straddle the limit of 1,023
        longName.substr(0, 255));
    ASSERT_TRUE(t.found);
    EXPECT_FALSE(t.reader.FindTable(longName));
    EXPECT_EQ(t.Value(0, longColumn.substr(0, 63)), std::string(1022, 'v'));
    EXPECT_EQ(t.Value(0, "b"), "x");
    FontSettings font;
    font.SetFaceName(std::string(30, 'f') + "\xe2\x82\xac"); // the euro sign would straddle 31
    EXPECT_EQ(font.faceName, std::string(30, 'f'));
    font.SetFaceName(std::string(28, 'f') + "\xe2\x82\xac" + "x");
    EXPECT_EQ(font.faceName.size(), 31u);
}

TEST(TextTableReaderTest, NumbersAndNamedValues)
{
    Table t("TABLE=T\nDELIMITER=;\nCOLUMNS=[name;value]\nROW=n; 12\nROW=s;abc\nROW=hex;0x10\nROW=c;255\nROW=h;ff00\n"
            "ROW=n;99\n");
    int i = 7;
    EXPECT_TRUE(t.reader.GetInt(0, "value", i));
    EXPECT_EQ(i, 12);
    EXPECT_TRUE(t.reader.GetInt(1, "value", i)); // no number: true, value kept
    EXPECT_EQ(i, 12);
    EXPECT_FALSE(t.reader.GetInt(0, "missing", i));
    float f = 1.5f;
    EXPECT_TRUE(t.reader.GetFloat(1, "value", f));
    EXPECT_EQ(f, 1.5f);

    EXPECT_TRUE(t.reader.GetNamedInt("n", i)); // the first match wins
    EXPECT_EQ(i, 12);
    EXPECT_TRUE(t.reader.GetNamedInt("hex", i)); // "%i" reads hexadecimal
    EXPECT_EQ(i, 16);
    EXPECT_FALSE(t.reader.GetNamedInt("N", i));
    COLORREF color = 1;
    EXPECT_TRUE(t.reader.GetNamedColor("c", color));
    EXPECT_EQ(color, 255u);
    EXPECT_TRUE(t.reader.GetNamedColor("h", color));
    EXPECT_EQ(color, 0xFF00u);
}

TEST(TextTableReaderTest, FindTableFindsTheFirstAndLookupsGoToTheFileReadLast)
{
    CTextTableReader reader;
    EXPECT_FALSE(reader.FindTable("A"));
    reader.ReadText("TABLE=A\nCOLUMNS=[v]\nROW=first\nTABLE=A\nCOLUMNS=[v]\nROW=second\n");
    ASSERT_TRUE(reader.FindTable("A"));
    EXPECT_FALSE(reader.FindTable("B")); // the current table stays
    std::string value;
    EXPECT_TRUE(reader.GetValue(0, "v", value));
    EXPECT_EQ(value, "first");
    reader.ReadText("TABLE=B\n");
    EXPECT_FALSE(reader.FindTable("A"));
    reader.Reset();
    EXPECT_EQ(reader.GetRowCount(), 0);
    EXPECT_FALSE(reader.FindTable("B"));
}

TEST(TextTableReaderTest, AWideTableOfShortRowsStaysSmall)
{
    // 200,000 columns times 200,000 rows: a row holds only the values its
    // line gives, so this reads in a moment instead of exhausting memory.
    const int n = 200000;
    std::string text = "TABLE=T\nCOLUMNS=[" + std::string(n - 1, ';') + "]\n";
    text.reserve(text.size() + 2 * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        text += "x\n";
    Table t(text);
    ASSERT_EQ(t.reader.GetRowCount(), n);
    std::string_view value;
    EXPECT_TRUE(t.reader.GetValueAt(n - 1, 0, value));
    EXPECT_EQ(value, "x");
    EXPECT_TRUE(t.reader.GetValueAt(n - 1, n - 1, value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(t.reader.GetValueAt(n - 1, n, value));
}

TEST(TextTableReaderTest, KeepOnlyBoundsTheTablesAndRowsKept)
{
    CTextTableReader reader;
    reader.KeepOnly({ "A", "B" }, 2);
    reader.ReadText("TABLE=A\nCOLUMNS=[x]\nROW=1\nROW=2\nROW=3\nnot kept\nTABLE=C\nCOLUMNS=[x]\nROW=c\n"
                    "TABLE=A\nCOLUMNS=[x]\nROW=again\nTABLE=B\nCOLUMNS=[x]\nROW=b\n");
    EXPECT_FALSE(reader.FindTable("C"));
    ASSERT_TRUE(reader.FindTable("B"));
    EXPECT_EQ(reader.GetRowCount(), 1) << "the repeated A's rows went nowhere";
    ASSERT_TRUE(reader.FindTable("A"));
    EXPECT_EQ(reader.GetRowCount(), 2);
    EXPECT_EQ(reader.CurrentTable()->RowsNotKept(), 2);
    std::string value;
    EXPECT_TRUE(reader.GetValue(1, "x", value));
    EXPECT_EQ(value, "2");
}

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
    const std::tuple<const char*, int, bool, int> scans[] = { { "0x1F", 0, true, 31 }, { "010", 0, true, 8 },
        { "ff00", 16, true, 0xFF00 }, { "ff00", 0, false, 0xFF00 } };
    int value = 5;
    for (const auto& [text, base, ok, want] : scans) {
        EXPECT_EQ(ScanInt(text, value, base), ok) << text;
        EXPECT_EQ(value, want) << text;
    }
}
