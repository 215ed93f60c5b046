// Reading lines, file names that are any bytes, and atomic writes.
#include "framework/core/CArchive.h"
#include "framework/core/FileAccess.h"
#include "framework/core/FileName.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(FileNameTest, EveryByteStringComesBackAndOnlyValidUtf8IsText)
{
    const struct {
        QByteArray bytes;
        QString shown; // as messages show it: what is UTF-8 as text, the rest as \xNN
    } cases[] = {
        { "plain.tpf", "plain.tpf" },
        { "lat\xC3\xA9 \xF0\x9F\x98\x80.tpf", QString::fromUtf8("lat\xC3\xA9 \xF0\x9F\x98\x80.tpf") },
        { "lat\xE9.tpf", "lat\\xE9.tpf" }, // Latin-1
        { "\xC0\xAF", "\\xC0\\xAF" }, // overlong '/'
        { "\xED\xA0\x80", "\\xED\\xA0\\x80" }, // an encoded surrogate
        { "\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80" }, // past U+10FFFF
        { "cut\xE2\x82", "cut\\xE2\\x82" }, // a sequence cut short
        { "\x80\xFF", "\\x80\\xFF" },
        // A real character whose low half lies in the escapes' range, then an escape.
        { "\xF0\x9F\x82\x80\xE9", QString::fromUtf8("\xF0\x9F\x82\x80") + "\\xE9" },
    };
    for (const auto& c : cases) {
        const QString name = DecodeFileName(c.bytes);
        EXPECT_EQ(EncodeFileName(name), c.bytes) << c.bytes.toHex().constData();
        EXPECT_EQ(ShownFileName(name), c.shown) << c.bytes.toHex().constData();
    }
}

TEST(FileNameTest, AtomicWritesReachTheNamedFileAndKeepItsModeAndLinks)
{
    QTemporaryDir dir;
    const QString name = DecodeFileName(QFile::encodeName(dir.path()) + "/lat\xE9.tpf");
    const QByteArray raw = EncodeFileName(name);
    QString reason;
    ASSERT_TRUE(WriteFileAtomically(name, QByteArray("first"), &reason)) << reason.toStdString();
    ASSERT_EQ(::chmod(raw.constData(), 0640), 0);
    const QByteArray link = QFile::encodeName(dir.filePath("link.tpf"));
    ASSERT_EQ(::symlink(raw.constData(), link.constData()), 0);
    ASSERT_TRUE(WriteFileAtomically(DecodeFileName(link), QByteArray("second"), &reason)) << reason.toStdString();
    struct stat info { };
    ASSERT_EQ(::lstat(link.constData(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays a link";
    ASSERT_EQ(::stat(raw.constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    QFile file;
    ASSERT_TRUE(OpenForReading(file, name, &reason)) << reason.toStdString();
    EXPECT_EQ(file.readAll(), "second");
    EXPECT_EQ(RawFileNames(dir.path()), (std::vector<std::string> { "lat\xE9.tpf", "link.tpf" })) << "no temporary left";
    ::unlink(raw.constData());
}

TEST(FileNameTest, RelativeNamesAreMadeAbsoluteByTextAlone)
{
    const QString escaped = DecodeFileName("lat\xE9");
    EXPECT_EQ(AbsoluteFileName("/a/./b/../" + escaped + ".tpf"), "/a/" + escaped + ".tpf");
    EXPECT_EQ(AbsoluteFileName(escaped), QDir::currentPath() + "/" + escaped);
}
