// The window tests need one QApplication for the whole run; GoogleTest runs
// inside it. They never need a display: without a platform chosen, the
// offscreen one with a desktop monitor's screen (also while CTest lists the
// tests).

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", EK_OFFSCREEN_PLATFORM);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
