#include "framework/core/CArchive.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> ReadLines(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    std::vector<std::string> lines;
    std::string line;
    while (archive.ReadString(line))
        lines.push_back(line);
    return lines;
}

} // namespace

TEST(ArchiveTest, ReadsLinesEndedByLfOrCrLfAndALastLineWithoutLf)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(ReadLines("a\nb\n"), (Lines { "a", "b" }));
    EXPECT_EQ(ReadLines("a\r\nb\r\n"), (Lines { "a", "b" }));
    EXPECT_EQ(ReadLines("a\nlast"), (Lines { "a", "last" }));
    EXPECT_EQ(ReadLines("\n\nx"), (Lines { "", "", "x" }));
    EXPECT_EQ(ReadLines(""), Lines {});
    // Only a CR right before the LF belongs to the line end.
    EXPECT_EQ(ReadLines("a\rb\n\r\r\n"), (Lines { "a\rb", "\r" }));
    EXPECT_EQ(ReadLines(QByteArray("n\0ul\n", 5)), (Lines { std::string("n\0ul", 4) }));
}
