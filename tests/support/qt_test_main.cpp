// Test entry for everything that needs a QApplication: headless, on Qt's
// offscreen platform, with one application for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests fork; the threadsafe style re-executes the binary instead,
    // which Qt's threads survive.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
