// SPDX-License-Identifier: MIT
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

// The window tests need no screen: test discovery runs this program at build
// time, outside ctest's environment, so the offscreen platform is chosen
// here unless the caller chose another.
int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication aplicação(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
