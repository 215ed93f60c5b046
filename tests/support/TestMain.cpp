// Shared main of every test executable: one QApplication (offscreen under
// ctest), no settings of the real user touched, then GoogleTest.
#include <QApplication>
#include <QStandardPaths>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestrova"));
    QApplication::setApplicationName(QStringLiteral("Ternary"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
