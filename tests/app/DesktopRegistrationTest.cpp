#include "app/DesktopRegistration.h"

#include "support/TestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(DesktopRegistration, WritesOnlyWhatIsMissingAndNeverFails)
{
    QTemporaryDir dir;
    EXPECT_EQ(RegisterShellFileTypes("/opt/my apps/ternary", dir.path()), 3);
    const std::string entry = ReadFileBytes(dir.filePath("applications/ternary.desktop"));
    EXPECT_NE(entry.find("Exec=\"/opt/my apps/ternary\" %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("MimeType=application/x-ternary-plot;"), std::string::npos);
    EXPECT_NE(ReadFileBytes(dir.filePath("mime/packages/ternary-tpf.xml")).find("<glob pattern=\"*.tpf\"/>"),
        std::string::npos);

    ASSERT_TRUE(WriteFileBytes(dir.filePath("applications/ternary.desktop"), "mine"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.path()), 0);
    EXPECT_EQ(ReadFileBytes(dir.filePath("applications/ternary.desktop")), "mine");

    // A data folder that cannot be created: nothing written, nothing thrown.
    ASSERT_TRUE(WriteFileBytes(dir.filePath("file"), "x"));
    EXPECT_EQ(RegisterShellFileTypes("/usr/bin/ternary", dir.filePath("file/sub")), 0);
}
