#include "framework/gui/CUrlLabel.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(UrlLabel, OpensItsLinkMarksItVisitedAndReportsFailures)
{
    MessageBoxRecorder boxes;
    CUrlLabel label;
    label.SetUrl("https://ternary.example.org/");
    const COLORREF unvisited = label.CurrentColor();
    QStringList opened;
    CUrlLabel::SetOpener([&](const QString& url) {
        opened << url;
        return true;
    });
    label.OpenUrl();
    EXPECT_EQ(opened, QStringList({ "https://ternary.example.org/" }));
    EXPECT_TRUE(label.IsVisited());
    EXPECT_NE(label.CurrentColor(), unvisited);

    CUrlLabel::SetOpener([](const QString&) { return false; });
    CUrlLabel other;
    other.SetUrl("https://ternary.example.org/help");
    other.OpenUrl();
    CUrlLabel::SetOpener({});
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Texts()[0].startsWith("Unable to open hyperlink:\n\n"));
    EXPECT_FALSE(other.IsVisited());

    // The desktop's own opener failing (no browser) is a failure too.
    QTemporaryDir bin;
    ASSERT_TRUE(WriteFileBytes(bin.filePath("xdg-open"), "#!/bin/sh\nexit 3\n"));
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    other.OpenUrl();
    qputenv("PATH", path);
    EXPECT_EQ(boxes.Boxes().size(), 2u);
    EXPECT_FALSE(other.IsVisited());
}
