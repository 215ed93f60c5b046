#include "document/CTextTableReader.h"
#include "document/FontSettings.h"

#include <gtest/gtest.h>

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

TEST(TextTableReaderTest, KeywordsIgnoreCaseButTableNamesDoNot)
{
    Table lower("table=PlotData\ndelimiter=;\ncolumns=[a]\nrow=1\n", "PlotData");
    EXPECT_TRUE(lower.found);
    EXPECT_EQ(lower.Value(0, "a"), "1");
    Table upper("TABLE=plotdata\n", "PlotData");
    EXPECT_FALSE(upper.found);
}

TEST(TextTableReaderTest, EndCommentsAndBlanksCarryNothing)
{
    // "end" is an end line but does not close the table; "END " with a space
    // is a data row; '#' lines and blank lines are dropped.
    Table t("TABLE=T\nDELIMITER=;\nCOLUMNS=[a;b]\nROW=1;2\nend\n# note\n   \nROW=3;4\nEND \n");
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.reader.GetRowCount(), 3);
    EXPECT_EQ(t.Value(1, "a"), "3");
    EXPECT_EQ(t.Value(2, "a"), "END ");
    EXPECT_EQ(t.Value(2, "b"), "");
}

TEST(TextTableReaderTest, SecondKeywordFormWithCrLf)
{
    Table t("/Name=T\r\n/Delimiter=|\r\n/Row=[x|y]\r\n/Values=\r\n1|2\r\nGRID=whatever\r\n3|4\r\n/END\r\n");
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.reader.GetRowCount(), 2);
    EXPECT_EQ(t.Value(1, "y"), "4");
}

TEST(TextTableReaderTest, ColumnLinesDeclareNamesWithoutTheirAnnotations)
{
    Table t("TABLE=T\nDELIMITER=;\nCOLUMNS=[a;b(float);c] ignored;d\nROW=1;2;3\n");
    EXPECT_EQ(t.Value(0, "b"), "2");
    EXPECT_EQ(t.Value(0, "b(float)"), "");
    EXPECT_FALSE(t.ok);
    EXPECT_EQ(t.Value(0, "d"), "");
    EXPECT_FALSE(t.ok);

    Table empty("TABLE=T\nDELIMITER=;\nCOLUMNS=[]\nROW=only\n");
    EXPECT_EQ(empty.Value(0, ""), "only");
    Table open("TABLE=T\nDELIMITER=;\nCOLUMNS=[a;b\nROW=1;2\n");
    EXPECT_EQ(open.Value(0, "b"), "2");
    // A column line without '[' is ignored.
    Table bare("TABLE=T\nDELIMITER=;\nCOLUMNS=[a;b]\nCOLUMNS=a;b;c\nROW=1;2;3\n");
    EXPECT_EQ(bare.Value(0, "b"), "2");
    EXPECT_EQ(bare.reader.CurrentTable()->ColumnCount(), 2);
}

TEST(TextTableReaderTest, RowsAreFittedToTheColumnCount)
{
    Table t("TABLE=T\nDELIMITER=;\nCOLUMNS=[a;b;c]\nROW=x;y\nROW=x;y;z;w\nROW=\n");
    EXPECT_EQ(t.Value(0, "c"), "");
    EXPECT_TRUE(t.ok);
    EXPECT_EQ(t.Value(1, "c"), "z");
    EXPECT_EQ(t.Value(2, "a"), "");
    EXPECT_TRUE(t.ok);
    EXPECT_EQ(t.reader.GetRowCount(), 3);
    // Values are kept as they stand: no trimming, no unquoting.
    Table spaced("TABLE= T\nDELIMITER=,\nCOLUMNS=[a,b]\nROW= \"x\" ,b;c\n", " T");
    EXPECT_EQ(spaced.Value(0, "a"), " \"x\" ");
    EXPECT_EQ(spaced.Value(0, "b"), "b;c");
}

TEST(TextTableReaderTest, LinesOutsideATableAndRowsBeforeColumnsGoNowhere)
{
    Table t("ROW=1;2\nDELIMITER=|\nCOLUMNS=[a]\nTABLE=T\nROW=early\nCOLUMNS=[a]\nROW=late\nno keyword\n");
    ASSERT_TRUE(t.found);
    EXPECT_EQ(t.reader.GetRowCount(), 3); // the early row counts but holds no values
    EXPECT_EQ(t.Value(0, "a"), "");
    EXPECT_FALSE(t.ok);
    EXPECT_EQ(t.Value(1, "a"), "late");
    EXPECT_EQ(t.Value(2, "a"), "no keyword"); // ';' is the delimiter when none is given
    EXPECT_EQ(t.Value(5, "a"), "");
    EXPECT_FALSE(t.ok);
}

TEST(TextTableReaderTest, OverlongTextsAreCut)
{
    const std::string longName(300, 'n');
    const std::string longColumn(100, 'c');
    const std::string longValue(2000, 'v');
    CTextTableReader reader;
    reader.ReadText("TABLE=" + longName + "\nDELIMITER=;\nCOLUMNS=[" + longColumn + ";b]\nROW=" + longValue + ";x\n");
    EXPECT_FALSE(reader.FindTable(longName));
    ASSERT_TRUE(reader.FindTable(longName.substr(0, 255)));
    std::string value;
    EXPECT_TRUE(reader.GetValue(0, longColumn.substr(0, 63), value));
    EXPECT_EQ(value, longValue.substr(0, 1023));
    EXPECT_TRUE(reader.GetValue(0, "b", value));
    EXPECT_EQ(value, "x");
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

TEST(TextTableReaderTest, FindTableFindsTheFirstAndKeepsTheCurrentOnFailure)
{
    CTextTableReader reader;
    EXPECT_FALSE(reader.FindTable("A"));
    reader.ReadText("TABLE=A\nCOLUMNS=[v]\nROW=first\nTABLE=A\nCOLUMNS=[v]\nROW=second\n");
    ASSERT_TRUE(reader.FindTable("A"));
    EXPECT_FALSE(reader.FindTable("B"));
    std::string value;
    EXPECT_TRUE(reader.GetValue(0, "v", value));
    EXPECT_EQ(value, "first");
    // Lookups go to the file read last.
    reader.ReadText("TABLE=B\n");
    EXPECT_FALSE(reader.FindTable("A"));
    EXPECT_EQ(reader.FileCount(), 2);
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
    EXPECT_EQ(t.reader.CurrentTable()->ColumnCount(), n);
    std::string_view value;
    EXPECT_TRUE(t.reader.GetValueAt(n - 1, 0, value));
    EXPECT_EQ(value, "x");
    EXPECT_TRUE(t.reader.GetValueAt(n - 1, n - 1, value));
    EXPECT_EQ(value, "");
    EXPECT_FALSE(t.reader.GetValueAt(n - 1, n, value));
}

TEST(TextTableReaderTest, CutsFallBetweenUtf8Characters)
{
    // 1,022 bytes, then a two-byte character that would straddle the limit.
    const std::string value = std::string(1022, 'v') + "\xc3\xa9" + "tail";
    Table t("TABLE=T\nCOLUMNS=[a]\nROW=" + value + "\n");
    EXPECT_EQ(t.Value(0, "a"), std::string(1022, 'v'));
    FontSettings font;
    font.SetFaceName(std::string(30, 'f') + "\xe2\x82\xac"); // the euro sign would straddle 31
    EXPECT_EQ(font.faceName, std::string(30, 'f'));
    font.SetFaceName(std::string(28, 'f') + "\xe2\x82\xac" + "x");
    EXPECT_EQ(font.faceName.size(), 31u);
}
