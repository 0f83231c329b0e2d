// The window tests run the program's own windows on Qt's offscreen platform.

#include "drive/QuietOffscreen.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[]) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    kelvane::installQuietOffscreenMessages();
    QApplication::setApplicationName(QStringLiteral("Kelvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
